// The reaction import of the column criteria form: a support reaction of the beam last calculated on
// the beam path becomes the column's load, with the beam's load duration.
#include "app/CriteriaChoices.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "columns/Form18.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace columns
{

namespace num = platform::num;

void Form18::ImportButton_Click()
{
    if (ImportReaction.visible()) {
        ImportReaction.setVisible(false);
        return;
    }
    ImportReaction.setVisible(true);
    CmdImportOK.setDefault(true); // Enter imports
}

void Form18::CmdImportOK_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    platform::leaveOnError(
        [&] {
            const beam::BeamState& b = m_program.beam;
            if (!(b.shear.ShearV > 0)) {
                runtime.msgBox("Cannot import reaction. Data Record is empty.", platform::Buttons::OK,
                               platform::Icon::None, "Korvanta");
                return;
            }
            const bool r1 = OptionR1.value();
            const bool doubled = DblReaction.value() != 0;
            const float reaction = r1 ? b.member.R1TL : b.member.R2TL;
            // Doubled in single precision, as the reactions are kept; a single R1 shows "0" for zero.
            const float value = doubled ? reaction * 2.0f : reaction;
            cReacText.setText(num::format(value, r1 && !doubled ? "###0" : "####"));
            cDurText.setText(app::DurationText(m_program));
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox("Error importing from data record", platform::Buttons::OK, platform::Icon::None,
                           "Korvanta");
        });
    ImportReaction.setVisible(false);
}

} // namespace columns
