// The wood column record: its activation copies the design from the criteria form, the selection form's
// report and the shared column values; its print and save commands mark the record kind for the report
// header form before they show it.
#include "columns/Form19.h"

#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "files/ColumnRecordFile.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"
#include "report/Form7.h"
#include "report/RecordState.h"

namespace columns
{

namespace
{
using platform::num::format;
using platform::num::leadingNumber;
} // namespace

Form19::Form19(app::Program& program) : Form(program.runtime, "Form19"), m_program(program) {}

void Form19::onLoad()
{
    app::CenterForm(m_program, *this);
}

void Form19::onQueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

// A record whose fill failed must not be printed, saved or copied half-filled: the commands come back
// only with a complete fill.
void Form19::Form_Activate()
{
    app::CenterForm(m_program, *this);
    if (m_loadedRecord) {
        return;
    }
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&Command3D1, &MnuPrint, &MnuSave, &MnuCopyClipWd}) {
        c->setEnabled(false);
    }
    try {
        if (Label15.caption().empty()) {
            m_program.form18.show();
            unload();
            return;
        }
        fill();
    } catch (const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error loading the column data record.", platform::Buttons::OK,
                                 platform::Icon::None, "Korvanta");
        return;
    }
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&Command3D1, &MnuPrint, &MnuSave, &MnuCopyClipWd}) {
        c->setEnabled(true);
    }
}

void Form19::fill()
{
    Form18& f18 = m_program.form18;
    Form20& f20 = m_program.form20;
    const ColumnCriteria& c = m_program.columnState.criteria;
    const ColumnFactors& f = m_program.columnState.factors;
    // The criteria form's load took the way back away from a loaded record; a fill from the design
    // gives it back.
    backmnu.setEnabled(true);
    MnuGoto.setEnabled(true);
    MnuBack.setEnabled(true);
    MnuSelect.setEnabled(true);
    Label1.setCaption(m_program.state.DefaultHeading1);
    Label2.setCaption(m_program.state.DefaultHeading2);
    Label3.setCaption(f18.ColumnProj.text());
    Label4.setCaption(f18.ColumnDescription.text());
    Label5.setCaption(f18.columnID.text());

    Label36.setCaption(f20.Label25.caption());
    const double slenderness = leadingNumber(Label36.caption());
    Label40.setCaption(slenderness > 50 ? "Fail" : "OK");
    Label41.setCaption(format(slenderness / 50.0 * 100.0, "##0") + "%");

    Label38.setCaption(f20.Label49.caption());
    Label50.setCaption(f20.Label55.caption());
    Label51.setCaption(f20.Label56.caption());
    Label52.setCaption(f20.Label57.caption());
    Label81.setCaption(f20.Label47.caption());
    Label82.setCaption(f20.Label58.caption());
    const double area = leadingNumber(Label81.caption());
    const double required = leadingNumber(Label82.caption());
    Label83.setCaption(area < required ? "Fail" : "OK");
    if (area > 0 && required > 0) {
        Label84.setCaption(format(required / area * 100.0, "##") + "%");
    }
    Label86.setCaption(f20.Label21.caption() + " inches");
    Label66.setCaption(
        "Note: A wood plate under this column must have an Fc value, perpendicular to the grain, "
        "greater than " +
        f20.Label49.caption() + " psi.");

    Label67.setCaption(f20.Label39.caption());
    Label68.setCaption(format(c.ColCd, "#.00"));
    Label69.setCaption(f20.Label37.caption());
    Label70.setCaption(f20.Label35.caption());
    Label49.setCaption(format(c.ColE, "0.0"));
    Label55.setCaption(f20.Label43.caption());
    Label48.setCaption(format(c.ColFc, "##"));
    Label54.setCaption(format(f.ColFcAdj, "###"));
    Label15.setCaption(format(c.ColP, "##"));
    Label17.setCaption(format(c.ColHeight, "##.0#"));
    Label19.setCaption(format(c.ColL1, "#0.0#"));
    Label23.setCaption(format(c.ColL2, "#0.0#"));
    Label29.setCaption(f20.Label47.caption());
    Label30.setCaption(format(c.ColKe, "#0.0#"));
    Label60.setCaption(format(f.ColLe1, "##0"));
    Label61.setCaption(format(f.ColLe2, "##0"));
    Label71.setCaption(f20.Label33.caption());
    Label75.setCaption(f20.Label27.caption());
    Label76.setCaption(f20.Label31.caption());
    Label77.setCaption(f20.Label29.caption());
    Label80.setCaption(f20.Label45.caption());

    const bool nailed = f18.CNailedButton.value();
    const bool bolted = !nailed && f18.CBoltedButton.value();
    const bool sheathed = (nailed || bolted) && f18.ResetKf.value() == 1;
    const char* kind = nailed   ? "         Nailed Built-Up Wood Column"
                       : bolted ? "         Bolted Built-Up Wood Column"
                                : "         Solid Wood Column";
    SheathNote.setCaption(
        sheathed ? "ATTENTION: This column is required to be laterally stabilzed on at least one "
                   "face by securing full"
                 : "");
    Sheathnote2.setCaption(!sheathed ? ""
                           : nailed  ? "height sheathing applied to a side Parallel to the build-up nails."
                                     : "height sheathing applied to a side Parallel to the build-up bolts.");
    Label10.setCaption("  " + f20.D1selected.text() + " " + f20.D2selected.text() + " " +
                       f20.SelectColumnText.text() + kind);

    const auto& s = m_program.state;
    const char* edition = s.NDS1997 != 0   ? " NDS 1997"
                          : s.NDS2012 != 0 ? " NDS 2012"
                          : s.NDS2015 != 0 ? " NDS 2015"
                          : s.NDS2018 != 0 ? " NDS 2018"
                          : s.NDS2005 != 0 ? " NDS 2005"
                                           : " NDS 2001";
    const bool incised = f18.ColIncised.value() != 0;
    const bool wet = f18.cWetButton.value() != 0;
    Label58.setCaption(incised && wet ? "Cm Wet, Ci Incised" : incised ? "Ci Incised" : "Cm Wet Use");
    std::string group;
    if (f18.StringerButton.value()) {
        group = std::string(edition) + ", Using values for 5x + solid sawn, Beams and Stringers.";
    } else if (f18.TimberButton.value()) {
        group = std::string(edition) + ", Using values for 5x + solid sawn, Posts and Timbers.";
    } else if (f18.FramingButton.value()) {
        group = std::string(edition) + ", Using values for 2x and 4x solid sawn, Dimension Lumber.";
    }
    Label59.setCaption(group);
    std::string conditions = std::string(wet ? "Wet Use" : "") + (incised ? " Incised" : "");
    const char* lamination = nailed ? "Laminate built-up nailed columns per NDS 15.3.3.1 or per local code."
                             : bolted
                                 ? "Laminate built-up bolted columns per NDS 15.3.4.1 or per local code. "
                                   "Stagger bolt rows."
                                 : "";
    if (*lamination != '\0') {
        conditions += (conditions.empty() ? "" : ", ") + std::string(lamination);
    }
    Label12.setCaption(conditions);
}

void Form19::Print_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = -1;
    f.SteelColRequest = 0;
    f.StudRequest = false;
    m_program.form7.openForRecord();
}

// Every request flag is cleared and only the current flag set: the report header form's activation
// turns it into the request, and a steel request or a steel current flag left from an earlier print or
// save must not take the save (the header form weighs the steel current flag before the wood one).
void Form19::MnuSave_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = 0;
    f.SteelColRequest = 0;
    f.StudRequest = false;
    f.SteelColCurrent = 0;
    f.StudCurrent = 0;
    f.WoodColCurrent = -1;
    m_program.form7.openForRecord();
}

// A loaded record is text that no criteria stand behind, so the way back to them closes whatever the
// load's outcome.
void Form19::MnuLoad_Click()
{
    files::LoadWoodColumnRecord(m_program);
    if (m_program.recordFiles.WoodColLoadFailed == 0) {
        holdLoadedRecord();
    }
    MnuBack.setEnabled(false);
    MnuSelect.setEnabled(false);
}

void Form19::holdLoadedRecord()
{
    m_loadedRecord = true;
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&Command3D1, &MnuPrint, &MnuSave, &MnuCopyClipWd}) {
        c->setEnabled(true);
    }
}

void Form19::showDesign()
{
    m_loadedRecord = false;
    show();
}

void Form19::MnuNew_Click()
{
    m_loadedRecord = false;
    MnuBack.setEnabled(true);
    MnuSelect.setEnabled(true);
    hide();
    m_program.form18.show();
    m_program.form18.ResetColumnCriteria();
}

void Form19::MnuExit_Click()
{
    m_program.record.WoodColRecordLoaded = 0;
    m_program.record.SteelColRecordLoaded = 0;
    m_program.form18.unload();
    unload();
    m_program.form20.unload();
    m_program.form10.unload();
    m_program.form23.unload();
    m_program.form1Window.show();
}

void Form19::MnuBack_Click()
{
    hide();
    m_program.form18.show();
}

void Form19::MnuSelect_Click()
{
    hide();
    m_program.form20.show();
}

void Form19::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form19";
}

} // namespace columns
