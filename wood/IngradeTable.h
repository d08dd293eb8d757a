// The built-in reference design values of the sawn, timber and glu-lam grades the wood beam test knows,
// and the bending values of posts and timbers of the common sawn species.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace wood
{

// One grade of one member class. E is held once; the old table kept a second, unread copy.
struct IngradeRow
{
    std::string_view key;     // member class: "2x", "4x", "6x" or "GLB"
    std::string_view species; // species and grade, compared exactly
    std::int16_t Fv;          // psi, NDS 2001 and later
    std::int16_t Fv1997;      // psi, NDS 1997
    std::int16_t FcPerp;      // psi
    double E;                 // million psi
    std::int16_t Fb;          // psi
};

constexpr int IngradeRowCount = 100;
extern const std::array<IngradeRow, IngradeRowCount> IngradeTable;

// The row of a member class and species text; when several match the last decides, as the scan always
// went on to the end. Empty when none matches.
std::optional<IngradeRow> findIngradeRow(std::string_view BreadthClass, std::string_view species);

struct PostTimberFb
{
    std::string_view species;
    std::int16_t Fb; // psi
};
extern const std::array<PostTimberFb, 24> PostTimberFbTable;

// The post and timber bending value of a species text; empty for a text without a row (Southern Pine).
std::optional<std::int16_t> postTimberFb(std::string_view species);

} // namespace wood
