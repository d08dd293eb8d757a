// The standard member sizes picker as the user opens it from the notch form: both frames, the net and
// decimal equivalents, Insert and Cancel, and Insert into a box that can no longer take the focus.
#include "notch/StdSizesForm.h"

#include "notch/NotchTables.h"
#include "tests/notch/NotchFixtures.h"

#include <gtest/gtest.h>

namespace
{

using platform::test::Driver;
using namespace notch::test;

TEST(StdSizesForm, SawnFrameNetSizes)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.click(f.StdSizeCmd);
    auto& p = program.stdSizesForm;
    EXPECT_EQ(p.caption(), "Korvanta    Standard Member Sizes ");
    EXPECT_TRUE(p.SSFrame.visible());
    EXPECT_FALSE(p.GLBFrame.visible());
    EXPECT_EQ(p.BreadthSSList.text(), "    2x");
    EXPECT_EQ(p.DepthSSList.text(), "   10");
    EXPECT_EQ(p.NetBreadthLabel.caption(), "1.5");
    EXPECT_EQ(p.NetDepthLabel.caption(), "9.25"); // 10 less 3/4 in. on a 2x

    struct Step
    {
        bool breadth;
        const char* entry;
        const char* netBreadth;
        const char* netDepth;
    };
    // Nominal less 1/2 in.; depths 8 to 16 less 3/4 in. on 2x to 4x; 18 and up less 1/2 in. on every breadth.
    const Step steps[] = {
        {true, "    4x", "3.5", ""},     {false, "   12", "3.5", "11.25"}, {true, "    6x", "5.5", ""},
        {false, "   12", "5.5", "11.5"}, {true, "    2x", "1.5", ""},      {false, "   18", "1.5", "17.5"},
        {false, "    6", "1.5", "5.5"},  {true, "   16x", "15.5", ""},     {false, "   24", "15.5", "23.5"}};
    for (const Step& s : steps) {
        SCOPED_TRACE(s.entry);
        driver.choose(s.breadth ? p.BreadthSSList : p.DepthSSList, s.entry);
        EXPECT_EQ(p.NetBreadthLabel.caption(), s.netBreadth);
        EXPECT_EQ(p.NetDepthLabel.caption(), s.netDepth);
        if (s.breadth) {
            EXPECT_EQ(p.DepthSSList.listIndex(), -1);
        }
    }
    driver.choose(p.BreadthSSList, "    6x");
    driver.choose(p.DepthSSList, "   12");
    driver.click(p.Command1);
    EXPECT_FALSE(p.loaded());
    EXPECT_EQ(f.breadthtextbox.text(), "5.5");
    EXPECT_EQ(f.depthtextbox.text(), "11.5");
    EXPECT_EQ(f.Label21.caption(), "psi, TIMBER");
    EXPECT_EQ(f.DnMinimum.caption(), "3/4d = Minimum dn = 8.63 in."); // 0.75 x 11.5 = 8.625
    EXPECT_TRUE(driver.messages().empty());
    expectCleanRun(driver);
}

TEST(StdSizesForm, GluLamFrameDecimalSizes)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.choose(f.MemberListBox, 2);
    driver.click(f.StdSizeCmd);
    auto& p = program.stdSizesForm;
    EXPECT_FALSE(p.SSFrame.visible());
    EXPECT_TRUE(p.GLBFrame.visible());
    EXPECT_TRUE(p.WesternGLBOption.value());
    EXPECT_EQ(p.BreadthGLBList.text(), "   3-1/8x");
    EXPECT_EQ(p.DepthGLBList.text(), "   9");
    EXPECT_EQ(p.NetGLBBreadth.caption(), "3.125");
    EXPECT_EQ(p.NetGLBDepth.caption(), "9");
    EXPECT_EQ(p.DepthGLBList.listCount(), 28);
    EXPECT_EQ(p.DepthGLBList.list(27), "   46-1/2"); // 6 + 1.5 x 27

    driver.click(p.SoPineGLBOption);
    EXPECT_EQ(p.NetGLBBreadth.caption(), "");
    EXPECT_EQ(p.NetGLBDepth.caption(), "");
    EXPECT_EQ(p.BreadthGLBList.listIndex(), -1);
    EXPECT_EQ(p.BreadthGLBList.listCount(), 10);
    EXPECT_EQ(p.DepthGLBList.list(27), "   42-5/8"); // 5.5 + 1.375 x 27 = 42.625
    driver.choose(p.BreadthGLBList, "   5x");
    driver.choose(p.DepthGLBList, "   6-7/8");
    EXPECT_EQ(p.NetGLBBreadth.caption(), "5");
    EXPECT_EQ(p.NetGLBDepth.caption(), "6.875");
    driver.choose(p.DepthGLBList, "   42-5/8");
    EXPECT_EQ(p.NetGLBDepth.caption(), "42.625");
    driver.click(p.Command3);
    EXPECT_EQ(f.breadthtextbox.text(), "5");
    EXPECT_EQ(f.depthtextbox.text(), "42.625");
    EXPECT_FALSE(p.loaded());
    expectCleanRun(driver);
}

TEST(StdSizesForm, DecimalsFollowTheLaminationSets)
{
    // Entry k of a depth list is 6 + 1.5 k (1-1/2 in. laminations) or 5.5 + 1.375 k (1-3/8 in.).
    for (std::size_t k = 0; k < 28; ++k) {
        EXPECT_DOUBLE_EQ(std::stod(std::string(notch::StandardSizeLists::WesternDepths[k].net)), 6 + 1.5 * k);
        EXPECT_DOUBLE_EQ(std::stod(std::string(notch::StandardSizeLists::SouthernDepths[k].net)),
                         5.5 + 1.375 * k);
    }
}

TEST(StdSizesForm, CancelAndInsertWithoutADepth)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    enterMember(driver, f, "1500", "3.5", "11.25");
    driver.click(f.StdSizeCmd);
    driver.click(program.stdSizesForm.Command2);
    EXPECT_FALSE(program.stdSizesForm.loaded());
    EXPECT_EQ(f.breadthtextbox.text(), "3.5");

    driver.click(f.StdSizeCmd);
    driver.choose(program.stdSizesForm.BreadthSSList, "    8x"); // takes the depth choice away
    driver.click(program.stdSizesForm.Command1);
    EXPECT_EQ(f.breadthtextbox.text(), "7.5");
    EXPECT_EQ(f.depthtextbox.text(), "");
    expectCleanRun(driver);
}

TEST(StdSizesForm, InsertIntoALogsBreadthChangesNothing)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = openNotch(driver, program);
    driver.click(f.StdSizeCmd);
    driver.switchTo(f);
    driver.choose(f.MemberListBox, 1);
    driver.type(f.depthtextbox, "10");
    driver.switchTo(program.stdSizesForm);
    driver.click(program.stdSizesForm.Command1);
    // The focus error reaches the dispatcher: reported, and the program goes on.
    ASSERT_EQ(driver.untrappedErrors().size(), 1u);
    EXPECT_EQ(f.breadthtextbox.text(), "10");
    EXPECT_EQ(f.depthtextbox.text(), "10");
    EXPECT_TRUE(program.stdSizesForm.visible());
    EXPECT_FALSE(driver.ended());
}

} // namespace
