// The first depth of each SCL quick pick, from bending alone, and the copy of a pressed quick pick
// into the size boxes of the custom values form.
#pragma once

#include <optional>
#include <string>

namespace app
{
class Program;
}

namespace scl
{

// d = sqrt(72 M / P) (in): the depth at which 6 x 12 M / (b d^2) equals P / b = Fb CD Cr. A negative
// moment or a zero P raise run-time errors.
double bendingEstimate(double MomentLoads, float P);

// The caption of a depth button: the rung of the product's series for the estimate, "" out of range.
std::string estimateCaption(int product, double d, bool customEstimate = false);

// Captions the five depth buttons of Form2 (and, for the custom products, the depth box) for the
// chosen product; sets Fb, Cd and Cr.
void LVLtest(app::Program& program);

// Copies the pressed depth button's breadth label, caption and the product's name into Text6, Text7
// and Text5.
void ApplyLVLQuickPick(app::Program& program);

} // namespace scl
