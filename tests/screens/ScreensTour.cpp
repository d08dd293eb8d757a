// The program's windows under a real X server and window manager (scripts/screenshots.sh): checks what
// only a window manager shows (frames, allowed actions, titles, where a window comes back) and leaves
// a screenshot of each state in the folder named by KORVANTA_SCREENS for a person to look at.
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/Form4.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace
{

class QtEnvironment final : public testing::Environment
{
  public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "korvanta_screens";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("Korvanta"));
    }
    void TearDown() override { m_app.reset(); }

  private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] testing::Environment* const qtEnvironment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

// Lets the window manager and the X server catch up.
void settle(int ms = 400)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

void screenshot(const std::string& name)
{
    const char* folder = std::getenv("KORVANTA_SCREENS");
    const QString path = QString::fromUtf8(folder != nullptr ? folder : ".") + QLatin1Char('/') +
                         QString::fromStdString(name) + QStringLiteral(".png");
    EXPECT_EQ(QProcess::execute(QStringLiteral("import"),
                                {QStringLiteral("-window"), QStringLiteral("root"), path}),
              0);
}

// A property of a window as the window manager sees it.
std::string xprop(const QWidget* window, const char* property)
{
    QProcess process;
    QStringList arguments{QStringLiteral("-id"), QString::number(window->winId())};
    if (*property != 0) {
        arguments << QString::fromLatin1(property);
    }
    process.start(QStringLiteral("xprop"), arguments);
    process.waitForFinished(5000);
    return process.readAllStandardOutput().toStdString();
}

class Screens : public testing::Test
{
  protected:
    Screens() : host(qttest::freshFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
        settle(800);
    }
    ~Screens() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    void userClick(platform::Control& control)
    {
        host.userInput(&control, [&] { runtime.userClick(control); });
        settle();
    }

    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
};

TEST_F(Screens, CriteriaFormInEachLoadCase)
{
    qttest::MessageAnswerer answerer;
    app::Form1& form1 = program->form1;
    screenshot("form1-simple-span");
    userClick(form1.OHbutton);
    screenshot("form1-overhang");
    userClick(form1.Multibutton);
    screenshot("form1-multiple-spans");
    userClick(form1.IncButton);
    screenshot("form1-hips-and-valleys");
    userClick(form1.SimpleSpanbutton);
    const auto& species = form1.Combo1.props().items;
    const auto steel = std::find(species.begin(), species.end(), "Steel Beams");
    ASSERT_NE(steel, species.end());
    host.userInput(&form1.Combo1,
                   [&] { runtime.userChoose(form1.Combo1, static_cast<int>(steel - species.begin())); });
    settle();
    screenshot("form1-steel");
}

TEST_F(Screens, FocusCanBeSeen)
{
    app::Form1& form1 = program->form1;
    const std::pair<platform::Control*, const char*> targets[] = {{&form1.CmdOK, "form1-focus-button"},
                                                                  {&form1.OHbutton, "form1-focus-option"},
                                                                  {&form1.Wet, "form1-focus-check"}};
    for (const auto& [control, name] : targets) {
        platform::Control* target = control;
        host.userInput(target, [&] { runtime.userFocus(*target); });
        settle();
        EXPECT_TRUE(host.widget(*target)->hasFocus()) << name;
        screenshot(name);
    }
}

// Window manager decorations of a window: the Motif hints' third field.
unsigned decorationsOf(const QWidget* window)
{
    const std::string hints = xprop(window, "_MOTIF_WM_HINTS");
    const auto at = hints.find("= ");
    unsigned flags = 0, functions = 0, decorations = 0;
    if (at == std::string::npos ||
        std::sscanf(hints.c_str() + at + 2, "%x, %x, %x", &flags, &functions, &decorations) != 3) {
        ADD_FAILURE() << "no Motif hints: " << hints;
    }
    return decorations;
}
constexpr unsigned MinimiseButton = 0x20;
constexpr unsigned MaximiseButton = 0x40;

TEST_F(Screens, YesNoMessageBoxStaysWithItsOwnerAndAnswersItsLetters)
{
    bool cameBack = false;
    unsigned decorations = 0;
    QTimer::singleShot(600, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        screenshot("message-box-yes-no");
        decorations = decorationsOf(box);
        box->showMinimized(); // as a window manager's keyboard shortcut would
        settle();
        cameBack = box->isVisible() && !box->isMinimized();
        qttest::sendKey(box->focusWidget() != nullptr ? box->focusWidget() : box, Qt::Key_N, Qt::NoModifier,
                        QStringLiteral("n"));
        QTimer::singleShot(0, box, [box] { static_cast<QDialog*>(box)->done(0); });
    });
    platform::MsgResult answer{};
    runtime.dispatch([&] {
        answer = runtime.msgBox("Do you want to save your work?", platform::Buttons::YesNo,
                                platform::Icon::Question, "SAVE YOUR WORK REMINDER");
    });
    EXPECT_EQ(answer, platform::MsgResult::No);
    EXPECT_TRUE(cameBack);
    EXPECT_EQ(decorations & (MinimiseButton | MaximiseButton), 0u);
}

TEST_F(Screens, ProgressWindowHasAnEmptyTitleAndNoButtonsToMinimiseIt)
{
    beam::Form4& form4 = program->form4;
    runtime.dispatch([&] {
        form4.show();
        form4.Pan.setFloodPercent(40);
        form4.refresh();
    });
    settle();
    screenshot("progress-window");
    platform::qt::FormWindow* window = host.window(form4);
    ASSERT_NE(window, nullptr);
    const std::string title = xprop(window, "_NET_WM_NAME");
    EXPECT_NE(title.find("= \" \""), std::string::npos) << title;
    EXPECT_EQ(decorationsOf(window) & (MinimiseButton | MaximiseButton), 0u);
    EXPECT_NE(decorationsOf(host.window(program->form1)) & MinimiseButton, 0u);
}

TEST_F(Screens, AWindowComesBackWhereItWasPut)
{
    app::Form1& form1 = program->form1;
    platform::qt::FormWindow* window = host.window(form1);
    ASSERT_NE(window, nullptr);
    const QPoint expected(qRound((form1.left() + 60) / 15), qRound((form1.top() + 360) / 15));
    EXPECT_EQ(window->mapToGlobal(QPoint(0, 0)), expected);
    runtime.dispatch([&] {
        form1.hide();
        form1.show();
    });
    settle();
    EXPECT_EQ(window->mapToGlobal(QPoint(0, 0)), expected);
}

} // namespace
