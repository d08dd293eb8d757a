// Saving and loading beam data record files: Form6's captions, the report header and the notes.
#include "files/BeamDataRecordFile.h"

#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "files/BeamDataRecordSlots.h"
#include "files/RecordFile.h"
#include "report/Form6.h"
#include "report/Form7.h"

namespace files
{

namespace
{

constexpr std::int16_t OlderLayout = 555;
constexpr std::size_t NoteWidth = 85;

constexpr const char* SavedParagraphs =
    "\r\rPlease Note: To reload this saved Data Record file you MUST have the Data Record Page open. You may "
    "calculate a fictious beam, if necessary, to get to the data record page. Select FILE from the menu bar, "
    "then "
    "select LOAD RECORD...\r\rATTENTION: If you anticipate making changes to the loads or other criteria for "
    "this "
    "member in the future, SAVE this beam's CRITERIA (form 1).";

void fillDataRecord(app::Program& p, platform::Record& r)
{
    report::Form6& f6 = p.form6;
    report::Form7& f7 = p.form7;
    // A loaded record keeps its own layout when saved again; otherwise the last calculation decides.
    if (p.beam.flags.DataRecordLoaded != -1) {
        r.setI16(DataSteelFlagOffset, p.beam.flags.SteelBeamFlag == -1 ? std::int16_t{-1} : std::int16_t{0});
    }
    r.setText(2, 60, f7.Text1.text());
    r.setText(62, 60, f7.Text2.text());
    r.setText(122, 60, f7.Text3.text());
    for (const RecordSlot& slot : dataRecordLabelSlots()) {
        if (slot.offset >= 182) {
            r.setText(slot.offset, slot.width, f6.caption(slot.label));
        }
    }
    for (const auto* slots : {&dataRecordTailSlots(), &dataRecordStabilitySlots()}) {
        for (const RecordSlot& slot : *slots) {
            r.setText(slot.offset, slot.width, f6.caption(slot.label));
        }
    }
    for (std::size_t i = 0; i < 7; ++i) {
        r.setText(DataNotesOffset + NoteWidth * i, NoteWidth, p.state.ReportNotes[i]);
    }
}

void restoreDataRecord(app::Program& p, const platform::Record& r)
{
    report::Form6& f6 = p.form6;
    for (const RecordSlot& slot : dataRecordLabelSlots()) {
        if (slot.restored) {
            f6.label(slot.label).setCaption(r.text(slot.offset, slot.width));
        }
    }
    f6.MnuBack.setEnabled(false);
    for (std::size_t i = 0; i < 7; ++i) {
        p.state.ReportNotes[i] = r.text(DataNotesOffset + NoteWidth * i, NoteWidth);
    }
    const std::int16_t steel = r.i16(DataSteelFlagOffset);
    for (const char* name : {"Label32", "Label33", "Label47"}) {
        f6.label(name).setVisible(steel != -1);
    }
    f6.label("Label176").setVisible(steel == -1);
    f6.label("Label60").setCaption(steel == -1 ? "Min Bearing Length" : "Min Bearing Area");
    for (const RecordSlot& slot : dataRecordTailSlots()) {
        f6.label(slot.label).setCaption(r.text(slot.offset, slot.width));
    }
    if (f6.caption("Label12").empty()) {
        f6.label("Label12").setCaption("Beam Span");
    }
    p.beam.flags.DataRecordLoaded = -1;
    const bool withStability = r.i16(0) != OlderLayout && steel == 0;
    for (const RecordSlot& slot : dataRecordStabilitySlots()) {
        f6.label(slot.label).setCaption(withStability ? r.text(slot.offset, slot.width) : std::string());
    }
}

} // namespace

bool dataRecordApplicable(const platform::Record& record, std::uint64_t fileLength)
{
    // The older layout ends before the stability rows; the reserved tail is never read.
    return fileLength >= (record.i16(0) == OlderLayout ? 4569u : 4799u);
}

bool LoadDataRecord(app::Program& program)
{
    LoaderSteps steps;
    steps.applicable = dataRecordApplicable;
    steps.restore = [&](const platform::Record& record) { restoreDataRecord(program, record); };
    return runLoader(program, RecordKind::BeamData, program.recordFiles.BeamDataRecord, steps) ==
           LoadOutcome::Loaded;
}

void SaveDataRecord(app::Program& program)
{
    WriterSteps steps;
    steps.fill = [&](platform::Record& record) { fillDataRecord(program, record); };
    steps.confirmationTail = SavedParagraphs;
    runWriter(program, RecordKind::BeamData, program.recordFiles.BeamDataRecord, steps);
}

} // namespace files
