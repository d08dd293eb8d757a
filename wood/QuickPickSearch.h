// The smallest passing depth searches of the quick-pick buttons.
#pragma once

namespace app
{
class Program;
}

namespace wood
{

// Turns each captioned button of Form3's grid (ht 0..41) into the smallest depth of its breadth and
// grade that passes every check of the size test.
void SearchQuickPickSizes(app::Program& program);

// The same for the custom values form's glu-lam buttons ButG(0..4), while WidGLB is set.
void SearchGluLamSizes(app::Program& program);

} // namespace wood
