// FIXME: stand-ins until the SCL product files land (see SclEntryPoints.h). They estimate and test
// nothing: the depth buttons stay as they are and no SCL size completes a test.
#include "scl/SclEntryPoints.h"

#include "app/Program.h"

namespace scl
{

void FillSCLProductList(app::Program& program)
{
    // FIXME: the catalogue's list texts; only positions matter to the form.
    Form2& f = program.form2;
    f.Combo1.clear();
    for (int i = 0; i < 26; ++i) {
        if (i == 23) {
            f.Combo1.addItem("Custom SCL #1");
        } else if (i == 24) {
            f.Combo1.addItem("Custom SCL #2");
        } else {
            f.Combo1.addItem("SCL product " + std::to_string(i));
        }
    }
}

std::int16_t StoredSCLProduct(app::Program& /*program*/)
{
    return 0; // FIXME: SCLValueTable's selected product index
}

void LVLtest(app::Program& /*program*/) {} // FIXME

bool LVLCalc(app::Program& /*program*/)
{
    return false; // FIXME
}

void ApplyLVLQuickPick(app::Program& program)
{
    Form2& f = program.form2;
    for (int i = 0; i < 5; ++i) {
        if (f.LVLbut[i].value()) {
            f.Text6.setText(f.LVLab[i].caption());
            f.Text7.setText(f.LVLbut[i].caption());
            f.Text5.setText(f.Combo1.text());
        }
    }
}

} // namespace scl
