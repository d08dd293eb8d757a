// Loading and saving beam criteria files: the record from the forms, and an accepted record back into
// them as far as its layout reaches.
#include "files/BeamCriteriaFile.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "files/BeamCriteriaRecord.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"
#include "scl/Form2.h"

#include <string>

namespace files
{

namespace
{

namespace num = platform::num;

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

float boxValue(platform::TextBox& box)
{
    const std::string text = box.text();
    return text.empty() ? 0.0f : num::toSingle(text);
}

float leadingValue(platform::TextBox& box)
{
    return num::toSingle(num::leadingNumber(box.text()));
}

std::int16_t wholeBoxValue(platform::TextBox& box)
{
    const std::string text = box.text();
    return text.empty() ? std::int16_t{0} : num::toInt16(num::toDouble(text));
}

std::int16_t flag(bool on)
{
    return on ? std::int16_t{-1} : std::int16_t{0};
}

// Writer steps 4 to 7 in their order: the spacing options are re-selected around the fields that
// read them, and CriteriaSaveGuard keeps the selection meanwhile.
// The spacing option the record names (the first of 16, 19.2, 24 and 12 in. set), else "No Spacing".
void selectSpacing(app::Form1& f, const BeamCriteriaValues& v)
{
    if (v.spacing16 == -1) {
        f.Ctr16.setValue(true);
    } else if (v.spacing19 == -1) {
        f.Ctr19.setValue(true);
    } else if (v.spacing24 == -1) {
        f.ctr24.setValue(true);
    } else if (v.spacing12 == -1) {
        f.Ctr12.setValue(true);
    } else {
        f.Ctr0.setValue(true);
    }
}

BeamCriteriaValues criteriaFromForms(app::Program& p)
{
    app::Form1& f = p.form1;
    const app::SharedState& s = p.state;
    report::Form7& f7 = p.form7;
    BeamCriteriaValues v;

    v.spacing16 = flag(f.Ctr16.value());
    v.spacing19 = flag(f.Ctr19.value());
    v.spacing24 = flag(f.ctr24.value());
    if (f.Rep.checked() && f.Ctr12.value()) {
        f.Ctr12.setValue(true);
    } else {
        f.Ctr0.setValue(true);
    }

    v.heading1 = f7.Heading1.text();
    v.heading2 = f7.Heading2.text();
    v.initials = f7.Initialbox.text();
    v.project = f.Proj.text();
    v.description = f.Descrip.text();
    v.beamId = f.ID.text();
    v.span = boxValue(f.Span);
    v.duration = boxValue(f.Dur);
    v.totalDeflection = wholeBoxValue(f.MaxDefl);
    v.liveDeflection = wholeBoxValue(f.LMaxDefl);
    v.speciesPosition = static_cast<std::int16_t>(f.Combo1.listIndex());
    v.inGrade = flag(f.INGRADE.checked());
    v.wet = flag(f.Wet.checked());
    v.repetitive = flag(f.Rep.checked());
    v.simpleSpan = flag(f.SimpleSpanbutton.value());
    v.multipleSpans = flag(f.Multibutton.value());
    v.twoSpans = flag(f.TwoSpan.value());
    v.overhang = flag(f.OHbutton.value());
    v.hipsAndValleys = flag(f.IncButton.value());
    v.uniformTotal = boxValue(f.UNIF);
    v.uniformLive = boxValue(f.LUNIF);
    for (std::size_t i = 0; i < 6; ++i) {
        const int box = static_cast<int>(i);
        v.pointTotal[i] = boxValue(f.PT[box]);
        v.pointLive[i] = boxValue(f.LPT[box]);
        v.pointDistance[i] = boxValue(f.DIS[box]);
    }
    for (std::size_t i = 0; i < 5; ++i) {
        const int box = static_cast<int>(i);
        v.partialTotal[i] = boxValue(f.PAR[box]);
        v.partialLive[i] = boxValue(f.LPAR[box]);
        v.partialEnd[i] = boxValue(f.ENDP[box]);
        // A start entered as 0 is kept apart from an empty start.
        const bool empty = f.BEGP[box].text().empty();
        const float start = boxValue(f.BEGP[box]);
        v.partialStart[i] = empty ? 0.0f : (start == 0.0f ? 0.0001f : start);
    }
    v.hipRoofLive = boxValue(f.IncLL);
    v.hipRoofTotal = boxValue(f.IncTL);
    v.tributary1 = boxValue(f.Trib1);
    v.tributary2 = boxValue(f.Trib2);
    for (std::size_t i = 0; i < 4; ++i) {
        v.areas[i] = flag(f.Areas[static_cast<int>(i)].checked());
    }
    v.hipUniformTotal = boxValue(f.IncUnifTL);
    v.hipUniformLive = boxValue(f.IncUnifLL);
    v.rafterPitch = flag(f.Roofbutton.checked());
    v.pitch = leadingValue(f.Pitchtext);
    v.unbracedLength = leadingValue(f.UBLtext);
    v.wideFlange = flag(f.WFbutton.value());
    v.standardFlange = flag(f.SFbutton.value());
    v.channel = flag(f.CFbutton.value());
    v.miscChannel = flag(f.MCbutton.value());
    v.tube = flag(f.TUbutton.value());
    v.flitch = flag(f.PLbutton.value());
    v.doubleFlitch = flag(f.DblPLbutton.value());
    v.selectionDescription = s.SelectionDescription;
    v.selectionStatus = s.SelectionStatus;
    const std::string date = f7.Datebox.text();
    v.date = date.empty() ? num::formatDate(p.runtime.clock().now(), "m/dd/yy") : date;
    v.overhangUnbracedLength = leadingValue(f.CantUBLtext);
    v.incised = flag(f.Incised.checked());
    v.nds1997 = s.NDS1997;
    v.ksi50 = flag(f.ksi50.checked());
    v.notes = s.ReportNotes;

    v.spacing12 = flag(f.Ctr12.value());
    selectSpacing(f, v);

    // The custom values part is read from Form2 whether or not it was shown.
    scl::Form2& f2 = p.form2;
    if (!f2.loaded()) {
        f2.load();
    }
    v.nds2001 = s.NDS2001;
    v.nds2005 = s.NDS2005;
    v.selectionBreadth = s.SavedSelection.SelectionBreadth;
    v.selectionDepth = s.SavedSelection.SelectionDepth;
    v.selectionSpecies = s.SavedSelection.SelectionSpecies;
    v.steelSelection = s.SteelSelection;
    CriteriaCustomPart& c = v.custom;
    c.product = f2.Combo1.text();
    c.fb = f2.Text1.text();
    c.fv = f2.Text2.text();
    c.e = f2.Text4.text();
    c.fcPerp = f2.Text3.text();
    c.breadth = f2.Text6.text();
    c.depth = f2.Text7.text();
    c.species = f2.Text5.text();
    c.gluLamHeader = flag(f2.WidGLBHDR.value());
    c.gluLam = flag(f2.WidGLB.value());
    c.southernPineLams = static_cast<std::int16_t>(f2.SPG.value());
    c.class2x = flag(f2.Wid2x.value());
    c.class4x = flag(f2.Wid4x.value());
    c.msr = static_cast<std::int16_t>(f2.MSRCheckbox.value());
    c.mel = static_cast<std::int16_t>(f2.MELCheckbox.value());
    c.timber = flag(f2.Wid6x.value());
    c.rectangular = flag(f2.Rectoption.value());
    c.round = flag(f2.Roundoption.value());
    c.diameter = f2.Diam.text();
    v.noWeight = flag(f.NoWeight.checked());
    v.nds2012 = s.NDS2012;
    v.nds2015 = s.NDS2015;
    v.nds2018 = s.NDS2018;
    return v;
}

} // namespace

// Loader steps 3 to 14, in their order; every control's own event runs as it is set.
void applyBeamCriteria(app::Program& p, const BeamCriteriaValues& v)
{
    app::Form1& f = p.form1;
    app::SharedState& s = p.state;
    report::Form7& f7 = p.form7;
    // The controls' events leave the loaded selection alone.
    s.ChangeGuard = -1;

    // Step 3.
    f7.Heading1.setText(v.heading1);
    f7.Heading2.setText(v.heading2);
    f7.Initialbox.setText(v.initials);
    f.Proj.setText(v.project);
    f.Descrip.setText(v.description);
    f.ID.setText(v.beamId);
    f.Dur.setText(v.duration == 0.0f ? "" : (v.duration == 1.0f ? "1.00" : num::numberText(v.duration)));
    const auto wholeText = [](std::int16_t value) {
        return value == 0 ? std::string() : std::to_string(value);
    };
    f.MaxDefl.setText(wholeText(v.totalDeflection));
    f.LMaxDefl.setText(wholeText(v.liveDeflection));
    f.Combo1.setListIndex(v.speciesPosition);
    setCheck(f.INGRADE, v.inGrade);
    // Step 4.
    if (v.simpleSpan == -1) {
        f.SimpleSpanbutton.setValue(true);
    } else if (v.overhang == -1) {
        f.OHbutton.setValue(true);
    } else if (v.hipsAndValleys == -1) {
        f.IncButton.setValue(true);
    }
    // Step 5.
    f.Trib1.setText(emptyForZero(v.tributary1));
    f.Trib2.setText(emptyForZero(v.tributary2));
    f.IncTL.setText(emptyForZero(v.hipRoofTotal));
    f.IncLL.setText(emptyForZero(v.hipRoofLive));
    f.IncUnifTL.setText(emptyForZero(v.hipUniformTotal));
    f.IncUnifLL.setText(emptyForZero(v.hipUniformLive));
    for (std::size_t i = 0; i < 4; ++i) {
        f.Areas[static_cast<int>(i)].setValue(v.areas[i] == -1 ? 1 : 0);
    }
    f.Span.setText(num::numberText(v.span));
    f.UNIF.setText(emptyForZero(v.uniformTotal));
    f.LUNIF.setText(emptyForZero(v.uniformLive));
    f.Pitchtext.setText(emptyForZero(v.pitch));
    setCheck(f.Roofbutton, v.rafterPitch);
    f.UBLtext.setText(num::numberText(v.unbracedLength));
    // Step 6.
    f.WFbutton.setValue(v.wideFlange != 0);
    f.SFbutton.setValue(v.standardFlange != 0);
    f.CFbutton.setValue(v.channel != 0);
    f.TUbutton.setValue(v.tube != 0);
    f.PLbutton.setValue(v.flitch != 0);
    f.MCbutton.setValue(v.miscChannel != 0);
    f.DblPLbutton.setValue(v.doubleFlitch != 0);
    // Step 7.
    if (v.multipleSpans == -1) {
        f.Multibutton.setValue(true);
        if (v.twoSpans == -1) {
            f.TwoSpan.setValue(true);
        } else {
            f.ThreeSpan.setValue(true);
        }
    }
    // Step 8.
    f.UNIF.setText(emptyForZero(v.uniformTotal));
    f.LUNIF.setText(emptyForZero(v.uniformLive));
    // Step 9.
    for (std::size_t i = 0; i < 6; ++i) {
        const int box = static_cast<int>(i);
        f.PT[box].setText(emptyForZero(v.pointTotal[i]));
        f.LPT[box].setText(emptyForZero(v.pointLive[i]));
        f.DIS[box].setText(emptyForZero(v.pointDistance[i]));
    }
    for (std::size_t i = 0; i < 5; ++i) {
        const int box = static_cast<int>(i);
        f.PAR[box].setText(emptyForZero(v.partialTotal[i]));
        f.LPAR[box].setText(emptyForZero(v.partialLive[i]));
        const float start = v.partialStart[i];
        f.BEGP[box].setText(start == 0.0001f ? std::string("0") : emptyForZero(start));
        f.ENDP[box].setText(emptyForZero(v.partialEnd[i]));
    }
    // Step 10.
    setCheck(f.Wet, v.wet);
    setCheck(f.Rep, v.repetitive);
    if (f.Rep.checked()) {
        selectSpacing(f, v);
    }
    if (v.marker == CriteriaLayout11) {
        s.ChangeGuard = 0;
        return;
    }
    // Step 11.
    setCheck(f.Incised, v.incised);
    s.NDS1997 = v.nds1997;
    if (v.marker == CriteriaLayout12) {
        // This layout knows only the 1997 flag (the later ones read as 0): a later edition left set would
        // mix two editions.
        s.NDS2001 = v.nds2001;
        s.NDS2005 = v.nds2005;
        s.NDS2012 = v.nds2012;
        s.NDS2015 = v.nds2015;
        s.NDS2018 = v.nds2018;
    }
    if (f.OHbutton.value()) {
        f.CantUBLtext.setText(num::numberText(v.overhangUnbracedLength));
    }
    s.SelectionDescription = v.selectionDescription;
    s.SelectionStatus = v.selectionStatus;
    s.SavedSelectionDate = v.date;
    s.ChangeGuard = 0;
    setCheck(f.ksi50, v.ksi50);
    if (v.marker == CriteriaLayout12) {
        s.ChangeGuard = 0;
        return;
    }
    // Step 12.
    s.ReportNotes = v.notes;
    s.NDS2001 = v.nds2001;
    s.NDS2005 = v.nds2005;
    s.NDS2012 = v.nds2012;
    s.NDS2015 = v.nds2015;
    s.NDS2018 = v.nds2018;
    const int position = f.Combo1.listIndex();
    if (position == 9 || position == 7) {
        f.Incised.setVisible(false);
    } else if (s.AutoPrintMode == 0) {
        p.runtime.msgBox(editionNotice(s), platform::Buttons::OK, platform::Icon::Information, "Korvanta");
    }
    // Step 13.
    if (v.marker == CriteriaMarker) {
        s.SavedSelection.SelectionBreadth = v.selectionBreadth;
        s.SavedSelection.SelectionDepth = v.selectionDepth;
        s.SavedSelection.SelectionSpecies = v.selectionSpecies;
        s.SteelSelection = v.steelSelection;
        setCheck(f.NoWeight, v.noWeight);
    }
    // Step 14.
    s.ChangeGuard = 0;
}

bool LoadBeamCriteria(app::Program& program)
{
    app::SharedState& s = program.state;
    s.ChangeGuard = -1;
    const auto apply = [&](const BeamCriteriaValues& values) { applyBeamCriteria(program, values); };
    return runLoader(program, RecordKind::BeamCriteria, program.recordFiles.BeamCriteriaRecord,
                     decodeBeamCriteriaRecord, apply, [&] { s.ChangeGuard = 0; }) == LoadOutcome::Loaded;
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
    steps.fill = [&](platform::Record& record) {
        encodeBeamCriteriaRecord(criteriaFromForms(program), record);
    };
    steps.cleanUp = [&] { s.CriteriaSaveGuard = 0; };
    runWriter(program, RecordKind::BeamCriteria, program.recordFiles.BeamCriteriaRecord, steps);
}

} // namespace files
