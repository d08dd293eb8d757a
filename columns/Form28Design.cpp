// The stud wall data record's look: every label as one row of layout data in twips, the five rectangles,
// the sketch, the print button and the menus.
#include "app/DesignHelpers.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "columns/Form28.h"
#include "columns/StudSketch.h"
#include "report/Form7.h"
#include "report/RecordState.h"

#include <array>

namespace columns
{

using namespace app::design;

namespace
{

// Style letters: B bold, I italic, U underline, C centred, R right-aligned, X single-line border.
struct LabelLayout
{
    int number;
    double left, top, width;
    const char* style;
    const char* caption;
    double height = 255;
};

constexpr LabelLayout Layout[] = {
    // Header rows.
    {1, 240, 60, 8655, "BC", ""},
    {2, 240, 300, 8655, "C", ""},
    {3, 240, 540, 8655, "IC", ""},
    {4, 240, 840, 4275, "", ""},
    {5, 4620, 840, 4275, "", ""},
    {6, 240, 1080, 4275, "", ""},
    {7, 4620, 1080, 1935, "", ""},
    {8, 6600, 1080, 1755, "", ""},
    {9, 8400, 1080, 495, "R", ""},
    {14, 210, 1380, 8625, "BR",
     "Combined Axial and Bending on Wind Loaded Solid Sawn Dimensional Wood Stud Wall"},
    // Selection band and conditions.
    {10, 300, 1680, 975, "IU", "Selection"},
    {12, 1260, 1620, 7635, "BX", "", 375},
    {13, 1500, 1695, 4515, "B", ""},
    {49, 6120, 1695, 2655, "IC", ""},
    {15, 300, 2100, 975, "IU", "Conditions"},
    {11, 1320, 2100, 7635, "", ""},
    {18, 1320, 2400, 7635, "",
     "Assumed full lateral bracing of narrow dimension (breadth) by sheathing or blocking."},
    {140, 1320, 2700, 7635, "",
     "Wall shall comply with IBC 2306.2.1 and IBC 1609.6 for special Repetitive Fb increase."},
    // Data block.
    {16, 600, 3060, 615, "I", "Data"},
    {23, 240, 3480, 1395, "R", "Stud wall Ht ="},
    {24, 1665, 3480, 495, "R", ""},
    {25, 2220, 3480, 375, "", "ft"},
    {59, 240, 3780, 1395, "R", "Unbraced D ="},
    {60, 1665, 3780, 495, "R", ""},
    {61, 2220, 3780, 375, "", "In."},
    {68, 240, 4080, 1395, "R", "Eff. Length Le  ="},
    {69, 1665, 4080, 495, "R", ""},
    {54, 2220, 4080, 375, "", "In."},
    {62, 240, 4380, 1395, "R", "Stud Area ="},
    {63, 1665, 4380, 495, "R", ""},
    {77, 2220, 4380, 375, "", "In \xC2\xB2"},
    {64, 240, 4680, 1395, "R", "Sec Modulus ="},
    {65, 1665, 4680, 495, "R", ""},
    {132, 2220, 4680, 375, "", "In \xC2\xB3 "},
    {82, 240, 4980, 1395, "R", "Wind Moment ="},
    {83, 1665, 4980, 495, "R", ""},
    {84, 2220, 4980, 435, "", "ft/lbs"},
    // Loads block.
    {20, 3180, 3060, 915, "IC", "Loads"},
    {26, 6480, 3060, 1095, "IC", "Load per Stud"},
    {19, 2820, 3420, 1695, "R", "Axial Load: Uniform"},
    {21, 4680, 3420, 735, "C", ""},
    {22, 5520, 3420, 495, "", "PLF"},
    {53, 6420, 3420, 735, "C", ""},
    {38, 7200, 3420, 375, "", "Lbs"},
    {55, 2820, 3720, 1695, "R", "Axial Load: Point"},
    {57, 4680, 3720, 735, "C", ""},
    {58, 5520, 3720, 495, "", "LBS"},
    {80, 6420, 3720, 735, "C", ""},
    {81, 7200, 3720, 375, "", "Lbs"},
    {141, 6060, 4020, 315, "R", "R="},
    {145, 6420, 4020, 735, "C", ""},
    {146, 7200, 4020, 375, "", "Lbs"},
    {27, 3240, 4140, 1515, "R", "Distance upward:"},
    {37, 4920, 4140, 495, "C", "Beg"},
    {40, 5460, 4140, 495, "C", "End"},
    {28, 2820, 4380, 1035, "R", "Wind A Unif"},
    {31, 3900, 4380, 495, "C", ""},
    {50, 4440, 4380, 435, "", "PSF"},
    {43, 4920, 4380, 495, "C", ""},
    {131, 5460, 4380, 495, "C", ""},
    {142, 6060, 4380, 315, "R", "A="},
    {34, 6420, 4380, 735, "C", ""},
    {39, 7200, 4380, 375, "", "PLF"},
    {29, 2820, 4680, 1035, "R", "Wind B Unif"},
    {32, 3900, 4680, 495, "C", ""},
    {51, 4440, 4680, 435, "", "PSF"},
    {44, 4920, 4680, 495, "C", ""},
    {47, 5460, 4680, 495, "C", ""},
    {143, 6060, 4680, 315, "R", "B="},
    {35, 6420, 4680, 735, "C", ""},
    {41, 7200, 4680, 375, "", "PLF"},
    {30, 2820, 4980, 1035, "R", "Wind C Unif"},
    {33, 3900, 4980, 495, "C", ""},
    {52, 4440, 4980, 435, "", "PSF"},
    {45, 4920, 4980, 495, "C", ""},
    {48, 5460, 4980, 495, "C", ""},
    {144, 6060, 4980, 315, "R", "C="},
    {36, 6420, 4980, 735, "C", ""},
    {42, 7200, 4980, 375, "", "PLF"},
    // Factors column.
    {139, 7800, 3060, 975, "IC", "Factors"},
    {66, 7740, 3300, 495, "R", "Ke ="},
    {67, 8280, 3300, 555, "", "1.000"},
    {73, 7740, 3600, 495, "R", "c ="},
    {74, 8280, 3600, 555, "", "0.800"},
    {56, 7740, 3900, 495, "R", "Rb ="},
    {79, 8280, 3900, 555, "", ""},
    {71, 7740, 4200, 495, "R", "Kce ="},
    {72, 8280, 4200, 555, "", "0.300"},
    {78, 7740, 4500, 495, "R", "Kbe ="},
    {136, 8280, 4500, 555, "", ""},
    {75, 7740, 4800, 495, "R", "Fce ="},
    {76, 8280, 4800, 555, "", ""},
    {137, 7740, 5100, 495, "R", "Fbe ="},
    {138, 8280, 5100, 675, "", ""},
    // Attributes table.
    {17, 240, 5580, 795, "IU", "Attributes"},
    {46, 1200, 5580, 795, "C", "Le/d"},
    {85, 2100, 5580, 795, "C", "Axial psi"},
    {86, 2940, 5580, 915, "C", "Bend psi"},
    {87, 3840, 5580, 915, "C", "Interaction"},
    {88, 300, 5880, 795, "C", "Actual"},
    {89, 300, 6180, 795, "C", "Critical"},
    {90, 300, 6480, 795, "C", "Status"},
    {91, 300, 6780, 795, "C", "Ratio"},
    {92, 1200, 5880, 795, "C", ""},
    {93, 2100, 5880, 795, "C", ""},
    {94, 3000, 5880, 795, "C", ""},
    {95, 3900, 5880, 795, "C", ""},
    {96, 1200, 6180, 795, "C", "50"},
    {97, 2100, 6180, 795, "C", ""},
    {98, 3000, 6180, 795, "C", ""},
    {99, 3900, 6180, 795, "C", "1.00"},
    {100, 1200, 6480, 795, "C", ""},
    {101, 2100, 6480, 795, "C", ""},
    {102, 3000, 6480, 795, "C", ""},
    {103, 3900, 6480, 795, "C", ""},
    {104, 1200, 6780, 795, "C", ""},
    {105, 2100, 6780, 795, "C", ""},
    {106, 3000, 6780, 795, "C", ""},
    {107, 3900, 6780, 795, "C", ""},
    // Values table.
    {147, 5220, 5580, 795, "IU", "Values"},
    {113, 6360, 5580, 795, "C", "Fb psi"},
    {114, 7140, 5580, 795, "C", "Fc II psi"},
    {115, 8040, 5580, 795, "C", "E psi x mil"},
    {108, 4860, 5880, 1335, "R", "Base Values"},
    {109, 4860, 6120, 1335, "R", "Base Adjusted"},
    {110, 4860, 6540, 1335, "R", "Size Factor CF"},
    {111, 4860, 6780, 1335, "R", "Duration Cd"},
    {112, 4860, 7020, 1335, "R", "Stability CL, Cp"},
    {70, 4860, 7260, 1335, "R", "Repetitive Cr"},
    {116, 6360, 5880, 795, "C", ""},
    {117, 7200, 5880, 795, "C", ""},
    {118, 8040, 5880, 795, "C", ""},
    {119, 6360, 6120, 795, "C", ""},
    {120, 7200, 6120, 795, "C", ""},
    {121, 8040, 6120, 795, "C", ""},
    {122, 6360, 6540, 795, "C", ""},
    {123, 7200, 6540, 795, "C", ""},
    {124, 8040, 6540, 795, "C", ""},
    {125, 6360, 6780, 795, "C", ""},
    {126, 7200, 6780, 795, "C", ""},
    {127, 8040, 6780, 795, "C", ""},
    {128, 6360, 7020, 795, "C", "1.0"},
    {129, 7200, 7020, 795, "C", ""},
    {130, 8040, 7020, 795, "C", ""},
    {133, 6360, 7260, 795, "C", ""},
    {134, 7200, 7260, 795, "C", ""},
    {135, 8040, 7260, 795, "C", ""},
};

bool has(const char* style, char letter)
{
    for (const char* c = style; *c != '\0'; ++c) {
        if (*c == letter) {
            return true;
        }
    }
    return false;
}

} // namespace

Form28::Form28(app::Program& program) : Form(program.runtime, "Form28"), m_program(program)
{
    platform::Label* named[] = {&Label1, &Label2, &Label4, &Label5, &Label6,
                                &Label7, &Label8, &Label9, &Label13};
    for (platform::Label* l : named) {
        m_labels[std::stoi(l->name().substr(5))] = l;
    }
    for (const LabelLayout& row : Layout) {
        if (m_labels.count(row.number) == 0) {
            m_ownLabels.push_back(
                std::make_unique<platform::Label>(*this, "Label" + std::to_string(row.number)));
            m_labels[row.number] = m_ownLabels.back().get();
        }
    }
}

platform::Label& Form28::label(int number)
{
    return *m_labels.at(number);
}

void Form28::design()
{
    setCaption("Korvanta   Wind/Stud Combined Loading Data Record");
    setClientSize(9210, 7095);
    setBackColor(White);
    for (const LabelLayout& row : Layout) {
        platform::Label& l = label(row.number);
        app::design::label(l, nullptr, row.left, row.top, row.width, row.height, row.caption);
        platform::FontSpec font;
        font.bold = has(row.style, 'B');
        font.italic = has(row.style, 'I');
        font.underline = has(row.style, 'U');
        l.setFont(font);
        if (has(row.style, 'C')) {
            l.setAlignment(platform::Alignment::Center);
        } else if (has(row.style, 'R')) {
            l.setAlignment(platform::Alignment::Right);
        }
        if (has(row.style, 'X')) {
            l.setBorderStyle(1);
        }
    }
    label(140).setVisible(false);
    struct Box
    {
        platform::Shape* shape;
        double left, top, width, height;
    };
    for (const Box& b : {Box{&Shape1, 1080, 5820, 3675, 1275}, Box{&Shape2, 2760, 3300, 4875, 2055},
                         Box{&Shape3, 6300, 5820, 2595, 615}, Box{&Shape4, 6300, 6480, 2595, 1095},
                         Box{&Shape5, 120, 3300, 2595, 2055}}) {
        place(*b.shape, nullptr, b.left, b.top, b.width, b.height);
        b.shape->setShape(platform::ShapeKind::Rectangle);
    }
    place(Image1, nullptr, 1380, 7680, 2295, 3975);
    registerStudSketch();
    Image1.setPicture(StudSketchPicture);
    button3D(CmdPrint, nullptr, 180, 2520, 915, 375, "Print");
    CmdPrint.setFontBold(true);
    menu(MnuBack, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuPrint, &MnuFile, "Print");
    menu(MnuExit, &MnuFile, "Exit");
    CmdPrint.click([this] { Print_Click(); });
    MnuPrint.click([this] { Print_Click(); });
    MnuBack.click([this] { Back_Click(); });
    MnuExit.click([this] { Back_Click(); });
}

void Form28::onLoad()
{
    app::CenterForm(m_program, *this);
}

void Form28::onQueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

void Form28::Print_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = 0;
    f.SteelColRequest = 0;
    f.StudRequest = true;
    m_program.form7.openForRecord();
}

// Back and File > Exit return to the column criteria form; the next Report builds the record anew.
void Form28::Back_Click()
{
    m_program.form18.show();
    hide();
    unload();
}

} // namespace columns
