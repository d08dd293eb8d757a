// Form18's loading and its material, value group, column type and species handlers: the species list of
// the group and the Fc and E its table gives.
#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnValueTables.h"
#include "columns/Form18.h"
#include "columns/Form20.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Runtime.h"

namespace columns
{

namespace
{
constexpr const char* Title = "Korvanta";
}

void Form18::setEditionCaption()
{
    const auto& s = m_program.state;
    std::string edition = "2001";
    if (s.NDS1997 != 0) {
        edition = "1997";
    } else if (s.NDS2012 == -1) {
        edition = "2012";
    } else if (s.NDS2015 == -1) {
        edition = "2015";
    } else if (s.NDS2018 == -1) {
        edition = "2018";
    } else if (s.NDS2005 == -1) {
        edition = "2005";
    }
    setCaption(" Korvanta Column Criteria Form 1  NDS " + edition);
}

void Form18::replaceSpeciesList(ColumnValueGroup group)
{
    ColSpeciesCombo.clear();
    if (group == ColumnValueGroup::DimensionLumber) {
        for (const auto& row : DimensionValueTable) {
            ColSpeciesCombo.addItem(row.speciesGrade);
        }
    } else {
        const int rows = group == ColumnValueGroup::PostAndTimber ? TimberRowCount : StringerRowCount;
        for (int i = 0; i < rows; ++i) {
            ColSpeciesCombo.addItem(TimberValueTable[static_cast<std::size_t>(i)].speciesGrade);
        }
    }
    ColSpeciesCombo.addItem("Custom");
}

void Form18::lookUpValues(ColumnValueGroup group)
{
    const auto values = lookupColumnValues(group, ColSpeciesCombo.text(), m_program.state.NDS1997 == -1);
    cFcText.setText(values ? platform::num::numberText(int{values->fcPsi}) : "");
    cEtext.setText(values ? platform::num::format(values->eMpsi, "0.0") : "");
}

void Form18::Form_Load()
{
    try {
        app::CenterForm(m_program, *this);
        setEditionCaption();
        ColIncised.setVisible(true);
        ColIncised.setValue(0);
        ColumnProj.setText(m_program.form1.Proj.text());
        CNailedButton.setEnabled(false);
        CBoltedButton.setEnabled(false);
        cSolid4xbutton.setEnabled(false);
        CSolidButton.setEnabled(true);
        CSolidButton.setValue(true);
        TimberButton.setValue(true);
        replaceSpeciesList(ColumnValueGroup::PostAndTimber);
        int position = 0;
        int group = -1;
        for (int i = 0; i <= 9; ++i) {
            if (m_program.form1.group(i).value()) {
                group = i;
            }
        }
        switch (group) {
        case 5:
        case 7:
        case 8:
            position = 39;
            break;
        case 3:
            position = 30;
            break;
        case 4:
            position = 15;
            break;
        case 1:
            position = 3;
            break;
        case 2:
            position = 24;
            break;
        case 6:
            position = 18;
            break;
        default:
            position = 0;
            break;
        }
        ColSpeciesCombo.setListIndex(position);
    } catch (const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error in column form 18 load", platform::Buttons::OK, platform::Icon::None,
                                 Title);
    }
}

void Form18::ColSpeciesCombo_Click()
{
    try {
        m_program.form20.SelectColumnText.setText("");
        if (TimberButton.value()) {
            lookUpValues(ColumnValueGroup::PostAndTimber);
        } else if (StringerButton.value()) {
            lookUpValues(ColumnValueGroup::BeamAndStringer);
        } else if (FramingButton.value()) {
            lookUpValues(ColumnValueGroup::DimensionLumber);
        } else {
            ColSpeciesCombo.setText("");
            cFcText.setText("");
            cEtext.setText("");
        }
    } catch (const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error picking Column Species", platform::Buttons::OK, platform::Icon::None,
                                 Title);
    }
}

namespace
{
void hideSheathing(Form18& f)
{
    f.ResetKf.setVisible(false);
    f.ResetKf.setValue(0);
    f.ResetLabel.setVisible(false);
    f.SheathHelpNote.setVisible(false);
}
} // namespace

void Form18::TimberButton_Click()
{
    try {
        cFcText.setText("");
        cEtext.setText("");
        hideSheathing(*this);
        CSolidButton.setValue(true);
        CSolidButton.setEnabled(true);
        cSolid4xbutton.setEnabled(false);
        CNailedButton.setEnabled(false);
        CBoltedButton.setEnabled(false);
        const std::string kept = ColSpeciesCombo.text();
        replaceSpeciesList(ColumnValueGroup::PostAndTimber);
        ColSpeciesCombo.setText(kept);
        lookUpValues(ColumnValueGroup::PostAndTimber);
    } catch (const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error at Post & timber selection");
    }
}

void Form18::StringerButton_Click()
{
    hideSheathing(*this);
    const std::string kept = ColSpeciesCombo.text();
    cFcText.setText("");
    cEtext.setText("");
    CSolidButton.setValue(true);
    CSolidButton.setEnabled(true);
    cSolid4xbutton.setEnabled(false);
    CNailedButton.setEnabled(false);
    CBoltedButton.setEnabled(false);
    replaceSpeciesList(ColumnValueGroup::BeamAndStringer);
    CSolidButton.setValue(true);
    ColSpeciesCombo.setText(kept);
    lookUpValues(ColumnValueGroup::BeamAndStringer);
}

void Form18::FramingButton_Click()
{
    CNailedButton.setEnabled(true);
    CBoltedButton.setEnabled(true);
    cSolid4xbutton.setEnabled(true);
    cSolid4xbutton.setValue(true);
    CSolidButton.setEnabled(false);
    cFcText.setText("");
    cEtext.setText("");
    std::string kept = ColSpeciesCombo.text();
    if (kept == "Southern Pine Select" || kept == "Southern Pine #1" || kept == "Southern Pine #2") {
        kept.clear();
    }
    replaceSpeciesList(ColumnValueGroup::DimensionLumber);
    ColSpeciesCombo.setText(kept);
    lookUpValues(ColumnValueGroup::DimensionLumber);
}

void Form18::solidType_Click()
{
    for (int i = 0; i <= 2; ++i) {
        Line19(i).setVisible(false);
    }
    for (int i = 0; i <= 7; ++i) {
        bolt(i).setVisible(false);
    }
    hideSheathing(*this);
}

void Form18::builtUpType_Click()
{
    for (int i = 0; i <= 2; ++i) {
        Line19(i).setVisible(true);
    }
    for (int i = 0; i <= 7; ++i) {
        bolt(i).setVisible(true);
    }
    ResetKf.setVisible(true);
    ResetKf.setValue(0);
    SheathHelpNote.setVisible(true);
    ResetLabel.setVisible(true);
}

namespace
{
// Every step of a material switch is tried; a failing one is reported and the next goes on.
template <class Step> void attempt(app::Program& program, const char* message, Step step)
{
    try {
        step();
    } catch (const platform::RuntimeError&) {
        program.runtime.msgBox(message, platform::Buttons::OK, platform::Icon::None, Title);
    }
}
} // namespace

void Form18::WoodButton_Click()
{
    const char* m = "Error at wood column button";
    attempt(m_program, m, [&] { setEditionCaption(); });
    attempt(m_program, m, [&] {
        ColIncised.setVisible(true);
        ColIncised.setValue(0);
    });
    attempt(m_program, m, [&] { ColSpeciesCombo_Click(); });
    attempt(m_program, m, [&] {
        cFcText.setEnabled(true);
        cEtext.setEnabled(true);
        Label16.setCaption("Fc II");
    });
    attempt(m_program, m, [&] {
        ColSpeciesCombo.setVisible(true);
        Panel3D2.setVisible(true);
        cWetButton.setEnabled(true);
    });
    attempt(m_program, m, [&] {
        cDurText.setEnabled(true);
        cDurText.setText("1.00");
        DurAdjbutton.setEnabled(true);
        DurAdjbutton.setCaption("<>");
    });
    attempt(m_program, m, [&] {
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 &CusColLabel, &ValueTypeFrame, &ColTypeFrame, &Label3, &Label10, &cD2text}) {
            c->setVisible(true);
        }
    });
    attempt(m_program, m, [&] {
        SteelInfoLabel.setVisible(false);
        SteelInfoTitle.setVisible(false);
    });
}

void Form18::SteelButton_Click()
{
    const char* m = "Error at steel column button";
    attempt(m_program, m, [&] { setCaption(" Korvanta Column Criteria Form 1"); });
    attempt(m_program, m, [&] { TimberButton.setValue(true); });
    attempt(m_program, m, [&] {
        Label16.setCaption("Fy");
        cFcText.setText("36,000");
        cEtext.setText("29");
        cFcText.setEnabled(false);
        cEtext.setEnabled(false);
    });
    attempt(m_program, m, [&] {
        ColSpeciesCombo.setVisible(false);
        Panel3D2.setVisible(false);
    });
    attempt(m_program, m, [&] {
        cWetButton.setValue(0);
        cWetButton.setEnabled(false);
        ColIncised.setVisible(false);
        ColIncised.setValue(0);
    });
    attempt(m_program, m, [&] {
        cDurText.setText("1.00");
        cDurText.setEnabled(false);
        DurAdjbutton.setCaption("");
        DurAdjbutton.setEnabled(false);
    });
    attempt(m_program, m, [&] {
        for (platform::Control* c : std::initializer_list<platform::Control*>{
                 &CusColLabel, &ValueTypeFrame, &ColTypeFrame, &Label3, &Label10, &cD2text}) {
            c->setVisible(false);
        }
    });
    attempt(m_program, m, [&] {
        SteelInfoLabel.setVisible(true);
        SteelInfoTitle.setVisible(true);
    });
}

} // namespace columns
