// Loading and saving beam criteria files. Four layouts exist (-11, -12, -13 and the current -2007);
// each later one appends fields, and a loader restores only what the file's layout holds.
#include "files/BeamCriteriaFile.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "files/BeamCriteriaRecord.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"

#include <cmath>
#include <string>
#include <vector>

namespace files
{

namespace
{

namespace num = platform::num;

constexpr std::int16_t Layout11 = -11;
constexpr std::int16_t Layout12 = -12;
constexpr std::int16_t Layout13 = -13;
constexpr std::int16_t Current = -2007;

// The bytes a layout must hold: up to the end of the last field it restores.
std::uint64_t restoredLength(std::int16_t marker)
{
    switch (marker) {
    case Layout11:
        return 574;
    case Layout12:
        return 704;
    default:
        return 1613;
    }
}

std::string emptyForZero(float value)
{
    return value == 0.0f ? std::string() : num::numberText(value);
}

void setCheck(platform::CheckBox& box, std::int16_t stored)
{
    box.setValue(stored != 0 ? 1 : 0);
}

const char* editionNotice(const app::SharedState& s)
{
    if (s.NDS2018 == -1) {
        return "This criteria was saved under NDS 2018 standards.";
    }
    if (s.NDS2015 == -1) {
        return "This criteria was saved under NDS 2015 standards.";
    }
    if (s.NDS2012 == -1) {
        return "This criteria was saved under NDS 2012 standards.";
    }
    if (s.NDS2005 == -1) {
        return "This criteria was saved under NDS 2005 standards.";
    }
    if (s.NDS2001 == -1) {
        return "This criteria was saved under NDS 2001 standards.";
    }
    if (s.NDS1997 == -1) {
        return "This criteria was saved under NDS 1997 standards.";
    }
    if (s.NDS1997 == 0 && s.NDS2001 == 0 && s.NDS2005 == 0 && s.NDS2012 == 0 && s.NDS2015 == 0 &&
        s.NDS2018 == 0) {
        return "This criteria was saved under NDS 2001 or earlier standards. NDS Edition unknown.";
    }
    return "NDS standards are undetermined.";
}

// Loader steps 3 to 14, in their order; every control's own event runs as it is set.
void restoreCriteria(app::Program& p, const platform::Record& r)
{
    app::Form1& f = p.form1;
    app::SharedState& s = p.state;
    report::Form7& f7 = p.form7;
    const std::int16_t marker = r.i16(0);

    // Step 3.
    f7.Heading1.setText(r.text(322, 110));
    f7.Heading2.setText(r.text(432, 110));
    f7.Initialbox.setText(r.text(542, 8));
    f.Proj.setText(r.text(2, 35));
    f.Descrip.setText(r.text(37, 30));
    f.ID.setText(r.text(67, 25));
    const float dur = r.f32(96);
    f.Dur.setText(dur == 0.0f ? "" : (dur == 1.0f ? "1.00" : num::numberText(dur)));
    const auto wholeText = [](std::int16_t v) { return v == 0 ? std::string() : std::to_string(v); };
    f.MaxDefl.setText(wholeText(r.i16(100)));
    f.LMaxDefl.setText(wholeText(r.i16(102)));
    f.Combo1.setListIndex(r.i16(104));
    setCheck(f.INGRADE, r.i16(106));
    // Step 4.
    if (r.i16(120) == -1) {
        f.SimpleSpanbutton.setValue(true);
    } else if (r.i16(126) == -1) {
        f.OHbutton.setValue(true);
    } else if (r.i16(128) == -1) {
        f.IncButton.setValue(true);
    }
    // Step 5.
    f.Trib1.setText(emptyForZero(r.f32(298)));
    f.Trib2.setText(emptyForZero(r.f32(302)));
    f.IncTL.setText(emptyForZero(r.f32(294)));
    f.IncLL.setText(emptyForZero(r.f32(290)));
    f.IncUnifTL.setText(emptyForZero(r.f32(314)));
    f.IncUnifLL.setText(emptyForZero(r.f32(318)));
    for (int i = 0; i < 4; ++i) {
        f.Areas[i].setValue(r.i16(306 + static_cast<std::size_t>(2 * i)) == -1 ? 1 : 0);
    }
    f.Span.setText(num::numberText(r.f32(92)));
    f.UNIF.setText(emptyForZero(r.f32(130)));
    f.LUNIF.setText(emptyForZero(r.f32(134)));
    f.Pitchtext.setText(emptyForZero(r.f32(552)));
    setCheck(f.Roofbutton, r.i16(550));
    f.UBLtext.setText(num::numberText(r.f32(556)));
    // Step 6.
    f.WFbutton.setValue(r.i16(560) != 0);
    f.SFbutton.setValue(r.i16(562) != 0);
    f.CFbutton.setValue(r.i16(564) != 0);
    f.TUbutton.setValue(r.i16(568) != 0);
    f.PLbutton.setValue(r.i16(570) != 0);
    f.MCbutton.setValue(r.i16(566) != 0);
    f.DblPLbutton.setValue(r.i16(572) != 0);
    // Step 7.
    if (r.i16(122) == -1) {
        f.Multibutton.setValue(true);
        if (r.i16(124) == -1) {
            f.TwoSpan.setValue(true);
        } else {
            f.ThreeSpan.setValue(true);
        }
    }
    // Step 8.
    f.UNIF.setText(emptyForZero(r.f32(130)));
    f.LUNIF.setText(emptyForZero(r.f32(134)));
    // Step 9.
    for (int i = 0; i < 6; ++i) {
        const std::size_t at = static_cast<std::size_t>(4 * i);
        f.PT[i].setText(emptyForZero(r.f32(138 + at)));
        f.LPT[i].setText(emptyForZero(r.f32(162 + at)));
        f.DIS[i].setText(emptyForZero(r.f32(186 + at)));
    }
    for (int i = 0; i < 5; ++i) {
        const std::size_t at = static_cast<std::size_t>(4 * i);
        f.PAR[i].setText(emptyForZero(r.f32(210 + at)));
        f.LPAR[i].setText(emptyForZero(r.f32(230 + at)));
        const float start = r.f32(270 + at);
        f.BEGP[i].setText(start == 0.0001f ? std::string("0") : emptyForZero(start));
        f.ENDP[i].setText(emptyForZero(r.f32(250 + at)));
    }
    // Step 10.
    setCheck(f.Wet, r.i16(108));
    setCheck(f.Rep, r.i16(110));
    if (f.Rep.checked()) {
        if (r.i16(114) == -1) {
            f.Ctr16.setValue(true);
        } else if (r.i16(116) == -1) {
            f.Ctr19.setValue(true);
        } else if (r.i16(118) == -1) {
            f.ctr24.setValue(true);
        } else if (r.i16(112) == -1) {
            f.Ctr12.setValue(true);
        } else {
            f.Ctr0.setValue(true);
        }
    }
    if (marker == Layout11) {
        s.ChangeGuard = 0;
        return;
    }
    // Step 11.
    setCheck(f.Incised, r.i16(698));
    s.NDS1997 = r.i16(700);
    if (marker == Layout12) {
        // This layout knows only the 1997 flag: a later edition left set would mix two editions.
        s.NDS2001 = s.NDS2005 = s.NDS2012 = s.NDS2015 = s.NDS2018 = 0;
    }
    if (f.OHbutton.value()) {
        f.CantUBLtext.setText(num::numberText(r.f32(694)));
    }
    s.SelectionDescription = r.text(574, 100);
    s.SelectionStatus = r.text(674, 8);
    s.SavedSelectionDate = r.text(682, 12);
    s.ChangeGuard = 0;
    setCheck(f.ksi50, r.i16(702));
    if (marker == Layout12) {
        s.ChangeGuard = 0;
        return;
    }
    // Step 12.
    for (std::size_t i = 0; i < 7; ++i) {
        s.ReportNotes[i] = r.text(NotesOffset + NoteWidth * i, NoteWidth);
    }
    s.NDS2001 = r.i16(1299);
    s.NDS2005 = r.i16(1301);
    s.NDS2012 = r.i16(1607);
    s.NDS2015 = r.i16(1609);
    s.NDS2018 = r.i16(1611);
    const int position = f.Combo1.listIndex();
    if (position == 9 || position == 7) {
        f.Incised.setVisible(false);
    } else if (s.AutoPrintMode == 0) {
        p.runtime.msgBox(editionNotice(s), platform::Buttons::OK, platform::Icon::Information, "Korvanta");
    }
    // Step 13.
    if (marker == Current) {
        s.SavedSelection.SelectionBreadth = r.text(1303, 20);
        s.SavedSelection.SelectionDepth = r.text(1323, 20);
        s.SavedSelection.SelectionSpecies = r.text(1343, 40);
        s.SteelSelection = r.text(1383, 40);
        setCheck(f.NoWeight, r.i16(1605));
    }
    // Step 14.
    s.ChangeGuard = 0;
}

bool isFlag(std::int16_t value)
{
    return value == -1 || value == 0;
}

} // namespace

bool criteriaRecordApplicable(const platform::Record& r, std::uint64_t fileLength)
{
    const std::int16_t marker = r.i16(0);
    if (fileLength < restoredLength(marker)) {
        return false;
    }
    const int position = r.i16(104);
    if (position < 0 || position > 9) {
        return false;
    }
    // Fields only compared with -1 (spacing, load type, contributing areas) are not checked.
    std::vector<std::size_t> flags{106, 108, 110, 550, 560, 562, 564, 566, 568, 570, 572};
    std::vector<std::size_t> singles{92, 96, 130, 134, 290, 294, 298, 302, 314, 318, 552, 556};
    for (std::size_t at = 138; at < 290; at += 4) {
        singles.push_back(at);
    }
    if (marker != Layout11) {
        flags.insert(flags.end(), {698, 700, 702});
        singles.push_back(694);
    }
    if (marker == Layout13 || marker == Current) {
        flags.insert(flags.end(), {1299, 1301, 1607, 1609, 1611});
    }
    if (marker == Current) {
        flags.push_back(1605);
    }
    for (std::size_t at : flags) {
        if (!isFlag(r.i16(at))) {
            return false;
        }
    }
    for (std::size_t at : singles) {
        if (!std::isfinite(r.f32(at))) {
            return false;
        }
    }
    return true;
}

bool LoadBeamCriteria(app::Program& program)
{
    app::SharedState& s = program.state;
    s.ChangeGuard = -1;
    LoaderSteps steps;
    steps.applicable = criteriaRecordApplicable;
    steps.restore = [&](const platform::Record& record) { restoreCriteria(program, record); };
    steps.cleanUp = [&] { s.ChangeGuard = 0; };
    return runLoader(program, RecordKind::BeamCriteria, program.recordFiles.BeamCriteriaRecord, steps) ==
           LoadOutcome::Loaded;
}

void SaveBeamCriteria(app::Program& program)
{
    app::Form1& f = program.form1;
    if (f.UBSpan.caption() != "Unbalance Span" || f.UBOH.caption() != "Unbalance OH") {
        program.runtime.msgBox(
            "Korvanta cannot save criteria when loads are unbalanced.  Please restore the loads "
            "by clicking the RESTORE button below the point loads entry boxes and then save the "
            "criteria.",
            platform::Buttons::OK, platform::Icon::None, "Korvanta");
        return;
    }
    app::SharedState& s = program.state;
    s.CriteriaSaveGuard = -1;
    WriterSteps steps;
    steps.fill = [&](platform::Record& record) { fillCriteriaRecord(program, record); };
    steps.cleanUp = [&] { s.CriteriaSaveGuard = 0; };
    runWriter(program, RecordKind::BeamCriteria, program.recordFiles.BeamCriteriaRecord, steps);
}

} // namespace files
