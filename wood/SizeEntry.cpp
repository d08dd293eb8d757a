// Size entry rules. Texts compare exactly: a blank, a capital "X" or a missing hyphen matches nothing.
// Where a message names a narrower range than its list (headers "9 to 18" while "6" is accepted), the
// list decides.
#include "wood/SizeEntry.h"

#include <algorithm>
#include <array>
#include <vector>

namespace wood
{

namespace
{

template <class Range> bool isOneOf(std::string_view text, const Range& texts)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

bool isOneOf(std::string_view text, std::initializer_list<std::string_view> texts)
{
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// Depth texts from a first depth in steps, as the quick-pick buttons write them.
const std::vector<std::string_view>& customTimberDepths()
{
    static const std::vector<std::string_view> depths{
        "5",  "5-1/2",  "6",  "6-1/2",  "7",  "7-1/2",  "8",  "8-1/2",  "9",  "9-1/2",  "10", "10-1/2",
        "11", "11-1/2", "12", "12-1/2", "13", "13-1/2", "14", "14-1/2", "15", "15-1/2", "16", "16-1/2",
        "17", "17-1/2", "18", "18-1/2", "19", "19-1/2", "20"};
    return depths;
}

const std::vector<std::string_view>& gluLamDepths()
{
    static const std::vector<std::string_view> depths{
        "6",  "7-1/2",  "9",  "10-1/2", "12", "13-1/2", "15", "16-1/2", "18", "19-1/2", "21", "22-1/2",
        "24", "25-1/2", "27", "28-1/2", "30", "31-1/2", "33", "34-1/2", "36", "37-1/2", "39", "40-1/2",
        "42", "43-1/2", "45", "46-1/2", "48", "49-1/2", "51", "52-1/2", "54"};
    return depths;
}

const std::vector<std::string_view>& southernPineGluLamDepths()
{
    static const std::vector<std::string_view> depths{
        "9-5/8",  "11", "12-3/8", "13-3/4", "15-1/8", "16-1/2", "17-7/8", "19-1/4",
        "20-5/8", "22", "23-3/8", "24-3/4", "26-1/8", "27-1/2", "28-7/8", "30-1/4"};
    return depths;
}

constexpr std::array<std::string_view, 7> FramingDepths{"7-1/4",  "9-1/4", "9-1/2", "11-1/4",
                                                        "11-7/8", "14",    "16"};
constexpr std::array<std::string_view, 14> CustomTimberBreadths{
    "13-1/2x", "13x",    "12-1/2x", "11-1/2x", "11x",    "10-1/2x", "9-1/2x",
    "9x",      "8-1/2x", "7-1/2x",  "7x",      "6-1/2x", "5-1/2x",  "5x"};

// A1: the custom breadth, tried in order.
bool customBreadthAccepted(const SizeEntry& e)
{
    const CustomOptions& o = e.options;
    if (!o.WidGLB && isOneOf(e.breadth, e.customSawnHeadings)) {
        return true;
    }
    if (o.WidGLB && isOneOf(e.breadth, e.customGluLamWidths)) {
        return true;
    }
    if (o.WidGLBHDR && isOneOf(e.breadth, {"3-1/2x", "5-1/2x", "7-1/4x"})) {
        return true;
    }
    if (o.Wid6x && isOneOf(e.breadth, {"14x", "12x"})) {
        return true;
    }
    if (o.WidGLB && isOneOf(e.breadth, {"7x", "5-1/2x", "3-1/2x"})) {
        return true;
    }
    if (o.Wid6x && isOneOf(e.breadth, CustomTimberBreadths)) {
        return true;
    }
    if (o.Wid6x && e.breadth == "Round") {
        return true;
    }
    // The custom values form names a round timber by its diameter ("12.5 in.") and the depth "Round";
    // the breadth text is then only a description.
    return o.Wid6x && o.Roundoption && e.depth == "Round";
}

// A2: the custom depth, tried in order.
bool customDepthAccepted(const SizeEntry& e)
{
    const CustomOptions& o = e.options;
    if ((o.Wid2x || o.Wid4x) && isOneOf(e.depth, {"4", "6", "8", "10", "12", "14"})) {
        return true;
    }
    if (o.Wid4x && e.depth == "16") {
        return true;
    }
    if (o.Wid6x && isOneOf(e.depth, customTimberDepths())) {
        return true;
    }
    if (o.Wid6x && o.Roundoption) {
        return true;
    }
    if (o.WidGLB && !o.SPG && (isOneOf(e.depth, gluLamDepths()) || isOneOf(e.depth, FramingDepths))) {
        return true;
    }
    if (o.WidGLB && o.SPG &&
        (isOneOf(e.depth, southernPineGluLamDepths()) || isOneOf(e.depth, FramingDepths) ||
         isOneOf(e.depth, {"18", "19-1/2"}))) {
        return true;
    }
    return o.WidGLBHDR &&
           isOneOf(e.depth, {"6", "7-1/2", "9", "10-1/2", "12", "13-1/2", "15", "16-1/2", "18"});
}

bool breadthAccepted(const SizeEntry& e)
{
    return isOneOf(e.breadth, e.sawnHeadings) || isOneOf(e.breadth, e.gluLamWidths) ||
           isOneOf(e.breadth, {"3x", "12x", "14x"});
}

bool speciesAccepted(const SizeEntry& e)
{
    return isOneOf(e.species, e.gradeLabels) || (isOneOf(e.species, {"So. Pine #1 SR", "So. Pine #2 SR"}) &&
                                                 isOneOf(e.breadth, {"6x", "8x", "10x"}));
}

// B3, in order.
bool depthAccepted(const SizeEntry& e)
{
    const std::string_view b = e.breadth;
    const std::string_view d = e.depth;
    if (isOneOf(b, {"2x", "3x", "(2) 2x", "(3) 2x", "(4) 2x", "4x"}) &&
        isOneOf(d, {"4", "6", "8", "10", "12", "14"})) {
        return true;
    }
    if (b == "4x" && d == "16") {
        return true;
    }
    if (b == "6x" && isOneOf(d, {"6", "8", "10", "12", "14", "16"})) {
        return true;
    }
    if (b == "8x" && isOneOf(d, {"8", "10", "12", "14", "16"})) {
        return true;
    }
    if (b == "10x" && isOneOf(d, {"10", "12", "14", "16"})) {
        return true;
    }
    if (b == "12x" && isOneOf(d, {"12", "14", "16"})) {
        return true;
    }
    if (b == "14x" && isOneOf(d, {"14", "16"})) {
        return true;
    }
    if (isOneOf(b, e.gluLamWidths)) {
        return e.southernPine ? isOneOf(d, southernPineGluLamDepths()) : isOneOf(d, gluLamDepths());
    }
    return false;
}

} // namespace

EntryRefusal checkSizeEntry(const SizeEntry& e)
{
    if (e.customValues) {
        if (!customBreadthAccepted(e)) {
            return EntryRefusal::CustomBreadth;
        }
        return customDepthAccepted(e) ? EntryRefusal::None : EntryRefusal::CustomDepth;
    }
    if (!breadthAccepted(e)) {
        return EntryRefusal::Breadth;
    }
    if (!speciesAccepted(e)) {
        return EntryRefusal::Species;
    }
    return depthAccepted(e) ? EntryRefusal::None : EntryRefusal::Depth;
}

std::optional<NetBreadth> netBreadth(const SizeEntry& e)
{
    const std::string_view b = e.breadth;
    const CustomOptions& o = e.options;
    struct Row
    {
        std::string_view text;
        float net;
        std::string_view cls;
    };
    if (o.WidGLBHDR) {
        static constexpr std::array<Row, 4> headers{{{"3-1/2x", 3.5f, "GLB"},
                                                     {"5-1/2x", 5.5f, "GLB"},
                                                     {"7-1/4x", 7.25f, "GLB"},
                                                     {"7x", 7.0f, "GLB"}}};
        for (const Row& row : headers) {
            if (row.text == b) {
                return NetBreadth{row.net, std::string{row.cls}};
            }
        }
        return std::nullopt;
    }
    // Custom glu-lam beams of framing widths are headers' widths, not custom timbers.
    if (e.customValues && o.WidGLB) {
        if (b == "3-1/2x" || b == "5-1/2x" || b == "7x") {
            return NetBreadth{b == "3-1/2x" ? 3.5f : b == "5-1/2x" ? 5.5f : 7.0f, "GLB"};
        }
    }
    // "8-1/2x" and "10-1/2x" are both custom timber breadths and the Southern Pine glu-lam widths; as a
    // glu-lam width they are glu-lam.
    const bool southernPineGluLamWidth =
        e.customValues ? (o.WidGLB && o.SPG) : (e.southernPine && isOneOf(b, e.gluLamWidths));
    if (southernPineGluLamWidth && (b == "8-1/2x" || b == "10-1/2x")) {
        return NetBreadth{b == "8-1/2x" ? 8.5f : 10.5f, "GLB"};
    }
    static constexpr std::array<Row, 30> rows{{
        {"2x", 1.5f, "2x"},       {"3x", 2.5f, "2x"},        {"(2) 2x", 3.0f, "2x"},
        {"(3) 2x", 4.5f, "2x"},   {"(4) 2x", 6.0f, "2x"},    {"4x", 3.5f, "4x"},
        {"6x", 5.5f, "6x"},       {"8x", 7.5f, "6x"},        {"10x", 9.5f, "6x"},
        {"12x", 11.5f, "6x"},     {"14x", 13.5f, "6x"},      {"5x", 4.5f, "6x"},
        {"5-1/2x", 5.0f, "6x"},   {"6-1/2x", 6.0f, "6x"},    {"7x", 6.5f, "6x"},
        {"7-1/2x", 7.0f, "6x"},   {"8-1/2x", 8.0f, "6x"},    {"9x", 8.5f, "6x"},
        {"9-1/2x", 9.0f, "6x"},   {"10-1/2x", 10.0f, "6x"},  {"11x", 10.5f, "6x"},
        {"11-1/2x", 11.0f, "6x"}, {"12-1/2x", 12.0f, "6x"},  {"13x", 12.5f, "6x"},
        {"13-1/2x", 13.0f, "6x"}, {"3-1/8x", 3.125f, "GLB"}, {"5-1/8x", 5.125f, "GLB"},
        {"6-3/4x", 6.75f, "GLB"}, {"8-3/4x", 8.75f, "GLB"},  {"10-3/4x", 10.75f, "GLB"},
    }};
    for (const Row& row : rows) {
        if (row.text == b) {
            return NetBreadth{row.net, std::string{row.cls}};
        }
    }
    return std::nullopt;
}

} // namespace wood
