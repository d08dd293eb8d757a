// The program's shared values of the application shell: settings, edition flags, the state of the
// current run and the selection shown on the criteria form. One instance lives in the Program.
#pragma once

#include "app/DefaultSettingsRecord.h"
#include "beam/BeamState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace app
{

// Breadth, depth and species texts of the selected member, stored with the beam criteria.
struct SavedSelectionTexts
{
    std::string SelectionBreadth;
    std::string SelectionDepth;
    std::string SelectionSpecies;
};

struct SharedState
{
    // The guards are stored once, with the flags of the load analysis that sets them too.
    explicit SharedState(beam::CalcFlags& flags)
        : ChangeGuard(flags.ChangeGuard), RefillGuard(flags.RefillGuard)
    {}

    // --- Settings: the settings record in memory and what its load applied ---
    DefaultSettingsRecord DefaultSettings;
    std::string DefaultHeading1;
    std::string DefaultHeading2;
    std::string PrintFontName;              // "Arial" when empty, where a printout needs one
    std::string DefaultPrinterName;         // the default printer before the first print of the run
    std::int16_t CenterForms = 0;           // -1: CenterForm places forms
    std::int16_t RestoreDefaultPrinter = 0; // -1: set the default printer back after printing

    // NDS edition flags, -1 for the chosen edition; with none set the program runs as NDS 2001.
    std::int16_t NDS1997 = 0;
    std::int16_t NDS2001 = 0;
    std::int16_t NDS2005 = 0;
    std::int16_t NDS2012 = 0;
    std::int16_t NDS2015 = 0;
    std::int16_t NDS2018 = 0;

    // --- The current run ---
    // Time of day the program started, in seconds after midnight; empty until start-up sets it.
    std::optional<int> SessionStart;
    std::string HelpReturnForm;           // the form the manual returns to
    std::int16_t AutoPrintMode = 0;       // -1 while "Load and Print" runs the beam path by itself
    std::int16_t DeflectionLimitStep = 0; // position 0..4 of the deflection limit cycle on Form1

    // The program's own writes to the criteria form must not invalidate the selection.
    std::int16_t& ChangeGuard;
    std::int16_t& RefillGuard;

    // --- Selection shown on the criteria form's status line ---
    std::string SelectionStatus;      // "OK", "Fail" or empty
    std::string SelectionDescription; // the selected member
    std::string SavedSelectionDate;   // date stored with the selection in a loaded criteria file
    SavedSelectionTexts SavedSelection;
    bool RestoreSavedSelection = false; // a loaded criteria file asks the selection forms for its member
    std::int16_t ReportShown = 0;
    std::int16_t SaveWorkFirst = 0;  // -1: File > New stopped so that the user can save first
    std::int16_t BackFromReport = 0; // -1 once the report's Back menu has run; Form2's creation clears it

    // ReportNote1..ReportNote7: the report notes, seven lines of up to 85 characters edited on Form21.
    // They outlive that form and every member until a New command or a record load changes them.
    std::array<std::string, 7> ReportNotes;

    // Hip and valley loads as entered, before the slope adjustment; put back by Form1's activation.
    float IncTLEntered = 0;
    float IncUnifTLEntered = 0;

    // The calculator's operation (Form25), exactly one -1 once it has loaded; it outlives the form.
    std::int16_t CalPlusOn = 0;
    std::int16_t CalTimesOn = 0;
    std::int16_t CalDivOn = 0;
    std::int16_t CalMinusOn = 0;
};

} // namespace app
