// The notch check's shared procedures: they read the notch form's controls and NotchValues and write
// NotchValues and the form's labels and boxes.
#pragma once

namespace app
{
class Program;
}

namespace notch
{

// Blanks the result labels and clears NotchResultsValid.
void ClearNotchResults(app::Program& program);
// The depth status label from dn, d and NotchMinDn.
void ShowDnStatus(app::Program& program);
// The minimum remaining depth for the chosen member and notch type into NotchMinDn and DnMinimum.
void ApplyMinimumDn(app::Program& program);
// The notch length status of a tapered glu-lam notch (e against 3 d).
void ShowNotchLengthStatus(app::Program& program);
// dn and e of a rafter seat cut, written into their boxes.
void CalcRafterDn(app::Program& program);
// Fills the species box with the sawn or glu-lam list.
void FillNotchSpeciesList(app::Program& program);
// Checks the entry box that has the focus and reports a refused text.
void ValidateNumericEntry(app::Program& program);
// Selects the focused box's text up to its maximum length.
void SelectNotchText(app::Program& program);

// The three notch routines; each returns whether it produced a fresh fv or Vr'.
bool CalcTensionNotch(app::Program& program);
bool CalcCompressionNotch(app::Program& program);
bool CalcTaperedNotch(app::Program& program);

} // namespace notch
