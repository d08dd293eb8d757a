// "OK Calculate" and "Report" of the stud frame as a user runs them, and the stud wall data record they
// open: entry steps, statuses, every filled cell, its commands, and what the column form does to them.
#include "StudFixture.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "columns/Form28.h"
#include "columns/StudCheck.h"
#include "report/Form7.h"

namespace
{

using columns::test::StudFrame;

class StudReport : public StudFrame
{
  protected:
    void SetUp() override
    {
        StudFrame::SetUp();
        enterStud();
    }
    std::string cell(int number) { return program.form28.label(number).caption(); }
};

// Each entry step: its message and title, and where the focus goes.
TEST_F(StudReport, EntryStepsStopAtTheirBox)
{
    struct Case
    {
        platform::TextBox columns::Form18::*box;
        const char* typed;
        const char* message;
        const char* focus;
    };
    const Case cases[] = {
        {&columns::Form18::WindStudHt, "",
         "Please enter a stud height in decimal feet. Example: 10.75 = 10 ft - 9 in.", "WindStudHt"},
        {&columns::Form18::AxialPLFtextbox, "", "Please enter a load for the Axial Point Load or Axial PLF.",
         "AxialPLFtextbox"},
        {&columns::Form18::WindA, "", "Please enter a load for Wind Load A. Wind loads B and C are optional.",
         "WindA"},
        {&columns::Form18::EndA, "", "Please enter an end distance for Wind Load A.", "EndA"},
        {&columns::Form18::WindStudFb, "", "Please enter an Fb Base Value.", "WindStudFb"},
        {&columns::Form18::WindStudFc, "", "Please enter an Fc Base Value.", "WindStudFc"},
        {&columns::Form18::WindStudE, "", "Please enter an E Base Value.", "WindStudE"},
        {&columns::Form18::WindStudFb, "3200",
         "The base value entered for the Fb is out of range. Please enter an Fb between 200 and 3100",
         "WindStudFb"},
        {&columns::Form18::WindStudFc, "249",
         "The base value entered for the Fc is out of range. Please enter an Fc between 250 and 2300",
         "WindStudFc"},
        {&columns::Form18::WindStudE, "2.1",
         "The base value entered for the E is out of range. Please enter an E between 0.5 and 2.0 (value "
         "divided "
         "by 1,000,000)",
         "WindStudE"},
    };
    for (const Case& c : cases) {
        platform::TextBox& box = f18.*c.box;
        const std::string kept = box.text();
        driver.retype(box, c.typed);
        driver.clearMessages();
        driver.click(f18.StudOKCalcbutton);
        ASSERT_FALSE(driver.messages().empty()) << c.message;
        EXPECT_EQ(driver.messages().back().text, c.message);
        EXPECT_EQ(driver.messages().back().title, "Korvanta");
        EXPECT_EQ(focusedName(), c.focus);
        EXPECT_EQ(f18.StudStatusLabel.caption(), "Adequate");
        driver.retype(box, kept);
    }
    // A zero duration gets its message, then the default, and the check stops there.
    driver.retype(f18.AxialDurTextbox, "0");
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(lastMessage(),
              "The default value for NO duration of load factor is 1.0. Other values are 1.15 for "
              "Snow, 1.25 for No Snow, and 1.6 for wind.");
    EXPECT_EQ(f18.AxialDurTextbox.text(), "1.0");
    EXPECT_EQ(focusedName(), "AxialDurTextbox");
    // Wind C of 0 psf still has its positions checked: an untitled message, no focus change.
    driver.retype(f18.BegC, "5");
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(lastMessage(),
              "The Beginning distance of a load can't be further than the load's End distance.");
    EXPECT_EQ(driver.messages().back().title, "Korvanta"); // none of its own: the program's title
    driver.retype(f18.BegC, "");
    driver.retype(f18.WindB, "5"); // BegB copies EndA
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(lastMessage(), "Please enter an End location for Wind Load B.");
    EXPECT_EQ(focusedName(), "EndB");
    EXPECT_FALSE(f18.StudReportbutton.enabled());
}

TEST_F(StudReport, EmptySpacingBecomesTwelveWithoutRepetitiveUse)
{
    driver.retype(f18.WindStudSpacing, "0");
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(
        driver.messages()[0].text,
        "The minimum stud spacing is 12 inches o.c. for PSF of 1 sq ft, without repetitive use factor.");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta"); // none of its own: the program's title
    EXPECT_EQ(f18.WindStudSpacing.text(), "12");
    EXPECT_EQ(f18.RepWindStud.value(), 0);
    EXPECT_EQ(program.stud.results.StudSpacingFt, 1.0f);
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Adequate");
}

TEST_F(StudReport, StudGradeAtEightInchDepthAndTheIbcRefusal)
{
    driver.choose(f18.WindStudCombo, "DF-L Stud");
    driver.choose(f18.DepthCombo, 2);
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(lastMessage(), "Stud grade members with an 8 inch depth will default to Grade No. 3 values. We "
                             "recommend that you select a No.2 grade or select a shallower stud depth.");
    EXPECT_FALSE(f18.StudReportbutton.enabled());

    driver.choose(f18.WindStudCombo, "DF-L #2");
    driver.choose(f18.BreadthCombo, 2); // 3-1/2: not plies of 2x
    driver.click(f18.RepIBCCheck);
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages()[0].text.substr(0, 35), "This is not a 2x member and doesn't");
    EXPECT_EQ(f18.RepIBCCheck.value(), 0);
    EXPECT_EQ(program.stud.results.StudIBCCr, 0);
    EXPECT_FLOAT_EQ(program.stud.results.StudCr, 1.15f);
}

// A species name of one's own, typed into the list's text part: the base values stay as entered, the
// record names it, and only a name equal to a Stud entry is Stud grade. An empty text is refused.
TEST_F(StudReport, TypedSpeciesNames)
{
    driver.retype(f18.WindStudCombo, "");
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(lastMessage(),
              "For your documentation, please enter a custom Species and Grade name or select one "
              "from the drop down list.");
    EXPECT_EQ(focusedName(), "WindStudCombo");

    driver.type(f18.WindStudCombo, "Douglas Fir Stud Mill #2");
    EXPECT_EQ(f18.WindStudFb.text(), "900"); // DF-L #2's, as chosen before
    EXPECT_EQ(f18.WindStudFc.text(), "1350");
    EXPECT_EQ(f18.WindStudE.text(), "1.6");
    driver.choose(f18.DepthCombo, 2); // 8 in.: Stud grade would be warned of
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    EXPECT_TRUE(driver.messages().empty()) << lastMessage();
    driver.choose(f18.DepthCombo, 1);
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    ASSERT_TRUE(program.form28.visible());
    EXPECT_EQ(cell(13), "1-1/2 5-1/2   Douglas Fir Stud Mill #2   @ 16 in. o.c.");

    driver.menu(program.form28.MnuBack);
    driver.retype(f18.WindStudCombo, "DF-L Stud");
    driver.choose(f18.DepthCombo, 2);
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    EXPECT_TRUE(lastMessage().starts_with("Stud grade members with an 8 inch depth")) << lastMessage();
}

// The 2x6 DF-L #2 of the design test under NDS 2018: every filled cell with its pattern.
TEST_F(StudReport, RecordCellsOfAnAdequateStud)
{
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Adequate");
    EXPECT_TRUE(f18.StudReportbutton.enabled());
    EXPECT_EQ(focusedName(), "StudReportbutton");
    driver.click(f18.StudReportbutton);
    ASSERT_TRUE(program.form28.visible());
    EXPECT_FALSE(f18.visible());
    EXPECT_EQ(cell(13), "1-1/2 5-1/2   DF-L #2   @ 16 in. o.c.");
    EXPECT_EQ(cell(11),
              "NDS 2018, Repetitive Use, Wind Duration of Load = 1.6, Axial Duration of Load = 1.0");
    const std::pair<int, const char*> cells[] = {
        {24, "10"},     {60, "120"},   {69, "120"},   {63, "8.25"},  {65, "7.56"},
        {83, "333"},    {21, "300"},   {53, "400"},   {57, "0"},     {80, "0"},
        {145, "400"},   {31, "20"},    {34, "26.7"},  {32, "--"},    {35, "--"},
        {33, "--"},     {36, "--"},    {43, "0"},     {44, "--"},    {45, "--"},
        {131, "10"},    {47, "--"},    {48, "--"},    {116, "900"},  {117, "1350"},
        {118, "1.6"},   {119, "2153"}, {120, "813"},  {121, "1.6"},  {122, "1.3"},
        {123, "1.1"},   {124, "--"},   {125, "1.60"}, {126, "1.00"}, {128, "1.0"},
        {129, "0.547"}, {130, "--"},   {133, "1.15"}, {134, "--"},   {135, "--"},
        {127, "--"},    {76, "1009"},  {138, "2391"}, {79, "17.13"}, {67, "1.000"},
        {74, "0.800"},  {72, "0.300"}, {136, "N/A"},  {92, "22"},    {93, "48"},
        {94, "529"},    {95, "0.26"},  {96, "50"},    {97, "813"},   {98, "2391"},
        {99, "1.00"},   {100, "Ok"},   {101, "Ok"},   {102, "Ok"},   {103, "Ok"},
        {104, "44 %"},  {105, "6 %"},  {106, "22 %"}, {107, "26 %"}, {49, "Status: Adequate"},
    };
    for (const auto& [number, text] : cells) {
        EXPECT_EQ(cell(number), text) << "Label" << number;
    }
    EXPECT_FALSE(program.form28.label(140).visible());
    EXPECT_TRUE(driver.messages().empty());
}

// A check that stops at an entry opens no record (it would show the previous check's numbers).
TEST_F(StudReport, ReportOnlyAfterACompletedCheck)
{
    driver.retype(f18.WindA, "");
    // No check has completed, so the record cannot be asked for.
    driver.expectUnreachable(f18.StudReportbutton);
    EXPECT_FALSE(program.form28.visible());
    EXPECT_TRUE(f18.visible());
}

// le/d 50.4 (14.7 ft on 3-1/2 in.) shows "50" but fails, on the record as on the criteria form.
TEST_F(StudReport, StatusesJudgeTheUnroundedValues)
{
    driver.retype(f18.AxialPLFtextbox, "10");
    driver.retype(f18.WindA, "1");
    driver.retype(f18.WindStudHt, "14.7");
    driver.retype(f18.EndA, "14.7");
    driver.choose(f18.DepthCombo, 0);
    driver.click(f18.StudOKCalcbutton);
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Fails");
    EXPECT_EQ(f18.StudStatusLabel.foreColor(), platform::rgb(128, 0, 0));
    driver.click(f18.StudReportbutton);
    ASSERT_TRUE(program.form28.visible());
    EXPECT_EQ(cell(92), "50");
    EXPECT_EQ(cell(100), "Fails");
    EXPECT_EQ(program.form28.label(100).foreColor(), platform::rgb(192, 0, 0));
    EXPECT_EQ(cell(104), "100 %");
    EXPECT_EQ(cell(49), "Status: Not Adequate");
}

// fc above FcE: the stud fails, the interaction is not formed ("--").
TEST_F(StudReport, AxialStressAboveFcEFailsWithoutInteraction)
{
    driver.retype(f18.AxialPLFtextbox, "");
    driver.retype(f18.AxialPointTextbox, "1150");
    driver.retype(f18.WindStudHt, "14");
    driver.retype(f18.EndA, "14");
    driver.choose(f18.DepthCombo, 0);
    driver.retype(f18.AxialDurTextbox, "0.9");
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Fails");
    ASSERT_TRUE(program.form28.visible());
    EXPECT_EQ(cell(95), "--");
    EXPECT_EQ(cell(107), "--");
    EXPECT_EQ(cell(103), "Fails");
    EXPECT_EQ(cell(97), "202"); // 1058.97 lb / 5.25 in^2, with Cd 0.9
    EXPECT_EQ(cell(49), "Status: Not Adequate");
}

TEST_F(StudReport, BackActivatesTheColumnFormWhichDisablesReport)
{
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    ASSERT_TRUE(program.form28.visible());
    driver.menu(program.form28.MnuBack);
    EXPECT_TRUE(f18.visible());
    EXPECT_FALSE(program.form28.loaded());
    EXPECT_FALSE(f18.StudReportbutton.enabled());
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Adequate");
}

TEST_F(StudReport, NewColumnLeavesTheStudEntriesAndExitUnloadsTheRecord)
{
    driver.click(f18.StudOKCalcbutton);
    driver.menu(f18.MnuNewCol);
    EXPECT_EQ(f18.WindStudHt.text(), "10");
    EXPECT_EQ(f18.AxialPLFtextbox.text(), "300");
    EXPECT_EQ(f18.WindStudCombo.text(), "DF-L #2");
    EXPECT_EQ(f18.DepthCombo.listIndex(), 1);
    EXPECT_EQ(f18.RepWindStud.value(), 1);
    driver.click(f18.StudReportbutton);
    ASSERT_TRUE(program.form28.loaded());
    driver.menu(program.form28.MnuExit);
    EXPECT_TRUE(f18.visible());
    EXPECT_FALSE(program.form28.loaded());
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    driver.runtime().dispatch([&] { f18.show(); });
    driver.menu(f18.MnuExit);
    EXPECT_FALSE(program.form28.loaded());
    EXPECT_TRUE(program.form1.visible());
}

TEST_F(StudReport, CloseBoxAsksTheExitQuestion)
{
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    driver.answerMessage(platform::MsgResult::Cancel);
    driver.closeBox(program.form28);
    EXPECT_TRUE(program.form28.visible());
    EXPECT_EQ(lastMessage(), "  Do you wish to exit Korvanta?\r\rSession length was 00:00 minutes.");
}

// Printing through the report header form: the labels at their places, the five rectangles, the
// sketch, and the notes when asked for.
TEST_F(StudReport, PrintsThroughTheReportHeaderForm)
{
    program.state.ReportNotes[0] = "Studs at grid A";
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    driver.click(program.form28.CmdPrint);
    EXPECT_TRUE(program.form7.visible());
    EXPECT_TRUE(program.form28.visible());
    driver.answerMessage(platform::MsgResult::Yes); // include the notes
    driver.answerPrint({"Printer A", 1, 1});
    driver.click(program.form7.CmdPrint);
    ASSERT_EQ(driver.printed().size(), 1u);
    const auto& page = driver.printed()[0].pages.at(0);
    const double x = (12240 - program.form28.width()) / 2;
    const double y = (15840 - program.form28.height()) / 8;
    auto textAt = [&](const std::string& text) -> const platform::PrintOp* {
        for (const auto& op : page) {
            if (op.kind == platform::PrintOp::Kind::Text && op.text == text) {
                return &op;
            }
        }
        return nullptr;
    };
    const auto* status = textAt("Status: Adequate");
    ASSERT_NE(status, nullptr);
    EXPECT_NEAR(status->y1, 1695 + y, 1);
    ASSERT_NE(textAt("Combined Axial and Bending on Wind Loaded Solid Sawn Dimensional Wood Stud Wall"),
              nullptr);
    ASSERT_NE(textAt("2391"), nullptr);
    ASSERT_NE(textAt("Studs at grid A"), nullptr);
    EXPECT_EQ(
        textAt("Wall shall comply with IBC 2306.2.1 and IBC 1609.6 for special Repetitive Fb increase."),
        nullptr); // hidden label
    int boxes = 0;
    bool picture = false;
    for (const auto& op : page) {
        boxes += op.kind == platform::PrintOp::Kind::Box ? 1 : 0;
        picture = picture || op.kind == platform::PrintOp::Kind::Picture;
    }
    EXPECT_GE(boxes, 5);
    EXPECT_TRUE(picture);
    (void)x;
}

} // namespace

namespace
{

// Without a breadth the stud area is 0: the division at fc fails inside the check's trap, which names
// itself once and leaves the Report button as it was.
TEST_F(StudReport, ArithmeticFailureEndsInTheChecksOwnMessage)
{
    driver.runtime().dispatch([&] { f18.BreadthCombo.setListIndex(-1); });
    driver.clearMessages();
    driver.click(f18.StudOKCalcbutton);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Error at Wind/Stud Ok Calc");
    EXPECT_FALSE(f18.StudReportbutton.enabled());
    EXPECT_EQ(f18.StudStatusLabel.caption(), "Adequate");
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

} // namespace

namespace
{

// The edition line and Kbe by edition; the selection line, Cr and the IBC note by repetitive use.
TEST_F(StudReport, EditionAndRepetitiveUseLines)
{
    struct Case
    {
        std::int16_t app::SharedState::*flag;
        const char* year;
        const char* kbe;
    };
    for (const Case& c :
         {Case{nullptr, "2001", "0.439"}, Case{&app::SharedState::NDS1997, "1997", "0.439"},
          Case{&app::SharedState::NDS2005, "2005", "N/A"}, Case{&app::SharedState::NDS2012, "2012", "N/A"},
          Case{&app::SharedState::NDS2015, "2015", "N/A"}}) {
        program.state.NDS2018 = 0;
        program.state.NDS1997 = program.state.NDS2005 = program.state.NDS2012 = program.state.NDS2015 = 0;
        if (c.flag != nullptr) {
            program.state.*c.flag = -1;
        }
        driver.click(f18.StudOKCalcbutton);
        driver.click(f18.StudReportbutton);
        ASSERT_TRUE(program.form28.visible());
        EXPECT_EQ(cell(11),
                  std::string("NDS ") + c.year +
                      ", Repetitive Use, Wind Duration of Load = 1.6, Axial Duration of Load = 1.0");
        EXPECT_EQ(cell(136), c.kbe);
        driver.menu(program.form28.MnuBack);
    }
    // Repetitive use off: "1.0", no note, two blanks before the species.
    driver.retype(f18.WindStudSpacing, "16"); // unticks Cr
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    EXPECT_EQ(cell(133), "1.0");
    EXPECT_EQ(cell(13), "1-1/2 5-1/2  DF-L #2   @ 16 in. o.c.");
    EXPECT_EQ(cell(11).substr(0, 10), "NDS 2015, ");
    EXPECT_EQ(cell(11).substr(10, 4), "Wind");
    driver.menu(program.form28.MnuBack);
    // With the IBC factor on 2x6: Cr 1.35, the note shown.
    driver.click(f18.RepWindStud);
    driver.click(f18.RepIBCCheck);
    driver.click(f18.StudOKCalcbutton);
    driver.click(f18.StudReportbutton);
    EXPECT_EQ(cell(133), "1.35");
    EXPECT_TRUE(program.form28.label(140).visible());
}

} // namespace
