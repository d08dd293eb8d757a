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

float toSingle(double value)
{
    // Values up to half a unit above the largest float still round down to it; from there on they
    // would become infinity.
    constexpr double Limit = static_cast<double>(FLT_MAX) + 0x1p103;
    if (!(std::fabs(value) < Limit)) {
        raise(err::Overflow);
    }
    return static_cast<float>(value);
}

double finite(double x)
{
    if (!std::isfinite(x)) {
        raise(err::Overflow);
    }
    return x;
}

double div(double a, double b)
{
    if (b == 0) {
        raise(a == 0 ? err::Overflow : err::DivisionByZero);
    }
    return finite(a / b);
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
