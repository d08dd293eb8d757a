// FormNotchwise's load, the member and notch choices and the menus that leave, renew and explain the form.
#include "notch/FormNotchwise.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "notch/NotchFormulas.h"
#include "notch/NotchRoutines.h"
#include "notch/NotchValues.h"
#include "notch/NotchwisePrintForm.h"
#include "notch/StdSizesForm.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace notch
{

namespace
{
constexpr std::uint32_t White = platform::rgb(255, 255, 255);
constexpr std::uint32_t LightGrey = platform::rgb(192, 192, 192);
constexpr const char* NotchTexts[] = {"Tension Notch", "Compression Notch", "Tapered Notch"};
constexpr const char* ExitQuestion = "Do you wish to exit Notches?";
} // namespace

FormNotchwise::FormNotchwise(app::Program& program)
    : Form(program.runtime, "FormNotchwise"), m_program(program)
{}

void FormNotchwise::Form_Load()
{
    NotchValues& v = m_program.notchValues;
    const app::SharedState& s = m_program.state;
    app::CenterForm(m_program, *this);

    for (const char* year : {"2018", "2015", "2012", "2005"}) {
        NDSyearList.addItem(year);
    }
    // The program's edition, newest first; under 1997 or 2001 no entry is chosen.
    const std::pair<std::int16_t, std::int16_t> editions[] = {
        {s.NDS2018, 2018}, {s.NDS2015, 2015}, {s.NDS2012, 2012}, {s.NDS2005, 2005}};
    for (int i = 0; i < 4; ++i) {
        if (editions[i].first == -1) {
            v.NotchNDSYear = editions[i].second;
            NDSyearList.setListIndex(i);
            break;
        }
    }

    for (const char* duration : {"1.0", "1.15", "1.25", "0.9"}) {
        DurListbox.addItem(duration);
    }
    DurListbox.setListIndex(0);
    DateNW.setText(platform::num::formatDate(m_program.runtime.clock().now(), "m/d/yy"));

    RecShape.setVisible(true);
    bLabel.setVisible(true);
    dLabel.setVisible(true);
    Rdshape.setVisible(false);
    diamline.setVisible(false);
    diamlabel.setVisible(false);

    for (const char* text : NotchTexts) {
        NotchListBox.addItem(std::string("  ") + text);
    }
    NotchListBox.setListIndex(0);
    ImageCompressionNotch.setVisible(true);
    v.NotchPitchInDegrees = 0;

    MemberListBox.addItem(" Solid Sawn, Rectangular");
    MemberListBox.addItem(" Solid Sawn, Round (Log)");
    MemberListBox.addItem(" Glu-Lam, Rectangular");
    MemberListBox.setListIndex(v.NotchMemberIndex == -1 ? 0 : v.NotchMemberIndex);

    FillNotchSpeciesList(m_program);
    SpecieCombo.setListIndex(0);
}

void FormNotchwise::Form_Activate()
{
    app::CenterForm(m_program, *this);
}

void FormNotchwise::Form_QueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason != platform::UnloadReason::CloseBox) {
        return;
    }
    if (m_program.runtime.msgBox(ExitQuestion, platform::Buttons::OKCancel, platform::Icon::Question,
                                 "Korvanta") != platform::MsgResult::OK) {
        cancel = true;
        return;
    }
    m_program.notchwisePrintForm.unload();
    m_program.stdSizesForm.unload();
    m_program.form1Window.show();
}

void FormNotchwise::MemberListBox_Click()
{
    NotchValues& v = m_program.notchValues;
    const int member = MemberListBox.listIndex();
    v.NotchMemberIndex = static_cast<std::int16_t>(member);
    ClearNotchResults(m_program);
    v.NotchMinDn = 0;
    v.NotchPitchAngle = 0;
    v.NotchRd = 0;
    v.NotchT = 0;
    v.NotchLengthE = 0;
    v.NotchDn = 0;
    v.NotchAn = 0;
    v.NotchRp = 0;
    dnTextbox.setText("");

    const bool round = member == static_cast<int>(MemberType::SawnRound);
    v.NotchMemberCode = static_cast<std::int16_t>(member);
    v.NotchGluLam = member == static_cast<int>(MemberType::GluLam) ? -1 : 0;
    StdSizeCmd.setEnabled(!round);
    FillNotchSpeciesList(m_program);

    const int previous = NotchListBox.listIndex();
    const int remembered = previous == 1 || previous == 2 ? previous : 0;
    NotchListBox.clear();
    if (round) {
        NotchListBox.addItem(NotchTexts[0]);
        NotchListBox.setListIndex(0);
    } else {
        for (const char* text : NotchTexts) {
            NotchListBox.addItem(text);
        }
        NotchListBox.setListIndex(remembered);
    }

    breadthtextbox.setEnabled(!round);
    breadthtextbox.setText("");
    breadthtextbox.setBackColor(round ? LightGrey : White);
    depthtextbox.setText("");

    // None of the editions offered has the shear stress factor.
    NoSplitCheckbox.setValue(0);
    NoSplitCheckbox.setEnabled(false);
    Chbutton.setEnabled(false);
    Fvtextbox.setText("");

    RecShape.setVisible(!round);
    bLabel.setVisible(!round);
    dLabel.setVisible(!round);
    Rdshape.setVisible(round);
    diamline.setVisible(round);
    diamlabel.setVisible(round);
    captionFvUnit();
    dnTextbox.setText("");
    captionWetUse();
}

void FormNotchwise::NotchListBox_Click()
{
    NotchValues& v = m_program.notchValues;
    platform::leaveOnError(
        [&] {
            ClearNotchResults(m_program);
            v.NotchMinDn = 0;
            v.NotchPitchAngle = 0;
            v.NotchRd = 0;
            v.NotchT = 0;
            v.NotchLengthE = 0;
            v.NotchDn = 0;
            v.NotchAn = 0;
            v.NotchRp = 0;
            dnTextbox.setText("");

            const int notch = NotchListBox.listIndex();
            if (notch >= 0) {
                ImageTensionNotch.setVisible(notch == 0);
                ImageCompressionNotch.setVisible(notch == 1);
                ImageTaperedNotch.setVisible(notch == 2);
                const bool usesE = notch != 0;
                const bool tapered = notch == 2;
                Label14.setVisible(tapered);
                eButton.setEnabled(usesE);
                eTextbox.setEnabled(usesE);
                eUnitLabel.setVisible(usesE);
                for (platform::CommandButton* button : {&tButton, &rdButton, &rpButton}) {
                    button->setEnabled(tapered);
                }
                for (platform::TextBox* box : {&tTextbox, &rdTextbox, &rpTextbox}) {
                    box->setEnabled(tapered);
                }
                tUnitLabel.setVisible(tapered);
                rdUnitLabel.setVisible(tapered);
                RPtoDegreeCmd.setVisible(tapered);
                for (platform::TextBox* box : {&eTextbox, &tTextbox, &rdTextbox, &rpTextbox}) {
                    box->setText("");
                }
            }
            ApplyMinimumDn(m_program);
            ShowNotchLengthStatus(m_program);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox("Error recalculating Dn while changing NotchListBox entry.",
                                     platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
        });
}

bool FormNotchwise::askExit(const char* title)
{
    return m_program.runtime.msgBox(ExitQuestion, platform::Buttons::OKCancel, platform::Icon::Question,
                                    title) == platform::MsgResult::OK;
}

void FormNotchwise::MnuExit_Click()
{
    if (!askExit("Notchwise")) {
        return;
    }
    unload();
    m_program.notchwisePrintForm.unload();
    m_program.stdSizesForm.unload();
    m_program.form1Window.show();
}

void FormNotchwise::MnuBack_Click()
{
    MnuExit_Click();
}

void FormNotchwise::MnuNew_Click()
{
    if (m_program.runtime.msgBox("Do you wish to CLEAR this calc and start a NEW Notchwise?",
                                 platform::Buttons::OKCancel, platform::Icon::Question,
                                 "Notchwise") != platform::MsgResult::OK) {
        return;
    }
    unload();
    show();
    DateNW.setText(platform::num::formatDate(m_program.runtime.clock().now(), "m/d/yy"));
}

void FormNotchwise::MnuHelp_Click()
{
    m_program.runtime.msgBox(
        "Most items in the Notchwise for Notches form have explanations built-in. Hold your cursor over an "
        "input "
        "box for tool tips or click on the raised buttons with titles to the left of the input boxes.  The "
        "NDS "
        "3.4.3.2 has a full explanation of the calculations and formulas for checking the shear at notched "
        "members.\r\r"
        "Procedure:\r"
        "1. Select the member type and shape, enter Shear V in lbs. without any reductions taken. Then enter "
        "a "
        "breadth and depth in decimal inches. (Select appropriate net sizes by clicking on the Select "
        "Standard "
        "Sizes button).\r\r"
        "2. Select the specie, NDS edition, values and adjustment factors.\r\r"
        "3. Select your Notch type and enter the 'dn' (depth remaining at notch). Please note the dn must be "
        "larger than the Minimum dn shown directly below this input box. Enter any additional dimensions "
        "that are "
        "requested (identified in the diagram to the right).\r\r"
        "4. Click the 'OK Calculate' button to generate a report.\r\r"
        "You may print or save your report (use the *.NWD extension).",
        platform::Buttons::OK, platform::Icon::None, "Notchwise Help");
}

void FormNotchwise::StdSizeCmd_Click()
{
    m_program.stdSizesForm.show();
}

} // namespace notch
