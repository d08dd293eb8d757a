// Significant-digit decimal text through std::to_chars, which never looks at the C locale: the Qt host
// sets the user's locale, and a decimal comma there must not reach the program's numbers.
#include "platform/core/Decimal.h"

#include <charconv>
#include <stdexcept>

namespace platform::num::detail
{

Decimal toDecimal(double value, int significantDigits)
{
    // Room for sign, 17 digits at most that matter, point, "e-308" and a generous margin.
    char buffer[64];
    const int precision = significantDigits - 1;
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision);
    if (result.ec != std::errc()) {
        throw std::logic_error("decimal conversion failed");
    }
    Decimal decimal;
    const char* p = buffer;
    if (*p == '-') {
        decimal.negative = true;
        ++p;
    }
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            decimal.digits += *p;
        }
    }
    if (p != result.ptr) {
        ++p; // 'e'
        const bool negativeExponent = *p == '-';
        ++p; // the exponent always carries a sign
        int exponent = 0;
        std::from_chars(p, result.ptr, exponent);
        decimal.exponent = negativeExponent ? -exponent : exponent;
    }
    return decimal;
}

} // namespace platform::num::detail
