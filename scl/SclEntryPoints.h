// FIXME: stand-ins for the SCL products' entry points (the catalogue, its estimate and its beam test),
// so that the custom values form builds and runs its SCL side before they exist. Remove this file and
// its .cpp when the SCL product files land; their declarations have the same names and signatures.
#pragma once

#include <cstdint>

namespace app
{
class Program;
}

namespace scl
{

// Fills the product list of Form2 when the form loads.
void FillSCLProductList(app::Program& program);

// The product last saved as the default (the selected product index of SCLValueTable).
std::int16_t StoredSCLProduct(app::Program& program);

// Captions the five SCL depth buttons with a first depth estimate from bending.
void LVLtest(app::Program& program);

// Tests the SCL size on Form2; true only when the test ran through its checks.
bool LVLCalc(app::Program& program);

// Copies the pressed depth button's breadth, depth and the product name into the size boxes.
void ApplyLVLQuickPick(app::Program& program);

} // namespace scl
