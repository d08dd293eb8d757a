// The report's step tables for sawn, timber, glu-lam, header and custom-values members: the enable
// rules of the activation, the closing and end checks of the four step buttons, and the breadth
// ladders. The activation and the clicks use different rules on purpose; each is kept as it stands.
#include "report/StepTables.h"

#include <array>

namespace report
{

bool textIn(std::string_view set, std::string_view text)
{
    if (set.empty()) {
        return true;
    }
    while (true) {
        const std::size_t bar = set.find('|');
        if (set.substr(0, bar) == text) {
            return true;
        }
        if (bar == std::string_view::npos) {
            return false;
        }
        set.remove_prefix(bar + 1);
    }
}

bool holds(Requires condition, const MemberOptions& o)
{
    switch (condition) {
    case Requires::Always:
        return true;
    case Requires::Never:
        return false;
    case Requires::CustomValues:
        return o.customValues;
    case Requires::NotCustomValues:
        return !o.customValues;
    case Requires::SouthernPineOrCustomValues:
        return o.southernPine || o.customValues;
    case Requires::GluLamHeaders:
        return o.gluLamHeaders;
    case Requires::CustomGluLamHeaders:
        return o.customValues && o.gluLamHeaders;
    case Requires::SouthernPineOrSPG:
        return o.southernPine || o.spg;
    case Requires::NeitherSouthernPineNorSPG:
        return !o.southernPine && !o.spg;
    }
    return false;
}

unsigned rulesOff(std::span<const SizeRule> rules, std::string_view breadth, std::string_view depth,
                  const MemberOptions& options)
{
    unsigned off = 0;
    for (const SizeRule& rule : rules) {
        if (textIn(rule.breadth, breadth) && textIn(rule.depth, depth) && holds(rule.when, options)) {
            off |= rule.off;
        }
    }
    return off;
}

namespace
{

using R = Requires;

constexpr std::array ActivationRows{
    // "Breadth -"
    SizeRule{"2x", "", BreadthDown},
    SizeRule{"6x", "16", BreadthDown},
    SizeRule{"4x", "16", BreadthDown},
    SizeRule{"3x", "", BreadthDown},
    SizeRule{"3-1/8x", "", BreadthDown},
    // "Breadth +"
    SizeRule{"14x", "", BreadthUp},
    SizeRule{"(4) 2x", "4", BreadthUp},
    SizeRule{"4x", "4", BreadthUp},
    SizeRule{"10-1/2x", "", BreadthUp},
    SizeRule{"10-3/4x", "", BreadthUp},
    // "Depth -"
    SizeRule{"", "4", DepthDown},
    SizeRule{"14x", "14", DepthDown},
    SizeRule{"12x", "12", DepthDown},
    SizeRule{"10x", "10", DepthDown},
    SizeRule{"8x", "8", DepthDown},
    SizeRule{"6x", "6", DepthDown},
    SizeRule{"", "9-5/8", DepthDown},
    SizeRule{"", "9", DepthDown},
    SizeRule{"", "5-1/2", DepthDown},
    // "Depth +"
    SizeRule{"", "16", DepthUp},
    SizeRule{"2x|(2) 2x|(3) 2x|(4) 2x", "14", DepthUp},
    SizeRule{"", "30-1/4", DepthUp},
    SizeRule{"", "54", DepthUp},
};

constexpr std::array DeeperRows{
    SizeRule{"6x", "6", DepthDown},
    SizeRule{"8x", "8", DepthDown},
    SizeRule{"10x", "10", DepthDown},
    SizeRule{"6x", "", BreadthDown, R::CustomValues},
    SizeRule{"6x", "16", BreadthDown},
    SizeRule{"4x", "16", BreadthDown},
    SizeRule{"2x", "", BreadthDown},
    SizeRule{"14x", "", BreadthUp},
    SizeRule{"4x", "16", BreadthUp},
    SizeRule{"3-1/8x", "", BreadthDown},
    SizeRule{"10-3/4x", "", BreadthUp},
    SizeRule{"3-1/2x", "", BreadthDown, R::CustomGluLamHeaders},
    SizeRule{"5-1/2x", "", BreadthUp, R::CustomGluLamHeaders},
};

constexpr std::array ShallowerRows{
    SizeRule{"6x", "6", DepthDown},
    SizeRule{"8x", "8", DepthDown},
    SizeRule{"10x", "10", DepthDown},
    SizeRule{"12x", "12", DepthDown},
    SizeRule{"14x", "14", DepthDown},
    SizeRule{"14x", "", BreadthUp},
    SizeRule{"(4) 2x", "4", BreadthUp},
    SizeRule{"6x", "6", BreadthUp},
    SizeRule{"8x", "8", BreadthUp},
    SizeRule{"2x", "", BreadthDown},
    SizeRule{"6x", "6", BreadthDown},
    SizeRule{"3-1/2x", "", BreadthDown, R::CustomGluLamHeaders},
    SizeRule{"5-1/2x", "", BreadthUp, R::CustomGluLamHeaders},
    SizeRule{"3-1/8x", "", BreadthDown},
    SizeRule{"10-3/4x", "", BreadthUp},
};

// The end checks of the two breadth buttons differ only in the pair "4x" by "16".
constexpr std::array WiderRows{
    SizeRule{"", "16", DepthUp},          SizeRule{"2x|(2) 2x|(3) 2x|(4) 2x", "14", DepthUp},
    SizeRule{"", "4", DepthDown},         SizeRule{"6x", "6", DepthDown},
    SizeRule{"8x", "8", DepthDown},       SizeRule{"10x", "10", DepthDown},
    SizeRule{"12x", "12", DepthDown},     SizeRule{"14x", "14", DepthDown},
    SizeRule{"4x|6x", "16", BreadthDown}, SizeRule{"(4) 2x", "4", BreadthUp},
    SizeRule{"4x", "16", BreadthUp},      SizeRule{"6x", "6", BreadthUp},
    SizeRule{"8x", "8", BreadthUp},       SizeRule{"10x", "10", BreadthUp},
    SizeRule{"12x", "12", BreadthUp},     SizeRule{"14x", "", BreadthUp},
};

constexpr std::array NarrowerRows{
    SizeRule{"", "16", DepthUp},       SizeRule{"(4) 2x|(3) 2x|(2) 2x|2x", "14", DepthUp},
    SizeRule{"", "4", DepthDown},      SizeRule{"6x", "6", DepthDown},
    SizeRule{"8x", "8", DepthDown},    SizeRule{"10x", "10", DepthDown},
    SizeRule{"12x", "12", DepthDown},  SizeRule{"14x", "14", DepthDown},
    SizeRule{"6x", "16", BreadthDown}, SizeRule{"(4) 2x", "4", BreadthUp},
    SizeRule{"6x", "6", BreadthUp},    SizeRule{"8x", "8", BreadthUp},
    SizeRule{"10x", "10", BreadthUp},  SizeRule{"12x", "12", BreadthUp},
    SizeRule{"14x", "", BreadthUp},
};

// Sawn: "2x", "(2) 2x", "4x", "(3) 2x", "(4) 2x", "6x" .. "14x"; custom values skip "4x". Glu-lam:
// "3-1/8x", "5-1/8x", "6-3/4x", then "8-3/4x", "10-3/4x" (Southern Pine or SPG: "8-1/2x", "10-1/2x").
constexpr std::array WiderWoodRows{
    WoodStepRow{"(4) 2x", R::Always, "6x", R::Always, "6"},
    WoodStepRow{"6x", R::Always, "8x", R::Always, "8"},
    WoodStepRow{"8x", R::Always, "10x", R::Always, "10"},
    WoodStepRow{"10x", R::Always, "12x", R::Always, "12"},
    WoodStepRow{"12x", R::Always, "14x", R::Always, "14"},
    WoodStepRow{"(3) 2x", R::Always, "(4) 2x", R::SouthernPineOrCustomValues, ""},
    WoodStepRow{"4x", R::Always, "(3) 2x", R::Never, ""},
    WoodStepRow{"(2) 2x", R::CustomValues, "(3) 2x", R::Never, ""},
    WoodStepRow{"(2) 2x", R::Always, "4x", R::Never, ""},
    WoodStepRow{"2x", R::Always, "(2) 2x", R::Never, ""},
    WoodStepRow{"8-3/4x", R::Always, "10-3/4x", R::Always, ""},
    WoodStepRow{"6-3/4x", R::NeitherSouthernPineNorSPG, "8-3/4x", R::Never, ""},
    WoodStepRow{"5-1/8x", R::Always, "6-3/4x", R::Never, ""},
    WoodStepRow{"3-1/8x", R::Always, "5-1/8x", R::Never, ""},
    WoodStepRow{"8-1/2x", R::Always, "10-1/2x", R::Always, ""},
    WoodStepRow{"6-3/4x", R::SouthernPineOrSPG, "8-1/2x", R::Never, ""},
    WoodStepRow{"3-1/2x", R::GluLamHeaders, "5-1/2x", R::Always, ""},
};

constexpr std::array NarrowerWoodRows{
    WoodStepRow{"14x", R::Always, "12x", R::Never, ""},
    WoodStepRow{"12x", R::Always, "10x", R::Never, ""},
    WoodStepRow{"10x", R::Always, "8x", R::Never, ""},
    WoodStepRow{"8x", R::Always, "6x", R::SouthernPineOrCustomValues, ""},
    WoodStepRow{"6x", R::Always, "(4) 2x", R::Never, ""},
    WoodStepRow{"(4) 2x", R::Always, "(3) 2x", R::Never, ""},
    WoodStepRow{"(3) 2x", R::CustomValues, "(2) 2x", R::Never, ""},
    WoodStepRow{"(3) 2x", R::Always, "4x", R::Never, ""},
    WoodStepRow{"4x", R::Always, "(2) 2x", R::Never, ""},
    WoodStepRow{"(2) 2x", R::Always, "2x", R::Always, ""},
    WoodStepRow{"10-3/4x", R::Always, "8-3/4x", R::Never, ""},
    WoodStepRow{"8-3/4x|8-1/2x", R::Always, "6-3/4x", R::Never, ""},
    WoodStepRow{"10-1/2x", R::Always, "8-1/2x", R::Never, ""},
    WoodStepRow{"6-3/4x", R::Always, "5-1/8x", R::Never, ""},
    WoodStepRow{"5-1/8x", R::Always, "3-1/8x", R::Always, ""},
    WoodStepRow{"5-1/2x", R::GluLamHeaders, "3-1/2x", R::Always, ""},
};

constexpr std::array SmallChoiceRows{
    SmallChoiceSkip{"14x", "12|10|8|6"},
    SmallChoiceSkip{"12x", "10|8|6"},
    SmallChoiceSkip{"10x", "8|6"},
    SmallChoiceSkip{"8x", "6"},
};

} // namespace

const std::span<const SizeRule> ActivationEnableRules{ActivationRows};
const std::span<const SizeRule> DeeperClosingChecks{DeeperRows};
const std::span<const SizeRule> ShallowerClosingChecks{ShallowerRows};
const std::span<const SizeRule> WiderEndChecks{WiderRows};
const std::span<const SizeRule> NarrowerEndChecks{NarrowerRows};
const std::span<const WoodStepRow> WiderWoodStep{WiderWoodRows};
const std::span<const WoodStepRow> NarrowerWoodStep{NarrowerWoodRows};
const std::span<const SmallChoiceSkip> SmallChoiceSkipped{SmallChoiceRows};

} // namespace report
