// Digit patterns, date and elapsed-time patterns, and plain number text.
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <gtest/gtest.h>
#include <limits>

using namespace platform;

namespace
{

int errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

// Every pattern the program uses, with the expected texts of the runtime design's pattern table.
TEST(DigitPattern, FormatsEveryPatternInUse)
{
    struct Case
    {
        const char* pattern;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"#", 0, ""},
        {"#", 562.4, "562"},
        {"#", 1187.5, "1188"},
        {"##", 0.4, ""},
        {"##", 50.1, "50"},
        {"##", 123, "123"},
        {"###", 0, ""},
        {"###", 694.4, "694"},
        {"####", 0, ""},
        {"####", 1400, "1400"},
        {"####", 12345.6, "12346"},
        {"#0", 0.4, "0"},
        {"#0", 87.5, "88"},
        {"#0", -5, "-5"},
        {"##0", 0, "0"},
        {"##0", 99.5, "100"},
        {"###0", 0, "0"},
        {"###0", 1250.5, "1251"},
        {"#,###", 0, ""},
        {"#,###", 50000, "50,000"},
        {"#,###", 1234.5, "1,235"},
        {"#,##0", 0, "0"},
        {"#,##0", 1234.5, "1,235"},
        {"#,##0", -1500, "-1,500"},
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", 0, "0.00"},
        {"#.0", 1.8, "1.8"},
        {"#.0", 0.9, ".9"},
        {"#.0", 0, ".0"},
        {"#.0#", 8, "8.0"},
        {"#.0#", 12.25, "12.25"},
        {"#.0#", 0.5, ".5"},
        {"#.00", 1, "1.00"},
        {"#.00", 0.5, ".50"},
        {"##.0", 0.81, ".8"},
        {"##.0", 1.235, "1.2"},
        {"##.0", 15, "15.0"},
        {"##.0#", 30.25, "30.25"},
        {"##.0#", 20, "20.0"},
        {"##.0#", 0.81, ".81"},
        {"##.0##", 4, "4.0"},
        {"##.0##", 5.563, "5.563"},
        {"###.0#", 14.142, "14.14"},
        {"###.0#", 5, "5.0"},
        {"###.0#", 0.71, ".71"},
        {"####.0#", 1234.567, "1234.57"},
        {"####.0#", 0.5, ".5"},
        {"#0.0", 0, "0.0"},
        {"#0.0", 15.28, "15.3"},
        {"#0.0#", 0, "0.0"},
        {"#0.0#", 1.5, "1.5"},
        {"#0.0#", 1.256, "1.26"},
        {"#0.0##", 0.1234, "0.123"},
        {"#0.0##", 4.35, "4.35"},
        {"#0.0##", 435, "435.0"},
        {"#0.00", 1, "1.00"},
        {"#0.00", 0.728, "0.73"},
        {"#0.00#", 1.5, "1.50"},
        {"#0.00#", 1.2345, "1.235"},
        {"#0.0000", 1, "1.0000"},
        {"#0.0000", 0.00125, "0.0013"},
        {"##0.0", 15.28, "15.3"},
        {"##0.0", 0.04, "0.0"},
        {"##0.0#", 1.1, "1.1"},
        {"##0.0#", 1.51, "1.51"},
        {"##0.0#", 0, "0.0"},
        {"##0.0##", 0.6, "0.6"},
        {"##0.0##", 0.8765, "0.877"},
        {"##0.00", 3.5, "3.50"},
        {"##0.00", 13.1406, "13.14"},
        {"###0.0#", 27.52, "27.52"},
        {"###0.0#", 5, "5.0"},
        {"###0.00", 8.625, "8.63"},
        {"###0.00", 0, "0.00"},
        {"####0.00", 12.5, "12.50"},
        {"####0.00", 12345.678, "12345.68"},
        {"####0.0#", 0, "0.0"},
        {"####0.0#", 3.14159, "3.14"},
        {"0.0", 1, "1.0"},
        {"0.0", 0.05, "0.1"},
        {"0.00", 0.728, "0.73"},
        {"0.00", 0.125, "0.13"},
        {"0.00", -0.004, "0.00"},
        {"0.000", 1, "1.000"},
        {"0.000", 0.0625, "0.063"},
        {"0.00#", 0.3, "0.30"},
        {"0.00#", 0.1234, "0.123"},
        {"0.#0", 1, "1.00"},
        {"0.#0", 0.5, "0.50"},
        {"0.#0", 0, "0.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << '"' << c.pattern << "\" " << c.value);
        EXPECT_EQ(num::format(c.value, c.pattern), c.text);
    }
}

// Rounding works on the 15- or 7-digit decimal text, half away from zero, so binary representation
// error never decides a half; and nothing that rounds to zero keeps its minus sign.
TEST(DigitPattern, RoundsTheDecimalTextHalfAwayFromZero)
{
    EXPECT_EQ(num::format(2.675, "0.00"), "2.68");        // binary 2.67499999...
    EXPECT_EQ(num::format(1.005, "0.00"), "1.01");        // binary 1.00499999...
    EXPECT_EQ(num::format(-2.5, "#0"), "-3");             // away from zero, not to even
    EXPECT_EQ(num::format(999.96, "#,##0.0"), "1,000.0"); // the carry adds a digit and a group
    EXPECT_EQ(num::format(9.5, "#"), "10");
    EXPECT_EQ(num::format(-0.4, "#"), "");
    EXPECT_EQ(num::format(-0.0, "0.0"), "0.0");
    EXPECT_EQ(num::format(-0.05, "0.0"), "-0.1");
    EXPECT_EQ(num::format(1234567.891, "#,##0.00"), "1,234,567.89");
    EXPECT_EQ(num::format(1e20, "#"), "100000000000000000000");
    EXPECT_EQ(num::format(1e-20, "0.00"), "0.00");
    // A Single is written with 7 digits first: 1.55f is 1.5499999523 but shows "1.6".
    EXPECT_EQ(num::format(1.55f, "#.0"), "1.6");
    EXPECT_EQ(num::format(66.7f, "0.0000"), "66.7000");
    EXPECT_EQ(num::format(static_cast<double>(66.7f), "0.000000"), "66.699997");
    EXPECT_EQ(num::format(1150, "#,##0"), "1,150");
    EXPECT_EQ(num::format(-7, "0.0"), "-7.0");
}

TEST(DigitPattern, RefusesUnknownPatternsAndNonFiniteValues)
{
    for (const char* pattern :
         {"", "%", "#.#%", "$#", "0.0.0", "#.#,#", ",##", "##,", "#,,#", "0.00E+00", "abc"}) {
        SCOPED_TRACE(pattern);
        EXPECT_EQ(errorOf([&] { num::format(1.0, pattern); }), err::InvalidCall);
    }
    EXPECT_EQ(errorOf([] { num::format(std::numeric_limits<double>::infinity(), "0.0"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { num::format(std::numeric_limits<double>::quiet_NaN(), "0.0"); }), err::Overflow);
}

TEST(DigitPattern, FormatsNumberTextAndLeavesOtherTextAlone)
{
    EXPECT_EQ(num::formatText("5.563", "##.0##"), "5.563");
    EXPECT_EQ(num::formatText(" 36,000 ", "#,##0.00"), "36,000.00");
    EXPECT_EQ(num::formatText("-2.5E-3", "0.000"), "-0.003");
    EXPECT_EQ(num::formatText("4 x 4", "##.0##"), "4 x 4");
    EXPECT_EQ(num::formatText("", "##.0##"), "");
    EXPECT_EQ(num::formatText("1,8", "0.0"), "1,8");
}

TEST(DatePattern, WritesMonthDayYearWithoutLocale)
{
    struct Case
    {
        DateTime date;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {{2024, 3, 5}, "m/dd/yy", "3/05/24"},    {{2024, 6, 5}, "m/dd/yy", "6/05/24"},
        {{2024, 3, 5}, "m/d/yy", "3/5/24"},      {{2024, 12, 25}, "m/d/yy", "12/25/24"},
        {{2009, 11, 30}, "m/dd/yy", "11/30/09"}, {{2024, 3, 5}, "mm/dd/yyyy", "03/05/2024"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(num::formatDate(c.date, c.pattern), c.text);
    }
    EXPECT_EQ(errorOf([] { num::formatDate({}, "dd.mm.yy"); }), err::InvalidCall);
}

TEST(ElapsedTime, ShowsHoursAndMinutesWrappingAtADay)
{
    const std::pair<int, const char*> cases[] = {
        {2 * 3600 + 15 * 60 + 30, "02:15"},  {5 * 60, "00:05"},         {0, "00:00"},   {59, "00:00"},
        {23 * 3600 + 59 * 60 + 59, "23:59"}, {25 * 3600 + 60, "01:01"}, {-60, "23:59"},
    };
    for (const auto& [seconds, text] : cases) {
        SCOPED_TRACE(seconds);
        EXPECT_EQ(num::formatElapsed(seconds), text);
    }
}

TEST(NumberText, WritesPlainTextWithTheStoredTypesDigits)
{
    const std::pair<double, const char*> doubles[] = {
        {120 * 1.3333, "159.996"},
        {66.7 + static_cast<double>(33.3f), "99.9999992370605"},
        {0.1 + 0.2, "0.3"},
        {1e-05, "1E-05"},
        {1.5e16, "1.5E+16"},
        {0.0001, "0.0001"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {-0.5, "-0.5"},
        {-0.0, "0"},
        {2.5e-300, "2.5E-300"},
        {1e100, "1E+100"},
        {100, "100"},
        {0.000123456, "0.000123456"},
    };
    for (const auto& [value, text] : doubles) {
        SCOPED_TRACE(text);
        EXPECT_EQ(num::numberText(value), text);
    }
    const std::pair<float, const char*> singles[] = {
        {66.7f, "66.7"},         {1.0f / 3.0f, "0.3333333"},
        {0.0001f, "0.0001"},     {12345678.0f, "1.234568E+07"},
        {1234567.0f, "1234567"}, {-1.5f, "-1.5"},
    };
    for (const auto& [value, text] : singles) {
        SCOPED_TRACE(text);
        EXPECT_EQ(num::numberText(value), text);
    }
    EXPECT_EQ(num::numberText(1150), "1150");
    EXPECT_EQ(num::numberText(-32768), "-32768");
    EXPECT_EQ(errorOf([] { num::numberText(std::numeric_limits<double>::infinity()); }), err::Overflow);
}
