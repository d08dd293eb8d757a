// Design of Form1's header frame: project line, span, load types, species list, unbraced lengths,
// duration of load or maximum steel depth, deflection limits, rafter pitch and the design options.
#include "app/DesignHelpers.h"
#include "app/Form1.h"
#include "app/SpeciesList.h"

namespace app
{

using namespace design;

namespace
{
constexpr const char* QuickTip = "Click for Quick-Tip";
constexpr const char* DiagramTip = "Click for diagram of load entry method.";
} // namespace

void Form1::designHeader()
{
    frame3D(Frame3D1, nullptr, 600, 360, 9615, 3195, "");

    label(Label1, &Frame3D1, 180, 255, 600, 255, "Project");
    Label1.setTransparent(false);
    Label1.setBackColor(White);
    textBox(Proj, &Frame3D1, 840, 240, 3240, 35, White);
    label(Label3, &Frame3D1, 4200, 255, 420, 255, "Item");
    textBox(Descrip, &Frame3D1, 4680, 240, 2640, 30, White);
    label(Label2, &Frame3D1, 7440, 255, 300, 255, "ID");
    textBox(ID, &Frame3D1, 7800, 240, 1620, 25, White);

    label(Label4, &Frame3D1, 300, 645, 1455, 255, "Span Length in ft");
    numberBox(Span, &Frame3D1, 1800, 600, 720, 5, White);
    tipButton(Command3D5, &Frame3D1, 2580, 645, QuickTip);

    frame3D(Frame3D6, &Frame3D1, 300, 960, 2835, 1515, "Load Types");
    option3D(SimpleSpanbutton, &Frame3D6, 120, 270, 2250, 255, "Simple Span");
    SimpleSpanbutton.setValue(true);
    tipButton(Command3D2, &Frame3D6, 2460, 300, DiagramTip);
    option3D(OHbutton, &Frame3D6, 120, 570, 2250, 255, "Overhanging (OH)");
    tipButton(Command3D1, &Frame3D6, 2460, 600, DiagramTip);
    option3D(IncButton, &Frame3D6, 120, 870, 2250, 255, "Hips and Valleys");
    tipButton(Command3D10, &Frame3D6, 2460, 900, DiagramTip);
    option3D(Multibutton, &Frame3D6, 120, 1170, 2250, 255, "Multiple Spans");
    tipButton(Command3D30, &Frame3D6, 2460, 1200, "");

    place(Combo1, &Frame3D1, 300, 2640, 2832, 315);
    Combo1.setStyle(platform::ComboStyle::DropDownList);
    Combo1.setFont(boldSans());
    Combo1.setToolTipText("Select Steel, SCL's, Custom or Wood Species Groups here.");

    // The species options mirror the list for every reader; the user never sees them.
    frame3D(SpecieGroup, &Frame3D1, 660, 2580, 2268, 4332, "SPECIE GROUPS");
    SpecieGroup.setVisible(false);
    constexpr const char* groupCaptions[SpeciesCount] = {"Hem Fir / DF-Larch",
                                                         "DF South / DF North",
                                                         "SPF/ SPF South",
                                                         "Cedar / Western Woods",
                                                         "Eastern Species",
                                                         "Southern Pine",
                                                         "Oak",
                                                         "LVL's",
                                                         "Custom Beam Values",
                                                         "Steel"};
    for (int i = 0; i < SpeciesCount; ++i) {
        option3D(group(i), &SpecieGroup, 120, 300 + 390 * i, 2000, 255, groupCaptions[i]);
    }
    group(0).setValue(true);

    // UBLtext stands at 5280 alone and moves to 5040 when the overhang's box is shown beside it.
    label(UBLlabel, &Frame3D1, 3360, 645, 1860, 255, "Unbraced Length in ft");
    numberBox(UBLtext, &Frame3D1, 5280, 600, 600, 5, WindowColour);
    numberBox(CantUBLtext, &Frame3D1, 5700, 600, 600, 5, Navy);
    CantUBLtext.setForeColor(White);
    CantUBLtext.setVisible(false);
    tipButton(UBL3DHelp, &Frame3D1, 6420, 645, QuickTip);

    // Duration of load for wood; the maximum steel depth takes the same place for steel.
    label(Label6, &Frame3D1, 3360, 1110, 1860, 255, "Duration of Load");
    numberBox(Dur, &Frame3D1, 5280, 1080, 600, 4, White);
    Dur.setText("1.00");
    button3D(Command3D15, &Frame3D1, 5910, 1080, 420, 285, "<>");
    tipButton(Command3D4, &Frame3D1, 6420, 1125, "");
    label(Label48, &Frame3D1, 3360, 1110, 1860, 255, "Maximum Nominal Depth");
    Label48.setVisible(false);
    place(DepBorder, &Frame3D1, 5160, 1080, 1020, 345);
    DepBorder.setBevelOuter(1);
    DepBorder.setVisible(false);
    place(DepCombo, &DepBorder, 30, 15, 960, 315);
    DepCombo.setStyle(platform::ComboStyle::DropDownList);
    DepCombo.setFont(boldSans());
    DepCombo.setVisible(false);
    tipButton(DepthDesHelp, &Frame3D1, 6420, 1125, QuickTip);
    DepthDesHelp.setVisible(false);

    label(Label5, &Frame3D1, 3360, 1470, 3000, 255, "Maximum Allowable Deflection");
    label(Label18, &Frame3D1, 3360, 1770, 660, 255, "Live L / ");
    numberBox(LMaxDefl, &Frame3D1, 4020, 1740, 540, 4, LightYellow);
    LMaxDefl.setText("360");
    label(Label19, &Frame3D1, 4650, 1770, 750, 255, "Total L / ");
    numberBox(MaxDefl, &Frame3D1, 5400, 1740, 540, 4, White);
    MaxDefl.setText("240");
    button3D(Dadj, &Frame3D1, 5970, 1740, 420, 285, "<>");
    tipButton(Command3D3, &Frame3D1, 6420, 1785, QuickTip);

    check3D(Roofbutton, &Frame3D1, 3360, 2160, 1980, 255, "Rafter Pitch DL Adjust");
    numberBox(Pitchtext, &Frame3D1, 5400, 2145, 540, 5, White);
    button3D(Command3D28, &Frame3D1, 5970, 2145, 420, 285, "<>");
    tipButton(Command3D8, &Frame3D1, 6420, 2190, QuickTip);

    check3D(Reducechk, &Frame3D1, 3360, 2520, 2940, 255, "Reduce shear loads at beam ends");
    Reducechk.setValue(-1);
    tipButton(Command3D18, &Frame3D1, 6420, 2550, QuickTip);
}

void Form1::designOptions()
{
    // Set by the program only; a criteria file may restore it unchecked.
    check3D(INGRADE, &Frame3D1, 3360, 2850, 1500, 255, "Ingrade switch");
    INGRADE.setValue(-1);
    INGRADE.setVisible(false);

    // Wood options; the steel types frame takes their place for steel.
    check3D(Wet, &Frame3D1, 6900, 600, 1080, 255, " Wet Use");
    check3D(Incised, &Frame3D1, 8040, 600, 900, 255, "Incised");
    tipButton(Command3D7, &Frame3D1, 9060, 630, "");
    check3D(Rep, &Frame3D1, 6900, 900, 1620, 255, " Repetitive Use");
    tipButton(Command3D9, &Frame3D1, 8580, 930, "");

    frame3D(Frame3D2, &Frame3D1, 6840, 1200, 2445, 1695, "Repetitive Spacing");
    option3D(Ctr0, &Frame3D2, 120, 240, 2220, 255, "No Spacing (All Lds x 1.0)");
    option3D(Ctr12, &Frame3D2, 120, 510, 2220, 255, "12 in. o.c.    (All Lds x 1.0)");
    option3D(Ctr16, &Frame3D2, 120, 780, 2220, 255, "16 in. o.c.  (All Lds x 1.33)");
    option3D(Ctr19, &Frame3D2, 120, 1050, 2220, 255, "19.2 in. o.c. (All Lds x 1.6)");
    option3D(ctr24, &Frame3D2, 120, 1320, 2220, 255, "24 in. o.c.    (All Lds x 2.0)");

    frame3D(StlTypes, &Frame3D1, 6840, 600, 2460, 2460, "Steel Types");
    StlTypes.setVisible(false);
    check3D(ksi50, &StlTypes, 120, 240, 2220, 255, "Use 50 ksi Values");
    option3D(WFbutton, &StlTypes, 120, 540, 2220, 240, "W  wide flange");
    WFbutton.setValue(true);
    option3D(SFbutton, &StlTypes, 120, 795, 2220, 240, "S  std. flange");
    option3D(CFbutton, &StlTypes, 120, 1050, 2220, 240, "C  std. channel");
    option3D(MCbutton, &StlTypes, 120, 1305, 2220, 240, "MC misc channel");
    option3D(TUbutton, &StlTypes, 120, 1560, 2220, 240, "T  rectangular tube");
    option3D(PLbutton, &StlTypes, 120, 1815, 2220, 240, "PL Flitch");
    option3D(DblPLbutton, &StlTypes, 120, 2070, 2220, 240, "Dbl Flitch");
}

} // namespace app
