// Which size texts the test accepts, from the selection grid and from the custom values form, and the
// net breadth and member class it gives them (NDS Supplement Table 1B: dressed 2x 1-1/2 in., 4x
// 3-1/2 in., timbers 1/2 in. less than nominal; glu-lam widths are net).
#include "wood/SizeEntry.h"

#include <gtest/gtest.h>
#include <string>

namespace
{

using wood::CustomOptions;
using wood::EntryRefusal;
using wood::SizeEntry;

SizeEntry selectionEntry(const char* breadth, const char* depth, const char* species,
                         bool southernPine = false)
{
    SizeEntry e;
    e.southernPine = southernPine;
    e.breadth = breadth;
    e.depth = depth;
    e.species = species;
    e.sawnHeadings = {"2x", "(2) 2x", "(3) 2x", "(4) 2x", "4x", "6x", "8x", "10x"};
    e.gluLamWidths = southernPine
                         ? std::array<std::string_view, 5>{"3-1/8x", "5-1/8x", "6-3/4x", "8-1/2x", "10-1/2x"}
                         : std::array<std::string_view, 5>{"3-1/8x", "5-1/8x", "6-3/4x", "8-3/4x", "10-3/4x"};
    e.gradeLabels =
        southernPine
            ? std::array<std::string_view, 6>{"Mixed So. Pine #2", "Mixed So. Pine #1", "So. Pine #2",
                                              "So. Pine #1",       "GLB 16F-V3 SP/SP",  "GLB 24F-V3 SP/SP"}
            : std::array<std::string_view, 6>{
                  "HF #2", "HF #1", "DF-L #2", "DF-L #1", "GLB 16F-V2 HF/HF", "GLB 24F-V4 DF/DF"};
    return e;
}

enum class Cls
{
    Wid2x,
    Wid4x,
    Wid6x,
    Round,
    GLB,
    SPGLB,
    Header
};

SizeEntry customEntry(Cls cls, const char* breadth, const char* depth)
{
    SizeEntry e;
    e.customValues = true;
    e.breadth = breadth;
    e.depth = depth;
    e.species = "My grade";
    e.customSawnHeadings = {"2x", "(2) 2x", "(3) 2x", "(4) 2x", "4x", "6x", "8x", "10x"};
    CustomOptions o;
    o.Wid2x = cls == Cls::Wid2x;
    o.Wid4x = cls == Cls::Wid4x;
    o.Wid6x = cls == Cls::Wid6x || cls == Cls::Round;
    o.Roundoption = cls == Cls::Round;
    o.WidGLB = cls == Cls::GLB || cls == Cls::SPGLB;
    o.SPG = cls == Cls::SPGLB;
    o.WidGLBHDR = cls == Cls::Header;
    e.customGluLamWidths =
        o.SPG ? std::array<std::string_view, 5>{"3-1/8x", "5-1/8x", "6-3/4x", "8-1/2x", "10-1/2x"}
              : std::array<std::string_view, 5>{"3-1/8x", "5-1/8x", "6-3/4x", "8-3/4x", "10-3/4x"};
    e.options = o;
    return e;
}

TEST(SizeEntry, SelectionFormChecksBreadthThenSpeciesThenDepth)
{
    struct Case
    {
        const char* breadth;
        const char* depth;
        const char* species;
        bool southernPine;
        EntryRefusal expected;
    };
    const Case cases[] = {
        {"2x", "10", "HF #2", false, EntryRefusal::None},
        {"3x", "14", "HF #2", false, EntryRefusal::None},
        {"12x", "12", "DF-L #1", false, EntryRefusal::None},
        {"14x", "16", "DF-L #1", false, EntryRefusal::None},
        {"4x", "16", "HF #1", false, EntryRefusal::None},
        {"5-1/8x", "54", "GLB 24F-V4 DF/DF", false, EntryRefusal::None},
        {"5-1/8x", "6", "GLB 24F-V4 DF/DF", false, EntryRefusal::None},
        {"8-1/2x", "30-1/4", "GLB 24F-V3 SP/SP", true, EntryRefusal::None},
        {"6x", "12", "So. Pine #1 SR", true, EntryRefusal::None},
        // Refusals: the first failing check decides.
        {"2X", "10", "nonsense", false, EntryRefusal::Breadth},
        {" 2x", "10", "HF #2", false, EntryRefusal::Breadth},
        {"5x", "10", "HF #2", false, EntryRefusal::Breadth},
        {"2x", "10", "hf #2", false, EntryRefusal::Species},
        {"4x", "10", "So. Pine #1 SR", true, EntryRefusal::Species},
        {"(2) 2x", "16", "HF #2", false, EntryRefusal::Depth},
        {"12x", "10", "DF-L #1", false, EntryRefusal::Depth},
        {"14x", "12", "DF-L #1", false, EntryRefusal::Depth},
        {"6x", "4", "HF #2", false, EntryRefusal::Depth},
        {"5-1/8x", "9-5/8", "GLB 24F-V4 DF/DF", false, EntryRefusal::Depth},
        {"8-1/2x", "12", "GLB 24F-V3 SP/SP", true, EntryRefusal::Depth},
        {"2x", "10 ", "HF #2", false, EntryRefusal::Depth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string{c.breadth} + " x " + c.depth + " " + c.species);
        EXPECT_EQ(checkSizeEntry(selectionEntry(c.breadth, c.depth, c.species, c.southernPine)), c.expected);
    }
}

TEST(SizeEntry, CustomValuesFormChecksBreadthThenDepthByMemberClass)
{
    struct Case
    {
        Cls cls;
        const char* breadth;
        const char* depth;
        EntryRefusal expected;
    };
    const Case cases[] = {
        {Cls::Wid2x, "(3) 2x", "14", EntryRefusal::None},
        {Cls::Wid2x, "6x", "8", EntryRefusal::None}, // sawn headings pass under every class but glu-lam
        {Cls::Wid2x, "2x", "16", EntryRefusal::CustomDepth},
        {Cls::Wid4x, "4x", "16", EntryRefusal::None},
        {Cls::Wid6x, "7-1/2x", "17-1/2", EntryRefusal::None},
        {Cls::Wid6x, "14x", "20", EntryRefusal::None},
        {Cls::Wid6x, "15x", "10", EntryRefusal::CustomBreadth},
        {Cls::Wid6x, "7x", "20-1/2", EntryRefusal::CustomDepth},
        {Cls::Wid6x, "Round", "12", EntryRefusal::None},
        {Cls::GLB, "5-1/8x", "11-7/8", EntryRefusal::None},
        {Cls::GLB, "3-1/2x", "12", EntryRefusal::None},
        {Cls::GLB, "2x", "12", EntryRefusal::CustomBreadth},
        {Cls::GLB, "5-1/8x", "9-5/8", EntryRefusal::CustomDepth},
        {Cls::SPGLB, "8-1/2x", "19-1/2", EntryRefusal::None},
        {Cls::SPGLB, "8-1/2x", "12", EntryRefusal::CustomDepth},
        {Cls::Header, "7-1/4x", "6", EntryRefusal::None},
        {Cls::Header, "3-1/2x", "19-1/2", EntryRefusal::CustomDepth},
        {Cls::Header, "7x", "12", EntryRefusal::CustomBreadth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string{c.breadth} + " x " + c.depth);
        EXPECT_EQ(checkSizeEntry(customEntry(c.cls, c.breadth, c.depth)), c.expected);
    }
}

// The custom values form names a round timber by its diameter and the depth "Round"; any breadth text
// is then accepted, where only "Round" passed before and every round timber was refused.
TEST(SizeEntry, RoundTimberIsAcceptedWhateverItsBreadthText)
{
    EXPECT_EQ(checkSizeEntry(customEntry(Cls::Round, "12.5 in.", "Round")), EntryRefusal::None);
    EXPECT_EQ(checkSizeEntry(customEntry(Cls::Wid6x, "12.5 in.", "Round")), EntryRefusal::CustomBreadth);
}

TEST(SizeEntry, NetBreadthAndClass)
{
    struct Case
    {
        SizeEntry entry;
        float net;
        const char* cls;
    };
    const Case cases[] = {
        {selectionEntry("2x", "10", "HF #2"), 1.5f, "2x"},
        {selectionEntry("3x", "10", "HF #2"), 2.5f, "2x"},
        {selectionEntry("(4) 2x", "10", "HF #2"), 6.0f, "2x"},
        {selectionEntry("4x", "10", "HF #2"), 3.5f, "4x"},
        {selectionEntry("14x", "16", "HF #2"), 13.5f, "6x"},
        {selectionEntry("10-3/4x", "24", "GLB 24F-V4 DF/DF"), 10.75f, "GLB"},
        {customEntry(Cls::Wid6x, "8-1/2x", "10"), 8.0f, "6x"},
        {customEntry(Cls::Wid6x, "13-1/2x", "10"), 13.0f, "6x"},
        {customEntry(Cls::Wid2x, "6x", "10"), 5.5f, "6x"},
        {customEntry(Cls::Header, "7-1/4x", "12"), 7.25f, "GLB"},
        {customEntry(Cls::Header, "7x", "12"), 7.0f, "GLB"},
        // Southern Pine glu-lam widths are glu-lam, not custom timbers.
        {selectionEntry("8-1/2x", "11", "GLB 24F-V3 SP/SP", true), 8.5f, "GLB"},
        {selectionEntry("10-1/2x", "11", "GLB 24F-V3 SP/SP", true), 10.5f, "GLB"},
        {customEntry(Cls::SPGLB, "10-1/2x", "11"), 10.5f, "GLB"},
        {customEntry(Cls::Wid6x, "10-1/2x", "11"), 10.0f, "6x"},
        // Custom glu-lam beams of framing widths take the header widths.
        {customEntry(Cls::GLB, "3-1/2x", "12"), 3.5f, "GLB"},
        {customEntry(Cls::GLB, "5-1/2x", "12"), 5.5f, "GLB"},
        {customEntry(Cls::GLB, "7x", "12"), 7.0f, "GLB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string{c.entry.breadth});
        const auto net = netBreadth(c.entry);
        ASSERT_TRUE(net.has_value());
        EXPECT_FLOAT_EQ(net->BeamBreadth, c.net);
        EXPECT_EQ(net->BreadthClass, c.cls);
    }
    EXPECT_FALSE(netBreadth(customEntry(Cls::Header, "5-1/8x", "12")).has_value());
    EXPECT_FALSE(netBreadth(selectionEntry("2 x", "10", "HF #2")).has_value());
}

} // namespace
