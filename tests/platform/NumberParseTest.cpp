// Reading numbers from text, 16-bit and Single stores, and checked arithmetic.
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <cfloat>
#include <gtest/gtest.h>
#include <limits>
#include <string>
#include <vector>

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

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

TEST(LeadingNumber, ReadsTheLongestNumberAtTheStart)
{
    const std::pair<const char*, double> cases[] = {
        {"", 0},
        {"Any", 0},
        {".5", 0.5},
        {"12.5 ft", 12.5},
        {"2,250", 2},
        {"1.2.3", 1.2},
        {" -3.5e2x", -350},
        {"1d2", 100},
        {"1e", 1},
        {"1E+", 1},
        {"1 2", 12},
        {"\t\n 7", 7},
        {"&H10", 0},
        {"+.25", 0.25},
        {"-", 0},
        {".", 0},
        {"--5", 0},
        {"- 5", -5},
        {"3.", 3},
        {"1e-400", 0},
        {"2D-1x", 0.2},
        {"0e999999999999", 0},
    };
    for (const auto& [text, value] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(num::leadingNumber(text), value);
        EXPECT_EQ(num::leadingNumberOrZero(text), value);
    }
}

TEST(LeadingNumber, RaisesOverflowBeyondTheDoubleRange)
{
    EXPECT_EQ(errorOf([] { num::leadingNumber("1e400"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { num::leadingNumber("-2e99999999999999999999"); }), err::Overflow);
    EXPECT_EQ(errorOf([] { num::leadingNumber(std::string(400, '9')); }), err::Overflow);
    EXPECT_EQ(num::leadingNumber("1.7976931348623157e308"), DBL_MAX);
}

// For what a form shows about a box that refuses such a text: no valid number, read as 0.
TEST(LeadingNumber, OrZeroReadsANumberBeyondTheDoubleRangeAsNone)
{
    for (const std::string& text :
         std::vector<std::string>{"1e309", "9e999 in.", "-2e99999999999999999999", std::string(400, '9')}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(num::leadingNumberOrZero(text), 0);
    }
    EXPECT_EQ(num::leadingNumberOrZero("1.7976931348623157e308"), DBL_MAX);
}

TEST(StrictNumberText, AcceptsOnlyWholeWellFormedNumbers)
{
    const std::pair<const char*, bool> cases[] = {
        {"", false},         {" ", false},     {".", false},     {"-", false},      {"12abc", false},
        {"1 2", false},      {"1,2", false},   {"12,34", false}, {"1e999", false},  {"&H10", false},
        {"1d2", false},      {"$5", false},    {"(5)", false},   {",100", false},   {"1,2345", false},
        {"1,234,56", false}, {"1e", false},    {"1e+", false},   {"+-1", false},    {"1.5.", false},
        {"0.", true},        {"10.", true},    {".5", true},     {" 12 ", true},    {"\t-3\t", true},
        {"1,200", true},     {"36,000", true}, {"1e3", true},    {"-2.5E-3", true}, {"1,234,567.5", true},
        {"+7", true},        {"1e-999", true},
    };
    for (const auto& [text, accepted] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(num::isNumberText(text), accepted);
    }
}

TEST(WholeTextConversion, ConvertsOrRaisesTypeMismatchAndOverflow)
{
    EXPECT_EQ(num::toDouble("36,000"), 36000);
    EXPECT_EQ(num::toDouble(" -2.5E-3 "), -0.0025);
    EXPECT_EQ(num::toSingle("66.7"), 66.7f);
    EXPECT_EQ(num::toInt16("2.5"), 2);
    EXPECT_EQ(num::toInt16("-32768"), -32768);

    struct Case
    {
        const char* text;
        int doubleError, singleError, int16Error;
    };
    const Case cases[] = {
        {"", err::TypeMismatch, err::TypeMismatch, err::TypeMismatch},
        {"abc", err::TypeMismatch, err::TypeMismatch, err::TypeMismatch},
        {"1,8", err::TypeMismatch, err::TypeMismatch, err::TypeMismatch},
        {"12 ft", err::TypeMismatch, err::TypeMismatch, err::TypeMismatch},
        {"1e999", err::Overflow, err::Overflow, err::Overflow},
        {"1e39", 0, err::Overflow, err::Overflow},
        {"32768", 0, 0, err::Overflow},
        {"32767.5", 0, 0, err::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(errorOf([&] { num::toDouble(c.text); }), c.doubleError);
        EXPECT_EQ(errorOf([&] { num::toSingle(c.text); }), c.singleError);
        EXPECT_EQ(errorOf([&] { num::toInt16(c.text); }), c.int16Error);
    }
}

TEST(ToInt16, RoundsHalvesToEvenAndRaisesOverflowOutsideTheRange)
{
    const std::pair<double, std::int16_t> cases[] = {
        {562.5, 562}, {563.5, 564}, {800.5, 800}, {801.5, 802},      {-2.5, -2},         {-3.5, -4},
        {0.5, 0},     {1.4999, 1},  {-0.6, -1},   {32767.49, 32767}, {-32768.5, -32768}, {0, 0},
    };
    for (const auto& [value, rounded] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(num::toInt16(value), rounded);
    }
    for (const double value : {32767.5, -32768.51, 40000.0, Inf, -Inf, NaN}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorOf([&] { num::toInt16(value); }), err::Overflow);
    }
}

TEST(ToSingle, StoresOrRaisesOverflow)
{
    EXPECT_EQ(num::toSingle(66.7), 66.7f);
    EXPECT_EQ(num::toSingle(static_cast<double>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(num::toSingle(-static_cast<double>(FLT_MAX) * (1 + 1e-9)), -FLT_MAX); // still rounds to it
    EXPECT_EQ(num::toSingle(1e-50), 0.0f);
    for (const double value : {3.5e38, -1e39, Inf, NaN}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(errorOf([&] { num::toSingle(value); }), err::Overflow);
    }
}

TEST(CheckedArithmetic, RaisesInsteadOfInfinityOrNaN)
{
    EXPECT_EQ(num::div(7, 2), 3.5);
    EXPECT_EQ(num::finite(-1.5), -1.5);
    EXPECT_EQ(num::sqrtChecked(2.25), 1.5);
    EXPECT_EQ(num::powChecked(2, 10), 1024);
    EXPECT_EQ(num::powChecked(-2, 3), -8);
    EXPECT_EQ(num::powChecked(0, 0), 1);

    struct Case
    {
        const char* what;
        std::function<void()> action;
        int error;
    };
    const Case cases[] = {
        {"1/0", [] { num::div(1, 0); }, err::DivisionByZero},
        {"-1/-0", [] { num::div(-1, -0.0); }, err::DivisionByZero},
        {"0/0", [] { num::div(0, 0); }, err::Overflow},
        {"1e308/1e-10", [] { num::div(1e308, 1e-10); }, err::Overflow},
        {"NaN/1", [] { num::div(NaN, 1); }, err::Overflow},
        {"finite(inf)", [] { num::finite(Inf); }, err::Overflow},
        {"finite(NaN)", [] { num::finite(NaN); }, err::Overflow},
        {"sqrt(-1)", [] { num::sqrtChecked(-1); }, err::InvalidCall},
        {"(-8)^(1/3)", [] { num::powChecked(-8, 1.0 / 3); }, err::InvalidCall},
        {"0^-1", [] { num::powChecked(0, -1); }, err::InvalidCall},
        {"10^400", [] { num::powChecked(10, 400); }, err::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(errorOf(c.action), c.error);
    }
}
