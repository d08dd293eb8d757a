// The report header form's print command and the page it prints: the notes question, the print
// dialog, copies, the guard and the wrap-up; the display list of a beam record with its rules, label
// boxes, alignment and notes, the load diagram below it with its supports, and the column layouts.
//
// Placement on the headless host's letter sheet (12240 x 15840 twips): Form6's outer size is its client
// area 9840 x 9705 plus borders (2 x 60), caption (300) and menu bar (300): 9960 x 10425, so the record
// prints at x + (12240 - 9960) / 2 = x + 1140 and y + (15840 - 10425) / 8 = y + 676.875. Form11 is
// 9300 x 4095 outside: x + 1470 and y + (15840 - 4095) / 8 + 2 x 4095 = y + 9658.125.
#include "RecordFixture.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/ColumnState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "report/Form11.h"
#include "report/Form21.h"
#include "report/Form7.h"
#include "report/RecordState.h"

#include <optional>

namespace recordtest
{

using platform::PrintChoice;
using platform::PrintOp;

namespace
{

constexpr double RecordX = 1140, RecordY = 676.875;
constexpr double DiagramX = 1470, DiagramY = 9658.125;

std::optional<PrintOp> findText(const std::vector<PrintOp>& page, const std::string& text)
{
    for (const PrintOp& op : page) {
        if (op.kind == PrintOp::Kind::Text && op.text == text) {
            return op;
        }
    }
    return std::nullopt;
}

int countLines(const std::vector<PrintOp>& page, double x1, double y1, double x2, double y2, int pen)
{
    int n = 0;
    for (const PrintOp& op : page) {
        if (op.kind == PrintOp::Kind::Line && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2 &&
            op.drawWidth == pen) {
            ++n;
        }
    }
    return n;
}

bool hasBox(const std::vector<PrintOp>& page, double x, double y, double w, double h, int pen)
{
    for (const PrintOp& op : page) {
        if (op.kind == PrintOp::Kind::Box && op.x1 == x && op.y1 == y && op.x2 == w && op.y2 == h &&
            op.drawWidth == pen) {
            return true;
        }
    }
    return false;
}

} // namespace

class PrintRecord : public RecordTest
{
  protected:
    report::Form7& form7 = program.form7;

    void composedBeamInHeader()
    {
        simpleSawnBeam();
        openRecord();
        driver.click(form6.Command1);
        driver.clearMessages();
    }

    void print(PrintChoice choice = {"Printer A", 1, 1})
    {
        driver.answerPrint(choice);
        driver.click(form7.CmdPrint);
    }

    const std::vector<PrintOp>& page(std::size_t document = 0)
    {
        return driver.printed().at(document).pages.at(0);
    }
};

TEST_F(PrintRecord, BeamRecordWithDiagramOnOnePage)
{
    composedBeamInHeader();
    type(form7.Heading2, "SECOND LINE");
    type(form7.Initialbox, "JS");
    print();
    ASSERT_EQ(driver.printed().size(), 1u);
    const auto& doc = driver.printed()[0];
    EXPECT_FALSE(doc.abandoned);
    EXPECT_EQ(doc.orientation, 1);
    ASSERT_EQ(doc.pages.size(), 1u);
    const auto& p = page();
    // the beam record's two rules, pen 2 without the 600 dpi option
    EXPECT_EQ(countLines(p, 225 + RecordX, 180 + RecordY, 9140 + RecordX, 180 + RecordY, 2), 1);
    EXPECT_EQ(countLines(p, 225 + RecordX, -70 + RecordY, 9140 + RecordX, -70 + RecordY, 2), 1);
    // the selection box Label195 (1404, 768, 7800 x 300), raised by 15 twips, label pen 3
    EXPECT_TRUE(hasBox(p, 1404 + RecordX, 753 + RecordY, 7800, 300, 3));
    // the second heading printed, the initials line, the span right-aligned in its label
    ASSERT_TRUE(findText(p, "SECOND LINE"));
    EXPECT_EQ(findText(p, "Prepared by: JS")->x1, 4464 + RecordX);
    const PrintOp span = *findText(p, "12.0");
    EXPECT_EQ(span.y1, 1620 + RecordY);
    EXPECT_EQ(span.x1, 2880 + 735 - driver.runtime().printer().textWidth("12.0") + RecordX);
    EXPECT_EQ(span.font.name, "Arial");
    EXPECT_EQ(span.font.size, 9);
    EXPECT_FALSE(span.font.bold);
    EXPECT_TRUE(findText(p, "Selection")->font.italic);
    // an invisible label prints nothing: the load table's band has no load to head
    EXPECT_FALSE(hasBox(p, 252 + RecordX, 7047 + RecordY, 8940, 240, 3));
    // the diagram: its span caption and the two end supports, pen 4
    EXPECT_EQ(findText(p, "SPAN = 12 FT")->y1, 2940 + DiagramY);
    EXPECT_EQ(countLines(p, 1200 + DiagramX, 2460 + DiagramY, 985 + DiagramX, 2670 + DiagramY, 4), 1);
    EXPECT_EQ(countLines(p, 6620 + DiagramX, 2670 + DiagramY, 6405 + DiagramX, 2460 + DiagramY, 4), 1);
    EXPECT_EQ(countLines(p, 3876 + DiagramX, 2460 + DiagramY, 3660 + DiagramX, 2670 + DiagramY, 2), 0);
    // wrap-up
    EXPECT_FALSE(form7.visible());
    EXPECT_FALSE(program.form11.loaded());
    EXPECT_FALSE(shown("Label133Missing"));
    EXPECT_EQ(form1.Proj.text(), form7.Text1.text());
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(PrintRecord, HighDpiThickensRulesAndBoxesAndInnerSupports)
{
    simpleSawnBeam();
    driver.click(form1.Multibutton);
    driver.click(form1.TwoSpan);
    openRecord();
    driver.click(form6.Command1);
    driver.click(form7.HighDPI);
    print();
    const auto& p = page();
    EXPECT_EQ(countLines(p, 225 + RecordX, 180 + RecordY, 9140 + RecordX, 180 + RecordY, 4), 1);
    EXPECT_TRUE(hasBox(p, 1404 + RecordX, 753 + RecordY, 7800, 300, 4));
    EXPECT_EQ(countLines(p, 3876 + DiagramX, 2460 + DiagramY, 3660 + DiagramX, 2670 + DiagramY, 4), 1);
}

TEST_F(PrintRecord, SupportsOfTheDiagramFollowTheLoadType)
{
    simpleSawnBeam();
    driver.click(form1.Multibutton);
    driver.click(form1.ThreeSpan);
    openRecord();
    driver.click(form6.Command1);
    print();
    const auto& p = page();
    EXPECT_EQ(countLines(p, 2916 + DiagramX, 2460 + DiagramY, 2700 + DiagramX, 2670 + DiagramY, 2), 1);
    EXPECT_EQ(countLines(p, 4716 + DiagramX, 2460 + DiagramY, 4500 + DiagramX, 2670 + DiagramY, 2), 1);
    EXPECT_EQ(countLines(p, 1200 + DiagramX, 2115 + DiagramY, 6390 + DiagramX, 840 + DiagramY, 2), 0);
}

// Notes asked for are printed: with the diagram only in the diagram, without it at the record's foot.
TEST_F(PrintRecord, NotesGoWhereTheLayoutPutsThem)
{
    composedBeamInHeader();
    program.state.ReportNotes[0] = "Nail with 16d at 6 in.";
    driver.answerMessage(MsgResult::Yes);
    print();
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "There are currently notes on the Note Clipboard. Would you like them "
              "included on the printed Data Record?");
    EXPECT_EQ(program.record.IncludeNotesFlag, -1);
    {
        const auto& p = page(0);
        EXPECT_EQ(findText(p, "Nail with 16d at 6 in.")->y1, 3756 + DiagramY);
        EXPECT_EQ(findText(p, "Notes")->y1, 3756 + DiagramY);
    }
    driver.click(form6.Command1);
    driver.click(form7.LoadDiagram); // untick
    driver.answerMessage(MsgResult::Yes);
    print();
    const auto& p = page(1);
    const PrintOp heading = *findText(p, "Notes");
    EXPECT_EQ(heading.x1, 275 + RecordX);
    EXPECT_EQ(heading.y1, 9975 + RecordY);
    EXPECT_TRUE(heading.font.italic && heading.font.underline);
    EXPECT_EQ(findText(p, "Nail with 16d at 6 in.")->x1, 1500 + RecordX);
}

TEST_F(PrintRecord, CancelledNotesQuestionPrintsNothing)
{
    composedBeamInHeader();
    program.state.ReportNotes[2] = "x";
    driver.answerMessage(MsgResult::Cancel);
    driver.click(form7.CmdPrint);
    EXPECT_TRUE(driver.printed().empty());
    EXPECT_TRUE(form7.visible());
    EXPECT_EQ(program.record.IncludeNotesFlag, 0);
}

TEST_F(PrintRecord, CancelledDialogTakesTheFailurePath)
{
    program.record.flags.WoodColRequest = -1;
    driver.runtime().dispatch([&] { program.form19.show(); });
    driver.click(program.form19.Command3D1);
    driver.cancelPrint();
    driver.click(form7.CmdPrint);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "The data record printing was cancelled or could not be printed because an error occurred.");
    EXPECT_TRUE(driver.printed().empty() || driver.printed().back().abandoned);
    EXPECT_TRUE(form7.visible());
    EXPECT_EQ(program.record.flags.WoodColRequest, -1);
}

TEST_F(PrintRecord, LandscapeIsToldAndPrintedPortraitThreeCopiesAsThreeDocuments)
{
    composedBeamInHeader();
    print({"Printer B", 3, 2});
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 40), "If you'd like to reset your default prin");
    ASSERT_EQ(driver.printed().size(), 3u);
    for (const auto& doc : driver.printed()) {
        EXPECT_EQ(doc.orientation, 1);
        EXPECT_EQ(doc.device, "Printer B");
        EXPECT_EQ(doc.pages.size(), 1u);
        EXPECT_TRUE(findText(doc.pages[0], "SPAN = 12 FT"));
    }
}

TEST_F(PrintRecord, RecordNeverComposedIsRefused)
{
    driver.runtime().dispatch([&] { form7.openForRecord(); });
    print();
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_TRUE(driver.printed().empty() || driver.printed().back().abandoned);
    EXPECT_TRUE(form7.visible());
}

TEST_F(PrintRecord, AutomaticRunShowsTheCriteriaFormAfterThePrint)
{
    composedBeamInHeader();
    program.state.AutoPrintMode = -1;
    print();
    EXPECT_FALSE(form7.visible());
    EXPECT_TRUE(form1.visible());
}

// The default printer is the program's own: remembered at the first print, put back after it when the
// settings ask for it; with nothing remembered there is nothing to restore.
TEST_F(PrintRecord, DefaultPrinterIsRestoredAfterThePrint)
{
    composedBeamInHeader();
    program.state.RestoreDefaultPrinter = -1;
    print({"Printer B", 1, 1});
    EXPECT_EQ(program.state.DefaultPrinterName, "Printer A");
    EXPECT_EQ(driver.runtime().printer().deviceName(), "Printer A");
    EXPECT_EQ(driver.printed()[0].device, "Printer B");
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(PrintRecord, WoodColumnLayoutWithNotesAndHeader)
{
    program.state.ReportNotes[0] = "Bolted splice";
    program.form21.Text1.setText("Bolted splice");
    program.columnState.criteria.ColP = 20000; // a column design behind the record
    driver.runtime().dispatch([&] { program.form19.show(); });
    driver.click(program.form19.Command3D1);
    type(form7.Text1, "Barn");
    type(form7.Datebox, "");
    driver.answerMessage(MsgResult::Yes);
    print();
    EXPECT_EQ(program.form19.Label3.caption(), "Barn");
    EXPECT_EQ(program.form19.Label7.caption(), "Date: ");
    EXPECT_EQ(program.form19.Label6.caption(), "Prepared by: ");
    EXPECT_EQ(program.form18.ColumnProj.text(), "Barn");
    // Form19 is 9150 x 7500 overall, centred across a 12240 x 15840 page and an eighth of the spare
    // height down: x + 1545, y + 1042.5.
    const auto& p = page();
    EXPECT_EQ(countLines(p, 160 + 1545, 760 + 1042.5, 8860 + 1545, 760 + 1042.5, 2), 1);
    EXPECT_TRUE(hasBox(p, 1600 + 1545, 1680 + 1042.5, 7275, 315, 2));
    EXPECT_EQ(findText(p, "Notes")->y1, 7775 + 1042.5);
    EXPECT_EQ(findText(p, "Bolted splice")->x1, 1000 + 1545);
    EXPECT_EQ(program.record.flags.WoodColRequest, 0);
    EXPECT_EQ(program.record.flags.WoodColCurrent, -1);
}

TEST_F(PrintRecord, StudWallPrintsItsPicture)
{
    driver.runtime().dispatch([&] { program.form28.show(); });
    driver.click(program.form28.CmdPrint);
    print();
    const auto& p = page();
    bool picture = false;
    for (const PrintOp& op : p) {
        picture = picture || (op.kind == PrintOp::Kind::Picture && op.x2 == 2295 && op.y2 == 3975);
    }
    EXPECT_TRUE(picture);
    EXPECT_EQ(program.form28.Label8.caption().substr(0, 6), "Date: ");
}

// With no default printer remembered there is nothing to restore: the printer chosen stays.
TEST_F(PrintRecord, NothingRememberedNothingRestored)
{
    driver.host().setPrinters({{"Printer A", "Printer B"}, "Gone"});
    composedBeamInHeader();
    program.state.RestoreDefaultPrinter = -1;
    print({"Printer B", 1, 1});
    EXPECT_EQ(program.state.DefaultPrinterName, "");
    EXPECT_EQ(driver.runtime().printer().deviceName(), "Printer B");
    EXPECT_EQ(driver.printed().size(), 1u);
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_FALSE(form7.visible());
}

TEST_F(PrintRecord, PrinterFailureTakesTheFailurePathAndKeepsTheRequest)
{
    driver.runtime().dispatch([&] { program.form23.show(); });
    driver.click(program.form23.Command3D1);
    driver.host().failNext(platform::test::HostFailure::PrintDocument);
    print();
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "The data record printing was cancelled or could not be printed because an error occurred.");
    EXPECT_TRUE(form7.visible());
    EXPECT_EQ(program.record.flags.SteelColRequest, -1);
    EXPECT_TRUE(form7.PrintPanel.visible());
}

// Form23 has the size of Form19 (9360 x 9720 outside with its menu bar): x + 1440, y + 765 on the
// 12240 x 15840 page. Form28 is centred across and one eighth of the spare height down the same way.
TEST_F(PrintRecord, SteelColumnAndStudWallLayouts)
{
    driver.runtime().dispatch([&] { program.form23.show(); });
    driver.click(program.form23.Command3D1);
    type(form7.Initialbox, "JS");
    print();
    {
        const auto& p = page(0);
        // Form23 is 9360 x 6960 overall: x + 1440, y + 1110.
        EXPECT_EQ(countLines(p, 260 + 1440, 1025 + 1110, 8960 + 1440, 1025 + 1110, 2), 1);
        EXPECT_TRUE(hasBox(p, 1760 + 1440, 4660 + 1110, 3552, 1092, 2));
        EXPECT_EQ(program.form23.Label6.caption(), "Prepared by: JS");
    }
    driver.runtime().dispatch([&] { program.form28.show(); });
    driver.click(program.form28.CmdPrint);
    type(form7.Text1, "Warehouse");
    type(form7.Text3, "W-2");
    print();
    const auto& p = page(1);
    const double x = (12240 - program.form28.width()) / 2;
    const double y = (15840 - program.form28.height()) / 8;
    EXPECT_EQ(countLines(p, 240 + x, 795 + y, 8895 + x, 795 + y, 2), 1);
    EXPECT_TRUE(hasBox(p, 6300 + x, 6480 + y, 2595, 1095, 2));
    EXPECT_EQ(program.form28.Label4.caption(), "Warehouse");
    EXPECT_EQ(program.form28.Label6.caption(), "W-2");
    EXPECT_EQ(program.form28.Label7.caption(), "Prepared by: JS");
    EXPECT_EQ(program.form18.columnID.text(), "W-2");
}

// A record loaded from a file prints its notes at its own foot, with the foot line above them, and
// leaves the criteria form's project boxes alone.
TEST_F(PrintRecord, LoadedRecordPrintsItsNotesAndKeepsTheCriteria)
{
    simpleSawnBeam();
    type(form1.Proj, "Current job");
    openRecord();
    program.beam.flags.DataRecordLoaded = -1;
    program.state.ReportShown = 0; // as the loader leaves it: the record keeps its text
    form6.label("Label187").setCaption("Loaded foot line");
    program.state.ReportNotes[0] = "Loaded note";
    driver.click(form6.Command1);
    type(form7.Text1, "Loaded job");
    driver.answerMessage(MsgResult::Yes);
    print();
    EXPECT_EQ(form1.Proj.text(), "Current job");
    const auto& p = page();
    EXPECT_EQ(findText(p, "Notes")->y1, 9975 + RecordY);
    EXPECT_EQ(findText(p, "Loaded note")->x1, 1500 + RecordX);
    EXPECT_EQ(findText(p, "Loaded foot line")->y1, 9700 + RecordY);
    EXPECT_FALSE(findText(p, "SPAN = 12 FT")); // a loaded record prints without the diagram
}

// A hip or valley prints its load triangle over the diagram with the pen of the end supports; a centred
// caption stands half its excess left of its label's middle.
TEST_F(PrintRecord, HipDiagramPrintsItsLoadTriangle)
{
    simpleSawnBeam();
    form1.IncButton.setValue(true);
    openRecord();
    driver.click(form6.Command1);
    print();
    const auto& p = page();
    EXPECT_EQ(countLines(p, 1200 + DiagramX, 2115 + DiagramY, 6390 + DiagramX, 840 + DiagramY, 4), 1);
    EXPECT_EQ(countLines(p, 6390 + DiagramX, 840 + DiagramY, 6390 + DiagramX, 2115 + DiagramY, 4), 1);
    EXPECT_EQ(countLines(p, 1200 + DiagramX, 2115 + DiagramY, 6390 + DiagramX, 2115 + DiagramY, 4), 1);
    const PrintOp heading = *findText(p, "Section (in³)"); // Label9: 1500, width 1272, centred
    EXPECT_DOUBLE_EQ(heading.x1,
                     1500 + (1272 - driver.runtime().printer().textWidth("Section (in³)")) / 2 + RecordX);
}

} // namespace recordtest
