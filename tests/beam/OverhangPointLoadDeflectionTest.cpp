// The tip deflection of an overhang under a point load anywhere on it. Expected values come from
// Maxwell's reciprocity: a load P at a from R2 moves the tip as much as P at the tip moves the point a,
// which is P a (2 c L + 3 c a - a^2) / 6EI for backspan L and overhang c. EI = 1e8 lb in^2.
#include "FakeBeamUi.h"
#include "beam/CalcDeflection.h"

#include <gtest/gtest.h>
#include <string>

namespace beam
{
namespace
{

constexpr double EI = 1e8; // E' 1.0 million psi, I 100 in^4

double tipUnderPointLoad(double P, double aIn, double LIn, double cIn)
{
    return P * aIn * (2 * cIn * LIn + 3 * cIn * aIn - aIn * aIn) / (6 * EI);
}

// Backspan 10 ft, overhang 4 ft; F carries 1000 lb total and 400 lb live at the distance of the case.
// The overhang's length is set by an unloaded distance of G at the tip, as the entry checks allow.
TEST(OverhangPointLoadDeflection, TipDeflectionHoldsWhereverTheLoadStands)
{
    const double Li = 120, ci = 48;
    for (const double aFt : {4.0, 2.0, 1.0, 0.5}) {
        SCOPED_TRACE(testing::Message() << "F at " << aFt << " ft from R2");
        BeamCriteria criteria;
        criteria.SimpleSpanbutton = false;
        criteria.OHbutton = true;
        criteria.Span = "10";
        criteria.PT[4] = "1000";
        criteria.LPT[4] = "400";
        criteria.DIS[4] = std::to_string(aFt);
        criteria.DIS[5] = "4";
        BeamState state;
        state.member.SpanLength = 10;
        state.member.OHLength = 4;
        state.member.EAdj = 1.0f;
        state.member.MomentOfInertia = 100;
        test::FakeBeamUi ui;
        CalcDeflection(criteria, state, ui);
        const DeflectionResults& d = state.deflection;
        ASSERT_TRUE(ui.messages.empty());

        const double total = tipUnderPointLoad(1000, 12 * aFt, Li, ci);
        const double live = tipUnderPointLoad(400, 12 * aFt, Li, ci);
        // Results are Singles: 6 significant digits. The dead part creeps by 1.5 in dry service.
        EXPECT_NEAR(d.OHLLDefl, live, 2e-6 * live);
        EXPECT_NEAR(d.OHTLDefl, live + (total - live) * 1.5, 2e-6 * total * 1.5);
        EXPECT_NEAR(d.OHLLDeflRatio, 2 * ci / live, 2e-6 * 2 * ci / live);
    }
}

} // namespace
} // namespace beam
