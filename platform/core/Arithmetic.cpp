// Checked stores and arithmetic: a fault raises its run-time error instead of flowing on as an infinity
// or a NaN into later results.
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <cfloat>
#include <cmath>

namespace platform::num
{

std::int16_t toInt16(double value)
{
    if (std::isnan(value)) {
        raise(err::Overflow);
    }
    // Halves go to the even neighbour: 562.5 -> 562, 563.5 -> 564.
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0)) {
        rounded = below + 1;
    }
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) {
        raise(err::Overflow);
    }
    return static_cast<std::int16_t>(rounded);
}

void raiseArithmetic(int number)
{
    raise(number);
}

double sqrtChecked(double x)
{
    if (x < 0) {
        raise(err::InvalidCall);
    }
    return finite(std::sqrt(x));
}

double powChecked(double a, double b)
{
    finite(a);
    finite(b);
    // No real result (a negative base with a fractional power) or zero to a negative power.
    if ((a < 0 && b != std::trunc(b)) || (a == 0 && b < 0)) {
        raise(err::InvalidCall);
    }
    return finite(std::pow(a, b));
}

} // namespace platform::num
