// Form1's species group or material: the list that chooses it and the steel shape options. Each choice
// resets the options that depend on the material and unloads the forms of the previous one.
#include "app/ClearSelection.h"
#include "app/CriteriaChoices.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "app/SpeciesList.h"
#include "columns/Form23.h"
#include "report/Form5.h"
#include "report/Form6.h"
#include "scl/Form2.h"
#include "steel/Form22.h"

#include <initializer_list>

namespace app
{

namespace
{

constexpr int SclListIndex = 7;
constexpr const char* UnbracedCaption = "Unbraced length in ft";
constexpr const char* BracedCaption = "Assumed fully braced";

void clearSelectionUnlessGuarded(Program& program)
{
    if (program.state.ChangeGuard == 0) {
        ClearSelection(program);
    }
}

void setUnbracedBoxes(Form1& f, const char* text, bool enabled)
{
    f.UBLtext.setText(text);
    f.UBLtext.setEnabled(enabled);
    f.CantUBLtext.setText(text);
    f.CantUBLtext.setEnabled(enabled);
}

// Tubes are checked for any unbraced length and plates are taken as braced, so those shapes fix both
// boxes; the other shapes open them again, turning a tube's "Any" into "0".
void applySteelShapeBracing(Form1& f)
{
    if (f.TUbutton.value()) {
        setUnbracedBoxes(f, "Any", false);
        f.UBLlabel.setCaption(UnbracedCaption);
    } else if (f.PLbutton.value() || f.DblPLbutton.value()) {
        setUnbracedBoxes(f, "0", false);
        f.UBLlabel.setCaption(BracedCaption);
    } else {
        const bool heldAny = f.UBLtext.text() == "Any";
        if (f.Multibutton.value()) {
            f.UBLtext.setText("0");
            f.UBLtext.setEnabled(false);
        } else {
            if (heldAny) {
                f.UBLtext.setText("0");
            }
            f.UBLtext.setEnabled(true);
        }
        if (heldAny) {
            f.CantUBLtext.setText("0");
        }
        f.CantUBLtext.setEnabled(true);
        f.UBLlabel.setCaption(f.Multibutton.value() ? BracedCaption : UnbracedCaption);
    }
    f.DepCombo.setListIndex(0);
}

void showWoodOptions(Form1& f)
{
    for (platform::CheckBox* option : {&f.Incised, &f.Wet, &f.Rep}) {
        option->setValue(0);
        option->setVisible(true);
    }
    f.Command3D7.setVisible(true);
    f.Command3D9.setVisible(true);
    f.Frame3D2.setVisible(true);
    f.Command3D10.setEnabled(true);
    f.Command3D28.setEnabled(true);
    for (platform::Control* steel :
         std::initializer_list<platform::Control*>{&f.StlTypes, &f.Label48, &f.DepCombo, &f.DepBorder}) {
        steel->setVisible(false);
    }
    for (platform::Control* wood :
         std::initializer_list<platform::Control*>{&f.Label6, &f.Dur, &f.Command3D15, &f.Command3D4}) {
        wood->setVisible(true);
    }
    f.DepthDesHelp.setVisible(false);
}

void showSteelOptions(Form1& f, Program& program)
{
    f.group(9).setValue(true);
    program.form2.unload();
    program.form5.unload();
    program.form6.unload();
    f.Reducechk.setValue(0);
    f.Reducechk.setEnabled(false);
    f.Roofbutton.setValue(0);
    for (platform::CheckBox* option : {&f.Incised, &f.Wet, &f.Rep}) {
        option->setValue(0);
        option->setVisible(false);
    }
    f.Command3D7.setVisible(false);
    f.Command3D9.setVisible(false);
    f.Frame3D2.setVisible(false);
    f.UBLtext.setVisible(true);
    f.UBLlabel.setVisible(true);
    f.UBL3DHelp.setVisible(true);
    if (f.PLbutton.value() || f.DblPLbutton.value()) {
        setUnbracedBoxes(f, "0", false);
        f.UBLlabel.setCaption(BracedCaption);
    } else if (f.TUbutton.value()) {
        setUnbracedBoxes(f, "Any", false);
        f.UBLlabel.setCaption(UnbracedCaption);
    }
    for (platform::Control* steel :
         std::initializer_list<platform::Control*>{&f.StlTypes, &f.Label48, &f.DepCombo, &f.DepBorder}) {
        steel->setVisible(true);
    }
    for (platform::Control* wood :
         std::initializer_list<platform::Control*>{&f.Label6, &f.Dur, &f.Command3D15, &f.Command3D4}) {
        wood->setVisible(false);
    }
    f.DepthDesHelp.setVisible(true);
    f.ksi50.setValue(program.state.DefaultSettings.Def50ksi);
}

} // namespace

void Form1::Combo1_Click()
{
    clearSelectionUnlessGuarded(m_program);
    Wet.setEnabled(true);
    Incised.setEnabled(true);
    if (!IncButton.value()) {
        Rep.setEnabled(true);
    }
    if (Multibutton.value()) {
        CantUBLtext.setEnabled(false);
        CantUBLtext.setText("");
        UBLtext.setText("");
        UBLtext.setEnabled(false);
        UBLlabel.setCaption(BracedCaption);
    } else {
        UBLtext.setVisible(true);
        UBLlabel.setVisible(true);
        UBL3DHelp.setVisible(true);
        CantUBLtext.setEnabled(true);
        UBLtext.setEnabled(true);
        UBLlabel.setCaption(UnbracedCaption);
    }
    INGRADE.setEnabled(true);
    INGRADE.setValue(-1);
    Reducechk.setValue(-1);
    Reducechk.setEnabled(true);

    const int position = Combo1.listIndex();
    if (position < 0 || position >= SpeciesCount) {
        return;
    }
    // The forms of the previous material are unloaded, so that nothing of it is shown for this one.
    if (position == SteelListIndex) {
        showSteelOptions(*this, m_program);
        return;
    }
    m_program.form2.unload();
    m_program.form22.unload();
    m_program.form23.unload();
    if (position == SclListIndex) {
        group(7).setValue(true);
        CantUBLtext.setText("");
        UBLtext.setText("");
        // Under NDS 1997 an SCL member is taken as fully braced.
        if (m_program.state.NDS1997 == -1) {
            setUnbracedBoxes(*this, "0", false);
            UBLlabel.setCaption(BracedCaption);
        } else {
            CantUBLtext.setEnabled(true);
            UBLtext.setEnabled(true);
            UBLlabel.setCaption(UnbracedCaption);
        }
        Wet.setValue(0);
        Wet.setEnabled(false);
        Incised.setValue(0);
        Incised.setEnabled(false);
        Rep.setValue(0);
    } else {
        group(SpeciesGroupOfListIndex(position)).setValue(true);
    }
    showWoodOptions(*this);
}

void Form1::WFbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}
void Form1::SFbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}
void Form1::CFbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}
void Form1::MCbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}
void Form1::TUbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}
void Form1::PLbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}
void Form1::DblPLbutton_Click()
{
    clearSelectionUnlessGuarded(m_program);
    applySteelShapeBracing(*this);
}

bool SpeciesGroupChosen(Program& program, int group)
{
    return program.form1.group(group).value();
}

bool WetServiceChosen(Program& program)
{
    return program.form1.Wet.checked();
}

bool HipOrValleyChosen(Program& program)
{
    return program.form1.IncButton.value();
}

std::string SpanText(Program& program)
{
    return program.form1.Span.text();
}

std::string DurationText(Program& program)
{
    return program.form1.Dur.text();
}

} // namespace app
