// The four size-step buttons as the user clicks them: the ladders of sawn, glu-lam, custom, round and
// SCL members, the buttons each step leaves, and a test that does not complete.
#include "ReportFixture.h"
#include "beam/BeamState.h"
#include "scl/Form2.h"
#include "wood/Form3.h"

namespace reporttest
{
namespace
{

using Form5Steps = ReportTest;

struct Walk
{
    const char* size; // the box after the click
    std::array<bool, 4> enabled;
};

TEST_F(Form5Steps, DepthUpStepsAWoodMemberAndItsClosingChecks)
{
    woodMember("2x", "10");
    showReport();
    driver.click(f5.CmdNextSize);
    EXPECT_EQ(program.form3.Text2.text(), "12");
    EXPECT_EQ(woodTests, 1);
    EXPECT_EQ(f5.DisplayChoice.caption(), "2x 12  DF-L #1");
    EXPECT_EQ(stepsEnabled(), steps(true, true, false, true)); // "2x" has no narrower breadth
    driver.click(f5.CmdNextSize);
    driver.click(f5.CmdNextSize);
    EXPECT_EQ(program.form3.Text2.text(), "16");
    EXPECT_EQ(stepsEnabled(), steps(true, false, false, true)); // no label beyond 16
    EXPECT_FALSE(program.beam.flags.DataRecordLoaded);
    expectCleanRun();
}

TEST_F(Form5Steps, DepthStepsWithoutANeighbourEndTheClickEarly)
{
    woodMember("4x", "10", "So. Pine #1");
    programDoes([&] { f1.group(5).setValue(true); });
    showReport();
    program.beam.member.NextLargerLabel = "";
    program.beam.member.NextSmallerLabel = "";
    driver.click(f5.CmdNextSize);
    driver.click(f5.CmdNextSizeDn);
    EXPECT_EQ(woodTests, 0);
    EXPECT_EQ(program.form3.Text2.text(), "10");
    EXPECT_EQ(stepsEnabled(), steps(true, true, true, true));
}

TEST_F(Form5Steps, DepthStepsOfATimberEndAtItsSquare)
{
    // Southern Pine "6x": the narrower breadth goes off before every depth step.
    woodMember("6x", "10", "So. Pine #1 SR");
    programDoes([&] { f1.group(5).setValue(true); });
    showReport();
    driver.click(f5.CmdNextSizeDn);
    EXPECT_EQ(program.form3.Text2.text(), "8");
    driver.click(f5.CmdNextSizeDn);
    EXPECT_EQ(program.form3.Text2.text(), "6");
    EXPECT_EQ(stepsEnabled(), steps(false, true, false, false)); // rules 1, 3 and 4 of the closing checks
    driver.click(f5.CmdNextSize);
    EXPECT_EQ(stepsEnabled(), steps(true, true, false, true));
}

TEST_F(Form5Steps, RoundMembersStepTheirDiameterByAnInch)
{
    struct Case
    {
        const char* diameter;
        bool up;
        const char* after;
        std::array<bool, 4> enabled;
    };
    const Case cases[] = {
        {"34", true, "35", steps(true, true, false, false)},
        {"35", true, "36", steps(true, false, false, false)},
        {"12.5", true, "13.5", steps(true, true, false, false)},
        {"7", false, "6", steps(true, true, false, false)},
        {"6", false, "5", steps(false, true, false, false)},
        {"6.5", false, "5.5", steps(false, true, false, false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diameter << (c.up ? " up" : " down"));
        programDoes([&] {
            f1.group(8).setValue(true);
            program.form2.Roundoption.setValue(true);
            program.form2.Diam.setText(c.diameter);
        });
        showReport();
        driver.click(c.up ? f5.CmdNextSize : f5.CmdNextSizeDn);
        EXPECT_EQ(program.form2.Diam.text(), c.after);
        EXPECT_EQ(program.form2.Text6.text(), std::string(c.after) + " in.");
        EXPECT_EQ(stepsEnabled(), c.enabled);
    }
}

// A diameter too large to read never reaches the step: the custom values form refuses it where it is
// written, so the click's trap has nothing to report.
TEST_F(Form5Steps, AnUnreadableDiameterIsRefusedBeforeAnyStep)
{
    programDoes([&] {
        f1.group(8).setValue(true);
        program.form2.Roundoption.setValue(true);
        program.form2.Diam.setText("12");
    });
    showReport();
    programDoes([&] { program.form2.Diam.setText("1E+999"); });
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Please enter a valid numeric diameter in inches and decimal fraction, if any.");
    driver.clearMessages();
    driver.click(f5.CmdNextSize);
    for (const auto& message : driver.messages()) {
        EXPECT_NE(message.text, "Error at CmdNextSizeup");
    }
}

TEST_F(Form5Steps, SclDepthUpByTheProductTable)
{
    struct Case
    {
        int product;
        const char* breadth;
        const char* depth;
        const char* after;
        bool tested;
        std::array<bool, 4> enabled;
    };
    const Case cases[] = {
        {0, "1-3/4x", "18", "18", false, steps(true, false, false, true)},
        {0, "1-3/4x", "16", "18", true, steps(true, true, false, true)},
        {10, "3-1/2x", "9-1/2", "11-1/4", true, steps(true, true, false, false)},
        {10, "3-1/2x", "11-1/4", "11-1/4", false, steps(true, false, false, false)},
        {23, "7x", "24", "30", true, steps(true, false, true, true)},
        {22, "5-1/2x", "30", "30", false, steps(true, false, true, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.product << " " << c.breadth << " " << c.depth);
        sclTests = 0;
        sclMember(c.product, c.breadth, c.depth);
        showReport();
        driver.click(f5.CmdNextSize);
        EXPECT_EQ(program.form2.Text7.text(), c.after);
        EXPECT_EQ(sclTests, c.tested ? 1 : 0);
        EXPECT_EQ(stepsEnabled(), c.enabled);
    }
}

TEST_F(Form5Steps, SclDepthDownByTheProductTables)
{
    struct Case
    {
        int product;
        const char* breadth;
        const char* depth;
        const char* after;
        bool tested;
        std::array<bool, 4> enabled;
    };
    const Case cases[] = {
        {0, "2-5/8x", "5-1/2", "5-1/2", false, steps(false, true, true, true)},
        {22, "5-1/2x", "9-1/2", "9-1/2", false, steps(false, true, true, false)},
        {22, "5-1/2x", "20", "18", true, steps(true, true, false, true)},
        {18, "1-3/4x", "11-7/8", "11-1/4", true, steps(true, true, false, true)},
        {18, "3-1/2x", "11-7/8", "11-1/4", true, steps(true, true, true, false)},
        {6, "(2) 1-3/4x", "16", "14", true, steps(true, true, false, true)},
        // The first of the series has no shallower depth; the closing checks do not run.
        {13, "3-1/2x", "3-1/2", "3-1/2", false, steps(false, true, true, true)},
        // The closing checks read the wood box an earlier member left.
        {13, "3-1/2x", "4-3/8", "3-1/2", true, steps(true, true, false, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.product << " " << c.breadth << " " << c.depth);
        sclTests = 0;
        sclMember(c.product, c.breadth, c.depth);
        programDoes([&] { program.form3.Text1.setText(c.product == 13 ? "2x" : ""); });
        showReport();
        driver.click(f5.CmdNextSizeDn);
        EXPECT_EQ(program.form2.Text7.text(), c.after);
        EXPECT_EQ(sclTests, c.tested ? 1 : 0);
        EXPECT_EQ(stepsEnabled(), c.enabled);
    }
}

TEST_F(Form5Steps, BreadthUpWalksTheSawnLadder)
{
    woodMember("2x", "12");
    showReport();
    const Walk walk[] = {
        {"(2) 2x", steps(true, true, true, true)}, {"4x", steps(true, true, true, true)},
        {"(3) 2x", steps(true, true, true, true)}, {"(4) 2x", steps(true, true, true, true)},
        {"6x", steps(true, true, true, true)},     {"8x", steps(true, true, true, true)},
        {"10x", steps(true, true, true, true)},    {"12x", steps(false, true, true, false)},
    };
    for (const Walk& w : walk) {
        driver.click(f5.CmdNextWidth);
        EXPECT_EQ(program.form3.Text1.text(), w.size);
        EXPECT_EQ(stepsEnabled(), w.enabled) << w.size;
    }
    EXPECT_EQ(woodTests, 8);
}

TEST_F(Form5Steps, BreadthUpRowsByClassAndSpecies)
{
    struct Case
    {
        const char* name;
        int group;
        bool spg;
        const char* breadth;
        const char* depth;
        const char* after;
        bool breadthUp;
    };
    const Case cases[] = {
        {"Southern Pine (3) 2x", 5, false, "(3) 2x", "10", "(4) 2x", false},
        {"Hem Fir (3) 2x", 0, false, "(3) 2x", "10", "(4) 2x", true},
        {"(4) 2x by 6", 0, false, "(4) 2x", "6", "6x", false},
        {"custom (2) 2x", 8, false, "(2) 2x", "10", "(3) 2x", true},
        {"glu-lam 6-3/4x", 0, false, "6-3/4x", "18", "8-3/4x", true},
        {"glu-lam 6-3/4x with SPG", 0, true, "6-3/4x", "18", "8-1/2x", true},
        {"Southern Pine glu-lam 6-3/4x", 5, false, "6-3/4x", "18", "8-1/2x", true},
        {"glu-lam 8-3/4x", 0, false, "8-3/4x", "18", "10-3/4x", false},
        {"14x stays", 0, false, "14x", "18", "14x", false},
        {"6x by 8", 0, false, "6x", "8", "8x", false},
        {"8x by 10", 0, false, "8x", "10", "10x", false},
        {"12x by 14", 0, false, "12x", "14", "14x", false},
        {"12x by 16", 0, false, "12x", "16", "14x", false},
        {"custom (3) 2x", 8, false, "(3) 2x", "10", "(4) 2x", false},
        {"glu-lam 3-1/8x", 0, false, "3-1/8x", "18", "5-1/8x", true},
        {"glu-lam 5-1/8x", 0, false, "5-1/8x", "18", "6-3/4x", true},
        {"Southern Pine glu-lam 8-1/2x", 5, false, "8-1/2x", "18", "10-1/2x", false},
        {"glu-lam 10-3/4x stays", 0, false, "10-3/4x", "18", "10-3/4x", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        programDoes([&] {
            f1.group(c.group).setValue(true);
            program.form2.Wid2x.setValue(true);
            program.form2.SPG.setValue(c.spg ? -1 : 0);
            program.form2.Text6.setText(c.breadth);
            program.form2.Text7.setText(c.depth);
            program.form2.Text5.setText("DF-L #1");
        });
        woodMember(c.breadth, c.depth);
        showReport();
        programDoes([&] { f5.CmdNextWidth.setEnabled(true); }); // "14x" comes disabled by the activation
        driver.click(f5.CmdNextWidth);
        EXPECT_EQ(program.form3.Text1.text(), c.after);
        EXPECT_EQ(f5.CmdNextWidth.enabled(), c.breadthUp);
        if (c.group == 8) {
            EXPECT_EQ(program.form2.Text6.text(), c.after);
        }
    }
}

TEST_F(Form5Steps, BreadthDownWalksTheSawnLadder)
{
    woodMember("12x", "14");
    showReport();
    const Walk walk[] = {
        {"10x", steps(true, true, true, true)},     {"8x", steps(true, true, true, true)},
        {"6x", steps(true, true, true, true)},      {"(4) 2x", steps(true, false, true, true)},
        {"(3) 2x", steps(true, false, true, true)}, {"4x", steps(true, true, true, true)},
        {"(2) 2x", steps(true, false, true, true)}, {"2x", steps(true, false, false, true)},
    };
    for (const Walk& w : walk) {
        driver.click(f5.CmdNextWidthDn);
        EXPECT_EQ(program.form3.Text1.text(), w.size);
        EXPECT_EQ(stepsEnabled(), w.enabled) << w.size;
    }
}

TEST_F(Form5Steps, BreadthDownRowsByClassAndSpecies)
{
    struct Case
    {
        const char* name;
        int group;
        platform::OptionButton scl::Form2::*customClass;
        const char* breadth;
        const char* depth;
        const char* after;
        std::array<bool, 4> enabled;
    };
    const Case cases[] = {
        {"Southern Pine 8x", 5, &scl::Form2::Wid2x, "8x", "10", "6x", steps(true, true, false, true)},
        {"custom (3) 2x", 8, &scl::Form2::Wid2x, "(3) 2x", "10", "(2) 2x", steps(true, true, true, true)},
        {"8x by 16", 0, &scl::Form2::Wid2x, "8x", "16", "6x", steps(true, false, false, true)},
        {"glu-lam 5-1/8x", 0, &scl::Form2::Wid2x, "5-1/8x", "18", "3-1/8x", steps(true, true, false, true)},
        {"Southern Pine 10-1/2x", 5, &scl::Form2::Wid2x, "10-1/2x", "18", "8-1/2x",
         steps(true, true, true, true)},
        {"header 5-1/2x", 8, &scl::Form2::WidGLBHDR, "5-1/2x", "12", "3-1/2x",
         steps(true, true, false, true)},
        {"5-1/2x without headers", 0, &scl::Form2::Wid2x, "5-1/2x", "12", "5-1/2x",
         steps(true, true, true, true)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        programDoes([&] {
            f1.group(c.group).setValue(true);
            (program.form2.*c.customClass).setValue(true);
            program.form2.Text6.setText(c.breadth);
            program.form2.Text7.setText(c.depth);
            program.form2.Text5.setText("DF-L #1");
        });
        woodMember(c.breadth, c.depth);
        showReport();
        programDoes([&] { f5.CmdNextWidthDn.setEnabled(true); }); // "3x" comes disabled by the activation
        driver.click(f5.CmdNextWidthDn);
        EXPECT_EQ(program.form3.Text1.text(), c.after);
        EXPECT_EQ(stepsEnabled(), c.enabled);
        if (c.group == 8) {
            EXPECT_EQ(program.form2.Text6.text(), c.after);
        }
    }
}

TEST_F(Form5Steps, SclBreadthLaddersByProduct)
{
    struct Case
    {
        int product;
        const char* breadth;
        const char* depth;
        bool wider;
        const char* after;
        bool breadthDown, breadthUp;
    };
    const Case cases[] = {
        {2, "(4) 1-3/4x", "11-7/8", false, "(3) 1-3/4x", true, true},
        {2, "(2) 1-3/4x", "11-7/8", false, "1-3/4x", false, true},
        {2, "(2) 1-3/4x", "18", false, "(2) 1-3/4x", false, true},
        {2, "(2) 1-3/4x", "16 ", false, "1-3/4x", false, true},
        {0, "(2) 1-3/4x", "11-7/8", false, "2-5/8x", true, true},
        {0, "2-5/8x", "11-7/8", false, "1-3/4x", false, true},
        {19, "(2) 1-1/4x", "14", false, "(2) 1-1/4x", false, true},
        {1, "5-1/4x", "24", false, "5-1/4x", false, true},
        {22, "5-1/2x", "26", false, "5-1/2x", false, true},
        {13, "3-1/2x", "11-7/8", false, "2-1/2x", true, true},
        {14, "2-1/2x", "20", false, "1-3/4x", false, true},
        {10, "3-1/2x", "9-1/2", false, "3-1/2x", false, false},
        {23, "2-5/8x", "14", false, "2-1/2x", true, true},
        {23, "2-1/2x", "14", false, "2-1/2x", false, true},
        {24, "6-3/4x", "14", false, "6-3/4x", true, true},
        {5, "(2) 1-3/4x", "14", false, "(2) 1-3/4x", true, true},
        {2, "(3) 1-3/4x", "14", true, "(4) 1-3/4x", true, false},
        {1, "5-1/4x", "7-1/4", true, "5-1/4x", true, false},
        {1, "5-1/4x", "9-1/4", true, "7x", true, false},
        {15, "7x", "14", true, "7x", true, true},
        {23, "5-1/4x", "14", true, "5-1/2x", true, true},
        {23, "7x", "14", true, "7x", true, false},
        {10, "3-1/2x", "9-1/2", true, "3-1/2x", false, false},
        {25, "3-1/2x", "14", true, "3-1/2x", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.product << " " << c.breadth << " by '" << c.depth << "'"
                                        << (c.wider ? " wider" : " narrower"));
        sclTests = 0;
        sclMember(c.product, c.breadth, c.depth);
        showReport();
        driver.click(c.wider ? f5.CmdNextWidth : f5.CmdNextWidthDn);
        EXPECT_EQ(program.form2.Text6.text(), c.after);
        EXPECT_EQ(sclTests, 1);
        // An SCL member gets no end checks: both depth buttons stay on.
        EXPECT_EQ(stepsEnabled(), steps(true, true, c.breadthDown, c.breadthUp));
    }
}

TEST_F(Form5Steps, SclBreadthStepAlsoStepsTheWoodBoxLeftByAnEarlierMember)
{
    sclMember(2, "(2) 1-3/4x", "11-7/8");
    programDoes([&] { program.form3.Text1.setText("8-3/4x"); });
    showReport();
    driver.click(f5.CmdNextWidth);
    EXPECT_EQ(program.form2.Text6.text(), "(3) 1-3/4x");
    EXPECT_EQ(program.form3.Text1.text(), "10-3/4x");
    EXPECT_EQ(stepsEnabled(), steps(true, true, true, false));
}

// A size the test refuses is not reported as the new size: the boxes and buttons stay as they were.
TEST_F(Form5Steps, ATestThatDoesNotCompleteChangesNothing)
{
    struct Case
    {
        const char* name;
        int group;
        platform::CommandButton report::Form5::*button;
    };
    const Case cases[] = {
        {"wood Depth +", 0, &report::Form5::CmdNextSize},
        {"wood Depth -", 0, &report::Form5::CmdNextSizeDn},
        {"custom Breadth +", 8, &report::Form5::CmdNextWidth},
        {"custom Breadth -", 8, &report::Form5::CmdNextWidthDn},
        {"SCL Depth +", 7, &report::Form5::CmdNextSize},
        {"SCL Breadth -", 7, &report::Form5::CmdNextWidthDn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsComplete = true;
        if (c.group == 7) {
            sclMember(2, "(3) 1-3/4x", "11-7/8");
            programDoes([&] {
                program.form3.Text1.setText("");
                program.form3.Text2.setText("");
            });
        } else {
            programDoes([&] {
                f1.group(c.group).setValue(true);
                program.form2.Wid2x.setValue(true);
                program.form2.Text6.setText("(3) 2x");
                program.form2.Text7.setText("10");
                program.form2.Text5.setText("DF-L #1");
            });
            woodMember("(3) 2x", "10");
        }
        showReport();
        const std::string shown = f5.DisplayChoice.caption();
        const auto enabledBefore = stepsEnabled();
        program.beam.member.SectionModulus = 10; // a refill would show "Fail"
        testsComplete = false;
        driver.click(f5.*c.button);
        EXPECT_EQ(program.form3.Text1.text(), c.group == 7 ? "" : "(3) 2x");
        EXPECT_EQ(program.form3.Text2.text(), c.group == 7 ? "" : "10");
        if (c.group != 0) {
            EXPECT_EQ(program.form2.Text6.text(), c.group == 7 ? "(3) 1-3/4x" : "(3) 2x");
            EXPECT_EQ(program.form2.Text7.text(), c.group == 7 ? "11-7/8" : "10");
        }
        EXPECT_EQ(f5.DisplayChoice.caption(), shown);
        EXPECT_EQ(f5.SecStatus.caption(), "OK");
        EXPECT_EQ(stepsEnabled(), enabledBefore);
        program.beam.member.SectionModulus = 100;
    }
    // A completed test with failing statuses is a result and is shown.
    testsComplete = true;
    program.beam.member.SectionModulus = 10;
    programDoes([&] { f1.group(0).setValue(true); });
    woodMember("2x", "10");
    showReport();
    driver.click(f5.CmdNextSize);
    EXPECT_EQ(f5.DisplayChoice.caption(), "2x 12  DF-L #1");
    EXPECT_EQ(f5.SecStatus.caption(), "Fail");
}

} // namespace
} // namespace reporttest
