// The report's step tables for SCL members, by product (the list index of the custom values form's
// product list): breadth and depth ends, and the breadth ladders of the wider and narrower steps.
// Plies are "(n) t" with t one of 1-3/4x, 1-1/2x and 1-1/4x; the solid breadths have no count.
#include "report/StepTables.h"

#include <array>

namespace report
{

const SclRule* firstSclRule(std::span<const SclRule> rules, int product, std::string_view breadth,
                            std::string_view depth)
{
    if (product < 0 || product >= SclProductCount) {
        return nullptr;
    }
    for (const SclRule& rule : rules) {
        if ((rule.products & (1u << product)) != 0 && textIn(rule.breadth, breadth) &&
            textIn(rule.depth, depth)) {
            return &rule;
        }
    }
    return nullptr;
}

unsigned sclRulesOff(std::span<const SclRule> rules, int product, std::string_view breadth,
                     std::string_view depth)
{
    unsigned off = 0;
    if (product < 0 || product >= SclProductCount) {
        return off;
    }
    for (const SclRule& rule : rules) {
        if ((rule.products & (1u << product)) != 0 && textIn(rule.breadth, breadth) &&
            textIn(rule.depth, depth)) {
            off |= rule.off;
        }
    }
    return off;
}

const SclStepRow* firstSclStep(std::span<const SclBlock> blocks, std::string_view breadth,
                               std::string_view depth)
{
    for (const SclBlock& block : blocks) {
        for (const SclStepRow& row : block) {
            if (textIn(row.breadth, breadth) && textIn(row.depth, depth)) {
                return &row;
            }
        }
    }
    return nullptr;
}

namespace
{

constexpr std::string_view Plies34 = "(2) 1-3/4x|(3) 1-3/4x|(4) 1-3/4x";
constexpr std::string_view Plies12 = "(2) 1-1/2x|(3) 1-1/2x|(4) 1-1/2x";
constexpr std::string_view Plies14 = "(2) 1-1/4x|(3) 1-1/4x|(4) 1-1/4x";
constexpr std::string_view EvenDepths = "14|16|18|20|22|24";
constexpr std::string_view DeepDepths = "16|18|20|22|24";

// "Depth +": the narrowest breadth switches "Breadth -" off, the widest "Breadth +" (every row applies).
constexpr std::array DeeperBreadthRows{
    SclRule{products({0}), "1-3/4x", "", BreadthDown},
    SclRule{products({0}), "2-5/8x", "", BreadthUp},
    SclRule{products({1, 15, 22}), "3-1/2x", "", BreadthDown},
    SclRule{products({1, 3, 4, 15, 22}), "7x", "", BreadthUp},
    SclRule{products({2, 5, 6, 11, 12, 16, 17, 18, 20, 21}), "1-3/4x", "", BreadthDown},
    SclRule{products({2, 6, 16, 17, 20, 21}), "(4) 1-3/4x", "", BreadthUp},
    SclRule{products({3, 4}), "2-11/16x", "", BreadthDown},
    SclRule{products({5, 18}), "3-1/2x", "", BreadthUp},
    SclRule{products({7, 8, 9}), "1-3/4x|1-1/2x", "", BreadthDown},
    SclRule{products({7, 8, 9}), "(4) 1-3/4x|(4) 1-1/2x", "", BreadthUp},
    SclRule{products({10}), "", "", BreadthDown | BreadthUp},
    SclRule{products({11, 12}), "5-1/4x", "", BreadthUp},
    SclRule{products({19}), "1-1/4x", "", BreadthDown},
    SclRule{products({19}), "(4) 1-1/4x", "", BreadthUp},
};

// "Depth +" is refused at the deepest depth of the product in that breadth.
constexpr std::array DeeperDepthRows{
    SclRule{products({0}), "1-3/4x|2-5/8x", "18", DepthUp},
    SclRule{products({1}), "3-1/2x|5-1/4x|7x", "24", DepthUp},
    SclRule{products({2, 3, 4, 5, 6, 13, 14}), "1-3/4x", "14", DepthUp},
    SclRule{products({2}), Plies34, "20", DepthUp},
    SclRule{products({3, 4}), "2-11/16x|3-1/2x|5-1/4x|7x", "18", DepthUp},
    SclRule{products({5}), "3-1/2x", "24", DepthUp},
    SclRule{products({6}), Plies34, "18", DepthUp},
    SclRule{products({7, 8, 9}), "1-3/4x|1-1/2x", "14", DepthUp},
    SclRule{products({7, 8, 9}), "(2) 1-3/4x|(3) 1-3/4x|(4) 1-3/4x|(2) 1-1/2x|(3) 1-1/2x|(4) 1-1/2x", "24",
            DepthUp},
    SclRule{products({10}), "", "11-1/4", DepthUp},
    SclRule{products({11, 12, 16, 17, 18, 20, 21}), "1-3/4x", EvenDepths, DepthUp},
    SclRule{products({11, 12}), "3-1/2x|5-1/4x", "18", DepthUp},
    SclRule{products({13, 14}), "2-1/2x", "14", DepthUp},
    SclRule{products({13}), "3-1/2x|5-1/2x", "18", DepthUp},
    SclRule{products({14, 15}), "3-1/2x|5-1/2x|7x", "18", DepthUp},
    SclRule{products({16, 17, 20, 21}), Plies34, "24", DepthUp},
    SclRule{products({18}), "3-1/2x", "18", DepthUp},
    SclRule{products({19}), "1-1/4x", "9-1/2", DepthUp},
    SclRule{products({19}), Plies14, DeepDepths, DepthUp},
    SclRule{products({22}), "3-1/2x", "18|20|22|24", DepthUp},
    SclRule{products({22}), "5-1/2x|7x", "30", DepthUp},
};

// "Depth -" Table 1: breadth ends, first match of the product's block.
constexpr std::array ShallowerBreadthRows{
    SclRule{products({0, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 16, 17, 18, 20, 21}), "1-3/4x", "",
            BreadthDown},
    SclRule{products({1, 15, 22}), "3-1/2x", "", BreadthDown},
    SclRule{products({1, 3, 4, 14, 15, 22}), "7x", "", BreadthUp},
    SclRule{products({2, 6, 7, 8, 9, 16, 17, 20, 21}), "(4) 1-3/4x", "", BreadthUp},
    SclRule{products({5, 18}), "3-1/2x", "", BreadthUp},
    SclRule{products({7, 8, 9}), "1-1/2x", "", BreadthDown},
    SclRule{products({7, 8, 9}), "(4) 1-1/2x", "", BreadthUp},
    SclRule{products({10}), "3-1/2x", "", BreadthDown | BreadthUp},
    SclRule{products({11, 12}), "5-1/4x", "", BreadthUp},
    SclRule{products({13}), "5-1/2x", "", BreadthUp},
    SclRule{products({19}), "1-1/4x", "", BreadthDown},
    SclRule{products({19}), "(4) 1-1/4x", "", BreadthUp},
    SclRule{products({22}), "5-1/2x", "20", BreadthDown},
};

// "Depth -" Table 2: a narrower breadth is not made at these depths.
constexpr std::array ShallowerNarrowerRows{
    SclRule{products({1}), "3-1/2x", "20|22|24", BreadthDown},
    SclRule{products({2, 6, 7, 8, 9, 16, 17, 20, 21}), "(2) 1-3/4x", DeepDepths, BreadthDown},
    SclRule{products({3, 4}), "2-11/16x", DeepDepths, BreadthDown},
    SclRule{products({5}), "3-1/2x", DeepDepths, BreadthDown},
    SclRule{products({18}), "1-3/4x", "", BreadthDown},
    SclRule{products({19}), "(2) 1-1/4x", "11-7/8|14|16", BreadthDown},
};

// "Depth -" Table 3: the shallowest depth of the product; no step is made there.
constexpr std::array ShallowestRows{
    SclRule{products({0, 2, 5, 16, 17}), "", "5-1/2", DepthDown},
    SclRule{products({1}), "3-1/2x|5-1/4x", "5-1/2", DepthDown},
    SclRule{products({1}), "7x", "9-1/4", DepthDown},
    SclRule{products({3, 4}), "1-3/4x|2-11/16x|3-1/2x|5-1/4x|7x", "9-1/4", DepthDown},
    SclRule{products({6}), "", "7-1/4", DepthDown},
    SclRule{products({7, 8, 9, 18, 20, 21}), "", "3-1/2", DepthDown},
    SclRule{products({10}), "", "4-3/8", DepthDown},
    SclRule{products({11, 12}), "", "9-1/4", DepthDown},
    SclRule{products({19}), "", "9-1/2", DepthDown},
    SclRule{products({22}), "3-1/2x", "9-1/2", DepthDown},
    SclRule{products({22}), "5-1/2x|7x", "9-1/2", DepthDown | BreadthUp},
};

// --- "Breadth +" ladders ---
constexpr std::array UpP{
    SclStepRow{"1-3/4x", "", "(2) 1-3/4x", 0},
    SclStepRow{"(2) 1-3/4x", "", "(3) 1-3/4x", 0},
    SclStepRow{"(3) 1-3/4x", "", "(4) 1-3/4x", BreadthUp},
    SclStepRow{"(4) 1-3/4x", "", "", BreadthUp},
};
constexpr std::array Up0{
    SclStepRow{"1-3/4x", "", "2-5/8x", 0},         SclStepRow{"2-5/8x", "", "(2) 1-3/4x", 0},
    SclStepRow{"(2) 1-3/4x", "", "(3) 1-3/4x", 0}, SclStepRow{"(3) 1-3/4x", "", "(4) 1-3/4x", BreadthUp},
    SclStepRow{"(4) 1-3/4x", "", "", BreadthUp},
};
constexpr std::array UpQ{
    SclStepRow{"1-1/2x", "", "(2) 1-1/2x", 0},
    SclStepRow{"(2) 1-1/2x", "", "(3) 1-1/2x", 0},
    SclStepRow{"(3) 1-1/2x", "", "(4) 1-1/2x", BreadthUp},
    SclStepRow{"(4) 1-1/2x", "", "", BreadthUp},
};
constexpr std::array UpR{
    SclStepRow{"1-1/4x", "", "(2) 1-1/4x", 0},
    SclStepRow{"(2) 1-1/4x", "", "(3) 1-1/4x", 0},
    SclStepRow{"(3) 1-1/4x", "", "(4) 1-1/4x", BreadthUp},
    SclStepRow{"(4) 1-1/4x", "", "", BreadthUp},
};
constexpr std::array UpY{
    SclStepRow{"1-3/4x", "", "3-1/2x", BreadthUp},
    SclStepRow{"3-1/2x", "", "", BreadthUp},
};
constexpr std::array UpW{
    SclStepRow{"3-1/2x", "", "5-1/4x", 0},
    SclStepRow{"5-1/4x", "5-1/2|5-1/4|7-1/4", "", BreadthUp},
    SclStepRow{"5-1/4x", "", "7x", BreadthUp},
    SclStepRow{"7x", "", "", BreadthUp},
};
constexpr std::array UpX{
    SclStepRow{"1-3/4x", "", "2-11/16x", 0}, SclStepRow{"2-11/16x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", "", "5-1/4x", 0},   SclStepRow{"5-1/4x", "", "7x", BreadthUp},
    SclStepRow{"7x", "", "", BreadthUp},
};
// Product 15 has no row for "7x": such a member is tested again with "Breadth +" on.
constexpr std::array UpF{
    SclStepRow{"3-1/2x", "", "5-1/2x", 0},
    SclStepRow{"5-1/2x", "7-1/4", "", BreadthUp},
    SclStepRow{"5-1/2x", "", "7x", BreadthUp},
};
constexpr std::array UpG{
    SclStepRow{"3-1/2x", "", "5-1/2x", 0},
    SclStepRow{"5-1/2x", "", "7x", BreadthUp},
    SclStepRow{"7x", "", "", BreadthUp},
};
constexpr std::array UpZ{
    SclStepRow{"", "", "", BreadthUp | BreadthDown},
};
constexpr std::array UpT{
    SclStepRow{"1-3/4x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", "", "5-1/4x", BreadthUp},
    SclStepRow{"5-1/4x", "", "", BreadthUp},
};
constexpr std::array Up13{
    SclStepRow{"1-3/4x", "", "2-1/2x", 0},
    SclStepRow{"2-1/2x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", "", "5-1/2x", 0},
    SclStepRow{"5-1/2x", "", "", BreadthUp},
};
constexpr std::array Up14{
    SclStepRow{"1-3/4x", "", "2-1/2x", 0}, SclStepRow{"2-1/2x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", "", "5-1/2x", 0}, SclStepRow{"5-1/2x", "", "7x", 0},
    SclStepRow{"7x", "", "", BreadthUp},
};
constexpr std::array UpS{
    SclStepRow{"2-1/2x", "", "2-5/8x", 0},   SclStepRow{"2-5/8x", "", "2-11/16x", 0},
    SclStepRow{"2-11/16x", "", "3-1/2x", 0}, SclStepRow{"3-1/2x", "", "5-1/4x", 0},
    SclStepRow{"5-1/4x", "", "5-1/2x", 0},   SclStepRow{"5-1/2x", "", "7x", 0},
    SclStepRow{"7x", "", "", BreadthUp},
};

// --- "Breadth -" ladders ---
constexpr std::array DownP{
    SclStepRow{"(4) 1-3/4x", "", "(3) 1-3/4x", 0},
    SclStepRow{"(3) 1-3/4x", "", "(2) 1-3/4x", 0},
    SclStepRow{"(2) 1-3/4x", DeepDepths, "", BreadthDown},
    SclStepRow{"(2) 1-3/4x", "", "1-3/4x", BreadthDown},
    SclStepRow{"1-3/4x", "", "", BreadthDown},
};
constexpr std::array DownQ{
    SclStepRow{"(4) 1-1/2x", "", "(3) 1-1/2x", 0},
    SclStepRow{"(3) 1-1/2x", "", "(2) 1-1/2x", 0},
    SclStepRow{"(2) 1-1/2x", DeepDepths, "", BreadthDown},
    SclStepRow{"(2) 1-1/2x", "", "1-1/2x", BreadthDown},
    SclStepRow{"1-1/2x", "", "", BreadthDown},
};
constexpr std::array DownR{
    SclStepRow{"(4) 1-1/4x", "", "(3) 1-1/4x", 0},
    SclStepRow{"(3) 1-1/4x", "", "(2) 1-1/4x", 0},
    SclStepRow{"(2) 1-1/4x", EvenDepths, "", BreadthDown},
    SclStepRow{"(2) 1-1/4x", "", "1-1/4x", BreadthDown},
    SclStepRow{"1-1/4x", "", "", BreadthDown},
};
constexpr std::array DownV{
    SclStepRow{"(4) 1-3/4x", "", "(3) 1-3/4x", 0},         SclStepRow{"(3) 1-3/4x", "", "(2) 1-3/4x", 0},
    SclStepRow{"(2) 1-3/4x", DeepDepths, "", BreadthDown}, SclStepRow{"(2) 1-3/4x", "", "2-5/8x", 0},
    SclStepRow{"2-5/8x", "", "1-3/4x", BreadthDown},       SclStepRow{"1-3/4x", "", "", BreadthDown},
};
constexpr std::array DownW{
    SclStepRow{"7x", "", "5-1/4x", 0},
    SclStepRow{"5-1/4x", "22|24", "", BreadthDown},
    SclStepRow{"5-1/4x", "", "3-1/2x", BreadthDown},
    SclStepRow{"3-1/2x", "", "", BreadthDown},
};
constexpr std::array DownX{
    SclStepRow{"7x", "", "5-1/4x", 0},
    SclStepRow{"5-1/4x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", "", "2-11/16x", BreadthDown},
    SclStepRow{"2-11/16x", "", "", BreadthDown},
};
constexpr std::array DownY{
    SclStepRow{"3-1/2x", "", "1-3/4x", BreadthDown},
    SclStepRow{"1-3/4x", "", "", BreadthDown},
};
constexpr std::array DownZ{
    SclStepRow{"", "", "", BreadthDown | BreadthUp},
};
constexpr std::array DownT{
    SclStepRow{"5-1/4x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", "", "1-3/4x", BreadthDown},
    SclStepRow{"1-3/4x", "", "", BreadthDown},
};
constexpr std::array DownF{
    SclStepRow{"7x", "", "5-1/2x", 0},
    SclStepRow{"5-1/2x", "", "3-1/2x", BreadthDown},
    SclStepRow{"3-1/2x", "", "", BreadthDown},
};
constexpr std::array DownG{
    SclStepRow{"7x", "", "5-1/2x", 0},
    SclStepRow{"5-1/2x", "20|22|24|26|28|30", "", BreadthDown},
    SclStepRow{"5-1/2x", "", "3-1/2x", BreadthDown},
    SclStepRow{"3-1/2x", "", "", BreadthDown},
};
constexpr std::array DownN{
    SclStepRow{"7x", "", "5-1/2x", 0},
    SclStepRow{"5-1/2x", "", "3-1/2x", 0},
    SclStepRow{"3-1/2x", DeepDepths, "", BreadthDown},
    SclStepRow{"3-1/2x", "", "2-1/2x", 0},
    SclStepRow{"2-1/2x", "", "1-3/4x", BreadthDown},
    SclStepRow{"1-3/4x", "", "", BreadthDown},
};
// The custom products' solid ladder ends at "2-1/2x" and never steps into the plies.
constexpr std::array DownS{
    SclStepRow{"7x", "", "5-1/2x", 0},         SclStepRow{"5-1/2x", "", "5-1/4x", 0},
    SclStepRow{"5-1/4x", "", "3-1/2x", 0},     SclStepRow{"3-1/2x", "", "2-11/16x", 0},
    SclStepRow{"2-11/16x", "", "2-5/8x", 0},   SclStepRow{"2-5/8x", "", "2-1/2x", 0},
    SclStepRow{"2-1/2x", "", "", BreadthDown},
};

using Blocks1 = std::array<SclBlock, 1>;
using Blocks2 = std::array<SclBlock, 2>;
using Blocks4 = std::array<SclBlock, 4>;

const Blocks1 WiderP{SclBlock{UpP}};
const Blocks1 Wider0{SclBlock{Up0}};
const Blocks2 WiderPQ{SclBlock{UpP}, SclBlock{UpQ}};
const Blocks1 WiderR{SclBlock{UpR}};
const Blocks1 WiderY{SclBlock{UpY}};
const Blocks1 WiderW{SclBlock{UpW}};
const Blocks1 WiderX{SclBlock{UpX}};
const Blocks1 WiderF{SclBlock{UpF}};
const Blocks1 WiderG{SclBlock{UpG}};
const Blocks1 WiderZ{SclBlock{UpZ}};
const Blocks1 WiderT{SclBlock{UpT}};
const Blocks1 Wider13{SclBlock{Up13}};
const Blocks1 Wider14{SclBlock{Up14}};
const Blocks4 WiderCustom{SclBlock{UpP}, SclBlock{UpS}, SclBlock{UpR}, SclBlock{UpQ}};

const Blocks1 NarrowerP{SclBlock{DownP}};
const Blocks2 NarrowerPQ{SclBlock{DownP}, SclBlock{DownQ}};
const Blocks1 NarrowerR{SclBlock{DownR}};
const Blocks1 NarrowerV{SclBlock{DownV}};
const Blocks1 NarrowerW{SclBlock{DownW}};
const Blocks1 NarrowerX{SclBlock{DownX}};
const Blocks1 NarrowerY{SclBlock{DownY}};
const Blocks1 NarrowerZ{SclBlock{DownZ}};
const Blocks1 NarrowerT{SclBlock{DownT}};
const Blocks1 NarrowerF{SclBlock{DownF}};
const Blocks1 NarrowerG{SclBlock{DownG}};
const Blocks1 NarrowerN{SclBlock{DownN}};
const Blocks4 NarrowerCustom{SclBlock{DownP}, SclBlock{DownS}, SclBlock{DownR}, SclBlock{DownQ}};

// Blocks of each product, index 0 to 25; 25 (the glu-lam product) has none.
const std::array<std::span<const SclBlock>, SclProductCount> WiderByProduct{
    Wider0,  WiderW, WiderP, WiderX, WiderX,  WiderY,      WiderP,      WiderPQ, WiderPQ,
    WiderPQ, WiderZ, WiderT, WiderT, Wider13, Wider14,     WiderF,      WiderP,  WiderP,
    WiderY,  WiderR, WiderP, WiderP, WiderG,  WiderCustom, WiderCustom, {},
};
const std::array<std::span<const SclBlock>, SclProductCount> NarrowerByProduct{
    NarrowerV,  NarrowerW,  NarrowerP,      NarrowerX,      NarrowerX, NarrowerY, NarrowerP,
    NarrowerPQ, NarrowerPQ, NarrowerPQ,     NarrowerZ,      NarrowerT, NarrowerT, NarrowerN,
    NarrowerN,  NarrowerF,  NarrowerP,      NarrowerP,      NarrowerY, NarrowerR, NarrowerP,
    NarrowerP,  NarrowerG,  NarrowerCustom, NarrowerCustom, {},
};

} // namespace

const std::span<const SclRule> SclDeeperBreadthEnds{DeeperBreadthRows};
const std::span<const SclRule> SclDeeperDepthEnds{DeeperDepthRows};
const std::span<const SclRule> SclShallowerBreadthEnds{ShallowerBreadthRows};
const std::span<const SclRule> SclShallowerNarrowerByDepth{ShallowerNarrowerRows};
const std::span<const SclRule> SclShallowerShallowest{ShallowestRows};

std::span<const SclBlock> sclWiderBlocks(int product)
{
    if (product < 0 || product >= SclProductCount) {
        return {};
    }
    return WiderByProduct[static_cast<std::size_t>(product)];
}

std::span<const SclBlock> sclNarrowerBlocks(int product)
{
    if (product < 0 || product >= SclProductCount) {
        return {};
    }
    return NarrowerByProduct[static_cast<std::size_t>(product)];
}

} // namespace report
