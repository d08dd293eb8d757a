// The Qt host's windows as a user meets them: frames follow each form's design, message boxes answer
// their buttons' letters, and a window comes back where it was put.
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Program.h"
#include "beam/Form4.h"
#include "notch/FormNotchwise.h"
#include "notch/StdSizesForm.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"
#include "report/Form17.h"
#include "report/Form21.h"
#include "report/Form9.h"

#include <QDialog>
#include <QImage>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace
{

class QtWindows : public testing::Test
{
  protected:
    QtWindows() : host(qttest::freshFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
    }
    ~QtWindows() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    // Puts up a message box and answers it with one key press once it is shown.
    platform::MsgResult answerWithKey(platform::Buttons buttons, int key, const QString& text)
    {
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
            EXPECT_FALSE(box->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
            qttest::sendKey(box->focusWidget() != nullptr ? box->focusWidget() : box, key, Qt::NoModifier,
                            text);
            // A box the key did not answer is closed with no answer rather than left waiting.
            QTimer::singleShot(0, box, [box] { static_cast<QDialog*>(box)->done(0); });
        });
        platform::MsgResult answer{};
        runtime.dispatch(
            [&] { answer = runtime.msgBox("Save your work?", buttons, platform::Icon::Question); });
        return answer;
    }

    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
};

TEST_F(QtWindows, FramesFollowTheFormsDesign)
{
    platform::qt::FormWindow* criteria = host.window(program->form1);
    ASSERT_NE(criteria, nullptr);
    EXPECT_TRUE(criteria->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(criteria->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)); // a fixed frame
    EXPECT_TRUE(criteria->windowFlags().testFlag(Qt::WindowCloseButtonHint));

    // The progress window is a fixed dialog with no caption text: no buttons to minimise or maximise
    // it, and a title bar that stays empty rather than showing the program's name.
    runtime.dispatch([&] { program->form4.show(); });
    platform::qt::FormWindow* progress = host.window(program->form4);
    ASSERT_NE(progress, nullptr);
    EXPECT_FALSE(progress->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(progress->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    ASSERT_NE(progress->windowHandle(), nullptr);
    EXPECT_TRUE(progress->windowHandle()->title().trimmed().isEmpty());
    EXPECT_FALSE(progress->windowHandle()->title().isEmpty()) << "Qt would show the program's name";
}

TEST_F(QtWindows, MessageBoxesAnswerTheLetterOfAButton)
{
    using platform::Buttons;
    using platform::MsgResult;
    EXPECT_EQ(answerWithKey(Buttons::YesNo, Qt::Key_N, "n"), MsgResult::No);
    EXPECT_EQ(answerWithKey(Buttons::YesNo, Qt::Key_Y, "y"), MsgResult::Yes);
    EXPECT_EQ(answerWithKey(Buttons::YesNoCancel, Qt::Key_N, "N"), MsgResult::No);
    EXPECT_EQ(answerWithKey(Buttons::YesNoCancel, Qt::Key_Escape, ""), MsgResult::Cancel);
    EXPECT_EQ(answerWithKey(Buttons::OKCancel, Qt::Key_Return, "\r"), MsgResult::OK);
}

// The model's left and top are the outer frame; the host puts the client area inside the model's
// frame (4 px border, 20 px caption bar), on the first show and on every later one alike.
TEST_F(QtWindows, AWindowComesBackWhereItWasPut)
{
    app::Form1& form1 = program->form1;
    platform::qt::FormWindow* window = host.window(form1);
    ASSERT_NE(window, nullptr);
    const QPoint expected(qRound((form1.left() + 60) / 15), qRound((form1.top() + 360) / 15));
    EXPECT_EQ(window->geometry().topLeft(), expected);
    runtime.dispatch([&] {
        form1.hide();
        form1.show();
    });
    EXPECT_EQ(window->geometry().topLeft(), expected);
    runtime.dispatch([&] { form1.move(1500, 3000); });
    EXPECT_EQ(window->geometry().topLeft(), QPoint(104, 224));
}

// Windows that no form places itself open over the form that opened them, not in the screen's corner:
// the notes, the load pictures, the manual and the notch form's standard sizes.
TEST_F(QtWindows, UnplacedWindowsOpenOverTheirOpener)
{
    auto expectOver = [&](platform::Form& opened, platform::Form& opener) {
        SCOPED_TRACE(opened.name() + " over " + opener.name());
        platform::qt::FormWindow* window = host.window(opened);
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(window->isVisible());
        // Centre to centre; the menu bar of one and not the other moves a client area by half its height.
        const QPoint offset = window->geometry().center() - host.window(opener)->geometry().center();
        EXPECT_LE(offset.manhattanLength(), 30) << offset.x() << ", " << offset.y();
    };
    app::Form1& form1 = program->form1;
    runtime.dispatch([&] { form1.move(900, 600); }); // away from the screen's centre and its corner

    host.userInput(&form1.NoteButton, [&] { runtime.userClick(form1.NoteButton); });
    expectOver(program->form21, form1);
    runtime.dispatch([&] { program->form21.hide(); });

    host.userInput(&form1.SimpleSpanbutton, [&] { runtime.userDoubleClick(form1.SimpleSpanbutton); });
    expectOver(program->form9, form1);
    runtime.dispatch([&] { program->form9.unload(); });

    // The uniformly increasing load picture is modal: it is looked at while it holds up its opener.
    QTimer::singleShot(0, [&] {
        expectOver(program->form17, form1);
        program->form17.unload();
    });
    runtime.dispatch([&] { program->form17.show(platform::ShowMode::Modal); });

    host.userInput(nullptr, [&] { runtime.userMenu(form1.MnuHelp); });
    expectOver(program->form12, form1);
    host.userInput(&program->form12.Contents14, [&] { runtime.userClick(program->form12.Contents14); });
    expectOver(program->form9, program->form12);
    runtime.dispatch([&] { program->form9.unload(); });
    host.userInput(nullptr, [&] { runtime.userMenu(program->form12.MnuExit); });

    host.userInput(nullptr, [&] { runtime.userMenu(form1.MnuNotches); });
    notch::FormNotchwise& notches = program->formNotchwise;
    host.userInput(&notches.StdSizeCmd, [&] { runtime.userClick(notches.StdSizeCmd); });
    expectOver(program->stdSizesForm, notches);
}

// The hip and valley plan reads as a plan: "R2" keeps clear of the step text beside it, and each
// roof area's box shows its whole edge on the white panel, checked or not.
TEST_F(QtWindows, HipAndValleyPlanShowsItsBoxesAndLabels)
{
    app::Form1& form1 = program->form1;
    runtime.dispatch([&] { form1.IncButton.setValue(true); });
    const QRect r2 = host.widget(form1.Label30)->geometry();
    const QRect step2 = host.widget(form1.Label22)->geometry();
    EXPECT_FALSE(r2.intersects(step2));

    ASSERT_FALSE(form1.Areas(2).checked());
    const QImage box = host.widget(form1.Areas(2))->grab().toImage();
    // Along each edge of the 13-pixel box, the middle pixel is clearly darker than the white panel.
    for (const QPoint edge : {QPoint(6, 0), QPoint(6, 12), QPoint(0, 6), QPoint(12, 6)}) {
        SCOPED_TRACE(testing::Message() << edge.x() << ", " << edge.y());
        ASSERT_TRUE(box.rect().contains(edge));
        EXPECT_LT(qGray(box.pixel(edge)), 160);
    }
}

TEST(QtWindowFrames, FollowBorderStyleControlBoxAndButtons)
{
    using platform::BorderStyle;
    struct Case
    {
        BorderStyle border;
        bool controlBox, minButton, maxButton;
        bool close, minimise, maximise;
    };
    const Case cases[] = {
        {BorderStyle::Fixed, true, true, true, true, true, false},        // the criteria form
        {BorderStyle::Sizable, true, true, true, true, true, true},       // record windows can be maximised
        {BorderStyle::Sizable, true, false, false, true, false, false},   // buttons turned off by design
        {BorderStyle::FixedDialog, true, true, true, true, false, false}, // dialogs and the progress window
        {BorderStyle::Sizable, false, true, true, false, false, false},   // no control box: no buttons at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << static_cast<int>(c.border) << c.controlBox << c.minButton << c.maxButton);
        platform::FormProps props;
        props.borderStyle = c.border;
        props.controlBox = c.controlBox;
        props.minButton = c.minButton;
        props.maxButton = c.maxButton;
        const Qt::WindowFlags flags = platform::qt::windowFlagsFor(props);
        EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.close);
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.minimise);
        EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), c.maximise);
    }
}

} // namespace
