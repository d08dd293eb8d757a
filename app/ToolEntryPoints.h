// Entry points of the column design and the notch check, which the criteria form's menus open. Each
// shows its tool's first form modeless and hides Form1.
#pragma once

namespace app
{

class Program;

// The column criteria form Form18.
void OpenColumnDesign(Program& program);

// The notch form FormNotchwise.
void OpenNotchCheck(Program& program);

} // namespace app
