// Form1's load, activation and close request.
#include "app/Form1.h"

#include "app/FormHelpers.h"
#include "app/GuardHold.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "app/SpeciesList.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <array>
#include <cstddef>

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
    // A failing step is reported and the activation goes on with the next one.
    platform::ResumeNext next{[this](const platform::RuntimeError& error) {
        m_program.runtime.msgBox(error.description(), platform::Buttons::OK, platform::Icon::Exclamation,
                                 "Korvanta Errortrap form1-Activate");
    }};
    next([&] { CenterForm(m_program, *this); });
    s.AutoPrintMode = 0;
    // The boxes written back here are the user's own entries: they must not clear the selection.
    const GuardHold refill{s.RefillGuard};
    next([&] { showEditionCaptionAtActivation(); });
    if (next.when([&] { return Combo1.listIndex() == SteelListIndex; })) {
        next([&] { Incised.setValue(0); });
        next([&] { Incised.setVisible(false); });
    }
    next([&] { FramePSF.setVisible(false); });
    // The loads go back before the frames are laid out, so that the hip and valley layout has the last
    // word on "OK Calculate".
    next([&] { restoreEnteredLoads(); });
    next([&] { showLoadCaseFrames(); });
    next([&] { Rep.setEnabled(true); });
    m_program.beam.flags.LoadsMultiplied = 0;
    vars.EnteredLoads = EnteredLoadTexts{};
    next([&] { showSelectionStatus(); });
}

void Form1::KeepEnteredLoads()
{
    EnteredLoadTexts& kept = vars.EnteredLoads;
    kept.UNIF = UNIF.text();
    kept.LUNIF = LUNIF.text();
    for (int i = 0; i <= 5; ++i) {
        kept.PT[static_cast<std::size_t>(i)] = PT(i).text();
        kept.LPT[static_cast<std::size_t>(i)] = LPT(i).text();
    }
    for (int i = 0; i <= 4; ++i) {
        kept.PAR[static_cast<std::size_t>(i)] = PAR(i).text();
        kept.LPAR[static_cast<std::size_t>(i)] = LPAR(i).text();
    }
    kept.kept = true;
}

// "OK Calculate" leaves the load boxes multiplied for roof slope and rafter spacing. They get back the
// texts the user typed: dividing the products again would round the entries. Nothing is written
// unless such a calculation ran, so a return from a tip, the calculator or the manual keeps whatever
// was typed since.
void Form1::restoreEnteredLoads()
{
    const EnteredLoadTexts& kept = vars.EnteredLoads;
    if (m_program.beam.flags.LoadsMultiplied == 0 || !kept.kept) {
        return;
    }
    UNIF.setText(kept.UNIF);
    LUNIF.setText(kept.LUNIF);
    for (int i = 0; i <= 5; ++i) {
        PT(i).setText(kept.PT[static_cast<std::size_t>(i)]);
        LPT(i).setText(kept.LPT[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i <= 4; ++i) {
        PAR(i).setText(kept.PAR[static_cast<std::size_t>(i)]);
        LPAR(i).setText(kept.LPAR[static_cast<std::size_t>(i)]);
    }
}

void Form1::showLoadCaseFrames()
{
    if (IncButton.value()) {
        // The hip and valley calculator slopes the dead part of IncTL and IncUnifTL in place and stays
        // off until one of them changes. While its adjustment is in the boxes they get back the loads
        // it kept as entered, and the calculator is offered again; "OK Calculate" waits for it. Once
        // the user has typed over the boxes, the kept loads are stale and the typing stays.
        const bool adjusted = m_program.beam.flags.LoadsMultiplied != 0 || !IncCalcButton.enabled();
        IncCalcButton.setEnabled(true);
        IncFrame.setVisible(true);
        CmdOK.setEnabled(false);
        if (Roofbutton.checked() && adjusted) {
            IncTL.setText(platform::num::numberText(m_program.state.IncTLEntered));
            IncUnifTL.setText(platform::num::numberText(m_program.state.IncUnifTLEntered));
        }
        Frame3D3.setVisible(false);
        Frame3D4.setVisible(false);
        Frame3D5.setEnabled(false);
        return;
    }
    IncFrame.setVisible(false);
    // The multi-span frame covers the point and partial loads of a continuous beam, which carries the
    // uniform load only: those boxes stay off, so that nothing can be typed where it cannot be seen.
    const bool uncovered = !Multibutton.value();
    Frame3D3.setVisible(true);
    Frame3D3.setEnabled(uncovered);
    Frame3D4.setVisible(true);
    Frame3D4.setEnabled(uncovered);
    Frame3D5.setVisible(true);
    Frame3D5.setEnabled(true);
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
