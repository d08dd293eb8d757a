// The quantities of one steel size against the current beam, shared by the check of a typed size,
// the check of a stepped size and the quick-pick search, so that all three agree.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "steel/SteelState.h"
#include "steel/SteelTable.h"

#include <cstdint>

namespace steel
{

enum class Family
{
    W,
    S,
    C,
    MC,
    Tube,
    Plate,
    DoublePlate,
    None
};

// The chosen family, tested W, S, C, MC, tube, plate, double plate.
Family chosenFamily(const beam::BeamCriteria& criteria);
inline bool isTube(Family f)
{
    return f == Family::Tube;
}
inline bool isPlate(Family f)
{
    return f == Family::Plate || f == Family::DoublePlate;
}

// Yield stress and the allowable stresses of a size, by grade and family (psi).
struct Allowables
{
    float Fy = 0;
    float FbLcCase = 0; // tubes and plates: always
    float FbLuCase = 0; // W, S, C and MC only
    float FvAdj = 0;
};
Allowables allowables(Family family, bool ksi50);

// The setup's divisors and allowable shear: tubes take 0.60 Fy in both cases.
void setupConstants(bool tube, bool ksi50, SteelSetup& setup);

// Lb: "Any" braces a simple span fully; on an overhanging beam the longer of the two lengths governs,
// and "Any" in the span box leaves the overhang's own length.
float unbracedLength(const beam::BeamCriteria& criteria);

// Everything the checks read besides the table row.
struct SizeContext
{
    const beam::BeamCriteria& criteria;
    const beam::AppliedLoads& loads;
    const SteelSetup& setup;
    float SpanLength = 0;
    float OHLength = 0;
    float PartialLoadEnd3 = 0;
    float PartialLoadEnd4 = 0;
    bool noSelfWeight = false;
    Family family = Family::W;
    bool ksi50 = false;
    // Criteria boxes, read once for all the sizes of a search.
    double overhangLoads = 0; // lb: PT(4), PT(5) and PAR(3), PAR(4) over their loaded lengths
    double spanBox = 0;       // ft, Val(Span)
    double unifBox = 0;       // plf, Val(UNIF)
};
SizeContext makeContext(const beam::BeamCriteria& criteria, const beam::BeamState& beam,
                        const SteelSetup& setup);
// Reads the criteria boxes of a context whose lengths are set.
void readCriteriaBoxes(SizeContext& context);

// Self weight, moments, reactions and loads of a size of weight T(row, 5).
struct SizeLoads
{
    float SelfWeight = 0;
    float BeamWeight = 0;
    float MaxMoment = 0; // span moment with self weight
    float OHMoment = 0;  // support moment at R2 with self weight
    float TotalBeamLoad = 0;
    float R1TL = 0;
    float R2TL = 0;
    float S66 = 0; // required section modulus, Lc case (in^3)
    float S60 = 0; // Lu case
};
SizeLoads sizeLoads(const SizeContext& context, float weightPerFoot);

// Design shear of the size: OHShear is 0 without an overhang.
struct DesignShear
{
    float OHShear = 0;
    float V = 0;
};
DesignShear designShear(const SizeContext& context, const SizeLoads& loads);

// The unbraced length rule of the check of one size: which allowable bending stress it takes.
enum class BendingCase
{
    Lc,
    Lu,
    TooLarge
};
BendingCase bendingCaseOfCheck(Family family, float Lb, float Lc, float Lu);

// The Lc and Lu of a row at the chosen grade.
float rowLc(const SteelTable& table, int row, bool ksi50);
float rowLu(const SteelTable& table, int row, bool ksi50);

} // namespace steel
