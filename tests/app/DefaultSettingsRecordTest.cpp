// The settings record's layout and its byte-level round trip.
#include "app/DefaultSettingsRecord.h"

#include "tests/app/SettingsFixtures.h"

#include <gtest/gtest.h>

namespace
{

TEST(DefaultSettingsRecord, FieldsRunWithoutGapsTo322Bytes)
{
    const auto layout = app::defaultSettingsLayout();
    std::size_t next = 0;
    for (const app::RecordField& field : layout) {
        SCOPED_TRACE(testing::Message() << "field at " << field.offset);
        EXPECT_EQ(field.offset, next);
        next = field.offset + field.width;
    }
    EXPECT_EQ(next, app::DefaultSettingsRecordLength);
    // Marker, 3 texts, 3 integers, the font, 10 load values and 8 integers.
    EXPECT_EQ(layout.size(), 26u);
}

TEST(DefaultSettingsRecord, KnownBytesSitAtTheirOffsets)
{
    const auto bytes = app::test::settingsFile(app::test::fullSettings());
    ASSERT_EQ(bytes.size(), 322u);
    EXPECT_EQ(bytes[0], 0xE1); // 4321 little-endian
    EXPECT_EQ(bytes[1], 0x10);
    EXPECT_EQ(bytes[2], ' '); // leading blanks of a heading are kept on disk
    EXPECT_EQ(bytes[4], 'A');
    EXPECT_EQ(bytes[222], 'J');
    EXPECT_EQ(bytes[225], ' '); // initials padded to 8
    EXPECT_EQ(bytes[232], 5);   // species position
    // Livedefault(0) = 40.0f = 0x42200000, little-endian at 266.
    EXPECT_EQ(bytes[266], 0x00);
    EXPECT_EQ(bytes[269], 0x42);
    EXPECT_EQ(bytes[308], 7);    // reserved field carried as read
    EXPECT_EQ(bytes[314], 0xFF); // NDS2015 = -1
    EXPECT_EQ(bytes[318], 0);
    EXPECT_EQ(bytes[320], 1);
}

TEST(DefaultSettingsRecord, ReadsBackWhatWasWritten)
{
    const app::DefaultSettingsRecord original = app::test::fullSettings();
    const platform::Record written = app::writeDefaultSettings(original);
    EXPECT_EQ(app::readDefaultSettings(written), original);
    EXPECT_EQ(app::writeDefaultSettings(app::readDefaultSettings(written)).bytes(), written.bytes());
}

} // namespace
