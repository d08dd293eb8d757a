// Digit patterns ("#,##0.00", "0.#0", ...), date patterns and elapsed time.
#include "platform/core/Decimal.h"
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <cmath>
#include <cstddef>

namespace platform::num
{
namespace
{

constexpr int DoubleDigits = 15;
constexpr int SingleDigits = 7;

struct DigitPattern
{
    int integerZeros = 0;     // "0" places before the point: the least count of integer digits
    bool grouping = false;    // "," between integer places
    int decimals = 0;         // places after the point
    int requiredDecimals = 0; // up to the last "0" place after the point; "#" places before it count too
    bool hasPoint = false;
};

bool isPlace(char c)
{
    return c == '#' || c == '0';
}

DigitPattern parsePattern(std::string_view text)
{
    DigitPattern pattern;
    int places = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isPlace(c)) {
            ++places;
            if (!pattern.hasPoint) {
                pattern.integerZeros += c == '0' ? 1 : 0;
            } else {
                ++pattern.decimals;
                if (c == '0') {
                    pattern.requiredDecimals = pattern.decimals;
                }
            }
        } else if (c == '.' && !pattern.hasPoint) {
            pattern.hasPoint = true;
        } else if (c == ',' && !pattern.hasPoint && i > 0 && isPlace(text[i - 1]) && i + 1 < text.size() &&
                   isPlace(text[i + 1])) {
            pattern.grouping = true;
        } else {
            raise(err::InvalidCall);
        }
    }
    if (places == 0) {
        raise(err::InvalidCall);
    }
    return pattern;
}

// Adds one unit in the last place of a digit string; a carry out of the front adds a digit.
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
    return true;
}

// The magnitude rounded half away from zero to `decimals` places, as the digits of value * 10^decimals
// without leading zeros ("" for zero).
std::string scaledDigits(const detail::Decimal& decimal, int decimals)
{
    if (decimal.digits.find_first_not_of('0') == std::string::npos) {
        return {};
    }
    int exponent = decimal.exponent;
    std::string kept = decimal.digits;
    const long keep = static_cast<long>(exponent) + decimals + 1;
    if (keep < 0) {
        return {};
    }
    if (keep < static_cast<long>(kept.size())) {
        const bool roundUp = kept[static_cast<std::size_t>(keep)] >= '5';
        kept.resize(static_cast<std::size_t>(keep));
        if (roundUp && incrementDigits(kept)) {
            ++exponent;
        }
    }
    // The last kept digit stands at 10^(exponent - size + 1); fill with zeros down to 10^-decimals.
    const long zeros = static_cast<long>(exponent) - static_cast<long>(kept.size()) + 1 + decimals;
    kept.append(static_cast<std::size_t>(zeros), '0');
    const std::size_t first = kept.find_first_not_of('0');
    return first == std::string::npos ? std::string() : kept.substr(first);
}

std::string groupThousands(const std::string& digits)
{
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string formatDecimal(double value, std::string_view patternText, int significantDigits)
{
    const DigitPattern pattern = parsePattern(patternText);
    if (!std::isfinite(value)) {
        raise(err::Overflow);
    }
    const detail::Decimal decimal = detail::toDecimal(value, significantDigits);
    const std::string scaled = scaledDigits(decimal, pattern.decimals);
    const std::size_t decimals = static_cast<std::size_t>(pattern.decimals);

    std::string integerDigits;
    std::string fraction;
    if (scaled.size() > decimals) {
        integerDigits = scaled.substr(0, scaled.size() - decimals);
        fraction = scaled.substr(scaled.size() - decimals);
    } else {
        fraction = std::string(decimals - scaled.size(), '0') + scaled;
    }
    while (fraction.size() > static_cast<std::size_t>(pattern.requiredDecimals) && fraction.back() == '0') {
        fraction.pop_back();
    }
    const std::size_t integerZeros = static_cast<std::size_t>(pattern.integerZeros);
    if (integerDigits.size() < integerZeros) {
        integerDigits.insert(0, integerZeros - integerDigits.size(), '0');
    }

    // A value that rounds to zero shows no sign: "0.00", never "-0.00".
    std::string text = decimal.negative && !scaled.empty() ? "-" : "";
    text += pattern.grouping ? groupThousands(integerDigits) : integerDigits;
    if (pattern.hasPoint) {
        text += '.';
        text += fraction;
    }
    return text;
}

void appendNumber(std::string& text, int value, int width)
{
    const std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        text.append(static_cast<std::size_t>(width) - digits.size(), '0');
    }
    text += digits;
}

} // namespace

std::string format(double value, std::string_view pattern)
{
    return formatDecimal(value, pattern, DoubleDigits);
}

std::string format(float value, std::string_view pattern)
{
    return formatDecimal(static_cast<double>(value), pattern, SingleDigits);
}

std::string format(int value, std::string_view pattern)
{
    return format(static_cast<double>(value), pattern);
}

std::string formatText(std::string_view text, std::string_view pattern)
{
    // A box may hold a remark such as "4 x 4" where a size is expected: it is shown as typed.
    if (!isNumberText(text)) {
        return std::string(text);
    }
    return format(toDouble(text), pattern);
}

std::string formatDate(const DateTime& date, std::string_view pattern)
{
    std::string text;
    std::size_t i = 0;
    const auto take = [&](std::string_view token) {
        if (pattern.substr(i, token.size()) == token) {
            i += token.size();
            return true;
        }
        return false;
    };
    while (i < pattern.size()) {
        if (take("yyyy")) {
            appendNumber(text, date.year, 4);
        } else if (take("yy")) {
            appendNumber(text, (date.year % 100 + 100) % 100, 2);
        } else if (take("mm")) {
            appendNumber(text, date.month, 2);
        } else if (take("m")) {
            appendNumber(text, date.month, 1);
        } else if (take("dd")) {
            appendNumber(text, date.day, 2);
        } else if (take("d")) {
            appendNumber(text, date.day, 1);
        } else if (take("/")) {
            text += '/';
        } else {
            raise(err::InvalidCall);
        }
    }
    return text;
}

std::string formatElapsed(int seconds)
{
    constexpr int Day = 24 * 3600;
    // A span measured across midnight comes out negative; it wraps like the hours do.
    const int wrapped = (seconds % Day + Day) % Day;
    std::string text;
    appendNumber(text, wrapped / 3600, 2);
    text += ':';
    appendNumber(text, wrapped / 60 % 60, 2);
    return text;
}

} // namespace platform::num
