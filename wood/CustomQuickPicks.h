// The custom values form's quick picks, pre-sized by the selection form's activation: the starting
// depths of the chosen member class from the custom Fb, the no-depths notice, and the search that turns
// each dimension and timber start into the smallest passing depth.
#pragma once

#include "wood/QuickPickEstimates.h"

#include <string_view>

namespace app
{
class Program;
}

namespace wood
{

// Shown in Form2.Label16 when no button of the chosen member class has a starting depth.
inline constexpr std::string_view NoDepthsNotice =
    "No beam depths in this breadth group meet the requirements (too large or too small).  You may enter a "
    "specific depth to test, select a different breadth group, or specify new values for Fb, Fv, Fc, and E "
    "above.";

// The glu-lam header estimate of both header breadths, with the captions of but32 and But52 and the
// notice. gradeFb is the custom Fb.
void EstimateHeaderButtons(app::Program& program, float momentLoads, float gradeFb, float estimateWetFactor);

// Captions the buttons of the member class chosen on Form2 from the estimates; other families keep
// their captions. Glu-lam headers are captioned by EstimateHeaderButtons.
void CaptionCustomQuickPicks(app::Program& program, const ButtonValues& depthEstimate);

// Walks the dimension and timber buttons of the chosen class, then the glu-lam header and glu-lam beam
// buttons, empties Form2's size boxes and hides Form3.
void SearchCustomQuickPicks(app::Program& program);

} // namespace wood
