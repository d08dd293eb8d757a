// The glu-lam header walk: the widths in turn, full check at Fv' (headers never take the doubled shear).
#include "wood/GluLamHeaderButtons.h"

#include "app/Program.h"
#include "scl/Form2.h"
#include "wood/CustomDepthTest.h"
#include "wood/Form3.h"
#include "wood/QuickPickSearch.h"

namespace wood
{

void FillGLBHeaderButtons(app::Program& program)
{
    scl::Form2& f2 = program.form2;
    if (!f2.WidGLBHDR.value()) {
        return;
    }
    struct Width
    {
        platform::CommandButton& button;
        const char* breadth;
        SweepLimits limits;
    };
    // The narrow header walks further up than the wide one; both step down at most four times, and
    // headers never pass shear on twice Fv'.
    const Width widths[] = {{f2.but32, "3-1/2x", {4, 10, 0}}, {f2.But52, "5-1/2x", {4, 4, 0}}};
    for (const Width& width : widths) {
        if (width.button.caption().empty()) {
            continue;
        }
        width.button.setCaption(
            walkButton(width.button.caption(), width.limits, [&](const std::string& depth) {
                return TestCustomDepth(program, width.breadth, depth);
            }));
    }
    f2.Text6.setText("");
    f2.Text7.setText("");
    program.form3.hide();
}

} // namespace wood
