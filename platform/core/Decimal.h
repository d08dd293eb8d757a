// A finite binary value written as a fixed count of significant decimal digits; the common first step of
// the digit patterns and the plain number text.
#pragma once

#include <string>

namespace platform::num::detail
{

struct Decimal
{
    bool negative = false;
    std::string digits; // exactly the requested count; all zeros for a zero value
    int exponent = 0;   // power of ten of the first digit
};

// Correctly rounded, independent of the C locale. The value must be finite.
Decimal toDecimal(double value, int significantDigits);

} // namespace platform::num::detail
