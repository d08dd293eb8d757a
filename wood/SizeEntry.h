// The size entry of the wood beam test: which breadth, depth and species texts are accepted, and the
// net breadth and member class of an accepted size.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace wood
{

// The custom values form's member class and shape options (all clear but Wid2x when it is not loaded).
struct CustomOptions
{
    bool Wid2x = true;
    bool Wid4x = false;
    bool Wid6x = false;
    bool WidGLB = false;
    bool WidGLBHDR = false;
    bool Roundoption = false;
    bool SPG = false;
};

// The texts of one size and the captions they are checked against.
struct SizeEntry
{
    bool customValues = false; // Form1.group(8)
    bool southernPine = false; // Form1.group(5)
    std::string_view breadth;  // Form3.Text1 (the copy of Form2.Text6 for custom values)
    std::string_view depth;    // Form3.Text2
    std::string_view species;  // Form3.Text3
    // Form3: Label5-10, Label27, Label28 (sawn headings) and Label13-17 (glu-lam widths).
    std::array<std::string_view, 8> sawnHeadings{};
    std::array<std::string_view, 5> gluLamWidths{};
    // Form3: Label1-4 (grades) and Label11, Label12 (glu-lam combinations).
    std::array<std::string_view, 6> gradeLabels{};
    // Form2: Label22-26, Label7, Label21, Label28 and LabG(0..4).
    std::array<std::string_view, 8> customSawnHeadings{};
    std::array<std::string_view, 5> customGluLamWidths{};
    CustomOptions options;
};

enum class EntryRefusal
{
    None,
    CustomBreadth,
    CustomDepth,
    Breadth,
    Species,
    Depth,
};

// Steps A (custom values form) or B (selection form): the first refusal, or None.
EntryRefusal checkSizeEntry(const SizeEntry& entry);

struct NetBreadth
{
    float BeamBreadth = 0; // in
    std::string BreadthClass;
};

// Step C for every member but a round one: the net breadth and class, or empty for a breadth the
// tables do not know.
std::optional<NetBreadth> netBreadth(const SizeEntry& entry);

} // namespace wood
