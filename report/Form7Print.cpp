// The report header form's print command: notes question, print dialog, portrait, the header texts
// into the record form, each copy as a document of its own, then the wrap-up.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form11.h"
#include "report/Form21.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/PrintRecord.h"
#include "report/RecordState.h"

namespace report
{

namespace
{

constexpr const char* Title = "Korvanta";

// Thrown to leave the print by its failure path without a run-time error of the platform.
struct PrintRefused
{};

bool anyNotes(app::Program& p)
{
    for (const std::string& line : p.state.ReportNotes) {
        if (!line.empty()) {
            return true;
        }
    }
    for (platform::TextBox* box : p.form21.noteBoxes()) {
        if (!box->text().empty()) {
            return true;
        }
    }
    return false;
}

template <class ColumnForm> void columnHeader(ColumnForm& form, Form7& f7)
{
    form.Label1.setCaption(f7.Heading1.text());
    form.Label2.setCaption(f7.Heading2.text());
    form.Label3.setCaption(f7.Text1.text());
    form.Label4.setCaption(f7.Text2.text());
    form.Label5.setCaption(f7.Text3.text());
    form.Label6.setCaption("Prepared by: " + f7.Initialbox.text());
    form.Label7.setCaption("Date: " + f7.Datebox.text());
}

} // namespace

void Form7::CmdPrint_Click()
{
    app::Program& p = m_program;
    platform::Printer& printer = p.runtime.printer();
    RecordTypeFlags& flags = p.record.flags;
    bool diagramPrinted = false;

    // The print command's own steps, up to the copies; false: the notes question was cancelled.
    auto print = [&]() -> bool {
        const std::vector<std::string> devices = printer.printers();
        const std::string current = printer.deviceName();
        for (const std::string& device : devices) {
            if (device == current) {
                if (p.state.DefaultPrinterName.empty()) {
                    p.state.DefaultPrinterName = device;
                }
                break;
            }
        }
        if (anyNotes(p)) {
            const platform::MsgResult answer =
                p.runtime.msgBox("There are currently notes on the Note Clipboard. Would you like them "
                                 "included on the printed "
                                 "Data Record?",
                                 platform::Buttons::YesNoCancel, platform::Icon::Question, Title);
            if (answer == platform::MsgResult::Cancel) {
                return false;
            }
            p.record.IncludeNotesFlag = answer == platform::MsgResult::Yes ? -1 : 0;
        }
        const std::optional<platform::PrintChoice> choice = p.runtime.printDialog({}, true);
        if (choice->orientation == 2) {
            p.runtime.msgBox(
                "If you'd like to reset your default printer orientation to Landscape when printing "
                "is finished, click on Print Setup on the menu bar.",
                platform::Buttons::OK, platform::Icon::None, Title);
        }
        printer.setOrientation(1);
        const int copies = choice->copies;

        const bool beam = flags.WoodColRequest != -1 && flags.SteelColRequest != -1 && !flags.StudRequest;
        if (beam && p.form6.Label61.caption() == "Label61") {
            throw PrintRefused{};
        }
        if (flags.WoodColRequest == -1) {
            columnHeader(p.form19, *this);
        } else if (flags.SteelColRequest == -1) {
            columnHeader(p.form23, *this);
        } else if (flags.StudRequest) {
            columns::Form28& f = p.form28;
            f.Label1.setCaption(Heading1.text());
            f.Label2.setCaption(Heading2.text());
            f.Label4.setCaption(Text1.text());
            f.Label5.setCaption(Text2.text());
            f.Label6.setCaption(Text3.text());
            f.Label7.setCaption("Prepared by: " + Initialbox.text());
            f.Label8.setCaption("Date: " + Datebox.text());
        } else {
            writeBeamHeader();
        }
        if (beam) {
            // A record loaded from a file is only text; the criteria of the last calculation stay.
            if (p.beam.flags.DataRecordLoaded != -1) {
                p.form1.Proj.setText(Text1.text());
                p.form1.ID.setText(Text3.text());
                p.form1.Descrip.setText(Text2.text());
            }
        } else {
            p.form18.ColumnProj.setText(Text1.text());
            p.form18.ColumnDescription.setText(Text2.text());
            p.form18.columnID.setText(Text3.text());
        }

        PrintPanel.setVisible(true);
        Label6.setCaption(Text3.text().empty() ? std::string("The Current Data Record") : Text3.text());
        const bool withDiagram = beam && LoadDiagram.value() != 0;
        for (int k = 1; k <= copies; ++k) {
            if (flags.WoodColRequest == -1) {
                PrintDataRecord(p, p.form19);
            } else if (flags.SteelColRequest == -1) {
                PrintDataRecord(p, p.form23);
            } else if (flags.StudRequest) {
                PrintDataRecord(p, p.form28);
                printer.paintPicture(p.form28.Image1.props().picture, 1380, 7688, 2295, 3975);
            } else if (withDiagram) {
                PrintDataRecord(p, p.form6, true);
                PrintLoadDiagram(p, p.form11);
                diagramPrinted = true;
            } else {
                PrintDataRecord(p, p.form6);
            }
            printer.endDoc();
        }
        if (beam) {
            if (diagramPrinted) {
                p.form11.unload();
            }
            p.form6.label("Label133Missing").setVisible(false);
        }
        PrintPanel.setVisible(false);
        flags.WoodColRequest = 0;
        flags.SteelColRequest = 0;
        flags.StudRequest = false;
        Label6.setCaption("");
        hide();
        if (p.state.AutoPrintMode == -1) {
            p.form1.show();
        }
        return true;
    };

    auto failed = [&] {
        p.runtime.msgBox("The data record printing was cancelled or could not be printed because an error "
                         "occurred.",
                         platform::Buttons::OK, platform::Icon::Exclamation, Title);
        printer.killDoc();
        printer.endDoc();
        show();
    };

    bool completed = false;
    const bool ran = platform::leaveOnError(
        [&] {
            try {
                completed = print();
            } catch (const PrintRefused&) {
                failed();
            }
        },
        [&](const platform::RuntimeError&) { failed(); });
    // The copies are printed: restoring the program's default printer cannot make the print a failed
    // one, and with no printer remembered there is nothing to restore.
    if (ran && completed && p.state.RestoreDefaultPrinter == -1 && !p.state.DefaultPrinterName.empty()) {
        platform::leaveOnError([&] { printer.setDevice(p.state.DefaultPrinterName); },
                               [](const platform::RuntimeError&) {});
    }
}

} // namespace report
