// The hyperlink label on its form: presses of each button, the host's say in GoToURL, the pointer,
// the tool tip, the label's size, the stored properties and a shell that cannot be called.
#include "app/Program.h"
#include "app/UrlLinkForm.h"
#include "platform/headless/Driver.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace
{

using platform::MouseButton;
using platform::test::Driver;

constexpr int Hourglass = 11;

struct LinkForm
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::UrlLinkForm& form = program.urlLinkForm;
    app::URLLink& link = form.URLLink1;
    std::vector<int> pointerWhileOpening;

    LinkForm()
    {
        // Nothing in the program shows this form; the test does, as program code would.
        driver.runtime().dispatch([&] { form.show(); });
        driver.host().whenOpenUrl([this] { pointerWhileOpening.push_back(driver.runtime().mousePointer()); });
    }
    const std::vector<std::string>& opened() { return driver.host().openedUrls(); }
};

TEST(URLLink, FormDesignGivesTheStoredPropertiesAndDefaultsForTheRest)
{
    LinkForm t;
    EXPECT_EQ(t.form.caption(), "Form1");
    EXPECT_EQ(t.link.Text(), "Korvanta on example.org");
    EXPECT_EQ(t.link.URL(), "https://example.org/");
    EXPECT_FALSE(t.link.ShowToolTip());
    EXPECT_EQ(t.link.lblURL.toolTipText(), "");
    EXPECT_TRUE(t.link.changedProperties().empty());
    EXPECT_TRUE(t.link.lblURL.font().underline);
    EXPECT_EQ(t.link.lblURL.foreColor(), platform::SystemHighlight);
    t.driver.click(t.form.Command1);
    EXPECT_FALSE(t.form.loaded());
}

TEST(URLLink, LeftPressRaisesGoToURLThenOpensTheAddressUnderTheHourglass)
{
    LinkForm t;
    std::vector<std::string> raised;
    t.link.GoToURL([&](std::string& url, bool& cancel) {
        raised.push_back(url);
        EXPECT_FALSE(cancel);
        EXPECT_TRUE(t.opened().empty()); // raised before the address is opened
    });
    t.driver.mouseDown(t.link.lblURL, MouseButton::Left);
    EXPECT_EQ(raised, std::vector<std::string>{"https://example.org/"});
    EXPECT_EQ(t.opened(), std::vector<std::string>{"https://example.org/"});
    EXPECT_EQ(t.pointerWhileOpening, std::vector<int>{Hourglass});
    EXPECT_EQ(t.driver.runtime().mousePointer(), 0);
    EXPECT_TRUE(t.driver.messages().empty());
}

TEST(URLLink, HostMayCancelOrReplaceTheAddress)
{
    LinkForm t;
    t.link.GoToURL([](std::string&, bool& cancel) { cancel = true; });
    t.driver.runtime().setMousePointer(Hourglass);
    t.driver.mouseDown(t.link.lblURL);
    EXPECT_TRUE(t.opened().empty());
    EXPECT_EQ(t.driver.runtime().mousePointer(), Hourglass); // a cancelled press leaves the pointer alone

    t.driver.runtime().setMousePointer(0);
    t.link.GoToURL([](std::string& url, bool&) { url = "https://example.org/manual"; });
    t.driver.mouseDown(t.link.lblURL);
    EXPECT_EQ(t.opened(), std::vector<std::string>{"https://example.org/manual"});
    EXPECT_EQ(t.link.URL(), "https://example.org/"); // the stored address stays
}

TEST(URLLink, RightAndMiddleButtonsOpenNothingAndRestoreTheDefaultPointer)
{
    LinkForm t;
    bool raised = false;
    t.link.GoToURL([&](std::string&, bool&) { raised = true; });
    for (const MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
        t.driver.runtime().setMousePointer(Hourglass);
        t.driver.mouseDown(t.link.lblURL, button);
        EXPECT_EQ(t.driver.runtime().mousePointer(), 0);
    }
    EXPECT_FALSE(raised);
    EXPECT_TRUE(t.opened().empty());
}

TEST(URLLink, ShellThatCannotBeCalledIsReportedAndThePointerComesBack)
{
    LinkForm t;
    t.driver.failNext(platform::test::HostFailure::OpenUrl);
    t.driver.mouseDown(t.link.lblURL);
    ASSERT_EQ(t.driver.messages().size(), 1u);
    EXPECT_EQ(t.driver.messages()[0].text,
              "Unable to load 'https://example.org/' : Error in loading DLL (Error 48)");
    EXPECT_EQ(t.driver.messages()[0].buttons, platform::Buttons::OK);
    EXPECT_EQ(t.driver.messages()[0].icon, platform::Icon::None);
    EXPECT_EQ(t.driver.runtime().mousePointer(), 0);
    EXPECT_TRUE(t.opened().empty());
    EXPECT_TRUE(t.driver.untrappedErrors().empty());
}

TEST(URLLink, ToolTipFollowsTheSwitchAndTheAddress)
{
    LinkForm t;
    t.link.setShowToolTip(true);
    EXPECT_EQ(t.link.lblURL.toolTipText(), "https://example.org/");
    t.link.setURL("https://example.org/beams");
    EXPECT_EQ(t.link.lblURL.toolTipText(), "https://example.org/beams");
    t.link.setShowToolTip(false);
    EXPECT_EQ(t.link.lblURL.toolTipText(), "");
    t.link.setURL("https://example.org/columns");
    EXPECT_EQ(t.link.lblURL.toolTipText(), "");
    EXPECT_EQ(t.link.changedProperties(), (std::set<std::string>{"ShowToolTip", "URL"}));
}

TEST(URLLink, LabelSitsAtTheControlsCornerSizedToItsText)
{
    LinkForm t;
    auto& label = t.link.lblURL;
    const double shortWidth = label.width();
    const platform::SizeTwips measured =
        t.driver.runtime().measureText(label.font(), "Korvanta on example.org");
    EXPECT_DOUBLE_EQ(label.width(), measured.width);
    EXPECT_DOUBLE_EQ(label.height(), measured.height);
    EXPECT_DOUBLE_EQ(label.left(), 240);
    EXPECT_DOUBLE_EQ(label.top(), 600);
    t.link.setText("Korvanta on example.org, with a longer caption");
    EXPECT_GT(label.width(), shortWidth);
    t.link.setText("Link");
    EXPECT_LT(label.width(), shortWidth);
    EXPECT_DOUBLE_EQ(label.left(), 240);
    EXPECT_TRUE(t.link.changedProperties().contains("Text"));
}

TEST(URLLink, StoredPropertiesRoundTripAndUnreadableOnesGiveTheDefaults)
{
    LinkForm t;
    t.link.setText("Beams");
    t.link.setURL("https://example.org/beams");
    t.link.setShowToolTip(true);
    app::PropertyBag bag;
    t.link.WriteProperties(bag);
    EXPECT_EQ(bag, (app::PropertyBag{
                       {"Text", "Beams"}, {"URL", "https://example.org/beams"}, {"ShowToolTip", "-1"}}));

    t.link.ReadProperties({});
    EXPECT_EQ(t.link.Text(), app::DefaultLinkText);
    EXPECT_EQ(t.link.URL(), app::DefaultLinkURL);
    t.link.ReadProperties(bag);
    EXPECT_EQ(t.link.Text(), "Beams");
    EXPECT_TRUE(t.link.ShowToolTip());
    EXPECT_EQ(t.link.lblURL.toolTipText(), "https://example.org/beams");

    bag["ShowToolTip"] = "maybe";
    t.link.ReadProperties(bag);
    EXPECT_EQ(t.link.Text(), app::DefaultLinkText);
    EXPECT_EQ(t.link.URL(), app::DefaultLinkURL);
    EXPECT_FALSE(t.link.ShowToolTip());
}

} // namespace
