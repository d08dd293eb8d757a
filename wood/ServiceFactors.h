// The wet service factors CM and the incising factors Ci of the tested member.
#pragma once

#include <array>
#include <string_view>

namespace wood
{

struct WetServiceRow
{
    std::string_view BreadthClass;
    double Fb, Fv, FcPerp, E;
};
extern const std::array<WetServiceRow, 4> WetServiceTable;

struct IncisingRow
{
    double Fb, E, Fv;
};
struct IncisingFactorSets
{
    IncisingRow nds1997;
    IncisingRow later; // every other edition
};
extern const IncisingFactorSets IncisingFactors;

struct ServiceFactorInput
{
    std::string_view BreadthClass;
    float Fb = 0; // psi
    float CF = 0;
    bool wet = false;          // Form1.Wet, read at the test
    bool southernPine = false; // Form1.group(5)
    bool incised = false;      // IncisedOption
    bool nds1997 = false;
};

struct ServiceFactors
{
    float CmFb = 1, CmFv = 1, CmFcPerp = 1, CmE = 1;
    float CiFb = 1, CiE = 1, CiFv = 1;
};

ServiceFactors serviceFactors(const ServiceFactorInput& input);

} // namespace wood
