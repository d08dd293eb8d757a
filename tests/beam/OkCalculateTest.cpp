// "OK Calculate" from the click to the hand-off, driven through a recording stand-in for the forms.
#include "beam/OkCalculate.h"

#include "FakeBeamUi.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace beam
{
namespace
{

class RecordingUi final : public OkCalculateUi
{
  public:
    RecordingUi(BeamState& state) : m_state(state) {}

    Answer msgBox(const std::string& text, MsgStyle style, const std::string& title) override
    {
        events.push_back("message " + title);
        return dialogs.msgBox(text, style, title);
    }
    void beep() override { events.push_back("beep"); }
    void unloadLoadDiagram() override { events.push_back("unload Form11"); }
    void unloadCustomValuesForm() override { events.push_back("unload Form2"); }
    void pressAreaLoadButton(BeamCriteria& criteria) override
    {
        events.push_back("press Command3D25");
        criteria.UNIF = "80";
    }
    void setFocus(const FocusTarget& target) override
    {
        events.push_back("focus " + target.control + "(" + std::to_string(target.index) + ")");
    }
    void resetCriteriaPointer() override { events.push_back("pointer"); }
    void writeBox(const BoxWrite& write) override
    {
        events.push_back("write " + write.control + "(" + std::to_string(write.index) + ") " + write.text);
        writesUnderGuard = writesUnderGuard && m_state.flags.ChangeGuard == -1;
    }
    void showProgressWindow() override { events.push_back("show Form4"); }
    void setProgress(int percent) override { progress.push_back(percent); }
    void handOff(HandOff target) override
    {
        handedOff.push_back(target);
        refillGuardAtHandOff = m_state.flags.RefillGuard;
    }

    bool has(const std::string& event) const
    {
        return std::find(events.begin(), events.end(), event) != events.end();
    }

    test::FakeBeamUi dialogs;
    std::vector<std::string> events;
    std::vector<int> progress;
    std::vector<HandOff> handedOff;
    bool writesUnderGuard = true;
    std::int16_t refillGuardAtHandOff = 0;

  private:
    BeamState& m_state;
};

BeamCriteria woodBeam()
{
    BeamCriteria criteria;
    criteria.Span = "10";
    criteria.UNIF = "100";
    criteria.LUNIF = "40";
    return criteria;
}

TEST(OkCalculate, CompleteCalculationAdjustsAnalysesAndHandsOff)
{
    BeamCriteria criteria = woodBeam();
    criteria.Rep = true;
    criteria.Ctr16 = true;
    BeamState state;
    state.flags.CriteriaLoadedFlag = -1;
    RecordingUi ui{state};
    OkCalculate(criteria, state, ui);

    EXPECT_TRUE(ui.dialogs.messages.empty());
    EXPECT_TRUE(ui.has("write UNIF(-1) 133.33"));
    EXPECT_TRUE(ui.has("write LUNIF(-1) 53.332"));
    EXPECT_TRUE(ui.writesUnderGuard);
    // The analysis reads the adjusted boxes: 133.33 plf x 10 ft / 2 at each end.
    EXPECT_FLOAT_EQ(state.loads.R1Loads, 666.65f);
    EXPECT_FLOAT_EQ(state.loads.MomentLoads, 1666.625f);
    EXPECT_EQ(ui.progress, (std::vector<int>{10, 95, 98, 100, 0}));
    EXPECT_EQ(ui.handedOff, std::vector<HandOff>{HandOff::Wood});
    EXPECT_EQ(ui.refillGuardAtHandOff, -1); // criteria were just loaded
    EXPECT_EQ(state.loads.SelfWeightFactor, 0.243f);
    EXPECT_EQ(state.flags.LoadsMultiplied, -1);
    EXPECT_EQ(state.flags.RefillGuard, 0);
    EXPECT_EQ(state.flags.ChangeGuard, 0);
    EXPECT_EQ(state.flags.CriteriaLoadedFlag, 0);
}

// The guards keep the program's own box writes from clearing the selection. A click that ends early
// must release them too, or the user's later edits would leave a stale selection standing.
TEST(OkCalculate, ReleasesTheGuardsOnEveryWayOut)
{
    struct Case
    {
        const char* name;
        std::function<void(BeamCriteria&)> change;
        std::vector<Answer> answers;
        const char* expectedEvent;
    };
    const Case cases[] = {
        {"an entry check refuses", [](BeamCriteria& c) { c.Span = ""; }, {}, "focus Span(-1)"},
        {"a deflection limit is refused",
         [](BeamCriteria& c) { c.MaxDefl = "240x"; },
         {},
         "focus MaxDefl(-1)"},
        {"the long overhang is declined",
         [](BeamCriteria& c) {
             c.SimpleSpanbutton = false;
             c.OHbutton = true;
             c.PT[4] = "300";
             c.DIS[4] = "6";
         },
         {Answer::No},
         "beep"},
        {"a run-time error is trapped",
         [](BeamCriteria& c) { c.UNIF = "1e999"; },
         {},
         "message Korvanta Error: Form 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = woodBeam();
        c.change(criteria);
        BeamState state;
        state.flags.CriteriaLoadedFlag = -1;
        RecordingUi ui{state};
        ui.dialogs.answers.assign(c.answers.begin(), c.answers.end());
        OkCalculate(criteria, state, ui);
        EXPECT_TRUE(ui.has(c.expectedEvent));
        EXPECT_TRUE(ui.handedOff.empty());
        EXPECT_EQ(state.flags.LoadsMultiplied, 0);
        EXPECT_EQ(state.flags.RefillGuard, 0);
        EXPECT_EQ(state.flags.ChangeGuard, 0);
    }
}

TEST(OkCalculate, TrappedErrorShowsItsDescription)
{
    BeamCriteria criteria = woodBeam();
    criteria.UNIF = "1e999"; // beyond the Double range
    BeamState state;
    RecordingUi ui{state};
    OkCalculate(criteria, state, ui);
    ASSERT_EQ(ui.dialogs.messages.size(), 1u);
    EXPECT_EQ(ui.dialogs.messages[0].text, "Overflow");
    EXPECT_EQ(ui.dialogs.messages[0].style, MsgStyle::Exclamation);
    EXPECT_EQ(ui.dialogs.messages[0].title, "Korvanta Error: Form 1");
}

TEST(OkCalculate, RefusalBeepsShowsAndMovesTheFocus)
{
    BeamCriteria criteria = woodBeam();
    criteria.DIS[2] = "4";
    BeamState state;
    RecordingUi ui{state};
    OkCalculate(criteria, state, ui);
    const std::vector<std::string> expected{"unload Form11", "unload Form2", "beep", "message Korvanta",
                                            "focus PT(2)"};
    EXPECT_EQ(ui.events, expected);
}

// A custom member's MSR, MEL or Southern Pine choice must not reach the sawn, glu-lam or SCL member of
// the next calculation, where it would change Emin and the wet service factors.
TEST(OkCalculate, ClearsCustomLumberFlagsForEveryOtherSpeciesGroup)
{
    for (int group = 0; group < 10; ++group) {
        SCOPED_TRACE(group);
        BeamCriteria criteria = woodBeam();
        criteria.group = {};
        criteria.group[group] = true;
        BeamState state;
        state.flags.MSRFlag = -1;
        state.flags.MELFlag = -1;
        state.flags.CustomSoPineFlag = -1;
        RecordingUi ui{state};
        OkCalculate(criteria, state, ui);
        const std::int16_t kept = group == 8 ? -1 : 0;
        EXPECT_EQ(state.flags.MSRFlag, kept);
        EXPECT_EQ(state.flags.MELFlag, kept);
        EXPECT_EQ(state.flags.CustomSoPineFlag, kept);
        EXPECT_EQ(ui.has("unload Form2"), group != 8);
    }
}

TEST(OkCalculate, HandOffSetsTheSelfWeightFactorOfTheMaterial)
{
    struct Case
    {
        const char* name;
        int group;
        bool tube;
        HandOff target;
        float selfWeightFactor;
        bool bracedWrite;
    };
    const Case cases[] = {
        {"wood", 3, false, HandOff::Wood, 0.243f, false},
        {"custom values", 8, false, HandOff::CustomValues, 0.243f, false},
        {"SCL keeps the factor of its last test", 7, false, HandOff::CustomValues, 0.2430555f, false},
        {"steel W shape", 9, false, HandOff::Steel, 1.0f, false},
        {"steel tube", 9, true, HandOff::Steel, 1.0f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BeamCriteria criteria = woodBeam();
        criteria.UBLtext = "8";
        criteria.group = {};
        criteria.group[c.group] = true;
        criteria.TUbutton = c.tube;
        BeamState state;
        state.loads.SelfWeightFactor = 0.2430555f;
        state.flags.QuickpickMore = -1;
        RecordingUi ui{state};
        OkCalculate(criteria, state, ui);
        EXPECT_EQ(ui.handedOff, std::vector<HandOff>{c.target});
        EXPECT_EQ(state.loads.SelfWeightFactor, c.selfWeightFactor);
        EXPECT_EQ(ui.has("write UBLtext(-1) 0"), c.bracedWrite);
        EXPECT_EQ(criteria.UBLtext, c.bracedWrite ? "0" : "8");
        EXPECT_EQ(state.flags.SteelBeamFlag, c.group == 9 ? -1 : 0);
        if (c.group == 9) {
            EXPECT_EQ(state.flags.QuickpickMore, 0);
        }
    }
}

TEST(OkCalculate, AreaLoadQuestionPressesTheCalculatorOnYes)
{
    for (Answer answer : {Answer::Yes, Answer::No}) {
        BeamCriteria criteria = woodBeam();
        criteria.UNIF = "";
        criteria.LUNIF = "";
        criteria.Text2 = "40";
        criteria.Tribute = "2";
        BeamState state;
        RecordingUi ui{state};
        ui.dialogs.answers = {answer};
        OkCalculate(criteria, state, ui);
        ASSERT_FALSE(ui.dialogs.messages.empty());
        EXPECT_EQ(ui.dialogs.messages[0].style, MsgStyle::YesNoQuestion);
        EXPECT_EQ(ui.has("press Command3D25"), answer == Answer::Yes);
        // With the calculator's 80 plf the beam is analysed; without it no load is left.
        EXPECT_EQ(ui.handedOff.size(), answer == Answer::Yes ? 1u : 0u);
    }
}

TEST(OkCalculate, NoticesLetTheCalculationGoOn)
{
    BeamCriteria criteria = woodBeam();
    criteria.LUNIF = "";
    criteria.Roofbutton = true;
    criteria.Pitchtext = "12";
    BeamState state;
    RecordingUi ui{state};
    OkCalculate(criteria, state, ui);
    ASSERT_EQ(ui.dialogs.messages.size(), 2u);
    EXPECT_EQ(ui.dialogs.messages[0].text.rfind("Attention:  No live loads", 0), 0u);
    EXPECT_EQ(ui.dialogs.messages[1].text.rfind("Slope Adjustment is checked", 0), 0u);
    EXPECT_EQ(ui.handedOff.size(), 1u);
    // All dead: 100 x sqrt(2) in single precision.
    EXPECT_NEAR(state.loads.R1Loads, 707.10677, 1e-3);
}

TEST(OkCalculate, HipOrValleyGetsItsOwnReactions)
{
    BeamCriteria criteria;
    criteria.Span = "12";
    criteria.SimpleSpanbutton = false;
    criteria.IncButton = true;
    criteria.UNIFEnabled = false;
    criteria.UNIF = "30"; // the calculator's equivalent uniform load
    criteria.LUNIF = "10";
    criteria.IncUnifTL = "50";
    BeamState state;
    state.loads.IncTLTotal = 900;
    state.loads.IncLLTotal = 300;
    RecordingUi ui{state};
    OkCalculate(criteria, state, ui);
    EXPECT_EQ(ui.handedOff.size(), 1u);
    EXPECT_FLOAT_EQ(state.loads.R1Loads, 600); // 50 x 12 / 2 + 900 / 3
    EXPECT_FLOAT_EQ(state.loads.R2Loads, 900); // 300 + 2 x 900 / 3
    EXPECT_FLOAT_EQ(state.loads.TotalAppliedLoad, 360);
}

} // namespace
} // namespace beam
