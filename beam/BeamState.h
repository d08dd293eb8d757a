// The shared beam values: what "OK Calculate" leaves for the member tests, what each member test
// sets before it runs the shared checks, and what those checks leave for the report and data record.
// The application object owns one BeamState; every procedure takes it by reference.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace beam
{

constexpr int StationCount = 201;   // stations 0..200 along the span (backspan)
constexpr int StationRowCount = 25; // rows 0..24, see StationRow
constexpr int PointLoadCount = 6;   // loads B..G
constexpr int PartialLoadCount = 5; // loads H..L

// Rows of the station table. Term rows hold one load each: point load k in PointMoment + k and
// PointShear + k, partial load j in PartialMoment + j and PartialShear + j.
namespace StationRow
{
constexpr int X = 0;
constexpr int PointMoment = 1;
constexpr int PartialMoment = 7;
constexpr int Moment = 12;
constexpr int PointShear = 13;
constexpr int PartialShear = 19;
constexpr int Shear = 24;
} // namespace StationRow

// StationTable[i][r]: station i (x = L / 200 * i from R1), row r. Single precision, as the table has
// always been kept; only rows X and Moment are read back.
using StationTableArray = std::array<std::array<float, StationRowCount>, StationCount>;

// Flags of one "OK Calculate" and the options it captures (16-bit, -1 true, 0 false).
struct CalcFlags
{
    std::int16_t RefillGuard = 0;        // criteria were just loaded: load boxes skip ClearSelection
    std::int16_t ChangeGuard = 0;        // the program itself writes the criteria form
    std::int16_t CriteriaLoadedFlag = 0; // set by the criteria file load, cleared at the hand-off
    std::int16_t IncisedOption = 0;
    std::int16_t NoSelfWeight = 0;
    std::int16_t PresizingDone = 0; // the wood selection form re-sizes its quick picks while 0
    std::int16_t PretestMode = 0;   // -1: a silent size test of a quick-pick search; nothing is shown
    std::int16_t SteelBeamFlag = 0;
    std::int16_t DataRecordLoaded = 0;
    std::int16_t ContinuousGLB = 0;
    std::int16_t LoadsMultiplied = 0; // the load boxes may hold slope/spacing-adjusted loads
    std::int16_t QuickpickMore = 0;   // steel selection form shows its second page
    // Custom lumber kinds chosen on the custom values form; "OK Calculate" clears them for every
    // other species group, so a stale choice cannot reach a sawn, glu-lam or SCL member.
    std::int16_t MSRFlag = 0;
    std::int16_t MELFlag = 0;
    std::int16_t CustomSoPineFlag = 0;
};

// Applied loads of the latest "OK Calculate", without self weight (lb, plf, ft-lb, ft).
struct AppliedLoads
{
    float PTTotal = 0;
    float LPTTotal = 0;
    float PARTotal = 0;
    float LPARTotal = 0;
    float TotalAppliedLoad = 0;
    float TotalLiveLoad = 0;

    float R1Loads = 0;
    float R2Loads = 0; // on a continuous beam: the first interior support
    float R1LL = 0;
    float R2LL = 0;

    float MomentLoads = 0; // governing moment of the applied loads
    float MaxMomentLoads = 0;
    float MaxMomentLoadsX = 0;
    float OHMomentLoads = 0; // support moment at R2 of the overhang loads
    float NegMomentX = 0;

    StationTableArray StationTable{};

    // Hip and valley loads, written by the hip and valley calculator of the criteria form.
    float IncTLTotal = 0;
    float IncLLTotal = 0;

    float SlopeFactor = 1.0f; // dead-load multiplier for roof slope (hips: set by the calculator)
    float UNIFEntered = 0;    // UNIF before the slope adjustment
    std::array<float, PartialLoadCount> PAREntered{}; // PAR(0..4) before the slope adjustment
    float SelfWeightFactor = 0.243f; // plf per in^2 of section: wood 0.243, steel 1.0, SCL per product
};

// The member under test: set by the wood, SCL and steel size tests before the shared checks.
struct MemberUnderTest
{
    float SpanLength = 0; // ft; backspan of an overhanging beam
    float OHLength = 0;   // ft; also written by "OK Calculate" for an overhanging beam
    float UnifTL = 0;     // plf
    float UnifLL = 0;     // plf
    std::array<float, PartialLoadCount> PartialLoadBegin{}; // ft; 3..4 measured from R2
    std::array<float, PartialLoadCount> PartialLoadEnd{};

    float BeamBreadth = 0;     // in
    float BeamDepth = 0;       // in
    std::string BreadthClass;  // "2x", "4x", "6x" or "GLB"
    float SectionModulus = 0;  // in^3
    float ShearArea = 0;       // in^2
    float MomentOfInertia = 0; // in^4
    float SelfWeight = 0;      // plf

    float R1TL = 0; // lb, with self weight
    float R2TL = 0;
    float MaxMoment = 0; // ft-lb, with self weight
    float OHMoment = 0;

    float Fb = 0;
    float Fv = 0;
    float E = 0;
    float CF = 1.0f;
    float Cr = 1.0f;
    float Cd = 1.0f;
    float CmFb = 1.0f;
    float CiFb = 1.0f;
    float FbStar = 0; // Fb with every factor but the beam stability factor
    float FbAdj = 0;
    float FvAdj = 0;
    float EAdj = 0; // million psi
    std::int16_t CVGoverns = 0;

    float NextSmallerDepth = 0; // in; 0 when the tested depth is the smallest of its ladder
    float CFSmaller = 1.0f;     // size factor (volume factor when CVGoverns) of the next smaller depth

    // Wood members: the rest of what one size test leaves for the report, the data record and the
    // searches.
    std::string NextLargerLabel;  // nominal depth text one step up; empty at the top of the ladder
    std::string NextSmallerLabel; // nominal depth text one step down; empty when there is none
    double FormFactor = 1.0;      // round timbers under the older editions: 1.18
    std::int16_t FcPerp = 0;      // psi
    float FcPerpAdj = 0;          // psi
    float CmFv = 1.0f;            // wet service factors
    float CmFcPerp = 1.0f;
    float CmE = 1.0f;
    float CiE = 1.0f; // incising factors
    float CiFv = 1.0f;
    float CV = 1.0f;                                   // volume factor of a glu-lam, never above 1
    std::array<float, PointLoadCount> PointLoadDist{}; // ft
    float BeamWeight = 0;                              // lb, the whole member
    float TotalBeamLoad = 0;                           // lb, applied load and self weight
};

// Deflections of the tested member, in inches; ratios are the x of L/x.
struct DeflectionResults
{
    float TLDefl = 0;
    float TLDeflAllow = 0;
    float TLDeflRatio = 0;
    float LLDefl = 0;
    float LLDeflAllow = 0;
    float LLDeflRatio = 0;
    std::int16_t LLDeflCheck = 0;
    float OHTLDefl = 0;
    float OHTLDeflAllow = 0;
    float OHTLDeflRatio = 0;
    float OHLLDefl = 0;
    float OHLLDeflAllow = 0;
    float OHLLDeflRatio = 0;
    std::int16_t OHLLDeflCheck = 0;
    float DLDefl = 0;
    float OHDLDefl = 0;
    float CreepFactor = 1.5f;
};

// Bending and shear of the tested member.
struct ShearResults
{
    float SectionModulusReq = 0; // in^3
    float ShearV = 0;            // lb
    float ShearVReduced = 0;     // lb
    float ShearStress = 0;       // psi
    float ShearAreaReq = 0;      // in^2
};

// Beam stability of the tested member: main span and overhang (cantilever). Lengths in inches.
struct StabilityResults
{
    float SpanLu = 0;
    float SpanLe = 0;
    double SpanRB = 0;
    std::int16_t SpanRBOver50 = 0;
    float SpanKbE = 0;
    float SpanCL = 1.0f;
    float CantLu = 0;
    float CantLe = 0;
    double CantRB = 0;
    std::int16_t CantRBOver50 = 0;
    float CantKbE = 0;
    float CantCL = 1.0f;
};

// The next smaller depth of the tested member.
struct NextSmallerResults
{
    std::int16_t NextSmallerOK = 0;
    float FbAdjSmaller = 0; // first Fb* of the smaller depth, then its Fb'
    float SmallerSpanCL = 1.0f;
    float SmallerCantCL = 1.0f;
};

// What the report fill decides itself (the no-splits shear case of NDS 1997), which the data record
// prints.
struct ReportValues
{
    std::int16_t NoSplitsOK = 0; // -1: the member passes shear only when specified with no splits
    float FvNoSplits = 0;        // psi, twice FvAdj
};

// The bending values of the selection form's grade columns, Fb in psi: SpeciesFbTable[slot][block].
using SpeciesFbTableArray = std::array<std::array<std::int16_t, 8>, 10>;

struct BeamState
{
    CalcFlags flags;
    AppliedLoads loads;
    MemberUnderTest member;
    DeflectionResults deflection;
    ShearResults shear;
    StabilityResults stability;
    NextSmallerResults smaller;
    ReportValues report;
    SpeciesFbTableArray SpeciesFbTable{}; // filled by each pre-sizing of the selection form
};

} // namespace beam
