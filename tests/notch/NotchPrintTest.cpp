// The notch printout as the user prints it: the refusal before a calculation, the page against its
// expected display list, the origin on two paper sizes, the date fill, copies, orientation and Cancel.
#include "notch/NotchwisePrintForm.h"
#include "platform/forms/Runtime.h"
#include "tests/notch/NotchFixtures.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using platform::PrintOp;
using platform::test::Driver;
using namespace notch::test;

std::string number(double x)
{
    std::ostringstream out;
    out << std::round(x * 1000) / 1000;
    return out.str();
}

// One line per drawing operation: kind, position, size or style, text.
std::string dump(const std::vector<PrintOp>& page)
{
    std::ostringstream out;
    for (const PrintOp& op : page) {
        switch (op.kind) {
        case PrintOp::Kind::Text:
            out << "text " << number(op.x1) << " " << number(op.y1) << " " << op.font.name << " "
                << op.font.size << (op.font.bold ? " bold" : "") << (op.font.italic ? " italic" : "") << " |"
                << op.text << "|\n";
            break;
        case PrintOp::Kind::Line:
            out << "line " << number(op.x1) << " " << number(op.y1) << " " << number(op.x2) << " "
                << number(op.y2) << " w" << op.drawWidth << "\n";
            break;
        case PrintOp::Kind::Box:
            out << "box " << number(op.x1) << " " << number(op.y1) << " " << number(op.x2) << " "
                << number(op.y2) << " w" << op.drawWidth << "\n";
            break;
        default:
            out << "picture " << number(op.x1) << " " << number(op.y1) << " " << number(op.x2) << " "
                << number(op.y2) << " " << op.text << "\n";
            break;
        }
    }
    return out.str();
}

void expectPage(const std::vector<PrintOp>& page, const char* name)
{
    const auto expected = std::filesystem::path(KORVANTA_TEST_DATA) / "notch" / name;
    std::ifstream in(expected);
    std::stringstream want;
    want << in.rdbuf();
    const std::string got = dump(page);
    if (got != want.str()) {
        auto out = expected;
        out.replace_extension(".out.txt");
        std::ofstream(out) << got;
        ADD_FAILURE() << "page differs from " << expected << "; see " << out;
    }
}

const PrintOp* findText(const std::vector<PrintOp>& page, const std::string& text)
{
    for (const PrintOp& op : page) {
        if (op.kind == PrintOp::Kind::Text && op.text == text) {
            return &op;
        }
    }
    return nullptr;
}

// The sawn tension notch of the calculation tests, with its project data, calculated.
notch::FormNotchwise& calculatedSawnTension(Driver& driver, app::Program& program)
{
    auto& f = openNotch(driver, program);
    driver.type(f.ProjectNameNW, "Barn");
    driver.type(f.DescriptionNW, "Stair header");
    driver.type(f.LocationNW, "Springfield");
    enterMember(driver, f, "1500", "3.5", "11.25");
    driver.type(f.dnTextbox, "9.5");
    driver.click(f.OKcalcCmd);
    return f;
}

TEST(NotchPrint, RefusedBeforeOkCalculate)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterMember(driver, f, "1500", "3.5", "11.25");
    driver.type(f.dnTextbox, "9.5");
    driver.click(f.PrintCmd);
    driver.click(f.OKcalcCmd);
    driver.retype(f.MaxVtextbox, "1600"); // a change since the calculation
    driver.menu(f.MnuPrintnotch);
    ASSERT_EQ(driver.messages().size(), 2u);
    for (const auto& m : driver.messages()) {
        EXPECT_EQ(m.text, "Please complete the form and click 'OK Calculate' to generate a report.");
        EXPECT_EQ(m.title, "Korvanta");
        EXPECT_EQ(m.icon, platform::Icon::None);
    }
    EXPECT_TRUE(driver.printed().empty());
    EXPECT_FALSE(program.notchwisePrintForm.loaded());
    expectCleanRun(driver);
}

TEST(NotchPrint, PageMatchesTheLayout)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = calculatedSawnTension(driver, program);
    driver.answerPrint({"Printer B", 1, 1});
    driver.click(f.PrintCmd);
    ASSERT_EQ(driver.printed().size(), 1u);
    const auto& document = driver.printed()[0];
    EXPECT_EQ(document.device, "Printer B");
    ASSERT_EQ(document.pages.size(), 1u);
    const auto& page = document.pages[0];
    expectPage(page, "SawnTension.page.txt");

    // Letter 12240 x 15840; the print form is 9540 x 10395 inside a 60-twip border and a 300-twip caption,
    // so 9660 x 10815 outside: the layout moves (12240 - 9660) / 2 = 1290 right, (15840 - 10815) / 8 =
    // 628.125 down.
    const PrintOp* project = findText(page, "Project");
    ASSERT_NE(project, nullptr);
    EXPECT_DOUBLE_EQ(project->x1, 612 + 1290);
    EXPECT_DOUBLE_EQ(project->y1, 1188 + 628.125);
    EXPECT_EQ(project->font, (platform::FontSpec{"Arial", 9, false, false}));
    // Right aligned: the text ends at the label's right edge, 1185 + 2100.
    const PrintOp* edition = findText(page, "NDS Edition =");
    ASSERT_NE(edition, nullptr);
    const double width = driver.host().measureText(edition->font, "NDS Edition =").width;
    EXPECT_NEAR(edition->x1 + width, 1185 + 2100 + 1290, 1e-9);
    // Centred: the value of 1500 sits in the middle of its 1050-twip label at 3345.
    const PrintOp* v = findText(page, "1500");
    ASSERT_NE(v, nullptr);
    EXPECT_NEAR(v->x1 + driver.host().measureText(v->font, "1500").width / 2, 3345 + 525 + 1290, 1e-9);
    EXPECT_TRUE(v->font.bold);
    EXPECT_TRUE(findText(page, "Member Attributes")->font.italic);
    // The values of this member: Ch n/a under 2018, Cvr n/a for sawn lumber, dn 9.50, notch depth 1.75.
    for (const char* text :
         {"3.5", " x 11.25", "Douglas Fir-Larch", "2018", "180", "1.0", "n/a", "9.50", "1.75", "2845",
          "52.72", "OK  Fv ratio less than 100%", "3/4d = Minimum dn = 8.44 in.",
          "Shear Reduction Cvr =", ":12 pitch", "3/5/24"}) {
        EXPECT_NE(findText(page, text), nullptr) << text;
    }
    int lines = 0, boxes = 0, pictures = 0;
    for (const PrintOp& op : page) {
        lines += op.kind == PrintOp::Kind::Line;
        boxes += op.kind == PrintOp::Kind::Box;
        pictures += op.kind == PrintOp::Kind::Picture;
    }
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(boxes, 2);
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(page.back().text, "TensionNotch");
    EXPECT_DOUBLE_EQ(page.back().x1, 5472 + 1290);
    EXPECT_DOUBLE_EQ(page.back().x2, 2916);
    EXPECT_DOUBLE_EQ(page.back().y2, 3624);
    // The chosen printer stays the program's default.
    EXPECT_EQ(program.runtime.printer().deviceName(), "Printer B");
    expectCleanRun(driver);
}

// The texts printed in one row of the report's left column (x below the rafter rows), left to right.
std::vector<std::string> leftColumnRow(const std::vector<PrintOp>& page, double top)
{
    std::vector<const PrintOp*> row;
    for (const PrintOp& op : page) {
        if (op.kind == PrintOp::Kind::Text && op.y1 == top + 628.125 && op.x1 < 4248 + 1290) {
            row.push_back(&op);
        }
    }
    std::sort(row.begin(), row.end(), [](const PrintOp* a, const PrintOp* b) { return a->x1 < b->x1; });
    std::vector<std::string> texts;
    for (const PrintOp* op : row) {
        texts.push_back(op->text);
    }
    return texts;
}

// A tension notch gives the allowable force Vr', a compression notch with e > dn the stress fv: the page
// names and measures the result as the form does.
// Tension: Vr' = (9.5 / 11.25)^2 x 180 x 0.666667 x (3.5 x 9.5) = 2845.2 lb; 1500 / 2845.2 = 52.72 %.
// Compression, e = 10 > dn: fv = 3 x 1500 / (2 x 33.25) = 67.67 psi; 67.67 / 180 = 37.59 %.
TEST(NotchPrint, ResultRowsCarryTheFormsTitlesAndUnits)
{
    struct Case
    {
        const char* name;
        int notch;
        std::vector<std::string> result, ratio;
    };
    const Case cases[] = {
        {"tension, force", 0, {"Allowable Vr' =", "2845", "lbs"}, {"Ratio V / Vr' =", "52.72", "%"}},
        {"compression, e > dn, stress",
         1,
         {"Allowable fv =", "67.67", "psi"},
         {"Ratio fv / Fv' =", "37.59", "%"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver driver;
        auto& program = driver.start<app::Program>();
        auto& f = openNotch(driver, program);
        driver.choose(f.NotchListBox, c.notch);
        enterMember(driver, f, "1500", "3.5", "11.25");
        driver.type(f.dnTextbox, "9.5");
        if (c.notch == 1) {
            driver.type(f.eTextbox, "10");
        }
        driver.click(f.OKcalcCmd);
        // What the form shows ...
        EXPECT_EQ((std::vector<std::string>{f.CritLabel.caption(), f.CriticalfvLabel.caption(),
                                            f.CritPsiLabel.caption()}),
                  c.result);
        driver.answerPrint({"Printer A", 1, 1});
        driver.click(f.PrintCmd);
        ASSERT_EQ(driver.printed().size(), 1u);
        // ... is what the page prints.
        const auto& page = driver.printed()[0].pages[0];
        EXPECT_EQ(leftColumnRow(page, 8316), c.result);
        EXPECT_EQ(leftColumnRow(page, 8604), c.ratio);
        EXPECT_EQ(findText(page, "Critical Minimum fv ="), nullptr);
        expectCleanRun(driver);
    }
}

TEST(NotchPrint, OriginOnA4)
{
    Driver driver;
    driver.host().setPageSize({11906, 16838});
    auto& program = driver.start<app::Program>();
    auto& f = calculatedSawnTension(driver, program);
    driver.answerPrint({"Printer A", 1, 1});
    driver.click(f.PrintCmd);
    ASSERT_EQ(driver.printed().size(), 1u);
    const PrintOp* project = findText(driver.printed()[0].pages[0], "Project");
    ASSERT_NE(project, nullptr);
    // (11906 - 9660) / 2 = 1123; (16838 - 10815) / 8 = 752.875.
    EXPECT_DOUBLE_EQ(project->x1, 612 + 1123);
    EXPECT_DOUBLE_EQ(project->y1, 1188 + 752.875);
    const auto& rule = driver.printed()[0].pages[0];
    const auto line = std::find_if(rule.begin(), rule.end(),
                                   [](const PrintOp& op) { return op.kind == PrintOp::Kind::Line; });
    ASSERT_NE(line, rule.end());
    EXPECT_DOUBLE_EQ(line->x1, 396 + 1123);
    EXPECT_DOUBLE_EQ(line->y1, 936 + 752.875);
    EXPECT_EQ(line->drawWidth, 4);
}

TEST(NotchPrint, CopiesOrientationDateAndCancel)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = calculatedSawnTension(driver, program);
    driver.retype(f.DateNW, "");
    driver.answerPrint({"Printer A", 3, 2});
    driver.menu(f.MnuPrintnotch);
    EXPECT_EQ(f.DateNW.text(), "3/5/24");
    ASSERT_EQ(driver.printed().size(), 3u);
    for (const auto& document : driver.printed()) {
        EXPECT_EQ(document.pages.size(), 1u);
        EXPECT_EQ(document.orientation, 1); // landscape chosen, portrait printed
        EXPECT_NE(findText(document.pages[0], "3/5/24"), nullptr);
    }

    driver.retype(f.ProjectNameNW, "Garage"); // a general box: the results stay valid
    driver.cancelPrint();
    driver.menu(f.MnuPrintnotch);
    EXPECT_EQ(driver.printed().size(), 3u);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, "Report could not be printed.");
    EXPECT_EQ(driver.messages()[0].title, "Korvanta");
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
    EXPECT_EQ(program.notchwisePrintForm.Label6.caption(), "Garage"); // filled before the dialog
    EXPECT_FALSE(program.notchwisePrintForm.visible());
    expectCleanRun(driver);
}

TEST(NotchPrint, RoundTaperedAndGluLamRows)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 1);
    driver.type(f.MaxVtextbox, "1500");
    driver.type(f.depthtextbox, "12");
    driver.choose(f.SpecieCombo, 0);
    driver.type(f.dnTextbox, "11");
    driver.click(f.OKcalcCmd);
    driver.answerPrint({"Printer A", 1, 1});
    driver.click(f.PrintCmd);
    ASSERT_EQ(driver.printed().size(), 1u);
    const auto& round = driver.printed()[0].pages[0];
    EXPECT_NE(findText(round, "12"), nullptr);
    EXPECT_NE(findText(round, " in. Diam."), nullptr);
    EXPECT_NE(findText(round, " Solid Sawn, Round (Log)"), nullptr);

    driver.choose(f.MemberListBox, 2);
    driver.choose(f.NotchListBox, 2);
    enterMember(driver, f, "1500", "5.125", "12");
    driver.choose(f.SpecieCombo, 3);
    driver.click(f.WetUseCheckbox);
    driver.click(f.RPtoDegreeCmd);
    driver.type(f.rdTextbox, "10");
    driver.type(f.tTextbox, "3.5");
    driver.type(f.rpTextbox, "14");
    driver.retype(f.dnTextbox, "8");
    driver.retype(f.eTextbox, "4");
    driver.click(f.OKcalcCmd);
    driver.answerPrint({"Printer A", 1, 1});
    driver.click(f.PrintCmd);
    ASSERT_EQ(driver.printed().size(), 2u);
    const auto& tapered = driver.printed()[1].pages[0];
    for (const char* text :
         {"0.875", "0.72", "degrees", "10", "3.5", "14", "4", "8.00", "4.00", "1.0", "14.0"}) {
        EXPECT_NE(findText(tapered, text), nullptr) << text;
    }
    EXPECT_EQ(tapered.back().text, "TaperedNotch");
    expectCleanRun(driver);
}

} // namespace
