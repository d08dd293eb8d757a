// The load boxes of the criteria form as the user entered them, kept by "OK Calculate" before it
// adjusts the boxes in place for roof slope and rafter spacing, so that the form can show the
// entries again exactly as typed when it is next activated.
#pragma once

#include <array>
#include <string>

namespace app
{

struct EnteredLoadTexts
{
    bool kept = false; // the texts below describe the boxes before the latest adjustment
    std::string UNIF;
    std::string LUNIF;
    std::array<std::string, 6> PT{};
    std::array<std::string, 6> LPT{};
    std::array<std::string, 5> PAR{};
    std::array<std::string, 5> LPAR{};
};

} // namespace app
