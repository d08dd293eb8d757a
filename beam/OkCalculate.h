// "OK Calculate" of the criteria form: captures the member options, checks the entries, adjusts the
// load boxes, analyses the loads and hands the beam to the selection form of its material. The form
// side (other forms, focus, progress window, box writes) is reached through OkCalculateUi.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"
#include "beam/EntryChecks.h"
#include "beam/GoverningMoments.h"
#include "beam/LoadTotals.h"

namespace beam
{

class OkCalculateUi : public BeamUi
{
  public:
    virtual void unloadLoadDiagram() = 0;      // Form11
    virtual void unloadCustomValuesForm() = 0; // Form2
    // Presses the area-load button (Command3D25), whose own click checks its boxes and may write UNIF
    // and LUNIF; the snapshot must then show the boxes as the button left them.
    virtual void pressAreaLoadButton(BeamCriteria& criteria) = 0;
    virtual void setFocus(const FocusTarget& target) = 0;
    virtual void resetCriteriaPointer() = 0;
    // Keeps the load texts as the user typed them, so that returning to the form can put them back
    // verbatim; called once all checks have passed, right before the boxes are adjusted.
    virtual void keepEnteredLoads() {}
    // Writes a box of the criteria form; its change rule runs at once (ChangeGuard is set meanwhile).
    virtual void writeBox(const BoxWrite& write) = 0;
    // Keeps the load texts as the analysis uses them (after the slope and spacing adjustment), for the
    // data record; called right after the boxes were adjusted.
    virtual void keepAnalysedLoads() {}
    virtual void showProgressWindow() = 0; // Form4 shown modeless and repainted
    virtual void setProgress(int percent) = 0;
    // Shows the selection form, whose activation runs inside the show, then hides Form1 and Form4.
    virtual void handOff(HandOff target) = 0;
};

// The whole calculation of one click. A check that refuses, the No answer to the long-overhang
// question and a trapped run-time error each end it; on every way out RefillGuard and ChangeGuard
// are released again, so later edits of the criteria clear the selection as they should.
void OkCalculate(BeamCriteria& criteria, BeamState& state, OkCalculateUi& ui);

} // namespace beam
