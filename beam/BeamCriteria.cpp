// Reading the criteria boxes.
#include "beam/BeamCriteria.h"

#include "platform/core/Number.h"

#include <charconv>

namespace beam
{

namespace
{

// Digits with at most one decimal point and no more than 15 of them: a text the full reader would
// take whole, and one whose value from_chars gives exactly as the full reader does.
bool isPlainDecimal(std::string_view text)
{
    if (text.size() > 15) {
        return false;
    }
    bool point = false;
    bool digit = false;
    for (char c : text) {
        if (c == '.') {
            if (point) {
                return false;
            }
            point = true;
        } else if (c >= '0' && c <= '9') {
            digit = true;
        } else {
            return false;
        }
    }
    return digit;
}

} // namespace

// The checks read the same boxes many times per test; most are empty or plain numbers, which are read
// here without the general reader's text assembly.
double boxValue(std::string_view text)
{
    if (text.empty()) {
        return 0;
    }
    if (isPlainDecimal(text)) {
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }
    return platform::num::leadingNumber(text);
}

} // namespace beam
