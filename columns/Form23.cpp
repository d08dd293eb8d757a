// The steel column record: its activation copies the design from the steel column selection form, and
// its print and save commands mark the record kind for the report header form before they show it.
#include "columns/Form23.h"

#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "files/ColumnRecordFile.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"
#include "report/RecordState.h"

namespace columns
{

Form23::Form23(app::Program& program) : Form(program.runtime, "Form23"), m_program(program) {}

void Form23::onLoad()
{
    app::CenterForm(m_program, *this);
}

void Form23::onQueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

void Form23::setRecordCommands(bool enabled)
{
    for (platform::Control* c : std::initializer_list<platform::Control*>{&Command3D1, &MnuPrintColumn,
                                                                          &MnuSaveStlCol, &MnuCopyClipStl}) {
        c->setEnabled(enabled);
    }
}

// Each step is tried on its own: a failing one is reported and the fill goes on. A record with a
// failed step must not be printed, saved or copied half-filled: the commands come back only with a
// complete fill.
void Form23::Form_Activate()
{
    Form10& f10 = m_program.form10;
    Form18& f18 = m_program.form18;
    const ColumnState& cs = m_program.columnState;
    bool complete = true;
    auto step = [&](auto&& action) {
        try {
            action();
        } catch (const platform::RuntimeError&) {
            complete = false;
            m_program.runtime.msgBox("Error loading form23", platform::Buttons::OK, platform::Icon::None,
                                     "Korvanta");
        }
    };
    step([&] { app::CenterForm(m_program, *this); });
    if (m_loadedRecord) {
        return;
    }
    complete = true; // placing the form is no part of the record
    // The criteria form's load took the way back away from a loaded record; a fill from the design
    // gives it back.
    step([&] {
        backmnu.setEnabled(true);
        MnuGoto.setEnabled(true);
        MnuSelection.setEnabled(true);
        MnuCriteria.setEnabled(true);
    });
    step([&] {
        Label1.setCaption(m_program.state.DefaultHeading1);
        Label2.setCaption(m_program.state.DefaultHeading2);
    });
    step([&] {
        Label3.setCaption(f18.ColumnProj.text());
        Label4.setCaption(f18.ColumnDescription.text());
        Label5.setCaption(f18.columnID.text());
    });
    step([&] { Label10.setCaption(f10.StlColSizeText.text() + "   " + f10.StlColGrade.caption()); });
    step([&] { Label59.setCaption("Actual outside dimensions:  " + f10.Label21.caption() + " inches"); });
    step([&] {
        Label12.setCaption("Loading is concentric on a primary column member.  Maximum Kl/r is 200.  ");
    });
    step([&] {
        Label15.setCaption(f10.Label19.caption());
        Label17.setCaption(f18.cHTtext.text());
        Label19.setCaption(f18.cD1text.text());
    });
    step([&] {
        const double effectiveFt = double{cs.criteria.ColKe} * cs.StlColL / 12.0;
        Label23.setCaption(cs.StlColL > 0 ? platform::num::numberText(platform::num::toSingle(effectiveFt))
                                          : "0");
    });
    step([&] {
        Label29.setCaption(f10.Label28.caption());
        Label60.setCaption(platform::num::format(double{cs.steel.StlColFy} * 1000.0, "#,###"));
        Label61.setCaption(f10.Label39.caption());
        Label30.setCaption(f10.Label32.caption());
        Label71.setCaption(f10.Label35.caption());
        Label75.setCaption(f10.Label38.caption());
        Label76.setCaption(f10.Label34.caption());
        Label77.setCaption(f10.Label37.caption());
    });
    step([&] {
        const std::pair<platform::Label*, platform::Label*> copies[] = {
            {&Label36, &f10.Label22}, {&Label39, &f10.Label23}, {&Label40, &f10.Label24},
            {&Label41, &f10.Label25}, {&Label50, &f10.Label26}, {&Label38, &f10.Label27},
            {&Label81, &f10.Label28}, {&Label82, &f10.Label29}, {&Label51, &f10.Label30},
            {&Label52, &f10.Label31}, {&Label83, &f10.Label30}, {&Label84, &f10.Label31},
        };
        for (const auto& [to, from] : copies) {
            to->setCaption(from->caption());
        }
    });
    setRecordCommands(complete);
}

void Form23::Print_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.SteelColRequest = -1;
    f.WoodColRequest = 0;
    f.StudRequest = false;
    m_program.form7.openForRecord();
}

// Every request flag is cleared and only the current flag set: the report header form's activation
// turns it into the request, and a wood request left from an earlier print must not take the save.
void Form23::MnuSave_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = 0;
    f.SteelColRequest = 0;
    f.StudRequest = false;
    f.SteelColCurrent = -1;
    m_program.form7.openForRecord();
}

// A loaded record is text that no criteria stand behind, so the way back to them closes whatever the
// load's outcome.
void Form23::MnuLoadStlColumn_Click()
{
    files::LoadSteelColumnRecord(m_program);
    if (m_program.recordFiles.SteelColLoadFailed == 0) {
        holdLoadedRecord();
    }
    MnuCriteria.setEnabled(false);
    MnuSelection.setEnabled(false);
}

void Form23::holdLoadedRecord()
{
    m_loadedRecord = true;
    setRecordCommands(true);
}

void Form23::showDesign()
{
    m_loadedRecord = false;
    show();
}

void Form23::MnuNewColumn_Click()
{
    m_loadedRecord = false;
    MnuCriteria.setEnabled(true);
    MnuSelection.setEnabled(true);
    hide();
    m_program.form18.show();
    m_program.form18.ResetColumnCriteria();
}

void Form23::MnuExit_Click()
{
    m_program.record.WoodColRecordLoaded = 0;
    m_program.record.SteelColRecordLoaded = 0;
    m_program.form18.unload();
    m_program.form19.unload();
    m_program.form20.unload();
    m_program.form10.unload();
    unload();
    m_program.form1Window.show();
}

void Form23::MnuCriteria_Click()
{
    hide();
    m_program.form18.show();
}

void Form23::MnuSelection_Click()
{
    hide();
    m_program.form10.show();
}

void Form23::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form23";
}

} // namespace columns
