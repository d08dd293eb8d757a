// Form1's load, activation and close request.
#include "app/Form1.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SpeciesList.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"

#include <array>

namespace app
{

namespace
{
// Maximum nominal steel depths in inches, for the steel selection form's filter.
constexpr std::array<const char*, 11> DepthTexts = {"All", "4",  "5",  "6",  "8", "10",
                                                    "12",  "14", "16", "18", "20"};
} // namespace

Form1::Form1(Program& program) : Form(program.runtime, "Form1"), m_program(program) {}

void Form1::Form_Load()
{
    platform::leaveOnError(
        [&] {
            Pitchtext.setEnabled(false);
            FramePSF.setVisible(false);
            m_program.state.DeflectionLimitStep = 2;
            for (const char* species : SpeciesListTexts) {
                Combo1.addItem(species);
            }
            Combo1.setListIndex(0);
            for (const char* depth : DepthTexts) {
                DepCombo.addItem(depth);
            }
            DepCombo.setListIndex(0);
            applySettingsFile();
        },
        [&](const platform::RuntimeError&) {
            // SCL runs without the in-grade switch; for it the failure passes silently.
            if (group(7).value()) {
                INGRADE.setValue(0);
                return;
            }
            m_program.runtime.msgBox("Error loading Form 1", platform::Buttons::OK,
                                     platform::Icon::Exclamation, "Korvanta");
        });
}

// Puts the form back into the state the user entered each time it becomes active.
void Form1::Form_Activate()
{
    SharedState& s = m_program.state;
    // A failing step is reported and the activation goes on, so the guard is always released.
    platform::ResumeNext next{[this](const platform::RuntimeError& error) {
        m_program.runtime.msgBox(error.description(), platform::Buttons::OK, platform::Icon::Exclamation,
                                 "Korvanta Errortrap form1-Activate");
    }};
    next([&] { CenterForm(m_program, *this); });
    s.AutoPrintMode = 0;
    s.RefillGuard = -1;
    next([&] { showEditionCaptionAtActivation(); });
    if (next.when([&] { return Combo1.listIndex() == SteelListIndex; })) {
        next([&] { Incised.setValue(0); });
        next([&] { Incised.setVisible(false); });
    }
    next([&] { showSelectionStatus(); });
    s.RefillGuard = 0;
}

void Form1::showEditionCaptionAtActivation()
{
    SharedState& s = m_program.state;
    if (INGRADE.checked()) {
        if (s.NDS1997 != 0) {
            setCaption(" Korvanta Criteria Form 1  NDS 1997");
            s.NDS2001 = 0;
            s.NDS2005 = 0;
        } else if (s.NDS2012 == -1) {
            setCaption(" Korvanta Criteria Form 1  NDS 2012");
        } else if (s.NDS2015 == -1) {
            setCaption(" Korvanta Criteria Form 1  NDS 2015");
        } else if (s.NDS2018 == -1) {
            setCaption(" Korvanta Criteria Form 1  NDS 2018");
        } else if (s.NDS2005 == -1) {
            setCaption(" Korvanta Criteria Form 1  NDS 2005");
        } else if (s.NDS2001 == -1) {
            setCaption(" Korvanta Criteria Form 1  NDS 2001");
        }
        // With no edition flag set the caption stays as it is.
    } else {
        setCaption(" Korvanta Criteria Form 1");
    }
    Incised.setVisible(true);
}

void Form1::showSelectionStatus()
{
    const SharedState& s = m_program.state;
    const auto withStatus = [&](const char* status) {
        return " Selection:   " + s.SelectionDescription + "   -  Status: " + status +
               "   -  Date: " + platform::num::formatDate(m_program.runtime.clock().now(), "m/dd/yy");
    };
    if (s.SelectionStatus.empty()) {
        SavePanel.setCaption("   Selection:  None");
    } else if (s.SelectionStatus == "OK") {
        SavePanel.setCaption(withStatus("OK"));
    } else if (s.SelectionStatus == "Fail") {
        SavePanel.setCaption(withStatus("Fails"));
    }
}

// The close box asks the exit question; when the program goes on, the form stays open. Closes for any
// other reason are not intercepted.
void Form1::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace app
