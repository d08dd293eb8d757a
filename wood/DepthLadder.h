// The depth ladders: the net depth of a nominal depth text and its neighbours of the same member class.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace wood
{

// What the ladders read: the size texts as the selection boxes hold them, the member class, and the
// species group and custom values options that choose between the glu-lam ladders.
struct DepthQuery
{
    std::string_view depth;   // Form3.Text2
    std::string_view breadth; // Form3.Text1
    std::string_view BreadthClass;
    bool southernPine = false; // Form1.group(5)
    bool customValues = false; // Form1.group(8)
    bool Wid6x = false;
    bool WidGLB = false;
    bool WidGLBHDR = false;
    bool SPG = false;
};

struct DepthStep
{
    float BeamDepth = 0;          // in
    std::string NextLargerLabel;  // empty: none
    float NextSmallerDepth = 0;   // in; 0: none
    std::string NextSmallerLabel; // empty: none
};

// The step of the first rule that names the size; empty when none does (the results then stay as the
// previous test left them, which the size checks make sure never matters).
std::optional<DepthStep> depthStep(const DepthQuery& query);

// One rung of a ladder: its nominal text and net depth (in).
struct LadderRung
{
    std::string_view text;
    float depth;
};

} // namespace wood
