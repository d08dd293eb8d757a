// The quick-pick walks. From its starting depth a button walks down while the next smaller depth also
// passes, or up while the depth fails, within fixed limits per sweep. A test that ends early (a
// refusal, the zero-value stop, a trapped error) leaves the results of the test before; the walks count
// it as failing rather than judge those stale results.
#include "wood/QuickPickSearch.h"

#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "scl/Form2.h"
#include "wood/CalcWoodBeam.h"
#include "wood/DepthWalk.h"
#include "wood/Form3.h"

namespace wood
{

bool passesFullCheck(const beam::BeamState& state, bool doubledShear)
{
    const bool doubled = doubledShear && state.member.BreadthClass != "GLB";
    return PassesFullCheck(state, doubled ? ShearRule::AtTwiceFvAdj : ShearRule::AtFvAdj);
}

std::string walkButton(const std::string& start, const SweepLimits& limits,
                       const std::function<DepthOutcome(const std::string& depth)>& test)
{
    if (start.empty()) {
        return start;
    }
    std::string caption = start;
    DepthOutcome outcome = test(caption);

    if (outcome.completed && outcome.smallerPasses) {
        for (int step = 1; step <= limits.stepsDown; ++step) {
            const std::string above = caption;
            caption = outcome.NextSmallerLabel;
            // After the last allowed step the depth stands on its neighbour's next-smaller check.
            if (caption.empty() || step == limits.stepsDown) {
                return caption;
            }
            outcome = test(caption);
            if (!outcome.completed) {
                return above;
            }
            if (!outcome.smallerPasses) {
                return caption;
            }
        }
        return caption;
    }

    int checks = 0;
    const auto passes = [&](const DepthOutcome& o) {
        const bool doubled = checks++ < limits.doubledShearChecks;
        return o.completed && (doubled ? o.passesDoubled : o.passes);
    };
    if (passes(outcome)) {
        return caption;
    }
    for (int larger = 1; larger <= limits.largerDepths; ++larger) {
        caption = outcome.completed ? outcome.NextLargerLabel : std::string{};
        if (caption.empty()) {
            return caption;
        }
        outcome = test(caption);
        if (passes(outcome)) {
            return caption;
        }
    }
    // The depth after the last failing one is shown untested; pressed, it is tested in full.
    return outcome.completed ? outcome.NextLargerLabel : std::string{};
}

namespace
{

DepthOutcome outcomeOf(const beam::BeamState& state, bool completed)
{
    DepthOutcome o;
    o.completed = completed;
    if (!completed) {
        return o;
    }
    const beam::MemberUnderTest& m = state.member;
    o.smallerPasses = m.NextSmallerDepth > 0 && state.smaller.NextSmallerOK == -1;
    o.passes = passesFullCheck(state, false);
    o.passesDoubled = passesFullCheck(state, true);
    o.NextSmallerLabel = m.NextSmallerLabel;
    o.NextLargerLabel = m.NextLargerLabel;
    return o;
}

struct Sweep
{
    int first;
    int last;
    SweepLimits limits;
};

} // namespace

void SearchQuickPickSizes(app::Program& program)
{
    wood::Form3& f3 = program.form3;
    // Twice Fv' is the NDS 1997 allowance for timbers without splits; the later editions have none.
    const int doubled = program.state.NDS1997 == -1 ? 3 : 0;
    const Sweep sweeps[] = {{0, 23, {11, 11, 0}}, {34, 41, {7, 9, doubled}}, {24, 33, {10, 8, doubled}}};
    for (const Sweep& sweep : sweeps) {
        for (int i = sweep.first; i <= sweep.last; ++i) {
            platform::CommandButton& button = f3.ht[i];
            const auto test = [&](const std::string& depth) {
                button.setCaption(depth);
                button.setValue(true); // the button's click fills the size boxes
                return outcomeOf(program.beam, CalcWoodBeam(program));
            };
            button.setCaption(walkButton(button.caption(), sweep.limits, test));
        }
    }
}

void SearchGluLamSizes(app::Program& program)
{
    scl::Form2& f2 = program.form2;
    if (!f2.WidGLB.value()) {
        return;
    }
    const SweepLimits limits{4, 10, 0};
    for (int i = 0; i <= 4; ++i) {
        platform::CommandButton& button = f2.ButG[i];
        const auto test = [&](const std::string& depth) {
            button.setCaption(depth);
            f2.Text6.setText(f2.LabG[i].caption());
            f2.Text7.setText(depth);
            program.beam.flags.PretestMode = -1;
            return outcomeOf(program.beam, CalcWoodBeam(program));
        };
        button.setCaption(walkButton(button.caption(), limits, test));
    }
}

} // namespace wood
