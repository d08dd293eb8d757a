// The stud column record against a fixture made byte by byte from the file layout, and the files a
// loader must refuse before it changes anything.
#include "columns/StudColumnRecord.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace
{

using columns::StudColumnRefusal;
using columns::StudColumnValues;

std::vector<std::uint8_t> fixture(const char* name)
{
    std::ifstream in(std::string(KORVANTA_TEST_DATA) + "/columns/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The entries of tests/data/columns/stud.wsc: a 2x6 DF-L #2 at 16 in., 300 plf, 20 psf over 0..10 ft.
StudColumnValues fixtureValues()
{
    StudColumnValues v;
    v.columnProj = "Stud project";
    v.columnDescription = "North wall";
    v.columnID = "W-1";
    v.axialPlf = "300";
    v.windA = "20";
    v.begA = "0";
    v.endA = "10";
    v.height = "10";
    v.breadth = 0;
    v.depth = 1;
    v.spacing = "16";
    v.species = "DF-L #2";
    v.fb = "900";
    v.fc = "1350";
    v.e = "1.6";
    v.axialDuration = "1.0";
    v.windDuration = "1.6";
    v.repWindStud = "1";
    v.repIbc = "0";
    return v;
}

TEST(StudColumnRecord, EncodesTheHandMadeFixtureByteForByteAndReadsItBack)
{
    const std::vector<std::uint8_t> bytes = fixture("stud.wsc");
    ASSERT_EQ(columns::StudColumnRecordLength, bytes.size());
    EXPECT_EQ(bytes, columns::encodeStudColumnRecord(fixtureValues()).bytes());
    const auto decoded = columns::decodeStudColumnRecord(bytes);
    EXPECT_EQ(StudColumnRefusal::None, decoded.refusal);
    EXPECT_EQ(fixtureValues(), decoded.values);
}

// BegC has 6 bytes where its neighbours have 8; an Fb of 7 characters keeps its first 6; notes fill the
// last 7 x 85 bytes up to 859.
TEST(StudColumnRecord, FieldWidthsCutAndPlaceTheTexts)
{
    StudColumnValues v = fixtureValues();
    v.begC = "12345";
    v.fb = "1234567";
    v.notes[6] = std::string(90, 'n');
    const platform::Record record = columns::encodeStudColumnRecord(v);
    EXPECT_EQ("12345", record.text(140, 6));
    EXPECT_EQ("10", record.text(146, 8)); // EndA right after the narrow BegC
    EXPECT_EQ("123456", record.text(220, 6));
    EXPECT_EQ("1", record.text(262, 1));
    EXPECT_EQ(std::string(85, 'n'), record.text(264 + 6 * 85, 85));
    const auto decoded = columns::decodeStudColumnRecord(record.bytes());
    EXPECT_EQ("123456", decoded.values.fb);
    EXPECT_EQ("12345", decoded.values.begC);
}

TEST(StudColumnRecord, RefusesForeignShortAndDamagedFiles)
{
    struct Case
    {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> damage;
        StudColumnRefusal refusal;
    };
    auto setText = [](std::size_t offset, std::size_t width, const char* text) {
        return [=](std::vector<std::uint8_t>& b) {
            platform::Record r(b.size());
            r.bytes() = b;
            r.setText(offset, width, text);
            b = r.bytes();
        };
    };
    auto setI16 = [](std::size_t offset, std::int16_t value) {
        return [=](std::vector<std::uint8_t>& b) {
            b[offset] = static_cast<std::uint8_t>(value & 0xFF);
            b[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
        };
    };
    const Case cases[] = {
        {"empty", [](auto& b) { b.clear(); }, StudColumnRefusal::WrongKind},
        {"one byte", [](auto& b) { b.resize(1); }, StudColumnRefusal::WrongKind},
        {"wood column marker", setI16(0, 777), StudColumnRefusal::WrongKind},
        {"short", [](auto& b) { b.resize(858); }, StudColumnRefusal::NotLoaded},
        {"breadth beyond its list", setI16(178, 6), StudColumnRefusal::NotLoaded},
        {"breadth below -1", setI16(178, -2), StudColumnRefusal::NotLoaded},
        {"depth beyond its list", setI16(180, 3), StudColumnRefusal::NotLoaded},
        {"check field 3", setText(262, 1, "3"), StudColumnRefusal::NotLoaded},
        {"check field blank", setText(263, 1, ""), StudColumnRefusal::NotLoaded},
        {"wind load not a number", setText(100, 8, "abc"), StudColumnRefusal::NotLoaded},
        {"negative height", setText(170, 8, "-2"), StudColumnRefusal::NotLoaded},
        {"E not a number", setText(232, 6, "1.6x"), StudColumnRefusal::NotLoaded},
        {"empty spacing", setText(182, 8, ""), StudColumnRefusal::NotLoaded},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes = fixture("stud.wsc");
        c.damage(bytes);
        EXPECT_EQ(c.refusal, columns::decodeStudColumnRecord(bytes).refusal) << c.name;
    }
}

TEST(StudColumnRecord, AcceptsNoSizeChosenAndALongerFile)
{
    StudColumnValues v = fixtureValues();
    v.breadth = -1;
    v.depth = -1;
    v.spacing = "0";
    v.repWindStud = "2";
    std::vector<std::uint8_t> bytes = columns::encodeStudColumnRecord(v).bytes();
    bytes.resize(900, 'x');
    const auto decoded = columns::decodeStudColumnRecord(bytes);
    EXPECT_EQ(StudColumnRefusal::None, decoded.refusal);
    EXPECT_EQ(v, decoded.values);
}

} // namespace
