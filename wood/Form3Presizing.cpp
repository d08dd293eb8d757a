// The pre-sizing of the activation: labels for the species group, a first depth for every quick-pick
// button from bending alone, then the searches that turn each into the smallest passing depth.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "scl/Form2.h"
#include "wood/CustomQuickPicks.h"
#include "wood/Form3.h"
#include "wood/QuickPickEstimates.h"
#include "wood/QuickPickSearch.h"
#include "wood/SpeciesFbTable.h"

#include <algorithm>

namespace wood
{

namespace num = platform::num;

namespace
{

struct SpeciesRows
{
    int group;
    int block;
    std::array<const char*, 4> grades;
    bool southernPineCombinations;
};

// Tried in this order; the first group whose option is set labels the rows. Custom values label only
// the first row, with the user's species text, and keep the combination labels.
constexpr std::array<SpeciesRows, 7> SpeciesGroups = {{
    {0, 0, {"HF #2", "HF #1", "DF-L #2", "DF-L #1"}, false},
    {1, 1, {"DF South #2", "DF South #1", "DF North #2", "DF North #1"}, false},
    {2, 2, {"SPF South #2", "SPF South #1", "SPF #2", "SPF #1"}, false},
    {3, 3, {"Western Woods #2", "Western Woods #1", "Western Cedar #2", "Western Cedar #1"}, false},
    {4, 5, {"Eastern Hem/Tam #2", "Eastern Hem/Tam #1", "Eastern Spruce #2", "Eastern Spruce #1"}, false},
    {5, 6, {"Mixed So. Pine #2", "Mixed So. Pine #1", "So. Pine #2", "So. Pine #1"}, true},
    {6, 7, {"Red Oak #2", "Red Oak #1", "White Oak #2", "White Oak #1"}, false},
}};

} // namespace

bool Form3::presize(platform::ResumeNext& next)
{
    app::Form1& f1 = m_program.form1;
    scl::Form2& f2 = m_program.form2;
    beam::MemberUnderTest& member = m_program.beam.member;
    const float momentLoads = m_program.beam.loads.MomentLoads;

    next([&] { RepQualify.setVisible(false); });
    next([&] { WoodStatisPanel.setCaption("Pretesting shear and deflection, one moment please..."); });
    next([&] { Text1.setText(""); });
    next([&] { Text2.setText(""); });
    next([&] { Text3.setText(""); });
    next([&] { captionEdition(); });
    next([&] { captionLoads(); });
    const bool southernPine = f1.group(5).value();
    next([&] {
        const std::array<platform::Label*, 5> widths = {&Label13, &Label14, &Label15, &Label16, &Label17};
        const std::array<const char*, 5> texts = {"3-1/8x", "5-1/8x", "6-3/4x",
                                                  southernPine ? "8-1/2x" : "8-3/4x",
                                                  southernPine ? "10-1/2x" : "10-3/4x"};
        for (std::size_t i = 0; i < widths.size(); ++i) {
            widths[i]->setCaption(texts[i]);
        }
    });

    next([&] { FillSpeciesFbTable(m_program); });
    BendingInput bending;
    const auto blockOf = [&](int block) {
        GradeFbValues fb{};
        for (std::size_t slot = 0; slot < fb.size(); ++slot) {
            fb[slot] = m_program.beam.SpeciesFbTable[slot][static_cast<std::size_t>(block)];
        }
        return fb;
    };
    next([&] {
        const bool overhangOrContinuous = f1.OHbutton.value() || f1.Multibutton.value();
        const std::array<int, 8> order = {0, 1, 2, 3, 8, 4, 5, 6};
        for (int group : order) {
            if (!f1.group(group).value()) {
                continue;
            }
            if (group == 8) {
                Label1.setCaption(f2.Text5.text());
                bending.gradeFb = blockOf(CustomValuesBlock);
                return;
            }
            const SpeciesRows& rows = *std::find_if(SpeciesGroups.begin(), SpeciesGroups.end(),
                                                    [&](const SpeciesRows& r) { return r.group == group; });
            const std::array<platform::Label*, 4> labels = {&Label1, &Label2, &Label3, &Label4};
            for (std::size_t i = 0; i < labels.size(); ++i) {
                labels[i]->setCaption(rows.grades[i]);
            }
            // Overhanging and continuous beams take the balanced combinations, strong top and bottom.
            if (rows.southernPineCombinations) {
                Label11.setCaption(overhangOrContinuous ? "GLB 16F-V5 SP/SP" : "GLB 16F-V3 SP/SP");
                Label12.setCaption(overhangOrContinuous ? "GLB 24F-V5 SP/SP" : "GLB 24F-V3 SP/SP");
            } else {
                Label11.setCaption(overhangOrContinuous ? "GLB 16F-V6 DF/DF" : "GLB 16F-V2 HF/HF");
                Label12.setCaption(overhangOrContinuous ? "GLB 24F-V8 DF/DF" : "GLB 24F-V4 DF/DF");
            }
            bending.gradeFb = blockOf(rows.block);
            return;
        }
    });

    next([&] { bending.estimateWetFactor = f1.Wet.checked() ? 0.85f : 1.0f; });
    next([&] {
        const bool repetitive = f1.Rep.checked();
        member.Cr = repetitive ? 1.15f : 1.0f;
        RepQualify.setVisible(repetitive);
    });
    next([&] { member.Cd = num::toSingle(num::leadingNumber(f1.Dur.text())); });
    bending.cr = member.Cr;
    bending.cd = member.Cd;
    bending.southernPine = southernPine;
    ButtonValues buttonBFb{};
    next([&] { buttonBFb = ButtonBendingValues(bending); });

    const bool custom = f1.group(8).value();
    ButtonValues depthEstimate{};
    next([&] { EstimateSawnDepths(momentLoads, buttonBFb, depthEstimate); });
    const bool threeEighths = southernPine || (custom && f2.WidGLB.value() && f2.SPG.checked());
    next([&] {
        EstimateGluLamDepths(momentLoads, buttonBFb,
                             threeEighths ? GluLamSeries::ThreeEighths : GluLamSeries::OneAndHalf,
                             depthEstimate);
    });
    if (custom && f2.WidGLBHDR.value()) {
        next([&] {
            EstimateHeaderButtons(m_program, momentLoads, bending.gradeFb[0], bending.estimateWetFactor);
        });
    }

    if (custom) {
        next([&] { CaptionCustomQuickPicks(m_program, depthEstimate); });
        next([&] { SearchCustomQuickPicks(m_program); });
        return true;
    }
    if (!f1.INGRADE.checked()) {
        // Without in-grade values no built-in size can be tested: say so once and leave the grid empty.
        next([&] {
            m_program.runtime.msgBox("Database search error in calc module", platform::Buttons::OK,
                                     platform::Icon::None, "Korvanta");
        });
        for (int i = 0; i <= 41; ++i) {
            next([&] { ht(i).setCaption(""); });
        }
    } else {
        next([&] { captionQuickPicks(depthEstimate); });
        m_program.beam.flags.PretestMode = -1;
        next([&] { SearchQuickPickSizes(m_program); });
    }
    next([&] { WoodStatisPanel.setCaption(""); });
    next([&] { Text1.setText(""); });
    next([&] { Text2.setText(""); });
    next([&] { Text3.setText(""); });
    return false;
}

// The estimates on the buttons in nominal form; with repetitive use only the 2x and 4x buttons keep
// theirs, since 6x and glu-lam members do not qualify for it.
void Form3::captionQuickPicks(const std::array<float, 42>& depthEstimate)
{
    const bool repetitive = m_program.form1.Rep.checked();
    for (int k = 0; k <= 41; ++k) {
        const float estimate = depthEstimate[static_cast<std::size_t>(k)];
        ht(k).setCaption(k >= 20 && repetitive ? std::string() : DecimalCaption(estimate));
    }
    const GluLamSeries series =
        m_program.form1.group(5).value() ? GluLamSeries::ThreeEighths : GluLamSeries::OneAndHalf;
    for (int k = 24; k <= 33; ++k) {
        ht(k).setCaption(GluLamNominalText(ht(k).caption(), series));
    }
    refresh();
}

} // namespace wood
