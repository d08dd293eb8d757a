// Record forms on paper: every visible label at its place, the rules and boxes of the record kind, the
// report notes at the foot; the load location diagram with its supports below a beam record.
#include "report/PrintRecord.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/RecordState.h"

#include <array>

namespace report
{

namespace
{

constexpr const char* Title = "Korvanta";

struct Segment
{
    bool box; // a box: (x1, y1) corner, (x2, y2) size; a rule: from (x1, y1) to (x2, y2)
    double x1, y1, x2, y2;
};

constexpr std::array<Segment, 7> WoodColumnRules{{{false, 160, 760, 8860, 760},
                                                  {false, 160, 1025, 8860, 1025},
                                                  {true, 1600, 1680, 7275, 315},
                                                  {true, 1600, 2700, 7275, 1155},
                                                  {true, 1600, 4680, 3555, 1095},
                                                  {true, 5380, 4140, 3495, 1635},
                                                  {false, 5380, 4680, 8860, 4680}}};
constexpr std::array<Segment, 5> SteelColumnRules{{{false, 260, 760, 8960, 760},
                                                   {false, 260, 1025, 8960, 1025},
                                                   {true, 1760, 1980, 7272, 312},
                                                   {true, 1760, 3000, 7272, 1152},
                                                   {true, 1760, 4660, 3552, 1092}}};
constexpr std::array<Segment, 7> StudWallRules{{{false, 240, 510, 8895, 510},
                                                {false, 240, 795, 8895, 795},
                                                {true, 2760, 3300, 4875, 2055},
                                                {true, 120, 3300, 2595, 2055},
                                                {true, 1080, 5820, 3675, 1275},
                                                {true, 6300, 5820, 2595, 615},
                                                {true, 6300, 6480, 2595, 1095}}};
constexpr std::array<Segment, 2> BeamRules{{{false, 225, 180, 9140, 180}, {false, 225, -70, 9140, -70}}};

template <std::size_t N> void drawSegments(platform::Printer& printer, const std::array<Segment, N>& segments)
{
    for (const Segment& s : segments) {
        if (s.box) {
            printer.box(s.x1, s.y1, s.x2, s.y2);
        } else {
            printer.line(s.x1, s.y1, s.x2, s.y2);
        }
    }
}

bool highDpi(app::Program& program)
{
    return program.form7.HighDPI.checked();
}

enum class RecordKind
{
    WoodColumn,
    SteelColumn,
    StudWall,
    Beam
};

RecordKind recordKind(const RecordTypeFlags& f)
{
    if (f.WoodColRequest == -1) {
        return RecordKind::WoodColumn;
    }
    if (f.SteelColRequest == -1) {
        return RecordKind::SteelColumn;
    }
    if (f.StudRequest) {
        return RecordKind::StudWall;
    }
    return RecordKind::Beam;
}

platform::Form& recordWindow(app::Program& p, RecordKind kind)
{
    switch (kind) {
    case RecordKind::WoodColumn:
        return p.form19;
    case RecordKind::SteelColumn:
        return p.form23;
    case RecordKind::StudWall:
        return p.form28;
    case RecordKind::Beam:
        break;
    }
    return p.form6;
}

// The origin moves so that the form is centred across the page, its top an eighth of the spare height
// down; extraDown lowers it further.
void placeForm(platform::Printer& printer, platform::Form& form, double extraDown)
{
    printer.setScaleLeft(-(printer.pageWidth() - form.width()) / 2);
    printer.setScaleTop(-((printer.pageHeight() - form.height()) / 8 + extraDown));
}

// The band behind the load table's headings shows whenever the table has a first row to head.
void prepareBeamRecord(app::Program& p)
{
    Form6& f = p.form6;
    const bool loaded = p.beam.flags.DataRecordLoaded == -1;
    bool headingsEmpty = true;
    for (const char* name : {"Label115", "Label77", "Label78", "Label116", "Label74", "Label75"}) {
        headingsEmpty = headingsEmpty && f.caption(name).empty();
    }
    if (!(headingsEmpty && loaded)) {
        bool firstRow = false;
        for (const char* name : {"Label79", "Label85", "Label125", "Label91"}) {
            firstRow = firstRow || !f.caption(name).empty();
        }
        if (!f.caption("Label119").empty() || (!p.form1.IncButton.value() && firstRow)) {
            f.label("Label200").setVisible(true);
        }
    }
    f.label("Label187").setTop(loaded ? 9700 : 11850);
}

void printNotes(app::Program& p, double x, double y, double lineX)
{
    platform::Printer& printer = p.runtime.printer();
    printer.setFontBold(false);
    printer.setFontItalic(true);
    printer.setFontUnderline(true);
    printer.setCurrentX(x);
    printer.setCurrentY(y);
    printer.print("Notes");
    printer.setFontItalic(false);
    printer.setFontUnderline(false);
    for (std::size_t i = 0; i < p.state.ReportNotes.size(); ++i) {
        printer.setCurrentX(lineX);
        printer.setCurrentY(y + 250.0 * static_cast<double>(i));
        printer.print(p.state.ReportNotes[i]);
    }
}

// The notes layout goes by the record kind; a composed beam printed with its diagram has the notes in
// the diagram.
void notes(app::Program& p, RecordKind kind, bool withDiagram)
{
    if (p.record.IncludeNotesFlag != -1) {
        return;
    }
    switch (kind) {
    case RecordKind::WoodColumn:
    case RecordKind::SteelColumn:
        printNotes(p, 300, 7775, 1000);
        break;
    case RecordKind::StudWall:
        printNotes(p, 300, 11775, 1000);
        break;
    case RecordKind::Beam:
        if (p.beam.flags.DataRecordLoaded == -1 || !withDiagram) {
            printNotes(p, 275, 9975, 1500);
        }
        break;
    }
}

// Prints the form's labels in control order; false when a label failed (its message is shown).
bool printLabels(app::Program& p, platform::Form& form)
{
    p.record.DrawLabelError = 0;
    for (platform::Control* control : form.controls()) {
        auto* label = dynamic_cast<platform::Label*>(control);
        if (label == nullptr) {
            continue;
        }
        if (p.record.DrawLabelError != 0) {
            return false;
        }
        DrawLabel(p, *label);
    }
    return true;
}

struct Support
{
    double apex, baseFrom, baseTo;
};

void drawSupport(platform::Printer& printer, const Support& s)
{
    printer.line(s.apex, 2460, s.baseFrom, 2670);
    printer.line(s.baseTo, 2670, s.apex, 2460);
    printer.line(s.baseFrom, 2670, s.baseTo, 2670);
}

} // namespace

void DrawLabel(app::Program& program, platform::Label& label)
{
    if (!label.visible()) {
        program.record.DrawLabelError = 0;
        return;
    }
    platform::Printer& printer = program.runtime.printer();
    const bool printed = platform::leaveOnError(
        [&] {
            const platform::FontSpec font = label.font();
            printer.setFontBold(font.bold);
            printer.setFontItalic(font.italic);
            printer.setFontUnderline(font.underline);
            const std::string text = label.caption();
            const double width = printer.textWidth(text);
            if (label.props().borderStyle == 1) {
                printer.setDrawWidth(highDpi(program) ? 4 : 3);
                printer.box(label.left(), label.top() - 15, label.width(), label.height());
            }
            double x = label.left();
            if (label.props().alignment == platform::Alignment::Right) {
                x = label.left() + label.width() - width;
            } else if (label.props().alignment == platform::Alignment::Center) {
                x = label.left() + (label.width() - width) / 2;
            }
            printer.setCurrentX(x);
            printer.setCurrentY(label.top());
            printer.print(text);
        },
        [&](const platform::RuntimeError&) {
            program.runtime.msgBox("Error printing Draw-Lable Procedure.", platform::Buttons::OK,
                                   platform::Icon::Exclamation, Title);
        });
    program.record.DrawLabelError = printed ? 0 : -1;
}

void PrintDataRecord(app::Program& program, platform::Form& form, bool withDiagram)
{
    platform::Printer& printer = program.runtime.printer();
    auto fail = [&] {
        program.runtime.msgBox(
            "Unable to print the DataRecord.\r\rPlease check your Windows Control Panel or Font "
            "Manager to make sure the 'Arial' font is available and TrueType fonts are enabled.",
            platform::Buttons::OK, platform::Icon::Exclamation, Title);
    };
    platform::leaveOnError(
        [&] {
            std::string& fontName = program.state.PrintFontName;
            if (fontName.empty() || fontName == std::string(20, ' ')) {
                fontName = "Arial";
            }
            printer.setFontName(fontName);
            printer.setFontSize(9);
            const RecordKind kind = recordKind(program.record.flags);
            platform::Form& window = recordWindow(program, kind);
            if (window.windowState() == platform::WindowState::Maximized) {
                window.setWindowState(platform::WindowState::Normal);
                window.refresh();
            }
            placeForm(printer, form, 0);
            printer.setDrawWidth(highDpi(program) ? 4 : 2);
            switch (kind) {
            case RecordKind::WoodColumn:
                drawSegments(printer, WoodColumnRules);
                break;
            case RecordKind::SteelColumn:
                drawSegments(printer, SteelColumnRules);
                break;
            case RecordKind::StudWall:
                drawSegments(printer, StudWallRules);
                break;
            case RecordKind::Beam:
                drawSegments(printer, BeamRules);
                prepareBeamRecord(program);
                break;
            }
            if (!printLabels(program, form)) {
                fail();
                return;
            }
            notes(program, kind, withDiagram);
        },
        [&](const platform::RuntimeError&) { fail(); });
}

void PrintLoadDiagram(app::Program& program, platform::Form& form)
{
    platform::Printer& printer = program.runtime.printer();
    auto fail = [&] {
        program.runtime.msgBox("Error at the Print Form 2 procedure.", platform::Buttons::OK,
                               platform::Icon::Exclamation, Title);
    };
    platform::leaveOnError(
        [&] {
            printer.setFontName(program.state.PrintFontName);
            printer.setFontSize(9);
            placeForm(printer, form, 2 * form.height());
            if (!printLabels(program, form)) {
                fail();
                return;
            }
            printer.setDrawWidth(4);
            drawSupport(printer, {1200, 985, 1410});
            drawSupport(printer, {6405, 6195, 6620});
            app::Form1& f1 = program.form1;
            const int inner = highDpi(program) ? 4 : 2;
            if (f1.Multibutton.value() && f1.TwoSpan.value()) {
                printer.setDrawWidth(inner);
                drawSupport(printer, {3876, 3660, 4086});
            } else if (f1.Multibutton.value() && f1.ThreeSpan.value()) {
                printer.setDrawWidth(inner);
                drawSupport(printer, {2916, 2700, 3126});
                drawSupport(printer, {4716, 4500, 4926});
            }
            if (f1.IncButton.value()) {
                printer.line(1200, 2115, 6390, 840);
                printer.line(6390, 840, 6390, 2115);
                printer.line(1200, 2115, 6390, 2115);
            }
        },
        [&](const platform::RuntimeError&) { fail(); });
}

} // namespace report
