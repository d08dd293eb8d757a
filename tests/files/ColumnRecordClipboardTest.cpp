// The column records' clipboard texts: 28 and 24 lines of TAB-separated captions joined by LF, the
// value-unit cells, and a failing clipboard that shows only the error.
#include "files/ColumnRecordClipboard.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace
{

using platform::MsgResult;
using platform::test::Driver;

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::string line;
    std::istringstream in(text);
    while (std::getline(in, line, '\n')) {
        out.push_back(line);
    }
    return out;
}

std::string cells(std::initializer_list<std::string> c)
{
    std::string s;
    for (const auto& cell : c) {
        s += (s.empty() && &cell == c.begin() ? "" : "\t") + cell;
    }
    return s;
}

const char* const Sq = "in\xc2\xb2";

class ColumnClipboard : public testing::Test
{
  protected:
    void SetUp() override { driver.menu(program.form1.MnuColDesign); }

    // DF-L #1 6x6 post under 20,000 lb, 12 ft high, 10 ft both ways.
    void woodRecord()
    {
        driver.choose(f18.ColSpeciesCombo, "DF-L #1");
        driver.retype(f18.cReacText, "20000");
        driver.retype(f18.cHTtext, "12");
        driver.retype(f18.cD1text, "10");
        driver.retype(f18.cD2text, "10");
        driver.click(f18.CmdOK);
        driver.click(program.form20.ColDep(2));
        driver.click(program.form20.CmdColReportOK);
        ASSERT_TRUE(program.form19.visible());
    }

    // 50,000 lb, 12 ft, a 4 x 4 x 1/4 tube.
    void steelRecord()
    {
        driver.click(f18.SteelButton);
        driver.retype(f18.cReacText, "50000");
        driver.retype(f18.cHTtext, "12");
        driver.retype(f18.cD1text, "12");
        driver.click(f18.CmdOK);
        driver.click(program.form10.TubeCol(0));
        driver.click(program.form10.PrintPreviewbutton);
        ASSERT_TRUE(program.form23.visible());
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    columns::Form18& f18 = program.form18;
};

TEST_F(ColumnClipboard, WoodTextLinesAndCells)
{
    woodRecord();
    columns::Form19& f = program.form19;
    driver.menu(f.MnuCopyClipWd);
    const std::string text = driver.clipboardText().value_or("");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    const auto l = lines(text);
    ASSERT_EQ(l.size(), 28u);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 27);
    auto c = [](platform::Label& label) { return label.caption(); };
    EXPECT_EQ(l[2], "");
    EXPECT_EQ(l[3], "\t\t\t\t");
    EXPECT_EQ(l[8], cells({c(f.Label6), "", c(f.Label7)}));
    EXPECT_EQ(l[10], "Selection\t  6x 6 DF-L #1         Solid Wood Column");
    EXPECT_EQ(l[11], "Conditions\t NDS 2018, Using values for 5x + solid sawn, Posts and Timbers.");
    EXPECT_EQ(l[12], "\t");
    EXPECT_EQ(l[14], cells({"Data", "Load", "20000#", "Column Area", c(f.Label29) + Sq, "Kf", c(f.Label71)}));
    EXPECT_EQ(l[15],
              cells({"", "Actual Height", "12.0ft", "le d1 Effective Ht", "120in", "c", c(f.Label75)}));
    EXPECT_EQ(l[16], cells({"", "Unbraced L1", "10.0ft", "le d2 Effective Ht", c(f.Label61) + "in", "KcE",
                            c(f.Label76)}));
    EXPECT_EQ(l[17], cells({"", "Unbraced L2", c(f.Label23) + "ft", "Ke Buckling Mode", "1.0", "FcE",
                            c(f.Label77)}));
    EXPECT_EQ(l[18], "");
    EXPECT_EQ(l[19], "Attributes and Values\t\tControlling d is\t5.5 inches");
    EXPECT_EQ(l[20], "\t\t\t\t\t\tFc || (psi)\tE (psi x mil)");
    EXPECT_EQ(l[21], "\t\t\t\t\tReference Values\t1000\t1.6");
    EXPECT_EQ(l[22], cells({"", "", "le/d", "psi", std::string("Area (") + Sq + ")", "Adjusted Values", "694",
                            c(f.Label55)}));
    EXPECT_EQ(l[23], cells({"", "Actual", "22", "661", c(f.Label81), "CF Size Factor", c(f.Label67)}));
    EXPECT_EQ(l[24], cells({"", "Critical", "50", "694", c(f.Label82), "Cd Duration", "1.00"}));
    EXPECT_EQ(l[25],
              cells({"", "Status", "OK", c(f.Label51), "OK", "Cm Wet Use", c(f.Label69), c(f.Label70)}));
    EXPECT_EQ(l[26], cells({"", "Ratio", "44%", c(f.Label52), "95%", "Cp Stability", c(f.Label80)}));
    EXPECT_EQ(l[27], c(f.Label66));
    EXPECT_EQ(
        driver.messages().back().text,
        "Your Wood Column data record has been saved to the Windows Clipboard.\n\nBe sure to paste data "
        "into your word processing or spreadsheet application before saving another column to the "
        "clipboard.\nFor instructions see Help.");
    EXPECT_EQ(driver.messages().back().icon, platform::Icon::Information);
}

TEST_F(ColumnClipboard, SteelTextLinesAndCells)
{
    driver.retype(f18.ColumnProj, "Barn");
    driver.retype(f18.ColumnDescription, "Loft post");
    driver.retype(f18.columnID, "C-1");
    steelRecord();
    columns::Form23& f = program.form23;
    driver.menu(f.MnuCopyClipStl);
    const std::string text = driver.clipboardText().value_or("");
    EXPECT_EQ(text.find('\r'), std::string::npos);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    const auto l = lines(text);
    ASSERT_EQ(l.size(), 24u);
    EXPECT_EQ(l[0], program.state.DefaultHeading1);
    EXPECT_EQ(l[1], program.state.DefaultHeading2);
    EXPECT_EQ(l[2], "");
    EXPECT_EQ(l[3], "\t\t\t\t");
    EXPECT_EQ(l[4], "");
    EXPECT_EQ(l[5], "Barn");
    EXPECT_EQ(l[6], "Loft post");
    EXPECT_EQ(l[7], "C-1");
    EXPECT_EQ(l[8], "\t\t"); // not printed yet: no preparer, no date
    EXPECT_EQ(l[9], "");
    EXPECT_EQ(l[10], "Selection\t4 x 4 x 1/4   Structural Tube ASTM A500 Grade B");
    EXPECT_EQ(l[11], "Conditions\tActual outside dimensions:  4 x 4 inches");
    EXPECT_EQ(l[12], "\tLoading is concentric on a primary column member.  Maximum Kl/r is 200.  ");
    EXPECT_EQ(l[14], cells({"Data", "Reaction", "50,000lbs", "Column Net Area", std::string("3.6") + Sq, "Fa",
                            "15.3"}));
    EXPECT_EQ(l[15],
              cells({"", "Actual Height", "12ft", "Fy  Min Yield Stress", "46,000psi", "Cc", "111.5"}));
    EXPECT_EQ(l[16], cells({"", "Unbraced d1", "12ft", "Weight p/lineal foot", "12.21lbs", "r", "1.51"}));
    EXPECT_EQ(l[17], cells({"", "Effective Ht  D1", "12ft", "K  (Buckling Mode)", "1.00", "E x mil", "29"}));
    EXPECT_EQ(l[18], "");
    EXPECT_EQ(l[19], cells({"", "", "kl/r", "ksi", std::string("Area (") + Sq + ")"}));
    // The steel form's actual stress is Label50 and its allowable Label38.
    EXPECT_EQ(l[20], cells({"Attributes", "Actual", "95", "13.9", "3.6"}));
    EXPECT_EQ(l[21], cells({"", "Critical", "200", "15.3", "3.3"}));
    EXPECT_EQ(l[22], cells({"", "Status", "OK", "OK", "OK"}));
    EXPECT_EQ(l[23], cells({"", "Ratio", "48%", "91%", "91%"}));
    EXPECT_EQ(driver.messages().back().text.substr(0, 71),
              "Your Steel Column data record has been saved to the Windows Clipboard.\n");
}

// A failing clipboard ends the copy with the error alone: no confirmation, no partial text.
TEST_F(ColumnClipboard, FailingClearOrSetShowsOnlyTheError)
{
    woodRecord();
    struct Case
    {
        platform::test::HostFailure failure;
        bool wood;
    };
    for (const Case& c : {Case{platform::test::HostFailure::Clipboard, true},
                          Case{platform::test::HostFailure::ClipboardSet, true},
                          Case{platform::test::HostFailure::Clipboard, false},
                          Case{platform::test::HostFailure::ClipboardSet, false}}) {
        SCOPED_TRACE(c.wood);
        if (!c.wood && !program.form23.visible()) {
            driver.menu(program.form19.MnuNew);
            steelRecord();
        }
        driver.clearMessages();
        driver.failNext(c.failure);
        driver.menu(c.wood ? program.form19.MnuCopyClipWd : program.form23.MnuCopyClipStl);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, c.wood ? "Error copying to wood column clipboard."
                                                    : "Error copying to steel column clipboard.");
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_FALSE(driver.clipboardText().has_value());
    }
}

} // namespace
