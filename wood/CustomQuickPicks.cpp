// Starting depths and the smallest passing depth search of the custom values form's quick picks.
#include "wood/CustomQuickPicks.h"

#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "scl/Form2.h"
#include "wood/CustomDepthTest.h"
#include "wood/Form3.h"
#include "wood/GluLamHeaderButtons.h"
#include "wood/QuickPickSearch.h"

#include <array>
#include <initializer_list>

namespace wood
{

namespace
{

// The custom dimension and timber walk: three steps down at most, four larger depths tested. Twice Fv'
// passes shear only where the report accepts it, under the no-splits rule of NDS 1997; a walk makes at
// most five full checks.
SweepLimits customLimits(const app::Program& program)
{
    return SweepLimits{3, 4, program.state.NDS1997 == -1 ? 5 : 0};
}

// Every caption (or estimate) the member class considers is empty: the form says so in its notice.
void showNoticeRule(app::Program& program, bool anyDepth)
{
    if (anyDepth) {
        program.form2.Label16.setCaption("");
        return;
    }
    program.form3.hide();
    program.form2.Label16.setCaption(NoDepthsNotice);
}

void empty(std::initializer_list<platform::CommandButton*> buttons)
{
    for (platform::CommandButton* button : buttons) {
        button->setCaption("");
    }
}

// Captions buttons from estimates and tells whether any of them had one.
bool captionFromEstimates(std::initializer_list<std::pair<platform::CommandButton*, float>> buttons)
{
    bool any = false;
    for (const auto& [button, estimate] : buttons) {
        button->setCaption(DecimalCaption(estimate));
        any = any || estimate != 0;
    }
    return any;
}

void captionGluLams(app::Program& program, const ButtonValues& depthEstimate)
{
    scl::Form2& f2 = program.form2;
    const GluLamSeries series = f2.SPG.checked() ? GluLamSeries::ThreeEighths : GluLamSeries::OneAndHalf;
    bool any = false;
    for (int k = 0; k <= 4; ++k) {
        const std::string caption =
            GluLamNominalCaption(depthEstimate[static_cast<std::size_t>(24 + k)], series);
        f2.ButG(k).setCaption(caption);
        any = any || !caption.empty();
    }
    showNoticeRule(program, any);
}

void searchButton(app::Program& program, platform::CommandButton& button, const char* breadth)
{
    button.setCaption(walkButton(button.caption(), customLimits(program), [&](const std::string& depth) {
        return TestCustomDepth(program, breadth, depth);
    }));
}

} // namespace

void EstimateHeaderButtons(app::Program& program, float momentLoads, float gradeFb, float estimateWetFactor)
{
    scl::Form2& f2 = program.form2;
    // Formed like the glu-lam buttons' bending values, with the two header breadths.
    const std::array<float, 2> headerBFb = {
        static_cast<float>(static_cast<double>(gradeFb) * 3.5 * static_cast<double>(estimateWetFactor)),
        static_cast<float>(static_cast<double>(gradeFb) * 5.5 * static_cast<double>(estimateWetFactor))};
    std::array<platform::CommandButton*, 2> buttons = {&f2.but32, &f2.But52};
    for (std::size_t i = 0; i < 2; ++i) {
        const double requirement = platform::num::div(static_cast<double>(momentLoads) * 72, headerBFb[i]);
        buttons[i]->setCaption(HeaderCaption(HeaderDepthFor(requirement)));
    }
    showNoticeRule(program, !f2.but32.caption().empty() || !f2.But52.caption().empty());
}

void CaptionCustomQuickPicks(app::Program& program, const ButtonValues& de)
{
    scl::Form2& f2 = program.form2;
    if (f2.Wid2x.value()) {
        const bool any = captionFromEstimates(
            {{&f2.Button2x, de[0]}, {&f2.Button22x, de[1]}, {&f2.Button32x, de[2]}, {&f2.Button42x, de[3]}});
        empty({&f2.Button4x, &f2.Button6x, &f2.button8x, &f2.button10x});
        showNoticeRule(program, any);
    } else if (f2.Wid4x.value()) {
        empty({&f2.Button2x, &f2.Button22x, &f2.Button32x, &f2.Button42x});
        showNoticeRule(program, captionFromEstimates({{&f2.Button4x, de[16]}}));
        empty({&f2.Button6x, &f2.button8x, &f2.button10x});
    } else if (f2.Wid6x.value()) {
        empty({&f2.Button2x, &f2.Button22x, &f2.Button32x, &f2.Button42x, &f2.Button4x});
        showNoticeRule(
            program,
            captionFromEstimates({{&f2.Button6x, de[20]}, {&f2.button8x, de[34]}, {&f2.button10x, de[38]}}));
    } else if (f2.WidGLB.value()) {
        captionGluLams(program, de);
    }
}

void SearchCustomQuickPicks(app::Program& program)
{
    scl::Form2& f2 = program.form2;
    if (f2.Wid4x.value()) {
        searchButton(program, f2.Button4x, "4x");
    } else if (f2.Wid6x.value()) {
        searchButton(program, f2.Button6x, "6x");
    } else if (f2.Wid2x.value()) {
        searchButton(program, f2.Button2x, "2x");
        searchButton(program, f2.Button22x, "(2) 2x");
        searchButton(program, f2.Button32x, "(3) 2x");
        searchButton(program, f2.Button42x, "(4) 2x");
    }
    FillGLBHeaderButtons(program);
    SearchGluLamSizes(program);
    f2.Text6.setText("");
    f2.Text7.setText("");
    program.form3.hide();
}

} // namespace wood
