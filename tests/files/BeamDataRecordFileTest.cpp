// The beam data record file: the slot map against a record whose every slot holds its label's name,
// the older layout, the steel and wood layouts, the re-save of a loaded record, refusals and the
// round trip through the report header form's save command.
#include "files/BeamDataRecordFile.h"

#include "../report/RecordFixture.h"
#include "FileFixtures.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "files/BeamDataRecordSlots.h"
#include "report/Form7.h"

namespace filetest
{

using platform::MsgResult;

namespace
{

struct Slot
{
    const char* label;
    std::size_t offset;
    std::size_t width;
};

// Every stored label with its offset, copied from the record's area table; 20 bytes unless given.
std::vector<Slot> areaTable()
{
    std::vector<Slot> t = {
        {"Label132", 2622, 110}, {"Label133Missing", 2732, 110},
        {"Label1", 2, 60},       {"Label2", 122, 60},
        {"Label3", 62, 60},      {"Label4", 182, 60},
        {"Label169", 3542, 30},  {"Label5", 242, 110},
        {"Label173", 3602, 20},  {"Label174", 3622, 20},
        {"Label6", 352, 110},    {"Label71", 1402, 20},
        {"Label133", 4527, 20},  {"Label134", 2842, 20},
        {"Label135", 2862, 20},  {"Label136", 2882, 20},
        {"Label137", 2902, 20},  {"Label12", 4547, 20},
        {"Label61", 1202, 20},   {"Label143", 3022, 20},
        {"Label67", 1322, 20},   {"Label65", 1282, 20},
        {"Label68", 1342, 20},   {"Label43", 1062, 20},
        {"Label45", 1102, 20},   {"Label64", 1262, 20},
        {"Label62", 1222, 20},   {"Label66", 1302, 20},
        {"Label168", 3522, 20},  {"Label69", 1362, 20},
        {"Label44", 1082, 20},   {"Label107", 2122, 20},
        {"Label53", 3642, 20},   {"Label145", 3062, 20},
        {"Label144", 3042, 20},  {"Label63", 1242, 20},
        {"Label130", 2582, 20},  {"Label131", 2602, 20},
        {"Label140", 2962, 20},  {"Label141", 2982, 20},
        {"Label146", 3082, 20},  {"Label147", 3102, 20},
        {"Label148", 3122, 20},  {"Label149", 3142, 20},
        {"Label110", 2182, 20},  {"Label156", 3282, 20},
        {"Label161", 3382, 20},  {"Label14", 482, 20},
        {"Label16", 522, 20},    {"Label18", 562, 20},
        {"Label106", 2102, 20},  {"Label157", 3302, 20},
        {"Label162", 3402, 20},  {"Label13", 462, 20},
        {"Label15", 502, 20},    {"Label17", 542, 20},
        {"Label109", 2162, 20},  {"Label158", 3322, 20},
        {"Label163", 3422, 20},  {"Label111", 2202, 20},
        {"Label112", 2222, 20},  {"Label113", 2242, 20},
        {"Label114", 2262, 20},  {"Label159", 3342, 20},
        {"Label164", 3442, 20},  {"Label152", 3202, 20},
        {"Label153", 3222, 20},  {"Label154", 3242, 20},
        {"Label155", 3262, 20},  {"Label160", 3362, 20},
        {"Label165", 3462, 20},  {"Label23", 662, 20},
        {"Label25", 702, 20},    {"Label27", 742, 20},
        {"Label29", 782, 20},    {"Label167", 3502, 20},
        {"Label24", 682, 20},    {"Label26", 722, 20},
        {"Label28", 762, 20},    {"Label70", 1382, 20},
        {"Label31", 822, 20},    {"Label35", 902, 20},
        {"Label175", 4392, 20},  {"Label36", 922, 20},
        {"Label40", 1002, 20},   {"Label37", 942, 20},
        {"Label41", 1022, 20},   {"Label48", 1162, 20},
        {"Label34", 882, 20},    {"Label38", 962, 20},
        {"Label42", 1042, 20},   {"Label46", 1122, 20},
        {"Label49", 1182, 20},   {"Label176", 4257, 115},
        {"Label177", 4372, 20},  {"Label188", 4569, 20},
        {"Label190", 4609, 20},  {"Label192", 4649, 50},
        {"Label189", 4589, 20},  {"Label191", 4629, 20},
        {"Label193", 4699, 50},  {"Label194", 4749, 50},
        {"Label117", 2322, 20},  {"Label118", 2342, 20},
        {"Label72", 1422, 20},   {"Label73", 1442, 20},
        {"Label170", 3572, 30},  {"Label115", 2282, 20},
        {"Label77", 1522, 20},   {"Label78", 1542, 20},
        {"Label116", 2302, 20},  {"Label74", 1462, 20},
        {"Label75", 1482, 20},   {"Label76", 1502, 20},
        {"Label187", 4412, 115},
    };
    static std::vector<std::string> names; // the load rows' names outlive the table
    auto run = [&](int first, std::size_t offset, int count) {
        for (int i = 0; i < count; ++i) {
            names.push_back("Label" + std::to_string(first + i));
        }
        for (int i = 0; i < count; ++i) {
            t.push_back({nullptr, offset + 20 * static_cast<std::size_t>(i), 20});
        }
    };
    names.reserve(64);
    names.clear();
    const std::size_t start = t.size();
    run(119, 2362, 6); // point loads B to G: live, total, distance
    run(79, 1562, 6);
    run(85, 1682, 6);
    run(125, 2482, 5); // partial loads H to L: live, total, start, end
    run(91, 1802, 5);
    run(96, 1902, 5);
    run(101, 2002, 5);
    for (std::size_t i = start; i < t.size(); ++i) {
        t[i].label = names[i - start].c_str();
    }
    return t;
}

// A 556 wood record whose every slot holds its label's name, the two grid headings their captions
// and the reserved slots "reserved"; the steel flag 0 at 4567.
Bytes namedRecord(const std::string& data, const std::string& conditions)
{
    Bytes b(4809, ' ');
    put16(b, 0, 556);
    for (const Slot& s : areaTable()) {
        putText(b, s.offset, s.width, s.label);
    }
    putText(b, 2922, 20, data);
    putText(b, 2942, 20, conditions);
    for (std::size_t at : {582, 602, 622, 642, 802, 842, 862, 982, 1142, 2142, 3002, 3162, 3182, 3482}) {
        putText(b, at, 20, "reserved");
    }
    for (int i = 0; i < 7; ++i) {
        putText(b, 3662 + 85 * static_cast<std::size_t>(i), 85, "note " + std::to_string(i + 1));
    }
    put16(b, 4567, 0);
    for (std::size_t i = 4799; i < 4809; ++i) {
        b[i] = 0;
    }
    return b;
}

} // namespace

class DataRecordFile : public recordtest::RecordTest
{
  protected:
    void loadFile(const Bytes& bytes)
    {
        driver.putFile("rec.Dat", bytes);
        driver.answerFile(driver.folder() / "rec.Dat");
        driver.menu(form6.MnuOpenData);
    }

    // Save through the data record's File menu and the report header form, as a user does.
    void saveThroughHeader(const char* name)
    {
        driver.menu(form6.MnuSaveData);
        driver.answerFile(driver.folder() / name);
        driver.answerMessage(MsgResult::OK); // confirmation
        driver.answerMessage(MsgResult::No); // no criteria save now
        driver.click(program.form7.Command1);
    }

    void openCalculatedRecord()
    {
        simpleSawnBeam();
        openRecord();
        ASSERT_TRUE(form6.visible());
    }
};

TEST_F(DataRecordFile, EverySlotComesBackIntoItsLabelAndASaveWritesTheSameBytes)
{
    openCalculatedRecord();
    const std::string data = cap("Label138");
    const std::string conditions = cap("Label139");
    const Bytes named = namedRecord(data, conditions);
    std::size_t restored = 0;
    for (const auto* slots : {&files::dataRecordLabelSlots(), &files::dataRecordTailSlots(),
                              &files::dataRecordStabilitySlots()}) {
        for (const auto& slot : *slots) {
            restored += slot.restored ? 1 : 0;
        }
    }
    EXPECT_EQ(restored, areaTable().size()); // no slot beyond the area table

    loadFile(named);
    for (const Slot& s : areaTable()) {
        EXPECT_EQ(cap(s.label), s.label);
    }
    // The beam ID field (122) is the beam ID line Label2, the description (62) the line Label3.
    EXPECT_EQ(cap("Label138"), data);
    EXPECT_EQ(program.beam.flags.DataRecordLoaded, -1);
    EXPECT_EQ(program.state.ReportNotes[6], "note 7");
    EXPECT_FALSE(form6.MnuBack.enabled());

    // The header form takes its boxes back from the lines, and the save puts each where it came from;
    // the reserved slots keep the loaded bytes.
    saveThroughHeader("again.Dat");
    EXPECT_EQ(program.form7.Text3.text(), "Label2");
    const Bytes again = readAll(driver.folder() / "again.Dat");
    // The header form writes the date and preparer lines from its own boxes.
    Bytes expected = named;
    EXPECT_EQ(cap("Label4").substr(0, 6), "Date: ");
    putText(expected, 182, 60, cap("Label4"));
    putText(expected, 3542, 30, cap("Label169"));
    ASSERT_EQ(again.size(), expected.size());
    std::string differences;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (again[i] != expected[i]) {
            differences += std::to_string(i) + " ";
        }
    }
    EXPECT_EQ(differences, "");
    EXPECT_EQ(driver.messages().at(driver.messages().size() - 2).text.substr(0, 37),
              "The Data Record has been saved as\r\r  ");
}

TEST_F(DataRecordFile, LayoutsFollowTheMarkerAndTheSteelFlag)
{
    openCalculatedRecord();
    const Bytes named = namedRecord("Data", "Conditions");
    struct Case
    {
        const char* name;
        std::uint16_t marker;
        std::uint16_t steel;
        std::size_t length;
        bool stability;
    };
    for (const Case& c : {Case{"556 wood", 556, 0, 4809, true}, Case{"556 steel", 556, 0xFFFF, 4809, false},
                          Case{"555 wood", 555, 0, 4569, false}}) {
        SCOPED_TRACE(c.name);
        Bytes b(named.begin(), named.begin() + static_cast<std::ptrdiff_t>(c.length));
        put16(b, 0, c.marker);
        put16(b, 4567, c.steel);
        putText(b, 4547, 20, ""); // an empty span caption
        loadFile(b);
        std::filesystem::copy_file(driver.folder() / "rec.Dat",
                                   driver.folder() /
                                       (std::to_string(c.marker) + std::to_string(c.steel) + ".Dat"));
        keepSeed(driver.folder() / (std::to_string(c.marker) + std::to_string(c.steel) + ".Dat"));
        const bool steel = c.steel == 0xFFFF;
        EXPECT_EQ(shown("Label32"), !steel);
        EXPECT_EQ(shown("Label47"), !steel);
        EXPECT_EQ(shown("Label176"), steel);
        EXPECT_EQ(cap("Label60"), steel ? "Min Bearing Length" : "Min Bearing Area");
        EXPECT_EQ(cap("Label188"), c.stability ? "Label188" : "");
        EXPECT_EQ(cap("Label194"), c.stability ? "Label194" : "");
        EXPECT_EQ(cap("Label12"), "Beam Span");
        EXPECT_EQ(cap("Label61"), "Label61");
    }
}

// A loaded steel record saved again stays a steel record, whatever the run calculated last.
TEST_F(DataRecordFile, ResavedRecordKeepsItsOwnSteelFlag)
{
    openCalculatedRecord();
    Bytes steel = namedRecord("Data", "Conditions");
    put16(steel, 4567, 0xFFFF);
    program.beam.flags.SteelBeamFlag = 0;
    loadFile(steel);
    saveThroughHeader("steel.Dat");
    const Bytes b = readAll(driver.folder() / "steel.Dat");
    ASSERT_EQ(b.size(), 4809u);
    EXPECT_EQ(b[4567], 0xFF);
    EXPECT_EQ(b[4568], 0xFF);
}

TEST_F(DataRecordFile, CalculatedRecordRoundTrips)
{
    openCalculatedRecord();
    saveThroughHeader("first.Dat");
    const Bytes first = readAll(driver.folder() / "first.Dat");
    ASSERT_EQ(first.size(), 4809u);
    EXPECT_EQ(first[0], 0x2C); // 556 = 0x022C
    EXPECT_EQ(first[1], 0x02);
    driver.switchTo(form6);
    loadFile(first);
    saveThroughHeader("second.Dat");
    EXPECT_EQ(readAll(driver.folder() / "second.Dat"), first);
    keepSeed(driver.folder() / "first.Dat");
}

TEST_F(DataRecordFile, RefusedFilesChangeNothing)
{
    openCalculatedRecord();
    const Bytes good = namedRecord("Data", "Conditions");
    Bytes criteria(1613, 0);
    put16(criteria, 0, 0xF829);
    Bytes short555(good.begin(), good.begin() + 4568);
    put16(short555, 0, 555);
    const char* wrongKind = "The file you have selected does not contain a Korvanta Data Record.";
    const char* failed = "A Data Record could not be loaded.";
    struct Case
    {
        const char* name;
        std::optional<Bytes> bytes;
        const char* message;
        int beeps;
    };
    const Case cases[] = {
        {"empty", Bytes{}, wrongKind, 1},
        {"one byte", Bytes{0x2C}, wrongKind, 1},
        {"criteria file", criteria, wrongKind, 1},
        {"556 cut short", Bytes(good.begin(), good.begin() + 4798), failed, 0},
        {"555 cut short", short555, failed, 0},
        {"cancel", std::nullopt, failed, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = snapshot(form6) + stateSnapshot(program);
        const int beepsBefore = driver.beeps();
        driver.clearMessages();
        if (c.bytes) {
            driver.putFile("bad.Dat", *c.bytes);
            driver.answerFile(driver.folder() / "bad.Dat");
        } else {
            driver.cancelFile();
        }
        driver.menu(form6.MnuOpenData);
        ASSERT_EQ(driver.messages().size(), 1u);
        EXPECT_EQ(driver.messages()[0].text.substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(driver.messages()[0].icon, c.beeps ? platform::Icon::Exclamation : platform::Icon::None);
        EXPECT_EQ(driver.beeps() - beepsBefore, c.beeps);
        EXPECT_EQ(snapshot(form6) + stateSnapshot(program), before);
    }
}

} // namespace filetest

namespace filetest
{

// The slot map with the marker, notes, steel flag and the reserved bytes covers the record without a
// gap or an overlap.
TEST(DataRecordSlots, FieldsRunWithoutGapsToTheRecordLength)
{
    std::vector<std::pair<std::size_t, std::size_t>> fields{{0, 2}, {3662, 595}, {4567, 2}, {4799, 10}};
    for (std::size_t at : {582, 602, 622, 642, 802, 842, 862, 982, 1142, 2142, 3002, 3162, 3182, 3482}) {
        fields.emplace_back(at, 20);
    }
    for (const auto* slots : {&files::dataRecordLabelSlots(), &files::dataRecordTailSlots(),
                              &files::dataRecordStabilitySlots()}) {
        for (const auto& slot : *slots) {
            fields.emplace_back(slot.offset, slot.width);
        }
    }
    std::sort(fields.begin(), fields.end());
    std::size_t end = 0;
    for (const auto& [offset, width] : fields) {
        EXPECT_EQ(offset, end) << "field at " << offset;
        end = offset + width;
    }
    EXPECT_EQ(end, files::DataRecordLength);
}

} // namespace filetest
