// The SCL size tables: breadths, depth rows with their neighbours, the estimate series and the size
// columns, against the product literature's depths and the NDS size factor (12 / d)^x.
#include "scl/LVLEstimate.h"
#include "scl/SCLCatalogue.h"

#include <cmath>
#include <gtest/gtest.h>

namespace scl
{
namespace
{

TEST(SclBreadths, TextsAreMatchedWhole)
{
    EXPECT_EQ(sclNetBreadth("(2) 1-1/4x"), 2.5f);
    EXPECT_EQ(sclNetBreadth("2-1/2x"), 2.5f);
    EXPECT_EQ(sclNetBreadth("(3) 1-3/4x"), 5.25f);
    EXPECT_EQ(sclNetBreadth("(4) 1-3/4x"), 7.0f);
    EXPECT_EQ(sclNetBreadth("2-11/16x"), 2.6875f);
    EXPECT_EQ(sclNetBreadth("(4) 1-1/2x"), 6.0f);
    for (const char* text : {"1 3/4x", "1-3/4", "1-3/4X", " 1-3/4x", "1-3/4x ", ""}) {
        EXPECT_FALSE(sclNetBreadth(text)) << text;
    }
    EXPECT_FLOAT_EQ(sclEstimateBreadth(""), 0.00001f);
    EXPECT_FLOAT_EQ(sclEstimateBreadth("(4) 1-1/2x"), 0.00001f); // not a slot breadth
    EXPECT_FLOAT_EQ(sclEstimateBreadth("8-3/4x"), 8.75f);
}

TEST(SclDepthRows, OwnSeriesThenTheDefault)
{
    struct Case
    {
        int product;
        const char* breadth;
        const char* depth;
        float net;
        const char* larger;
        float smallerDepth;
        const char* smaller;
    };
    const Case cases[] = {
        {13, "3-1/2x", "20", 20, "22", 18, "18"}, // default series
        {13, "3-1/2x", "18", 18, "", 16, "16"},   // top of its own
        {16, "1-3/4x", "18", 18, "24", 16, "16"},
        {16, "1-3/4x", "24", 24, "", 18, "18"},
        {7, "1-3/4x", "5-1/2", 5.5f, "7-1/4", 3.5f, "3-1/2"},
        {7, "1-3/4x", "3-1/2", 3.5f, "5-1/2", 0, ""},
        {0, "1-3/4x", "5-1/2", 5.5f, "7-1/4", 0, ""},
        {22, "3-1/2x", "18", 18, "", 16, "16"},
        {22, "3-1/2x", "24", 24, "", 22, "22"},
        {22, "7x", "30", 30, "", 28, "28"},
        {25, "5-1/2x", "16", 16, "18", 14, "14"},
        {25, "5-1/2x", "16-1/2", 16.5f, "18", 15, "15"},
        {23, "(2) 1-3/4x", "8-5/8", 8.625f, "9-1/4", 7.25f, "7-1/4"},
        {-1, "1-3/4x", "11-7/8", 11.875f, "14", 11.25f, "11-1/4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.product) + " " + c.breadth + " " + c.depth);
        const auto row = sclDepthRow(c.product, c.breadth, c.depth);
        ASSERT_TRUE(row);
        EXPECT_FLOAT_EQ(row->BeamDepth, c.net);
        EXPECT_EQ(row->NextLargerLabel, c.larger);
        EXPECT_FLOAT_EQ(row->NextSmallerDepth, c.smallerDepth);
        EXPECT_EQ(row->NextSmallerLabel, c.smaller);
    }
    EXPECT_FALSE(sclDepthRow(22, "3-1/2x", "26"));
    EXPECT_FALSE(sclDepthRow(0, "1-3/4x", "4-3/8"));
}

// The estimate takes the first rung whose bound lies above d; a d equal to a bound takes the next.
TEST(SclEstimateSeries, RungsAtTheirBounds)
{
    struct Case
    {
        int product;
        double d;
        const char* caption;
    };
    const Case cases[] = {
        {0, 5.5, "7-1/4"},      {0, 5.49, "5-1/2"},  {0, 1.49, ""},     {0, 1.5, "5-1/2"},
        {0, 10, "11-7/8"},      {0, 25.9, "24"},     {0, 26, ""},       {13, 1.5, "11-7/8"},
        {13, 11.874, "11-7/8"}, {13, 16, "18"},      {13, 19.99, "18"}, {13, 20, ""},
        {16, 20, "18"},         {16, 23, "24"},      {16, 26, ""},      {10, 9.25, "11-1/4"},
        {10, 13.99, "11-1/4"},  {10, 14, ""},        {25, 15.5, "16"},  {25, 23.9, "24"},
        {25, 24, ""},           {22, 33, "30"},      {22, 34, ""},      {11, 19, "16"},
        {18, 21, "18"},         {24, 6.29, "7-1/4"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(estimateCaption(c.product, c.d), c.caption) << c.product << " at " << c.d;
    }
    // The custom products' own estimate for the depth box runs on its own series.
    EXPECT_EQ(estimateCaption(23, 4, true), "4-3/8");
    EXPECT_EQ(estimateCaption(23, 11, true), "11-1/4");
    EXPECT_EQ(estimateCaption(23, 26, true), "");
}

// d = sqrt(72 M / (Fb CD b Cr)): M 5000 ft-lb, Fb 2600, b 3.5 gives P = 9100 and d = 6.2897 in.
TEST(SclEstimate, BendingDepth)
{
    EXPECT_NEAR(bendingEstimate(5000, 9100), 6.28970, 1e-5);
    EXPECT_EQ(estimateCaption(0, bendingEstimate(5000, 9100)), "7-1/4");
    EXPECT_EQ(estimateCaption(13, bendingEstimate(5000, 9100)), "11-7/8");
    EXPECT_EQ(estimateCaption(25, bendingEstimate(5000, 9100)), "7-1/2");
    EXPECT_NEAR(bendingEstimate(100, 2600 * 0.00001f), 526.2, 0.1); // an empty label
}

TEST(SclSizeColumns, ExponentsAndSelfWeights)
{
    EXPECT_DOUBLE_EQ(*sclSizeExponent(0, 10, 0), 1.0 / 9);
    EXPECT_DOUBLE_EQ(*sclSizeExponent(16, 10, 0), 0.111111);
    EXPECT_DOUBLE_EQ(*sclSizeExponent(6, 12, 0), 0.2);
    EXPECT_DOUBLE_EQ(*sclSizeExponent(6, 11.875, 0), 0.125);
    EXPECT_DOUBLE_EQ(*sclSizeExponent(8, 12, 0), 1.0 / 7);
    EXPECT_DOUBLE_EQ(*sclSizeExponent(8, 11.875, 0), 1.0 / 9);
    EXPECT_DOUBLE_EQ(*sclSizeExponent(24, 10, 0.2), 0.2);
    EXPECT_FALSE(sclSizeExponent(22, 10, 0));
    EXPECT_FALSE(sclSizeExponent(-1, 10, 0));
    EXPECT_FALSE(sclSizeColumns(-1));
    EXPECT_FLOAT_EQ(sclSizeColumns(3)->selfWeightFactor, 0.3125f);
    EXPECT_FLOAT_EQ(sclSizeColumns(25)->selfWeightFactor, 0.2430555f);
    EXPECT_FLOAT_EQ(sclSizeColumns(15)->selfWeightFactor, 0.25694f);
    EXPECT_TRUE(sclSizeColumns(25)->withholdsRepetitive);
    EXPECT_FALSE(sclSizeColumns(0)->withholdsRepetitive);
}

TEST(SclDepthText, WholeInchesAndAFraction)
{
    EXPECT_DOUBLE_EQ(*sclDepthTextValue("11-7/8"), 11.875);
    EXPECT_DOUBLE_EQ(*sclDepthTextValue("5-1/4"), 5.25);
    EXPECT_DOUBLE_EQ(*sclDepthTextValue("30"), 30);
    for (const char* text : {"", "x", "5 1/4", "5-1/4x", "5-", "5-1", "5-4/4", "5-1/0", "-1/4", "5.25"}) {
        EXPECT_FALSE(sclDepthTextValue(text)) << text;
    }
}

} // namespace
} // namespace scl
