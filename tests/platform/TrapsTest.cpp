// The two trap styles and the errors they show.
#include "platform/core/Traps.h"

#include "platform/core/Number.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace platform;

TEST(RuntimeErrorText, StandardDescriptionsAreTheOnesTrapsShow)
{
    const std::pair<int, const char*> cases[] = {
        {err::InvalidCall, "Invalid procedure call or argument"},
        {err::Overflow, "Overflow"},
        {err::DivisionByZero, "Division by zero"},
        {err::TypeMismatch, "Type mismatch"},
        {err::FileNotFound, "File not found"},
        {err::PathFileAccess, "Path/File access error"},
        {err::PathNotFound, "Path not found"},
        {err::TextReadOnly, "'Text' property is read-only"},
        {err::CancelSelected, "Cancel was selected."},
        {12345, "Application-defined or object-defined error"},
    };
    for (const auto& [number, text] : cases) {
        SCOPED_TRACE(number);
        EXPECT_EQ(RuntimeError(number).description(), text);
        EXPECT_STREQ(RuntimeError(number).what(), text);
    }
    const RuntimeError custom(err::ControlArrayElement, "Control array element '3' doesn't exist");
    EXPECT_EQ(custom.number(), 340);
    EXPECT_EQ(custom.description(), "Control array element '3' doesn't exist");
}

TEST(LeaveOnError, EndsTheBodyAtTheErrorAndReportsIt)
{
    std::vector<std::string> shown;
    const auto show = [&](const RuntimeError& error) { shown.push_back(error.description()); };
    int written = 0;

    EXPECT_TRUE(leaveOnError([&] { written = 1; }, show));
    EXPECT_TRUE(shown.empty());

    EXPECT_FALSE(leaveOnError(
        [&] {
            written = 2;
            platform::raise(err::Overflow);
            written = 3;
        },
        show));
    EXPECT_EQ(written, 2); // what was written before the error stays
    EXPECT_EQ(shown, std::vector<std::string>{"Overflow"});
}

TEST(LeaveOnError, LetsEndAndInternalFaultsThrough)
{
    int reports = 0;
    const auto count = [&](const RuntimeError&) { ++reports; };
    EXPECT_THROW(leaveOnError([] { throw EndProgram(); }, count), EndProgram);
    EXPECT_THROW(leaveOnError([] { throw std::logic_error("fault"); }, count), std::logic_error);
    EXPECT_EQ(reports, 0);
}

TEST(ResumeNext, ReportsEachFailingStatementAndGoesOn)
{
    std::vector<int> shown;
    ResumeNext rn{[&](const RuntimeError& error) { shown.push_back(error.number()); }};
    double value = 1.5;
    int after = 0;

    rn([&] { value = 2.5; });
    rn([&] { value = platform::num::div(1, 0); }); // a failed assignment keeps the old value
    rn([&] { platform::raise(err::TypeMismatch); });
    rn([&] { after = 1; });

    EXPECT_EQ(value, 2.5);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(shown, (std::vector<int>{err::DivisionByZero, err::TypeMismatch}));
    EXPECT_EQ(rn.failures(), 2);
}

TEST(ResumeNext, AFailingConditionEntersItsBranch)
{
    int reports = 0;
    ResumeNext rn{[&](const RuntimeError&) { ++reports; }};
    EXPECT_TRUE(rn.when([] { return true; }));
    EXPECT_FALSE(rn.when([] { return false; }));
    EXPECT_EQ(reports, 0);
    EXPECT_TRUE(rn.when([]() -> bool { platform::raise(err::Overflow); }));
    EXPECT_EQ(reports, 1);
    EXPECT_EQ(rn.failures(), 1);
}

TEST(ResumeNext, LetsEndThrough)
{
    ResumeNext rn{[](const RuntimeError&) {}};
    EXPECT_THROW(rn([] { throw EndProgram(); }), EndProgram);
    EXPECT_THROW(rn.when([]() -> bool { throw EndProgram(); }), EndProgram);
    EXPECT_EQ(rn.failures(), 0);
}
