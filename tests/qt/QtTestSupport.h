// Helpers for driving the Qt host offscreen: fresh program folders, key events, and a timer that
// answers the message boxes the host puts up.
#pragma once

#include "platform/forms/Types.h"
#include "platform/qt/MessageDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

namespace qttest
{

struct Answered
{
    std::string title;
    std::string text;
};

// Answers every message box the host puts up, with its default button, and records it.
class MessageAnswerer
{
  public:
    MessageAnswerer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            auto* box = qobject_cast<platform::qt::MessageDialog*>(modal);
            if (box != nullptr && box->isVisible()) {
                m_answered.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
                box->button(platform::MsgResult::OK) != nullptr
                    ? box->button(platform::MsgResult::OK)->click()
                    : box->done(static_cast<int>(platform::MsgResult::Yes));
            } else if (auto* files = qobject_cast<QFileDialog*>(modal);
                       files != nullptr && files->isVisible() && !m_file.empty()) {
                m_answered.push_back({files->windowTitle().toStdString(), m_file.string()});
                files->selectFile(QString::fromStdString(m_file.string()));
                QMetaObject::invokeMethod(files, "accept",
                                          Qt::DirectConnection); // QFileDialog hides accept()
            } else if (auto* dialog = qobject_cast<QDialog*>(modal);
                       dialog != nullptr && dialog->isVisible()) {
                // A file or print dialog nobody expected is cancelled, so that no test waits for it.
                m_answered.push_back({dialog->windowTitle().toStdString(), "(dialog cancelled)"});
                dialog->reject();
            }
        });
        m_timer.start(5);
    }
    const std::vector<Answered>& answered() const { return m_answered; }
    // From now on a file dialog (the print-to-file dialog among them) is answered with this path.
    void answerFilesWith(std::filesystem::path file) { m_file = std::move(file); }

  private:
    std::filesystem::path m_file;
    QTimer m_timer;
    std::vector<Answered> m_answered;
};

inline std::filesystem::path freshFolder()
{
    static int counter = 0;
    auto folder = std::filesystem::temp_directory_path() /
                  ("korvanta-qt-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
                   std::to_string(++counter));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline void sendKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

} // namespace qttest
