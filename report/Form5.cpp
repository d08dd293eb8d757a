// The report form's activation, "OK  Select Member", menus and advice boxes.
#include "report/Form5.h"

#include "app/Form1.h"
#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/Form6.h"
#include "report/LoadReportForm.h"
#include "report/StepTables.h"
#include "scl/Form2.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

#include <algorithm>

namespace report
{

namespace
{

constexpr const char* Title = "Korvanta";

constexpr const char* SaveWorkReminder =
    "Starting a new beam calculation removes the current beam data from memory.\r\rIf you have NOT saved "
    "your "
    "work, select YES and then save by one of these methods:\r\r1. Print the Data Record.\r\r2. Copy the "
    "Data "
    "Record to another application (see Help for this procedure).\r\r3. Save the Beam Criteria (in Form1) by "
    "selecting from the menu, FILE, SAVE BEAM.\r\r4. Save the Data Record as a text file by selecting from "
    "the "
    "data record menu, FILE, SAVE...\r\r        NEED TO SAVE YOUR WORK?";

constexpr const char* ReportHelp =
    "TEST REPORT\r\r'Actual' is the actual Section Modulus, Area and calculated Deflection for the member "
    "selected.\r\r'Critical' is the calculated Section Modulus where the member will fail in bending, the "
    "calculated Area at which the member will fail in Shear, and the limiting Deflection criteria for live "
    "and "
    "dead loads as set on form 1.\r\r'Ratio' is the ratio of Actual to Critical where the beam will fail "
    "when "
    "greater than 100%, (when the member's actual properties go beyond the allowable).";

constexpr const char* UnbalancedLoads =
    "UNBALANCED LOADS\r\rOverhanging beams should be tested for unbalanced loads in three variations.\r\r1. "
    "Backspan and overhang with full dead and live loads applied.\r\r2. Same as No.1 but with live loads "
    "removed from the backspan.\r\r3. Same as No.1 but with live loads removed from the overhang.\r\rCompare "
    "the moment, shear, and deflection for the critical case.  Also be aware of a possible UPLIFT condition "
    "at "
    "the left reaction R1.";

} // namespace

Form5::Form5(app::Program& program) : Form(program.runtime, "Form5"), m_program(program) {}

std::string Form5::OverallStatus()
{
    const std::array<platform::Panel*, 6> statuses{&SecStatus,   &ShearStatus,  &DeflStatus,
                                                   &LDeflStatus, &OHDeflStatus, &OHLDeflStatus};
    if (std::any_of(statuses.begin(), statuses.end(),
                    [](platform::Panel* status) { return status->caption() == "Fail"; })) {
        return "Fail";
    }
    return SecStatus.caption().empty() ? std::string() : "OK";
}

void Form5::Form_Load()
{
    app::CenterForm(m_program, *this);
}

// Sets the stepping buttons for the member class, fills the report and derives the overall status.
void Form5::Form_Activate()
{
    app::SharedState& s = m_program.state;
    s.ReportShown = -1;
    app::CenterForm(m_program, *this);

    platform::ResumeNext next{[this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error loading form5, activate", platform::Buttons::OK,
                                 platform::Icon::Exclamation, Title);
    }};
    app::Form1& f1 = m_program.form1;
    if (next.when([&] { return f1.OHbutton.value(); })) {
        next([&] { Unbalancedlabel.setVisible(true); });
        next([&] { unbalancedbutton.setVisible(true); });
    } else {
        next([&] { Unbalancedlabel.setVisible(false); });
        next([&] { unbalancedbutton.setVisible(false); });
    }
    if (next.when([&] { return f1.group(9).value(); })) {
        for (platform::CommandButton* step : {&CmdNextWidthDn, &CmdNextWidth, &CmdNextSizeDn, &CmdNextSize}) {
            next([&] { step->setVisible(false); });
        }
        next([&] { StlForward.setVisible(true); });
        next([&] { StlBack.setVisible(true); });
        // Only the steel steps enable these again; a new report form starts with both enabled.
        steel::Form22& f22 = m_program.form22;
        if (next.when([&] { return f22.StlChoice.text() == f22.StlPick(0).caption(); })) {
            next([&] { StlBack.setEnabled(false); });
        }
        if (next.when([&] { return f22.StlChoice.text() == f22.StlPick(15).caption(); })) {
            next([&] { StlForward.setEnabled(false); });
        }
    } else {
        for (platform::CommandButton* step : {&CmdNextWidthDn, &CmdNextWidth, &CmdNextSizeDn, &CmdNextSize}) {
            next([&] { step->setVisible(true); });
        }
        next([&] { StlForward.setVisible(false); });
        next([&] { StlBack.setVisible(false); });
        next([&] { setStepButtonsForSize(); });
    }
    next([&] { LoadReportForm(m_program); });
    next([&] { s.SelectionStatus = OverallStatus(); });
    if (next.when([&] { return s.AutoPrintMode == -1; })) {
        next([&] { Command2_Click(); });
    }
}

// The step buttons of a wood, custom or SCL member by the wood selection form's size, then by class.
void Form5::setStepButtonsForSize()
{
    app::Form1& f1 = m_program.form1;
    scl::Form2& f2 = m_program.form2;
    const std::string breadth = m_program.form3.Text1.text();
    const std::string depth = m_program.form3.Text2.text();
    const MemberOptions noOptions;
    const unsigned off = rulesOff(ActivationEnableRules, breadth, depth, noOptions);
    CmdNextWidthDn.setEnabled((off & BreadthDown) == 0);
    CmdNextWidth.setEnabled((off & BreadthUp) == 0);
    CmdNextSizeDn.setEnabled((off & DepthDown) == 0);
    CmdNextSize.setEnabled((off & DepthUp) == 0);

    const bool southernPineOrCustom = f1.group(5).value() || f1.group(8).value();
    if (breadth == "6x" && southernPineOrCustom) {
        CmdNextWidthDn.setEnabled(false);
    } else if ((breadth == "(4) 2x" && southernPineOrCustom) || breadth == "14x") {
        CmdNextWidth.setEnabled(false);
    }
    if (f1.group(8).value()) {
        if (f2.Wid4x.value()) {
            CmdNextWidth.setEnabled(false);
            CmdNextWidthDn.setEnabled(false);
        } else if (f2.Wid2x.value()) {
            if (breadth == "2x") {
                CmdNextWidthDn.setEnabled(false);
            } else if (breadth == "(4) 2x") {
                CmdNextWidth.setEnabled(false);
            }
        } else if (f2.WidGLBHDR.value()) {
            if (breadth == "3-1/2x") {
                CmdNextWidthDn.setEnabled(false);
            } else if (breadth == "5-1/2x") {
                CmdNextWidth.setEnabled(false);
            }
        }
        // A round member steps by its diameter only, from 5 in. up to 36 in.
        if (f2.Roundoption.value()) {
            const double diameter = platform::num::leadingNumber(f2.Diam.text());
            CmdNextWidthDn.setEnabled(false);
            CmdNextWidth.setEnabled(false);
            CmdNextSize.setEnabled(!(diameter > 35));
            CmdNextSizeDn.setEnabled(!(diameter < 6));
        }
    }
}

// Accepts the member, passing or not. The flag goes first: the data record composes in its activation,
// which runs inside the show and must no longer see a restored selection.
void Form5::Command2_Click()
{
    m_program.state.RestoreSavedSelection = false;
    m_program.form6.show();
    hide();
}

void Form5::Command1_Click()
{
    m_program.form21.show();
}

void Form5::Command3D1_Click()
{
    m_program.runtime.msgBox(ReportHelp, platform::Buttons::OK, platform::Icon::None, Title);
}

void Form5::unbalancedbutton_Click()
{
    m_program.runtime.msgBox(UnbalancedLoads, platform::Buttons::OK, platform::Icon::None, Title);
}

void Form5::backmnu_Click()
{
    MnuBack_Click();
}

// Back to the selection form of the member class; the report and data record are built anew later.
void Form5::MnuBack_Click()
{
    app::Form1& f1 = m_program.form1;
    m_program.state.BackFromReport = -1;
    m_program.state.SelectionStatus = OverallStatus();
    hide();
    if (f1.group(7).value() || f1.group(8).value()) {
        m_program.form2.show();
    } else if (f1.group(9).value()) {
        m_program.form22.show();
    } else {
        m_program.form3.show();
    }
    unload();
    m_program.form6.unload();
}

void Form5::MnuCriteria_Click()
{
    m_program.state.SelectionStatus = OverallStatus();
    m_program.form1.show();
    unload();
    m_program.form6.unload();
    if (m_program.beam.flags.SteelBeamFlag == -1) {
        m_program.form22.unload();
    }
}

// Unlike "OK  Select Member", a look at the data record keeps a restored selection.
void Form5::MnuDataRecord_Click()
{
    m_program.form6.show();
    hide();
}

void Form5::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form5";
}

void Form5::MnuNew_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    if (runtime.msgBox(SaveWorkReminder, platform::Buttons::YesNo, platform::Icon::Question,
                       "SAVE YOUR WORK REMINDER") == platform::MsgResult::Yes) {
        return; // the user stays here to save the work first
    }
    auto boxes = m_program.form21.noteBoxes();
    const bool anyNote =
        std::any_of(boxes.begin(), boxes.end(), [](platform::TextBox* box) { return !box->text().empty(); });
    if (anyNote &&
        runtime.msgBox("Do you wish to retain your notes for the next beam?", platform::Buttons::YesNo,
                       platform::Icon::Question, "SAVE YOUR NOTES REMINDER") == platform::MsgResult::No) {
        for (platform::TextBox* box : boxes) {
            box->setText("");
        }
        m_program.state.ReportNotes.fill("");
    }
    m_program.form4.hide();
    app::NewDefault(m_program);
    unload();
    m_program.form6.unload();
    m_program.form3.hide();
}

void Form5::MnuExit_Click()
{
    app::ConfirmExit(m_program);
}

// The close box asks the exit question; when the program goes on, the form stays open.
void Form5::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace report
