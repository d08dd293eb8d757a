// Number and text primitives: digit patterns, plain number text, leading-number parsing, the strict
// numeric test, whole-text conversions and checked arithmetic. All pure; failures raise run-time errors.
#pragma once

#include "platform/core/Clock.h"
#include "platform/core/RuntimeError.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform::num
{

// Digit patterns such as "#,##0.00", "0.#0", "##.0#". A Double is first written with 15 significant
// digits, a Single with 7, then rounded half away from zero at the pattern's last place.
std::string format(double value, std::string_view pattern);
std::string format(float value, std::string_view pattern);
std::string format(int value, std::string_view pattern);
// A text that passes isNumberText is formatted as its Double value; any other text comes back unchanged.
std::string formatText(std::string_view text, std::string_view pattern);

// Date patterns "m/dd/yy" and "m/d/yy"; never locale-dependent.
std::string formatDate(const DateTime& date, std::string_view pattern);
// Elapsed time as "hh:mm" (hours wrap at 24).
std::string formatElapsed(int seconds);

// Plain number text: no leading blank, no separators, no trailing zeros; 15 significant digits for a
// Double, 7 for a Single; exponent notation outside the fixed range ("1E-05", "1.234568E+07").
std::string numberText(double value);
std::string numberText(float value);
std::string numberText(int value);

// The longest number at the start of the text; no number reads 0. A value beyond the Double range is error 6.
double leadingNumber(std::string_view text);

// The same reading for what a form shows about a box whose own check judges the text (status labels,
// captions, the lists and values a size selects): a number beyond the Double range is no valid number
// and reads 0, as a text without a number does, so the handler goes on after the box's refusal. A
// calculation reads leadingNumber, whose error stops it rather than let it go on without the value.
double leadingNumberOrZero(std::string_view text);

// The whole text (trimmed of spaces and tabs) is one finite number; commas only as thousands separators.
bool isNumberText(std::string_view text);

// Whole-text conversions: error 13 for anything isNumberText refuses (the empty text included),
// error 6 when the value does not fit.
double toDouble(std::string_view text);
float toSingle(std::string_view text);
std::int16_t toInt16(std::string_view text);

// Nearest whole number, halves to the even neighbour; error 6 outside -32768..32767.
std::int16_t toInt16(double value);
// Store into a Single: error 6 beyond the float range or for NaN. Inline, with div and finite below:
// the beam checks store and divide thousands of values per size test.
float toSingle(double value);

double div(double a, double b);        // b == 0: error 11; 0/0: error 6
double finite(double x);               // infinite or NaN: error 6
double sqrtChecked(double x);          // x < 0: error 5
double powChecked(double a, double b); // invalid: error 5; overflow: error 6

// Raises the error; out of line, so that the inline checks below stay small.
[[noreturn]] void raiseArithmetic(int number);

inline float toSingle(double value)
{
    // Values up to half a unit above the largest float still round down to it; from there on they
    // would become infinity.
    constexpr double Limit = static_cast<double>(FLT_MAX) + 0x1p103;
    if (!(std::fabs(value) < Limit)) {
        raiseArithmetic(err::Overflow);
    }
    return static_cast<float>(value);
}

inline double finite(double x)
{
    if (!std::isfinite(x)) {
        raiseArithmetic(err::Overflow);
    }
    return x;
}

inline double div(double a, double b)
{
    if (b == 0) {
        raiseArithmetic(a == 0 ? err::Overflow : err::DivisionByZero);
    }
    return finite(a / b);
}

} // namespace platform::num
