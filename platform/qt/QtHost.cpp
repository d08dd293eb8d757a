// The Qt host's windows, user input, modal loops and system services.
#include "platform/qt/QtHost.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/FormStyle.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/Printing.h"
#include "platform/qt/QtConvert.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDesktopServices>
#include <QEventLoop>
#include <QScreen>
#include <QThread>
#include <QUrl>
#include <algorithm>
#include <iostream>

namespace platform::qt
{

namespace
{

class SystemClock final : public Clock
{
  public:
    DateTime now() override
    {
        const QDateTime t = QDateTime::currentDateTime();
        return {t.date().year(), t.date().month(),  t.date().day(),
                t.time().hour(), t.time().minute(), t.time().second()};
    }
};

// How long after the host's own show, hide or raise a window activation is taken as its echo.
constexpr qint64 OwnActivationMs = 500;

} // namespace

QtHost::QtHost(std::filesystem::path programFolder)
    : m_folder(std::move(programFolder)), m_clock(std::make_unique<SystemClock>())
{
    installFontSubstitutions();
    // One look on every desktop; the program ends by its own End, never because a window closed.
    QApplication::setStyle(new FormStyle);
    // Disabled text in the classic grey, which stays readable on the grey forms (the style's own
    // disabled colour nearly matches the form background).
    QPalette palette = QApplication::palette();
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Disabled, role, QColor(128, 128, 128));
    }
    QApplication::setPalette(palette);
    QApplication::setQuitOnLastWindowClosed(false);
    m_sinceOwnActivation.start();
    connect(qApp, &QGuiApplication::commitDataRequest, this,
            [this] { endSession(UnloadReason::SessionEnd); });
}

QtHost::~QtHost()
{
    m_quitting = true;
    m_pdf.reset();
    m_windows.clear();
}

FormWindow* QtHost::window(const Form& form) const
{
    auto it = m_windows.find(&form);
    return it == m_windows.end() ? nullptr : it->second.get();
}

QWidget* QtHost::widget(const Control& control) const
{
    FormWindow* w = window(control.form());
    return w == nullptr ? nullptr : w->widget(control);
}

FormWindow* QtHost::ensureWindow(Form& form)
{
    if (FormWindow* w = window(form)) {
        return w;
    }
    auto created = std::make_unique<FormWindow>(*this, form);
    FormWindow* w = created.get();
    m_windows.emplace(&form, std::move(created));
    return w;
}

// User input ------------------------------------------------------------------------------------------

void QtHost::userInput(Control* control, const std::function<void()>& action)
{
    if (m_runtime == nullptr || m_runtime->ended() || m_quitting || m_flushing > 0) {
        return;
    }
    try {
        action();
    } catch (const std::exception& e) {
        std::cerr << "Korvanta: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "Korvanta: unexpected failure in user input\n";
    }
    if (m_quitting) {
        return;
    }
    if (m_runtime->ended()) {
        quit();
        return;
    }
    if (control != nullptr) {
        if (FormWindow* w = window(control->form())) {
            w->syncControl(*control);
        }
    }
    applyScreenPointer();
    settle();
}

void QtHost::settle()
{
    if (m_runtime == nullptr || m_runtime->inHandler() || !m_modalLoops.empty() || m_modalBoxes > 0) {
        return;
    }
    finishPdf();
    bool anyVisible = false;
    for (const auto& [form, w] : m_windows) {
        anyVisible = anyVisible || w->isVisible();
    }
    if (!anyVisible && !m_windows.empty()) {
        // Without a window the user could never reach the program again.
        quit();
    }
}

void QtHost::windowActivated(Form& form)
{
    if (m_runtime == nullptr || m_quitting || m_flushing > 0 || m_modalBoxes > 0 || m_runtime->inHandler() ||
        m_runtime->activeForm() == &form || m_sinceOwnActivation.elapsed() < OwnActivationMs) {
        return;
    }
    userInput(nullptr, [&] { m_runtime->userSwitch(form); });
}

void QtHost::closeRequested(Form& form)
{
    if (m_modalBoxes > 0 || m_flushing > 0) {
        return;
    }
    userInput(nullptr, [&] { m_runtime->userCloseBox(form); });
}

void QtHost::endSession(UnloadReason reason)
{
    if (m_runtime == nullptr || m_quitting) {
        return;
    }
    for (Form* form : m_runtime->forms()) {
        if (form->loaded()) {
            userInput(nullptr, [&] { m_runtime->userQueryUnload(*form, reason); });
        }
    }
    const auto& forms = m_runtime->forms();
    if (std::none_of(forms.begin(), forms.end(), [](const Form* f) { return f->loaded(); })) {
        quit();
    }
}

void QtHost::quietActivations()
{
    m_sinceOwnActivation.restart();
}

void QtHost::activateModelWindow()
{
    Form* active = m_runtime == nullptr ? nullptr : m_runtime->activeForm();
    FormWindow* w = active == nullptr ? nullptr : window(*active);
    if (w != nullptr && w->isVisible()) {
        quietActivations();
        w->raise();
        w->activateWindow();
    }
}

// Windows ---------------------------------------------------------------------------------------------

void QtHost::showWindow(Form& form)
{
    FormWindow* w = ensureWindow(form);
    w->syncAll();
    w->placeOnScreen();
    quietActivations();
    w->show();
    w->raise();
    if (m_runtime != nullptr && m_runtime->activeForm() == &form) {
        w->activateWindow();
    }
    if (m_runtime != nullptr) {
        Control* focus = m_runtime->focusedControl();
        if (focus != nullptr && &focus->form() == &form) {
            giveQtFocus(*focus);
        }
    }
}

void QtHost::hideWindow(Form& form)
{
    for (auto& [modalForm, loop] : m_modalLoops) {
        if (modalForm == &form) {
            loop->quit();
        }
    }
    FormWindow* w = window(form);
    if (w == nullptr || !w->isVisible()) {
        return;
    }
    quietActivations();
    w->hide();
    activateModelWindow();
}

void QtHost::formChanged(Form& form, FormChange change)
{
    if (m_quitting) {
        return;
    }
    FormWindow* w = window(form);
    switch (change) {
    case FormChange::Shown:
        showWindow(form);
        break;
    case FormChange::Hidden:
    case FormChange::Unloaded:
        hideWindow(form);
        break;
    case FormChange::Moved:
        if (w != nullptr) {
            w->placeOnScreen();
        }
        break;
    case FormChange::Property:
        if (w != nullptr) {
            w->syncAll(); // the form's colour reaches the controls that show it
        }
        applyScreenPointer();
        break;
    case FormChange::Activated:
        if (w != nullptr && w->isVisible()) {
            quietActivations();
            w->raise();
            w->activateWindow();
        }
        break;
    }
}

void QtHost::controlChanged(Control& control)
{
    if (FormWindow* w = window(control.form()); w != nullptr && !m_quitting) {
        w->syncControl(control);
    }
}

void QtHost::giveQtFocus(Control& control)
{
    QWidget* w = widget(control);
    if (w == nullptr) {
        return;
    }
    QWidget* target = keyboardWidget(w);
    target->setFocus(Qt::OtherFocusReason);
    if (control.kind() == ControlKind::TextBox) {
        applyTextSelection(w, control.props());
    }
}

void QtHost::focusChanged(Control* control)
{
    if (m_quitting) {
        return;
    }
    if (control != nullptr) {
        giveQtFocus(*control);
        return;
    }
    // The model has no focus: take the caret out of whatever box showed it.
    QWidget* focused = QApplication::focusWidget();
    for (const auto& [form, w] : m_windows) {
        if (focused != nullptr && w->isAncestorOf(focused)) {
            focused->clearFocus();
        }
    }
}

void QtHost::repaintNow(Form& form)
{
    FormWindow* w = window(form);
    if (w == nullptr || !w->isVisible() || m_quitting) {
        return;
    }
    applyScreenPointer();
    // Paint and expose only: input waits until the handler has finished.
    ++m_flushing;
    w->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    --m_flushing;
}

void QtHost::runModal(Form& form)
{
    FormWindow* w = window(form);
    if (w == nullptr || !w->isVisible() || m_quitting) {
        return;
    }
    // Modality takes effect when a window is shown.
    // A modal form cannot be minimised away from the forms it holds up.
    quietActivations();
    w->hide();
    w->setWindowFlag(Qt::WindowMinimizeButtonHint, false);
    w->setWindowModality(Qt::ApplicationModal);
    w->show();
    w->activateWindow();
    QEventLoop loop;
    m_modalLoops.emplace_back(&form, &loop);
    loop.exec();
    std::erase_if(m_modalLoops, [&](const auto& entry) { return entry.second == &loop; });
    if (!m_quitting) {
        const bool visible = w->isVisible();
        w->hide();
        w->setWindowFlags(windowFlagsFor(form.props()));
        w->setWindowModality(Qt::NonModal);
        if (visible) {
            w->show();
        }
    }
}

void QtHost::quit()
{
    if (m_quitting) {
        return;
    }
    finishPdf();
    m_quitting = true;
    // Close every window without raising any event in the model.
    for (const auto& [form, w] : m_windows) {
        w->hide();
    }
    for (auto& [form, loop] : m_modalLoops) {
        loop->quit();
    }
    // Only a running loop is told to end: told before it starts, Qt would end every later loop at once.
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(0);
    }
}

void QtHost::applyScreenPointer()
{
    const bool hourglass = m_runtime != nullptr && m_runtime->mousePointer() == 11;
    if (hourglass != m_screenPointer) {
        m_screenPointer = hourglass;
        if (hourglass) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    }
}

// System ----------------------------------------------------------------------------------------------

void QtHost::beep()
{
    QApplication::beep();
}

void QtHost::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

void QtHost::setClipboardText(std::string_view utf8)
{
    QGuiApplication::clipboard()->setText(toQString(utf8));
}

SizeTwips QtHost::screenSize()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {1024 * TwipsPerPixel, 768 * TwipsPerPixel};
    }
    const QRect geometry = screen->geometry();
    return {geometry.width() * TwipsPerPixel, geometry.height() * TwipsPerPixel};
}

bool QtHost::openFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error)) {
        return false;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(folder.string())));
}

bool QtHost::openUrl(const std::string& url)
{
    return QDesktopServices::openUrl(QUrl(toQString(url)));
}

} // namespace platform::qt
