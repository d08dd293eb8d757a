// The stud frame's entry rules: the numeric check and zero rule of each box, the comma refusal, the
// zone copying, the spacing and repetitive-use rules, the spinner; the species list and its lookup.
#include "app/CriteriaChoices.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnValueTables.h"
#include "columns/Form18.h"
#include "columns/StudColumnRecord.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace columns
{

namespace num = platform::num;

namespace
{
constexpr std::int16_t Comma = 44;
constexpr std::int16_t CustomPosition = 48;

struct BoxRule
{
    platform::TextBox Form18::*box;
    const char* message;
    bool emptiesZero;
    bool refusesComma;
};

constexpr BoxRule BoxRules[] = {
    {&Form18::AxialPLFtextbox, "Please enter a valid numeric value for the Axial PLF Load.", false, true},
    {&Form18::AxialPointTextbox, "Please enter a valid numeric value for the Axial Point Load.", false, true},
    {&Form18::AxialDurTextbox, "Please enter a valid numeric value for the Axial Duration of Load.", false,
     false},
    {&Form18::WindA, "Please enter a valid numeric value for the Wind Load A.", true, true},
    {&Form18::BegA, "Please enter a valid numeric value for the Beg Distance A.", true, true},
    {&Form18::EndA, "Please enter a valid numeric value for the End Distance A.", true, true},
    {&Form18::WindB, "Please enter a valid numeric value for the Wind Load B.", true, true},
    {&Form18::BegB, "Please enter a valid numeric value for the Beg Distance B.", true, true},
    {&Form18::EndB, "Please enter a valid numeric value for the End Distance B.", true, true},
    {&Form18::WindC, "Please enter a valid numeric value for the Wind Load C.", true, true},
    {&Form18::BegC, "Please enter a valid numeric value for the Beg Distance C.", true, true},
    {&Form18::EndC, "Please enter a valid numeric value for the End Distance C.", true, true},
    {&Form18::DurWindTextbox, "Please enter a valid numeric value for the Wind Duration of Load.", false,
     true},
    {&Form18::WindStudHt, "Please enter a valid numeric value for the Stud Height.", true, true},
    {&Form18::WindStudFb, "Please enter a valid numeric value for the Fb base value.", true, true},
    {&Form18::WindStudFc, "Please enter a valid numeric value for the Fc base value.", true, false},
    {&Form18::WindStudE, "Please enter a valid numeric value for the E Base Value.", true, false},
};
} // namespace

void Form18::wireStudFrame()
{
    for (const BoxRule& rule : BoxRules) {
        platform::TextBox& box = this->*rule.box;
        box.change([this, &box, rule] { studEntryChanged(box, rule.message, rule.emptiesZero); });
        box.gotFocus([this] { app::SelectFieldText(m_program); });
        if (rule.refusesComma) {
            box.keyPress([this](std::int16_t& charCode) { studCommaKey(charCode); });
        }
    }
    WindStudSpacing.change([this] { WindStudSpacing_Change(); });
    WindStudSpacing.gotFocus([this] { app::SelectFieldText(m_program); });
    RepWindStud.click([this] { RepWindStud_Click(); });
    AxialDurSpinBut.click([this] { AxialDurSpinBut_Click(); });
    WindStudCombo.click([this] { WindStudCombo_Click(); });
    StudOKCalcbutton.click([this] { StudOKCalcbutton_Click(); });
    StudReportbutton.click([this] { StudReportbutton_Click(); });
}

void Form18::studCommaKey(std::int16_t& charCode)
{
    if (charCode != Comma) {
        return;
    }
    charCode = 0;
    m_program.runtime.msgBox("Please do not enter commas as thousand separators.", platform::Buttons::OK,
                             platform::Icon::Exclamation, "Korvanta");
}

void Form18::studEntryChanged(platform::TextBox& box, const char* message, bool emptiesZero)
{
    if (!studEntryAccepts(box.text())) {
        m_program.runtime.beep();
        box.setText("");
        m_program.runtime.msgBox(message, platform::Buttons::OK, platform::Icon::None, "Korvanta");
        if (box.canFocus()) {
            box.setFocus();
        }
    }
    if (emptiesZero && !box.text().empty() && num::leadingNumber(box.text()) == 0) {
        box.setText("");
    }
    if (&box == &WindB) {
        if (num::leadingNumber(WindB.text()) > 0) {
            BegB.setText(EndA.text());
        }
    } else if (&box == &WindC) {
        if (num::leadingNumber(WindC.text()) > 0) {
            BegC.setText(EndB.text());
        }
        if (num::leadingNumber(WindStudHt.text()) > 0) {
            EndC.setText(WindStudHt.text());
        }
    }
}

void Form18::WindStudSpacing_Change()
{
    // The refusal empties the box, whose own change then turns the empty text into "0": one beep and
    // one message for the one refused entry.
    if (!m_spacingRefusing && !studSpacingAccepts(WindStudSpacing.text())) {
        m_program.runtime.beep();
        m_spacingRefusing = true;
        WindStudSpacing.setText("");
        m_spacingRefusing = false;
        m_program.runtime.msgBox("Please enter a valid numeric value for the Stud spacing oc in inches.",
                                 platform::Buttons::OK, platform::Icon::None, "Korvanta");
        if (WindStudSpacing.canFocus()) {
            WindStudSpacing.setFocus();
        }
    }
    if (num::leadingNumber(WindStudSpacing.text()) == 0) {
        WindStudSpacing.setText("0");
    }
    const double spacing = num::leadingNumber(WindStudSpacing.text());
    RepIBCCheck.setEnabled(spacing <= 16);
    RepIBCCheck.setValue(0);
    RepWindStud.setEnabled(spacing <= 24);
    RepWindStud.setValue(0);
}

void Form18::RepWindStud_Click()
{
    if (RepWindStud.value() == 0) {
        RepIBCCheck.setEnabled(false);
        RepIBCCheck.setValue(0);
        return;
    }
    RepIBCCheck.setEnabled(true);
    RepIBCCheck.setValue(0);
    const double spacing = num::leadingNumber(WindStudSpacing.text());
    if (spacing > 16 || spacing == 0) {
        RepIBCCheck.setEnabled(false);
    }
}

void Form18::AxialDurSpinBut_Click()
{
    const std::string text = AxialDurTextbox.text();
    const double value = num::isNumberText(text) ? num::toDouble(text) : -1;
    const char* next = "1.0";
    if (value == 1) {
        next = "1.15";
    } else if (value == 1.15) {
        next = "1.25";
    } else if (value == 1.25) {
        next = "1.6";
    }
    AxialDurTextbox.setText(next);
}

void Form18::SetupWindStudSpecies()
{
    platform::ResumeNext next([this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error at Wind/Stud form 1", platform::Buttons::OK, platform::Icon::None,
                                 "Korvanta");
    });
    next([&] { ColumnProj.setFocus(); });
    next([&] {
        WindStudCombo.clear();
        for (const DimensionValueRow& row : DimensionValueTable) {
            WindStudCombo.addItem(row.speciesGrade);
        }
        WindStudCombo.addItem("Custom");
    });
    next([&] {
        auto chosen = [this](int group) { return app::SpeciesGroupChosen(m_program, group); };
        std::int16_t position = 14; // Hem-Fir #2: steel, or no species group
        if (chosen(8) || chosen(7) || chosen(5)) {
            position = CustomPosition;
        } else if (chosen(3)) {
            position = 42;
        } else if (chosen(4)) {
            position = 22;
        } else if (chosen(0)) {
            position = 2;
        } else if (chosen(1)) {
            position = 6;
        } else if (chosen(2)) {
            position = 32;
        } else if (chosen(6)) {
            position = 24;
        }
        WindStudCombo.setListIndex(position);
    });
}

void Form18::WindStudCombo_Click()
{
    platform::ResumeNext next([this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error changing Wind/Stud Species", platform::Buttons::OK,
                                 platform::Icon::None, "Korvanta");
    });
    const std::string species = WindStudCombo.text();
    for (const DimensionValueRow& row : DimensionValueTable) {
        if (row.speciesGrade == species) {
            const bool nds1997 = m_program.state.NDS1997 == -1;
            next([&] { WindStudFc.setText(num::numberText(nds1997 ? row.fcNds1997Psi : row.fcPsi)); });
            next([&] { WindStudFb.setText(num::numberText(row.fbPsi)); });
            next([&] { WindStudE.setText(num::format(row.eMpsi, "0.0")); });
            return;
        }
    }
    next([&] { WindStudFc.setText(""); });
    next([&] { WindStudFb.setText(""); });
    next([&] { WindStudE.setText(""); });
}

} // namespace columns
