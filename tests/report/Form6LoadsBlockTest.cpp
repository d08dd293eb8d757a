// The loads block of the data record: an overhanging beam's overhang rows follow the last filled
// backspan row, never an earlier gap; the rest keeps its entry rows.
#include "RecordFixture.h"
#include "beam/BeamState.h"
#include "report/Form7.h"

#include <map>

namespace recordtest
{

namespace
{

struct MoveCase
{
    const char* name;
    std::map<int, const char*> points;   // point load index (0 = B) -> load, distance = index + 1 ft
    std::map<int, const char*> partials; // partial load index (0 = H) -> load, from 0 to 2 ft
    std::map<const char*, const char*> expected;
};

const MoveCase moveCases[] = {
    {"B, C, F and G: F and G to rows 3 and 4",
     {{0, "500"}, {1, "300"}, {4, "200"}, {5, "100"}},
     {},
     {{"Label81", "F = 200  (OH)"},
      {"Label82", "G = 100  (OH)"},
      {"Label87", "5.0"},
      {"Label83", ""},
      {"Label84", ""}}},
    {"only F: to row 1, G's empty row to row 2",
     {{4, "200"}},
     {},
     {{"Label79", "F = 200  (OH)"}, {"Label85", "5.0"}, {"Label80", ""}, {"Label83", ""}}},
    {"B and D, no C: F after D, the gap stays",
     {{0, "500"}, {2, "300"}, {4, "200"}},
     {},
     {{"Label79", "B = 500"},
      {"Label80", ""},
      {"Label81", "D = 300"},
      {"Label82", "F = 200  (OH)"},
      {"Label83", ""}}},
    {"E entered: F and G stay",
     {{3, "400"}, {4, "200"}},
     {},
     {{"Label82", "E = 400"}, {"Label83", "F = 200  (OH)"}}},
    {"H and K: K to partial row 2",
     {{4, "200"}},
     {{0, "50"}, {3, "40"}},
     {{"Label91", "H = 50"},
      {"Label92", "K = 40  (OH)"},
      {"Label97", "0"},
      {"Label102", "2.0"},
      {"Label94", ""}}},
    {"H, J and K: K stays in row 4",
     {{4, "200"}},
     {{0, "50"}, {2, "30"}, {3, "40"}},
     {{"Label93", "J = 30"}, {"Label94", "K = 40  (OH)"}}},
};

} // namespace

class LoadsBlock : public RecordTest, public testing::WithParamInterface<MoveCase>
{};

TEST_P(LoadsBlock, OverhangRowsFollowTheLastFilledBackspanRow)
{
    const MoveCase& c = GetParam();
    simpleSawnBeam();
    driver.click(form1.OHbutton);
    type(form1.Span, "10");
    float points = 0, partials = 0;
    for (const auto& [i, load] : c.points) {
        type(form1.PT(i), load);
        type(form1.DIS(i), std::to_string(i + 1).c_str());
        points += std::stof(load);
    }
    for (const auto& [i, load] : c.partials) {
        type(form1.PAR(i), load);
        type(form1.BEGP(i), "0");
        type(form1.ENDP(i), "2");
        partials += 2 * std::stof(load);
    }
    program.beam.loads.PTTotal = points;
    program.beam.loads.PARTotal = partials;
    program.beam.deflection.OHTLDeflAllow = 0.3f;
    openRecord();
    for (const auto& [label, text] : c.expected) {
        EXPECT_EQ(cap(label), text) << label;
    }
}

INSTANTIATE_TEST_SUITE_P(Moves, LoadsBlock, testing::ValuesIn(moveCases),
                         [](const testing::TestParamInfo<MoveCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(RecordTest, SimpleSpanRowsKeepTheirEntryPositions)
{
    simpleSawnBeam();
    type(form1.PT(0), "500");
    type(form1.DIS(0), "2");
    type(form1.PT(2), "300");
    type(form1.DIS(2), "6");
    type(form1.LPT(2), "100");
    program.beam.loads.PTTotal = 800;
    program.beam.loads.LPTTotal = 100;
    openRecord();
    EXPECT_EQ(cap("Label79"), "B = 500");
    EXPECT_EQ(cap("Label80"), "");
    EXPECT_EQ(cap("Label81"), "D = 300");
    EXPECT_EQ(cap("Label121"), "100");
    EXPECT_EQ(cap("Label115"), "Point LL");
    EXPECT_EQ(cap("Label87"), "6.0");
    EXPECT_TRUE(shown("Label200"));
}

// After a steel record the wood record names its stability row again.
TEST_F(RecordTest, WoodRecordAfterASteelRecordNamesItsStabilityRow)
{
    simpleSawnBeam();
    program.beam.flags.SteelBeamFlag = -1;
    form1.WFbutton.setValue(true);
    program.beam.member.E = 29.0f;
    openRecord();
    ASSERT_EQ(cap("Label188"), "");
    program.beam.flags.SteelBeamFlag = 0;
    // Back from the report header form, the record composes again.
    driver.click(form6.Command1);
    driver.click(program.form7.Command3);
    EXPECT_EQ(cap("Label188"), "Cl Stability");
    EXPECT_TRUE(shown("Label33"));
}

} // namespace recordtest
