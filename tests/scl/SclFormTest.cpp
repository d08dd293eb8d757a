// The SCL products on the custom values form, driven as a user does: the SCL group and "OK Calculate"
// on the criteria form, a product chosen in the list, "Load" and "Save", a depth button pressed. The
// two SCL files are checked byte by byte at their offsets.
#include "app/Form1.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Record.h"
#include "platform/headless/Driver.h"
#include "report/Form5.h"
#include "scl/Form2.h"
#include "scl/LVLEstimate.h"
#include "scl/SCLRecords.h"
#include "scl/SCLValueTable.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using platform::test::Driver;

constexpr const char* FirstRunStart =
    "Default SCL values are all currently empty and ready for your input.\r";

std::int16_t i16At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    return static_cast<std::int16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

float f32At(const std::vector<std::uint8_t>& bytes, std::size_t at)
{
    float value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

class SclForm : public testing::Test
{
  protected:
    // SCL chosen on the criteria form and a 20 ft beam under 200 plf calculated: the form loads.
    void openScl()
    {
        driver.choose(program.form1.Combo1, "SCL Beams (LVL, PSL, LSL)");
        driver.retype(program.form1.Span, "20");
        driver.retype(program.form1.UNIF, "200");
        driver.retype(program.form1.LUNIF, "100");
        driver.click(program.form1.CmdOK);
        ASSERT_TRUE(f2.visible());
    }
    void type(platform::TextBox& box, const char* text) { driver.retype(box, text); }
    std::vector<std::string> messageTexts()
    {
        std::vector<std::string> texts;
        for (const auto& m : driver.messages()) {
            texts.push_back(m.text);
        }
        return texts;
    }
    // Labels of the shown slots, left to right as the form places them (slots 4, 0, 1, 2, 3).
    std::vector<std::string> shownSlots()
    {
        std::vector<std::string> shown;
        for (int slot : {4, 0, 1, 2, 3}) {
            if (f2.LVLbut[slot].visible()) {
                shown.push_back(f2.LVLab[slot].caption());
            } else {
                EXPECT_EQ(f2.LVLab[slot].caption(), "") << slot;
            }
        }
        return shown;
    }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    scl::Form2& f2 = program.form2;
};

TEST_F(SclForm, FirstRunCreatesBothFilesEmptyAndSaysSo)
{
    openScl();
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_TRUE(driver.messages()[0].text.starts_with(FirstRunStart));
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Information);
    EXPECT_TRUE(driver.readFile(scl::SCLDefaultsFileName).empty());
    EXPECT_TRUE(driver.readFile(scl::CustomSCLFileName).empty());
    EXPECT_EQ(program.SCLValueTable, scl::SCLValues{});
    EXPECT_EQ(f2.Combo1.listCount(), 26);
    EXPECT_EQ(f2.Combo1.list(25), "1.8E RB Rosboro X-Beam GLB");
}

TEST_F(SclForm, ProductChoiceLaysOutItsBreadths)
{
    openScl();
    struct Case
    {
        int product;
        std::vector<std::string> slots;
        const char* maker;
    };
    const Case cases[] = {
        {14, {"1-3/4x", "2-1/2x", "3-1/2x", "5-1/2x", "7x"}, "Chantiers Chibougamau LSL"},
        {3, {"2-11/16x", "3-1/2x", "5-1/4x", "7x"}, "Trus Joist PSL"},
        {10, {"3-1/2x"}, "Trus Joist LSL"},
        {24, {}, "For SCL's Only, not for Glu-lam products."},
        {25, {"3-1/2x", "5-1/2x", "6-3/4x", "8-3/4x"}, "Rosboro X-Beam Glu-Lam"},
        {0, {"1-3/4x", "2-5/8x", "(2) 1-3/4x", "(3) 1-3/4x", "(4) 1-3/4x"}, "Boise LVL 2800"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.product);
        driver.choose(f2.Combo1, c.product);
        EXPECT_EQ(shownSlots(), c.slots);
        EXPECT_EQ(f2.LVLname.caption(), c.maker);
        EXPECT_EQ(f2.Text8.visible(), c.product == 24);
        EXPECT_EQ(f2.Label33.visible(), c.product == 24);
        EXPECT_TRUE(f2.CmdEnterValues.isDefault());
    }
    driver.choose(f2.Combo1, 23);
    EXPECT_EQ(f2.Label20.caption(),
              "Type in any valid Korvanta breadth and depth in the format shown.  Select 'OK' to test it.");
    EXPECT_EQ(f2.Text8.text(), "0"); // custom entry #1 never saved: exponent 0 stays, Fb 0 is emptied
    EXPECT_EQ(f2.Text1.text(), "");
}

TEST_F(SclForm, LoadWritesTheMakersValuesOnly)
{
    openScl();
    driver.clearMessages();
    struct Case
    {
        int product;
        const char* Fb;
        const char* Fv;
        const char* E;
        const char* Fc;
    };
    const Case cases[] = {{0, "2800", "285", "2.0", "750"},
                          {12, "2325", "310", "1.55", "900"},
                          {25, "2400", "265", "1.8", "650"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.product);
        driver.choose(f2.Combo1, c.product);
        type(f2.Text1, "");
        driver.click(f2.LVLLoadDefault);
        EXPECT_TRUE(driver.messages().empty()); // no warning over an empty Fb box
        EXPECT_EQ(f2.Text1.text(), c.Fb);
        EXPECT_EQ(f2.Text2.text(), c.Fv);
        EXPECT_EQ(f2.Text4.text(), c.E);
        EXPECT_EQ(f2.Text3.text(), c.Fc);
    }
    // With values in the boxes the replacement warning comes first; the table is not changed.
    driver.click(f2.LVLLoadDefault);
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_TRUE(driver.messages()[0].text.starts_with(
        "Your previous values will replaced with the default values.\r"));
    EXPECT_EQ(program.SCLValueTable, scl::SCLValues{});

    driver.clearMessages();
    driver.choose(f2.Combo1, 11);
    type(f2.Text1, "");
    driver.click(f2.LVLLoadDefault);
    EXPECT_EQ(messageTexts(),
              std::vector<std::string>{"Please note that this product has been discontinued."});
    EXPECT_EQ(f2.Text4.text(), "");
}

TEST_F(SclForm, SaveChecksEachBoxWithItsFocus)
{
    openScl();
    driver.choose(f2.Combo1, 23);
    struct Case
    {
        platform::TextBox* empty;
        const char* message;
    };
    const Case cases[] = {
        {&f2.Text1, "Please enter a value for the Fb."},
        {&f2.Text2, "Please enter a value for the Fv."},
        {&f2.Text4, "Please enter a value for the E."},
        {&f2.Text3, "Please enter a value for the Fc."},
        {&f2.Text8, "Please enter a decimal value for the Cf Size factor that is less than one."},
        {&f2.Text5, "Please enter the SCL manufacturer's name and grade designation (below) to document the "
                    "member before saving properties."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        type(f2.Text1, "2600");
        type(f2.Text2, "285");
        type(f2.Text4, "1.9");
        type(f2.Text3, "750");
        type(f2.Text8, "0.136");
        type(f2.Text5, "Maker 1.9E LVL");
        type(*c.empty, "");
        driver.clearMessages();
        driver.click(f2.LVLsavedefault);
        EXPECT_EQ(messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(driver.runtime().activeControl(), c.empty);
    }
    // Fault 6: an exponent of 1 or more is refused too, in the exponent box.
    type(f2.Text5, "Maker");
    for (const char* x : {"5", "1"}) {
        type(f2.Text8, x);
        driver.clearMessages();
        driver.click(f2.LVLsavedefault);
        EXPECT_EQ(messageTexts(),
                  std::vector<std::string>{
                      "Please enter a decimal value for the Cf Size factor that is less than one."});
        EXPECT_EQ(driver.runtime().activeControl(), &f2.Text8);
    }
    EXPECT_TRUE(driver.readFile(scl::CustomSCLFileName).empty());
}

// "Save" on product 25 writes entry 23 at offsets 234..243, the marker 113 and the stored product.
// Fb 800.5 rounds to the even 800, 801.5 to 802; E 1.75 keeps its second decimal (fault 7).
TEST_F(SclForm, SaveWritesTheDefaultsRecordAtItsOffsets)
{
    openScl();
    driver.choose(f2.Combo1, 25);
    type(f2.Text1, "801.5");
    type(f2.Text2, "265");
    type(f2.Text4, "1.75");
    type(f2.Text3, "650");
    driver.click(f2.LVLsavedefault);
    EXPECT_EQ(i16At(driver.readFile(scl::SCLDefaultsFileName), 234), 802);
    type(f2.Text1, "800.5");
    driver.clearMessages();
    driver.click(f2.LVLsavedefault);
    EXPECT_EQ(messageTexts(),
              std::vector<std::string>{"SCL default values for this product have been saved to hard drive."});
    const std::vector<std::uint8_t> file = driver.readFile(scl::SCLDefaultsFileName);
    ASSERT_EQ(file.size(), 244u);
    EXPECT_EQ(i16At(file, 0), 113);
    EXPECT_EQ(i16At(file, 2), 25);
    EXPECT_EQ(i16At(file, 234), 800);
    EXPECT_EQ(i16At(file, 236), 265);
    EXPECT_FLOAT_EQ(f32At(file, 238), 1.75f);
    EXPECT_EQ(i16At(file, 242), 650);
    for (std::size_t at = 4; at < 234; ++at) {
        EXPECT_EQ(file[at], 0) << at; // entries never saved stay zero
    }
    driver.choose(f2.Combo1, 0);
    driver.choose(f2.Combo1, 25);
    EXPECT_EQ(f2.Text4.text(), "1.75");
    EXPECT_EQ(f2.Text1.text(), "800");

    // An Fb beyond the 16-bit range is refused and leaves the file as it was.
    type(f2.Text1, "40000"); // five characters, as the box takes
    driver.clearMessages();
    driver.click(f2.LVLsavedefault);
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Error saving default SCL values."});
    EXPECT_EQ(driver.readFile(scl::SCLDefaultsFileName), file);
}

// The custom record: entry #1 at 4..47 with its name padded to 30 at 18, entry #2 zero bytes.
TEST_F(SclForm, SaveWritesTheCustomRecordAndComesBackAfterARestart)
{
    openScl();
    driver.choose(f2.Combo1, 23);
    type(f2.Text1, "2600");
    type(f2.Text2, "285");
    type(f2.Text4, "1.55");
    type(f2.Text3, "750");
    type(f2.Text8, "0.136");
    type(f2.Text5, "Maker 2.0E LVL long name cut at thirty chars");
    driver.click(f2.LVLsavedefault);
    const std::vector<std::uint8_t> file = driver.readFile(scl::CustomSCLFileName);
    ASSERT_EQ(file.size(), 92u);
    EXPECT_EQ(i16At(file, 0), 2000);
    EXPECT_EQ(i16At(file, 2), 23);
    EXPECT_EQ(i16At(file, 4), 2600);
    EXPECT_EQ(i16At(file, 6), 285);
    EXPECT_FLOAT_EQ(f32At(file, 8), 1.55f);
    EXPECT_EQ(i16At(file, 12), 750);
    EXPECT_FLOAT_EQ(f32At(file, 14), 0.136f);
    EXPECT_EQ(std::string(file.begin() + 18, file.begin() + 48), "Maker 2.0E LVL long name cut a");
    for (std::size_t at = 48; at < 92; ++at) {
        EXPECT_EQ(file[at], 0) << at;
    }

    // A new start in the same folder reads the file back at the form's load.
    Driver again;
    again.putFile(scl::CustomSCLFileName, file);
    again.putFile(scl::SCLDefaultsFileName, driver.readFile(scl::SCLDefaultsFileName));
    app::Program& restarted = again.start<app::Program>();
    again.choose(restarted.form1.Combo1, "SCL Beams (LVL, PSL, LSL)");
    again.retype(restarted.form1.Span, "20");
    again.retype(restarted.form1.UNIF, "200");
    again.retype(restarted.form1.LUNIF, "100");
    again.click(restarted.form1.CmdOK);
    again.choose(restarted.form2.Combo1, 23);
    EXPECT_EQ(restarted.form2.Text4.text(), "1.55");
    EXPECT_EQ(restarted.form2.Text8.text(), "0.136");
    EXPECT_EQ(restarted.form2.Text5.text(), "Maker 2.0E LVL long name cut a");
    EXPECT_EQ(restarted.form2.Text1.text(), "2600");
}

// Fault 8: "Load" on #1 fills #1's values even when #2 was saved last.
TEST_F(SclForm, LoadOnACustomProductFillsThatProduct)
{
    openScl();
    const auto save = [&](int product, const char* Fb, const char* name) {
        driver.choose(f2.Combo1, product);
        type(f2.Text1, Fb);
        type(f2.Text2, "285");
        type(f2.Text4, "2.0");
        type(f2.Text3, "750");
        type(f2.Text8, "0.1");
        type(f2.Text5, name);
        driver.click(f2.LVLsavedefault);
    };
    save(23, "2600", "First");
    save(24, "3000", "Second");
    driver.choose(f2.Combo1, 23);
    type(f2.Text1, "");
    driver.click(f2.LVLLoadDefault);
    EXPECT_EQ(f2.Text1.text(), "2600");
    EXPECT_EQ(f2.Text5.text(), "First");
    EXPECT_EQ(program.SCLValueTable.selectedProduct, 24); // the file's stored index is taken over
}

TEST_F(SclForm, ForeignShortAndOutOfRangeFilesAreRefused)
{
    scl::SCLDefaultsRecord good;
    good.Marker = 113;
    good.selectedProduct = 7;
    good.entries[7] = {2650, 285, 1.9f, 750};
    const platform::Record record = scl::writeSCLDefaults(good);
    struct Case
    {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<std::uint8_t> foreign = record.bytes();
    foreign[0] = 112;
    std::vector<std::uint8_t> shortFile(record.bytes().begin(), record.bytes().begin() + 100);
    std::vector<std::uint8_t> outOfRange = record.bytes();
    outOfRange[2] = 26;
    std::vector<std::uint8_t> notFinite = record.bytes();
    notFinite[8 + 10 * 7 + 3] = 0x7f; // E of entry 7: 0x7f.. exponent
    notFinite[8 + 10 * 7 + 2] = 0xc0;
    const Case cases[] = {
        {"foreign marker", foreign}, {"short", shortFile}, {"index 26", outOfRange}, {"NaN", notFinite}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Driver d;
        d.putFile(scl::SCLDefaultsFileName, c.bytes);
        app::Program& p = d.start<app::Program>();
        d.choose(p.form1.Combo1, "SCL Beams (LVL, PSL, LSL)");
        d.retype(p.form1.Span, "20");
        d.retype(p.form1.UNIF, "200");
        d.retype(p.form1.LUNIF, "100");
        d.click(p.form1.CmdOK);
        ASSERT_EQ(d.messages().size(), 1u);
        EXPECT_EQ(d.messages()[0].text, "Default SCL files could not be loaded.");
        EXPECT_EQ(p.SCLValueTable, scl::SCLValues{});
    }

    // The good file is applied; a foreign custom file is refused with its own message.
    Driver d;
    d.putFile(scl::SCLDefaultsFileName, record.bytes());
    d.putFile(scl::CustomSCLFileName, std::vector<std::uint8_t>(92, 1));
    app::Program& p = d.start<app::Program>();
    d.choose(p.form1.Combo1, "SCL Beams (LVL, PSL, LSL)");
    d.retype(p.form1.Span, "20");
    d.retype(p.form1.UNIF, "200");
    d.retype(p.form1.LUNIF, "100");
    d.click(p.form1.CmdOK);
    ASSERT_EQ(d.messages().size(), 1u);
    EXPECT_EQ(d.messages()[0].text, "No custom SCL values loaded.");
    EXPECT_EQ(p.SCLValueTable.selectedProduct, 7);
    d.choose(p.form2.Combo1, 7);
    EXPECT_EQ(p.form2.Text1.text(), "2650");
    EXPECT_EQ(p.form2.Text4.text(), "1.9");
}

// "OK Calc"'s estimate captions the depth buttons; pressing one fills the size and species boxes.
// M = 10,000 ft-lb, Fb 2800, CD 1.0: "(2) 1-3/4x" gives d = sqrt(72 x 10000 / 9800) = 8.57 in., "9-1/4".
TEST_F(SclForm, QuickPickFillsTheSizeBoxes)
{
    openScl();
    driver.choose(f2.Combo1, 0);
    type(f2.Text1, "2800");
    driver.runtime().dispatch([&] { scl::LVLtest(program); });
    EXPECT_EQ(f2.LVLbut[1].caption(), "9-1/4");
    driver.clearMessages();
    driver.click(f2.LVLbut[1]);
    EXPECT_EQ(f2.Text6.text(), "(2) 1-3/4x");
    EXPECT_EQ(f2.Text7.text(), "9-1/4");
    EXPECT_EQ(f2.Text5.text(), "2.0E BC Versa-Lam 2800");
    // A changed Fb box disables "OK Test" until "OK Calc" runs again.
    EXPECT_EQ(messageTexts(), std::vector<std::string>{"Please click the 'Calculate' button"});
}

// The custom products' estimate for a 3-1/2 in. breadth goes into the depth box: M 10,000 ft-lb, Fb 2800
// gives d = sqrt(72 x 10000 / 9800) = 8.57 in., "9-1/4" of their own series; a zero Fb estimates nothing
// and says so once for each button and once for the depth box.
TEST_F(SclForm, CustomEstimateAndFailingEstimates)
{
    openScl();
    driver.choose(f2.Combo1, 23);
    type(f2.Text1, "2800");
    driver.runtime().dispatch([&] { scl::LVLtest(program); });
    EXPECT_EQ(f2.Text7.text(), "9-1/4");
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f2.LVLbut[i].caption(), "") << i; // empty labels: an estimate of some 500 in.
    }

    type(f2.Text1, "");
    driver.clearMessages();
    driver.runtime().dispatch([&] { scl::LVLtest(program); });
    EXPECT_EQ(messageTexts(), std::vector<std::string>(6, "Error in LVLtest"));
    EXPECT_EQ(f2.Text7.text(), "0");
}

// From the criteria form to the report: "Load", "OK Calc" (estimate, then the SCL test steps each
// button to the smallest depth that passes), a depth button and "OK Test".
TEST_F(SclForm, OkCalcStepsToTheSmallestPassingDepthAndOkTestReports)
{
    openScl();
    driver.choose(f2.Combo1, 0);
    driver.click(f2.LVLLoadDefault);
    driver.clearMessages();
    driver.click(f2.CmdEnterValues);
    ASSERT_TRUE(f2.LVLbut[1].visible());
    const std::string depth = f2.LVLbut[1].caption();
    ASSERT_FALSE(depth.empty());
    driver.click(f2.LVLbut[1]);
    EXPECT_EQ(f2.Text6.text(), "(2) 1-3/4x");
    EXPECT_EQ(f2.Text7.text(), depth);
    driver.click(f2.CmdTest);
    EXPECT_TRUE(program.form5.visible());
    const beam::BeamState& s = program.beam;
    // The depth passes bending and deflection, and the next smaller one of its series does not pass.
    EXPECT_LE(s.shear.SectionModulusReq, s.member.SectionModulus);
    EXPECT_LE(std::abs(s.deflection.TLDefl), s.deflection.TLDeflAllow);
    EXPECT_LE(std::abs(s.deflection.LLDefl), s.deflection.LLDeflAllow);
    EXPECT_EQ(s.smaller.NextSmallerOK, 0);
}

// The estimate takes Cr 1.04 with repetitive use for every product, those the beam test keeps at 1.0
// included: product 13, Fb 2000, "3-1/2x": P = 2000 x 3.5 x 1.04 = 7280, d = sqrt(720000 / 7280) =
// 9.945 in., "11-7/8" of its series.
TEST_F(SclForm, EstimateTakesTheRepetitiveFactorForEveryProduct)
{
    driver.choose(program.form1.Combo1, "SCL Beams (LVL, PSL, LSL)");
    driver.click(program.form1.Rep);
    ASSERT_NE(program.form1.Rep.value(), 0);
    openScl();
    driver.choose(f2.Combo1, 13);
    type(f2.Text1, "2000");
    driver.runtime().dispatch([&] { scl::LVLtest(program); });
    EXPECT_FLOAT_EQ(program.beam.member.Cr, 1.04f);
    EXPECT_EQ(f2.LVLbut[2].caption(), "11-7/8");
}

} // namespace
