// The glu-lam header width buttons of the custom values form (but32 "3-1/2x", But52 "5-1/2x"): each
// estimated depth turned into the smallest header depth of its width that passes the size test.
#pragma once

namespace app
{
class Program;
}

namespace wood
{

// Does nothing unless Form2.WidGLBHDR is set; then walks both widths, empties Form2's size boxes and
// hides Form3.
void FillGLBHeaderButtons(app::Program& program);

} // namespace wood
