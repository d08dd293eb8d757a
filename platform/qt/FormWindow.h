// The top-level window of one form: its menu bar, a client area of the model's size, and a widget for
// each control, placed absolutely inside its container. Input on any of them goes to the model.
#pragma once

#include <QWidget>
#include <map>

class QAction;
class QKeyEvent;
class QMenuBar;
class QMouseEvent;

#include <string>

namespace platform
{
class Control;
class Form;
struct FormProps;
} // namespace platform

namespace platform::qt
{

class GraphicsLayer;
class QtHost;

Qt::WindowFlags windowFlagsFor(const FormProps& props);
QString windowTitleFor(const std::string& caption);

class FormWindow final : public QWidget
{
    Q_OBJECT

  public:
    FormWindow(QtHost& host, Form& form);

    Form& form() const { return m_form; }
    QWidget* client() const { return m_client; }
    QWidget* widget(const Control& control) const;
    // The control a widget or one of its parts stands for; nullptr for the window itself.
    Control* control(const QObject* object) const;

    void syncAll();
    void syncForm();
    void syncControl(Control& control);
    // Outer position and client size from the model.
    void placeOnScreen();

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    QWidget* ensureWidget(Control& control);
    QWidget* containerWidget(const Control& control);
    void buildMenus();
    void syncAction(Control& item);
    void connectInput(Control& control, QWidget* widget);
    void watch(QObject* object, Control* control);

    // Input routing (FormInput.cpp).
    bool keyPress(Control* control, QKeyEvent* event);
    bool mouse(Control& control, QObject* watched, QMouseEvent* event);
    bool ctrlLetter(Control* control, QKeyEvent* event, char letter);
    Control* keyTarget(Control* control) const;
    bool hasShortcut(const std::string& shortcut) const;
    void reportSelection(Control& control);

    QtHost& m_host;
    Form& m_form;
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    std::map<const Control*, QWidget*> m_widgets;
    std::map<const QObject*, Control*> m_controls;
    std::map<const Control*, QAction*> m_actions;
    std::map<const QWidget*, GraphicsLayer*> m_layers;
    std::map<const Control*, GraphicsLayer*> m_layerOf;
};

} // namespace platform::qt
