// The SCL beam test: one size of the chosen SCL product against the beam of the latest
// "OK Calculate", leaving every result in the shared beam state for the report.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

#include <string>

namespace app
{
class Program;
}

namespace scl
{

// What the test reads of the custom values form: the product's list index and the box texts.
struct SCLTestEntry
{
    int product = -1;
    std::string breadth;  // Text6
    std::string depth;    // Text7
    std::string Fb;       // Text1
    std::string Fv;       // Text2
    std::string FcPerp;   // Text3
    std::string E;        // Text4
    std::string exponent; // Text8
};

enum class SCLTestOutcome
{
    Completed,
    BreadthRefused,  // focus to the breadth box
    DepthRefused,    // focus to the depth box
    ExponentRefused, // focus to the exponent box
    ZeroValue,
    Error
};

constexpr const char* SCLBreadthMessage =
    "Please check Breadth entry for proper format and correct beam breadth. Add a hyphen before fractions "
    "with no spaces and add a small 'x' to breadth without a space.";
constexpr const char* SCLDepthMessage =
    "Please enter the SCL beam depth in inches, with a hyphen before any fraction and no spaces, "
    "such as 11-7/8.";
constexpr const char* SCLExponentMessage =
    "Please enter a numeric value that is less than one for the Cf value.\r\rIf the Cf (12/d) exponent is "
    "given in the manufacturer's literature as a fraction, divide the fraction and enter the decimal "
    "equivalent. ";
constexpr const char* SCLZeroValueMessage = "Calc module, zero value error!";
constexpr const char* SCLErrorMessage = "LVL Calc Error";

// The member class the stability constants of an SCL member are keyed on.
constexpr const char* SCLBreadthClass = "SCL";

// The test over typed inputs: messages go through ui, the caller moves the focus by the outcome.
SCLTestOutcome sclBeamTest(const SCLTestEntry& entry, const beam::BeamCriteria& criteria,
                           beam::BeamState& state, beam::BeamUi& ui);

// The load-condition factor KL of a volume-factor product: only NDS 1997 knows it.
double sclLoadingConditionFactor(const beam::BeamCriteria& criteria, const beam::AppliedLoads& loads);

// Fb' from Cr Fb Cd and the lesser of the two stability factors: CV products the lesser of CL and CV,
// the others CF x CL from a CF of 1 up, else the lesser of CL and CF.
float sclAdjustedBendingValue(const beam::MemberUnderTest& member, const beam::StabilityResults& stability);

// Tests the size on Form2; true only when the test ran through its checks.
bool LVLCalc(app::Program& program);

} // namespace scl
