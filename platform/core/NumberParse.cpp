// Reading numbers from text: the lenient leading-number parse and the strict whole-text test and
// conversions built on it.
#include "platform/core/Number.h"
#include "platform/core/RuntimeError.h"

#include <charconv>
#include <optional>

namespace platform::num
{
namespace
{

// Far beyond any Double exponent, yet small enough that digit counts added to it cannot overflow.
constexpr long long ExponentCap = 1'000'000'000;

struct NumberParts
{
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long long exponent = 0;
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void addExponentDigit(long long& exponent, char digit)
{
    if (exponent < ExponentCap) {
        exponent = exponent * 10 + (digit - '0');
    }
}

// The value of checked parts; nullopt when it lies beyond the Double range. Values too small for a
// Double read as zero, as they always have.
std::optional<double> valueOf(const NumberParts& parts)
{
    std::string text = parts.negative ? "-" : "";
    text += parts.integerDigits;
    text += '.';
    text += parts.fractionDigits;
    text += 'e';
    text += std::to_string(parts.exponent);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc::result_out_of_range) {
        return value;
    }
    // Out of range either way: the power of ten of the first significant digit tells which.
    long long magnitude = parts.exponent;
    const std::size_t inInteger = parts.integerDigits.find_first_not_of('0');
    if (inInteger != std::string::npos) {
        magnitude += static_cast<long long>(parts.integerDigits.size() - inInteger) - 1;
    } else {
        magnitude -= static_cast<long long>(parts.fractionDigits.find_first_not_of('0')) + 1;
    }
    if (magnitude > 0) {
        return std::nullopt;
    }
    return parts.negative ? -0.0 : 0.0;
}

enum class Strict
{
    NotANumber,
    Overflow,
    Number
};

struct StrictResult
{
    Strict kind = Strict::NotANumber;
    double value = 0;
};

// Commas must group the integer digits in threes: "1,200" and "36,000" pass, "1,8" and "12,34" do not.
bool wellGrouped(std::string_view digitsAndCommas)
{
    std::size_t groupStart = 0;
    bool first = true;
    for (std::size_t i = 0; i <= digitsAndCommas.size(); ++i) {
        if (i == digitsAndCommas.size() || digitsAndCommas[i] == ',') {
            const std::size_t length = i - groupStart;
            if (first ? (length < 1 || length > 3) : length != 3) {
                return false;
            }
            first = false;
            groupStart = i + 1;
        }
    }
    return true;
}

StrictResult scanStrict(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(" \t");
    if (begin == std::string_view::npos) {
        return {};
    }
    text = text.substr(begin, text.find_last_not_of(" \t") + 1 - begin);

    NumberParts parts;
    std::size_t i = 0;
    const auto at = [&](auto predicate) { return i < text.size() && predicate(text[i]); };
    if (at([](char c) { return c == '+' || c == '-'; })) {
        parts.negative = text[i++] == '-';
    }
    const std::size_t integerStart = i;
    while (at([](char c) { return isDigit(c) || c == ','; })) {
        ++i;
    }
    const std::string_view integerText = text.substr(integerStart, i - integerStart);
    if (integerText.find(',') != std::string_view::npos && !wellGrouped(integerText)) {
        return {};
    }
    for (const char c : integerText) {
        if (c != ',') {
            parts.integerDigits += c;
        }
    }
    if (at([](char c) { return c == '.'; })) {
        ++i;
        while (at(isDigit)) {
            parts.fractionDigits += text[i++];
        }
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return {};
    }
    if (at([](char c) { return c == 'E' || c == 'e'; })) {
        ++i;
        bool negativeExponent = false;
        if (at([](char c) { return c == '+' || c == '-'; })) {
            negativeExponent = text[i++] == '-';
        }
        if (!at(isDigit)) {
            return {};
        }
        while (at(isDigit)) {
            addExponentDigit(parts.exponent, text[i++]);
        }
        parts.exponent = negativeExponent ? -parts.exponent : parts.exponent;
    }
    if (i != text.size()) {
        return {};
    }
    const std::optional<double> value = valueOf(parts);
    if (!value) {
        return {Strict::Overflow, 0};
    }
    return {Strict::Number, *value};
}

// The longest number at the start of the text; nullopt when it lies beyond the Double range.
std::optional<double> parseLeadingNumber(std::string_view text)
{
    std::size_t i = 0;
    // Blanks are skipped anywhere in the number, so "1 2" reads 12.
    const auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) {
            ++i;
        }
    };
    const auto nextIs = [&](std::string_view chars) {
        skipBlanks();
        return i < text.size() && chars.find(text[i]) != std::string_view::npos;
    };

    NumberParts parts;
    if (nextIs("+-")) {
        parts.negative = text[i++] == '-';
    }
    bool point = false;
    while (nextIs("0123456789.")) {
        if (text[i] == '.') {
            if (point) {
                break;
            }
            point = true;
        } else {
            (point ? parts.fractionDigits : parts.integerDigits) += text[i];
        }
        ++i;
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return 0;
    }
    // An exponent counts only with at least one digit; otherwise the number ends before its letter.
    if (nextIs("EeDd")) {
        ++i;
        bool negativeExponent = false;
        if (nextIs("+-")) {
            negativeExponent = text[i++] == '-';
        }
        while (nextIs("0123456789")) {
            addExponentDigit(parts.exponent, text[i++]);
        }
        parts.exponent = negativeExponent ? -parts.exponent : parts.exponent;
    }
    return valueOf(parts);
}

} // namespace

double leadingNumber(std::string_view text)
{
    const std::optional<double> value = parseLeadingNumber(text);
    if (!value) {
        raise(err::Overflow);
    }
    return *value;
}

double leadingNumberOrZero(std::string_view text)
{
    return parseLeadingNumber(text).value_or(0);
}

bool isNumberText(std::string_view text)
{
    return scanStrict(text).kind == Strict::Number;
}

double toDouble(std::string_view text)
{
    const StrictResult result = scanStrict(text);
    if (result.kind == Strict::NotANumber) {
        raise(err::TypeMismatch);
    }
    // Well-formed but beyond the Double range: it does not fit, the same as a Single or Integer that
    // overflows.
    if (result.kind == Strict::Overflow) {
        raise(err::Overflow);
    }
    return result.value;
}

float toSingle(std::string_view text)
{
    return toSingle(toDouble(text));
}

std::int16_t toInt16(std::string_view text)
{
    return toInt16(toDouble(text));
}

} // namespace platform::num
