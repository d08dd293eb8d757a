// The criteria form as it first appears: its defaults, what each box lets the user type, the tab
// order, the refused comma, and what its activation shows.
#include "app/Form1.h"

#include "app/Form13.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace
{

using platform::test::Driver;

TEST(Form1, FreshFormShowsItsDefaults)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;

    EXPECT_DOUBLE_EQ(form1.scaleWidth(), 10800);
    EXPECT_DOUBLE_EQ(form1.scaleHeight(), 7785);
    EXPECT_EQ(form1.Dur.text(), "1.00");
    EXPECT_EQ(form1.LMaxDefl.text(), "360");
    EXPECT_EQ(form1.MaxDefl.text(), "240");
    for (platform::TextBox* box :
         {&form1.Span, &form1.UBLtext, &form1.CantUBLtext, &form1.Pitchtext, &form1.Proj, &form1.Descrip,
          &form1.ID, &form1.UNIF, &form1.LUNIF, &form1.Text1, &form1.Text2, &form1.Tribute, &form1.PT(0),
          &form1.DIS(5), &form1.PAR(4), &form1.ENDP(0)}) {
        EXPECT_TRUE(box->text().empty()) << box->name();
    }
    EXPECT_TRUE(form1.SimpleSpanbutton.value());
    EXPECT_TRUE(form1.TwoSpan.value());
    EXPECT_TRUE(form1.WFbutton.value());
    EXPECT_TRUE(form1.group(0).value());
    EXPECT_EQ(form1.Reducechk.value(), -1);
    EXPECT_EQ(form1.INGRADE.value(), -1);
    EXPECT_FALSE(form1.INGRADE.visible());
    for (platform::CheckBox* box :
         {&form1.Wet, &form1.Incised, &form1.Rep, &form1.Roofbutton, &form1.NoWeight, &form1.ksi50,
          &form1.CalctheSpan, &form1.Areas(0), &form1.Areas(3)}) {
        EXPECT_EQ(box->value(), 0) << box->name();
    }
    for (platform::OptionButton* spacing :
         {&form1.Ctr0, &form1.Ctr12, &form1.Ctr16, &form1.Ctr19, &form1.ctr24}) {
        EXPECT_FALSE(spacing->value()) << spacing->name();
    }
    EXPECT_FALSE(form1.Pitchtext.enabled());
    for (platform::Control* hidden : std::initializer_list<platform::Control*>{
             &form1.FramePSF, &form1.IncFrame, &form1.MultiFrame, &form1.CantUBLtext, &form1.UBSpan,
             &form1.UBOH, &form1.StlTypes, &form1.DepBorder, &form1.Label48, &form1.SpecieGroup,
             &form1.DepthDesHelp}) {
        EXPECT_FALSE(hidden->visible()) << hidden->name();
    }
    EXPECT_EQ(form1.SavePanel.caption(), "   Selection:  None");
    EXPECT_EQ(form1.Labl21(10).caption(), "L");
    EXPECT_EQ(form1.CantUBLtext.backColor(), platform::rgb(0, 0, 128));
    EXPECT_EQ(form1.LPT(3).backColor(), platform::rgb(255, 255, 224));
    EXPECT_TRUE(form1.PT(3).font().bold);
}

TEST(Form1, BoxesTakeNoMoreThanTheirMaximumLength)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    const std::pair<platform::TextBox*, int> typed[] = {
        {&form1.Proj, 35},   {&form1.Descrip, 30}, {&form1.ID, 25},      {&form1.Span, 5},
        {&form1.UBLtext, 5}, {&form1.Dur, 4},      {&form1.LMaxDefl, 4}, {&form1.MaxDefl, 4},
        {&form1.UNIF, 6},    {&form1.LUNIF, 6},    {&form1.PT(0), 7},    {&form1.LPT(5), 7},
        {&form1.DIS(2), 5},  {&form1.PAR(0), 7},   {&form1.PAR(1), 6},   {&form1.LPAR(4), 6},
        {&form1.BEGP(0), 5}, {&form1.ENDP(4), 5},  {&form1.Text1, 6},    {&form1.Text2, 6},
        {&form1.Tribute, 6}};
    for (const auto& [box, maxLength] : typed) {
        SCOPED_TRACE(box->name());
        driver.retype(*box, std::string(static_cast<std::size_t>(maxLength) + 1, '7'));
        EXPECT_EQ(box->text(), std::string(static_cast<std::size_t>(maxLength), '7'));
    }
    // Boxes the fresh form does not show or let the user reach.
    const std::pair<platform::TextBox*, int> hidden[] = {
        {&form1.CantUBLtext, 5}, {&form1.Pitchtext, 5}, {&form1.LPSF(0), 5},  {&form1.PSF(4), 5},
        {&form1.TribPSF(2), 5},  {&form1.Trib1, 5},     {&form1.Trib2, 5},    {&form1.IncLL, 6},
        {&form1.IncTL, 6},       {&form1.IncUnifLL, 6}, {&form1.IncUnifTL, 6}};
    for (const auto& [box, maxLength] : hidden) {
        EXPECT_EQ(box->maxLength(), maxLength) << box->name();
    }
}

TEST(Form1, TabOrderBeginsAtSpanAndSkipsWhatCannotTakeTheFocus)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    EXPECT_EQ(driver.runtime().focusedControl(), &form1.Span);
    const std::pair<platform::Control*, platform::Control*> steps[] = {
        {&form1.Span, &form1.SimpleSpanbutton},
        {&form1.Combo1, &form1.UBLtext},      // INGRADE is hidden
        {&form1.UBLtext, &form1.Command3D15}, // CantUBLtext is hidden
        {&form1.Dur, &form1.Dadj},            // DepCombo is hidden
        {&form1.MaxDefl, &form1.Roofbutton},
        {&form1.Roofbutton, &form1.Command3D28}, // Pitchtext is disabled
        {&form1.LUNIF, &form1.UNIF},
        {&form1.LPT(0), &form1.PT(0)},
        {&form1.DIS(5), &form1.Command3D23}, // the unbalance buttons are hidden
        {&form1.ID, &form1.CmdOK},
    };
    for (const auto& [from, to] : steps) {
        SCOPED_TRACE(from->name());
        driver.focus(*from);
        driver.key(*from, platform::Key::Tab);
        EXPECT_EQ(driver.runtime().focusedControl(), to)
            << "went to " << driver.runtime().focusedControl()->name();
    }
}

TEST(Form1, LoadBoxesRefuseTheComma)
{
    Driver driver;
    auto& form1 = driver.start<app::Program>().form1;
    for (platform::TextBox* box : {&form1.UNIF, &form1.LUNIF, &form1.PT(0), &form1.LPT(5), &form1.PAR(2),
                                   &form1.LPAR(4), &form1.Text1, &form1.Text2}) {
        SCOPED_TRACE(box->name());
        driver.clearMessages();
        driver.retype(*box, "1,5");
        EXPECT_EQ(box->text(), "15");
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, "Please do not enter comma separators.");
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    }
    // Other boxes take the comma and leave it to their change rules, which refuse "1," as a number.
    driver.clearMessages();
    driver.retype(form1.Span, "1,5");
    EXPECT_NE(form1.Span.text(), "1,5");
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_NE(driver.messages()[0].text, "Please do not enter comma separators.");
}

TEST(Form1, ActivationShowsTheSelectionStatus)
{
    struct Case
    {
        const char* status;
        const char* line;
    };
    const Case cases[] = {
        {"", "   Selection:  None"},
        {"OK", " Selection:   2x10 DF-L #1   -  Status: OK   -  Date: 3/05/24"},
        {"Fail", " Selection:   2x10 DF-L #1   -  Status: Fails   -  Date: 3/05/24"},
        {"Pending", "   Selection:  None"}, // any other text leaves the line as it was
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        Driver driver;
        auto& program = driver.start<app::Program>();
        program.state.SelectionStatus = c.status;
        program.state.SelectionDescription = "2x10 DF-L #1";
        driver.runtime().dispatch([&] { program.form13.show(); });
        driver.switchTo(program.form1);
        EXPECT_EQ(program.form1.SavePanel.caption(), c.line);
        EXPECT_EQ(program.state.RefillGuard, 0);
    }
}

TEST(Form1, ActivationCaptionFollowsTheEdition)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& form1 = program.form1;
    ASSERT_EQ(form1.caption(), " Korvanta Criteria Form 1  NDS 2018");

    program.state.NDS2018 = 0;
    program.state.NDS1997 = -1;
    program.state.NDS2005 = -1;
    driver.runtime().dispatch([&] { program.form13.show(); });
    driver.switchTo(form1);
    EXPECT_EQ(form1.caption(), " Korvanta Criteria Form 1  NDS 1997");
    EXPECT_EQ(program.state.NDS2005, 0); // 1997 clears the 2001 and 2005 flags

    // No flag: the caption stays as it was.
    program.state.NDS1997 = 0;
    driver.runtime().dispatch([&] { program.form13.show(); });
    driver.switchTo(form1);
    EXPECT_EQ(form1.caption(), " Korvanta Criteria Form 1  NDS 1997");

    // Without the in-grade switch the caption names no edition.
    form1.INGRADE.setValue(0);
    driver.runtime().dispatch([&] { program.form13.show(); });
    driver.switchTo(form1);
    EXPECT_EQ(form1.caption(), " Korvanta Criteria Form 1");
}

TEST(Form1, SteelHidesIncisedAtActivation)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& form1 = program.form1;
    driver.click(form1.Incised);
    driver.choose(form1.Combo1, "Steel Beams");
    EXPECT_TRUE(form1.group(9).value());
    driver.runtime().dispatch([&] { program.form13.show(); });
    driver.switchTo(form1);
    EXPECT_EQ(form1.Incised.value(), 0);
    EXPECT_FALSE(form1.Incised.visible());
}

} // namespace
