// Reading the criteria boxes.
#include "beam/BeamCriteria.h"

#include "platform/core/Number.h"

#include <cstdint>
#include <optional>

namespace beam
{

namespace
{

// Digits with at most one decimal point and at most 15 digits in all: the mantissa and the power of
// ten are then exact doubles, so one division rounds correctly and gives the value the general reader
// gives. Empty when the text is anything else.
std::optional<double> plainDecimal(std::string_view text)
{
    constexpr double PowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    std::uint64_t mantissa = 0;
    int digits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9' && digits < 15) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            ++digits;
            fractionDigits += point ? 1 : 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return static_cast<double>(mantissa) / PowersOfTen[fractionDigits];
}

} // namespace

// The checks read the same boxes many times per test; most are empty or plain numbers, which are read
// here without the general reader's text assembly.
double boxValue(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    if (const std::optional<double> value = plainDecimal(text)) {
        return *value;
    }
    return platform::num::leadingNumber(text);
}

} // namespace beam
