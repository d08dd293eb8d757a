// Small procedures every form uses: placing a form, selecting an entry box's text on focus, the exit
// question, File > New of the beam forms and opening the file manager.
#pragma once

namespace platform
{
class Form;
}

namespace app
{

class Program;

// Centres the form (a little above the middle) when CenterForms is on; its size is kept.
void CenterForm(Program& program, platform::Form& form);

// Selects the text of the focused entry box from its start up to the box's maximum length, so a box
// without one gets an empty selection. Failures are ignored.
void SelectFieldText(Program& program);

// Asks whether to end the program, with the session length. OK ends the program at once, inside the
// call; otherwise the call returns.
void ConfirmExit(Program& program);

// Rebuilds Form1 for a new beam, keeping the project title, species, in-grade switch and deflection
// limits.
void NewDefault(Program& program);

// Opens the program's folder in the desktop file manager after a notice.
void LaunchExplorer(Program& program);

} // namespace app
