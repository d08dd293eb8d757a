// Form18's entries, their checks, the two cycles, "D1 Fully Braced", "OK Calculate", New Column and the
// menus.
#include "columns/Form18.h"

#include "app/Form12.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "columns/ColumnState.h"
#include "columns/Form10.h"
#include "columns/Form18Notes.h"
#include "columns/Form19.h"
#include "columns/Form20.h"
#include "columns/Form23.h"
#include "columns/Form28.h"
#include "files/ColumnRecordFile.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"
#include "report/Form21.h"
#include "report/RecordState.h"

#include <array>

namespace columns
{

namespace
{

constexpr const char* Title = "Korvanta";
using platform::num::isNumberText;
using platform::num::leadingNumber;

constexpr const char* HeightMessage =
    "Please enter a valid numeric value for the column height in feet (and decimal fraction, if any)";
constexpr const char* KeMessage =
    "Please enter a valid numeric value for the Buckling Mode.  Click the <> button to "
    "the right to cycle through acceptable values for Ke.\r\rMost residential column "
    "connections would require a Ke of 1.0.";

std::string heightBelowMessage(const char* plane)
{
    return std::string("The actual column height is less than the column unbraced height in plane ") + plane +
           ". Sorry, but this is not possible. Please revise either the actual column height or the unbraced "
           "height.";
}

} // namespace

Form18::Form18(app::Program& program) : Form(program.runtime, "Form18"), m_program(program) {}

WoodColumnSetup Form18::woodSetup()
{
    WoodColumnSetup s;
    if (CNailedButton.value()) {
        s.type = ColumnType::Nailed;
    } else if (CBoltedButton.value()) {
        s.type = ColumnType::Bolted;
    } else if (cSolid4xbutton.value()) {
        s.type = ColumnType::Solid4x;
    } else {
        s.type = ColumnType::Solid6x;
    }
    s.group = FramingButton.value()    ? ColumnValueGroup::DimensionLumber
              : StringerButton.value() ? ColumnValueGroup::BeamAndStringer
                                       : ColumnValueGroup::PostAndTimber;
    s.wet = cWetButton.value() != 0;
    s.incised = ColIncised.value() != 0;
    s.d1FullyBraced = ResetKf.value() == 1;
    s.ColStudGrade = m_program.columnState.ColStudGrade;
    const auto& st = m_program.state;
    s.NDS1997 = st.NDS1997;
    s.eminRule = st.NDS2005 == -1 || st.NDS2012 == -1 || st.NDS2015 == -1 || st.NDS2018 == -1;
    return s;
}

void Form18::entry_Change(platform::TextBox& box)
{
    const std::string text = box.text();
    if (text.empty()) {
        return;
    }
    struct Rule
    {
        platform::TextBox* box;
        bool zeroAllowed; // 0 and above pass
        bool typingZero;  // a lone "0", "0." or "." stands while typing
        const char* message;
    };
    const std::array<Rule, 8> rules{{
        {&cReacText, false, false, "Please enter a valid numeric value for the column reaction in pounds."},
        {&cHTtext, false, false, HeightMessage},
        {&cD1text, true, false, HeightMessage},
        {&cD2text, true, false, HeightMessage},
        {&cFcText, false, false,
         "Please enter a valid numeric base value for the column Fc parallel to grain."},
        {&cEtext, false, true, "Please enter a valid numeric Base Value for the E (modulus of elasticity)."},
        {&cDurText, false, true, "Please enter a valid numeric value for the Duration of Load."},
        {&cModeText, false, true, KeMessage},
    }};
    for (const auto& rule : rules) {
        if (rule.box != &box) {
            continue;
        }
        if (rule.typingZero && (text == "0" || text == "0." || text == ".")) {
            return;
        }
        const bool ok = isNumberText(text) &&
                        (rule.zeroAllowed ? leadingNumber(text) >= 0 : platform::num::toDouble(text) > 0);
        if (!ok) {
            m_program.runtime.beep();
            box.setText("");
            m_program.runtime.msgBox(rule.message, platform::Buttons::OK, platform::Icon::None, Title);
        }
        return;
    }
}

void Form18::cReacText_KeyPress(std::int16_t& key)
{
    if (key == ',') {
        key = 0;
        m_program.runtime.msgBox("Please do not enter comma separators.", platform::Buttons::OK,
                                 platform::Icon::Exclamation, Title);
    }
}

void Form18::cHTtext_LostFocus()
{
    const double height = leadingNumber(cHTtext.text());
    if (height < leadingNumber(cD1text.text())) {
        m_program.runtime.beep();
        m_program.runtime.msgBox(heightBelowMessage("D1"), platform::Buttons::OK, platform::Icon::None,
                                 Title);
        cD1text.setText(cHTtext.text());
        cD1text.setFocus();
    } else if (WoodButton.value() && height < leadingNumber(cD2text.text())) {
        m_program.runtime.beep();
        m_program.runtime.msgBox(heightBelowMessage("D2"), platform::Buttons::OK, platform::Icon::None,
                                 Title);
        cD2text.setFocus();
        cD2text.setText(cHTtext.text());
    }
}

void Form18::DurAdjbutton_Click()
{
    const double cd = leadingNumber(cDurText.text());
    cDurText.setText(cd == 1 ? "1.15" : cd == 1.15 ? "1.25" : "1.00");
}

void Form18::Modeadjbutton_Click()
{
    const double ke = leadingNumber(cModeText.text());
    const char* next = "1.00";
    if (ke == 1) {
        next = "1.20";
    } else if (ke == 1.2) {
        next = "2.10";
    } else if (ke == 2.1) {
        next = "2.40";
    } else if (ke == 2.4) {
        next = "0.65";
    } else if (ke == 0.65) {
        next = "0.80";
    }
    cModeText.setText(next);
}

void Form18::ResetKf_Click()
{
    if (ResetKf.value() == 1) {
        cD1text.setText("0");
        m_program.runtime.msgBox("Unbraced Height of L1 should be zero as it is fully braced with sheathing.",
                                 platform::Buttons::OK, platform::Icon::None, Title);
    } else {
        cD1text.setText("");
    }
}

// The checks of "OK Calculate" in their order; the first refusal names its box and ends the click.
bool Form18::criteriaAccepted()
{
    auto refuse = [&](const std::string& message, platform::TextBox* focus) {
        m_program.runtime.beep();
        m_program.runtime.msgBox(message, platform::Buttons::OK, platform::Icon::None, Title);
        if (focus != nullptr && focus->canFocus()) {
            focus->setFocus();
        }
        return false;
    };
    auto emptyOrZero = [](platform::TextBox& box) {
        return box.text().empty() || leadingNumber(box.text()) == 0;
    };
    if (emptyOrZero(cReacText)) {
        return refuse("Please enter a reaction weight on the column.", &cReacText);
    }
    if (emptyOrZero(cHTtext)) {
        return refuse("Please enter an actual column height in feet (and decimal fraction, if any).",
                      &cHTtext);
    }
    // A Ke of 0 would take buckling away (Cp 1, steel Fa 0.6 Fy) and undersize every column.
    if (emptyOrZero(cModeText)) {
        return refuse(
            "Please enter a valid numeric Buckling Mode Value.  The default is 1.0.  For other appropriate "
            "values please click the on line help button (small raised gray square), next to Ke Buckling "
            "Mode.",
            &cModeText);
    }
    if (cD1text.text() == "0" && ResetKf.value() != 1) {
        ResetKf.setValue(1);
    }
    if (cD1text.text().empty()) {
        return refuse(
            "Please enter a valid numeric value for the unbraced length of the column in plane D1.  If D1 "
            "is braced throughout its length, please enter a zero.",
            &cD1text);
    }
    const double height = leadingNumber(cHTtext.text());
    if (height < leadingNumber(cD1text.text())) {
        return refuse(heightBelowMessage("D1"), &cD1text);
    }
    if (!WoodButton.value()) {
        return true;
    }
    if (cD2text.text().empty()) {
        return refuse(
            "Please enter a valid numeric value for the unbraced length of D2.  If D2 is braced throughout "
            "its length enter a zero.",
            &cD2text);
    }
    if (leadingNumber(cD1text.text()) == 0 && leadingNumber(cD2text.text()) == 0) {
        return refuse("Please enter at least one unbraced length of the column in plane D1 or D2.", &cD1text);
    }
    if (emptyOrZero(cDurText)) {
        return refuse("Please enter a valid numeric value for the duration of load.  The default is 1.0",
                      &cDurText);
    }
    if (height < leadingNumber(cD2text.text())) {
        return refuse(heightBelowMessage("D2"), &cD2text);
    }
    if (emptyOrZero(cFcText)) {
        return refuse("Please enter a base value for the column Fc parallel to grain value.", &cFcText);
    }
    const double fc = leadingNumber(cFcText.text());
    if (fc < 220 || fc >= 2500) {
        return refuse(
            "Please enter a base value between 220 and 2500 for the column Fc parallel to grain value.",
            &cFcText);
    }
    if (emptyOrZero(cEtext)) {
        return refuse("Please enter a base value for the column E value.", &cEtext);
    }
    const double e = leadingNumber(cEtext.text());
    if (e < 0.5 || e >= 2.5) {
        return refuse(
            "Please enter a base value between 0.5 and 2.5 for the column E value. Korvanta automatically "
            "multiplies the number entered by 1,000,000.",
            &cEtext);
    }
    if (ColSpeciesCombo.text().empty()) {
        m_program.runtime.beep();
        m_program.runtime.msgBox("Please enter a species and grade for your documentation.",
                                 platform::Buttons::OK, platform::Icon::None, Title);
        if (ColSpeciesCombo.canFocus()) {
            ColSpeciesCombo.setFocus();
        }
        return false;
    }
    if (height > 10 && FramingButton.value() && (ColSpeciesCombo.listIndex() % 4) == 3) {
        m_program.runtime.msgBox(
            "Attention:  Stud Grade is only applicable to members less than 10 feet in height. "
            "Please revise your grade selection or column height.",
            platform::Buttons::OK, platform::Icon::Exclamation, Title);
        return false;
    }
    return true;
}

void Form18::storeCriteria()
{
    ColumnState& cs = m_program.columnState;
    ColumnCriteria& c = cs.criteria;
    const int position = ColSpeciesCombo.listIndex();
    cs.ColStudGrade = FramingButton.value() && position >= 0 && position % 4 == 3 && position < 48 ? -1 : 0;
    using platform::num::toSingle;
    c.ColP = toSingle(leadingNumber(cReacText.text()));
    c.ColHeight = toSingle(leadingNumber(cHTtext.text()));
    c.ColL1 = toSingle(leadingNumber(cD1text.text()));
    c.ColFc = toSingle(leadingNumber(cFcText.text()));
    c.ColE = toSingle(leadingNumber(cEtext.text()));
    c.ColKe = toSingle(leadingNumber(cModeText.text()));
    if (WoodButton.value()) {
        c.ColSpecies = ColSpeciesCombo.text();
        c.ColCd = toSingle(leadingNumber(cDurText.text()));
        c.ColL2 = toSingle(leadingNumber(cD2text.text()));
    }
}

void Form18::CmdOK_Click()
{
    try {
        if (!criteriaAccepted()) {
            return;
        }
        storeCriteria();
        ColumnState& cs = m_program.columnState;
        if (SteelButton.value()) {
            hide();
            m_program.form10.show();
            return;
        }
        Form20& f20 = m_program.form20;
        f20.ResetColumnPickGrid();
        f20.ClearColumnPickResults();
        cs.picks = QuickPickWoodColumns(cs.criteria, woodSetup(), cs.factors);
        for (int i = 0; i <= 4; ++i) {
            f20.ColDep(i).setCaption(cs.picks.captions[static_cast<std::size_t>(i)]);
        }
        if (cs.picks.failed) {
            // The search reports its own failure and the form comes up with what it found.
            m_program.runtime.msgBox("ColCalc error");
        } else {
            f20.NoneWorkLabel.setCaption(
                cs.picks.noneWork ? "No columns from the database meet the requirements." : "");
        }
        f20.show();
        hide();
    } catch (const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error in Column OK");
    }
}

void Form18::ResetColumnCriteria()
{
    WoodButton.setValue(true);
    for (platform::TextBox* box : {&ColumnDescription, &columnID, &cReacText, &cHTtext, &cD1text, &cD2text}) {
        box->setText("");
    }
    cModeText.setText("1.00");
    cDurText.setText("1.00");
    cWetButton.setValue(0);
    CSolidButton.setValue(true);
    TimberButton.setValue(true);
}

void Form18::MnuNewCol_Click()
{
    if (m_program.runtime.msgBox("Starting a new column calculation removes the current data from memory.\r\r"
                                 "        NEED TO SAVE YOUR WORK?",
                                 platform::Buttons::YesNo, platform::Icon::Question,
                                 "SAVE YOUR WORK REMINDER") == platform::MsgResult::Yes) {
        return;
    }
    report::Form21& notes = m_program.form21;
    bool anyNote = false;
    for (platform::TextBox* line : notes.noteBoxes()) {
        anyNote = anyNote || !line->text().empty();
    }
    if (anyNote && m_program.runtime.msgBox("Do you wish to retain your notes for the next column?",
                                            platform::Buttons::YesNo, platform::Icon::Question,
                                            "SAVE YOUR NOTES REMINDER") == platform::MsgResult::No) {
        for (platform::TextBox* line : notes.noteBoxes()) {
            line->setText("");
        }
        for (std::string& note : m_program.state.ReportNotes) {
            note.clear();
        }
    }
    ResetColumnCriteria();
}

void Form18::Form_Activate()
{
    app::CenterForm(m_program, *this);
    // The stud record shows only what a check run since this activation computed.
    StudReportbutton.setEnabled(false);
    // A reaction can be imported only once a beam has been calculated.
    ImportButton.setVisible(m_program.beam.shear.ShearV > 0);
    SteelInfoLabel.setCaption("All steel column selections are symetrical in plane D1 and D2.  Your column "
                              "choices will be either round or "
                              "square.   The round columns have a design value Fy of 36 and square columns "
                              "have an Fy of 46.  Korvanta will "
                              "make Fy adjustments automatically, there is no need to edit the Fy or E "
                              "values.  Wet use and Duration of "
                              "load modifiers do not apply.  The K (Ke), 'buckling mode' default is 1.00.");
}

void Form18::Form_QueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

// A new column first, then the file. The record form comes up only with a loaded record, which its
// activations keep, and without the way back to criteria it does not stand on; a refused, cancelled or
// foreign file leaves this form where it was.
void Form18::MnuLoadWdCol_Click()
{
    MnuNewCol_Click();
    files::LoadWoodColumnRecord(m_program);
    if (m_program.recordFiles.WoodColLoadFailed == -1) {
        return;
    }
    Form19& f19 = m_program.form19;
    f19.holdLoadedRecord();
    f19.backmnu.setEnabled(false);
    f19.MnuGoto.setEnabled(false);
    hide();
    f19.show();
}

void Form18::MnuLdStlCol_Click()
{
    MnuNewCol_Click();
    files::LoadSteelColumnRecord(m_program);
    if (m_program.recordFiles.SteelColLoadFailed == -1) {
        return;
    }
    Form23& f23 = m_program.form23;
    f23.holdLoadedRecord();
    f23.backmnu.setEnabled(false);
    f23.MnuGoto.setEnabled(false);
    hide();
    f23.show();
}

void Form18::MnuExit_Click()
{
    m_program.record.flags.WoodColRequest = 0;
    m_program.record.flags.WoodColCurrent = 0;
    m_program.record.WoodColRecordLoaded = 0;
    m_program.record.SteelColRecordLoaded = 0;
    unload();
    m_program.form19.unload();
    m_program.form20.unload();
    m_program.form10.unload();
    m_program.form23.unload();
    m_program.form28.unload();
    m_program.form1Window.show();
}

void Form18::MnuHelp_Click()
{
    m_program.form12.show();
    hide();
    m_program.state.HelpReturnForm = "Form18";
}

void Form18::showNote(int note)
{
    m_program.runtime.msgBox(noteText(Form18Notes[static_cast<std::size_t>(note - 1)]), platform::Buttons::OK,
                             platform::Icon::None, Title);
}

} // namespace columns
