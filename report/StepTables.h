// The tables of the report form's size-step buttons and of its activation: which sizes switch a step
// button off, and the breadth ladders of sawn, glu-lam, header and SCL members. Sizes are keys compared
// whole and case-sensitively ("16 " is not "16"), so every table holds the texts exactly as the boxes do.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace report
{

// The four size-step buttons as bits of a set.
enum StepButton : unsigned
{
    DepthDown = 1,   // CmdNextSizeDn "Depth -"
    DepthUp = 2,     // CmdNextSize "Depth +"
    BreadthDown = 4, // CmdNextWidthDn "Breadth -"
    BreadthUp = 8,   // CmdNextWidth "Breadth +"
};

// A set of texts written "a|b|c"; the empty set stands for any text. A key matches only a text equal
// to one of its members, blanks, case and parentheses included.
bool textIn(std::string_view set, std::string_view text);

// Conditions on the member's options that some rows add. They are read from the criteria form and the
// custom values form whatever the member class is, the custom values form's options as they stand.
enum class Requires
{
    Always,
    Never,
    CustomValues,               // group(8)
    NotCustomValues,            // not group(8)
    SouthernPineOrCustomValues, // group(5) or group(8)
    GluLamHeaders,              // Form2.WidGLBHDR
    CustomGluLamHeaders,        // group(8) and Form2.WidGLBHDR
    SouthernPineOrSPG,          // group(5) or Form2.SPG
    NeitherSouthernPineNorSPG,  // neither group(5) nor Form2.SPG
};

struct MemberOptions
{
    bool southernPine = false;  // Form1.group(5)
    bool scl = false;           // Form1.group(7)
    bool customValues = false;  // Form1.group(8)
    bool steel = false;         // Form1.group(9)
    bool round = false;         // Form2.Roundoption
    bool gluLamHeaders = false; // Form2.WidGLBHDR
    bool custom2x = false;      // Form2.Wid2x
    bool custom4x = false;      // Form2.Wid4x
    bool spg = false;           // Form2.SPG
};

bool holds(Requires condition, const MemberOptions& options);

// A row that switches buttons off when the breadth and depth boxes match it and its condition holds.
struct SizeRule
{
    std::string_view breadth; // text set; empty: any
    std::string_view depth;   // text set; empty: any
    unsigned off;             // StepButton bits
    Requires when = Requires::Always;
};

// The buttons that the rules switch off for this breadth and depth; every rule is tried.
unsigned rulesOff(std::span<const SizeRule> rules, std::string_view breadth, std::string_view depth,
                  const MemberOptions& options);

// --- Activation of the report form: a button is disabled when any row of its table matches ---
extern const std::span<const SizeRule> ActivationEnableRules;

// --- "Depth +": the closing checks ---
extern const std::span<const SizeRule> DeeperClosingChecks;
// --- "Depth -": the closing checks ---
extern const std::span<const SizeRule> ShallowerClosingChecks;
// --- "Breadth +" and "Breadth -": the end checks ---
extern const std::span<const SizeRule> WiderEndChecks;
extern const std::span<const SizeRule> NarrowerEndChecks;

// A wood breadth step: the first row whose breadth and condition hold writes its new breadth and
// switches its button off when offWhen holds and the depth is in offDepth.
struct WoodStepRow
{
    std::string_view breadth;
    Requires when;
    std::string_view newBreadth;
    Requires offWhen;          // Never: the button stays
    std::string_view offDepth; // text set; empty: any depth
};

extern const std::span<const WoodStepRow> WiderWoodStep;
extern const std::span<const WoodStepRow> NarrowerWoodStep;

// --- SCL members, by product (the list index of Form2.Combo1 in the SCL catalogue) ---
constexpr int SclProductCount = 26;

// A row that applies to a set of products (bit p for product p).
struct SclRule
{
    std::uint32_t products;
    std::string_view breadth; // text set; empty: any
    std::string_view depth;   // text set; empty: any
    unsigned off;
};

// The products of a list, as a set.
constexpr std::uint32_t products(std::initializer_list<int> indices)
{
    std::uint32_t set = 0;
    for (int index : indices) {
        set |= 1u << index;
    }
    return set;
}

// The first rule of the product that matches, or none.
const SclRule* firstSclRule(std::span<const SclRule> rules, int product, std::string_view breadth,
                            std::string_view depth);

// The buttons that every matching rule of the product switches off.
unsigned sclRulesOff(std::span<const SclRule> rules, int product, std::string_view breadth,
                     std::string_view depth);

// "Depth +" of an SCL member: the breadth ends switch buttons off; the depth ends refuse the step.
extern const std::span<const SclRule> SclDeeperBreadthEnds;
extern const std::span<const SclRule> SclDeeperDepthEnds;

// "Depth -" of an SCL member: Table 1 breadth ends (first match within the product's block), Table 2
// narrower breadth by depth, Table 3 shallowest depth (no step; its off bits besides Depth -).
extern const std::span<const SclRule> SclShallowerBreadthEnds;
extern const std::span<const SclRule> SclShallowerNarrowerByDepth;
extern const std::span<const SclRule> SclShallowerShallowest;

// A breadth step of an SCL member: the first row of the product's blocks whose breadth and depth hold
// writes newBreadth (empty: unchanged) and switches its buttons off.
struct SclStepRow
{
    std::string_view breadth; // text set; empty: any
    std::string_view depth;   // text set; empty: any
    std::string_view newBreadth;
    unsigned off;
};

using SclBlock = std::span<const SclStepRow>;

// The blocks of a product for the wider and the narrower step, in the order they are tried; none for
// the glu-lam product 25 or when no product is chosen.
std::span<const SclBlock> sclWiderBlocks(int product);
std::span<const SclBlock> sclNarrowerBlocks(int product);
// The first row of the blocks whose breadth and depth hold, or none.
const SclStepRow* firstSclStep(std::span<const SclBlock> blocks, std::string_view breadth,
                               std::string_view depth);

// --- The next-smaller note stays empty when the next depth falls below a timber's breadth ---
struct SmallChoiceSkip
{
    std::string_view breadth;
    std::string_view nextSmaller; // text set
};
extern const std::span<const SmallChoiceSkip> SmallChoiceSkipped;

} // namespace report
