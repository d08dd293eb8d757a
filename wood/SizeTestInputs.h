// What the wood size test reads of the selection and custom values forms: the custom member class
// options and the size texts with the captions they are checked against.
#pragma once

#include "wood/SizeEntry.h"

#include <array>
#include <string>

namespace app
{
class Program;
}
namespace scl
{
class Form2;
}

namespace wood
{

// The custom values form's options; a form that is not loaded is in its initial state, and asking
// must not load it.
CustomOptions readCustomOptions(scl::Form2& form2);

// The texts and captions a size is checked against; owns the strings the entry views.
struct EntryTexts
{
    std::string breadth, depth, species;
    std::array<std::string, 8> sawn;
    std::array<std::string, 5> gluLam;
    std::array<std::string, 6> grades;
    std::array<std::string, 8> customSawn;
    std::array<std::string, 5> customGluLam;

    SizeEntry view(bool customValues, bool southernPine, const CustomOptions& options) const;
};

EntryTexts readEntryTexts(app::Program& program, bool customValues);

} // namespace wood
