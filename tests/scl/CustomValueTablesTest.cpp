// The size tables of the custom values form, case by case from the products' size lists.
#include "scl/CustomValueTables.h"

#include <gtest/gtest.h>

namespace
{

struct SizeCase
{
    int product;
    const char* breadth;
    const char* depth;
    bool accepted;
};

TEST(CustomValueTables, SclDepthTable)
{
    const SizeCase cases[] = {
        {1, "5-1/4x", "5-1/4", true},    {1, "3-1/2x", "5-1/4", false},  {19, "1-1/4x", "9-1/2", true},
        {19, "1-1/4x", "11-7/8", false}, {10, "3-1/2x", "8-5/8", true},  {10, "3-1/2x", "9-1/2", false},
        {6, "(2) 1-3/4x", "24", true},   {6, "(2) 1-3/4x", "20", false}, {16, "(3) 1-3/4x", "24", true},
        {17, "(4) 1-3/4x", "22", false}, {22, "3-1/2x", "18", true},     {22, "3-1/2x", "20", false},
        {22, "7x", "30", true},          {5, "1-1/2x", "9-1/2", false},  {20, "(3) 1-1/2x", "3-1/2", true},
        {25, "8-3/4x", "22-1/2", true},  {0, "1-3/4X", "9-1/2", false},  {0, "(2)1-3/4x", "9-1/2", false},
        {-1, "", "9-1/2", false},        {23, "1-3/4x", "9-1/2", false},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.product) + " " + c.breadth + " by " + c.depth);
        EXPECT_EQ(scl::SCLDepthTable(c.product, c.breadth, c.depth), c.accepted);
    }
    EXPECT_TRUE(scl::OneAndAHalfOnRequest(5, "(4) 1-1/2x"));
    EXPECT_FALSE(scl::OneAndAHalfOnRequest(0, "1-1/2x"));
}

struct TakeOffCase
{
    int product;
    int button;
    const char* caption;
    bool takenOff;
};

TEST(CustomValueTables, DepthsTakenOffTheButtons)
{
    const TakeOffCase cases[] = {
        {25, 0, "22", true},     {25, 3, "7-1/4", true},  {25, 2, "24", false},  {25, 4, "22", false},
        {19, 0, "11-7/8", true}, {19, 0, "9-1/2", false}, {19, 1, "14", false},  {1, 1, "5-1/4", true},
        {1, 4, "5-1/4", false},  {10, 0, "24", false},    {6, 3, "5-1/2", true}, {3, 4, "16", true},
    };
    for (const TakeOffCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.product) + " " + std::to_string(c.button) + " " + c.caption);
        EXPECT_EQ(scl::DepthTakenOff(c.product, c.button, c.caption), c.takenOff);
    }
}

TEST(CustomValueTables, MemberClassesTimbersAndMakers)
{
    using scl::MemberClass;
    EXPECT_EQ(scl::MemberClassBreadths(MemberClass::TwoX, false).size(), 4u);
    EXPECT_EQ(scl::MemberClassBreadths(MemberClass::Timber, false).size(), 19u);
    EXPECT_EQ(scl::MemberClassBreadths(MemberClass::GluLamBeam, true)[6], "8-1/2x");
    EXPECT_EQ(scl::MemberClassBreadths(MemberClass::GluLamHeader, false)[2], "7-1/4x");
    EXPECT_EQ(scl::TimberDepthFloor("5-1/2x"), 5);
    EXPECT_EQ(scl::TimberDepthFloor("13-1/2x"), 13);
    EXPECT_EQ(scl::TimberDepthFloor("14x"), 14);
    EXPECT_EQ(scl::TimberDepthFloor("4x"), 0);
    EXPECT_TRUE(scl::PostAndTimberPair("6x", "8"));
    EXPECT_FALSE(scl::PostAndTimberPair("6x", "10"));
    EXPECT_EQ(scl::CustomSCLBreadths().size(), 19u);
    EXPECT_EQ(scl::CustomSCLDepths().size(), 16u);
    EXPECT_EQ(scl::MakerLine(0), "Boise Cascade LVL");
    EXPECT_EQ(scl::MakerLine(19), "West Fraser LVL");
    EXPECT_EQ(scl::MakerLine(25), "Rosboro X-Beam GLB");
    EXPECT_EQ(scl::MakerLine(-1), "");
}

} // namespace
