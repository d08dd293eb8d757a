// The notch form as the user meets it: opening it from the criteria form under each edition, the member
// and notch choices with their rows, pictures and captions, the exits, New Notch and the help texts.
#include "app/Form1.h"
#include "app/Form12.h"
#include "notch/NotchValues.h"
#include "notch/NotchwisePrintForm.h"
#include "notch/StdSizesForm.h"
#include "tests/notch/NotchFixtures.h"

#include <gtest/gtest.h>

namespace
{

using platform::MsgResult;
using platform::test::Driver;
using namespace notch::test;

TEST(FormNotchwiseLoad, UnderNds2018)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);

    EXPECT_TRUE(f.visible());
    EXPECT_FALSE(program.form1.visible());
    EXPECT_EQ(f.caption(), "Korvanta     Notchwise for Notched Wood Members");
    EXPECT_EQ(f.NDSyearList.text(), "2018");
    EXPECT_EQ(program.notchValues.NotchNDSYear, 2018);
    EXPECT_EQ(f.MemberListBox.text(), " Solid Sawn, Rectangular");
    EXPECT_EQ(f.NotchListBox.text(), "Tension Notch");
    EXPECT_TRUE(f.ImageTensionNotch.visible());
    EXPECT_FALSE(f.ImageCompressionNotch.visible());
    EXPECT_FALSE(f.ImageTaperedNotch.visible());
    for (platform::TextBox* box : {&f.eTextbox, &f.tTextbox, &f.rdTextbox, &f.rpTextbox}) {
        EXPECT_FALSE(box->enabled()) << box->name();
        EXPECT_EQ(box->text(), "") << box->name();
    }
    EXPECT_EQ(f.SpecieCombo.text(), "Douglas Fir-Larch");
    EXPECT_EQ(f.Fvtextbox.text(), "180"); // dimension lumber with an empty breadth
    EXPECT_EQ(f.Label21.caption(), "psi, DIMENSION");
    EXPECT_EQ(f.DurListbox.text(), "1.0");
    EXPECT_EQ(f.DurLabel.caption(), "Normal");
    EXPECT_EQ(f.DateNW.text(), "3/5/24"); // the driver's clock: 5 March 2024
    EXPECT_EQ(f.NoSplitCheckbox.value(), 0);
    EXPECT_FALSE(f.NoSplitCheckbox.enabled());
    EXPECT_FALSE(f.Chbutton.enabled());
    EXPECT_EQ(f.NoSplitCheckbox.caption(), "Shear Factor = 1.0");
    EXPECT_EQ(f.RPtoDegreeCmd.caption(), "to 12 Pitch <>");
    EXPECT_TRUE(driver.messages().empty());
    expectCleanRun(driver);
}

TEST(FormNotchwiseLoad, UnderOlderEditionsNoEditionIsChosen)
{
    for (bool nds1997 : {true, false}) {
        SCOPED_TRACE(nds1997 ? "1997" : "2001");
        Driver driver;
        putOlderEditionSettings(driver, nds1997);
        auto& program = driver.start<app::Program>();
        auto& f = openNotch(driver, program);
        EXPECT_EQ(f.NDSyearList.listIndex(), -1);
        EXPECT_EQ(program.notchValues.NotchNDSYear, 0);
        EXPECT_EQ(f.SpecieCombo.text(), "Douglas Fir-Larch");
        EXPECT_EQ(f.Fvtextbox.text(), ""); // no edition, no base value
        expectCleanRun(driver);
    }
}

TEST(FormNotchwiseMember, ChoicesSetRowsSketchAndNotchList)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);

    driver.choose(f.MemberListBox, 2);
    driver.choose(f.NotchListBox, 2);
    EXPECT_EQ(f.Label21.caption(), "psi");
    EXPECT_EQ(f.SpecieCombo.listCount(), 17);
    EXPECT_TRUE(f.ImageTaperedNotch.visible());
    EXPECT_TRUE(f.Label14.visible());
    EXPECT_TRUE(f.rdTextbox.enabled());
    EXPECT_TRUE(f.RPtoDegreeCmd.visible());

    // Glu-lam tapered to sawn rectangular keeps the tapered notch.
    driver.choose(f.MemberListBox, 0);
    EXPECT_EQ(f.NotchListBox.text(), "Tapered Notch");
    EXPECT_EQ(f.SpecieCombo.listCount(), 16);

    // A log offers only the tension notch, greys the breadth and shows the circle.
    driver.choose(f.MemberListBox, 1);
    EXPECT_EQ(f.NotchListBox.listCount(), 1);
    EXPECT_EQ(f.NotchListBox.text(), "Tension Notch");
    EXPECT_FALSE(f.breadthtextbox.enabled());
    EXPECT_EQ(f.breadthtextbox.backColor(), platform::rgb(192, 192, 192));
    EXPECT_FALSE(f.StdSizeCmd.enabled());
    EXPECT_TRUE(f.Rdshape.visible());
    EXPECT_TRUE(f.diamline.visible());
    EXPECT_FALSE(f.RecShape.visible());

    driver.choose(f.MemberListBox, 0);
    EXPECT_EQ(f.NotchListBox.text(), "Tension Notch");
    EXPECT_TRUE(f.breadthtextbox.enabled());
    EXPECT_TRUE(f.RecShape.visible());
    EXPECT_FALSE(f.NoSplitCheckbox.enabled());
    expectCleanRun(driver);
}

TEST(FormNotchwiseMember, NotchRowsByType)
{
    struct Case
    {
        int notch;
        bool label14, e, t, rp, toggle;
    };
    const Case cases[] = {{0, false, false, false, false, false},
                          {1, false, true, false, false, false},
                          {2, true, true, true, true, true}};
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.notch);
        driver.choose(f.NotchListBox, c.notch);
        EXPECT_EQ(f.Label14.visible(), c.label14);
        EXPECT_EQ(f.eTextbox.enabled(), c.e);
        EXPECT_EQ(f.eButton.enabled(), c.e);
        EXPECT_EQ(f.eUnitLabel.visible(), c.e);
        EXPECT_EQ(f.tTextbox.enabled(), c.t);
        EXPECT_EQ(f.rdTextbox.enabled(), c.t);
        EXPECT_EQ(f.tUnitLabel.visible(), c.t);
        EXPECT_EQ(f.rpTextbox.enabled(), c.rp);
        EXPECT_EQ(f.RPtoDegreeCmd.visible(), c.toggle);
        EXPECT_EQ(f.ImageTensionNotch.visible(), c.notch == 0);
        EXPECT_EQ(f.ImageCompressionNotch.visible(), c.notch == 1);
        EXPECT_EQ(f.ImageTaperedNotch.visible(), c.notch == 2);
    }
    expectCleanRun(driver);
}

TEST(FormNotchwiseExit, QuestionsFromMenusAndCloseBox)
{
    struct Case
    {
        const char* how;
        const char* title;
    };
    for (const Case c : {Case{"exit", "Notchwise"}, Case{"back", "Notchwise"}, Case{"close", "Korvanta"}}) {
        SCOPED_TRACE(c.how);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = openNotch(driver, program);
        driver.retype(f.MaxVtextbox, "1500");
        auto act = [&] {
            if (std::string(c.how) == "exit") {
                driver.menu(f.MnuExit);
            } else if (std::string(c.how) == "back") {
                driver.menu(f.MnuBack);
            } else {
                driver.closeBox(f);
            }
        };
        driver.answerMessage(MsgResult::Cancel);
        act();
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, "Do you wish to exit Notches?");
        EXPECT_EQ(driver.messages()[0].title, c.title);
        EXPECT_EQ(driver.messages()[0].buttons, platform::Buttons::OKCancel);
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Question);
        EXPECT_TRUE(f.visible());
        EXPECT_EQ(f.MaxVtextbox.text(), "1500");

        driver.click(f.StdSizeCmd);
        EXPECT_TRUE(program.stdSizesForm.visible());
        driver.switchTo(f);
        driver.answerMessage(MsgResult::OK);
        act();
        EXPECT_FALSE(f.loaded());
        EXPECT_FALSE(program.stdSizesForm.loaded());
        EXPECT_FALSE(program.notchwisePrintForm.loaded());
        EXPECT_TRUE(program.form1.visible());
        expectCleanRun(driver);
    }
}

TEST(FormNotchwiseExit, ReopeningKeepsTheMemberTypeOnly)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    enterMember(driver, f, "1500", "5.125", "12");
    driver.answerMessage(MsgResult::OK);
    driver.menu(f.MnuExit);
    driver.clock().advance(86400);
    openNotch(driver, program);
    EXPECT_EQ(f.MemberListBox.text(), " Glu-Lam, Rectangular");
    EXPECT_EQ(f.SpecieCombo.text(), "GLB 16F-v3 DF/DF");
    EXPECT_EQ(f.Fvtextbox.text(), "240");
    EXPECT_EQ(f.MaxVtextbox.text(), "");
    EXPECT_EQ(f.breadthtextbox.text(), "");
    EXPECT_EQ(f.DateNW.text(), "3/6/24");
    expectCleanRun(driver);
}

TEST(FormNotchwiseMenus, NewNotchClearsAfterOk)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    enterMember(driver, f, "1500", "5.125", "12");
    driver.retype(f.ProjectNameNW, "Barn");

    driver.answerMessage(MsgResult::Cancel);
    driver.menu(f.MnuNew);
    EXPECT_EQ(driver.messages().back().text, "Do you wish to CLEAR this calc and start a NEW Notchwise?");
    EXPECT_EQ(driver.messages().back().title, "Notchwise");
    EXPECT_EQ(f.MaxVtextbox.text(), "1500");

    driver.answerMessage(MsgResult::OK);
    driver.menu(f.MnuNew);
    EXPECT_TRUE(f.visible());
    EXPECT_EQ(f.MaxVtextbox.text(), "");
    EXPECT_EQ(f.ProjectNameNW.text(), "");
    EXPECT_EQ(f.MemberListBox.listIndex(), 2);
    EXPECT_EQ(f.Fvtextbox.text(), "240");
    EXPECT_EQ(f.DateNW.text(), "3/5/24");
    expectCleanRun(driver);
}

TEST(FormNotchwiseMenus, HelpShowsTheStepsWithoutLeaving)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.menu(f.MnuHelp);
    ASSERT_EQ(driver.messages().size(), 1u);
    const auto& m = driver.messages()[0];
    EXPECT_EQ(m.title, "Notchwise Help");
    EXPECT_EQ(m.icon, platform::Icon::None);
    EXPECT_TRUE(m.text.starts_with("Most items in the Notchwise for Notches form"));
    EXPECT_NE(m.text.find("members.\r\rProcedure:\r1. Select"), std::string::npos);
    EXPECT_TRUE(m.text.ends_with("report.\r\rYou may print or save your report (use the *.NWD extension)."));
    EXPECT_EQ(m.text.find('\n'), std::string::npos);
    EXPECT_TRUE(f.visible());
    EXPECT_FALSE(program.form12.visible());
}

TEST(FormNotchwiseMenus, HelpButtonsShowTheirNotes)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.NotchListBox, 2); // the rafter and e rows are enabled only for a tapered notch
    struct Case
    {
        platform::CommandButton* button;
        const char* start;
        int lines;
    };
    const Case cases[] = {
        {&f.Vbutton, "V is the maximum shear force in pounds at the support receiving the proposed notch. \r",
         3},
        {&f.Bbutton, "b is the member Breadth", 3},
        {&f.Dbutton, "d is the member Depth", 3},
        {&f.NDSbutton, "NDS is the National Design Specification\xC2\xAE as published", 1},
        {&f.Fvbutton, "Fv is the BASE value", 3},
        {&f.Cmbutton, "Cm is the Wet Use modification factor", 1},
        {&f.Cdbutton, "Cd is the Load Duration Factor as described in the NDS 2.3.2.\r\rFrequently", 8},
        {&f.rdButton, "rd is the rafter depth", 5},
        {&f.tButton, "t is the wall breadth", 4},
        {&f.rpButton, "rp is the Roof Pitch", 4},
        {&f.eButton, "e is the length of the notch", 4},
        {&f.dnButton, "dn is the depth remaining", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->name());
        driver.clearMessages();
        driver.click(*c.button);
        ASSERT_EQ(driver.messages().size(), 1u);
        const auto& m = driver.messages()[0];
        EXPECT_EQ(m.title, "Notchwise");
        EXPECT_EQ(m.icon, platform::Icon::None);
        EXPECT_TRUE(m.text.starts_with(c.start));
        EXPECT_EQ(static_cast<int>(std::count(m.text.begin(), m.text.end(), '\r')) + 1, c.lines);
        if (c.button == &f.Cdbutton) {
            EXPECT_NE(m.text.find("1.00 - Ten year normal cccupancy live load\r"), std::string::npos);
        }
    }
    // The Ch note belongs to editions the list does not offer: its button stays disabled.
    EXPECT_FALSE(f.Chbutton.enabled());
    expectCleanRun(driver);
}

} // namespace
