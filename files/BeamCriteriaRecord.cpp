// Filling the beam criteria record from the forms.
#include "files/BeamCriteriaRecord.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
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

} // namespace

// Writer steps 4 to 7 in their order: the spacing options are re-selected around the fields that
// read them, and CriteriaSaveGuard keeps the selection meanwhile.
void fillCriteriaRecord(app::Program& p, platform::Record& r)
{
    app::Form1& f = p.form1;
    const app::SharedState& s = p.state;
    report::Form7& f7 = p.form7;

    const std::int16_t ctr16 = flag(f.Ctr16.value());
    const std::int16_t ctr19 = flag(f.Ctr19.value());
    const std::int16_t ctr24 = flag(f.ctr24.value());
    if (f.Rep.checked() && f.Ctr12.value()) {
        f.Ctr12.setValue(true);
    } else {
        f.Ctr0.setValue(true);
    }

    r.setText(322, 110, f7.Heading1.text());
    r.setText(432, 110, f7.Heading2.text());
    r.setText(542, 8, f7.Initialbox.text());
    r.setText(2, 35, f.Proj.text());
    r.setText(37, 30, f.Descrip.text());
    r.setText(67, 25, f.ID.text());
    r.setF32(92, boxValue(f.Span));
    r.setF32(96, boxValue(f.Dur));
    r.setI16(100, wholeBoxValue(f.MaxDefl));
    r.setI16(102, wholeBoxValue(f.LMaxDefl));
    r.setI16(104, static_cast<std::int16_t>(f.Combo1.listIndex()));
    r.setI16(106, flag(f.INGRADE.checked()));
    r.setI16(108, flag(f.Wet.checked()));
    r.setI16(110, flag(f.Rep.checked()));
    r.setI16(114, ctr16);
    r.setI16(116, ctr19);
    r.setI16(118, ctr24);
    r.setI16(120, flag(f.SimpleSpanbutton.value()));
    r.setI16(122, flag(f.Multibutton.value()));
    r.setI16(124, flag(f.TwoSpan.value()));
    r.setI16(126, flag(f.OHbutton.value()));
    r.setI16(128, flag(f.IncButton.value()));
    r.setF32(130, boxValue(f.UNIF));
    r.setF32(134, boxValue(f.LUNIF));
    for (int i = 0; i < 6; ++i) {
        const std::size_t at = static_cast<std::size_t>(4 * i);
        r.setF32(138 + at, boxValue(f.PT[i]));
        r.setF32(162 + at, boxValue(f.LPT[i]));
        r.setF32(186 + at, boxValue(f.DIS[i]));
    }
    for (int i = 0; i < 5; ++i) {
        const std::size_t at = static_cast<std::size_t>(4 * i);
        r.setF32(210 + at, boxValue(f.PAR[i]));
        r.setF32(230 + at, boxValue(f.LPAR[i]));
        r.setF32(250 + at, boxValue(f.ENDP[i]));
        // A start entered as 0 is kept apart from an empty start.
        const bool empty = f.BEGP[i].text().empty();
        const float start = boxValue(f.BEGP[i]);
        r.setF32(270 + at, empty ? 0.0f : (start == 0.0f ? 0.0001f : start));
    }
    r.setF32(290, boxValue(f.IncLL));
    r.setF32(294, boxValue(f.IncTL));
    r.setF32(298, boxValue(f.Trib1));
    r.setF32(302, boxValue(f.Trib2));
    for (int i = 0; i < 4; ++i) {
        r.setI16(306 + static_cast<std::size_t>(2 * i), flag(f.Areas[i].checked()));
    }
    r.setF32(314, boxValue(f.IncUnifTL));
    r.setF32(318, boxValue(f.IncUnifLL));
    r.setI16(550, flag(f.Roofbutton.checked()));
    r.setF32(552, leadingValue(f.Pitchtext));
    r.setF32(556, leadingValue(f.UBLtext));
    r.setI16(560, flag(f.WFbutton.value()));
    r.setI16(562, flag(f.SFbutton.value()));
    r.setI16(564, flag(f.CFbutton.value()));
    r.setI16(566, flag(f.MCbutton.value()));
    r.setI16(568, flag(f.TUbutton.value()));
    r.setI16(570, flag(f.PLbutton.value()));
    r.setI16(572, flag(f.DblPLbutton.value()));
    r.setText(574, 100, s.SelectionDescription);
    r.setText(674, 8, s.SelectionStatus);
    const std::string date = f7.Datebox.text();
    r.setText(682, 12, date.empty() ? num::formatDate(p.runtime.clock().now(), "m/dd/yy") : date);
    r.setF32(694, leadingValue(f.CantUBLtext));
    r.setI16(698, flag(f.Incised.checked()));
    r.setI16(700, s.NDS1997);
    r.setI16(702, flag(f.ksi50.checked()));
    for (std::size_t i = 0; i < 7; ++i) {
        r.setText(NotesOffset + NoteWidth * i, NoteWidth, s.ReportNotes[i]);
    }

    const std::int16_t ctr12 = flag(f.Ctr12.value());
    r.setI16(112, ctr12);
    if (ctr16 == -1) {
        f.Ctr16.setValue(true);
    } else if (ctr19 == -1) {
        f.Ctr19.setValue(true);
    } else if (ctr24 == -1) {
        f.ctr24.setValue(true);
    } else if (ctr12 == -1) {
        f.Ctr12.setValue(true);
    } else {
        f.Ctr0.setValue(true);
    }

    // The custom values part is read from Form2 whether or not it was shown.
    scl::Form2& f2 = p.form2;
    if (!f2.loaded()) {
        f2.load();
    }
    r.setI16(1299, s.NDS2001);
    r.setI16(1301, s.NDS2005);
    r.setText(1303, 20, s.SavedSelection.SelectionBreadth);
    r.setText(1323, 20, s.SavedSelection.SelectionDepth);
    r.setText(1343, 40, s.SavedSelection.SelectionSpecies);
    r.setText(1383, 40, s.SteelSelection);
    r.setText(1423, 60, f2.Combo1.text());
    r.setText(1483, 4, f2.Text1.text());
    r.setText(1487, 4, f2.Text2.text());
    r.setText(1491, 4, f2.Text4.text());
    r.setText(1495, 4, f2.Text3.text());
    r.setText(1499, 10, f2.Text6.text());
    r.setText(1509, 10, f2.Text7.text());
    r.setText(1519, 60, f2.Text5.text());
    r.setI16(1579, flag(f2.WidGLBHDR.value()));
    r.setI16(1581, flag(f2.WidGLB.value()));
    r.setI16(1583, static_cast<std::int16_t>(f2.SPG.value()));
    r.setI16(1585, flag(f2.Wid2x.value()));
    r.setI16(1587, flag(f2.Wid4x.value()));
    r.setI16(1589, static_cast<std::int16_t>(f2.MSRCheckbox.value()));
    r.setI16(1591, static_cast<std::int16_t>(f2.MELCheckbox.value()));
    r.setI16(1593, flag(f2.Wid6x.value()));
    r.setI16(1595, flag(f2.Rectoption.value()));
    r.setI16(1597, flag(f2.Roundoption.value()));
    r.setText(1599, 6, f2.Diam.text());
    r.setI16(1605, flag(f.NoWeight.checked()));
    r.setI16(1607, s.NDS2012);
    r.setI16(1609, s.NDS2015);
    r.setI16(1611, s.NDS2018);
}

} // namespace files
