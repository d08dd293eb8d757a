// The quick tips of the criteria form: each button's exact text and its box, the two labels that
// answer a double click, the diagram windows, and that no tip changes an entry or the selection.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/headless/Driver.h"
#include "report/Form16.h"
#include "report/Form9.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using platform::test::Driver;

// What has to be on screen before the tip's control can be clicked.
enum class Reveal
{
    None,
    MultipleSpans,
    HipsAndValleys,
    PartialPsf,
    Steel
};

enum class Act
{
    Click,
    DoubleClick
};

struct Tip
{
    const char* control;
    Reveal reveal;
    platform::Control& (*of)(app::Form1&);
    Act act;
    const char* text;
};

const Tip Tips[] = {
    {"Command3D30", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D30; },
     Act::Click,
     "Multiple Spans\r\r"
     "This button allows you to size continuous members, with two or three equal spans and only a "
     "uniform load.  Minor modifications to the formulas give an accurate representation of the "
     "horizontal shear as it passes over the interior supports. The maximum moment and reactions are "
     "adjusted as well.\r\r"
     "Please note that the glu-lam choices on form 2 default to balanced top and bottom laminations "
     "(the same as overhanging beams)."},
    {"Command3D31", Reveal::MultipleSpans, [](app::Form1& f) -> platform::Control& { return f.Command3D31; },
     Act::Click,
     "Multiple Spans\r\r"
     "Select continuous members, with two or three equal spans, and a uniform load only.\r\r"
     "Please note that the glu-lam choices on form 2 default to balanced top and bottom laminations "
     "(the same as overhanging beams)."},
    {"Command3D13", Reveal::HipsAndValleys, [](app::Form1& f) -> platform::Control& { return f.Command3D13; },
     Act::Click,
     "SPAN AUTO-CALC\r\r"
     "Korvanta will automatically calculate the span on the diagonal, based on the tributary lengths "
     "you have entered.\r\r"
     " If you have already entered a span, Korvanta will replace it for you.  If you wish to keep your "
     "manually entered span please disable the auto-calc feature by unchecking the checkbox next to "
     "'Auto-calculate the span'.\r\r"
     " Please note that the Hip or Valley span is the horizontal span distance, not the actual length "
     "of the member which may be longer if it is sloping."},
    {"Label20", Reveal::HipsAndValleys, [](app::Form1& f) -> platform::Control& { return f.Label20; },
     Act::DoubleClick,
     "WET USE\r\r\t"
     "is for beam use under conditions that may increase the wood moisture content above 19% for "
     "visually graded, solid sawn lumber, or above 16% moisture content for glu-laminated beams.\r\r"
     "Generally, if a beam is not inside a covered structure it may be prone to higher moisture "
     "content.  This, of course, depends upon climate and the beam's actual use and exposure to "
     "moisture."},
    {"Command3D14", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D14; },
     Act::Click,
     "UNIFORM LOAD\r\r"
     "is a continuous load along the entire length of the beam span.  A uniform load on an overhang "
     "must be entered as a partial uniform load in a blue box.  Enter your loads in pounds per lineal "
     "foot, or click the 'Calc PSF' button below to enter PSF times a tributary length.\r\r"
     "'LL' is the Live Load (an optional entry), and 'LL+DL' is the total load (the combined live load "
     "and dead load).  Note! You do not need to include the beam self-weight.  Korvanta will add it in "
     "for you unless you select the 'neglect beam self-weight' checkbox.\r\r"
     "The letter 'A' to the left of the load entry box is identificaton corresponding to the load 'A' "
     "on the loading diagram and the printed list of loads.\r\r"
     "When the 'Hips and Valleys' button is selected, these uniform load boxes display the 'Equivalent "
     "Tabular Load' or 'ETL'."},
    {"Command3D19", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D19; },
     Act::Click,
     "PSF load entries are multiplied by the the tributary length in feet.  The result is inserted in "
     "the Uniform Load (PLF) boxes above.\r\r"
     "This is just a quick calculator.\r\r"
     "NOTE: To adjust the loads for JOIST or RAFTER SPACING, use the automatic spacing option buttons "
     "above (located under repetitive use) and all loads will automatically be multiplied by the "
     "spacing factor of 1.33, 1.66, or 2.0"},
    {"Command3D24", Reveal::PartialPsf, [](app::Form1& f) -> platform::Control& { return f.Command3D24; },
     Act::Click,
     "CALC PSF TIMES TRIBUTARY LENGTH\r\r"
     "PSF load entries are multiplied by the the tributary length in feet.  The result is inserted in "
     "the Partial Uniform Load (PLF) boxes to the right.\r\r"
     "This is just a quick calculator."},
    {"Command3D16", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D16; },
     Act::Click,
     "ENTERING LOADS\r\r"
     "For a diagram on how to enter loads and distances click on the quick-help buttons next to "
     "'Simple Span' or 'Overhanging' above.\r\r"
     "CLEARING LOAD ENTRY BOXES\r\r"
     "To clear a specific load entry, click on the LETTER to the left of the load entry box.  To clear "
     "ALL the partial uniform or ALL the point loads, DOUBLE CLICK within the respective group box "
     "frame in the periphery.\r"
     "With a little experimentation you'll see how this works.\r\r"
     "If you wish to clear ALL the loads, but retain the info in the upper part of the form, simply "
     "change the loading condition, then change it back again.  Example: You have simple span "
     "selected. Click on Overhanging, then click on simple span again and all the loads will be erased."},
    {"Label8", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Label8; }, Act::DoubleClick,
     "DISTANCE is the location from the left reaction (known as R1) to the point load.  For loads on "
     "the overhanging portion of an overhanging beam, the distance is from the RIGHT Reaction (known "
     "as R2) to the point load on the overhang.  Be sure to enter your overhanging loads in the Blue "
     "Boxes Only."},
    {"Command3D5", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D5; }, Act::Click,
     "BEAM SPAN\r\r\t"
     "Beam Span is the clear distance between supports of the beam or joist plus 1/2 the required "
     "bearing area at each end, or to the center of the support when the beam is continuous over the "
     "support.  The MINIMUM bearing length is 1-1/2 inches at each end. The span length entered on the "
     "criteria form may need to be increased and the beam calculation re-run if the required bearing "
     "area shown on the data record is larger than anticipated.\r\r"
     "Please enter the span in feet plus decimal fractions.\r\r"
     "Example: 13 feet 3 inches should be entered as 13.25\r\r"
     "Note: For sloping rafters enter the horizontal span, not the actual length of the rafter."},
    {"UBL3DHelp", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.UBL3DHelp; }, Act::Click,
     "LATERAL BRACING REQUIREMENTS\r\r"
     "Full lateral support is assumed if the depth to breadth ratio and method of bracing support "
     "meets the requirements NDS 4.4.1.  You may enter a zero or simply leave the 'unbraced' box "
     "blank.\r\r"
     "If your member does not meet the requirements above, please enter your planned maximum unbraced "
     "length between lateral supports of the beam compression edge or flange.  Enter the length in "
     "feet (and decimal fraction, if any). Normally, to be of concern, these would be unbraced lengths "
     "greater than two feet.  For overhanging members, enter the Backspan unbraced length in the WHITE "
     "box and the Overhang unbraced length in the BLUE box.\r\r"
     "Steel Tube shapes do not have lateral bracing requirements other than support at bearing points, "
     "and this box is set to 'Any' and disabled. Steel flitch plates, structural composite lumber, and "
     "multiple span members are only analyzed for full lateral bracing of the compression edge and "
     "this box is automatically set to 'zero' and disabled."},
    {"Command3D4", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D4; }, Act::Click,
     "DURATION OF LOAD\r\r"
     "is an adjustment that allows increases to the Fb and Fv due to the fact that wood is able to "
     "carry much greater loads for short durations than for long durations of loading.\r\r"
     "FACTORS\r\r"
     "0.90  Permanent  (i.e. dead loads)\r"
     "1.00  Normal Load (10 yrs)  (i.e. floor loads)\r"
     "1.15  Snow Load (2 months)  (i.e. roof live load)\r"
     "1.25  Seven Day (no snow)  (i.e. roof live load)\r"
     "1.33 Wind and Earthquake\r"
     "2.0  Impact\r\r"
     "Note: Increases are not cumulative, combination loads should be tested separately to see which "
     "condition governs and very high dead loading should be tested for permanent (0.9) duration of "
     "load.\r\r"
     "Consult your local building code for appropriate duration load factors."},
    {"DepthDesHelp", Reveal::Steel, [](app::Form1& f) -> platform::Control& { return f.DepthDesHelp; },
     Act::Click,
     "If you would like to set a maximum desired depth for the steel beam candidates in Form 2, place "
     "a maximum depth in inches in the box to the left.  By clicking on the arrow, a drop down list "
     "will show you all of the available depths from which you may choose.\r\r"
     "Your maximum depth selection does not affect the calculations.  This is just a filter to help "
     "you quickly choose a beam with an appropriate depth in the Selection Form 2."},
    {"Command3D3", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D3; }, Act::Click,
     "MAX ALLOWABLE DEFLECTION\r\r"
     "ROOF members supporting plaster\r"
     "Live load only   L / 360,  Total load  L / 240\r"
     "FLOOR members\r"
     "Live load only  L / 360,  Total load  L / 240\r\r"
     "Korvanta recommends using a default deflection limit of L / 360 for total load when live loads "
     "are NOT being evaluated.\r"
     "Other recommended live load factors are:\r"
     "CEILINGS (of materials other than plaster)\t\t"
     "L / 240\r"
     "ROOFS, slope 3:12 or less\t\t\t"
     "L / 240\r"
     "ROOFS, slope 3:12 or more\t\t\t"
     "L / 180\r"
     "Industrial buildings, no appearance factor\t\t"
     "L / 180\r"
     "Consult your building code or wood use manual for recommended deflection limits."},
    {"Command3D8", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D8; }, Act::Click,
     "SLOPE ADJUSTMENT OF DEAD LOADS\r\r"
     "Use this tool only when sizing rafters. Do not use it for members that are supporting "
     "rafters.\r\r"
     "If the slope adjust checkbox is checked, Korvanta will automatically increase the dead loads and "
     "the beam weight based on the increased length of the span as determined by the roof pitch "
     "entered by the user. The pitch should be entered in inches. Enter the amount of vertical rise "
     "per 12 inches of horizontal run. \r\r"
     "Special note: When entering total loads you do not need to include the wood member weight.  It "
     "will be automatically added by Korvanta. This is true for all members sized in Korvanta, whether "
     "or not the slope adjust checkbox is checked."},
    {"Command3D18", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D18; },
     Act::Click,
     "AUTOMATIC SHEAR REDUCTION\r\r"
     "If the 'Reduce Shear Loads' Checkbox is checked, Korvanta will automatically reduce the shear on "
     "the member by neglecting the loads located at the beam ends that are within a distance equal to "
     "the depth of member.\r\r"
     " Please Note:\r"
     "Only use this reduction if the loads to be neglected are applied to the top of the member. If "
     "the member is Side Loaded at these locations do not check this box."},
    {"Command3D7", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D7; }, Act::Click,
     "WET USE FACTOR, Cm\r\r"
     "For beam use under conditions that increase the wood moisture content above 19% for visually "
     "graded sawn lumber or 16% for glu-lams.  Generally, if wood is not inside a covered structure, "
     "it may be prone to a high moisture content, but this depends upon the climate in your locale and "
     "the opinion of your building official.\r\r\r"
     "INCISING FACTOR, Ci\r\r"
     "Applicable when structural sawn lumber is incised to increase penetration of preservatives with "
     "incisions cut parallel to grain, a maximum depth of 3/4 inch, a maximum length of 3/8 inch, and "
     "a maximum density of incisions of 357 per square foot. Incising factors shall be determined by "
     "test for incising patterns exceeding these limits."},
    {"Command3D9", Reveal::None, [](app::Form1& f) -> platform::Control& { return f.Command3D9; }, Act::Click,
     "REPETITIVE USE\r\r"
     "When this checkbox is checked, Korvanta automatically increases the beam Fb value by 15% (4% for "
     "SCL's) if they meet the following requirements:\r\r"
     "Code definition of Repetitive Use:   Applies to joists and rafters not over 4 inches in "
     "thickness, spaced not more than 24 inches apart and not less than 3 in number, joined by "
     "transverse load distributing elements such as floor or roof sheathing.\r\r"
     "The Repetitive Use increase does not apply to Glu-lams or 6x+ members.\r\r"
     "Loads entered for repetitive members should be based on lbs. per lineal foot, i.e. 12 in. o.c.  "
     "Then set the spacing to 16 in. o.c., 19.2 in. o.c., or 24 in. o.c. using the REP SPACING "
     "BUTTONS. For 3 members not spaced (as in a built-up condition) select Not Spaced.  Korvanta will "
     "automatically multiply the loads by the appropriate factor to increase the load."},
};

void reveal(Driver& driver, app::Form1& f, Reveal what)
{
    switch (what) {
    case Reveal::None:
        break;
    case Reveal::MultipleSpans:
        driver.click(f.Multibutton);
        break;
    case Reveal::HipsAndValleys:
        driver.click(f.IncButton);
        break;
    // The psf calculator and the steel choice show these; here only the tip behind them matters.
    case Reveal::PartialPsf:
        driver.runtime().dispatch([&] { f.FramePSF.setVisible(true); });
        break;
    case Reveal::Steel:
        driver.runtime().dispatch([&] { f.DepthDesHelp.setVisible(true); });
        break;
    }
}

TEST(Form1Tips, EachTipShowsItsTextInAPlainBox)
{
    for (const Tip& tip : Tips) {
        SCOPED_TRACE(tip.control);
        Driver driver;
        auto& f = driver.start<app::Program>().form1;
        reveal(driver, f, tip.reveal);
        driver.clearMessages();
        platform::Control& control = tip.of(f);
        if (tip.act == Act::Click) {
            driver.click(control);
        } else {
            driver.doubleClick(control);
        }
        ASSERT_EQ(driver.messages().size(), 1u);
        const auto& message = driver.messages()[0];
        EXPECT_EQ(message.text, tip.text);
        EXPECT_EQ(message.title, "Korvanta");
        EXPECT_EQ(message.buttons, platform::Buttons::OK);
        EXPECT_EQ(message.icon, platform::Icon::None);
    }
}

TEST(Form1Tips, TipsChangeNoEntryAndKeepTheSelection)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;
    driver.click(f.OHbutton);
    driver.retype(f.Span, "14");
    driver.retype(f.PT(4), "500");
    driver.retype(f.LPT(4), "200");
    driver.retype(f.UNIF, "150");
    program.state.SelectionStatus = "OK";
    const std::string status = " Selection:   2x10 DF-L #1   -  Status: OK   -  Date: 3/05/24";
    f.SavePanel.setCaption(status);

    for (const Tip& tip : Tips) {
        if (tip.reveal != Reveal::None) {
            continue; // the other tips need another load case, which clears the loads
        }
        if (tip.act == Act::Click) {
            driver.click(tip.of(f));
        } else {
            driver.doubleClick(tip.of(f));
        }
    }
    EXPECT_EQ(f.Span.text(), "14");
    EXPECT_EQ(f.PT(4).text(), "500");
    EXPECT_EQ(f.LPT(4).text(), "200");
    EXPECT_EQ(f.UNIF.text(), "150");
    EXPECT_TRUE(f.OHbutton.value());
    EXPECT_EQ(program.state.SelectionStatus, "OK");
    EXPECT_EQ(f.SavePanel.caption(), status);
}

TEST(Form1Tips, DiagramButtonsOpenOneWindowEach)
{
    Driver driver;
    auto& program = driver.start<app::Program>();
    auto& f = program.form1;

    driver.click(f.Command3D2);
    EXPECT_TRUE(program.form9.visible());
    EXPECT_EQ(driver.activeForm(), &program.form9);
    // The overhang button brings the same window forward.
    driver.switchTo(f);
    driver.click(f.Command3D1);
    EXPECT_EQ(driver.activeForm(), &program.form9);

    driver.click(f.Command3D10);
    EXPECT_TRUE(program.form16.visible());
    EXPECT_EQ(program.form16.caption(), " Increasing Loads ( Hips and Valleys ) Diagram");
    // Centred a little above the middle of the 1024 x 768 pixel screen.
    EXPECT_DOUBLE_EQ(program.form16.left(), (1024 * 15 - program.form16.width()) / 2);
    EXPECT_DOUBLE_EQ(program.form16.top(), 768 * 15 / 2 * 0.85 - program.form16.height() / 2);
    driver.click(program.form16.Cmd_OK);
    EXPECT_FALSE(program.form16.loaded());

    // The hips and valleys frame has a diagram button of its own.
    driver.switchTo(f);
    driver.click(f.IncButton);
    driver.click(f.Command3D12);
    EXPECT_TRUE(program.form16.visible());
    EXPECT_TRUE(driver.messages().empty());
}

} // namespace
