// Self weight, moments, reactions, shear and the unbraced length rule of one steel size.
#include "steel/SteelSizeCheck.h"

#include "beam/OverhangSelfWeight.h"
#include "beam/TReac.h"
#include "platform/core/Number.h"

#include <algorithm>

namespace steel
{

namespace num = platform::num;

Family chosenFamily(const beam::BeamCriteria& c)
{
    if (c.WFbutton) {
        return Family::W;
    }
    if (c.SFbutton) {
        return Family::S;
    }
    if (c.CFbutton) {
        return Family::C;
    }
    if (c.MCbutton) {
        return Family::MC;
    }
    if (c.TUbutton) {
        return Family::Tube;
    }
    if (c.PLbutton) {
        return Family::Plate;
    }
    if (c.DblPLbutton) {
        return Family::DoublePlate;
    }
    return Family::None;
}

// 0.66 Fy, 0.60 Fy and 0.40 Fy; tubes are 46 ksi unless 50 ksi is chosen and take 0.60 Fy throughout;
// plates take 0.66 Fy whatever the bracing.
Allowables allowables(Family family, bool ksi50)
{
    if (isTube(family)) {
        return ksi50 ? Allowables{50000, 30000, 0, 20000} : Allowables{46000, 27600, 0, 18400};
    }
    if (isPlate(family)) {
        return ksi50 ? Allowables{50000, 33000, 0, 20000} : Allowables{36000, 23760, 0, 14400};
    }
    return ksi50 ? Allowables{50000, 33000, 30000, 20000} : Allowables{36000, 23760, 21600, 14400};
}

void setupConstants(bool tube, bool ksi50, SteelSetup& setup)
{
    if (tube) {
        setup.StlFbLc = ksi50 ? 30000.0f : 27600.0f;
        setup.StlFbLu = ksi50 ? 30000 : 27600;
        setup.StlFvAllow = ksi50 ? 20000 : 18400;
    } else {
        setup.StlFbLc = ksi50 ? 33000.0f : 23760.0f;
        setup.StlFbLu = ksi50 ? 30000 : 21600;
        setup.StlFvAllow = ksi50 ? 20000 : 14400;
    }
}

// An unbraced overhang is not made braced by "Any" in the span's box: taking Lb as 0 there would give
// an unbraced cantilever 0.66 Fy, or pass a shape whose Lu is shorter than the overhang's length.
float unbracedLength(const beam::BeamCriteria& c)
{
    const double span = beam::boxValue(c.UBLtext);
    const double overhang = beam::boxValue(c.CantUBLtext);
    if (c.UBLtext == "Any") {
        return c.OHbutton ? num::toSingle(overhang) : 0.0f;
    }
    if (c.OHbutton && overhang > span) {
        return num::toSingle(overhang);
    }
    return num::toSingle(span);
}

SizeContext makeContext(const beam::BeamCriteria& criteria, const beam::BeamState& beam,
                        const SteelSetup& setup)
{
    SizeContext context{criteria, beam.loads, setup};
    context.SpanLength = beam.member.SpanLength;
    context.OHLength = beam.member.OHLength;
    context.PartialLoadEnd3 = beam.member.PartialLoadEnd[3];
    context.PartialLoadEnd4 = beam.member.PartialLoadEnd[4];
    context.noSelfWeight = beam.flags.NoSelfWeight == -1;
    context.family = chosenFamily(criteria);
    context.ksi50 = criteria.ksi50;
    readCriteriaBoxes(context);
    return context;
}

void readCriteriaBoxes(SizeContext& x)
{
    const beam::BeamCriteria& c = x.criteria;
    x.overhangLoads = beam::boxValue(c.PAR[3]) * (x.PartialLoadEnd3 - beam::boxValue(c.BEGP[3])) +
                      beam::boxValue(c.PT[5]) + beam::boxValue(c.PT[4]) +
                      beam::boxValue(c.PAR[4]) * (x.PartialLoadEnd4 - beam::boxValue(c.BEGP[4]));
    x.spanBox = beam::boxValue(c.Span);
    x.unifBox = beam::boxValue(c.UNIF);
}

// On an overhanging beam the span moment takes the self weight station by station and the support
// moment takes it over the whole overhang; the section must carry the larger of the two, whichever
// governs.
SizeLoads sizeLoads(const SizeContext& x, float weightPerFoot)
{
    const beam::BeamCriteria& c = x.criteria;
    const beam::AppliedLoads& loads = x.loads;
    SizeLoads s;
    s.SelfWeight = x.noSelfWeight ? 0.0f : weightPerFoot;
    const double w = s.SelfWeight;
    const double L = x.SpanLength;
    const double a = x.OHLength;
    s.BeamWeight = num::toSingle((a + L) * w);
    double moment = 0;
    if (c.OHbutton) {
        moment = beam::overhangMomentWithSelfWeight(loads, w, L, a);
    } else if (c.continuousTwoSpans()) {
        moment = loads.MomentLoads + 0.125 * w * L * L;
    } else if (c.continuousThreeSpans()) {
        moment = loads.MomentLoads + 0.1 * w * L * L;
    } else {
        moment = loads.MomentLoads + w * L * L / 8;
    }
    s.MaxMoment = num::toSingle(moment);
    s.OHMoment = num::toSingle(loads.OHMomentLoads + w * a * a / 2);
    s.TotalBeamLoad = num::toSingle(double{loads.TotalAppliedLoad} + s.BeamWeight);
    s.R1TL = num::toSingle(beam::r1WithSelfWeight(c, loads, w, L, a));
    s.R2TL = num::toSingle(beam::r2WithSelfWeight(c, loads, w, L, a));
    const double governing = c.OHbutton ? std::max(s.MaxMoment, s.OHMoment) : s.MaxMoment;
    s.S66 = num::toSingle(num::div(governing * 12, x.setup.StlFbLc));
    s.S60 = num::toSingle(num::div(governing * 12, x.setup.StlFbLu));
    return s;
}

DesignShear designShear(const SizeContext& x, const SizeLoads& s)
{
    const beam::BeamCriteria& c = x.criteria;
    DesignShear d;
    double v = 0;
    if (c.OHbutton) {
        const double ohShear = x.overhangLoads + double{x.OHLength} * s.SelfWeight;
        d.OHShear = num::toSingle(ohShear);
        const double r1 = s.R1TL;
        const double backspan = double{s.R2TL} - d.OHShear;
        if (backspan <= r1 && d.OHShear <= r1) {
            v = r1;
        } else if (backspan >= d.OHShear) {
            v = backspan;
        } else {
            v = d.OHShear;
        }
    } else if (c.continuousTwoSpans()) {
        v = s.R2TL / 2.0;
    } else if (c.continuousThreeSpans()) {
        v = 0.6 * (x.spanBox * x.unifBox + double{s.SelfWeight} * x.spanBox);
    } else {
        v = s.R1TL >= s.R2TL ? s.R1TL : s.R2TL;
    }
    d.V = num::toSingle(v);
    return d;
}

BendingCase bendingCaseOfCheck(Family family, float Lb, float Lc, float Lu)
{
    if (isTube(family) || isPlate(family)) {
        return BendingCase::Lc;
    }
    if (Lb <= Lc && Lc > 0) {
        return BendingCase::Lc;
    }
    if (Lb <= Lu) {
        return BendingCase::Lu;
    }
    return BendingCase::TooLarge;
}

float rowLc(const SteelTable& table, int row, bool ksi50)
{
    return num::toSingle(table.number(row, ksi50 ? Col::Lc50 : Col::Lc36));
}

float rowLu(const SteelTable& table, int row, bool ksi50)
{
    return num::toSingle(table.number(row, ksi50 ? Col::Lu50 : Col::Lu36));
}

} // namespace steel
