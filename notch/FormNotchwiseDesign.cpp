// How FormNotchwise looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchPictures.h"

namespace notch
{

using namespace app::design;

namespace
{
// A help button beside an entry: bold caption, never a tab stop.
void helpButton(platform::CommandButton& button, platform::Control& frame, double left, double top,
                std::string_view caption)
{
    place(button, &frame, left, top, 600, BoxHeight);
    button.setCaption(caption);
    button.setFontBold(true);
    button.setTabStop(false);
}

void entryBox(platform::TextBox& box, platform::Control& frame, double left, double top, double width,
              int maxLength, std::string_view tip, int tabIndex)
{
    numberBox(box, &frame, left, top, width, maxLength, WindowColour);
    box.setToolTipText(tip);
    box.setTabIndex(tabIndex);
}

void resultBox(platform::Label& result, platform::Label& title, platform::Label& unit,
               platform::Control& frame, double top, std::string_view caption, std::string_view unitText,
               std::string_view tip)
{
    label(title, &frame, 120, top + 30, 1860, 255, caption);
    title.setAlignment(platform::Alignment::Right);
    place(result, &frame, 2040, top, 1200, BoxHeight);
    result.setBorderStyle(1);
    result.setAlignment(platform::Alignment::Center);
    result.setBackColor(White);
    result.setToolTipText(tip);
    label(unit, &frame, 3300, top + 30, 720, 255, unitText);
}
} // namespace

void FormNotchwise::design()
{
    setCaption("Korvanta     Notchwise for Notched Wood Members");
    setClientSize(10860, 8130);

    // General frame
    place(GeneralFrame, nullptr, 120, 60, 10620, 780);
    label(ProjectNameTitle, &GeneralFrame, 240, 120, 2800, 225, "Project Name");
    textBox(ProjectNameNW, &GeneralFrame, 240, 360, 3000, 30, WindowColour);
    ProjectNameNW.setTabIndex(21);
    label(DescriptionTitle, &GeneralFrame, 3360, 120, 3000, 225, "Description");
    textBox(DescriptionNW, &GeneralFrame, 3360, 360, 3200, 35, WindowColour);
    DescriptionNW.setTabIndex(22);
    label(LocationTitle, &GeneralFrame, 6680, 120, 2400, 225, "Location");
    textBox(LocationNW, &GeneralFrame, 6680, 360, 2520, 35, WindowColour);
    LocationNW.setTabIndex(23);
    label(DateTitle, &GeneralFrame, 9320, 120, 1100, 225, "Date");
    textBox(DateNW, &GeneralFrame, 9320, 360, 1140, 10, WindowColour);
    DateNW.setAlignment(platform::Alignment::Center);
    DateNW.setTabIndex(24);

    // Member frame
    frame3D(MemberFrame, nullptr, 120, 900, 4560, 7140, "Member Attributes");
    label(MemberTitle, &MemberFrame, 180, 260, 3000, 225, "Select Member Type / Shape");
    place(MemberListBox, &MemberFrame, 180, 500, 4200, 315);
    MemberListBox.setTabIndex(0);
    helpButton(Vbutton, MemberFrame, 180, 960, "V=");
    entryBox(MaxVtextbox, MemberFrame, 840, 960, 1080, 8, "Max. V (shear) in pounds, NO reductions.", 1);
    label(VUnitLabel, &MemberFrame, 1980, 990, 600, 225, "lbs.");
    helpButton(Bbutton, MemberFrame, 180, 1360, "b=");
    entryBox(breadthtextbox, MemberFrame, 840, 1360, 1080, 8, "Member breadth in inches", 2);
    label(BUnitLabel, &MemberFrame, 1980, 1390, 600, 225, "in.");
    helpButton(Dbutton, MemberFrame, 180, 1760, "d=");
    entryBox(depthtextbox, MemberFrame, 840, 1760, 1080, 8, "Member depth in inches", 3);
    label(DUnitLabel, &MemberFrame, 1980, 1790, 600, 225, "in.");
    place(RecShape, &MemberFrame, 3000, 1000, 600, 960);
    label(bLabel, &MemberFrame, 3180, 1980, 240, 225, "B");
    label(dLabel, &MemberFrame, 3660, 1380, 240, 225, "D");
    place(Rdshape, &MemberFrame, 2820, 1000, 960, 960);
    Rdshape.setShape(platform::ShapeKind::Oval);
    Rdshape.setVisible(false);
    place(diamline, &MemberFrame, 0, 0, 0, 0);
    diamline.setPoints(3300, 1000, 3300, 1960);
    diamline.setVisible(false);
    label(diamlabel, &MemberFrame, 3360, 1380, 240, 225, "D");
    diamlabel.setVisible(false);
    place(StdSizeCmd, &MemberFrame, 840, 2200, 2640, 360);
    StdSizeCmd.setCaption("Select Standard Sizes...");
    StdSizeCmd.setTabIndex(4);
    label(SpecieTitle, &MemberFrame, 180, 2700, 3600, 225, "Select Specie or enter Custom");
    place(SpecieCombo, &MemberFrame, 180, 2940, 4200, 315);
    SpecieCombo.setStyle(platform::ComboStyle::DropDownCombo);
    SpecieCombo.setText("SpecieCombo");
    SpecieCombo.setTabIndex(5);
    helpButton(NDSbutton, MemberFrame, 180, 3420, "NDS=");
    place(NDSyearList, &MemberFrame, 840, 3400, 1080, 315);
    NDSyearList.setToolTipText("National Design Specification Edition");
    NDSyearList.setTabIndex(6);
    helpButton(Fvbutton, MemberFrame, 180, 3840, "Fv=");
    entryBox(Fvtextbox, MemberFrame, 840, 3840, 1080, 6, "Base (unadjusted) Fv Value", 7);
    label(Label21, &MemberFrame, 1980, 3870, 2400, 225, "psi");
    label(FactorsTitle, &MemberFrame, 180, 4380, 3600, 225, "Select Adjustment Factors");
    helpButton(Cmbutton, MemberFrame, 180, 4680, "Cm=");
    check3D(WetUseCheckbox, &MemberFrame, 840, 4680, 3000, 285, "Wet Use Factor = 1.0");
    WetUseCheckbox.setThreeD(false);
    WetUseCheckbox.setTabIndex(8);
    helpButton(Chbutton, MemberFrame, 180, 5100, "Ch=");
    check3D(NoSplitCheckbox, &MemberFrame, 840, 5100, 3000, 285, "Shear Factor = 1.0");
    NoSplitCheckbox.setThreeD(false);
    NoSplitCheckbox.setTabIndex(9);
    helpButton(Cdbutton, MemberFrame, 180, 5520, "Cd=");
    place(DurListbox, &MemberFrame, 840, 5500, 1080, 315);
    DurListbox.setToolTipText("Duration of Load");
    DurListbox.setTabIndex(10);
    place(DurLabel, &MemberFrame, 2040, 5520, 1560, BoxHeight);
    DurLabel.setBorderStyle(1);
    DurLabel.setAlignment(platform::Alignment::Center);

    // Notch frame
    frame3D(NotchFrame, nullptr, 4800, 900, 5940, 4260, " Notch Attributes ");
    label(NotchTitle, &NotchFrame, 180, 260, 2400, 225, "Select Notch Type");
    place(NotchListBox, &NotchFrame, 180, 500, 2520, 315);
    NotchListBox.setTabIndex(11);
    label(Label14, &NotchFrame, 180, 900, 2700, 225, "Complete Entries to find dn:");
    helpButton(rdButton, NotchFrame, 180, 1160, "rd=");
    entryBox(rdTextbox, NotchFrame, 840, 1160, 900, 6, "Rafter depth (allow for seat cut)", 12);
    label(rdUnitLabel, &NotchFrame, 1800, 1190, 400, 225, "in.");
    helpButton(tButton, NotchFrame, 180, 1520, "t=");
    entryBox(tTextbox, NotchFrame, 840, 1520, 900, 6, "Wall or Support Breadth", 13);
    label(tUnitLabel, &NotchFrame, 1800, 1550, 400, 225, "in.");
    helpButton(rpButton, NotchFrame, 180, 1880, "rp=");
    entryBox(rpTextbox, NotchFrame, 840, 1880, 900, 8, "Rafter Pitch", 14);
    place(RPtoDegreeCmd, &NotchFrame, 1800, 1860, 1200, 330);
    RPtoDegreeCmd.setCaption("to 12 Pitch <>");
    RPtoDegreeCmd.setToolTipText("Click to enter degrees. Click again to enter roof pitch.");
    RPtoDegreeCmd.setTabIndex(15);
    label(RequiredTitle, &NotchFrame, 180, 2340, 2400, 225, "Required Entries:");
    helpButton(eButton, NotchFrame, 180, 2600, "e=");
    entryBox(eTextbox, NotchFrame, 840, 2600, 900, 6, "Notch Setback from support", 16);
    label(eUnitLabel, &NotchFrame, 1800, 2630, 400, 225, "in.");
    label(eAdequateLabel, &NotchFrame, 2220, 2630, 1100, 225, "");
    helpButton(dnButton, NotchFrame, 180, 2960, "dn=");
    entryBox(dnTextbox, NotchFrame, 840, 2960, 900, 6, "Depth Remaining at Notch", 17);
    label(dnUnitLabel, &NotchFrame, 1800, 2990, 400, 225, "in.");
    label(DNadequateLabel, &NotchFrame, 2220, 2990, 1100, 225, "");
    label(DnMinimum, &NotchFrame, 120, 3300, 3000, 225, "");
    DnMinimum.setAlignment(platform::Alignment::Center);
    place(OKcalcCmd, &NotchFrame, 660, 3640, 1800, 420);
    OKcalcCmd.setCaption("OK Calculate");
    OKcalcCmd.setFontBold(true);
    OKcalcCmd.setTabIndex(18);
    for (platform::Image* image : {&ImageTensionNotch, &ImageCompressionNotch, &ImageTaperedNotch}) {
        place(*image, &NotchFrame, 3300, 240, 2520, 3880);
        image->setVisible(false);
    }
    registerNotchPictures();
    ImageTensionNotch.setPicture(TensionNotchPicture);
    ImageCompressionNotch.setPicture(CompressionNotchPicture);
    ImageTaperedNotch.setPicture(TaperedNotchPicture);

    // Report frame
    frame3D(ReportFrame, nullptr, 4800, 5220, 5940, 2820, " Report ");
    resultBox(AdjFvLabel, AdjFvTitle, AdjFvUnit, ReportFrame, 260, "Adjusted Fv' =", "psi",
              "Fv adjusted by Cm, Ch, Cd and, for glu-lam, Cvr.");
    resultBox(CriticalfvLabel, CritLabel, CritPsiLabel, ReportFrame, 600, "Allowable fv =", "psi",
              "Calculated minimum fv allowed.");
    resultBox(RatioFvLabel, RatioTitleLabel, RatioUnit, ReportFrame, 940, "Ratio fv / Fv' =", "%",
              "Ratio shows Failure when > 100%");
    resultBox(AnLabel, AnTitle, AnUnit, ReportFrame, 1280, "Area @ dn, An =", "sq. in.",
              "Area at critical section: Breadth x Dn");
    resultBox(MinSpanLabel, MinSpanTitle, MinSpanUnit, ReportFrame, 1620, "Minimum Span =", "ft.",
              "Tapered notch may not extend into middle third of span.");
    resultBox(AngleLabel, AngleTitle, AngleUnit, ReportFrame, 1960, "Tapered Angle =", "deg.",
              "Actual angle of Roof Pitch.");
    label(StatusTitle, &ReportFrame, 120, 2370, 1260, 255, "Notch Status =");
    place(ShearStatusLabel, &ReportFrame, 1440, 2340, 3000, BoxHeight);
    ShearStatusLabel.setBorderStyle(1);
    ShearStatusLabel.setAlignment(platform::Alignment::Center);
    ShearStatusLabel.setBackColor(White);
    place(PrintCmd, &ReportFrame, 4560, 2300, 1200, 360);
    PrintCmd.setCaption("Print");
    PrintCmd.setFontBold(true);
    PrintCmd.setTabIndex(20);

    // Menus
    menu(MnuBack, nullptr, "<- Back");
    menu(MnuFileNotch, nullptr, "&File");
    menu(MnuNew, &MnuFileNotch, "&New Notch");
    menuSeparator(MnuSep1, MnuFileNotch);
    menu(MnuSave, &MnuFileNotch, "&Save Notch...");
    menu(MnuLoad, &MnuFileNotch, "&Load Notch...");
    menuSeparator(MnuSep2, MnuFileNotch);
    menu(MnuPrintnotch, &MnuFileNotch, "&Print Notch");
    menu(MnuHelp, nullptr, "&Help");
    menu(MnuExit, nullptr, "E&xit");

    // Events
    MemberListBox.click([this] { MemberListBox_Click(); });
    NotchListBox.click([this] { NotchListBox_Click(); });
    MaxVtextbox.change([this] { MaxVtextbox_Change(); });
    breadthtextbox.change([this] { breadthtextbox_Change(); });
    depthtextbox.change([this] { depthtextbox_Change(); });
    Fvtextbox.change([this] { Fvtextbox_Change(); });
    Fvtextbox.keyUp([this](std::int16_t&, int) { Fvtextbox_KeyUp(); });
    rdTextbox.change([this] { rdTextbox_Change(); });
    tTextbox.change([this] { tTextbox_Change(); });
    rpTextbox.change([this] { rpTextbox_Change(); });
    eTextbox.change([this] { eTextbox_Change(); });
    dnTextbox.change([this] { dnTextbox_Change(); });
    // The boxes that select their text on focus and refuse the comma key.
    for (platform::TextBox* box :
         {&MaxVtextbox, &breadthtextbox, &depthtextbox, &Fvtextbox, &tTextbox, &eTextbox, &dnTextbox}) {
        box->gotFocus([this] { selectEntryText(); });
        box->keyPress([this](std::int16_t& charCode) { commaKey(charCode); });
    }
    SpecieCombo.change([this] { SpecieCombo_Change(); });
    SpecieCombo.click([this] { SpecieCombo_Click(); });
    NDSyearList.click([this] { NDSyearList_Click(); });
    WetUseCheckbox.click([this] { WetUseCheckbox_Click(); });
    NoSplitCheckbox.click([this] { NoSplitCheckbox_Click(); });
    DurListbox.click([this] { DurListbox_Click(); });
    RPtoDegreeCmd.click([this] { RPtoDegreeCmd_Click(); });
    OKcalcCmd.click([this] { OKcalcCmd_Click(); });
    PrintCmd.click([this] { MnuPrintnotch_Click(); });
    StdSizeCmd.click([this] { StdSizeCmd_Click(); });
    wireHelpButtons();
    MnuBack.click([this] { MnuBack_Click(); });
    MnuNew.click([this] { MnuNew_Click(); });
    MnuSave.click([this] { MnuSave_Click(); });
    MnuLoad.click([this] { MnuLoad_Click(); });
    MnuPrintnotch.click([this] { MnuPrintnotch_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
}

} // namespace notch
