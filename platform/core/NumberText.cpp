// Plain number text, as the program writes numbers into boxes and captions.
#include "platform/core/Decimal.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <cmath>
#include <cstdlib>

namespace platform::num
{
namespace
{

std::string plainText(double value, int significantDigits)
{
    if (!std::isfinite(value)) {
        raise(err::Overflow);
    }
    if (value == 0) {
        return "0"; // negative zero included
    }
    detail::Decimal decimal = detail::toDecimal(value, significantDigits);
    std::string& digits = decimal.digits;
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = decimal.exponent;
    const int count = static_cast<int>(digits.size());

    std::string text = decimal.negative ? "-" : "";
    if (exponent > -5 && exponent < significantDigits) {
        if (exponent < 0) {
            text += "0.";
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else if (count <= exponent + 1) {
            text += digits;
            text.append(static_cast<std::size_t>(exponent + 1 - count), '0');
        } else {
            const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
            text += digits.substr(0, integerDigits);
            text += '.';
            text += digits.substr(integerDigits);
        }
        return text;
    }
    text += digits[0];
    if (count > 1) {
        text += '.';
        text += digits.substr(1);
    }
    text += exponent < 0 ? "E-" : "E+";
    const std::string power = std::to_string(std::abs(exponent));
    if (power.size() < 2) {
        text += '0';
    }
    text += power;
    return text;
}

} // namespace

std::string numberText(double value)
{
    return plainText(value, 15);
}

std::string numberText(float value)
{
    return plainText(static_cast<double>(value), 7);
}

std::string numberText(int value)
{
    return std::to_string(value);
}

} // namespace platform::num
