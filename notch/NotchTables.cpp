// Look-ups in the notch check's species lists.
#include "notch/NotchTables.h"

namespace notch
{

namespace
{
constexpr double TimbersMinBreadthIn = 5; // timbers are 5 in. and thicker
constexpr int VaryingSawnIndex = 12;
} // namespace

int notchSpeciesCount(bool gluLam)
{
    return static_cast<int>(gluLam ? NotchBaseFvTable::GluLam.size() : NotchBaseFvTable::Sawn.size());
}

std::optional<int> notchBaseFv(bool gluLam, int index, double breadthIn)
{
    if (index < 0 || index >= notchSpeciesCount(gluLam)) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(index);
    if (gluLam) {
        return NotchBaseFvTable::GluLam[i].fvPsi;
    }
    const SawnSpecies& species = NotchBaseFvTable::Sawn[i];
    return breadthIn >= TimbersMinBreadthIn ? species.fvTimbersPsi : species.fvDimensionPsi;
}

std::string_view notchSpeciesText(bool gluLam, int index, double breadthIn)
{
    if (index < 0 || index >= notchSpeciesCount(gluLam)) {
        return {};
    }
    const auto i = static_cast<std::size_t>(index);
    if (gluLam) {
        return NotchBaseFvTable::GluLam[i].text;
    }
    if (index == VaryingSawnIndex && breadthIn >= TimbersMinBreadthIn) {
        return NotchBaseFvTable::EasternSpruce;
    }
    return NotchBaseFvTable::Sawn[i].text;
}

} // namespace notch
