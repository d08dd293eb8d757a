// The depth steps of SCL members against their product tables, row by row: the deepest depth that
// refuses "Depth +", the shallowest that refuses "Depth -", and the breadth ends of "Depth -".
#include "ReportFixture.h"
#include "scl/Form2.h"

namespace reporttest
{
namespace
{

using Form5SclSteps = ReportTest;

struct Size
{
    int product;
    const char* breadth;
    const char* depth;
};

// Every refusal is made without a test, and the size stays.
TEST_F(Form5SclSteps, DepthUpIsRefusedAtTheDeepestDepthOfEachProduct)
{
    const Size refused[] = {
        {0, "2-5/8x", "18"},     {1, "5-1/4x", "24"},      {2, "1-3/4x", "14"},  {2, "(3) 1-3/4x", "20"},
        {3, "1-3/4x", "14"},     {4, "7x", "18"},          {5, "1-3/4x", "14"},  {5, "3-1/2x", "24"},
        {6, "1-3/4x", "14"},     {6, "(4) 1-3/4x", "18"},  {7, "1-1/2x", "14"},  {8, "(2) 1-1/2x", "24"},
        {9, "(3) 1-3/4x", "24"}, {10, "3-1/2x", "11-1/4"}, {11, "1-3/4x", "16"}, {12, "5-1/4x", "18"},
        {13, "2-1/2x", "14"},    {13, "5-1/2x", "18"},     {14, "7x", "18"},     {15, "5-1/2x", "18"},
        {16, "1-3/4x", "20"},    {17, "(2) 1-3/4x", "24"}, {18, "1-3/4x", "24"}, {18, "3-1/2x", "18"},
        {19, "1-1/4x", "9-1/2"}, {19, "(4) 1-1/4x", "16"}, {20, "1-3/4x", "20"}, {21, "(4) 1-3/4x", "24"},
        {22, "3-1/2x", "20"},
    };
    for (const Size& s : refused) {
        SCOPED_TRACE(testing::Message() << s.product << " " << s.breadth << " " << s.depth);
        sclTests = 0;
        sclMember(s.product, s.breadth, s.depth);
        showReport();
        driver.click(f5.CmdNextSize);
        EXPECT_EQ(program.form2.Text7.text(), s.depth);
        EXPECT_EQ(sclTests, 0);
        EXPECT_FALSE(f5.CmdNextSize.enabled());
    }
    // The same depths in another breadth, or of another product, step.
    const Size stepped[] = {{0, "(2) 1-3/4x", "18"}, {2, "1-3/4x", "16"},  {10, "3-1/2x", "9-1/2"},
                            {23, "1-3/4x", "14"},    {25, "3-1/2x", "24"}, {19, "1-1/4x", "11-7/8"}};
    for (const Size& s : stepped) {
        SCOPED_TRACE(testing::Message() << s.product << " " << s.breadth << " " << s.depth);
        sclTests = 0;
        sclMember(s.product, s.breadth, s.depth);
        showReport();
        driver.click(f5.CmdNextSize);
        EXPECT_NE(program.form2.Text7.text(), s.depth);
        EXPECT_EQ(sclTests, 1);
    }
}

TEST_F(Form5SclSteps, DepthDownIsRefusedAtTheShallowestDepthOfEachProduct)
{
    struct Case
    {
        Size size;
        bool breadthUpOff;
    };
    const Case refused[] = {
        {{0, "1-3/4x", "5-1/2"}, false},      {{1, "5-1/4x", "5-1/2"}, false},
        {{1, "7x", "9-1/4"}, true},           {{2, "(2) 1-3/4x", "5-1/2"}, false},
        {{3, "2-11/16x", "9-1/4"}, false},    {{6, "(3) 1-3/4x", "7-1/4"}, false},
        {{7, "1-1/2x", "3-1/2"}, false},      {{10, "3-1/2x", "4-3/8"}, true},
        {{11, "3-1/2x", "9-1/4"}, false},     {{18, "1-3/4x", "3-1/2"}, false},
        {{19, "(2) 1-1/4x", "9-1/2"}, false}, {{22, "3-1/2x", "9-1/2"}, false},
        {{22, "7x", "9-1/2"}, true},
    };
    for (const Case& c : refused) {
        const Size& s = c.size;
        SCOPED_TRACE(testing::Message() << s.product << " " << s.breadth << " " << s.depth);
        sclTests = 0;
        sclMember(s.product, s.breadth, s.depth);
        showReport();
        driver.click(f5.CmdNextSizeDn);
        EXPECT_EQ(program.form2.Text7.text(), s.depth);
        EXPECT_EQ(sclTests, 0);
        EXPECT_FALSE(f5.CmdNextSizeDn.enabled());
        EXPECT_EQ(f5.CmdNextWidth.enabled(), !c.breadthUpOff);
    }
    // Products without a shallowest row step while there is a shallower depth.
    for (int product : {13, 14, 15, 23, 24, 25}) {
        SCOPED_TRACE(product);
        sclTests = 0;
        sclMember(product, "3-1/2x", "5-1/2");
        showReport();
        driver.click(f5.CmdNextSizeDn);
        EXPECT_EQ(program.form2.Text7.text(), "4-3/8");
        EXPECT_EQ(sclTests, 1);
    }
}

// Table 1 of "Depth -": the narrowest breadth switches "Breadth -" off, the widest "Breadth +".
TEST_F(Form5SclSteps, DepthDownSwitchesOffTheBreadthEndsOfEachProduct)
{
    struct Case
    {
        Size size;
        bool breadthDown, breadthUp;
    };
    const Case cases[] = {
        {{0, "1-3/4x", "14"}, false, true},      {{0, "2-5/8x", "14"}, true, true},
        {{1, "3-1/2x", "14"}, false, true},      {{1, "7x", "14"}, true, false},
        {{2, "(4) 1-3/4x", "14"}, true, false},  {{3, "7x", "14"}, true, false},
        {{5, "3-1/2x", "14"}, true, false},      {{7, "1-1/2x", "14"}, false, true},
        {{8, "(4) 1-1/2x", "14"}, true, false},  {{10, "3-1/2x", "14"}, false, false},
        {{11, "5-1/4x", "14"}, true, false},     {{13, "5-1/2x", "14"}, true, false},
        {{14, "7x", "14"}, true, false},         {{15, "3-1/2x", "14"}, false, true},
        {{19, "(4) 1-1/4x", "14"}, true, false}, {{22, "5-1/2x", "20"}, false, true},
        {{22, "5-1/2x", "18"}, true, true},      {{23, "1-3/4x", "14"}, true, true},
        {{1, "3-1/2x", "22"}, false, true},      {{19, "(2) 1-1/4x", "14"}, false, true},
    };
    for (const Case& c : cases) {
        const Size& s = c.size;
        SCOPED_TRACE(testing::Message() << s.product << " " << s.breadth << " " << s.depth);
        sclMember(s.product, s.breadth, s.depth);
        showReport();
        driver.click(f5.CmdNextSizeDn);
        EXPECT_EQ(f5.CmdNextWidthDn.enabled(), c.breadthDown);
        EXPECT_EQ(f5.CmdNextWidth.enabled(), c.breadthUp);
    }
}

} // namespace
} // namespace reporttest
