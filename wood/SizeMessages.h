// The texts with which the wood beam size test refuses a size.
#pragma once

#include <string>

namespace wood
{

std::string customBreadthMessage();
std::string customDepthMessage();
std::string breadthMessage();
std::string speciesMessage();
std::string depthMessage();
// Header breadth and breadth format: one text.
std::string breadthFormatMessage();
std::string repetitiveUseMessage();

constexpr const char* DatabaseErrorMessage = "Database search error in calc module";
constexpr const char* ZeroValueMessage = "Calc module, zero value error!";
constexpr const char* ErrorTrapTitle = "Korvanta Errortrap Calc-1";

} // namespace wood
