// The data record form's menus and Print button: printing and saving through the report header
// form, the record file and clipboard commands, a new beam, and the ways back.
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/Form4.h"
#include "files/BeamDataRecordFile.h"
#include "files/BeamRecordClipboard.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/Form5.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/RecordState.h"
#include "steel/Form22.h"
#include "wood/Form3.h"

namespace report
{

namespace
{
constexpr const char* Title = "Korvanta";
}

void Form6::showReportHeader(bool hideFirst, const char* failureMessage)
{
    m_program.record.flags.clear();
    platform::leaveOnError(
        [&] {
            if (hideFirst) {
                hide();
            }
            m_program.form7.openForRecord();
        },
        [&](const platform::RuntimeError&) {
            setMousePointer(0);
            m_program.runtime.msgBox(failureMessage);
        });
}

void Form6::Command1_Click()
{
    showReportHeader(m_program.state.AutoPrintMode == -1, "The form could not be printed.");
}

void Form6::MnuPrint_Click()
{
    showReportHeader(false, "The form could not be printed.");
}

void Form6::MnuSaveData_Click()
{
    showReportHeader(false, "The form was not saved to disk.");
}

// A cancelled or refused load keeps the composed record, so ReportShown is cleared only once a
// record was loaded.
void Form6::MnuOpenData_Click()
{
    m_program.record.flags.clear();
    if (files::LoadDataRecord(m_program)) {
        m_program.state.ReportShown = 0;
    }
}

void Form6::MnuCopyClip_Click()
{
    files::CopyBeamRecordToClipboard(m_program);
}

void Form6::MnuNew_Click()
{
    platform::Runtime& rt = m_program.runtime;
    const std::string text =
        "Starting a new beam calculation removes the current beam data from memory.\r\rIf you have NOT saved "
        "your work, select YES and then save by one of these methods:\r\r1. Print the Data Record.\r\r2. "
        "Copy "
        "the Data Record to another application (see Help for this procedure).\r\r3. Save the Beam Criteria "
        "(in Form1) by selecting from the menu, FILE, SAVE BEAM.\r\r4. Save the Data Record as a text file "
        "by "
        "selecting from the data record menu, FILE, SAVE...\r\r        NEED TO SAVE YOUR WORK?";
    if (rt.msgBox(text, platform::Buttons::YesNo, platform::Icon::Question, "SAVE YOUR WORK REMINDER") ==
        platform::MsgResult::Yes) {
        return;
    }
    Form21& notes = m_program.form21;
    bool anyNote = false;
    for (platform::TextBox* box : notes.noteBoxes()) {
        anyNote = anyNote || !box->text().empty();
    }
    if (anyNote &&
        rt.msgBox("Do you wish to retain your notes for the next beam?", platform::Buttons::YesNo,
                  platform::Icon::Question, "SAVE YOUR NOTES REMINDER") == platform::MsgResult::No) {
        for (platform::TextBox* box : notes.noteBoxes()) {
            box->setText("");
        }
        for (std::string& line : m_program.state.ReportNotes) {
            line.clear();
        }
    }
    app::NewDefault(m_program);
    m_program.form4.hide();
    m_program.form3.hide();
    m_program.form5.unload();
    unload();
}

void Form6::MnuExit_Click()
{
    app::ConfirmExit(m_program);
}

void Form6::MnuBack_Click()
{
    app::SharedState& s = m_program.state;
    if (m_program.beam.flags.DataRecordLoaded == -1) {
        if (m_program.runtime.msgBox(
                "The current information on the Data Record was loaded from a disk file and "
                "is only text.  It will be lost if you go to the Report Form3.\r\rYou may "
                "re-load this Data Record text file later if you choose to return.",
                platform::Buttons::OKCancel, platform::Icon::Information,
                Title) == platform::MsgResult::Cancel) {
            return;
        }
        if (s.ReportShown != 0) {
            m_program.form5.show();
            hide();
        } else {
            m_program.form1.show();
        }
        unload();
    } else {
        hide();
        m_program.form5.show();
        unload();
    }
    s.SelectionStatus = SelectionStatusFromReport(m_program);
}

void Form6::MnuCriteria_Click()
{
    app::SharedState& s = m_program.state;
    if (m_program.beam.flags.DataRecordLoaded == -1) {
        if (m_program.runtime.msgBox(
                "The current information on the Data Record was loaded from a disk file and "
                "is only text.  It will be lost if you go to the Criteria Form1.\r\rYou may "
                "reload the Data Record text file later if you choose to return.",
                platform::Buttons::OKCancel, platform::Icon::Information,
                Title) == platform::MsgResult::Cancel) {
            return;
        }
        m_program.form1.show();
        m_program.form1.MnuDataRecord.setEnabled(false);
        unload();
    } else {
        m_program.form1.show();
        unload();
        if (m_program.beam.flags.SteelBeamFlag == -1) {
            m_program.form22.unload();
        }
    }
    s.SelectionStatus = SelectionStatusFromReport(m_program);
}

void Form6::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form6";
}

} // namespace report
