// The step that applies an accepted record, on its own: typed values go straight to the forms and the
// shared values, with no dialog and no file.
#include "FileFixtures.h"
#include "app/DefaultSettingsRecord.h"
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "files/BeamCriteriaFile.h"
#include "files/BeamDataRecordFile.h"
#include "files/ColumnRecordFile.h"
#include "files/CustomPostFile.h"
#include "files/CustomValuesFile.h"
#include "files/RecordFile.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/RecordState.h"
#include "scl/Form2.h"

namespace filetest
{

namespace
{

using platform::test::Driver;

class RecordApply : public testing::Test
{
  protected:
    void apply(const std::function<void()>& step)
    {
        driver.clearMessages();
        driver.runtime().dispatch(step);
        EXPECT_TRUE(driver.host().fileDialogs().empty());
        EXPECT_TRUE(driver.untrappedErrors().empty());
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
};

// A -12 record restores the criteria and one edition, shows no edition notice and keeps the notes.
TEST_F(RecordApply, CriteriaAsFarAsTheLayoutReaches)
{
    program.state.ReportNotes[0] = "mine";
    program.state.NDS2018 = -1;
    files::BeamCriteriaValues v;
    v.marker = files::CriteriaLayout12;
    v.project = "Barn";
    v.span = 12.5f;
    v.duration = 1.0f;
    v.incised = -1;
    v.nds1997 = -1;
    v.selectionStatus = "OK";
    v.notes[0] = "not in this layout";
    apply([&] { files::applyBeamCriteria(program, v); });
    EXPECT_EQ(program.form1.Proj.text(), "Barn");
    EXPECT_EQ(program.form1.Dur.text(), "1.00");
    EXPECT_EQ(program.form1.Span.text(), "12.5");
    EXPECT_TRUE(program.form1.Incised.checked());
    EXPECT_EQ(program.state.SelectionStatus, "OK");
    EXPECT_EQ(program.state.NDS1997, -1);
    EXPECT_EQ(program.state.NDS2018, 0);
    EXPECT_EQ(program.state.ReportNotes[0], "mine");
    EXPECT_EQ(program.state.ChangeGuard, 0);
    EXPECT_TRUE(driver.messages().empty());
}

// The values land on the custom values form as the user has it open.
TEST_F(RecordApply, CustomValuesWithTheirMemberClass)
{
    driver.choose(program.form1.Combo1, 8);
    driver.runtime().dispatch([&] { program.form2.show(); });
    files::CustomValues v;
    v.fb = 987.5f;
    v.e = 1.5f;
    v.species = "DF-L Select Structural";
    v.class4x = -1;
    v.msr = -1;
    apply([&] { files::applyCustomValues(program, v); });
    EXPECT_TRUE(program.form2.Wid4x.value());
    EXPECT_EQ(program.form2.Text1.text(), "987.5");
    EXPECT_EQ(program.form2.Text2.text(), ""); // a zero value shows as an empty box
    EXPECT_EQ(program.form2.Text5.text(), "DF-L Select Structural");
    EXPECT_TRUE(program.form2.Frame3D2.visible()); // the class frame, not the SCL one
    EXPECT_FALSE(program.form2.Frame3D4.visible());
    EXPECT_EQ(program.beam.flags.MSRFlag, -1);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].title, "Korvanta Courtesy Alert");
}

// A steel beam's record shows the steel layout and no stability rows, whatever the record holds there.
TEST_F(RecordApply, DataRecordInTheLayoutItsFlagNames)
{
    files::BeamDataValues v;
    v.labels.push_back("Project line");
    for (int i = 1; i <= 7; ++i) {
        v.notes.push_back("note " + std::to_string(i));
    }
    v.steel = -1;
    v.stability.push_back("Stability");
    apply([&] { files::applyBeamDataRecord(program, v); });
    report::Form6& f6 = program.form6;
    EXPECT_EQ(f6.caption("Label1"), "Project line");
    EXPECT_EQ(program.state.ReportNotes[6], "note 7");
    EXPECT_TRUE(f6.label("Label176").visible());
    EXPECT_FALSE(f6.label("Label32").visible());
    EXPECT_EQ(f6.caption("Label60"), "Min Bearing Length");
    EXPECT_EQ(f6.caption("Label188"), "");
    EXPECT_EQ(f6.caption("Label12"), "Beam Span");
    EXPECT_EQ(program.beam.flags.DataRecordLoaded, -1);
    EXPECT_FALSE(f6.MnuBack.enabled());
}

TEST_F(RecordApply, ColumnRecordsAreTextOnTheirForms)
{
    files::WoodColumnValues wood;
    wood.captions.push_back("Wood project");
    wood.notes.push_back("wood note");
    program.recordFiles.WoodColLoadFailed = -1;
    apply([&] { files::applyWoodColumnRecord(program, wood); });
    EXPECT_EQ(program.form19.Label3.caption(), "Wood project");
    EXPECT_EQ(program.state.ReportNotes[0], "wood note");
    EXPECT_EQ(program.state.ReportNotes[1], "");
    EXPECT_EQ(program.record.WoodColRecordLoaded, -1);
    EXPECT_EQ(program.recordFiles.WoodColLoadFailed, 0);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 36), "The column data you have loaded is t");

    files::SteelColumnValues steel;
    steel.captions.push_back("Steel project");
    apply([&] { files::applySteelColumnRecord(program, steel); });
    EXPECT_EQ(program.form23.Label3.caption(), "Steel project");
    EXPECT_EQ(program.state.ReportNotes[0], "");
    EXPECT_EQ(program.record.SteelColRecordLoaded, -1);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 42), "The steel column data you have loaded is t");
}

// E 1.3 shows with one decimal, as the entry box keeps it.
TEST_F(RecordApply, CustomPostValuesIntoTheirBoxes)
{
    files::CustomPostValues v;
    v.PostFc = 650;
    v.PostE = 1.3f;
    v.PostSpecies = "Cedar #2";
    apply([&] { files::applyCustomPostValues(program, v); });
    EXPECT_EQ(program.form18.cFcText.text(), "650");
    EXPECT_EQ(program.form18.cEtext.text(), "1.3");
    EXPECT_EQ(program.form18.ColSpeciesCombo.text(), "Cedar #2");
}

TEST_F(RecordApply, SettingsReachTheirForms)
{
    app::DefaultSettingsRecord r;
    r.Marker = app::DefaultSettingsMarker;
    r.DefHead1 = "  Acme Engineers  ";
    r.DefCombo = 5;
    r.Livedefault[0] = 40;
    r.CenterFormCheckbox = 0;
    apply([&] { app::applyDefaultSettings(program, r); });
    EXPECT_EQ(program.form7.Heading1.text(), "Acme Engineers");
    EXPECT_EQ(program.form1.Combo1.text(), "Southern Pine");
    EXPECT_EQ(program.form13.Livedefault(0).text(), "40");
    EXPECT_EQ(program.state.CenterForms, 0);
}

} // namespace

} // namespace filetest
