// The Qt host driven offscreen: windows follow the model, and what the user does reaches the model
// and comes back as the model decided.
#include "platform/qt/QtHost.h"

#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/MessageDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace
{

using qttest::freshFolder;
using qttest::MessageAnswerer;
using qttest::sendKey;

// One application for the whole run, deleted before the process exits: a static one would outlive
// Qt's own globals.
class QtEnvironment final : public testing::Environment
{
  public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "korvanta_qt_tests";
        static char* argv[] = {name, nullptr};
        m_app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { m_app.reset(); }

  private:
    std::unique_ptr<QApplication> m_app;
};

[[maybe_unused]] testing::Environment* const qtEnvironment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

// A colour count tells a rendered window from a blank one.
int distinctColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

// A small form with what the host must get right: a box whose KeyPress refuses commas, options the
// model keeps exclusive, a menu with a Ctrl shortcut and a close box the form refuses.
class SmallForm final : public platform::Form
{
  public:
    explicit SmallForm(platform::Runtime& runtime) : Form(runtime, "SmallForm") {}

    platform::TextBox Box{*this, "Box"};
    platform::Frame Group{*this, "Group"};
    platform::OptionButton One{*this, "One"};
    platform::OptionButton Two{*this, "Two"};
    platform::MenuItem MnuFile{*this, "MnuFile"};
    platform::MenuItem MnuNew{*this, "MnuNew"};
    int newClicks = 0;
    int closeRequests = 0;

  private:
    void design() override
    {
        setCaption(" Small  Form");
        setClientSize(3000, 2000);
        setBackColor(platform::rgb(192, 192, 192));
        Box.setBounds(120, 120, 1200, 285);
        Box.setMaxLength(5);
        Box.keyPress([this](std::int16_t& c) {
            if (c == ',') {
                c = 0;
                runtime().msgBox("No commas.", platform::Buttons::OK, platform::Icon::Exclamation);
            }
        });
        Group.setBounds(120, 600, 2400, 1000);
        Group.setCaption("Group");
        One.setContainer(Group);
        One.setBounds(120, 240, 1500, 255);
        One.setCaption("One");
        One.setValue(true);
        Two.setContainer(Group);
        Two.setBounds(120, 600, 1500, 255);
        Two.setCaption("Two");
        MnuFile.setCaption("&File");
        MnuNew.setContainer(MnuFile);
        MnuNew.setCaption("&New");
        MnuNew.setShortcut("Ctrl+N");
        MnuNew.click([this] { ++newClicks; });
    }
    void onQueryUnload(bool& cancel, platform::UnloadReason reason) override
    {
        if (reason == platform::UnloadReason::CloseBox) {
            ++closeRequests;
            cancel = true;
        }
    }
};

class QtHostSmallForm : public testing::Test
{
  protected:
    QtHostSmallForm() : host(freshFolder()), runtime(host), form(runtime)
    {
        host.attach(runtime);
        runtime.dispatch([&] { form.show(); });
    }
    ~QtHostSmallForm() override { std::filesystem::remove_all(host.programFolder()); }

    QWidget* widgetOf(platform::Control& control) { return host.widget(control); }

    platform::qt::QtHost host;
    platform::Runtime runtime;
    SmallForm form;
};

TEST_F(QtHostSmallForm, WindowHasTheModelsClientSizeAndCaption)
{
    platform::qt::FormWindow* window = host.window(form);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QString(" Small  Form"));
    EXPECT_EQ(window->client()->size(), QSize(200, 133)); // 3000 x 2000 twips at 15 twips per pixel
    EXPECT_EQ(widgetOf(form.Two)->parentWidget(), widgetOf(form.Group));
    EXPECT_EQ(widgetOf(form.Two)->geometry(), QRect(8, 40, 100, 17));
    // Controls with the button-face colour show the form's grey through their frame.
    const QImage image = window->client()->grab().toImage();
    const QPoint inOption = widgetOf(form.Two)->mapTo(window->client(), QPoint(95, 8));
    EXPECT_EQ(QColor(image.pixel(inOption)), QColor(192, 192, 192));
}

TEST_F(QtHostSmallForm, TypingGoesThroughTheModel)
{
    MessageAnswerer answerer;
    auto* edit = qobject_cast<QLineEdit*>(widgetOf(form.Box));
    ASSERT_NE(edit, nullptr);
    for (const char* c : {"1", "2", ",", "5", "6", "7", "8"}) {
        sendKey(edit, c[0] == ',' ? Qt::Key_Comma : Qt::Key_0 + (c[0] - '0'), Qt::NoModifier, QString(c));
    }
    // The comma is refused by KeyPress with a message, the sixth digit by the maximum length.
    EXPECT_EQ(form.Box.text(), "12567");
    EXPECT_EQ(edit->text(), QString("12567"));
    ASSERT_EQ(answerer.answered().size(), 1u);
    EXPECT_EQ(answerer.answered()[0].text, "No commas.");
    EXPECT_EQ(answerer.answered()[0].title, "Korvanta");
    EXPECT_EQ(runtime.focusedControl(), &form.Box);

    // A caret moved by the widget is where the next character goes.
    edit->setCursorPosition(1);
    sendKey(edit, Qt::Key_Backspace, Qt::NoModifier, QString());
    EXPECT_EQ(form.Box.text(), "2567");
    EXPECT_EQ(edit->text(), QString("2567"));
    EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(QtHostSmallForm, ClicksMenusAndCloseBoxReachTheModel)
{
    // Options are exclusive because the model says so, not Qt.
    auto* two = qobject_cast<QRadioButton*>(widgetOf(form.Two));
    auto* one = qobject_cast<QRadioButton*>(widgetOf(form.One));
    ASSERT_TRUE(one->isChecked());
    two->click();
    EXPECT_TRUE(form.Two.value());
    EXPECT_FALSE(form.One.value());
    EXPECT_TRUE(two->isChecked());
    EXPECT_FALSE(one->isChecked());
    two->click(); // a click on the selected option leaves it selected
    EXPECT_TRUE(two->isChecked());

    sendKey(widgetOf(form.Box), Qt::Key_N, Qt::ControlModifier, QString(QChar(14)));
    EXPECT_EQ(form.newClicks, 1);

    host.window(form)->close();
    EXPECT_EQ(form.closeRequests, 1);
    EXPECT_TRUE(host.window(form)->isVisible());
}

// The real program on the Qt host: start-up shows Form1 as the model lays it out.
class QtHostProgram : public testing::Test
{
  protected:
    QtHostProgram() : host(freshFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
    }
    ~QtHostProgram() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    MessageAnswerer answerer; // before start-up, which may put up a box
    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
};

TEST_F(QtHostProgram, Form1ShowsTheModelAndRefusesACommaThroughIt)
{
    app::Form1& form1 = program->form1;
    platform::qt::FormWindow* window = host.window(form1);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle().toStdString(), form1.caption());
    EXPECT_EQ(window->client()->size(),
              QSize(qRound(form1.scaleWidth() / 15), qRound(form1.scaleHeight() / 15)));
    EXPECT_TRUE(answerer.answered().empty());

    // The uniform load box refuses the comma in its KeyPress handler.
    auto* load = qobject_cast<QLineEdit*>(host.widget(form1.UNIF));
    ASSERT_NE(load, nullptr);
    sendKey(load, Qt::Key_1, Qt::NoModifier, "1");
    sendKey(load, Qt::Key_2, Qt::NoModifier, "2");
    sendKey(load, Qt::Key_Comma, Qt::NoModifier, ",");
    EXPECT_EQ(form1.UNIF.text(), "12");
    EXPECT_EQ(load->text(), QString("12"));
    EXPECT_EQ(runtime.focusedControl(), &form1.UNIF);
    ASSERT_EQ(answerer.answered().size(), 1u);
    EXPECT_EQ(answerer.answered()[0].text, "Please do not enter comma separators.");

    // A blank window would show one or two colours; the form's frames, boxes and texts show many.
    EXPECT_GT(distinctColours(window->client()->grab().toImage()), 10);

    // The close box asks the model; confirming the exit ends the program and closes every window.
    window->close();
    ASSERT_EQ(answerer.answered().size(), 2u);
    EXPECT_NE(answerer.answered()[1].text.find("Do you wish to exit Korvanta?"), std::string::npos);
    EXPECT_TRUE(runtime.ended());
    EXPECT_TRUE(host.quitting());
    EXPECT_FALSE(window->isVisible());
}

// A name typed into an editable list stays as typed: the list completes nothing on its own, so a
// prefix of an entry never becomes a pick (which would fill the values that only a pick fills).
TEST_F(QtHostProgram, TypedSpeciesStaysAsTyped)
{
    host.userInput(nullptr, [&] { runtime.userMenu(program->form1.MnuNotches); });
    notch::FormNotchwise& notches = program->formNotchwise;
    auto* combo = qobject_cast<QComboBox*>(host.widget(notches.SpecieCombo));
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(combo->lineEdit(), nullptr);
    QCoreApplication::processEvents(); // the window system reports the activation later
    host.userInput(&notches.SpecieCombo, [&] { runtime.userFocus(notches.SpecieCombo); });
    ASSERT_TRUE(combo->lineEdit()->hasFocus());
    combo->lineEdit()->selectAll();
    sendKey(combo->lineEdit(), Qt::Key_S, Qt::NoModifier, "S");
    sendKey(combo->lineEdit(), Qt::Key_O, Qt::NoModifier, "o");
    sendKey(combo->lineEdit(), Qt::Key_U, Qt::NoModifier, "u");
    EXPECT_EQ(combo->lineEdit()->text(), QString("Sou"));
    sendKey(combo->lineEdit(), Qt::Key_Tab, Qt::NoModifier, "\t");
    EXPECT_NE(runtime.focusedControl(), &notches.SpecieCombo);
    EXPECT_EQ(notches.SpecieCombo.text(), "Sou");
    EXPECT_EQ(notches.SpecieCombo.listIndex(), -1);
    EXPECT_EQ(notches.Fvtextbox.text(), "") << "typing a species leaves its Fv to the user";
    EXPECT_EQ(combo->lineEdit()->text(), QString("Sou"));
}

} // namespace

// The record's clipboard text arrives as plain text with its TABs and LFs as they were.
TEST(QtHostClipboard, PlainTextKeepsTabsAndLineFeeds)
{
    platform::qt::QtHost host(freshFolder());
    const std::string text = "Label132\n\n\tLabel142\tB\xC2\xB3\n    Actual\t";
    host.clearClipboard();
    host.setClipboardText(text);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), text);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasHtml());
    std::filesystem::remove_all(host.programFolder());
}
