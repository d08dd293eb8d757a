// What the SCL products do on the custom values form: its load, the choice of a product, and the
// "Load" and "Save" buttons of the SCL values.
#pragma once

#include <cstdint>
#include <string>

namespace app
{
class Program;
}

namespace scl
{

// The form's load: product list, starting layout of the quick picks and, with SCL chosen on the
// criteria form, both SCL files read into SCLValueTable.
void Form2Load(app::Program& program);

// A product chosen in Combo1: maker line, breadth slots, emptied depths and sizes, stored values.
void Combo1_Click(app::Program& program);

// "Load": the makers' values of the chosen product (a custom product's from its file) into the boxes.
void LVLLoadDefault_Click(app::Program& program);

// "Save": the boxes into SCLValueTable and its file.
void LVLsavedefault_Click(app::Program& program);

// The product saved last (the stored selected-product index of SCLValueTable).
std::int16_t StoredSCLProduct(app::Program& program);

// E as the value boxes show it: "2.0", ".9", "1.55".
std::string formatE(float E);
// A custom product's size-factor exponent: "0.136", "0".
std::string formatExponent(float exponent);

} // namespace scl
