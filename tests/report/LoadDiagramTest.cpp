// The load location diagram's geometry, the Load Diagram command's checks in their order (beep,
// message, focus), the increasing load picture, the printout font window and the notes window.
#include "RecordFixture.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "report/Form11.h"
#include "report/Form16.h"
#include "report/Form17.h"
#include "report/Form21.h"
#include "report/Form24.h"
#include "report/Form7.h"
#include "report/Form9.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>
#include <vector>

namespace recordtest
{

class LoadDiagram : public RecordTest
{
  protected:
    report::Form11& diagram = program.form11;

    void clickDiagram() { driver.click(form1.ViewDiagrmbutton); }

    void expectRefusal(const char* text, platform::Control& focus)
    {
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, text);
        EXPECT_EQ(driver.messages()[0].title, "Korvanta");
        EXPECT_EQ(driver.beeps(), 1);
        EXPECT_EQ(driver.activeForm()->focusControl(), &focus);
        EXPECT_FALSE(diagram.loaded());
    }
};

// Simple span of 20 ft, B at 8 ft: 8 / 20 x 5205 + 1200 - 100 = 3182.
TEST_F(LoadDiagram, SimpleSpanWithOnePointLoad)
{
    type(form1.Span, "20");
    type(form1.PT(0), "500");
    type(form1.DIS(0), "8");
    clickDiagram();
    ASSERT_TRUE(diagram.visible());
    EXPECT_EQ(diagram.PtLab(0).left(), 3182);
    EXPECT_EQ(diagram.PtLab(0).top(), 2190);
    EXPECT_FALSE(diagram.PtLab(1).visible());
    EXPECT_EQ(diagram.Label3.caption(), "SPAN = 20 FT");
    EXPECT_EQ(diagram.Label7.caption(), "R2");
    EXPECT_EQ(diagram.Label6.caption(), "R1");
    EXPECT_EQ(diagram.Loadinfo.caption(), "");
    EXPECT_FALSE(diagram.Line7.visible());
    EXPECT_FALSE(diagram.UnifLabel.visible());
    EXPECT_EQ(diagram.Label2.caption(), "Pt loads:");
    // no uniform load: H, I and J close up one row
    EXPECT_EQ(diagram.ParLab(0).top(), 1890);
    EXPECT_TRUE(driver.messages().empty());
}

// Backspan 19 ft: overhang 10 ft (DIS(4)) against ENDP(3) 9 ft; twice the overhang exceeds the backspan.
// F at the tip: 10 / 19 x 5205 + 1200 - 100 + 5205 - 115 = 8929.5.
TEST_F(LoadDiagram, OverhangingBeamMovesOverhangLoadsPastR2)
{
    driver.click(form1.OHbutton);
    type(form1.Span, "19");
    type(form1.UNIF, "100");
    type(form1.PT(4), "200");
    type(form1.DIS(4), "10");
    type(form1.PAR(3), "50");
    type(form1.BEGP(3), "0");
    type(form1.ENDP(3), "9");
    clickDiagram();
    ASSERT_TRUE(diagram.visible());
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text.substr(0, 64),
              "The overhang length is greater than half of the backspan length.");
    EXPECT_EQ(program.beam.member.OHLength, 10);
    EXPECT_EQ(diagram.DiagramOHWidth, 2739); // 10 / 19 x 5205 = 2739.47
    EXPECT_EQ(diagram.Label1.width(), 7944);
    EXPECT_EQ(diagram.Label4.caption(), "OH = 10 FT");
    EXPECT_EQ(diagram.Label3.caption(), "BACKSPAN = 19 FT");
    EXPECT_DOUBLE_EQ(diagram.PtLab(4).left(), 10.0 / 19 * 5205 + 1200 - 100 + 5205 - 115);
    EXPECT_EQ(diagram.ParLab(3).top(), 1890);
    EXPECT_DOUBLE_EQ(diagram.ParLab(3).left(), 1200 + 5205);
    EXPECT_TRUE(diagram.UnifLabel.visible());
}

TEST_F(LoadDiagram, TwoAndThreeSpansShowTheirInnerSupports)
{
    driver.click(form1.Multibutton);
    driver.click(form1.ThreeSpan);
    type(form1.Span, "10");
    type(form1.UNIF, "100");
    clickDiagram();
    EXPECT_EQ(diagram.Label3.caption(), "EACH SPAN = 10 FT");
    EXPECT_EQ(diagram.Label15.caption(), "R2");
    EXPECT_TRUE(diagram.Label17.visible());
    EXPECT_EQ(diagram.Label7.caption(), "R4");
    EXPECT_TRUE(diagram.Line10.visible());
    EXPECT_FALSE(diagram.Line7.visible());
    EXPECT_EQ(diagram.Label18.caption(), "");
}

TEST_F(LoadDiagram, RefusalsComeInOrderWithBeepMessageAndFocus)
{
    clickDiagram();
    expectRefusal("Please enter a Span.", form1.Span);
}

TEST_F(LoadDiagram, PointDistanceBeyondTheSpanIsRefusedBeforeAMissingLoad)
{
    type(form1.Span, "10");
    type(form1.DIS(1), "12");
    clickDiagram();
    expectRefusal(
        "Please enter a point load Distance from the starting reaction that is within the span of the "
        "beam.",
        form1.DIS(1));
}

TEST_F(LoadDiagram, PartialLoadWithoutStartAsksForAZero)
{
    type(form1.Span, "10");
    type(form1.PAR(0), "100");
    type(form1.ENDP(0), "4");
    clickDiagram();
    expectRefusal("Please enter a ZERO for Partial Uniform loads beginning exactly on the starting Reaction",
                  form1.BEGP(0));
}

TEST_F(LoadDiagram, NoLoadAtAll)
{
    type(form1.Span, "10");
    clickDiagram();
    expectRefusal("At least one load must be entered.", form1.UNIF);
}

// A refused hip calculation ends the command: no picture of a load that was not worked out.
TEST_F(LoadDiagram, RefusedHipCalculationShowsNoPicture)
{
    driver.click(form1.IncButton);
    type(form1.Span, "20");
    type(form1.IncTL, "30");
    clickDiagram();
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text,
              "Please enter distances (lengths) for the tributary area calculation.");
    EXPECT_FALSE(program.form17.loaded());
    EXPECT_FALSE(diagram.loaded());
}

TEST_F(LoadDiagram, IncreasingLoadPictureStatesSpanAndTotalWeight)
{
    driver.click(form1.IncButton);
    type(form1.Span, "20");
    type(form1.IncTL, "30");
    type(form1.IncUnifTL, "10");
    form1.IncCalcButton.setEnabled(false); // calculated already
    program.beam.loads.IncTLTotal = 1034;
    // the modal picture: closed by its own button as soon as it shows
    driver.host().whenModal("Form17", [&] {
        EXPECT_EQ(program.form17.TLdLabel.caption(), "Total Wt. is 1,234 lbs."); // 20 x 10 + 1034
        EXPECT_EQ(program.form17.Spanlabel.caption(), "Span = 20.0 ft");
        driver.click(program.form17.Command1);
    });
    clickDiagram();
    EXPECT_FALSE(program.form17.loaded());
    EXPECT_FALSE(diagram.loaded());
}

TEST_F(LoadDiagram, OkCalculateUnloadsTheDiagram)
{
    type(form1.Span, "10");
    type(form1.UNIF, "100");
    clickDiagram();
    ASSERT_TRUE(diagram.loaded());
    driver.click(form1.CmdOK);
    EXPECT_FALSE(diagram.loaded());
}

TEST_F(RecordTest, PrintoutFontWindowListsThePrinterFontsAndSelectsTheCurrentOne)
{
    program.state.PrintFontName = "MS Sans Serif";
    driver.runtime().dispatch([&] { program.form7.openForRecord(); });
    driver.menu(program.form7.MnuFont);
    report::Form24& fonts = program.form24;
    ASSERT_EQ(fonts.list1.listCount(), 4);
    EXPECT_EQ(fonts.list1.list(0), "Arial");
    EXPECT_EQ(fonts.list1.text(), "MS Sans Serif");
    EXPECT_EQ(fonts.Label1.caption().substr(0, 15), "Note: The Korva");
    driver.choose(fonts.list1, "Courier New");
    driver.click(fonts.Command3D1);
    EXPECT_EQ(program.state.PrintFontName, "Courier New");
    EXPECT_FALSE(fonts.loaded());
}

TEST_F(RecordTest, PrintoutFontWindowWithoutFontsReportsEachFailedSelection)
{
    driver.host().setPrinterFonts({});
    program.state.PrintFontName = "";
    driver.runtime().dispatch([&] { program.form24.show(); });
    // the font count itself fails, then both selections of the first entry
    ASSERT_GE(driver.messages().size(), 2u);
    EXPECT_EQ(driver.messages().back().text, "Font selection error.");
}

TEST_F(RecordTest, ClearAllNotesThenCancelKeepsTheStoredNotes)
{
    program.state.ReportNotes[0] = "Keep me";
    driver.click(form1.NoteButton);
    report::Form21& notes = program.form21;
    EXPECT_EQ(notes.Text1.text(), "Keep me");
    driver.click(notes.Command3);
    EXPECT_EQ(notes.Text1.text(), "");
    EXPECT_EQ(notes.focusControl(), &notes.Text1);
    driver.click(notes.Command2);
    EXPECT_EQ(program.state.ReportNotes[0], "Keep me");
    driver.click(form1.NoteButton);
    driver.click(notes.Command3);
    driver.click(notes.Command1);
    EXPECT_EQ(program.state.ReportNotes[0], "");
    driver.click(form1.NoteButton);
    driver.click(notes.Command3D1);
    EXPECT_EQ(driver.messages().back().text.substr(0, 36), "Your notes may be up to seven lines ");
}

} // namespace recordtest

namespace recordtest
{

// The static pictures: opened by the criteria form's quick tips, closed (unloaded) by their buttons; a
// second request brings the open window forward.
TEST_F(RecordTest, StaticLoadPicturesOpenFromTheQuickTipsAndCloseWithTheirButtons)
{
    driver.click(form1.Command3D2);
    report::Form9& entry = program.form9;
    ASSERT_TRUE(entry.visible());
    EXPECT_EQ(entry.Label20.caption(), "O.H. loads in BLUE boxes");
    EXPECT_EQ(entry.scaleWidth(), 8595);
    driver.click(form1.Command3D1);
    EXPECT_EQ(driver.activeForm(), &entry);
    driver.click(entry.Command1);
    EXPECT_FALSE(entry.loaded());

    driver.click(form1.Command3D10);
    report::Form16& hips = program.form16;
    ASSERT_TRUE(hips.visible());
    EXPECT_EQ(hips.Label11.caption(), "Possible contributing loads on a valley");
    EXPECT_EQ(hips.Label5(0).caption(), " Weight at R1 = zero PLF");
    driver.click(hips.Cmd_OK);
    EXPECT_FALSE(hips.loaded());
}

namespace
{

struct Point
{
    double x, y;
};

double distance(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double distance(Point p, const platform::Line& line)
{
    const platform::ControlProps& l = line.props();
    return distance(p, {l.x1, l.y1}, {l.x2, l.y2});
}

// 0 inside the control's box.
double distanceToBox(Point p, const platform::Control& c)
{
    const platform::ControlProps& b = c.props();
    const double dx = std::max({b.left - p.x, 0.0, p.x - (b.left + b.width)});
    const double dy = std::max({b.top - p.y, 0.0, p.y - (b.top + b.height)});
    return std::hypot(dx, dy);
}

// What the window paints as lines: every visible line control, with its ends and pen.
std::vector<const platform::ControlProps*> paintedLines(platform::Form& form)
{
    std::vector<const platform::ControlProps*> lines;
    for (const platform::Control* c : form.controls()) {
        if (c->kind() == platform::ControlKind::Line && c->props().visible) {
            lines.push_back(&c->props());
        }
    }
    return lines;
}

} // namespace

// Each caption of the hips and valleys picture is joined to the part it names by a short thin leader
// that starts beside the caption and ends on the part in a short thick tick lying along the leader.
TEST_F(RecordTest, HipsAndValleysCaptionsHaveLeadersToTheirParts)
{
    driver.click(form1.Command3D10);
    report::Form16& hips = program.form16;
    ASSERT_TRUE(hips.visible());
    auto on = [](const platform::Line& line) { return [&line](Point p) { return distance(p, line) <= 15; }; };
    const platform::ControlProps& valley = hips.ValleyBeam.props();
    struct Case
    {
        platform::Label& caption;
        std::function<bool(Point)> onPart;
    };
    const Case cases[] = {
        {hips.Label1, on(hips.ValleyEdge(0))}, // the ridge along the top of the valley plan
        {hips.Label2, on(hips.ValleyEdge(2))}, // the ridge along its left side
        {hips.Label3, on(hips.ValleyBeam)},
        // R2: the valley beam's lower end, at the corner of the walls
        {hips.Label4, [&](Point p) { return std::hypot(p.x - valley.x2, p.y - valley.y2) <= 40; }},
        {hips.Label21,
         [&](Point p) {
             for (int i = 0; i <= 5; ++i) {
                 if (on(hips.HipRafter(i))(p)) {
                     return true;
                 }
             }
             return false;
         }},
        {hips.Label22, [&](Point p) { return distanceToBox(p, hips.Wall(1)) <= 15; }},
        {hips.Label14, on(hips.HipRidge)},
    };
    const auto lines = paintedLines(hips);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.caption());
        const platform::ControlProps* leader = nullptr;
        Point end{};
        for (const platform::ControlProps* l : lines) {
            if (l->borderWidth != 1 || l->lineStyle != platform::LineStyle::Solid) {
                continue;
            }
            for (const auto& [from, to] : {std::pair{Point{l->x1, l->y1}, Point{l->x2, l->y2}},
                                           std::pair{Point{l->x2, l->y2}, Point{l->x1, l->y1}}}) {
                if (distanceToBox(from, c.caption) <= 60 && distanceToBox(to, c.caption) > 60 &&
                    c.onPart(to)) {
                    leader = l;
                    end = to;
                }
            }
        }
        ASSERT_NE(leader, nullptr) << "no leader from the caption to its part";
        EXPECT_LE(std::hypot(leader->x2 - leader->x1, leader->y2 - leader->y1), 1200);
        const Point a{leader->x1, leader->y1}, b{leader->x2, leader->y2};
        const bool ticked = std::ranges::any_of(lines, [&](const platform::ControlProps* t) {
            const Point t1{t->x1, t->y1}, t2{t->x2, t->y2};
            const double length = std::hypot(t2.x - t1.x, t2.y - t1.y);
            const bool atEnd =
                std::hypot(t1.x - end.x, t1.y - end.y) <= 5 || std::hypot(t2.x - end.x, t2.y - end.y) <= 5;
            return t->borderWidth >= 2 && length >= 40 && length <= 120 && atEnd && distance(t1, a, b) <= 5 &&
                   distance(t2, a, b) <= 5;
        });
        EXPECT_TRUE(ticked) << "no thick tick where the leader meets the part";
    }
}

TEST_F(RecordTest, IncreasingLoadPictureSpanLineKeepsTwoDecimals)
{
    type(form1.Span, "12.25");
    EXPECT_EQ(program.form17.Spanlabel.caption(), "Span = 12.25 ft"); // reading it loads the picture
}

} // namespace recordtest
