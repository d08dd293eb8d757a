// Form1's menus and the notes button: a new beam, the criteria and data record files, load and print,
// and the other tools the criteria form opens.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Form13.h"
#include "app/Form25.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "app/SpeciesList.h"
#include "app/ToolEntryPoints.h"
#include "beam/BeamState.h"
#include "files/BeamCriteriaFile.h"
#include "files/BeamDataRecordFile.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/Form6.h"

#include <algorithm>
#include <string>

namespace app
{

namespace
{
constexpr const char* Title = "Korvanta";
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);
// Form6.Label61 shows its design text until a data record fills the form.
constexpr const char* EmptyRecordMark = "Label61";

constexpr const char* CriteriaLoadedNotice =
    "Your SAVED CRITERIA Has Been Loaded...\r\rTo Load a data record (final print-out) for this saved "
    "member, click on 'Goto' on the Menu bar, select 'Data Record' and follow the instructions to load your "
    "previously saved Data Record for this beam.\r\rIf you make ANY CHANGES to the criteria form, you will "
    "need to re-calculate, stepping through forms 2 and 3, to get to a revised Data Record.\r\rNOTE: Older "
    "files created and saved under earlier NDS editions will default to the currently supported NDS "
    "editions. Final calculation results may vary from the original.";

bool dataRecordLoaded(Program& program)
{
    return program.form6.Label61.caption() != EmptyRecordMark;
}
} // namespace

void Form1::MnuNew_Click()
{
    SharedState& s = m_program.state;
    s.AutoPrintMode = 0;
    s.ReportShown = 0;
    s.SelectionStatus.clear();
    s.IncUnifTLEntered = 0;
    s.IncTLEntered = 0;
    IncCalcButton.setEnabled(true);
    CmdOK.setEnabled(true);
    Command3D25.setForeColor(Black);
    s.SaveWorkFirst = 0;

    platform::Runtime& runtime = m_program.runtime;
    if (runtime.msgBox(
            "Starting a new beam calculation removes the current beam data from memory.\r\r  DO YOU "
            "NEED TO SAVE YOUR WORK BEFORE IT IS ERASED?",
            platform::Buttons::YesNo, platform::Icon::Question,
            "SAVE YOUR WORK REMINDER") == platform::MsgResult::Yes) {
        // The user saves through the menus first; a caller of New stops on this flag.
        s.SaveWorkFirst = -1;
        return;
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
        s.ReportNotes.fill("");
    }
    NewDefault(m_program);
}

void Form1::MnuSaveBeam_Click()
{
    files::SaveBeamCriteria(m_program);
}

void Form1::MnuLoadBeam_Click()
{
    loadCriteria();
}

// Loads a criteria file and shows what it brought. Nothing after the file dialog runs unless a file
// was actually loaded: a cancelled or refused load must not claim success, mark criteria as loaded or
// let "Load and Print" calculate and print what is still on the form.
bool Form1::loadCriteria()
{
    SharedState& s = m_program.state;
    if (!files::LoadBeamCriteria(m_program)) {
        return false;
    }
    s.ReportShown = 0;
    CmdOK.setEnabled(true);
    Command3D25.setForeColor(Black);
    showLoadedCriteriaStatus();
    showCaptionForLoadedCriteria();
    if (IncButton.value()) {
        IncCalcButton_Click();
    }
    if (s.AutoPrintMode == 0) {
        m_program.runtime.msgBox(CriteriaLoadedNotice, platform::Buttons::OK, platform::Icon::Information,
                                 Title);
    }
    s.RestoreSavedSelection = true;
    m_program.beam.flags.CriteriaLoadedFlag = -1;
    // The notice sends the user to this entry for the data record saved with these criteria.
    MnuDataRecord.setEnabled(true);
    return true;
}

void Form1::showLoadedCriteriaStatus()
{
    const SharedState& s = m_program.state;
    const auto withStatus = [&](const char* status) {
        return "  Saved Selection:   " + s.SelectionDescription + "   -  Status: " + status +
               "   -  Date: " + s.SavedSelectionDate;
    };
    if (s.SelectionStatus.empty()) {
        SavePanel.setCaption("  Saved Selection:  None");
    } else if (s.SelectionStatus == "OK") {
        SavePanel.setCaption(withStatus("OK"));
    } else if (s.SelectionStatus == "Fail") {
        SavePanel.setCaption(withStatus("Fails"));
    }
}

// The loaded file's edition becomes the caption; with no edition flag set the program runs as 2001.
void Form1::showCaptionForLoadedCriteria()
{
    const SharedState& s = m_program.state;
    if (INGRADE.checked()) {
        const char* edition = "2001";
        if (s.NDS1997 != 0) {
            edition = "1997";
        } else if (s.NDS2018 == -1) {
            edition = "2018";
        } else if (s.NDS2015 == -1) {
            edition = "2015";
        } else if (s.NDS2012 == -1) {
            edition = "2012";
        } else if (s.NDS2005 == -1) {
            edition = "2005";
        }
        setCaption(std::string(" Korvanta   Criteria Form 1  NDS ") + edition + " ");
        Incised.setVisible(true);
    } else {
        setCaption(" Korvanta   Criteria Form 1");
        Incised.setVisible(false);
    }
    if (Combo1.listIndex() == SteelListIndex) {
        Incised.setVisible(false);
    }
}

// The forms of the beam path pass on by themselves while AutoPrintMode is set, up to the printed data
// record; Form1's activation clears the mode when the run comes back.
void Form1::LoadandPrint_Click()
{
    SharedState& s = m_program.state;
    s.AutoPrintMode = -1;
    if (loadCriteria()) {
        CmdOK_Click();
    } else {
        s.AutoPrintMode = 0;
    }
}

void Form1::MnuLoadDR_Click()
{
    SharedState& s = m_program.state;
    MnuNew_Click();
    if (s.SaveWorkFirst == -1) {
        return;
    }
    // The record is loaded into the form while it is invisible, so that a failed load shows nothing.
    hide();
    m_program.form6.show();
    m_program.form6.setVisible(false);
    files::LoadDataRecord(m_program);
    if (dataRecordLoaded(m_program)) {
        m_program.form6.setVisible(true);
    } else {
        show();
        m_program.form6.hide();
    }
    s.SaveWorkFirst = 0;
}

void Form1::FileManager_Click()
{
    LaunchExplorer(m_program);
}

void Form1::MnuExit_Click()
{
    ConfirmExit(m_program);
}

void Form1::MnuDataRecord_Click()
{
    const SharedState& s = m_program.state;
    platform::Runtime& runtime = m_program.runtime;
    // ShearV above 0: a beam was calculated since the program started.
    if (!s.RestoreSavedSelection && m_program.beam.shear.ShearV > 0) {
        if (runtime.msgBox(
                "CAUTION:  If you have changed any load, criteria, or beam selection since your last "
                "complete beam calculation, you may have partial or possibly incorrect data on the "
                "Data Record.\r\rA beam must be sized by cycling through all three forms in proper "
                "order... Form1, Form2, Form3, THEN you may view the data record.\r\rIf you haven't "
                "made any changes in form1 or form2 you may return to the data record and it will "
                "contain the correct data, as you left it, unless the Data Record was a 'text file' "
                "loaded from your hard disk.",
                platform::Buttons::OKCancel, platform::Icon::Exclamation, Title) == platform::MsgResult::OK) {
            hide();
            m_program.form6.show();
        }
    } else if (s.RestoreSavedSelection) {
        files::LoadDataRecord(m_program);
        if (dataRecordLoaded(m_program)) {
            m_program.form6.show();
            hide();
        } else {
            runtime.msgBox("There is no data on the data record.\r\rPlease begin by calculating a beam or "
                           "loading a Data Record.",
                           platform::Buttons::OK, platform::Icon::None, Title);
        }
    } else {
        runtime.msgBox(
            "There is no data on the data record.\r\rYou will now be taken to a blank datarecord to "
            "load a previously saved calculation.",
            platform::Buttons::OK, platform::Icon::None, Title);
        hide();
        m_program.form6.show();
    }
}

void Form1::MnuCalculator_Click()
{
    m_program.form25.show();
}

void Form1::mnudefaultSet_Click()
{
    m_program.form13.show();
}

void Form1::MnuColDesign_Click()
{
    OpenColumnDesign(m_program);
}

void Form1::MnuNotches_Click()
{
    OpenNotchCheck(m_program);
}

void Form1::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form1";
}

void Form1::MnuexitBC_Click()
{
    ConfirmExit(m_program);
}

// The loads as entered are kept before a later calculation multiplies the boxes for slope and spacing.
void Form1::NoteButton_Click()
{
    beam::AppliedLoads& loads = m_program.beam.loads;
    loads.UNIFEntered = platform::num::toSingle(platform::num::leadingNumber(UNIF.text()));
    for (int i = 0; i <= 4; ++i) {
        loads.PAREntered[static_cast<std::size_t>(i)] =
            platform::num::toSingle(platform::num::leadingNumber(PAR(i).text()));
    }
    m_program.form21.show();
}

} // namespace app
