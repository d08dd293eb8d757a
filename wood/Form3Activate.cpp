// The selection form's activation: after a new calculation it pre-sizes the quick-pick grid (or, for
// custom values, the custom values form's buttons); every activation then shows the selection status
// and, in load-and-print mode, passes on to "OK Test" by itself.
#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "wood/CustomQuickPicks.h"
#include "wood/Form3.h"
#include "wood/QuickPickEstimates.h"
#include "wood/QuickPickSearch.h"

#include <array>

namespace wood
{

namespace num = platform::num;

namespace
{
constexpr const char* NoDepthsStatus =
    "No depths (either too large or too small) in these species and grades meet the requirements.";
} // namespace

void Form3::Form_Activate()
{
    // A failing step is reported and the activation goes on with the next one.
    platform::ResumeNext next{[this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error form3 activate", platform::Buttons::OK, platform::Icon::Exclamation,
                                 "Korvanta");
    }};
    next([&] { app::CenterForm(m_program, *this); });
    beam::CalcFlags& flags = m_program.beam.flags;
    if (flags.PresizingDone != -1) {
        // The custom values path ends hidden and never sets the latch: each "OK Calc" pre-sizes again.
        if (presize(next)) {
            return;
        }
    }
    next([&] { WoodStatisPanel.setCaption(""); });
    next([&] { showSelectionStatus(); });
    flags.PresizingDone = -1;
    if (next.when([&] { return !anyDepthCaption(); })) {
        next([&] { WoodStatisPanel.setCaption(NoDepthsStatus); });
    }
    if (m_program.state.AutoPrintMode == -1) {
        next([&] { CmdOK_Click(); });
    }
}

void Form3::captionEdition()
{
    const app::SharedState& s = m_program.state;
    std::string caption;
    if (m_program.form1.INGRADE.checked()) {
        if (s.NDS1997 == -1) {
            caption = "Using NDS 1997 Values";
        } else if (s.NDS2012 == -1) {
            caption = "Using NDS 2012 Values";
        } else if (s.NDS2015 == -1) {
            caption = "Using NDS 2015 Values";
        } else if (s.NDS2018 == -1) {
            caption = "Using NDS 2018 Values";
        } else if (s.NDS2005 == -1) {
            caption = "Using NDS 2005 Values";
        } else {
            caption = "Using NDS 2001 Values";
        }
    }
    LabelINGRADE.setCaption(caption);
}

// A zero moment or right reaction shows no digits; the left reaction shows "0".
void Form3::captionLoads()
{
    const beam::AppliedLoads& loads = m_program.beam.loads;
    MOMENT.setCaption("Max Moment = " + num::format(loads.MomentLoads, "#,###") + " ft-lbs");
    Reac1.setCaption("Reaction 1 = " + num::format(loads.R1Loads, "#,##0"));
    Reac2.setCaption("Reaction 2 = " + num::format(loads.R2Loads, "#,###"));
}

void Form3::showSelectionStatus()
{
    const app::SharedState& s = m_program.state;
    const std::string today = num::formatDate(m_program.runtime.clock().now(), "m/dd/yy");
    if (s.RestoreSavedSelection) {
        Text1.setText(s.SavedSelection.SelectionBreadth);
        Text2.setText(s.SavedSelection.SelectionDepth);
        Text3.setText(s.SavedSelection.SelectionSpecies);
        WoodStatisPanel.setCaption(m_program.form1.SavePanel.caption());
    } else if (s.SelectionStatus == "Fail") {
        WoodStatisPanel.setCaption(" Selection: " + s.SelectionDescription + "  - Status: Fails" +
                                   " - Date: " + today);
    } else if (s.SelectionStatus == "OK") {
        WoodStatisPanel.setCaption(" Selection: " + s.SelectionDescription + "  - Status: OK" +
                                   " - Date: " + today);
    } else if (s.SelectionStatus.empty()) {
        WoodStatisPanel.setCaption("   Selection:  None");
    }
}

bool Form3::anyDepthCaption()
{
    for (int i = 0; i <= 41; ++i) {
        if (!ht(i).caption().empty()) {
            return true;
        }
    }
    return false;
}

} // namespace wood
