// The five depth ladders: D dimension lumber, T timbers, C custom timbers, G glu-lam of 1-1/2 in.
// laminations and S Southern Pine glu-lam of 1-3/8 in. laminations. The rules are tried in a fixed
// order, and the order decides: depths "4" and "6" are read before the breadth is looked at.
#include "wood/DepthLadder.h"

#include <algorithm>
#include <array>

namespace wood
{

namespace
{

constexpr std::array<std::string_view, 6> D6{"2x", "3x", "(2) 2x", "(3) 2x", "(4) 2x", "4x"};
constexpr std::array<std::string_view, 5> T5{"6x", "8x", "10x", "12x", "14x"};

template <std::size_t N> bool isOneOf(std::string_view text, const std::array<std::string_view, N>& set)
{
    return std::find(set.begin(), set.end(), text) != set.end();
}

// Custom timbers: net depth = nominal less 1/2 in., no neighbours. The whole-number depths take the
// dimension lumber and timber ladders instead.
constexpr std::array<LadderRung, 26> LadderC{{
    {"5", 4.5f},       {"5-1/2", 5.0f},   {"6-1/2", 6.0f},   {"7", 6.5f},       {"7-1/2", 7.0f},
    {"8-1/2", 8.0f},   {"9", 8.5f},       {"9-1/2", 9.0f},   {"10-1/2", 10.0f}, {"11", 10.5f},
    {"11-1/2", 11.0f}, {"12-1/2", 12.0f}, {"13", 12.5f},     {"13-1/2", 13.0f}, {"14-1/2", 14.0f},
    {"15", 14.5f},     {"15-1/2", 15.0f}, {"16", 15.5f},     {"16-1/2", 16.0f}, {"17", 16.5f},
    {"17-1/2", 17.0f}, {"18", 17.5f},     {"18-1/2", 18.0f}, {"19", 18.5f},     {"19-1/2", 19.0f},
    {"20", 19.5f},
}};

// Glu-lam of 1-1/2 in. laminations, 7-1/2 to 54 in.; net depth = nominal.
constexpr std::array<LadderRung, 32> LadderG{{
    {"7-1/2", 7.5f},   {"9", 9.0f},   {"10-1/2", 10.5f}, {"12", 12.0f}, {"13-1/2", 13.5f}, {"15", 15.0f},
    {"16-1/2", 16.5f}, {"18", 18.0f}, {"19-1/2", 19.5f}, {"21", 21.0f}, {"22-1/2", 22.5f}, {"24", 24.0f},
    {"25-1/2", 25.5f}, {"27", 27.0f}, {"28-1/2", 28.5f}, {"30", 30.0f}, {"31-1/2", 31.5f}, {"33", 33.0f},
    {"34-1/2", 34.5f}, {"36", 36.0f}, {"37-1/2", 37.5f}, {"39", 39.0f}, {"40-1/2", 40.5f}, {"42", 42.0f},
    {"43-1/2", 43.5f}, {"45", 45.0f}, {"46-1/2", 46.5f}, {"48", 48.0f}, {"49-1/2", 49.5f}, {"51", 51.0f},
    {"52-1/2", 52.5f}, {"54", 54.0f},
}};

// Southern Pine glu-lam of 1-3/8 in. laminations, 9-5/8 to 30-1/4 in.; net depth = nominal.
constexpr std::array<LadderRung, 16> LadderS{{
    {"9-5/8", 9.625f},
    {"11", 11.0f},
    {"12-3/8", 12.375f},
    {"13-3/4", 13.75f},
    {"15-1/8", 15.125f},
    {"16-1/2", 16.5f},
    {"17-7/8", 17.875f},
    {"19-1/4", 19.25f},
    {"20-5/8", 20.625f},
    {"22", 22.0f},
    {"23-3/8", 23.375f},
    {"24-3/4", 24.75f},
    {"26-1/8", 26.125f},
    {"27-1/2", 27.5f},
    {"28-7/8", 28.875f},
    {"30-1/4", 30.25f},
}};

// Depths the custom glu-lam entry accepts that lie on neither glu-lam ladder; their net depth is the
// nominal depth.
constexpr std::array<LadderRung, 8> OffLadderGluLam{{
    {"6", 6.0f},
    {"7-1/4", 7.25f},
    {"9-1/4", 9.25f},
    {"9-1/2", 9.5f},
    {"11-1/4", 11.25f},
    {"11-7/8", 11.875f},
    {"14", 14.0f},
    {"16", 16.0f},
}};

// Glu-lam beams are not stepped down below 9 in., nor Southern Pine glu-lam below 9-5/8; headers stop
// at 18 in.
constexpr float LowestSmallerG = 9.0f;
constexpr float LowestSmallerS = 9.625f;
constexpr float HighestHeader = 18.0f;

DepthStep step(float depth, std::string_view larger, float smallerDepth, std::string_view smaller)
{
    return DepthStep{depth, std::string{larger}, smallerDepth, std::string{smaller}};
}

// Ladder D, dimension lumber, by the depth text; 14 steps up to 16 only for a 4x.
std::optional<DepthStep> ladderD(std::string_view depth, std::string_view breadth)
{
    if (depth == "8") {
        return step(7.25f, "10", 5.5f, "6");
    }
    if (depth == "10") {
        return step(9.25f, "12", 7.25f, "8");
    }
    if (depth == "12") {
        return step(11.25f, "14", 9.25f, "10");
    }
    if (depth == "14") {
        return step(13.25f, breadth == "4x" ? "16" : "", 11.25f, "12");
    }
    if (depth == "16") {
        return step(15.25f, "", 13.25f, "14");
    }
    return std::nullopt;
}

// Ladder T, timbers: never stepped down below the nominal breadth of the five standard timbers.
std::optional<DepthStep> ladderT(std::string_view depth, std::string_view breadth)
{
    struct Row
    {
        std::string_view depth;
        float net;
        std::string_view larger;
        float smallerNet;
        std::string_view smaller;
        std::array<std::string_view, 4> noSmaller; // breadths that keep no next smaller
    };
    static constexpr std::array<Row, 5> rows{{
        {"8", 7.5f, "10", 5.5f, "6", {"8x", "10x", "12x", "14x"}},
        {"10", 9.5f, "12", 7.5f, "8", {"10x", "12x", "14x", ""}},
        {"12", 11.5f, "14", 9.5f, "10", {"12x", "14x", "", ""}},
        {"14", 13.5f, "16", 11.5f, "12", {"14x", "", "", ""}},
        {"16", 15.5f, "", 13.5f, "14", {"", "", "", ""}},
    }};
    for (const Row& row : rows) {
        if (row.depth != depth) {
            continue;
        }
        const bool none = !breadth.empty() && isOneOf(breadth, row.noSmaller);
        return none ? step(row.net, row.larger, 0, "")
                    : step(row.net, row.larger, row.smallerNet, row.smaller);
    }
    return std::nullopt;
}

template <std::size_t N>
std::optional<DepthStep> ladderRung(const std::array<LadderRung, N>& ladder, std::string_view depth,
                                    bool header, bool southernPine)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (ladder[i].text != depth) {
            continue;
        }
        DepthStep result;
        result.BeamDepth = ladder[i].depth;
        if (i + 1 < N && !(header && ladder[i].depth >= HighestHeader)) {
            result.NextLargerLabel = std::string{ladder[i + 1].text};
        }
        const float lowest = southernPine ? LowestSmallerS : LowestSmallerG;
        if (i > 0 && ladder[i - 1].depth >= lowest) {
            result.NextSmallerDepth = ladder[i - 1].depth;
            result.NextSmallerLabel = std::string{ladder[i - 1].text};
        }
        return result;
    }
    return std::nullopt;
}

// A glu-lam depth between the rungs: nominal depth, neighbours from the ladder that applies.
template <std::size_t N>
DepthStep offLadder(float depth, const std::array<LadderRung, N>& ladder, bool header, bool southernPine)
{
    DepthStep result;
    result.BeamDepth = depth;
    for (const LadderRung& rung : ladder) {
        if (rung.depth > depth) {
            if (!(header && rung.depth > HighestHeader)) {
                result.NextLargerLabel = std::string{rung.text};
            }
            break;
        }
    }
    const float lowest = southernPine ? LowestSmallerS : LowestSmallerG;
    for (const LadderRung& rung : ladder) {
        if (rung.depth < depth && rung.depth >= lowest) {
            result.NextSmallerDepth = rung.depth;
            result.NextSmallerLabel = std::string{rung.text};
        }
    }
    return result;
}

bool southernPineGluLam(const DepthQuery& q)
{
    return q.BreadthClass == "GLB" && (q.southernPine || (q.customValues && q.WidGLB && q.SPG));
}

} // namespace

std::optional<DepthStep> depthStep(const DepthQuery& q)
{
    // Glu-lam depths off both ladders come first, so that a glu-lam "6" is not read as sawn lumber.
    if (q.BreadthClass == "GLB") {
        for (const LadderRung& rung : OffLadderGluLam) {
            if (rung.text == q.depth) {
                return southernPineGluLam(q) ? offLadder(rung.depth, LadderS, q.WidGLBHDR, true)
                                             : offLadder(rung.depth, LadderG, q.WidGLBHDR, false);
            }
        }
    }
    if (q.depth == "4") {
        return step(3.5f, "6", 0, "");
    }
    if (q.depth == "6") {
        return isOneOf(q.breadth, T5) ? step(5.5f, "8", 0, "") : step(5.5f, "8", 3.5f, "4");
    }
    const bool dimension = isOneOf(q.breadth, D6);
    if (q.depth == "8" || q.depth == "10" || q.depth == "12" || q.depth == "14") {
        if (dimension) {
            return ladderD(q.depth, q.breadth);
        }
        if (q.BreadthClass == "6x") {
            return ladderT(q.depth, q.breadth);
        }
    }
    if (q.depth == "16") {
        if (dimension) {
            return ladderD(q.depth, q.breadth);
        }
        if (isOneOf(q.breadth, T5)) {
            return ladderT(q.depth, q.breadth);
        }
    }
    if (q.customValues && q.Wid6x) {
        for (const LadderRung& rung : LadderC) {
            if (rung.text == q.depth) {
                return step(rung.depth, "", 0, "");
            }
        }
        return std::nullopt;
    }
    if (southernPineGluLam(q)) {
        if (auto s = ladderRung(LadderS, q.depth, q.WidGLBHDR, true)) {
            return s;
        }
    }
    if (q.BreadthClass == "GLB") {
        return ladderRung(LadderG, q.depth, q.WidGLBHDR, false);
    }
    return std::nullopt;
}

} // namespace wood
