// The entry checks and load notices of "OK Calculate": message, style and focus of each refusal.
#include "beam/EntryChecks.h"

#include "beam/LoadTotals.h"

#include <functional>
#include <gtest/gtest.h>

namespace beam
{
namespace
{

// A beam that passes every check: 10 ft, 100 plf total, 40 plf live.
BeamCriteria validBeam()
{
    BeamCriteria criteria;
    criteria.Span = "10";
    criteria.UNIF = "100";
    criteria.LUNIF = "40";
    return criteria;
}

BeamCriteria validOverhang()
{
    BeamCriteria criteria = validBeam();
    criteria.SimpleSpanbutton = false;
    criteria.OHbutton = true;
    criteria.PT[4] = "500";
    criteria.DIS[4] = "2";
    return criteria;
}

struct RefusalCase
{
    const char* name;
    std::function<void(BeamCriteria&)> change;
    const char* message; // nullptr: the entries pass
    FocusTarget focus;
    MsgStyle style = MsgStyle::Plain;
};

void expectRefusal(const std::optional<EntryRefusal>& refusal, const RefusalCase& c)
{
    if (c.message == nullptr) {
        EXPECT_FALSE(refusal.has_value()) << refusal->message;
        return;
    }
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, c.message);
    ASSERT_TRUE(refusal->focus.has_value());
    EXPECT_EQ(*refusal->focus, c.focus);
    EXPECT_EQ(refusal->style, c.style);
}

const char* const SpanMissing = "Please enter a beam Span";
const char* const UnbracedTooLong =
    "The unbraced length may not be longer than the span.\rEither increase the span or decrease the unbraced "
    "length.";
const char* const DurationZero =
    "The Duration of Load default for a normal load is 1.0\rIt may not be zero or empty.  Please click the "
    "Duration of Load 'On Line Help' button, (the small gray square next to Duration of Load), or see Help.";
const char* const DurationRange =
    "Your Duration of Load entry may be incorrect.  To choose an acceptable factor, click the Duration of "
    "Load "
    "'On Line Help' button, (the small gray square next to Duration of Load), or see Help.";
const char* const PitchMissing = "The Slope Adjustment checkbox is checked. Please either uncheck the slope "
                                 "adjustment checkbox or enter a "
                                 "PITCH in inches so Korvanta can make the adjustment.";
const char* const PointDistanceMissing =
    "Please enter a Distance from the starting reaction for the Point Load";
const char* const PointLoadMissing =
    "Please enter a Load to accompany the distance already entered, or clear the distance value";
const char* const PointBeyondSpan =
    "Please enter a point load Distance from the starting reaction that is within the span of the beam.";
const char* const OverhangDistanceMissing = "Please enter a Distance for the overhang point load";
const char* const PartialEndMissing = "Please enter an END location for the Partial Uniform Load";
const char* const PartialEndNotBeyond =
    "The END of a Partial Uniform load must be BEYOND the Beginning location.";
const char* const PartialLoadMissing =
    "Please enter a Partial Uniform Load or clear the beginning (and/or) ending distances";
const char* const PartialBeyondSpan =
    "Please enter an End location (for the Partial Uniform Load) that is less than the Span";
const char* const PartialBeginMissing =
    "Please enter a ZERO for Partial Uniform loads beginning exactly on the starting Reaction";
const char* const NoLoad = "At least one load must be specified for Korvanta to calculate a beam size.";
const char* const NoOverhangLoad =
    "At least one OVERHANGING load must be specified for Korvanta to calculate an overhanging beam.";

TEST(EntryChecks, RefuseTheFirstFaultyEntryWithItsMessageAndFocus)
{
    const RefusalCase cases[] = {
        {"valid", [](BeamCriteria&) {}, nullptr, {}},
        {"span missing comes first",
         [](BeamCriteria& c) {
             c.Span = "";
             c.Dur = "";
         },
         SpanMissing,
         {"Span"}},
        {"unbraced length equal to the span", [](BeamCriteria& c) { c.UBLtext = "10"; }, nullptr, {}},
        {"unbraced length beyond the span",
         [](BeamCriteria& c) { c.UBLtext = "10.01"; },
         UnbracedTooLong,
         {"UBLtext"}},
        {"duration empty", [](BeamCriteria& c) { c.Dur = ""; }, DurationZero, {"Dur"}, MsgStyle::Exclamation},
        {"duration 0.89",
         [](BeamCriteria& c) { c.Dur = "0.89"; },
         DurationRange,
         {"Dur"},
         MsgStyle::Exclamation},
        {"duration 2.01",
         [](BeamCriteria& c) { c.Dur = "2.01"; },
         DurationRange,
         {"Dur"},
         MsgStyle::Exclamation},
        {"duration 0.9", [](BeamCriteria& c) { c.Dur = "0.9"; }, nullptr, {}},
        {"duration 2", [](BeamCriteria& c) { c.Dur = "2"; }, nullptr, {}},
        {"slope without pitch",
         [](BeamCriteria& c) {
             c.Roofbutton = true;
             c.Pitchtext = "0";
         },
         PitchMissing,
         {"Pitchtext"}},
        {"slope with pitch text 0.0",
         [](BeamCriteria& c) {
             c.Roofbutton = true;
             c.Pitchtext = "0.0";
         },
         nullptr,
         {}},
        {"point load without distance",
         [](BeamCriteria& c) { c.LPT[2] = "300"; },
         PointDistanceMissing,
         {"DIS", 2}},
        {"distance without load", [](BeamCriteria& c) { c.DIS[1] = "4"; }, PointLoadMissing, {"PT", 1}},
        {"distance beyond the span, no load",
         [](BeamCriteria& c) { c.DIS[3] = "10.5"; },
         PointBeyondSpan,
         {"DIS", 3}},
        {"point load at the span end",
         [](BeamCriteria& c) {
             c.PT[0] = "100";
             c.DIS[0] = "10";
         },
         nullptr,
         {}},
        {"partial load without end",
         [](BeamCriteria& c) {
             c.PAR[2] = "50";
             c.BEGP[2] = "0";
         },
         PartialEndMissing,
         {"ENDP", 2}},
        {"partial load ending at its beginning",
         [](BeamCriteria& c) {
             c.LPAR[1] = "20";
             c.BEGP[1] = "3";
             c.ENDP[1] = "3";
         },
         PartialEndNotBeyond,
         {"ENDP", 1}},
        {"partial positions without load",
         [](BeamCriteria& c) {
             c.BEGP[4] = "2";
             c.ENDP[4] = "4";
         },
         PartialLoadMissing,
         {"PAR", 4}},
        {"partial load beyond the span",
         [](BeamCriteria& c) {
             c.PAR[0] = "50";
             c.BEGP[0] = "2";
             c.ENDP[0] = "12";
         },
         PartialBeyondSpan,
         {"ENDP", 0}},
        {"total partial load with empty beginning",
         [](BeamCriteria& c) {
             c.PAR[1] = "50";
             c.ENDP[1] = "4";
         },
         PartialBeginMissing,
         {"BEGP", 1}},
        {"live-only partial load with empty beginning",
         [](BeamCriteria& c) {
             c.LPAR[2] = "30";
             c.ENDP[2] = "4";
         },
         nullptr,
         {}},
        {"no load at all",
         [](BeamCriteria& c) {
             c.UNIF = "";
             c.LUNIF = "";
         },
         NoLoad,
         {"UNIF"}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = validBeam();
        c.change(criteria);
        expectRefusal(checkLoadEntries(criteria), c);
    }
}

TEST(EntryChecks, OverhangLoadsAreMeasuredFromR2)
{
    const RefusalCase cases[] = {
        {"valid", [](BeamCriteria&) {}, nullptr, {}},
        {"overhang point load without distance",
         [](BeamCriteria& c) { c.PT[5] = "200"; },
         OverhangDistanceMissing,
         {"DIS", 5}},
        // Overhang positions are not compared with the span, and a distance alone passes.
        {"overhang positions beyond the backspan",
         [](BeamCriteria& c) {
             c.DIS[4] = "14";
             c.DIS[5] = "20";
             c.PAR[3] = "50";
             c.BEGP[3] = "0";
             c.ENDP[3] = "16";
         },
         nullptr,
         {}},
        {"backspan partial load beyond the span",
         [](BeamCriteria& c) {
             c.PAR[2] = "50";
             c.BEGP[2] = "0";
             c.ENDP[2] = "11";
         },
         PartialBeyondSpan,
         {"ENDP", 2}},
        {"nothing on the overhang",
         [](BeamCriteria& c) {
             c.PT[4] = "";
             c.DIS[4] = "";
             c.PT[0] = "500";
             c.DIS[0] = "2";
         },
         NoOverhangLoad,
         {"PT", 4}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = validOverhang();
        c.change(criteria);
        expectRefusal(checkLoadEntries(criteria), c);
    }
}

TEST(EntryChecks, LongOverhangIsAskedAboutBeyondHalfTheBackspan)
{
    BeamCriteria criteria = validOverhang();
    criteria.Span = "11";
    EXPECT_FALSE(isLongOverhang(criteria, 5.5f));
    EXPECT_TRUE(isLongOverhang(criteria, 5.6f));
    criteria.OHbutton = false;
    EXPECT_FALSE(isLongOverhang(criteria, 5.6f));
}

TEST(EntryChecks, OverhangUnbracedLengthMayNotExceedTheOverhang)
{
    BeamCriteria criteria = validOverhang();
    criteria.CantUBLtext = "2";
    EXPECT_FALSE(checkOverhangUnbracedLength(criteria, 2.0f).has_value());
    criteria.CantUBLtext = "2.1";
    const auto refusal = checkOverhangUnbracedLength(criteria, 2.0f);
    ASSERT_TRUE(refusal.has_value());
    EXPECT_EQ(refusal->message, "The overhang's UNBRACED LENGTH may not be longer than the overhang.\rEither "
                                "increase the overhang or decrease the unbraced length of the overhang.");
    EXPECT_EQ(refusal->focus, (FocusTarget{"CantUBLtext"}));
}

AppliedLoads totalsOf(const BeamCriteria& criteria)
{
    AppliedLoads loads;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromCalculator);
    return loads;
}

// The deflection limits are refused unless they read as positive whole-text numbers, which is what the
// deflection check needs; the live-load limit only where there is live load.
TEST(EntryChecks, DeflectionLimitsMustBePositiveNumbers)
{
    const char* const TotalLimit =
        "Please enter a Maximum Allowable TOTAL Load (DL + LL) Deflection value.\r\rSee help or click the "
        "deflection 'On Line Help' button, (the small gray square next to 'Max Allowable Deflection'), if "
        "you "
        "need acceptable values.";
    const char* const LiveLimit =
        "Please enter a Maximum Allowable LIVE Load Deflection value.\r\rSee help or click the 'On Line "
        "Help' "
        "button, (the small gray square next to 'Max Allowable Deflection'), if you need acceptable values.";
    const RefusalCase cases[] = {
        {"both given", [](BeamCriteria&) {}, nullptr, {}},
        {"total empty", [](BeamCriteria& c) { c.MaxDefl = ""; }, TotalLimit, {"MaxDefl"}},
        {"total 0", [](BeamCriteria& c) { c.MaxDefl = "0"; }, TotalLimit, {"MaxDefl"}},
        {"total with trailing text", [](BeamCriteria& c) { c.MaxDefl = "240x"; }, TotalLimit, {"MaxDefl"}},
        {"total negative", [](BeamCriteria& c) { c.MaxDefl = "-240"; }, TotalLimit, {"MaxDefl"}},
        {"total not a number", [](BeamCriteria& c) { c.MaxDefl = "L/240"; }, TotalLimit, {"MaxDefl"}},
        {"total with blanks around", [](BeamCriteria& c) { c.MaxDefl = " 180 "; }, nullptr, {}},
        {"live empty", [](BeamCriteria& c) { c.LMaxDefl = ""; }, LiveLimit, {"LMaxDefl"}},
        {"live with trailing text", [](BeamCriteria& c) { c.LMaxDefl = "360x"; }, LiveLimit, {"LMaxDefl"}},
        {"live negative", [](BeamCriteria& c) { c.LMaxDefl = "-360"; }, LiveLimit, {"LMaxDefl"}},
        {"live empty without live load",
         [](BeamCriteria& c) {
             c.LMaxDefl = "";
             c.LUNIF = "";
         },
         nullptr,
         {}},
        {"live empty with a live point load only",
         [](BeamCriteria& c) {
             c.LMaxDefl = "";
             c.LUNIF = "";
             c.PT[0] = "100";
             c.LPT[0] = "50";
             c.DIS[0] = "3";
         },
         LiveLimit,
         {"LMaxDefl"}},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = validBeam();
        c.change(criteria);
        const auto refusal = checkDeflectionLimits(criteria, totalsOf(criteria));
        expectRefusal(refusal, c);
        if (refusal) {
            EXPECT_TRUE(refusal->resetPointer);
        }
    }
}

TEST(EntryChecks, NoLiveLoadMayExceedItsTotalLoad)
{
    const char* const Overall = "Attention:\r\rThe overall live load is Larger than the overall total load.  "
                                "Please re-check the load entries.";
    const char* const Point = "Attention:\r\rA point Live load is Larger than the point Total load.  Please "
                              "re-check your point load entries.";
    const char* const Partial = "Attention:\r\rA live partial uniform load is larger than a partial uniform "
                                "total load.  Please re-check your load entries.";
    const char* const Uniform = "Attention:\r\rThe Live uniform load is larger than the Total uniform load.  "
                                "Please re-check your load entries.";
    const RefusalCase cases[] = {
        {"uniform live above total: the overall check comes first",
         [](BeamCriteria& c) { c.LUNIF = "120"; },
         Overall,
         {"UNIF"},
         MsgStyle::Exclamation},
        {"point live above total",
         [](BeamCriteria& c) {
             c.PT[3] = "100";
             c.LPT[3] = "150";
             c.DIS[3] = "2";
         },
         Point,
         {"PT", 3},
         MsgStyle::Exclamation},
        {"partial live above total",
         [](BeamCriteria& c) {
             c.PAR[2] = "10";
             c.LPAR[2] = "20";
             c.BEGP[2] = "0";
             c.ENDP[2] = "1";
         },
         Partial,
         {"PAR", 2},
         MsgStyle::Exclamation},
        // A large point load keeps the overall totals consistent, so the uniform check is reached.
        {"uniform live above total with a point load",
         [](BeamCriteria& c) {
             c.LUNIF = "120";
             c.PT[0] = "1000";
             c.DIS[0] = "5";
         },
         Uniform,
         {"UNIF"},
         MsgStyle::Exclamation},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = validBeam();
        c.change(criteria);
        expectRefusal(checkLiveAgainstTotal(criteria, totalsOf(criteria)), c);
    }
}

TEST(EntryChecks, OverallLiveLoadCheckLeavesADisabledUniformBoxAlone)
{
    BeamCriteria criteria = validBeam();
    criteria.LUNIF = "120";
    criteria.UNIFEnabled = false;
    const auto refusal = checkLiveAgainstTotal(criteria, totalsOf(criteria));
    ASSERT_TRUE(refusal.has_value());
    EXPECT_FALSE(refusal->focus.has_value());
}

TEST(LoadNotices, WarnOfDeadLoadOnlyAndLargeDeadLoad)
{
    const std::string advice =
        "\rYou should check the Dead Load only with a Duration of Load set to 0.9 to see "
        "if it is the critical load combination.";
    BeamCriteria criteria = validBeam();
    criteria.LUNIF = "";
    auto notice = deadLoadNotice(criteria, totalsOf(criteria));
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->message,
              "Attention:  No live loads have been entered, therefore the Total Loads entered "
              "will be treated as only Dead Load." +
                  advice);
    EXPECT_FALSE(notice->beep);

    criteria.Dur = "0.90";
    EXPECT_FALSE(deadLoadNotice(criteria, totalsOf(criteria)).has_value());

    // 1000 lb total with 150 lb live: the dead load is exactly 0.85 of the total.
    criteria.Dur = "1.00";
    criteria.UNIF = "100";
    criteria.LUNIF = "15";
    notice = deadLoadNotice(criteria, totalsOf(criteria));
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(notice->message, "Attention:  Your Dead Load is large relative to the total load." + advice);
    criteria.LUNIF = "15.1";
    EXPECT_FALSE(deadLoadNotice(criteria, totalsOf(criteria)).has_value());
}

TEST(LoadNotices, SlopeWithoutLiveLoadBeeps)
{
    BeamCriteria criteria = validBeam();
    criteria.Roofbutton = true;
    criteria.Pitchtext = "6";
    EXPECT_FALSE(slopeWithoutLiveLoadNotice(criteria, totalsOf(criteria)).has_value());
    criteria.LUNIF = "";
    const auto notice = slopeWithoutLiveLoadNotice(criteria, totalsOf(criteria));
    ASSERT_TRUE(notice.has_value());
    EXPECT_TRUE(notice->beep);
    EXPECT_EQ(notice->message,
              "Slope Adjustment is checked and no live loads are entered. All total loads are "
              "assumed to be entirely Dead Loads and will be increased for the slope of the roof.");
}

TEST(AreaLoadQuestion, IsAskedWhenOnlyTheCalculatorHoldsTheUniformLoad)
{
    BeamCriteria criteria;
    criteria.Text2 = "40";
    criteria.Tribute = "2";
    EXPECT_TRUE(asksAreaLoadQuestion(criteria));
    criteria.UNIF = "80";
    EXPECT_FALSE(asksAreaLoadQuestion(criteria));
    criteria.UNIF = "";
    criteria.Tribute = "";
    EXPECT_FALSE(asksAreaLoadQuestion(criteria));
}

} // namespace
} // namespace beam
