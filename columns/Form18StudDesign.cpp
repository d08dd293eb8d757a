// The design of the stud frame of Form18: its place mostly below the form's edge, the two sub-frames,
// the entry boxes in tab order with their first texts, the size lists and the stud sketch.
#include "app/DesignHelpers.h"
#include "columns/Form18.h"

namespace columns
{

using namespace app::design;

namespace
{
constexpr int FirstStudTab = 100; // after the column entries
constexpr const char* FrameNote =
    "Use this form for combined axial and bending analysis for studs subject to wind loading. Stud "
    "orientation is assumed to have a fully braced narrow axis and will qualify as repetitive use members "
    "in dry use. Note: \"Stud grade\" values are only applicable to members 10 feet in height or less. Stud "
    "spacing will auto-adjust all loads as necessary.";
} // namespace

void Form18::designStudFrame()
{
    int caption = 0;
    auto text = [&](platform::Control* container, double left, double top, double width,
                    std::string_view words, bool bold = false, double height = 255) -> platform::Label& {
        platform::Label& l = StudCaption[caption++];
        label(l, container, left, top, width, height, words);
        l.setWordWrap(height > 255);
        if (bold) {
            l.setFontBold(true);
        }
        return l;
    };
    int tab = FirstStudTab;
    auto entry = [&](platform::TextBox& box, platform::Control* container, double left, double top,
                     double width, int maxLength) {
        numberBox(box, container, left, top, width, maxLength, WindowColour);
        box.setTabIndex(tab++);
    };

    frame3D(WindFrame, nullptr, 1680, 8160, 9135, 5505, "Combined Axial and Wind Loaded Studs");
    WindFrame.setVisible(false);

    frame3D(SSFrame1, &WindFrame, 120, 240, 3615, 4635, "Loads");
    text(&SSFrame1, 120, 240, 3360, "Axial Loads", true);
    text(&SSFrame1, 120, 480, 3360, "Continuous load along wall, will be adjusted by selected stud spacing.",
         false, 435);
    text(&SSFrame1, 120, 990, 435, "PLF");
    entry(AxialPLFtextbox, &SSFrame1, 600, 960, 855, 6);
    text(&SSFrame1, 1560, 990, 1575, "Lbs / Lin. Ft.");
    text(&SSFrame1, 120, 1290, 3360, "Concentrated axial point load.");
    text(&SSFrame1, 360, 1560, 195, "P");
    entry(AxialPointTextbox, &SSFrame1, 600, 1530, 855, 7);
    text(&SSFrame1, 1560, 1560, 495, "Lbs");
    button3D(AxialDurSpinBut, &SSFrame1, 2640, 1890, 375, 285, "<>");
    AxialDurSpinBut.setTabIndex(tab++);
    text(&SSFrame1, 120, 1920, 1815, "Axial Duration of Load");
    entry(AxialDurTextbox, &SSFrame1, 1980, 1890, 615, 4);
    AxialDurTextbox.setText("1.0");
    text(&SSFrame1, 120, 2280, 3360, "Wind Loads", true);
    text(&SSFrame1, 600, 2520, 855, "PSF Load").setAlignment(platform::Alignment::Center);
    text(&SSFrame1, 1560, 2520, 615, "Beg").setAlignment(platform::Alignment::Center);
    text(&SSFrame1, 2280, 2520, 615, "End").setAlignment(platform::Alignment::Center);
    platform::TextBox* zones[3][3] = {{&WindA, &BegA, &EndA}, {&WindB, &BegB, &EndB}, {&WindC, &BegC, &EndC}};
    const char* letters[] = {"A", "B", "C"};
    for (int row = 0; row < 3; ++row) {
        const double top = 2790 + 330.0 * row;
        text(&SSFrame1, 240, top + 30, 255, letters[row], true);
        entry(*zones[row][0], &SSFrame1, 600, top, 855, 5);
        entry(*zones[row][1], &SSFrame1, 1560, top, 615, 5);
        entry(*zones[row][2], &SSFrame1, 2280, top, 615, 5);
    }
    BegA.setText("0");
    text(&SSFrame1, 120, 3810, 3360, "Enter loads in lbs. Location in Ft.");
    text(&SSFrame1, 120, 4050, 3360, "Loads B and C are optional.");
    text(&SSFrame1, 120, 4320, 1815, "Wind Duration of Load");
    entry(DurWindTextbox, &SSFrame1, 1980, 4290, 615, 4);
    DurWindTextbox.setText("1.6");

    frame3D(SSFrame2, &WindFrame, 5400, 1260, 3615, 3615, "Dimension Lumber Criteria");
    entry(WindStudHt, &SSFrame2, 120, 300, 735, 6);
    text(&SSFrame2, 960, 330, 2535, "Stud Height in decimal ft.");
    text(&SSFrame2, 120, 690, 855, "Breadth");
    text(&SSFrame2, 1200, 690, 855, "Depth");
    text(&SSFrame2, 2160, 690, 1095, "OC Spacing");
    place(BreadthCombo, &SSFrame2, 120, 930, 855, 315);
    BreadthCombo.setTabIndex(tab++);
    text(&SSFrame2, 1005, 960, 165, "X");
    place(DepthCombo, &SSFrame2, 1200, 930, 855, 315);
    DepthCombo.setTabIndex(tab++);
    // Net sizes in inches, in the positions the check reads; the record prints these texts.
    for (const char* breadth : {"1-1/2", "2-1/2", "3-1/2", "3", "4-1/2", "6"}) {
        BreadthCombo.addItem(breadth);
    }
    for (const char* depth : {"3-1/2", "5-1/2", "7-1/4"}) {
        DepthCombo.addItem(depth);
    }
    entry(WindStudSpacing, &SSFrame2, 2280, 930, 495, 3);
    WindStudSpacing.setText("16");
    text(&SSFrame2, 2820, 960, 375, "In.");
    text(&SSFrame2, 120, 1320, 3360, "Edit Species, Grade and Base Values");
    place(WindStudCombo, &SSFrame2, 120, 1560, 3360, 315);
    WindStudCombo.setStyle(platform::ComboStyle::DropDownCombo);
    WindStudCombo.setText("WindStudCombo");
    WindStudCombo.setTabIndex(tab++);
    text(&SSFrame2, 120, 1950, 975, "Fb").setAlignment(platform::Alignment::Center);
    text(&SSFrame2, 1200, 1950, 975, "Fc ll").setAlignment(platform::Alignment::Center);
    text(&SSFrame2, 2280, 1950, 975, "E x10^6").setAlignment(platform::Alignment::Center);
    for (platform::TextBox* box : {&WindStudFb, &WindStudFc, &WindStudE}) {
        entry(*box, &SSFrame2, box == &WindStudFb ? 120 : box == &WindStudFc ? 1200 : 2280, 2190, 975, 0);
    }
    place(RepWindStud, &SSFrame2, 120, 2640, 3360, 285);
    RepWindStud.setCaption("Apply Repetitive Use Factor Cr");
    RepWindStud.setValue(1);
    RepWindStud.setTabIndex(tab++);
    place(RepIBCCheck, &SSFrame2, 120, 3000, 3360, 285);
    RepIBCCheck.setCaption("Complies w/ IBC 2306.2.1 special Cr");
    RepIBCCheck.setTabIndex(tab++);

    text(&WindFrame, 3840, 240, 5175, FrameNote, false, 975);
    designStudSketch();

    text(&WindFrame, 120, 5040, 615, "Status:");
    place(StudStatusLabel, &WindFrame, 780, 4995, 1575, 315);
    StudStatusLabel.setBackColor(White);
    StudStatusLabel.setBorderStyle(1);
    StudStatusLabel.setAlignment(platform::Alignment::Center);
    button3D(StudOKCalcbutton, &WindFrame, 5400, 4950, 1575, 435, "OK Calculate");
    StudOKCalcbutton.setTabIndex(tab++);
    button3D(StudReportbutton, &WindFrame, 7200, 4950, 1575, 435, "Report");
    StudReportbutton.setTabIndex(tab++);
}

// The stud between the two sub-frames: a tall white bar, three load blocks against it, the Beg and
// End marks of the zones from the foot up, the axial load above.
void Form18::designStudSketch()
{
    int caption = 30;
    auto text = [&](double left, double top, double width, std::string_view words, bool bold = false,
                    std::uint32_t back = 0, bool filled = false) {
        platform::Label& l = StudCaption[caption++];
        label(l, &WindFrame, left, top, width, 255, words);
        l.setFontBold(bold);
        if (filled) {
            l.setTransparent(false);
            l.setBackColor(back);
            l.setBorderStyle(1);
        }
    };
    text(3960, 1260, 1335, "Axial load R:");
    text(3960, 1500, 1335, "PLF and/or P");
    text(3960, 1800, 1335, "Stud Height");
    platform::Label& bar = StudCaption[caption++];
    place(bar, &WindFrame, 4560, 2040, 255, 2700);
    bar.setBackColor(White);
    bar.setBorderStyle(1);
    const char* arrows[] = {"C ->", "B ->", "A ->"};
    for (int block = 0; block < 3; ++block) {
        const double top = 2100 + 840.0 * block;
        text(4020, top, 510, "End");
        text(4020, top + 420, 510, block == 2 ? "Beg 0" : "Beg");
        text(4860, top + 150, 495, arrows[block], true);
        platform::Label& load = StudCaption[caption++];
        place(load, &WindFrame, 4860, top + 420, 435, 255);
        load.setBackColor(platform::rgb(192, 220, 255));
        load.setBorderStyle(1);
    }
}

} // namespace columns
