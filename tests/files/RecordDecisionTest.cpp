// The decisions on record files' bytes, without a file, a dialog or a program: the refusal and the
// message each damaged or foreign file earns, older layouts read as the current one, and records the
// program wrote reading back to the same bytes.
#include "FileFixtures.h"
#include "app/DefaultSettingsRecord.h"
#include "columns/StudColumnRecord.h"
#include "files/BeamCriteriaRecord.h"
#include "files/BeamDataRecord.h"
#include "files/ColumnRecordFile.h"
#include "files/CustomPostValuesRecord.h"
#include "files/CustomValuesRecord.h"
#include "notch/NotchRecord.h"
#include "scl/SCLRecords.h"

#include <cstdlib>
#include <functional>
#include <new>

// Every allocation of the test program is counted, so that a test can tell whether a step made one.
namespace
{
thread_local long allocations = 0;
}

void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace filetest
{

namespace
{

using platform::RecordDecision;
using platform::RecordRefusal;
using Decide = std::function<RecordDecision(std::span<const std::uint8_t>)>;

template <class Values>
Decide decision(platform::DecodedRecord<Values> (*decode)(std::span<const std::uint8_t>))
{
    return [decode](std::span<const std::uint8_t> bytes) -> RecordDecision { return decode(bytes); };
}

Bytes record(std::size_t length, std::uint16_t marker)
{
    Bytes b(length, ' ');
    put16(b, 0, marker);
    return b;
}

Bytes with16(Bytes b, std::size_t at, std::uint16_t value)
{
    put16(b, at, value);
    return b;
}

Bytes with32(Bytes b, std::size_t at, std::uint32_t bits)
{
    put32(b, at, bits);
    return b;
}

// A criteria record with every flag and number 0: what a file of that layout holds at the least.
Bytes criteria(std::size_t length, std::uint16_t marker)
{
    Bytes b(length, 0);
    put16(b, 0, marker);
    return b;
}

// A custom post values record of Fc 100 psi and E 1.0 (0x3F800000).
Bytes post()
{
    return with32(with16(record(38, 100), 2, 100), 4, 0x3F800000);
}

Bytes readFixture(const char* name)
{
    return readAll(std::filesystem::path(KORVANTA_TEST_DATA) / "files" / name);
}

TEST(RecordDecision, RefusalsEarnTheirKindsMessages)
{
    const std::string criteriaWrong = "The Beam Criteria for this form could not be loaded.";
    const std::string criteriaFailed = "The Beam Criteria could not be loaded.";
    const std::string settings = "A new Default Values file has been created for you.";
    constexpr std::uint16_t Nan = 0xFFFF; // with 0x7FFF above it, a quiet NaN
    struct Case
    {
        const char* what;
        Decide decide;
        Bytes bytes;
        RecordRefusal refusal;
        std::string message; // its beginning
    };
    const Case cases[] = {
        {"criteria: empty",
         decision(files::decodeBeamCriteriaRecord),
         {},
         RecordRefusal::WrongKind,
         criteriaWrong},
        {"criteria: a data record", decision(files::decodeBeamCriteriaRecord), criteria(1613, 556),
         RecordRefusal::WrongKind, criteriaWrong},
        {"criteria: -11 ends before its last field", decision(files::decodeBeamCriteriaRecord),
         criteria(573, 0xFFF5), RecordRefusal::NotLoaded, criteriaFailed},
        {"criteria: -2007 one byte short", decision(files::decodeBeamCriteriaRecord), criteria(1612, 0xF829),
         RecordRefusal::NotLoaded, criteriaFailed},
        {"criteria: species position 10", decision(files::decodeBeamCriteriaRecord),
         with16(criteria(1613, 0xF829), 104, 10), RecordRefusal::NotLoaded, criteriaFailed},
        {"criteria: wet use 1", decision(files::decodeBeamCriteriaRecord),
         with16(criteria(1613, 0xF829), 108, 1), RecordRefusal::NotLoaded, criteriaFailed},
        {"criteria: span not a number", decision(files::decodeBeamCriteriaRecord),
         with16(with16(criteria(1613, 0xF829), 92, Nan), 94, 0x7FFF), RecordRefusal::NotLoaded,
         criteriaFailed},
        {"criteria: -12 with incised 5", decision(files::decodeBeamCriteriaRecord),
         with16(criteria(704, 0xFFF4), 698, 5), RecordRefusal::NotLoaded, criteriaFailed},
        {"custom values: one byte", decision(files::decodeCustomValuesRecord), Bytes{0xFF},
         RecordRefusal::WrongKind, "The selected file does not contain Korvanta Custom Values."},
        {"custom values: 65 bytes", decision(files::decodeCustomValuesRecord), criteria(65, 0xFFFF),
         RecordRefusal::NotLoaded, "The Custom Values could not be loaded."},
        {"custom values: Fb -1", decision(files::decodeCustomValuesRecord),
         with32(criteria(66, 0xFFFF), 2, 0xBF800000), RecordRefusal::NotLoaded,
         "The Custom Values could not be loaded."},
        {"custom values: 2x class 1", decision(files::decodeCustomValuesRecord),
         with16(criteria(66, 0xFFFF), 50, 1), RecordRefusal::NotLoaded,
         "The Custom Values could not be loaded."},
        {"custom post: Fc 0", decision(files::decodeCustomPostValuesRecord), with16(post(), 2, 0),
         RecordRefusal::NotLoaded, "User cancelled or Error loading custom post values."},
        // 0.04 = 1.28 x 2^-5: 0x3D23D70A; it would show as ".0".
        {"custom post: E 0.04", decision(files::decodeCustomPostValuesRecord), with32(post(), 4, 0x3D23D70A),
         RecordRefusal::NotLoaded, "User cancelled or Error loading custom post values."},
        {"custom post: a criteria file", decision(files::decodeCustomPostValuesRecord),
         criteria(1613, 0xF829), RecordRefusal::WrongKind, "Cannot load the selected values."},
        {"data record: 556 ends before the stability rows end", decision(files::decodeBeamDataRecord),
         record(4798, 556), RecordRefusal::NotLoaded, "A Data Record could not be loaded."},
        {"data record: 555 ends before its steel flag", decision(files::decodeBeamDataRecord),
         record(4568, 555), RecordRefusal::NotLoaded, "A Data Record could not be loaded."},
        {"wood column: one byte short", decision(files::decodeWoodColumnRecord), record(1513, 777),
         RecordRefusal::NotLoaded, "The column could not be loaded."},
        {"steel column: a wood column record", decision(files::decodeSteelColumnRecord), record(1514, 777),
         RecordRefusal::WrongKind, "The file you have selected does not contain a Korvanta Steel Column"},
        {"settings: another program's file", decision(app::decodeDefaultSettingsRecord), criteria(322, 1234),
         RecordRefusal::WrongKind, settings},
        {"settings: species position -1", decision(app::decodeDefaultSettingsRecord),
         with16(criteria(322, 4321), 232, 0xFFFF), RecordRefusal::NotLoaded, settings},
        {"SCL defaults: one byte short", decision(scl::decodeSCLDefaultsRecord), criteria(243, 113),
         RecordRefusal::NotLoaded, "Default SCL files could not be loaded."},
        {"SCL custom: the defaults file", decision(scl::decodeCustomSCLRecord), criteria(244, 113),
         RecordRefusal::WrongKind, "No custom SCL values loaded."},
        {"SCL custom: product 26", decision(scl::decodeCustomSCLRecord), with16(criteria(92, 2000), 2, 26),
         RecordRefusal::NotLoaded, "No custom SCL values loaded."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const long before = allocations;
        const RecordDecision decided = c.decide(c.bytes);
        // A refusal is cheap: the fuzzers and a user's wrong file pay no allocation for it.
        EXPECT_EQ(allocations, before);
        EXPECT_EQ(decided.refusal, c.refusal);
        EXPECT_EQ(decided.message.substr(0, c.message.size()), c.message);
    }
}

// The notch and stud files: another kind's file and one cut short are refused without an allocation.
TEST(RecordDecision, NotchAndStudRefusalsAllocateNothing)
{
    const Bytes notchFiles[] = {{}, record(319, 556), record(318, 112), record(278, 111)};
    for (const Bytes& b : notchFiles) {
        const long before = allocations;
        const auto decided = notch::decodeNotchRecord(b);
        EXPECT_EQ(allocations, before) << b.size();
        EXPECT_FALSE(decided.accepted()) << b.size();
    }
    const Bytes studFiles[] = {{}, record(859, 556), record(858, 889)};
    for (const Bytes& b : studFiles) {
        const long before = allocations;
        const auto decided = columns::decodeStudColumnRecord(b);
        EXPECT_EQ(allocations, before) << b.size();
        EXPECT_FALSE(decided.accepted()) << b.size();
    }
}

// What an older layout does not hold reads as 0 or empty, whatever a longer file has there; -12 thus
// names the 1997 edition alone, and -13 has no selection texts and no self-weight option.
TEST(RecordDecision, OlderLayoutsReadAsTheCurrentWithNothingInTheFieldsTheyLack)
{
    Bytes full = criteria(1613, 0);
    putText(full, 2, 35, "Old barn");
    putText(full, 574, 100, "2x10 Hem-Fir");
    put16(full, 698, 5); // not a flag, but no field of the oldest layout
    put16(full, 700, 0xFFFF);
    putText(full, 704, 85, "note 1");
    put16(full, 1605, 7);
    putText(full, 1303, 20, "2x");
    put16(full, 1611, 0xFFFF);

    put16(full, 0, 0xFFF5); // -11
    const auto layout11 = files::decodeBeamCriteriaRecord(full);
    ASSERT_TRUE(layout11.accepted());
    EXPECT_EQ(layout11.values.project, "Old barn");
    EXPECT_EQ(layout11.values.selectionDescription, "");
    EXPECT_EQ(layout11.values.nds1997, 0);

    put16(full, 698, 0);
    put16(full, 0, 0xFFF4); // -12
    const auto layout12 = files::decodeBeamCriteriaRecord(full);
    ASSERT_TRUE(layout12.accepted());
    EXPECT_EQ(layout12.values.selectionDescription, "2x10 Hem-Fir");
    EXPECT_EQ(layout12.values.nds1997, -1);
    EXPECT_EQ(layout12.values.nds2018, 0);
    EXPECT_EQ(layout12.values.notes[0], "");

    put16(full, 0, 0xFFF3); // -13
    const auto layout13 = files::decodeBeamCriteriaRecord(full);
    ASSERT_TRUE(layout13.accepted());
    EXPECT_EQ(layout13.values.notes[0], "note 1");
    EXPECT_EQ(layout13.values.nds2018, -1);
    EXPECT_EQ(layout13.values.noWeight, 0);
    EXPECT_EQ(layout13.values.selectionBreadth, "");

    Bytes data = readFixture("wood556.Dat");
    put16(data, 0, 555);
    putText(data, 4569, 20, "Stability");
    const auto older = files::decodeBeamDataRecord(data);
    ASSERT_TRUE(older.accepted());
    EXPECT_EQ(older.values.stability[0], "");
}

// Records the program saved decode and encode back to their very bytes: every field of each is read and
// written at the same place.
TEST(RecordDecision, SavedRecordsEncodeBackToTheirBytes)
{
    const auto again = [](const auto& decoded, std::size_t length, auto encode) {
        EXPECT_TRUE(decoded.accepted());
        platform::Record record(length);
        encode(decoded.values, record);
        return record.bytes();
    };
    for (const char* name : {"current.CRI", "calculated.Dat", "first.Col", "named.Col", "first.SCo",
                             "named.SCo", "values.Val", "post.CPV", "nine.CPV"}) {
        SCOPED_TRACE(name);
        const Bytes file = readFixture(name);
        const std::string_view extension = std::string_view(name).substr(std::string_view(name).find('.'));
        Bytes written;
        if (extension == ".CRI") {
            written =
                again(files::decodeBeamCriteriaRecord(file), file.size(), files::encodeBeamCriteriaRecord);
        } else if (extension == ".Dat") {
            written = again(files::decodeBeamDataRecord(file), file.size(), files::encodeBeamDataRecord);
        } else if (extension == ".Col") {
            written = again(files::decodeWoodColumnRecord(file), file.size(), files::encodeWoodColumnRecord);
        } else if (extension == ".SCo") {
            written =
                again(files::decodeSteelColumnRecord(file), file.size(), files::encodeSteelColumnRecord);
        } else if (extension == ".Val") {
            written =
                again(files::decodeCustomValuesRecord(file), file.size(), files::encodeCustomValuesRecord);
        } else {
            written = again(files::decodeCustomPostValuesRecord(file), file.size(),
                            files::encodeCustomPostValuesRecord);
        }
        EXPECT_EQ(written, file);
    }
}

} // namespace

} // namespace filetest
