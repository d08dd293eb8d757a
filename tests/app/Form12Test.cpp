// The built-in manual as a user reads it from the criteria form's Help: the contents table, the
// fifteen topics, the exact vocabulary of its tables, Back, About, the diagram, Print Screen, the ways
// out and the close box.
#include "app/Form12.h"

#include "app/Form1.h"
#include "app/Form15.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Record.h"
#include "platform/headless/Driver.h"
#include "report/Form9.h"
#include "scl/Form2.h"

#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace
{

using platform::MsgResult;
using platform::test::Driver;

struct Manual
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form12& f = program.form12;

    Manual() { driver.menu(program.form1.MnuHelp); }

    std::string joined(const std::vector<int>& entries) const
    {
        std::string text;
        for (int e : entries) {
            text += app::manualEntryTexts()[static_cast<std::size_t>(e)];
        }
        return text;
    }
};

std::vector<int> run(int first, int last)
{
    std::vector<int> v;
    for (int i = first; i <= last; ++i) {
        v.push_back(i);
    }
    return v;
}

TEST(Form12, OpensAtTheContentsTableInPlaceOfTheCriteriaForm)
{
    Manual m;
    EXPECT_TRUE(m.f.visible());
    EXPECT_FALSE(m.program.form1.visible());
    EXPECT_EQ(m.program.state.HelpReturnForm, "Form1");
    EXPECT_FALSE(m.f.Text1.visible());
    EXPECT_EQ(m.f.caption(), "Korvanta Manual and Help File");
    EXPECT_EQ(m.f.Label1.caption(), "Welcome to the Korvanta Manual");
    EXPECT_EQ(
        m.f.Label3.caption(),
        "Click on any topic below.  For your convenience, the entire manual is also provided as an Adobe "
        "Acrobat PDF file on your Korvanta CDROM, along with printable Korvanta Examples and info on "
        "SCL's.");
    EXPECT_EQ(
        m.f.Label2.caption(),
        "Please Note:  You will also find help diagrams and code information accessible in Korvanta "
        "forms.     Click on the small, gray, raised squares next to the pertinent item to access the on "
        "line information.");
    EXPECT_TRUE(m.f.Text1.props().multiLine);
    EXPECT_EQ(m.f.Contents14.caption(), "   View a Load Entry Diagram");
    EXPECT_DOUBLE_EQ(m.f.Contents14.left(), 4560);
    EXPECT_DOUBLE_EQ(m.f.Contents14.top(), 2160);
    EXPECT_EQ(m.f.Contents14.foreColor(), platform::rgb(0, 128, 0));
}

TEST(Form12, EveryTopicJoinsItsEntriesFromTheLabelAndTheMenu)
{
    struct Case
    {
        const char* label;
        const char* menu;
        double left, top;
        std::vector<int> entries;
    };
    const std::vector<Case> cases = {
        {"   License Agreement", "&License Agreement", 420, 1800, run(45, 54)},
        {"   Recommended Books", "&Recommended Books", 420, 2160, {4}},
        {"   An Overview of Korvanta", "&Overview", 420, 2520, run(5, 8)},
        {"   Navigation in Korvanta", "&Navigation", 420, 2880, {9, 10}},
        {"   Wood Abbreviations and Symbols", "&Abbreviations (Wood)", 420, 3240, run(25, 28)},
        {"   Wood Species, Grades, and Sizes", "&Species, Grades, Sizes (Wood)", 420, 3600, run(22, 24)},
        {"   Custom Values and SCL's (LVL, PSL, LSL)", "C&ustom Beam Values", 420, 3960, run(11, 13)},
        {"   NDS The National Design Specification", "NDS (In &Grade Testing Program)", 420, 4320,
         run(42, 44)},
        {"   How to Enter Loads, Basic Terms", "&How to Enter Loads", 4560, 1800, run(14, 17)},
        {"   Wood Modifiers and Adjustments",
         "&Modifiers and Adjustments",
         4560,
         2520,
         {29, 30, 31, 32, 33, 34, 36, 37}},
        {"   Flow of Calculations", "&Flow of Calculations", 4560, 2880, run(38, 41)},
        {"   Steel Beam Design", "St&eel Beam Design", 4560, 3240, run(58, 61)},
        {"   Wood and Steel Column and Stud Design", "&Wood and Steel Columns", 4560, 3600, {35, 55, 56, 57}},
        {"   Printing Beam Reports", "&Printing Beam Reports", 4560, 3960, {18, 62, 63, 64}},
        {"   Setting Defaults and Saving Your Work",
         "Set Defaults and Saving &Work",
         4560,
         4320,
         {19, 20, 21, 63, 64}},
    };
    Manual m;
    // The Contents menu: Back, a separator, then the fifteen topics in this order.
    std::vector<std::string> menuCaptions;
    for (platform::Control* c : m.f.controls()) {
        if (c->kind() == platform::ControlKind::MenuItem && c->container() == &m.f.MnuContents) {
            menuCaptions.push_back(static_cast<platform::MenuItem*>(c)->caption());
        }
    }
    ASSERT_EQ(menuCaptions.size(), 17u);
    EXPECT_EQ(menuCaptions[0], "&Back to Contents Table");
    EXPECT_EQ(menuCaptions[1], "-");
    ASSERT_EQ(m.f.topics().size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        const app::Form12::Topic& topic = m.f.topics()[i];
        SCOPED_TRACE(c.label);
        EXPECT_EQ(menuCaptions[i + 2], c.menu);
        EXPECT_EQ(topic.label.caption(), c.label);
        EXPECT_DOUBLE_EQ(topic.label.left(), c.left);
        EXPECT_DOUBLE_EQ(topic.label.top(), c.top);
        const std::string expected = m.joined(c.entries);
        m.driver.menu(m.f.BackContents);
        m.driver.click(topic.label);
        EXPECT_TRUE(m.f.Text1.visible());
        EXPECT_EQ(m.f.Text1.text(), expected);
        m.driver.menu(m.f.BackContents);
        EXPECT_FALSE(m.f.Text1.visible());
        EXPECT_EQ(m.f.Text1.text(), expected); // the text stays in the hidden box
        m.driver.menu(topic.menu);
        EXPECT_EQ(m.f.Text1.text(), expected);
    }
}

TEST(Form12Text, EntriesOpenExactlyAndEndLinesWithCrLf)
{
    struct Case
    {
        int entry;
        const char* opening;
    };
    const Case cases[] = {
        {5, "OVERVIEW"},
        {8, "Base and adjusted base values along with all modifier values are displayed as well."},
        {9, "NAVIGATION IN Korvanta"},
        {10, "BETWEEN APPLICATIONS"},
        {11, "CUSTOM BEAMS and STRUCTURAL COMPOSITE LUMBER"},
        {12, " The Modulus of Elasticity is entered as E / 1,000,000."},
        {14, "DATA ENTRY OF LOADS AND LOAD LOCATIONS"},
        {16, "PARTIAL UNIFORM LOADS"},
        {18, "PRINTING"},
        {19, "SETTING DEFAULTS and SAVING YOUR WORK"},
        {20, "DEFAULT SETTINGS"},
        {21, "SAVING YOUR WORK"},
        {22, "SPECIES, GRADES and SIZES"},
        {25, "GLOSSARY - ABBREVIATIONS - SYMBOLS"},
        {29, "USER ADJUSTMENTS"},
        {30, "(i)"},
        {31, "MAXIMUM DEFLECTION LIMITS"},
        {34, "WET USE check box"},
        {35, "COLUMN DESIGN"},
        {36, "REPETITIVE USE checkbox"},
        {37, "REP SPACING"},
        {38, "CALCULATION FLOW   Understanding Korvanta"},
        {39, "SELECTION FORM2"},
        {41, "REPORT FORM3"},
        {42, "NATIONAL DESIGN SPECIFICATION\u00ae (NDS) 2005, 2012, 2015 and 2018"},
        {55, "Symbols and abbreviations"},
        {56, "STEEL COLUMN DESIGN"},
        {57, "STEEL COLUMN SIZES"},
        {58, "STEEL BEAMS"},
        {59, "STEEL SIZES"},
        {61, "STEEL ABBREVIATIONS and TERMS"},
        {63, "NEW QUICK PRINT FEATURE for SAVED CRITERIA FILES (only post 2007 files)"},
    };
    Manual m;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        std::string text = m.f.ManualParagraphs[static_cast<std::size_t>(c.entry)];
        while (text.starts_with("\r\n")) {
            text.erase(0, 2);
        }
        EXPECT_TRUE(text.starts_with(c.opening)) << text.substr(0, 80);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_TRUE(m.f.ManualParagraphs[i].empty());
    }
    for (std::size_t i = 4; i < app::ManualEntryCount; ++i) {
        const std::string& text = m.f.ManualParagraphs[i];
        SCOPED_TRACE(i);
        EXPECT_FALSE(text.empty());
        for (std::size_t k = 0; k < text.size(); ++k) {
            if (text[k] == '\n') {
                ASSERT_TRUE(k > 0 && text[k - 1] == '\r');
            }
            if (text[k] == '\r') {
                ASSERT_TRUE(k + 1 < text.size() && text[k + 1] == '\n');
            }
        }
        // Only the reserved example address, never another.
        EXPECT_EQ(text.find("www."), std::string::npos);
        EXPECT_EQ(text.find("http"), std::string::npos);
    }
    // The squared sign and the registered sign are the code page's single bytes.
    EXPECT_NE(platform::utf8ToCp1252(m.f.ManualParagraphs[55]).find("   FcE = KcE(E adj) / (le/d)\xB2\r\n"),
              std::string::npos);
    EXPECT_NE(platform::utf8ToCp1252(m.f.ManualParagraphs[42]).find("SPECIFICATION\xAE (NDS)"),
              std::string::npos);
}

std::string trimmed(std::string text)
{
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The entries that tell the user what to enter or what the program does say what it really does: the
// captions they name are the controls' own, and a creep allowance is never asked of the user on top of
// the program's.
TEST(Form12Text, EntriesSayWhatTheProgramDoes)
{
    Manual m;
    const auto entry = [&](std::size_t i) { return m.f.ManualParagraphs[i]; };
    const auto has = [](const std::string& text, const std::string& part) {
        return text.find(part) != std::string::npos;
    };
    {
        SCOPED_TRACE("6: the wood groupings of the species list");
        int wood = 0;
        platform::ComboBox& species = m.program.form1.Combo1;
        for (int i = 0; i < species.listCount(); ++i) {
            const std::string item = species.list(i);
            wood += !has(item, "SCL") && !has(item, "Custom") && !has(item, "Steel");
        }
        EXPECT_EQ(wood, 7);
        EXPECT_TRUE(has(entry(6), "seven groupings of sawn lumber"));
        EXPECT_FALSE(has(entry(6), "dozen"));
    }
    {
        SCOPED_TRACE("13: the SCL form's buttons");
        std::string save, load; // read as the program reads them, which loads the custom values form
        m.driver.runtime().dispatch([&] {
            save = m.program.form2.LVLsavedefault.caption();
            load = m.program.form2.LVLLoadDefault.caption();
        });
        EXPECT_TRUE(has(entry(13), "The " + save + " button stores"));
        EXPECT_TRUE(has(entry(13), "The " + load + " button fills"));
        EXPECT_FALSE(has(entry(13), "SAVE AS DEFAULT"));
    }
    {
        SCOPED_TRACE("17: the self-weight check box");
        EXPECT_TRUE(has(entry(17), "'" + trimmed(m.program.form1.NoWeight.caption()) + "' check box"));
    }
    {
        SCOPED_TRACE("20: the load presets");
        EXPECT_TRUE(has(entry(20), "up to five pairs"));
        EXPECT_TRUE(has(entry(20), "a click shows the first pair, and each further click the next one"));
        EXPECT_TRUE(has(entry(20), "the next click starts again at the first pair"));
        EXPECT_FALSE(has(entry(20), "only while the boxes are empty"));
    }
    {
        SCOPED_TRACE("32: loads as they act, creep by the program");
        EXPECT_FALSE(has(entry(32), "50%"));
        EXPECT_FALSE(has(entry(32), "may be reduced"));
        EXPECT_TRUE(has(entry(32), "Enter every load as it acts on the member; never reduce or increase a "
                                   "dead load by hand for creep."));
        EXPECT_TRUE(has(entry(32), "the dead load part of the deflection is multiplied by 1.5"));
        EXPECT_TRUE(has(entry(32), "With WET USE ticked the factor is 2.0"));
        EXPECT_TRUE(has(entry(32), "Lumber installed unseasoned warrants 2.0"));
    }
    {
        SCOPED_TRACE("39: the shear reduction and its source");
        EXPECT_TRUE(has(entry(39), "With '" + trimmed(m.program.form1.Reducechk.caption()) + "' ticked"));
        EXPECT_TRUE(has(entry(39), "NDS 3.4.3.1"));
        EXPECT_FALSE(has(entry(39), "building code"));
    }
    {
        SCOPED_TRACE("55: the Euler value of the later editions");
        EXPECT_TRUE(has(entry(55), "NDS 2005 and later use the minimum modulus of elasticity instead:\r\n"
                                   "   FcE = 0.822 Emin' / (le/d)\u00b2\r\n"));
    }
}

// Each row is one line of its topic: the cells in order, separated by TABs only, an empty cell being
// an empty text between TABs.
void expectRows(const std::string& text, const std::vector<std::vector<std::string>>& rows)
{
    const auto escape = [](const std::string& cell) {
        return std::regex_replace(cell, std::regex(R"([.^$|()\[\]{}*+?\\/])"), R"(\$&)");
    };
    for (const auto& row : rows) {
        std::string pattern = "(^|\\n)";
        for (std::size_t i = 0; i < row.size(); ++i) {
            pattern += (i == 0 ? "" : "\t+") + escape(row[i]);
        }
        pattern += "\\r\\n";
        EXPECT_TRUE(std::regex_search(text, std::regex(pattern))) << row[0] << " | " << row[1];
    }
}

TEST(Form12Text, VocabularyTablesAreExactCellForCell)
{
    Manual m;
    const auto topicText = [&](const std::vector<int>& entries) { return m.joined(entries); };
    expectRows(topicText(run(22, 24)),
               {{"BUTTON ABBREVIATION", "SPECIES", "GRADES"},
                {"Hem Fir / DF-Larch", "Hem Fir & Douglas Fir-Larch", "1 & 2"},
                {"SPF / SPF So.", "Spruce Pine Fir & Spruce Pine Fir South", "1 & 2"},
                {"East Species", "Eastern Spruce & Eastern Hemlock-Tamarack", "1 & 2"},
                {"Cedar / West Wood", "Western Wood & Western Cedar", "1 & 2"},
                {"Red Oak / White Oak", "Red Oak / White Oak", "1 & 2"},
                {"DF So. / DF No.", "Douglas Fir South & Douglas Fir North", "1 & 2"},
                {"Southern Pine", "Southern Pine & Mixed Southern Pine", "1 & 2"},
                {"Nominal Widths", "Nominal Depths", "Increments"},
                {"2x, 3x", "4 to 14", "2 inches"},
                {"2x, up to (4) 2x", "4 to 14", "2 inches"},
                {"4x", "4 to 14", "2 inches"},
                {"6x, up to 14x", "6 to 16", "2 inches"},
                {"Combination", "Actual Widths", "Actual Depths", "Lam. Increments"},
                {"DF/DF", "3-1/8 to 10-3/4", "6 to 30", "1-1/2 inches"},
                {"SP/SP", "3-1/8 to 10-1/2", "9-5/8 to 30-1/4", "1-3/8 inches"},
                {"GLB Headers", "3-1/2, 5-1/2, 7-1/4", "6 to 18", "1-1/2 inches"}});
    // The glu-lam table goes on from entry 23 into entry 24.
    EXPECT_TRUE(m.f.ManualParagraphs[24].starts_with("SP/SP\t"));
    expectRows(topicText(run(25, 28)),
               {{"SYMBOL", "ABBREVIATION", "DESCRIPTION"},
                {"", "Act", "Actual"},
                {"BS", "Backspan", "Main Span (R1 to R2) of an overhanging beam"},
                {"Cm", "", "Wet Use Factor"},
                {"E(mil)", "", "E / 1,000,000"},
                {"Fc _|_", "", "compression perpendicular to grain, in PSI"},
                {"Fc //", "", "Compression parallel to grain, in PSI"},
                {"Lu", "Unbraced Length", "Distance between lateral support of compression edge"},
                {"Par Unif", "Par Unif", "Partial Uniform Load"},
                {"TL", "Total Load", "Total Load (live load plus dead load)"},
                {"WS", "", "Western Species"}});
    // Character codes 95, 124, 95 after "Fc ".
    EXPECT_NE(topicText(run(25, 28)).find(std::string("\nFc ") + char(95) + char(124) + char(95) + "\t"),
              std::string::npos);
    expectRows(topicText(run(58, 61)),
               {{"Fy", "Specified minimum yield stress for type of steel"},
                {"Lc", "Maximum unbraced length of compression flange when Fb is taken at 0.66Fy."},
                {"Lu", "Maximum unbraced length of compression flange when Fb is taken at 0.60Fy."},
                {"N", "Length of bearing of applied load (in)"},
                {"tw", "web thickness"},
                {"tf", "flange thickness"}});
}

TEST(Form12, BackAboutAndTheDiagramLeaveTheManualAsItWas)
{
    Manual m;
    m.driver.menu(m.f.BackContents); // already at the contents table: nothing changes
    EXPECT_FALSE(m.f.Text1.visible());
    m.driver.click(m.f.Contents14);
    EXPECT_TRUE(m.program.form9.visible());
    m.driver.switchTo(m.f);
    EXPECT_FALSE(m.f.Text1.visible());
    m.driver.click(m.f.Contents3);
    m.driver.menu(m.f.About);
    EXPECT_TRUE(m.program.form15.visible());
    m.driver.switchTo(m.f);
    EXPECT_TRUE(m.f.Text1.visible());
    EXPECT_EQ(m.f.Text1.text(), m.joined(run(5, 8)));
    // Leaving the manual leaves the about box and the diagram open.
    m.driver.menu(m.f.mnuHelpexit);
    EXPECT_TRUE(m.program.form15.visible());
    EXPECT_TRUE(m.program.form9.visible());
}

TEST(Form12, ExitShowsTheFormInTheReturnTableAndAlwaysUnloadsTheManual)
{
    struct Case
    {
        const char* returnForm;
        bool shown; // Form1 shown again
    };
    const Case cases[] = {{"Form1", true}, {"form1", false}, {"Form15", false}, {"Form18", false}};
    for (const Case& c : cases) {
        for (const bool fromMenuBar : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.returnForm << (fromMenuBar ? " menu bar" : " File menu"));
            Manual m;
            m.program.state.HelpReturnForm = c.returnForm; // as the opening form would have written it
            m.driver.click(m.f.Contents2);
            m.driver.menu(fromMenuBar ? m.f.mnuHelpexit : m.f.MnuExit);
            EXPECT_FALSE(m.f.loaded());
            EXPECT_EQ(m.program.form1.visible(), c.shown);
            EXPECT_FALSE(m.program.form15.visible());
            if (c.shown) {
                EXPECT_EQ(m.driver.activeForm(), &m.program.form1);
                // The next opening starts at the contents table again, with the entries rebuilt.
                m.driver.menu(m.program.form1.MnuHelp);
                EXPECT_FALSE(m.f.Text1.visible());
                EXPECT_EQ(m.f.ManualParagraphs[4], app::manualEntryTexts()[4]);
            }
        }
    }
}

TEST(Form12, CloseBoxAsksTheExitQuestion)
{
    {
        SCOPED_TRACE("Cancel keeps the manual as it was");
        Manual m;
        m.driver.click(m.f.Contents5);
        m.driver.answerMessage(MsgResult::Cancel);
        m.driver.closeBox(m.f);
        ASSERT_EQ(m.driver.messages().size(), 1u);
        EXPECT_EQ(m.driver.messages()[0].buttons, platform::Buttons::OKCancel);
        EXPECT_NE(m.driver.messages()[0].text.find("Do you wish to exit Korvanta?"), std::string::npos);
        EXPECT_TRUE(m.f.visible());
        EXPECT_EQ(m.f.Text1.text(), m.joined(run(25, 28)));
        EXPECT_FALSE(m.driver.ended());
    }
    {
        SCOPED_TRACE("OK ends the program");
        Manual m;
        m.driver.answerMessage(MsgResult::OK);
        m.driver.closeBox(m.f);
        EXPECT_TRUE(m.driver.ended());
    }
}

TEST(Form12, PrintScreenPrintsTheWindowImageOrSaysOnceThatItCouldNot)
{
    Manual m;
    m.driver.click(m.f.Contents4);
    m.driver.menu(m.f.Mnuprintscreen);
    ASSERT_EQ(m.driver.printed().size(), 1u);
    const auto& pages = m.driver.printed()[0].pages;
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), 1u);
    EXPECT_EQ(pages[0][0].kind, platform::PrintOp::Kind::FormImage);
    EXPECT_EQ(pages[0][0].text, "Form12");
    EXPECT_TRUE(m.driver.messages().empty()); // no dialog

    m.driver.failNext(platform::test::HostFailure::PrintDocument);
    m.driver.menu(m.f.Mnuprintscreen);
    ASSERT_EQ(m.driver.messages().size(), 1u);
    EXPECT_EQ(m.driver.messages()[0].text, "The screen could not be printed.");
    EXPECT_EQ(m.driver.messages()[0].icon, platform::Icon::None);
    EXPECT_EQ(m.driver.printed().size(), 1u);
    // Still usable.
    m.driver.click(m.f.Contents2);
    EXPECT_EQ(m.f.Text1.text(), m.joined({4}));
    EXPECT_TRUE(m.driver.untrappedErrors().empty());
}

} // namespace
