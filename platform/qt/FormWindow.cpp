// The top-level window of one form: building its widgets and menus, and showing the model's state.
#include "platform/qt/FormWindow.h"

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/ControlWidgets.h"
#include "platform/qt/Painting.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>
#include <set>

namespace platform::qt
{

// The frame follows the form's design: a fixed dialog has no minimise or maximise button, a form
// without a control box no close box or window menu, and only a sizable form can be maximised.
Qt::WindowFlags windowFlagsFor(const FormProps& p)
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (p.controlBox) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (p.minButton && p.borderStyle != BorderStyle::FixedDialog) {
            flags |= Qt::WindowMinimizeButtonHint;
        }
        if (p.maxButton && p.borderStyle == BorderStyle::Sizable) {
            flags |= Qt::WindowMaximizeButtonHint;
        }
    }
    return flags;
}

QString windowTitleFor(const std::string& caption)
{
    // Qt shows the program's name in place of an empty title; a blank keeps the title bar empty.
    return caption.empty() ? QStringLiteral(" ") : toQString(caption);
}

namespace
{

bool isSeparator(const ControlProps& p)
{
    return p.separator || p.caption == "-";
}

} // namespace

FormWindow::FormWindow(QtHost& host, Form& form)
    : QWidget(nullptr, windowFlagsFor(form.props())), m_host(host), m_form(form)
{
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);
    build();
}

QWidget* FormWindow::widget(const Control& control) const
{
    auto it = m_widgets.find(&control);
    return it == m_widgets.end() ? nullptr : it->second;
}

Control* FormWindow::control(const QObject* object) const
{
    auto it = m_controls.find(object);
    return it == m_controls.end() ? nullptr : it->second;
}

void FormWindow::watch(QObject* object, Control* control)
{
    object->installEventFilter(this);
    if (control != nullptr) {
        m_controls[object] = control;
    }
}

void FormWindow::build()
{
    m_client = new QWidget(this);
    m_client->setAutoFillBackground(true);
    m_client->setFocusPolicy(Qt::NoFocus);
    watch(this, nullptr);
    watch(m_client, nullptr);
    buildMenus();
    for (Control* control : m_form.controls()) {
        ensureWidget(*control);
    }
    // Later controls lie on top, as designed; lines and shapes lie under every other control.
    for (Control* control : m_form.controls()) {
        if (QWidget* w = widget(*control)) {
            w->raise();
        }
    }
    for (auto& [container, layer] : m_layers) {
        layer->lower();
    }
}

QWidget* FormWindow::containerWidget(const Control& control)
{
    Control* container = control.container();
    if (container == nullptr) {
        return m_client;
    }
    QWidget* w = ensureWidget(*container);
    return w != nullptr ? w : m_client;
}

QWidget* FormWindow::ensureWidget(Control& control)
{
    if (QWidget* existing = widget(control)) {
        return existing;
    }
    const ControlKind kind = control.kind();
    if (kind == ControlKind::MenuItem) {
        return nullptr;
    }
    QWidget* parent = containerWidget(control);
    if (kind == ControlKind::Line || kind == ControlKind::Shape) {
        GraphicsLayer*& layer = m_layers[parent];
        if (layer == nullptr) {
            layer = new GraphicsLayer(parent);
        }
        layer->add(control);
        m_layerOf[&control] = layer;
        return nullptr;
    }
    QWidget* w = createControlWidget(control, parent);
    // Placed at once, so that fitting an earlier control's caption sees the controls laid over it.
    const ControlProps& p = control.props();
    w->setGeometry(toPixels(p.left), toPixels(p.top), std::max(0, toPixels(p.width)),
                   std::max(0, toPixels(p.height)));
    m_widgets[&control] = w;
    watch(w, &control);
    QWidget* keyboard = keyboardWidget(w);
    if (keyboard != w) {
        watch(keyboard, &control);
    }
    if (auto* view = qobject_cast<QAbstractScrollArea*>(w)) {
        watch(view->viewport(), &control);
    }
    connectInput(control, w);
    return w;
}

void FormWindow::connectInput(Control& control, QWidget* w)
{
    Control* c = &control;
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        connect(button, &QAbstractButton::clicked, this,
                [this, c] { m_host.userInput(c, [&] { m_host.runtime()->userClick(*c); }); });
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        auto* list = static_cast<ListControl*>(c);
        connect(combo, &QComboBox::activated, this, [this, list](int index) {
            m_host.userInput(list, [&] { m_host.runtime()->userChoose(*list, index); });
        });
        if (QLineEdit* edit = combo->lineEdit()) {
            connect(edit, &QLineEdit::textEdited, this, [this, list](const QString& text) {
                m_host.userInput(list, [&] { m_host.runtime()->userEdit(*list, toUtf8(text)); });
            });
        }
    } else if (auto* listWidget = qobject_cast<QListWidget*>(w)) {
        auto* list = static_cast<ListControl*>(c);
        connect(listWidget, &QListWidget::currentRowChanged, this, [this, list](int row) {
            m_host.userInput(list, [&] { m_host.runtime()->userChoose(*list, row); });
        });
    }
}

void FormWindow::buildMenus()
{
    std::set<const Control*> parents;
    for (Control* c : m_form.controls()) {
        if (c->kind() == ControlKind::MenuItem && c->container() != nullptr) {
            parents.insert(c->container());
        }
    }
    std::map<const Control*, QMenu*> menus;
    for (Control* c : m_form.controls()) {
        if (c->kind() != ControlKind::MenuItem) {
            continue;
        }
        if (m_menuBar == nullptr) {
            m_menuBar = new QMenuBar(this);
            m_menuBar->setNativeMenuBar(false);
            watch(m_menuBar, nullptr);
        }
        const Control* parent = c->container();
        QMenu* parentMenu = parent == nullptr ? nullptr : menus[parent];
        const QString caption = toQString(c->props().caption);
        QAction* action = nullptr;
        if (parents.count(c) != 0) {
            QMenu* menu = parentMenu != nullptr ? parentMenu->addMenu(caption) : m_menuBar->addMenu(caption);
            menus[c] = menu;
            action = menu->menuAction();
        } else if (parentMenu != nullptr && isSeparator(c->props())) {
            action = parentMenu->addSeparator();
        } else {
            action = parentMenu != nullptr ? parentMenu->addAction(caption) : m_menuBar->addAction(caption);
            auto* item = static_cast<MenuItem*>(c);
            connect(action, &QAction::triggered, this,
                    [this, item] { m_host.userInput(nullptr, [&] { m_host.runtime()->userMenu(*item); }); });
        }
        m_actions[c] = action;
    }
}

void FormWindow::syncAction(Control& item)
{
    QAction* action = m_actions[&item];
    if (action == nullptr) {
        return;
    }
    const ControlProps& p = item.props();
    if (!action->isSeparator()) {
        action->setText(toQString(p.caption));
        if (!p.shortcut.empty()) {
            // Shown in the menu; the keys themselves reach the model through the input filter.
            action->setShortcut(QKeySequence::fromString(toQString(p.shortcut), QKeySequence::PortableText));
            action->setShortcutContext(Qt::WindowShortcut);
        }
        action->setCheckable(p.checked);
        action->setChecked(p.checked);
    }
    action->setEnabled(p.enabled);
    action->setVisible(p.visible);
}

void FormWindow::syncAll()
{
    syncForm();
    // Containers before their children, so that colours pass down.
    for (Control* c : m_form.controls()) {
        if (c->container() == nullptr || c->kind() == ControlKind::MenuItem) {
            syncControl(*c);
        }
    }
}

void FormWindow::syncForm()
{
    const FormProps& p = m_form.props();
    setWindowTitle(windowTitleFor(p.caption));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, toQColor(p.backColor));
    m_client->setPalette(palette);
    if (p.mousePointer == 11) {
        setCursor(Qt::WaitCursor);
    } else {
        unsetCursor();
    }
    switch (p.windowState) {
    case WindowState::Minimized:
        setWindowState(Qt::WindowMinimized);
        break;
    case WindowState::Maximized:
    case WindowState::Normal:
        setWindowState(Qt::WindowNoState);
        break;
    }
}

void FormWindow::syncControl(Control& control)
{
    switch (control.kind()) {
    case ControlKind::MenuItem:
        syncAction(control);
        return;
    case ControlKind::Line:
    case ControlKind::Shape:
        if (GraphicsLayer* layer = m_layerOf[&control]) {
            layer->update();
        }
        return;
    default:
        break;
    }
    QWidget* w = widget(control);
    if (w == nullptr) {
        return;
    }
    applyControl(w, control);
    if (control.kind() == ControlKind::Frame || control.kind() == ControlKind::Panel) {
        // Children with the button-face colour show their container's colour.
        for (Control* child : m_form.controls()) {
            if (child->container() == &control) {
                syncControl(*child);
            }
        }
    }
}

void FormWindow::placeOnScreen()
{
    const FormProps& p = m_form.props();
    const int width = std::max(1, toPixels(p.width - 2 * FrameBorderTwips));
    const int height = std::max(
        1, toPixels(p.height - 2 * FrameBorderTwips - CaptionBarTwips - (p.hasMenu ? MenuBarTwips : 0)));
    int menuHeight = 0;
    if (m_menuBar != nullptr) {
        menuHeight = m_menuBar->heightForWidth(width);
        if (menuHeight <= 0) {
            menuHeight = m_menuBar->sizeHint().height();
        }
        m_menuBar->setGeometry(0, 0, width, menuHeight);
    }
    m_client->setGeometry(0, menuHeight, width, height);
    setFixedSize(width, menuHeight + height);
    // The client area goes where the model's frame puts it, on the first show as on every later one:
    // a move would place the client area before the window manager has framed the window and the
    // frame afterwards.
    const QPoint client(toPixels(p.left + FrameBorderTwips),
                        toPixels(p.top + FrameBorderTwips + CaptionBarTwips));
    setGeometry(QRect(client, QSize(width, menuHeight + height)));
}

bool FormWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_host.windowActivated(m_form);
    }
    // A modal form comes straight back when a window manager minimises it: the program waits for it.
    if (event->type() == QEvent::WindowStateChange && windowModality() != Qt::NonModal &&
        (windowState() & Qt::WindowMinimized) != 0) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        });
    }
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The close box asks the model, which decides whether the form goes.
    event->ignore();
    if (!m_host.quitting()) {
        m_host.closeRequested(m_form);
    }
}

} // namespace platform::qt
