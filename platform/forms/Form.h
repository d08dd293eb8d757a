// A form: one instance per run, addressed by name. "Unloaded" is a state, never destruction, so a
// handler that unloads its own form can go on safely.
#pragma once

#include "platform/forms/Types.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform
{

class Control;
class Runtime;

enum class ShowMode
{
    Modeless,
    Modal
};

enum class UnloadReason
{
    CloseBox = 0,
    Code = 1,
    SessionEnd = 2,
    ExternalTermination = 3
};

enum class BorderStyle
{
    Fixed,
    Sizable,
    FixedDialog
};

// Where a window opens when it is shown: where its design and its own code put it, or centred over the
// form that opened it (the active form), kept on the screen.
enum class StartUpPosition
{
    Manual,
    CenterOwner
};

enum class WindowState
{
    Normal,
    Minimized,
    Maximized
};

// The frame model, fixed so that centring and print placement give the same numbers on every host.
constexpr double FrameBorderTwips = 60;
constexpr double CaptionBarTwips = 300;
constexpr double MenuBarTwips = 300;

struct FormProps
{
    std::string caption;
    double left = 0, top = 0, width = 4800, height = 3600; // outer rectangle
    std::uint32_t backColor = SystemButtonFace;
    FontSpec font;
    BorderStyle borderStyle = BorderStyle::Fixed;
    bool controlBox = true; // the window menu and close box
    bool minButton = true;  // a fixed dialog never has one
    bool maxButton = true;  // shown on a sizable window only
    StartUpPosition startUpPosition = StartUpPosition::Manual;
    WindowState windowState = WindowState::Normal;
    int mousePointer = 0; // 0 default, 11 hourglass
    bool hasMenu = false;
};

class Form
{
  public:
    Form(Runtime& runtime, std::string name);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form() = default;

    const std::string& name() const { return m_name; }
    Runtime& runtime() const { return m_runtime; }

    void show(ShowMode mode = ShowMode::Modeless);
    void hide();
    void unload();
    void refresh();
    bool loaded() const { return m_loaded; } // asking does not load
    void load();                             // implicit load: design values, then Load

    std::string caption();
    void setCaption(std::string_view caption);
    double left();
    double top();
    double width();
    double height();
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void move(double left, double top);
    double scaleWidth();
    double scaleHeight();
    // Design helper: outer size from the client size by the frame model.
    void setClientSize(double width, double height);
    bool visible();
    void setVisible(bool visible);
    int mousePointer();
    void setMousePointer(int pointer);
    WindowState windowState();
    void setWindowState(WindowState state);
    void setBackColor(std::uint32_t colour);
    void setFont(const FontSpec& font);
    void setBorderStyle(BorderStyle style);
    void setControlBox(bool shown);
    void setMinButton(bool shown);
    void setMaxButton(bool shown);
    void setStartUpPosition(StartUpPosition position);

    // Every control in design order.
    const std::vector<Control*>& controls() const { return m_controls; }
    Control* findControl(std::string_view name, int index = -1) const;
    // The control that has or last had the focus on this form.
    Control* focusControl() const { return m_focus; }

    const FormProps& props() const { return m_props; }

  protected:
    virtual void design() = 0; // controls and design values; raises nothing
    virtual void onLoad() {}
    virtual void onActivate() {}
    virtual void onQueryUnload(bool& /*cancel*/, UnloadReason /*reason*/) {}
    virtual void onUnload() {}
    virtual void resetVars() {} // form-level variables to their initial values

  private:
    friend class Control;
    friend class Runtime;

    void registerControl(Control& control) { m_controls.push_back(&control); }
    void unloadNow(); // after QueryUnload let it pass
    void ensureDesigned();
    void placeAtOpening();
    void resetToDesign();
    bool quiet() const { return m_quiet > 0; }
    void touch();
    void notify(int change);
    Control* firstTabStop();

    Runtime& m_runtime;
    std::string m_name;
    std::vector<Control*> m_controls;
    FormProps m_props;
    FormProps m_design;
    bool m_designed = false;
    bool m_loaded = false;
    bool m_visible = false;
    bool m_loading = false;
    int m_quiet = 0;
    Control* m_focus = nullptr;
};

} // namespace platform
