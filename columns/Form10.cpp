// Form10's proposals, picks, column report, help messages and menus.
#include "columns/Form10.h"

#include "app/DesignHelpers.h"
#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "columns/SteelColumnDesign.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/RecordState.h"

namespace columns
{

namespace
{
constexpr const char* Title = "Korvanta";
using platform::num::format;
using platform::num::leadingNumber;
using platform::num::numberText;
constexpr const char* SeeSizes = "Click on a 'quick pick' button under Square Tubes or Round Pipe. You may "
                                 "edit the column size by typing in any "
                                 "valid square or round column size available in Korvanta.  To see available "
                                 "sizes, click on the raised gray "
                                 "square next to the 'Size' above.";
} // namespace

Form10::Form10(app::Program& program) : Form(program.runtime, "Form10"), m_program(program) {}

void Form10::Form_Load()
{
    app::CenterForm(m_program, *this);
}

void Form10::setOnward(bool enabled)
{
    PrintPreviewbutton.setEnabled(enabled);
    MnuGotoDataRecord.setEnabled(enabled);
}

void Form10::Form_Activate()
{
    try {
        app::CenterForm(m_program, *this);
        Label1.setCaption(
            "Click on a 'quickpick' button below to select type of column. You may edit the column size "
            "to test a column not displayed.  Then click on the Report button.");
        Label50.setCaption(
            "Column loading: concentric axial on a primary member only.  Maximum Kl/r is 200.  All "
            "selections are symetrical in regards to both axis, therefore the maximum unbraced length "
            "entered as plane D1 governs.");
        setOnward(false);
        ColumnState& cs = m_program.columnState;
        Form18& f18 = m_program.form18;
        cs.criteria.ColP = platform::num::toSingle(leadingNumber(f18.cReacText.text()));
        cs.StlColL = platform::num::toSingle(leadingNumber(f18.cD1text.text()) * 12.0);
        cs.criteria.ColKe = platform::num::toSingle(leadingNumber(f18.cModeText.text()));
        const auto proposals = proposeSteelColumns(cs.criteria.ColP, cs.StlColL, cs.criteria.ColKe);
        StdRndBut.setCaption(proposals.standard);
        ExtraRndbut.setCaption(proposals.extraStrong);
        DblRndBut.setCaption(proposals.doubleExtraStrong);
        for (int i = 0; i <= 2; ++i) {
            TubeCol(i).setCaption(proposals.tubes[static_cast<std::size_t>(i)]);
        }
        clearReport();
        StlColSizeText.setText("");
        StlColGrade.setCaption("");
        Label60.setVisible(proposals.noneWork());
    } catch (const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error at Form 10 activate", platform::Buttons::OK, platform::Icon::None,
                                 Title);
    }
}

void Form10::clearReport()
{
    for (platform::Label* l : {&Label19, &Label36, &Label37, &Label38, &Label39, &Label32, &Label33,
                               &Label51, &Label34, &Label35, &Label22, &Label23, &Label24, &Label25,
                               &Label26, &Label27, &Label28, &Label29, &Label31, &Label30, &Label21}) {
        l->setCaption("");
    }
}

void Form10::Form_QueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

// A family button's caption is matched only within its own rows: the family decides the grade.
void Form10::pickProposal(platform::CommandButton& button, int firstRow, int endRow)
{
    const std::string caption = button.caption();
    StlColSizeText.setText(caption);
    for (int row = firstRow; row < endRow; ++row) {
        const auto& entry = SteelColumnTable[static_cast<std::size_t>(row)];
        if (entry.designation == caption) {
            StlColGrade.setCaption(entry.typeAndGrade);
            StlColReportBut_Click();
            return;
        }
        StlColGrade.setCaption("");
    }
}

void Form10::StlColSizeText_Change()
{
    setOnward(false);
}

void Form10::StlColReportBut_Click()
{
    try {
        setOnward(true);
        const std::string size = StlColSizeText.text();
        const std::string grade = StlColGrade.caption();
        if (grade.empty() || size.empty()) {
            m_program.runtime.beep();
            m_program.runtime.msgBox(std::string("Please enter a steel column size above.  ") + SeeSizes,
                                     platform::Buttons::OK, platform::Icon::None, Title);
            StlColSizeText.setFocus();
            setOnward(false);
            return;
        }
        if (!steelColumnDesignationExists(size)) {
            m_program.runtime.msgBox(
                std::string(
                    "Please enter a steel column size that matches a size from the Korvanta database.  ") +
                    SeeSizes,
                platform::Buttons::OK, platform::Icon::None, Title);
            StlColSizeText.setFocus();
            setOnward(false);
            return;
        }
        const int row = findSteelColumnRow(size, grade);
        if (row < 0) {
            m_program.runtime.msgBox(
                "Korvanta could not find a match in the database for the size entered. Please "
                "click the small, gray, raised button next to 'Size' to see a list of acceptable "
                "entries.",
                platform::Buttons::OK, platform::Icon::None, Title);
            setOnward(false);
            return;
        }
        fillReport(row);
    } catch (const platform::RuntimeError&) {
        // Half a report, or the last size's report under this size, must not stand as a check.
        m_program.runtime.msgBox("Error at Steel Column Report Button", platform::Buttons::OK,
                                 platform::Icon::None, Title);
        clearReport();
        setOnward(false);
    }
}

namespace
{
void showStatus(platform::Label& label, bool ok)
{
    label.setCaption(ok ? "OK" : "Fail");
    platform::FontSpec font = label.font();
    font.italic = !ok;
    label.setFont(font);
    label.setForeColor(ok ? app::design::Black : app::design::DarkRed);
}
} // namespace

void Form10::fillReport(int row)
{
    ColumnState& cs = m_program.columnState;
    const float load = cs.criteria.ColP;
    cs.steel = reportSteelColumn(row, load, cs.StlColL, cs.criteria.ColKe);
    const SteelColumnReport& r = cs.steel;
    const auto& entry = SteelColumnTable[static_cast<std::size_t>(row)];
    const double kips = double{load} / 1000.0;
    Label19.setCaption(format(double{load}, "#,###"));
    Label36.setCaption(numberText(r.StlColFy));
    Label37.setCaption(numberText(StlColE / 1000.0f));
    Label38.setCaption(numberText(r.StlColCc));
    Label39.setCaption(numberText(r.StlColWeight));
    Label32.setCaption(format(cs.criteria.ColKe, "0.00"));
    Label33.setCaption(m_program.form18.cD1text.text());
    Label51.setCaption(cs.StlColL > 0 ? format(cs.StlColL, "##") : "0");
    Label34.setCaption(format(r.StlColR, "##0.0#"));
    Label35.setCaption(format(r.StlColFa, "##0.0"));
    Label22.setCaption(format(r.StlColKLr, "#0"));
    Label23.setCaption("200");
    showStatus(Label24, r.slendernessOK);
    Label25.setCaption(r.StlColKLr > 0 ? format(double{r.StlColKLr} / 200.0 * 100.0, "##") + "%" : "0%");
    Label26.setCaption(format(kips / r.StlColArea, "#0.0"));
    Label27.setCaption(format(r.StlColFa, "#0.0"));
    Label28.setCaption(format(r.StlColArea, "#0.0"));
    Label29.setCaption(format(kips / r.StlColFa, "#0.0"));
    showStatus(Label30, r.strengthOK);
    Label31.setCaption(format(kips / r.StlColFa / r.StlColArea * 100.0, "##") + "%");
    Label21.setCaption(entry.tubeSize.empty() ? format(entry.outsideDiameterIn, "##.0##")
                                              : std::string(entry.tubeSize));
}

void Form10::helpMessage(int button)
{
    auto& rt = m_program.runtime;
    switch (button) {
    case 7:
        rt.msgBox("Steel Column sizes available are:\r\rRound Pipe all strengths:  3 inch to 6 inch "
                  "diameter\r\rSquare "
                  "Tubes:  3x3, 4x4, 5x5, 6x6 and 8x8 in available thickness of 1/4, 3/8, and 1/2.  All "
                  "columns are "
                  "non-compact sections.",
                  platform::Buttons::OK, platform::Icon::None, Title);
        break;
    case 1:
        rt.msgBox(
            "Type and Grade for steel columns:\r\rSteel Pipe Columns are unfilled columns manufactured at Fy "
            "= 36 "
            "ksi, ASTM A501.  An alternative, ASTM A53, Type E or S in Grade B may also be specified. It "
            "furnishes Fy = 35 ksi. AISC manual allows for A53 to be designed at stresses allowed for Fy = "
            "36 ksi "
            "steel.\r\rStructural Tubing Columns are manufactured to Fy = 46 ksi per ASTM A500, in Grade B.  "
            "All "
            "tubes meet the requirements of non-compact sections.");
        break;
    case 2:
        rt.msgBox("Square Tube Sizes are actual net outside dimensions and actual net wall thickness.",
                  platform::Buttons::OK, platform::Icon::None, Title);
        break;
    case 3:
        rt.msgBox("Round Pipe column sizes are identified by their nominal outside diameter.  Their actual "
                  "net outside "
                  "dimension will be displayed in the Column Report below under 'Actual O. D.' in inches.",
                  platform::Buttons::OK, platform::Icon::None, Title);
        break;
    default:
        rt.msgBox("Column self weight is ignored in Korvanta calculations because it is negligible in "
                  "regards to the "
                  "allowable loads.",
                  platform::Buttons::OK, platform::Icon::None, Title);
        break;
    }
}

void Form10::PrintPreviewbutton_Click()
{
    m_program.form23.showDesign();
    hide();
}

void Form10::NotesButton_Click()
{
    m_program.form21.show();
}

void Form10::backmnu_Click()
{
    hide();
    m_program.form18.show();
}

void Form10::MnuNew_Click()
{
    m_program.form18.show();
    hide();
    m_program.form18.ResetColumnCriteria();
}

// Leaving the columns ends a loaded record's hold on the report header form's Back and Close, as the
// other column forms' exits do.
void Form10::MnuExit_Click()
{
    m_program.record.WoodColRecordLoaded = 0;
    m_program.record.SteelColRecordLoaded = 0;
    m_program.form18.unload();
    m_program.form19.unload();
    m_program.form20.unload();
    unload();
    m_program.form23.unload();
    m_program.form1Window.show();
}

void Form10::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form10";
}

} // namespace columns
