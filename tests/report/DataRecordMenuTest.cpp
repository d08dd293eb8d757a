// The criteria form's "&DataRecord" entry as a user meets it: live whenever a beam's data record has been
// composed, so that the user can go from the record to the criteria form and back, and after criteria
// are loaded; dead after a change of the criteria and after leaving a record loaded from a file.
#include "RecordFixture.h"
#include "beam/BeamState.h"
#include "report/Form5.h"
#include "report/Form7.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

#include <optional>
#include <string>

namespace recordtest
{

class DataRecordMenu : public RecordTest
{
  protected:
    bool entryLive() { return driver.unreachable(form1.MnuDataRecord) == std::nullopt; }

    // Criteria of a simple span under 100 plf (40 live), self weight neglected, and "OK Calculate".
    void criteria(const char* species, const char* span)
    {
        driver.choose(form1.Combo1, species);
        type(form1.Span, span);
        type(form1.UNIF, "100");
        type(form1.LUNIF, "40");
        if (form1.NoWeight.visible() && form1.NoWeight.value() == 0) {
            driver.click(form1.NoWeight);
        }
        if (form1.UBLtext.visible() && form1.UBLtext.enabled()) {
            type(form1.UBLtext, "0");
        }
        driver.click(form1.CmdOK);
    }

    // A 4x10 DF-L #1 typed and tested on the wood selection form, then "OK  Select Member".
    void woodRecord(const char* span)
    {
        criteria("Hem Fir / DF-Larch", span);
        ASSERT_TRUE(program.form3.visible());
        driver.retype(program.form3.Text1, "4x");
        driver.retype(program.form3.Text2, "10");
        driver.retype(program.form3.Text3, "DF-L #1");
        driver.click(program.form3.CmdOK);
        ASSERT_TRUE(program.form5.visible());
        driver.click(program.form5.Command2);
        ASSERT_TRUE(form6.visible());
    }

    // File > "Save Data Record..." through the report header form, back to the record.
    void saveRecord(const char* name)
    {
        driver.menu(form6.MnuSaveData);
        driver.answerFile(driver.folder() / name);
        driver.answerMessage(MsgResult::OK); // saved
        driver.answerMessage(MsgResult::No); // no criteria save now
        driver.click(program.form7.Command1);
        ASSERT_FALSE(driver.readFile(name).empty());
        driver.click(program.form7.Command3); // Close
        ASSERT_TRUE(form6.visible());
    }

    // Goto > "Criteria Form1" from the record.
    void backToCriteria()
    {
        driver.menu(form6.MnuCriteria);
        ASSERT_TRUE(form1.visible());
        ASSERT_FALSE(form6.loaded());
    }

    // "&DataRecord" answered OK at its caution: the record is composed again from the calculation.
    void showRecordAgain()
    {
        driver.clearMessages();
        driver.answerMessage(MsgResult::OK);
        driver.menu(form1.MnuDataRecord);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text.substr(0, 9), "CAUTION: ");
        ASSERT_TRUE(form6.visible());
        EXPECT_FALSE(form1.visible());
    }
};

// Spans 10 and then 12 ft: the span line of each record, and the entry dead only between the change
// of span and the next composed record.
TEST_F(DataRecordMenu, WoodRecordOpensAgainFromTheCriteriaFormUntilTheCriteriaChange)
{
    woodRecord("10");
    backToCriteria();
    EXPECT_TRUE(entryLive());
    showRecordAgain();
    EXPECT_EQ(cap("Label61"), "10.0");
    EXPECT_EQ(cap("Label62"), "500 #"); // R1 = 100 x 10 / 2

    backToCriteria();
    type(form1.Span, "12");
    EXPECT_EQ(form1.SavePanel.caption(), "   Selection:  None");
    EXPECT_FALSE(entryLive());

    woodRecord("12");
    EXPECT_EQ(cap("Label61"), "12.0");
    backToCriteria();
    EXPECT_TRUE(entryLive());
    showRecordAgain();
    EXPECT_EQ(cap("Label62"), "600 #"); // R1 = 100 x 12 / 2
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

// A W 12x 30 over 10 ft: the steel path composes its record on the same form and the entry brings it
// back; Fy 36 ksi is the default yield point.
TEST_F(DataRecordMenu, SteelRecordOpensAgainFromTheCriteriaForm)
{
    criteria("Steel Beams", "10");
    ASSERT_TRUE(program.form22.visible());
    driver.retype(program.form22.StlChoice, "W 12x 30");
    driver.click(program.form22.CmdOK);
    ASSERT_TRUE(program.form5.visible());
    driver.click(program.form5.Command2);
    ASSERT_TRUE(form6.visible());
    backToCriteria();
    EXPECT_FALSE(program.form22.loaded());
    EXPECT_TRUE(entryLive());
    showRecordAgain();
    EXPECT_EQ(cap("Label23"), "Ref. Value Fy");
    EXPECT_EQ(cap("Label25"), "36000");
    EXPECT_TRUE(driver.untrappedErrors().empty());
}

// A record loaded from a file is text that cannot be composed again: leaving it for the criteria form
// kills the entry even after a composed record had made it live.
TEST_F(DataRecordMenu, LeavingALoadedRecordForTheCriteriaFormKillsTheEntry)
{
    woodRecord("10");
    ASSERT_TRUE(form1.MnuDataRecord.enabled());
    saveRecord("beam.Dat");

    driver.answerFile(driver.folder() / "beam.Dat");
    driver.menu(form6.MnuOpenData);
    ASSERT_EQ(program.beam.flags.DataRecordLoaded, -1);
    driver.answerMessage(MsgResult::OK); // the record's text will be lost
    backToCriteria();
    EXPECT_FALSE(entryLive());
}

// The notice after loading criteria sends the user to the entry for the saved data record: it is live
// then, and opens the record file the user picks.
TEST_F(DataRecordMenu, LoadedCriteriaOpenTheirSavedRecordThroughTheEntry)
{
    woodRecord("10");
    saveRecord("beam.Dat");
    backToCriteria();
    driver.answerFile(driver.folder() / "beam.CRI");
    driver.answerMessage(MsgResult::OK);
    driver.menu(form1.MnuSaveBeam);
    type(form1.Span, "12");
    ASSERT_FALSE(entryLive());

    driver.answerFile(driver.folder() / "beam.CRI");
    driver.clearMessages();
    driver.menu(form1.MnuLoadBeam);
    ASSERT_FALSE(driver.messages().empty());
    EXPECT_EQ(driver.messages().back().text.substr(0, 36), "Your SAVED CRITERIA Has Been Loaded.");
    EXPECT_EQ(form1.Span.text(), "10");
    EXPECT_TRUE(entryLive());

    driver.answerFile(driver.folder() / "beam.Dat");
    driver.menu(form1.MnuDataRecord);
    ASSERT_TRUE(form6.visible());
    EXPECT_FALSE(form1.visible());
    EXPECT_EQ(program.beam.flags.DataRecordLoaded, -1);
    EXPECT_EQ(cap("Label61"), "10.0");
    EXPECT_EQ(cap("Label62"), "500 #");
}

} // namespace recordtest
