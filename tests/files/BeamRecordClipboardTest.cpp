// The beam record's clipboard text: 43 lines of TAB-separated captions joined by LF, and a failing
// clipboard that shows only the error.
#include "../report/RecordFixture.h"
#include "report/Form6Layout.h"

#include <algorithm>

namespace filetest
{

namespace
{

// The lines with every label captioned by its own name, written out from the record's line table.
const char* const ExpectedLines[43] = {
    "Label132",
    "Label133Missing",
    "",
    "Label1",
    "Label2",
    "Label3",
    "Label4",
    "Label169",
    "",
    "Label171\tLabel5\t\t\tLabel173\tLabel174",
    "",
    "Label139\tLabel6",
    "Label60\tLabel71\tLabel133\tLabel134\tLabel135\tLabel136\tLabel137",
    "Label138\tLabel12\tLabel61\tLabel51\tLabel64\tLabel53\tLabel145",
    "\tLabel142\tLabel143\tLabel52\tLabel62\tLabel144\tLabel63",
    "\tLabel56\tLabel67\tLabel55\tLabel66\tLabel130\tLabel131",
    "\tLabel54\tLabel65\tLabel39\tLabel168\tLabel140\tLabel141",
    "\tLabel57\tLabel68\tLabel43\tLabel45\tLabel146\tLabel147",
    "\tLabel58\tLabel69\tLabel44\tLabel107\tLabel148\tLabel149",
    "Label108\tLabel9\tLabel10\tLabel11\tLabel110\tLabel156\tLabel161",
    "Label8\tLabel14\tLabel16\tLabel18\tLabel106\tLabel157\tLabel162",
    "Label7\tLabel13\tLabel15\tLabel17\tLabel109\tLabel158\tLabel163",
    "Label150\tLabel111\tLabel112\tLabel113\tLabel114\tLabel159\tLabel164",
    "Label151\tLabel152\tLabel153\tLabel154\tLabel155\tLabel160\tLabel165",
    "\t\tLabel19\tLabel20\tLabel21\tLabel59 (psi)",
    "Label50\tLabel23\tLabel25\tLabel27\tLabel29\tLabel167",
    "\tLabel22\tLabel24\tLabel26\tLabel28\tLabel70",
    "Label30\tLabel31\tLabel35",
    "\tLabel32\tLabel36\tLabel40",
    "\tLabel33\tLabel37",
    "\tLabel47\t\tLabel41\tLabel48",
    "\tLabel34\tLabel38\tLabel42\tLabel46\tLabel49Label177",
    "\tLabel188\tLabel190\tLabel192",
    "\tLabel189\tLabel191\tLabel193",
    "\tLabel187\t\tLabel194",
    "Label166\tLabel72\tLabel73\tLabel117\tLabel118\tLabel170",
    "Label115\tLabel77\tLabel78\tLabel116\tLabel74\tLabel75\tLabel76",
    "Label119\tLabel79\tLabel85\tLabel125\tLabel91\tLabel96\tLabel101",
    "Label120\tLabel80\tLabel86\tLabel126\tLabel92\tLabel97\tLabel102",
    "Label121\tLabel81\tLabel87\tLabel127\tLabel93\tLabel98\tLabel103",
    "Label122\tLabel82\tLabel88\tLabel128\tLabel94\tLabel99\tLabel104",
    "Label123\tLabel83\tLabel89\tLabel129\tLabel95\tLabel100\tLabel105",
    "Label124\tLabel84\tLabel90",
};

constexpr const char* Confirmation =
    "Your Beam Data Record has been saved to the Windows Clipboard.\n\nBe sure to paste data into your word "
    "processing or spreadsheet application before saving another beam to the clipboard.\nFor instructions "
    "see "
    "Help.";

} // namespace

class BeamRecordClipboard : public recordtest::RecordTest
{
  protected:
    void SetUp() override
    {
        simpleSawnBeam();
        openRecord();
        ASSERT_TRUE(form6.visible());
        driver.clearMessages();
    }
};

TEST_F(BeamRecordClipboard, LinesHoldTheCaptionsInTheirCells)
{
    // The program captions every label with its name; hidden ones count too.
    for (const auto& layout : report::Form6Labels) {
        form6.label(layout.name).setCaption(layout.name);
    }
    form6.label("Label32").setVisible(false);
    driver.menu(form6.MnuCopyClip);
    const auto text = driver.clipboardText();
    ASSERT_TRUE(text.has_value());
    std::string expected;
    for (int i = 0; i < 43; ++i) {
        expected += ExpectedLines[i];
        expected += i < 42 ? "\n" : "";
    }
    EXPECT_EQ(*text, expected);
    EXPECT_EQ(std::count(text->begin(), text->end(), '\n'), 42);
    EXPECT_EQ(text->find('\r'), std::string::npos);
    EXPECT_NE(text->back(), '\n');
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_EQ(driver.messages()[0].text, Confirmation);
    EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Information);
}

TEST_F(BeamRecordClipboard, BlanksOfCaptionsStay)
{
    form6.label("Label7").setCaption("    Critical");
    form6.label("Label90").setCaption("");
    driver.menu(form6.MnuCopyClip);
    const std::string text = driver.clipboardText().value_or("");
    EXPECT_NE(text.find("\n    Critical\t"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), cap("Label124") + "\t" + cap("Label84") + "\t");
}

// A failing clipboard ends the copy with the error alone: no confirmation, no partial text.
TEST_F(BeamRecordClipboard, FailingClearOrSetShowsOnlyTheError)
{
    for (const auto failure :
         {platform::test::HostFailure::Clipboard, platform::test::HostFailure::ClipboardSet}) {
        driver.clearMessages();
        driver.failNext(failure);
        driver.menu(form6.MnuCopyClip);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text, "Error copying to clipboard.");
        EXPECT_EQ(driver.messages()[0].icon, platform::Icon::Exclamation);
        EXPECT_FALSE(driver.clipboardText().has_value());
    }
}

} // namespace filetest
