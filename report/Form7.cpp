// The report header form: which record it serves, its header boxes, the save commands, notes, close
// and back, fonts, print setup and the help buttons. The print command is in Form7Print.cpp.
#include "report/Form7.h"

#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "files/BeamDataRecordFile.h"
#include "files/ColumnRecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/Form24.h"
#include "report/Form5.h"
#include "report/Form6.h"
#include "report/RecordState.h"
#include "steel/Form22.h"

namespace report
{

namespace
{
constexpr const char* Title = "Korvanta";
}

Form7::Form7(app::Program& program) : Form(program.runtime, "Form7"), m_program(program) {}

void Form7::openForRecord()
{
    m_fillPending = true;
    show();
    refresh();
    // Already active: the show ran no activation, so the boxes are filled here.
    if (m_fillPending) {
        Form_Activate();
    }
}

void Form7::Form_Load()
{
    app::CenterForm(m_program, *this);
}

void Form7::Form_Activate()
{
    platform::ResumeNext next([&](const platform::RuntimeError&) {
        m_program.runtime.msgBox(
            "Error detected while loading the Report Header form. This might be due to not "
            "having a Printer Driver installed on your computer and the font names cannot "
            "be listed. Please install an appropriate printer driver (or any generic "
            "Windows print driver) and then you may access this menu.",
            platform::Buttons::OK, platform::Icon::None, Title);
    });
    next([&] { app::CenterForm(m_program, *this); });
    next([&] { checkPrintFont(); });
    next([&] { takeRecordKind(); });
    next([&] { PrintPanel.setVisible(false); });
    next([&] {
        if (Datebox.text().empty()) {
            Datebox.setText(platform::num::formatDate(m_program.runtime.clock().now(), "m/dd/yy"));
        }
    });
    // What the user typed survives later activations (after the notes or the font window); the boxes
    // are filled only when a record form's command has just opened the form.
    if (m_fillPending) {
        m_fillPending = false;
        next([&] { fillHeaderBoxes(); });
    }
}

void Form7::checkPrintFont()
{
    std::string& font = m_program.state.PrintFontName;
    if (font.empty()) {
        CurrentFontLabel.setCaption("Arial");
        font = "Arial";
    }
    platform::Printer& printer = m_program.runtime.printer();
    bool found = false;
    const int count = printer.fontCount();
    for (int i = 0; i < count && !found; ++i) {
        found = printer.font(i) == font;
    }
    if (!found) {
        font = "Arial";
    }
    CurrentFontLabel.setCaption(font);
}

void Form7::takeRecordKind()
{
    RecordTypeFlags& f = m_program.record.flags;
    if (f.WoodColRequest == -1) {
        f = RecordTypeFlags{-1, 0, false, -1, 0, 0};
    } else if (f.SteelColRequest == -1) {
        f = RecordTypeFlags{0, -1, false, 0, -1, 0};
    } else if (f.StudRequest) {
        f = RecordTypeFlags{0, 0, true, 0, 0, -1};
    } else if (f.SteelColCurrent == -1) {
        f = RecordTypeFlags{0, -1, false, 0, -1, 0};
    } else if (f.WoodColCurrent == -1) {
        f = RecordTypeFlags{-1, 0, false, -1, 0, 0};
    } else if (f.StudCurrent == -1) {
        f = RecordTypeFlags{0, 0, true, 0, 0, -1};
    }
}

void Form7::fillHeaderBoxes()
{
    const RecordTypeFlags& f = m_program.record.flags;
    app::Program& p = m_program;
    auto fromColumn = [&](auto& form) {
        PrintBeamSelect.setCaption(form.Label10.caption());
        Heading1.setText(form.Label1.caption());
        Heading2.setText(form.Label2.caption());
        Text1.setText(form.Label3.caption());
        Text2.setText(form.Label4.caption());
        Text3.setText(form.Label5.caption());
        LoadDiagram.setValue(0);
        LoadDiagram.setVisible(false);
        Label9.setCaption("Column ID");
    };
    if (f.WoodColRequest == -1 || f.WoodColCurrent == -1) {
        fromColumn(p.form19);
    } else if (f.SteelColRequest == -1 || f.SteelColCurrent == -1) {
        fromColumn(p.form23);
    } else if (f.StudCurrent == -1 || f.StudRequest) {
        PrintBeamSelect.setCaption(p.form28.Label13.caption());
        Heading1.setText(p.form28.Label1.caption());
        Heading2.setText(p.form28.Label2.caption());
        Text1.setText(p.form28.Label4.caption());
        Text2.setText(p.form28.Label5.caption());
        Text3.setText(p.form28.Label6.caption());
        LoadDiagram.setValue(0);
        LoadDiagram.setVisible(false);
        Label9.setCaption("Column ID");
    } else if (p.beam.flags.DataRecordLoaded == -1) {
        PrintBeamSelect.setCaption(p.form6.caption("Label5"));
        Heading1.setText(p.form6.caption("Label132"));
        Heading2.setText(p.form6.caption("Label133Missing"));
        Text1.setText(p.form6.caption("Label1"));
        Text2.setText(p.form6.caption("Label3"));
        Text3.setText(p.form6.caption("Label2"));
        LoadDiagram.setValue(0);
        LoadDiagram.setEnabled(false);
        LoadDiagram.setVisible(true);
        Label9.setCaption("Beam ID");
    } else {
        Heading1.setText(p.state.DefaultHeading1);
        Heading2.setText(p.state.DefaultHeading2);
        Text1.setText(p.form1.Proj.text());
        Text2.setText(p.form1.Descrip.text());
        Text3.setText(p.form1.ID.text());
        PrintBeamSelect.setCaption(p.form5.DisplayChoice.caption());
        LoadDiagram.setValue(-1);
        LoadDiagram.setEnabled(true);
        LoadDiagram.setVisible(true);
        Label9.setCaption("Beam ID");
    }
}

void Form7::Field_GotFocus()
{
    app::SelectFieldText(m_program);
}

void Form7::writeBeamHeader()
{
    Form6& f6 = m_program.form6;
    f6.label("Label133Missing").setVisible(true);
    f6.label("Label133Missing").setCaption(Heading2.text());
    f6.label("Label132").setCaption(Heading1.text());
    f6.label("Label169").setCaption(Initialbox.text().empty() ? "" : "Prepared by: " + Initialbox.text());
    f6.label("Label4").setCaption("Date: " + Datebox.text());
    f6.label("Label1").setCaption(Text1.text());
    f6.label("Label2").setCaption(Text3.text());
    f6.label("Label3").setCaption(Text2.text());
}

namespace
{
// A column record's header labels from the header boxes.
template <class ColumnForm> void copyColumnHeader(ColumnForm& form, Form7& f7)
{
    form.Label3.setCaption(f7.Text1.text());
    form.Label4.setCaption(f7.Text2.text());
    form.Label5.setCaption(f7.Text3.text());
}
} // namespace

// "&Save Data Record"
void Form7::Command1_Click()
{
    app::Program& p = m_program;
    const RecordTypeFlags& f = p.record.flags;
    platform::ResumeNext next([&](const platform::RuntimeError&) {
        p.runtime.msgBox("Error saving record.", platform::Buttons::OK, platform::Icon::None, Title);
    });
    // Both save commands copy the header into a column record before saving it.
    if (f.WoodColCurrent == -1) {
        next([&] { copyColumnHeader(p.form19, *this); });
        next([&] { files::SaveWoodColumnRecord(p); });
    } else if (f.SteelColCurrent == -1) {
        next([&] { copyColumnHeader(p.form23, *this); });
        next([&] { files::SaveSteelColumnRecord(p); });
    } else {
        next([&] { writeBeamHeader(); });
        // A record loaded from a file is only text; the criteria of the last calculation stay.
        if (p.beam.flags.DataRecordLoaded != -1) {
            next([&] {
                p.form1.Proj.setText(Text1.text());
                p.form1.ID.setText(Text3.text());
                p.form1.Descrip.setText(Text2.text());
            });
        }
        next([&] { files::SaveDataRecord(p); });
    }
    next([&] { refresh(); });
    if (f.WoodColCurrent == -1 || f.SteelColCurrent == -1) {
        return;
    }
    if (p.runtime.msgBox("Would you like to now go to Form 1 to save the Criteria for this beam?",
                         platform::Buttons::YesNo, platform::Icon::Question,
                         Title) == platform::MsgResult::Yes) {
        p.form1.show();
        hide();
        if (p.beam.flags.SteelBeamFlag == -1) {
            p.form22.unload();
        }
    }
}

// File > "&Save Record"
void Form7::MnuSaveRec_Click()
{
    app::Program& p = m_program;
    const RecordTypeFlags& f = p.record.flags;
    platform::ResumeNext next([&](const platform::RuntimeError&) {
        p.runtime.msgBox("Error saving record.", platform::Buttons::OK, platform::Icon::None, Title);
    });
    if (f.WoodColCurrent == -1) {
        next([&] { copyColumnHeader(p.form19, *this); });
        next([&] { files::SaveWoodColumnRecord(p); });
    } else if (f.SteelColCurrent == -1) {
        next([&] { copyColumnHeader(p.form23, *this); });
        next([&] { files::SaveSteelColumnRecord(p); });
    } else {
        next([&] { writeBeamHeader(); });
        next([&] { files::SaveDataRecord(p); });
    }
    next([&] { refresh(); });
}

// " &Add Notes": for a beam the project texts go to the criteria form first, so that they survive.
void Form7::Command2_Click()
{
    const RecordTypeFlags& f = m_program.record.flags;
    if (f.WoodColRequest == 0 && f.SteelColRequest == 0 && !f.StudRequest) {
        m_program.form1.Proj.setText(Text1.text());
        m_program.form1.Descrip.setText(Text2.text());
        m_program.form1.ID.setText(Text3.text());
    }
    m_program.form21.show();
}

// "&Close". In the load-and-print run the flags are set before Form6 is shown, so that its activation
// goes on to the criteria form instead of printing again.
void Form7::Command3_Click()
{
    const bool autoPrint = m_program.state.AutoPrintMode == -1;
    if (autoPrint) {
        m_program.state.AutoPrintMode = 0;
        m_program.record.CriteriaReturnPending = -1;
    }
    if (CmdPrint.canFocus()) {
        CmdPrint.setFocus();
    }
    hide();
    if (autoPrint) {
        m_program.form6.show();
    }
    showColumnCriteria();
}

void Form7::MnuClose_Click()
{
    hide();
    showColumnCriteria();
}

void Form7::backmnu_Click()
{
    hide();
    if (m_program.state.AutoPrintMode == -1) {
        m_program.form1.show();
    }
    showColumnCriteria();
}

// Only a column record served here goes back to the column criteria form.
void Form7::showColumnCriteria()
{
    const RecordTypeFlags& f = m_program.record.flags;
    if (m_program.record.WoodColRecordLoaded == -1 && f.WoodColCurrent == -1) {
        m_program.form18.show();
        m_program.form19.unload();
    } else if (m_program.record.SteelColRecordLoaded == -1 && f.SteelColCurrent == -1) {
        m_program.form18.show();
        m_program.form23.unload();
    }
}

void Form7::CmdClear_Click()
{
    Heading1.setText("");
    Heading2.setText("");
    Initialbox.setText("");
    refresh();
}

void Form7::MnuFont_Click()
{
    m_program.form24.show();
}

void Form7::Mnusetup_Click()
{
    platform::leaveOnError(
        [&] {
            m_program.runtime.printSetup();
            refresh();
        },
        [](const platform::RuntimeError&) {});
}

void Form7::FileManager_Click()
{
    app::LaunchExplorer(m_program);
}

void Form7::help(const char* text)
{
    m_program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, Title);
}

void Form7::Command3D1_Click()
{
    help("If you are printing on a 600 DPI printer you may have a better looking printout by checking this "
         "box.  "
         "The boxes around the text are slightly adjusted.");
}

void Form7::Command3D2_Click()
{
    help("You may save your heading to disk and have it automatically loaded.  In Criteria Form1, select "
         "OPTIONS "
         "from the menu bar, select SET DEFAULTS, and enter your heading.");
}

void Form7::Command3D3_Click()
{
    help("You may edit the Project Title, Description, and Beam ID.  The beam or column Choice may not be "
         "edited "
         "here.");
}

} // namespace report
