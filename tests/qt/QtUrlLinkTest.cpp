// The hyperlink label on the Qt host, offscreen: a left press on its widget reaches the control, and
// the desktop opens the address through the handler registered for its scheme.
#include "app/Program.h"
#include "app/UrlLinkForm.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace
{

// Stands in for the desktop's browser: records every address handed to it.
class UrlReceiver final : public QObject
{
    Q_OBJECT

  public:
    std::vector<std::string> opened;
    int pointerWhileOpening = -1;
    platform::Runtime* runtime = nullptr;

  public slots:
    void open(const QUrl& url)
    {
        opened.push_back(url.toString().toStdString());
        pointerWhileOpening = runtime->mousePointer();
    }
};

void press(QWidget* widget, Qt::MouseButton button)
{
    const QPointF at(2, 2);
    QMouseEvent down(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

TEST(QtUrlLink, LeftPressOpensTheAddressThroughTheDesktop)
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("korvanta-qt-url-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(folder);
    {
        platform::qt::QtHost host(folder);
        platform::Runtime runtime(host);
        host.attach(runtime);
        auto program = std::make_unique<app::Program>(runtime);
        UrlReceiver receiver;
        receiver.runtime = &runtime;
        QDesktopServices::setUrlHandler("korvanta-test", &receiver, "open");

        app::UrlLinkForm& form = program->urlLinkForm;
        runtime.dispatch([&] {
            form.show();
            form.URLLink1.setURL("korvanta-test://example.org/beams");
        });
        QWidget* label = host.widget(form.URLLink1.lblURL);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_TRUE(label->font().underline());

        press(label, Qt::RightButton);
        EXPECT_TRUE(receiver.opened.empty());
        press(label, Qt::LeftButton);
        EXPECT_EQ(receiver.opened, std::vector<std::string>{"korvanta-test://example.org/beams"});
        EXPECT_EQ(receiver.pointerWhileOpening, 11); // the hourglass while the desktop is asked
        EXPECT_EQ(runtime.mousePointer(), 0);

        QDesktopServices::unsetUrlHandler("korvanta-test");
        program.reset();
    }
    std::filesystem::remove_all(folder);
}

} // namespace

#include "QtUrlLinkTest.moc"
