// Entries of the custom values form as they are typed, and the member class, timber shape,
// lamination and graded lumber options with what each shows, hides and clears.
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "scl/Form2.h"

#include <algorithm>

namespace scl
{

namespace num = platform::num;

namespace
{

struct ValueBoxRule
{
    bool partialPoint; // "." alone stands as the start of a decimal entry
    bool keepZeros;    // zero texts of digits and one point stay, so "0.092" can be typed key by key
    const char* message;
};

// A text of digits with at most one point and no other character.
bool digitsAndOnePoint(const std::string& text)
{
    return !text.empty() && std::count(text.begin(), text.end(), '.') <= 1 &&
           std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
}

} // namespace

void Form2::wireEntries()
{
    for (platform::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text8, &Diam}) {
        box->change([this, box] { checkValueBox(*box); });
    }
    for (platform::TextBox* box : {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7, &Diam}) {
        box->gotFocus([this] { app::SelectFieldText(m_program); });
    }
    Text5.change([this] {
        Label16.setCaption("");
        CmdTest.setDefault(true);
    });
    for (platform::OptionButton* option : {&Wid2x, &Wid4x, &Wid6x, &WidGLB, &WidGLBHDR}) {
        option->click([this, option] { memberClassSelected(*option); });
    }
    Rectoption.click([this] { Rectoption_Click(); });
    Roundoption.click([this] { Roundoption_Click(); });
    SPG.click([this] { SPG_Click(); });
    MSRCheckbox.click([this] { gradedLumberClicked(MSRCheckbox, MELCheckbox, true); });
    MELCheckbox.click([this] { gradedLumberClicked(MELCheckbox, MSRCheckbox, false); });
    CustomIngradeSP.click([this] { CustomIngradeSP_Click(); });

    PointerFb.click([this] {
        message(
            "Fb is the extreme fiber bending stress in PSI.   DO NOT ENTER CANADIAN VALUES.\r\r"
            "Fv is the horizontal shear value in PSI.\r\r"
            "Fc (perpendicular to the grain) is the compression limit at right angles to the grain "
            "direction of the member in PSI.\r\r"
            "E is the Modulus of Elasticity in PSI.\r"
            "Enter the appropriate value divided by 1,000,000\r"
            "(as shown in the example immediately below the box).\r\r"
            "Custom SCLs require a specific Size Factor. Enter the exponent of (12/d) in decimal form as "
            "stated in the manuf. literature.\r\r"
            "You may save and reload custom entered values. Select the buttons or File from the menu bar, "
            "selecting either SAVE or LOAD.  Your custom wood values have a default extension of "
            "'*.VAL'.  You may save values for standard and custom SCL beams by clicking the SAVE button "
            "and these values will be loaded automatically when you return and select that SCL.",
            platform::Icon::Information);
    });
    SSCommand1.click([this] {
        message(
            "Mechanically Graded Dimension Lumber - MSR and MEL\r\r"
            "Check this box if testing Machine Stress Rated (MSR) or Machine Evaluated Lumber (MEL).\r"
            "Enter the Fb and E values stated in NDS Table 4C and enter Fv and Fc from Table 4C Footnotes. "
            "Document your selection by entering the Commercial Grade and Species selected in the edit "
            "box below.\r"
            "Please Note: The Size factor, Cf, does not apply to mechanically graded lumber.");
    });
}

// Every change of a value box: a text that is no number of zero or more is emptied with the box's
// message; a zero is emptied silently, except the zero texts the E and exponent boxes must pass
// through while a decimal is typed. No beep: the ranges are "OK Calc"'s to enforce.
void Form2::checkValueBox(platform::TextBox& box)
{
    ValueBoxRule rule{false, false, ""};
    if (&box == &Text1) {
        rule.message = "Please enter a valid numeric Fb value.";
    } else if (&box == &Text2) {
        rule.message = "Please enter a valid numeric Fv value.";
    } else if (&box == &Text3) {
        rule.message = "Please enter a valid numeric Fc (perpendicular to grain) value.";
    } else if (&box == &Text4) {
        rule = {true, true, "Please enter a valid numeric E value\r(Modulus of Elasticity)"};
    } else if (&box == &Text8) {
        rule = {true, true,
                "Please enter a valid numeric Cf value, less than one.\r\rIf the Cf (12/d) exponent is given "
                "in the manufacturer's literature as a fraction, divide the fraction and enter the decimal "
                "equivalent."};
    } else {
        rule.message = "Please enter a valid numeric diameter in inches and decimal fraction, if any.";
    }

    if (&box != &Diam) {
        CmdTest.setEnabled(false);
        Label16.setCaption("");
    }
    const std::string text = box.text();
    const bool acceptable = text.empty() || (rule.partialPoint && text == ".") ||
                            (num::isNumberText(text) && num::leadingNumber(text) >= 0);
    if (!acceptable) {
        box.setText("");
        message(rule.message);
    }
    const std::string now = box.text();
    if (rule.keepZeros && digitsAndOnePoint(now)) {
        return;
    }
    if (!now.empty() && num::leadingNumber(now) == 0) {
        box.setText("");
    }
}

void Form2::memberClassSelected(platform::OptionButton& option)
{
    const bool twoX = &option == &Wid2x;
    const bool fourX = &option == &Wid4x;
    const bool timber = &option == &Wid6x;
    const bool gluLam = &option == &WidGLB;
    const bool header = &option == &WidGLBHDR;

    CmdTest.setEnabled(false);
    SPG.setVisible(gluLam);
    SPG.setValue(0);
    CustomIngradeSP.setVisible(twoX || fourX);
    if (!(twoX || fourX)) {
        CustomIngradeSP.setValue(0);
    }
    if (!timber) {
        Moresizes.setCaption("");
    }
    NDSlabel.setVisible(true);
    for (platform::Control* c :
         {static_cast<platform::Control*>(&MSRCheckbox), static_cast<platform::Control*>(&MELCheckbox),
          static_cast<platform::Control*>(&SSCommand1)}) {
        c->setVisible(twoX || fourX);
    }
    MSRCheckbox.setValue(0);
    MELCheckbox.setValue(0);
    FormFrame.setVisible(timber);
    Diam.setText("");
    if (timber) {
        Diam.setEnabled(false);
    }
    Rectoption.setValue(true);
    if (timber) {
        Label6.setVisible(false);
        Diam.setVisible(false);
    }
    Label16.setCaption("");
    // Every wood depth caption goes, the timber row's too: a caption of another class must not stay
    // on a button until the next "OK Calc".
    for (platform::CommandButton* b : {&Button2x, &Button22x, &Button32x, &Button42x, &Button4x, &Button6x,
                                       &button8x, &button10x, &but32, &But52}) {
        b->setCaption("");
    }
    for (int i = 0; i < 5; ++i) {
        ButG[i].setCaption("");
    }

    for (platform::Control* c :
         {static_cast<platform::Control*>(&Button2x), static_cast<platform::Control*>(&Button22x),
          static_cast<platform::Control*>(&Button32x), static_cast<platform::Control*>(&Button42x),
          static_cast<platform::Control*>(&Label22), static_cast<platform::Control*>(&Label23),
          static_cast<platform::Control*>(&Label24), static_cast<platform::Control*>(&Label25)}) {
        c->setVisible(twoX);
    }
    Button4x.setVisible(fourX);
    Label26.setVisible(fourX);
    for (platform::Control* c :
         {static_cast<platform::Control*>(&Button6x), static_cast<platform::Control*>(&button8x),
          static_cast<platform::Control*>(&button10x), static_cast<platform::Control*>(&Label7),
          static_cast<platform::Control*>(&Label21), static_cast<platform::Control*>(&Label28)}) {
        c->setVisible(timber);
    }
    for (int i = 0; i < 5; ++i) {
        ButG[i].setVisible(gluLam);
        LabG[i].setVisible(gluLam);
    }
    for (platform::Control* c :
         {static_cast<platform::Control*>(&but32), static_cast<platform::Control*>(&But52),
          static_cast<platform::Control*>(&Label14), static_cast<platform::Control*>(&Label31)}) {
        c->setVisible(header);
    }
    if (gluLam) {
        LabG[3].setCaption("8-3/4x");
        LabG[4].setCaption("10-3/4x");
    }
}

void Form2::Rectoption_Click()
{
    Diam.setText("");
    Diam.setEnabled(false);
    Diam.setVisible(false);
    Label6.setVisible(false);
    for (platform::Control* c :
         {static_cast<platform::Control*>(&Label7), static_cast<platform::Control*>(&Label21),
          static_cast<platform::Control*>(&Label28), static_cast<platform::Control*>(&Button6x),
          static_cast<platform::Control*>(&button8x), static_cast<platform::Control*>(&button10x)}) {
        c->setVisible(true);
    }
}

void Form2::Roundoption_Click()
{
    Diam.setEnabled(true);
    Diam.setText("");
    Diam.setVisible(true);
    Label6.setVisible(true);
    Moresizes.setCaption("");
    for (platform::Control* c :
         {static_cast<platform::Control*>(&Label7), static_cast<platform::Control*>(&Label21),
          static_cast<platform::Control*>(&Label28), static_cast<platform::Control*>(&Button6x),
          static_cast<platform::Control*>(&button8x), static_cast<platform::Control*>(&button10x)}) {
        c->setVisible(false);
    }
}

// Southern Pine 1-3/8 in. laminations make the two widest glu-lam beams narrower.
void Form2::SPG_Click()
{
    const bool pine = SPG.checked();
    LabG[3].setCaption(pine ? "8-1/2x" : "8-3/4x");
    LabG[4].setCaption(pine ? "10-1/2x" : "10-3/4x");
}

// MSR and MEL exclude each other and the Southern Pine values, whose Fb already holds the size factor.
void Form2::gradedLumberClicked(platform::CheckBox& box, platform::CheckBox& other, bool msr)
{
    std::int16_t& flag = msr ? m_program.beam.flags.MSRFlag : m_program.beam.flags.MELFlag;
    CmdTest.setEnabled(false);
    if (!box.checked()) {
        CustomIngradeSP.setEnabled(true);
        flag = 0;
        return;
    }
    CustomIngradeSP.setEnabled(false);
    CustomIngradeSP.setValue(0);
    flag = -1;
    other.setValue(0);
}

void Form2::CustomIngradeSP_Click()
{
    const bool on = CustomIngradeSP.checked();
    MSRCheckbox.setValue(0);
    MELCheckbox.setValue(0);
    MSRCheckbox.setEnabled(!on);
    MELCheckbox.setEnabled(!on);
}

} // namespace scl
