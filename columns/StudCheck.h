// The wind-loaded stud check after its entry steps: loads per stud, the wind moment over 201 stations,
// size, duration and repetitive factors, column stability, the allowable axial load, the combined
// stress ratio and Euler bending value. Plain code over StudResults and StudStationTable; the stud
// frame of Form18 reads the boxes, runs the entry steps and shows what this returns.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace columns
{

// The values of the last stud check, written step by step and kept until the next check overwrites
// them; the stud wall data record shows them.
struct StudResults
{
    float StudSpacingFt = 0;       // ft; 1 when the spacing box was empty or 0
    std::int16_t StudCrOn = 0;     // -1: repetitive use factor ticked
    std::int16_t StudIBCCr = 0;    // -1: special IBC factor ticked (0 once refused)
    float StudPointP = 0;          // lb
    float StudPLFLoad = 0;         // lb, the wall load carried by one stud
    float StudTotalP = 0;          // lb
    float StudMmax = 0;            // ft-lb, the largest wind moment of the station table
    float StudCFb = 0;             // size factor of Fb
    float StudCFc = 0;             // size factor of Fc
    float StudFcCF = 0;            // psi, Fc x CF
    float StudCdWind = 0;          // load duration factor of the wind
    float StudCdAxial = 0;         // load duration factor of the axial loads
    float StudCr = 0;              // repetitive factor of the IBC path only
    float StudFbAdj = 0;           // psi, Fb'
    float StudArea = 0;            // in^2
    float StudLeD = 0;             // le/d
    float StudFcE = 0;             // psi
    float StudCp = 0;              // column stability factor
    float StudAllowP = 0;          // lb, Fc x CF x Cp x Cd x A
    float StudActualFc = 0;        // psi
    float StudFcAdj = 0;           // psi, Fc'
    float StudS = 0;               // in^3
    float StudActualFb = 0;        // psi
    float StudInteraction = 0;     // combined stress ratio; not formed when fc reaches FcE
    float StudRB = 0;              // slenderness of the bending member
    float StudFbE = 0;             // psi
    bool StudFcReachesFcE = false; // fc >= FcE: the stud buckles, the interaction means nothing
    bool StudCompleted = false;    // the last check reached its status
    bool StudFails = false;        // the status of that check
};

// 201 stations by 5 columns: x (ft), the moments of wind loads A, B, C and the net moment (ft-lb).
constexpr int StudStationCount = 201;
using StudStationTable = std::array<std::array<float, 5>, StudStationCount>;

// What the stud check keeps between checks: its results and its station table.
struct StudState
{
    StudResults results;
    StudStationTable table{};
};

// Stud breadths and depths by list position, in.
constexpr std::array<double, 6> StudBreadths{1.5, 2.5, 3.5, 3.0, 4.5, 6.0};
constexpr std::array<double, 3> StudDepths{3.5, 5.5, 7.25};

struct StudWindLoad
{
    double psf = 0;
    double beg = 0; // ft from the foot of the stud
    double end = 0;
};

// The entries the design steps read, as numbers.
struct StudDesignInput
{
    double heightFt = 0;
    double plf = 0;    // axial load along the wall, lb per ft
    double pointP = 0; // lb
    std::array<StudWindLoad, 3> wind{};
    double Fb = 0;
    double Fc = 0;
    double E = 0; // millions of psi
    int breadthIndex = -1;
    int depthIndex = -1;
    bool studGrade = false;
    bool ibc = false; // both repetitive options ticked
    double cdAxial = 0;
    double cdWind = 0;
    bool eminEditions = false; // NDS 2005 or later
};

enum class StudStop
{
    None,
    BegAfterEnd,    // a load begins beyond its end
    BegAboveHeight, // a load begins above the stud
    EndAboveHeight, // a load ends above the stud
    StudGradeDeep   // Stud grade at 7.25 in.
};

// Runs the design steps into results and table. Stops early with the stop's reason; onIbcRefused runs
// when the special IBC factor does not apply to the breadth, before the check goes on. Arithmetic
// failures raise run-time errors with what was written so far left in results.
StudStop runStudDesign(const StudDesignInput& in, StudResults& results, StudStationTable& table,
                       const std::function<void()>& onIbcRefused);

// The wind moment of the partial uniform loads (psf x spacing = lb per ft of stud) on a simply supported
// stud, station by station; returns the largest moment of all stations.
float buildStudMoments(double heightFt, const std::array<StudWindLoad, 3>& wind, double spacingFt,
                       StudStationTable& table);

// The column stability factor of sawn lumber (c = 0.8) for FcE / Fc*.
double studCp(double ratio);

} // namespace columns
