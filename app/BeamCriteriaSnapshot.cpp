// Filling the beam criteria snapshot from the criteria form.
#include "app/BeamCriteriaSnapshot.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "scl/Form2.h"

namespace app
{

namespace
{

template <std::size_t N, class Box>
void readTexts(std::array<std::string, N>& texts, platform::ControlArray<Box>& boxes)
{
    for (std::size_t i = 0; i < N; ++i) {
        texts[i] = boxes(static_cast<int>(i)).text();
    }
}

void readBoxes(Form1& f, beam::BeamCriteria& c)
{
    c.Span = f.Span.text();
    c.UBLtext = f.UBLtext.text();
    c.CantUBLtext = f.CantUBLtext.text();
    c.Dur = f.Dur.text();
    c.LMaxDefl = f.LMaxDefl.text();
    c.MaxDefl = f.MaxDefl.text();
    c.Pitchtext = f.Pitchtext.text();

    c.UNIF = f.UNIF.text();
    c.LUNIF = f.LUNIF.text();
    // Hips and valleys disable the uniform load's frame, not the box itself; the focus cannot go there.
    c.UNIFEnabled = f.UNIF.enabled() && f.Frame3D5.enabled();
    readTexts(c.PT, f.PT);
    readTexts(c.LPT, f.LPT);
    readTexts(c.DIS, f.DIS);
    readTexts(c.PAR, f.PAR);
    readTexts(c.LPAR, f.LPAR);
    readTexts(c.BEGP, f.BEGP);
    readTexts(c.ENDP, f.ENDP);

    c.Text1 = f.Text1.text();
    c.Text2 = f.Text2.text();
    c.Tribute = f.Tribute.text();

    c.IncLL = f.IncLL.text();
    c.IncTL = f.IncTL.text();
    c.IncUnifLL = f.IncUnifLL.text();
    c.IncUnifTL = f.IncUnifTL.text();
    c.Trib1 = f.Trib1.text();
    c.Trib2 = f.Trib2.text();
    c.CalctheSpan = f.CalctheSpan.checked();
    for (int i = 0; i < static_cast<int>(c.Areas.size()); ++i) {
        c.Areas[static_cast<std::size_t>(i)] = f.Areas(i).checked();
    }
}

void readOptions(Form1& f, beam::BeamCriteria& c)
{
    c.SimpleSpanbutton = f.SimpleSpanbutton.value();
    c.OHbutton = f.OHbutton.value();
    c.IncButton = f.IncButton.value();
    c.Multibutton = f.Multibutton.value();
    c.TwoSpan = f.TwoSpan.value();
    c.ThreeSpan = f.ThreeSpan.value();

    for (int i = 0; i < static_cast<int>(c.group.size()); ++i) {
        c.group[static_cast<std::size_t>(i)] = f.group(i).value();
    }
    c.SpeciesListIndex = f.Combo1.listIndex();

    c.WFbutton = f.WFbutton.value();
    c.SFbutton = f.SFbutton.value();
    c.CFbutton = f.CFbutton.value();
    c.MCbutton = f.MCbutton.value();
    c.TUbutton = f.TUbutton.value();
    c.PLbutton = f.PLbutton.value();
    c.DblPLbutton = f.DblPLbutton.value();
    c.ksi50 = f.ksi50.checked();

    c.Wet = f.Wet.checked();
    c.Incised = f.Incised.checked();
    c.Rep = f.Rep.checked();
    c.Ctr0 = f.Ctr0.value();
    c.Ctr12 = f.Ctr12.value();
    c.Ctr16 = f.Ctr16.value();
    c.Ctr19 = f.Ctr19.value();
    c.ctr24 = f.ctr24.value();
    c.Roofbutton = f.Roofbutton.checked();
    c.Reducechk = f.Reducechk.checked();
    c.INGRADE = f.INGRADE.checked();
    c.NoWeight = f.NoWeight.checked();
}

} // namespace

beam::BeamCriteria readBeamCriteria(Program& program)
{
    beam::BeamCriteria criteria;
    readBoxes(program.form1, criteria);
    readOptions(program.form1, criteria);
    criteria.Roundoption = criteria.group[8] && program.form2.loaded() && program.form2.Roundoption.value();

    const SharedState& s = program.state;
    criteria.NDS1997 = s.NDS1997;
    criteria.NDS2001 = s.NDS2001;
    criteria.NDS2005 = s.NDS2005;
    criteria.NDS2012 = s.NDS2012;
    criteria.NDS2015 = s.NDS2015;
    criteria.NDS2018 = s.NDS2018;
    return criteria;
}

} // namespace app
