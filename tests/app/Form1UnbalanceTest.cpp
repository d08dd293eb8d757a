// Unbalancing the live loads of an overhanging beam and putting them back: the loads, the buttons'
// captions and colours, the messages, and the checks that refuse the button.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using platform::test::Driver;

constexpr std::uint32_t DarkRed = platform::rgb(192, 0, 0);

struct Overhang
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;

    Overhang() { driver.click(form1.OHbutton); }
    ~Overhang() { EXPECT_TRUE(driver.untrappedErrors().empty()); }

    // The text of the one message the last action showed.
    const platform::test::ShownMessage& onlyMessage()
    {
        EXPECT_EQ(driver.messages().size(), 1u);
        return driver.messages().back();
    }
    void click(platform::CommandButton& button)
    {
        driver.clearMessages();
        driver.click(button);
    }
};

TEST(Form1Unbalance, OverhangLiveLoadsComeOffAndBack)
{
    Overhang t;
    auto& f = t.form1;
    t.driver.retype(f.PT(4), "1000");
    t.driver.retype(f.LPT(4), "400");
    t.driver.retype(f.PAR(3), "150");
    t.driver.retype(f.LPAR(3), "62.5");
    t.driver.retype(f.PT(0), "800");
    t.driver.retype(f.LPT(0), "300");
    t.program.state.SelectionStatus = "OK";

    t.click(f.UBOH);
    EXPECT_EQ(f.PT(4).text(), "600");
    EXPECT_EQ(f.LPT(4).text(), "");
    EXPECT_EQ(f.PAR(3).text(), "87.5");
    EXPECT_EQ(f.LPAR(3).text(), "");
    EXPECT_EQ(f.LPT(0).text(), "300"); // the backspan keeps its live load
    EXPECT_EQ(f.UBOH.caption(), "Restore OH LL");
    EXPECT_EQ(f.UBOH.foreColor(), DarkRed);
    EXPECT_FALSE(f.UBSpan.enabled());
    EXPECT_EQ(t.program.state.SelectionStatus, "");
    {
        const auto& m = t.onlyMessage();
        EXPECT_EQ(m.text,
                  "Live loads have been removed from Overhang.\rClick 'OK Calculate' to test member with "
                  "these loads removed. Watch deflection at Backspan.");
        EXPECT_EQ(m.title, "Korvanta Unbalanced Overhang");
        EXPECT_EQ(m.icon, platform::Icon::Information);
    }

    t.click(f.UBOH);
    EXPECT_EQ(f.PT(4).text(), "1000");
    EXPECT_EQ(f.LPT(4).text(), "400");
    EXPECT_EQ(f.PAR(3).text(), "150");
    EXPECT_EQ(f.LPAR(3).text(), "62.5");
    EXPECT_EQ(f.UBOH.caption(), "Unbalance OH");
    EXPECT_EQ(f.UBOH.foreColor(), platform::SystemWindowText);
    EXPECT_TRUE(f.UBSpan.enabled());
    {
        const auto& m = t.onlyMessage();
        EXPECT_EQ(m.text, "Live Loads on the Overhang have been restored.");
        EXPECT_EQ(m.title, "Korvanta");
        EXPECT_EQ(m.icon, platform::Icon::None);
    }
}

TEST(Form1Unbalance, BackspanLiveLoadsComeOffAndBack)
{
    Overhang t;
    auto& f = t.form1;
    t.driver.retype(f.UNIF, "300");
    t.driver.retype(f.LUNIF, "200");
    t.driver.retype(f.PT(3), "900");
    t.driver.retype(f.LPT(3), "900"); // equal live and total loads pass the check
    t.driver.retype(f.PAR(2), "120");
    t.driver.retype(f.LPAR(2), "20");
    t.driver.retype(f.PT(5), "700");
    t.driver.retype(f.LPT(5), "100");

    t.click(f.UBSpan);
    EXPECT_EQ(f.UNIF.text(), "100");
    EXPECT_EQ(f.LUNIF.text(), "");
    EXPECT_EQ(f.LPT(3).text(), "");
    EXPECT_EQ(f.PAR(2).text(), "100");
    EXPECT_EQ(f.LPT(5).text(), "100"); // the overhang keeps its live load
    EXPECT_EQ(f.UBSpan.caption(), "Restore Span LL");
    EXPECT_EQ(f.UBSpan.foreColor(), DarkRed);
    EXPECT_FALSE(f.UBOH.enabled());
    EXPECT_EQ(t.onlyMessage().text,
              "Live loads have been removed from Backspan. \rClick 'OK Calculate' to test "
              "member with these loads removed. Watch for uplift at R1.");
    EXPECT_EQ(t.onlyMessage().title, "Korvanta Unbalanced Overhang");

    t.click(f.UBSpan);
    EXPECT_EQ(f.UNIF.text(), "300");
    EXPECT_EQ(f.LUNIF.text(), "200");
    EXPECT_EQ(f.PT(3).text(), "900");
    EXPECT_EQ(f.LPT(3).text(), "900");
    EXPECT_EQ(f.PAR(2).text(), "120");
    EXPECT_EQ(f.LPAR(2).text(), "20");
    EXPECT_EQ(f.UBSpan.caption(), "Unbalance Span");
    EXPECT_TRUE(f.UBOH.enabled());
    EXPECT_EQ(t.onlyMessage().text, "Live Loads on the backspan have been restored.");
    EXPECT_EQ(t.onlyMessage().title, "Korvanta");
}

TEST(Form1Unbalance, RestoreGivesBackTheTextsAsEntered)
{
    // Adding a single-precision 33.3 back to 66.7 gave "99.9999992370605"; the texts come back instead.
    struct Case
    {
        const char* total;
        const char* live;
        const char* reduced;
    };
    const Case cases[] = {{"100", "33.3", "66.7"}, {"100.50", "0.25", "100.25"}, {"12.4", ".4", "12"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        Overhang t;
        auto& f = t.form1;
        t.driver.retype(f.PT(0), c.total);
        t.driver.paste(f.LPT(0), c.live); // typed, a leading 0 or lone point would be refused on the way
        t.click(f.UBSpan);
        EXPECT_EQ(f.PT(0).text(), c.reduced);
        t.click(f.UBSpan);
        EXPECT_EQ(f.PT(0).text(), c.total);
        EXPECT_EQ(f.LPT(0).text(), c.live);
    }
}

TEST(Form1Unbalance, TotalEditedWhileUnbalancedKeepsTheEdit)
{
    Overhang t;
    auto& f = t.form1;
    t.driver.retype(f.PT(0), "100");
    t.driver.retype(f.LPT(0), "33.3");
    t.click(f.UBSpan);
    t.driver.retype(f.PT(0), "70");
    t.driver.retype(f.LPT(0), "5"); // a live box gets its removed load back, whatever it holds
    t.click(f.UBSpan);
    EXPECT_EQ(f.PT(0).text(), "103.3");
    EXPECT_EQ(f.LPT(0).text(), "33.3");
}

TEST(Form1Unbalance, WithoutLiveLoadsThereIsNothingToRemove)
{
    Overhang t;
    auto& f = t.form1;
    // A backspan live load above its total does not matter to the overhang's own warning.
    t.driver.retype(f.PT(4), "500");
    t.driver.retype(f.PT(1), "100");
    t.driver.retype(f.LPT(1), "200");
    t.click(f.UBOH);
    EXPECT_EQ(t.onlyMessage().text, "There are no live loads to remove from the Overhang.");
    EXPECT_EQ(t.onlyMessage().title, "Korvanta Unbalanced Loads");
    EXPECT_EQ(t.onlyMessage().icon, platform::Icon::Exclamation);
    EXPECT_EQ(f.UBOH.caption(), "Unbalance OH");
    EXPECT_EQ(f.PT(4).text(), "500");

    t.driver.retype(f.LPT(1), "");
    t.click(f.UBSpan);
    EXPECT_EQ(t.onlyMessage().text, "There are no live loads to remove from the backspan.");
    EXPECT_EQ(t.onlyMessage().title, "Korvanta Unbalanced Loads");
    EXPECT_EQ(f.UBSpan.caption(), "Unbalance Span");
}

TEST(Form1Unbalance, ALiveLoadAboveItsTotalRefusesBothButtons)
{
    struct Case
    {
        const char* name;
        platform::TextBox& (*total)(app::Form1&);
        platform::TextBox& (*live)(app::Form1&);
        const char* text;
    };
    const Case cases[] = {
        {"point load G", [](app::Form1& f) -> platform::TextBox& { return f.PT(5); },
         [](app::Form1& f) -> platform::TextBox& { return f.LPT(5); },
         "Attention:\r\rA point Live load is Larger than the point Total load.  Please re-check your point "
         "load "
         "entries."},
        {"partial load J", [](app::Form1& f) -> platform::TextBox& { return f.PAR(2); },
         [](app::Form1& f) -> platform::TextBox& { return f.LPAR(2); },
         "Attention:\r\rA live partial uniform load is larger than a partial uniform total load.  Please "
         "re-check your load entries."},
        {"uniform load", [](app::Form1& f) -> platform::TextBox& { return f.UNIF; },
         [](app::Form1& f) -> platform::TextBox& { return f.LUNIF; },
         "Attention:\r\rThe Live uniform load is larger than the Total uniform load.  Please re-check your "
         "load "
         "entries."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Overhang t;
        auto& f = t.form1;
        // Live loads on both parts, so that neither button stops at its own warning.
        t.driver.retype(f.PT(4), "500");
        t.driver.retype(f.LPT(4), "100");
        t.driver.retype(f.PT(0), "500");
        t.driver.retype(f.LPT(0), "100");
        t.driver.retype(c.total(f), "50");
        t.driver.retype(c.live(f), "60");

        for (platform::CommandButton* button : {&f.UBOH, &f.UBSpan}) {
            const int beeps = t.driver.beeps();
            t.click(*button);
            EXPECT_EQ(t.onlyMessage().text, c.text) << button->name();
            EXPECT_EQ(t.onlyMessage().title, "Korvanta");
            EXPECT_EQ(t.onlyMessage().icon, platform::Icon::Exclamation);
            EXPECT_EQ(t.driver.beeps(), beeps + 1);
            EXPECT_EQ(t.driver.runtime().focusedControl(), &c.total(f));
        }
        EXPECT_EQ(f.UBOH.caption(), "Unbalance OH");
        EXPECT_EQ(f.UBSpan.caption(), "Unbalance Span");
        EXPECT_EQ(f.LPT(4).text(), "100");
        EXPECT_EQ(f.LPT(0).text(), "100");
    }
}

TEST(Form1Unbalance, ALiveLoadAboveItsTotalRefusesTheRestore)
{
    Overhang t;
    auto& f = t.form1;
    t.driver.retype(f.PT(4), "500");
    t.driver.retype(f.LPT(4), "100");
    t.click(f.UBOH);
    t.driver.retype(f.PAR(0), "10");
    t.driver.retype(f.LPAR(0), "20");
    t.click(f.UBOH);
    EXPECT_EQ(t.onlyMessage().text,
              "Attention:\r\rA live partial uniform load is larger than a partial uniform "
              "total load.  Please re-check your load entries.");
    EXPECT_EQ(f.UBOH.caption(), "Restore OH LL");
    EXPECT_EQ(f.PT(4).text(), "400");
    EXPECT_EQ(f.LPT(4).text(), "");
}

TEST(Form1Unbalance, ChoosingTheLoadCaseAgainBalancesTheButtons)
{
    Overhang t;
    auto& f = t.form1;
    t.driver.retype(f.PT(0), "500");
    t.driver.retype(f.LPT(0), "100");
    t.click(f.UBSpan);
    ASSERT_EQ(f.UBSpan.caption(), "Restore Span LL");

    t.driver.click(f.SimpleSpanbutton);
    EXPECT_EQ(f.UBSpan.caption(), "Unbalance Span");
    EXPECT_FALSE(f.UBSpan.visible());
    t.driver.click(f.OHbutton);
    EXPECT_TRUE(f.UBSpan.visible());
    EXPECT_TRUE(f.UBOH.visible());
    EXPECT_TRUE(f.UBOH.enabled());
    EXPECT_EQ(f.UBSpan.foreColor(), platform::SystemWindowText);
    EXPECT_EQ(f.UBOH.caption(), "Unbalance OH");
}

} // namespace
