// Form20's activation, quick picks, "Update Report" and menus.
#include "columns/Form20.h"

#include "app/DesignHelpers.h"
#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnState.h"
#include "columns/Form10.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/RecordState.h"

#include <cmath>

namespace columns
{

namespace
{
constexpr const char* Title = "Korvanta";
using platform::num::format;
using platform::num::leadingNumber;
using platform::num::numberText;

void showStatus(platform::Label& label, bool ok)
{
    label.setCaption(ok ? "OK" : "Fail");
    platform::FontSpec font = label.font();
    font.italic = !ok;
    label.setFont(font);
    label.setForeColor(ok ? app::design::Black : app::design::DarkRed);
}
} // namespace

Form20::Form20(app::Program& program) : Form(program.runtime, "Form20"), m_program(program) {}

void Form20::setRecordAvailable(bool available)
{
    CmdColReportOK.setEnabled(available);
    MnuColData.setEnabled(available);
}

void Form20::ClearColumnPickResults()
{
    for (platform::Label* l : {&Label25, &Label49, &Label47, &Label65, &Label55, &Label58, &Label3,  &Label56,
                               &Label4,  &Label57, &Label21, &Label19, &Label45, &Label29, &Label39, &Label27,
                               &Label31, &Label43, &Label35, &Label37, &Label33, &Label41}) {
        l->setCaption("");
    }
}

void Form20::ResetColumnPickGrid()
{
    for (int i = 0; i <= 4; ++i) {
        ColDep(i).setCaption("");
    }
    D1selected.setText("");
    D2selected.setText("");
    SelectColumnText.setText("");
    setRecordAvailable(false);
}

void Form20::Form_Load()
{
    app::CenterForm(m_program, *this);
    setRecordAvailable(false);
}

void Form20::Form_Activate()
{
    app::CenterForm(m_program, *this);
    Label6.setCaption(
        "If D1 and D2 do not match your intended orientation to the beam and unbraced length, return to "
        "form 1 and reverse entries for D1 and D2.");
    Form18& f = m_program.form18;
    const char* names[5] = {"", "", "", "", ""};
    bool set = true;
    if (f.CNailedButton.value() || f.CBoltedButton.value()) {
        const char* builtUp[5] = {"", "(2) 2x", "(3) 2x", "(4) 2x", "(5) 2x"};
        std::copy(builtUp, builtUp + 5, names);
    } else if (f.cSolid4xbutton.value()) {
        names[0] = "2x";
        names[1] = "4x";
    } else if (f.CSolidButton.value()) {
        names[2] = "6x";
        names[3] = f.TimberButton.value() ? "8x" : "";
        names[4] = "10x";
    } else {
        set = false;
    }
    if (set) {
        for (int i = 0; i <= 4; ++i) {
            ColWid(i).setCaption(names[i]);
            ColDep(i).setVisible(*names[i] != '\0');
        }
    }
    if (f.TimberButton.value() || f.StringerButton.value()) {
        cLabelType.setCaption("6x+ Solid Sawn");
        cLabelvalue.setCaption(f.TimberButton.value() ? "Post and Timber" : "Beam and Stringer");
    } else if (f.FramingButton.value()) {
        cLabelType.setCaption(f.cSolid4xbutton.value()  ? "2x and 4x Solid Sawn"
                              : f.CNailedButton.value() ? "Built-up Nailed 2xs"
                              : f.CBoltedButton.value() ? "Built-up Bolted 2xs"
                                                        : "");
        cLabelvalue.setCaption("Dimension lumber");
    } else {
        cLabelType.setCaption("");
        cLabelvalue.setCaption("");
    }
}

void Form20::Form_QueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

void Form20::entry_Change(bool boldCaption, bool keepWeight)
{
    setRecordAvailable(false);
    if (!keepWeight) {
        ColPickCmdOK.setFontBold(boldCaption);
    }
    ClearColumnPickResults();
}

void Form20::ColDep_Click(int index)
{
    D1selected.setText(ColWid(index).caption());
    D2selected.setText(ColDep(index).caption());
    SelectColumnText.setText(m_program.columnState.criteria.ColSpecies);
    setRecordAvailable(false);
    ColPickCmdOK.setFontBold(false);
    NoneWorkLabel.setCaption("");
    ClearColumnPickResults();
    ColPickCmdOK_Click();
}

// The check of the picked size: false when the entries were refused.
bool Form20::CalcPickedWoodColumn()
{
    Form18& f = m_program.form18;
    ColumnState& cs = m_program.columnState;
    const WoodColumnSetup setup = f.woodSetup();
    const PickedWoodSize size = readPickedWoodSize(D1selected.text(), D2selected.text(), setup);
    if (size.refused != PickedEntry::None) {
        m_program.runtime.msgBox(size.message, platform::Buttons::OK, platform::Icon::None, Title);
        platform::TextBox& entry = size.refused == PickedEntry::D1 ? D1selected : D2selected;
        if (entry.canFocus()) {
            entry.setFocus();
        }
        cs.ColPickError = -1;
        return false;
    }
    try {
        ColumnCriteria& c = cs.criteria;
        using platform::num::toSingle;
        c.ColP = toSingle(leadingNumber(f.cReacText.text()));
        c.ColHeight = toSingle(leadingNumber(f.cHTtext.text()));
        c.ColL1 = toSingle(leadingNumber(f.cD1text.text()));
        c.ColL2 = toSingle(leadingNumber(f.cD2text.text()));
        c.ColFc = toSingle(leadingNumber(f.cFcText.text()));
        c.ColE = toSingle(leadingNumber(f.cEtext.text()));
        c.ColSpecies = SelectColumnText.text();
        c.ColCd = toSingle(leadingNumber(f.cDurText.text()));
        c.ColKe = toSingle(leadingNumber(f.cModeText.text()));
        checkPickedWoodColumn(size.d1In, size.d2In, c, setup, cs.factors);
    } catch (const platform::RuntimeError&) {
        // Values computed up to the failure would make a half-true report: the size is refused.
        m_program.runtime.msgBox("Column Pick Calc error", platform::Buttons::OK, platform::Icon::None,
                                 Title);
        cs.ColPickError = -1;
        ClearColumnPickResults();
        Dcontrollabel.setCaption("");
        return false;
    }
    return true;
}

void Form20::ColPickCmdOK_Click()
{
    NoneWorkLabel.setCaption("");
    struct Required
    {
        platform::TextBox* box;
        const char* message;
    };
    const Required required[] = {
        {&D1selected, "Please enter a column size for D1"},
        {&D2selected, "Please enter a column size for D2"},
        {&SelectColumnText, "Please enter a column species and grade for your documentation."}};
    for (const auto& r : required) {
        if (r.box->text().empty()) {
            m_program.runtime.beep();
            m_program.runtime.msgBox(r.message, platform::Buttons::OK, platform::Icon::None, Title);
            if (r.box->canFocus()) {
                r.box->setFocus();
            }
            setRecordAvailable(false);
            return;
        }
    }
    setRecordAvailable(true);
    ColPickCmdOK.setFontBold(false);
    ColumnState& cs = m_program.columnState;
    cs.ColPickError = 0;
    try {
        if (!CalcPickedWoodColumn()) {
            setRecordAvailable(false);
            ColPickCmdOK.setFontBold(true);
            return;
        }
        fillReport();
    } catch (const platform::RuntimeError&) {
        // A half-filled report must not become a record: the failure refuses the size.
        m_program.runtime.msgBox("Error calculating column adjustment factors", platform::Buttons::OK,
                                 platform::Icon::None, Title);
        cs.ColPickError = -1;
        ClearColumnPickResults();
        Dcontrollabel.setCaption("");
        setRecordAvailable(false);
        return;
    }
    if (CmdColReportOK.canFocus()) {
        CmdColReportOK.setFocus();
    }
}

// The report shows the plane of the smaller Cp (D2 on a tie) and the slenderness of the more slender
// plane, each le/d taken from le rounded to whole inches as it is shown.
void Form20::fillReport()
{
    const ColumnFactors& f = m_program.columnState.factors;
    const bool d1 = f.ColReportPlane == 1;
    const bool braced = f.ColLe1 == 0 && f.ColLe2 == 0;
    Label21.setCaption(numberText(d1 ? f.ColD1 : f.ColD2));
    Label19.setCaption(braced ? "0" : format(d1 ? f.ColLe1 : f.ColLe2, "#0"));
    Label29.setCaption(format(d1 ? f.ColFcE1 : f.ColFcE2, "###0"));
    Label39.setCaption(format(d1 ? f.ColCF1 : f.ColCF2, "#0.00"));
    Label45.setCaption(format(d1 ? f.ColCp1 : f.ColCp2, "#0.00"));
    Dcontrollabel.setCaption(d1 ? "D1 controls, d is the actual column width for D1."
                                : "D2 controls, d is the actual column width for D2.");
    Label65.setCaption("50");
    const double ratio1 = platform::num::div(leadingNumber(format(f.ColLe1, "#0")), f.ColD1);
    const double ratio2 = platform::num::div(leadingNumber(format(f.ColLe2, "#0")), f.ColD2);
    Label25.setCaption(braced ? "0" : format(std::fmax(ratio1, ratio2), "##"));
    const double shownRatio = leadingNumber(Label25.caption());
    showStatus(Label3, shownRatio <= 50);
    Label4.setCaption(format(shownRatio / 50.0 * 100.0, "##0") + "%");
    Label27.setCaption(format(f.ColCpc, "0.00"));
    Label31.setCaption(format(f.ColKcE, "0.00#"));
    Label33.setCaption(format(f.ColKf, "0.00"));
    Form18& f18 = m_program.form18;
    const bool incised = f18.ColIncised.value() != 0;
    const bool wet = f18.cWetButton.value() != 0;
    const float cmE = incised && !wet ? f.ColCiE : (incised ? f.ColCmE * f.ColCiE : f.ColCmE);
    const float cmFc = incised && !wet ? f.ColCiFc : (incised ? f.ColCmFc * f.ColCiFc : f.ColCmFc);
    Label35.setCaption(format(cmE, "0.00"));
    Label37.setCaption(format(cmFc, "0.00"));
    Label41.setCaption(format(f.ColFcStar, "##"));
    Label43.setCaption(format(double{f.ColEAdj} / 1000000.0, "##.0"));
    Label47.setCaption(format(f.ColArea, "##.0#"));
    Label49.setCaption(format(f.ColActualFc, "###"));
    Label55.setCaption(format(f.ColFcAdj, "###"));
    showStatus(Label56, f.ColActualFc <= f.ColFcAdj);
    Label57.setCaption(
        format(platform::num::toSingle(platform::num::div(f.ColActualFc, f.ColFcAdj) * 100.0), "##") + "%");
    Label58.setCaption(format(f.ColAreaReq, "##.0#"));
}

void Form20::CmdColReportOK_Click()
{
    m_program.form19.showDesign();
    hide();
}

void Form20::Command2_Click()
{
    m_program.form21.show();
}

void Form20::backmnu_Click()
{
    hide();
    m_program.form18.show();
}

void Form20::MnuNew_Click()
{
    m_program.form18.show();
    hide();
    m_program.form18.ResetColumnCriteria();
}

void Form20::MnuExit_Click()
{
    m_program.record.WoodColRecordLoaded = 0;
    m_program.record.SteelColRecordLoaded = 0;
    m_program.form18.unload();
    m_program.form19.unload();
    unload();
    m_program.form10.unload();
    m_program.form23.unload();
    m_program.form1Window.show();
}

void Form20::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form20";
}

} // namespace columns
