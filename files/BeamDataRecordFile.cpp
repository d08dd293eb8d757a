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

constexpr const char* SavedParagraphs =
    "\r\rPlease Note: To reload this saved Data Record file you MUST have the Data Record Page open. You may "
    "calculate a fictious beam, if necessary, to get to the data record page. Select FILE from the menu bar, "
    "then "
    "select LOAD RECORD...\r\rATTENTION: If you anticipate making changes to the loads or other criteria for "
    "this "
    "member in the future, SAVE this beam's CRITERIA (form 1).";

// The header lines come from the report header form's boxes, every other caption from the form.
BeamDataValues dataRecordFromForms(app::Program& p, const platform::Record& record)
{
    report::Form6& f6 = p.form6;
    report::Form7& f7 = p.form7;
    BeamDataValues v;
    for (const RecordSlot& slot : dataRecordLabelSlots()) {
        switch (slot.offset) {
        case 2:
            v.labels.push_back(f7.Text1.text());
            break;
        case 62:
            v.labels.push_back(f7.Text2.text());
            break;
        case 122:
            v.labels.push_back(f7.Text3.text());
            break;
        default:
            v.labels.push_back(f6.caption(slot.label));
        }
    }
    for (const std::string& note : p.state.ReportNotes) {
        v.notes.push_back(note);
    }
    for (const RecordSlot& slot : dataRecordTailSlots()) {
        v.tail.push_back(f6.caption(slot.label));
    }
    // A loaded record keeps its own layout when saved again; otherwise the last calculation decides.
    if (p.beam.flags.DataRecordLoaded == -1) {
        v.steel = record.i16(DataSteelFlagOffset);
    } else {
        v.steel = p.beam.flags.SteelBeamFlag == -1 ? std::int16_t{-1} : std::int16_t{0};
    }
    for (const RecordSlot& slot : dataRecordStabilitySlots()) {
        v.stability.push_back(f6.caption(slot.label));
    }
    return v;
}

} // namespace

void applyBeamDataRecord(app::Program& p, const BeamDataValues& v)
{
    report::Form6& f6 = p.form6;
    const std::vector<RecordSlot>& labels = dataRecordLabelSlots();
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].restored) {
            f6.label(labels[i].label).setCaption(v.labels[i]);
        }
    }
    f6.MnuBack.setEnabled(false);
    for (std::size_t i = 0; i < v.notes.size(); ++i) {
        p.state.ReportNotes[i] = v.notes[i];
    }
    for (const char* name : {"Label32", "Label33", "Label47"}) {
        f6.label(name).setVisible(v.steel != -1);
    }
    f6.label("Label176").setVisible(v.steel == -1);
    f6.label("Label60").setCaption(v.steel == -1 ? "Min Bearing Length" : "Min Bearing Area");
    for (std::size_t i = 0; i < v.tail.size(); ++i) {
        f6.label(dataRecordTailSlots()[i].label).setCaption(v.tail[i]);
    }
    if (f6.caption("Label12").empty()) {
        f6.label("Label12").setCaption("Beam Span");
    }
    p.beam.flags.DataRecordLoaded = -1;
    // A steel beam's record shows no stability rows; an older record has none.
    const bool withStability = v.steel == 0;
    for (std::size_t i = 0; i < v.stability.size(); ++i) {
        f6.label(dataRecordStabilitySlots()[i].label)
            .setCaption(withStability ? v.stability[i] : std::string_view());
    }
}

bool LoadDataRecord(app::Program& program)
{
    return runLoader(program, RecordKind::BeamData, program.recordFiles.BeamDataRecord, decodeBeamDataRecord,
                     [&](const BeamDataValues& values) { applyBeamDataRecord(program, values); }) ==
           LoadOutcome::Loaded;
}

void SaveDataRecord(app::Program& program)
{
    WriterSteps steps;
    steps.fill = [&](platform::Record& record) {
        encodeBeamDataRecord(dataRecordFromForms(program, record), record);
    };
    steps.confirmationTail = SavedParagraphs;
    runWriter(program, RecordKind::BeamData, program.recordFiles.BeamDataRecord, steps);
}

} // namespace files
