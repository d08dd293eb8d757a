// Where the keyboard focus is can be seen, for every kind of control that takes it: a dotted
// rectangle on buttons, check boxes and options, the caret in a text box, the chosen entry of a list.
#include "QtTestSupport.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"

#include <QImage>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace
{

class FocusForm final : public platform::Form
{
  public:
    explicit FocusForm(platform::Runtime& runtime) : Form(runtime, "FocusForm") {}

    platform::TextBox Other{*this, "Other"};
    platform::CommandButton Button{*this, "Button"};
    platform::CheckBox Check{*this, "Check"};
    platform::OptionButton Option{*this, "Option"};
    platform::TextBox Box{*this, "Box"};
    platform::ComboBox Combo{*this, "Combo"};
    platform::ListBox List{*this, "List"};

  private:
    void design() override
    {
        setCaption("Focus");
        setClientSize(6000, 3600);
        Other.setBounds(120, 120, 1200, 285);
        Button.setBounds(120, 600, 1200, 375);
        Button.setCaption("Calculate");
        Check.setBounds(120, 1100, 2000, 255);
        Check.setCaption("Wet service");
        Option.setBounds(120, 1500, 2000, 255);
        Option.setCaption("Simple span");
        Box.setBounds(3000, 120, 1200, 285);
        Box.setText("12.5");
        Combo.setBounds(3000, 600, 2000, 315);
        Combo.addItem("Douglas Fir-Larch");
        Combo.addItem("Hem-Fir");
        Combo.setListIndex(0);
        List.setBounds(3000, 1100, 2000, 900);
        List.addItem("2 x 8");
        List.addItem("2 x 10");
        List.setListIndex(1);
    }
};

// Pixels of the two images that differ, row by row.
std::vector<std::vector<bool>> changes(const QImage& a, const QImage& b)
{
    std::vector<std::vector<bool>> rows(static_cast<std::size_t>(a.height()));
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            rows[static_cast<std::size_t>(y)].push_back(a.pixel(x, y) != b.pixel(x, y));
        }
    }
    return rows;
}

int changedCount(const std::vector<std::vector<bool>>& rows)
{
    int count = 0;
    for (const auto& row : rows) {
        count += static_cast<int>(std::count(row.begin(), row.end(), true));
    }
    return count;
}

// A dotted line: some row where changed and unchanged pixels alternate one by one, many times over.
bool hasDottedRow(const std::vector<std::vector<bool>>& rows)
{
    for (const auto& row : rows) {
        int alternations = 0;
        for (std::size_t x = 2; x < row.size(); ++x) {
            if (row[x] && !row[x - 1] && row[x - 2]) {
                ++alternations;
            }
        }
        if (alternations >= 8) {
            return true;
        }
    }
    return false;
}

class QtFocus : public testing::Test
{
  protected:
    QtFocus() : host(qttest::freshFolder()), runtime(host), form(runtime)
    {
        host.attach(runtime);
        runtime.dispatch([&] { form.show(); });
        // The window system reports the activation later; focus shows only in an active window.
        QCoreApplication::processEvents();
    }
    ~QtFocus() override { std::filesystem::remove_all(host.programFolder()); }

    QImage focusedAndNot(platform::Control& control, QImage& without)
    {
        runtime.dispatch([&] { form.Other.setFocus(); });
        without = host.widget(control)->grab().toImage();
        runtime.dispatch([&] { control.setFocus(); });
        return host.widget(control)->grab().toImage();
    }

    platform::qt::QtHost host;
    platform::Runtime runtime;
    FocusForm form;
};

TEST_F(QtFocus, ButtonsCheckBoxesAndOptionsShowADottedRectangle)
{
    for (platform::Control* control :
         std::initializer_list<platform::Control*>{&form.Button, &form.Check, &form.Option}) {
        SCOPED_TRACE(control->name());
        QImage without;
        const QImage with = focusedAndNot(*control, without);
        EXPECT_TRUE(hasDottedRow(changes(without, with)));
    }
}

TEST_F(QtFocus, TextBoxesShowTheCaretAndListsTheirChosenEntry)
{
    for (platform::Control* control :
         std::initializer_list<platform::Control*>{&form.Box, &form.Combo, &form.List}) {
        SCOPED_TRACE(control->name());
        QImage without;
        const QImage with = focusedAndNot(*control, without);
        EXPECT_GT(changedCount(changes(without, with)), 8);
    }
}

// A box keeps its selection while another control has the focus, but shows it only while it has the
// focus itself, as the classic desktop does: a whole-field selection left behind would read as a box
// that the next key replaces.
TEST_F(QtFocus, ATextBoxShowsItsSelectionOnlyWhileItHasTheFocus)
{
    auto* edit = qobject_cast<QLineEdit*>(host.widget(form.Box));
    ASSERT_NE(edit, nullptr);
    runtime.dispatch([&] {
        form.Box.setFocus();
        form.Box.setSelStart(0);
        form.Box.setSelLength(4);
    });
    EXPECT_EQ(edit->selectedText(), "12.5");

    // The user tabs away: the key reaches the box, which the host then shows again from the model.
    qttest::sendKey(edit, Qt::Key_Tab, Qt::NoModifier, "\t");
    ASSERT_NE(runtime.focusedControl(), &form.Box);
    EXPECT_FALSE(edit->hasSelectedText());
    runtime.dispatch([&] { form.Box.setBackColor(0xE0FFFF); }); // any later showing of the box
    EXPECT_FALSE(edit->hasSelectedText());
    EXPECT_EQ(form.Box.selLength(), 4) << "the model keeps the selection";

    runtime.dispatch([&] { form.Box.setFocus(); });
    EXPECT_EQ(edit->selectedText(), "12.5");
}

} // namespace
