// Form1's unbalanced live loads on overhanging beams: one button takes the live loads off the
// overhang, the other off the backspan, for the worst backspan moment and for uplift at R1; the same
// button puts them back.
#include "app/ClearSelection.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <string>
#include <vector>

namespace app
{

namespace
{
constexpr std::uint32_t UnbalancedColour = platform::rgb(192, 0, 0);

// One load of the part being unbalanced: its total and live boxes and what was taken out of them.
struct LoadBoxes
{
    platform::TextBox& total;
    platform::TextBox& live;
    RemovedLiveLoad& removed;
};

double valueOf(platform::TextBox& box)
{
    return platform::num::leadingNumber(box.text());
}

void removeLiveLoad(const LoadBoxes& load)
{
    load.removed.live = load.live.text();
    load.removed.total = load.total.text();
    load.total.setText(platform::num::numberText(valueOf(load.total) - valueOf(load.live)));
    load.removed.reducedTotal = load.total.text();
    load.live.setText("");
}

// The live text comes back as entered. A total left as the subtraction wrote it comes back as entered
// too; a total the user changed meanwhile keeps the change and gets the live load added to it.
void restoreLiveLoad(const LoadBoxes& load)
{
    load.live.setText(load.removed.live);
    const std::string current = load.total.text();
    if (current == load.removed.reducedTotal) {
        load.total.setText(load.removed.total);
    } else {
        load.total.setText(platform::num::numberText(platform::num::leadingNumber(current) +
                                                     platform::num::leadingNumber(load.removed.live)));
    }
}

bool allLiveBoxesEmpty(const std::vector<LoadBoxes>& loads)
{
    for (const LoadBoxes& load : loads) {
        if (!load.live.text().empty()) {
            return false;
        }
    }
    return true;
}

// Every live load of the beam, not only those of one part, must not exceed its total; the first
// that does is named and gets the focus.
bool liveLoadsWithinTotals(Form1& f, platform::Runtime& runtime)
{
    const auto refuse = [&](const char* text, platform::TextBox& focus) {
        runtime.beep();
        runtime.msgBox(std::string("Attention:\r\r") + text, platform::Buttons::OK,
                       platform::Icon::Exclamation, "Korvanta");
        focus.setFocus();
        return false;
    };
    for (int i = 0; i <= 5; ++i) {
        if (valueOf(f.LPT(i)) > valueOf(f.PT(i))) {
            return refuse(
                "A point Live load is Larger than the point Total load.  Please re-check your point "
                "load entries.",
                f.PT(i));
        }
    }
    for (int i = 0; i <= 4; ++i) {
        if (valueOf(f.LPAR(i)) > valueOf(f.PAR(i))) {
            return refuse("A live partial uniform load is larger than a partial uniform total load.  Please "
                          "re-check your load entries.",
                          f.PAR(i));
        }
    }
    if (valueOf(f.LUNIF) > valueOf(f.UNIF)) {
        return refuse(
            "The Live uniform load is larger than the Total uniform load.  Please re-check your load "
            "entries.",
            f.UNIF);
    }
    return true;
}

// One part of the beam: its button, the other part's button and what the user is told.
struct Part
{
    platform::CommandButton& button;
    platform::CommandButton& otherButton;
    const char* balancedCaption;
    const char* unbalancedCaption;
    const char* noLiveLoads;
    const char* removed;
    const char* restored;
};

bool isBalanced(const Part& part)
{
    return part.button.caption() == part.balancedCaption;
}

void warnNoLiveLoads(platform::Runtime& runtime, const Part& part)
{
    runtime.msgBox(part.noLiveLoads, platform::Buttons::OK, platform::Icon::Exclamation,
                   "Korvanta Unbalanced Loads");
}

// While one part is unbalanced the other button is off, so only one part is ever unbalanced.
void unbalanceOrRestore(platform::Runtime& runtime, const Part& part, const std::vector<LoadBoxes>& loads)
{
    if (isBalanced(part)) {
        part.button.setCaption(part.unbalancedCaption);
        part.button.setForeColor(UnbalancedColour);
        part.otherButton.setEnabled(false);
        for (const LoadBoxes& load : loads) {
            removeLiveLoad(load);
        }
        runtime.msgBox(part.removed, platform::Buttons::OK, platform::Icon::Information,
                       "Korvanta Unbalanced Overhang");
    } else {
        part.button.setCaption(part.balancedCaption);
        part.button.setForeColor(platform::SystemWindowText);
        part.otherButton.setEnabled(true);
        for (const LoadBoxes& load : loads) {
            restoreLiveLoad(load);
        }
        runtime.msgBox(part.restored, platform::Buttons::OK, platform::Icon::None, "Korvanta");
    }
}
} // namespace

void Form1::UBOH_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            if (m_program.state.ChangeGuard == 0) {
                ClearSelection(m_program);
            }
            const Part overhang{
                UBOH,
                UBSpan,
                "Unbalance OH",
                "Restore OH LL",
                "There are no live loads to remove from the Overhang.",
                "Live loads have been removed from Overhang.\rClick 'OK Calculate' to test member "
                "with these loads removed. Watch deflection at Backspan.",
                "Live Loads on the Overhang have been restored."};
            const std::vector<LoadBoxes> loads = {{PT(4), LPT(4), vars.LPTRemoved[4]},
                                                  {PT(5), LPT(5), vars.LPTRemoved[5]},
                                                  {PAR(3), LPAR(3), vars.LPARRemoved[3]},
                                                  {PAR(4), LPAR(4), vars.LPARRemoved[4]}};
            if (isBalanced(overhang) && allLiveBoxesEmpty(loads)) {
                warnNoLiveLoads(runtime, overhang);
                return;
            }
            if (liveLoadsWithinTotals(*this, runtime)) {
                unbalanceOrRestore(runtime, overhang, loads);
            }
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox("Error unbalancing loads on overhang.", platform::Buttons::OK,
                           platform::Icon::None, "Korvanta");
        });
}

// Unlike the overhang button, the load check comes before the test for live loads to remove.
void Form1::UBSpan_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            if (m_program.state.ChangeGuard == 0) {
                ClearSelection(m_program);
            }
            if (!liveLoadsWithinTotals(*this, runtime)) {
                return;
            }
            const Part backspan{
                UBSpan,
                UBOH,
                "Unbalance Span",
                "Restore Span LL",
                "There are no live loads to remove from the backspan.",
                "Live loads have been removed from Backspan. \rClick 'OK Calculate' to test member "
                "with these loads removed. Watch for uplift at R1.",
                "Live Loads on the backspan have been restored."};
            std::vector<LoadBoxes> loads = {{UNIF, LUNIF, vars.LUNIFRemoved}};
            for (std::size_t i = 0; i <= 3; ++i) {
                loads.push_back({PT(static_cast<int>(i)), LPT(static_cast<int>(i)), vars.LPTRemoved[i]});
            }
            for (std::size_t i = 0; i <= 2; ++i) {
                loads.push_back({PAR(static_cast<int>(i)), LPAR(static_cast<int>(i)), vars.LPARRemoved[i]});
            }
            if (isBalanced(backspan) && allLiveBoxesEmpty(loads)) {
                warnNoLiveLoads(runtime, backspan);
                return;
            }
            unbalanceOrRestore(runtime, backspan, loads);
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox("Error unbalancing loads on span.", platform::Buttons::OK, platform::Icon::None,
                           "Korvanta");
        });
}

} // namespace app
