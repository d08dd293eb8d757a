// The two SCL records: fields run without gaps to their lengths, a byte-exact round trip, and the
// records that may not be applied.
#include "scl/SCLRecords.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace scl
{
namespace
{

void expectNoGaps(const std::vector<SCLRecordField>& fields, std::size_t length)
{
    std::size_t next = 0;
    for (const SCLRecordField& f : fields) {
        EXPECT_EQ(f.offset, next);
        next = f.offset + f.width;
    }
    EXPECT_EQ(next, length);
}

TEST(SclRecords, FieldsRunWithoutGaps)
{
    expectNoGaps(sclDefaultsLayout(), SCLDefaultsRecordLength);
    expectNoGaps(customSCLLayout(), CustomSCLRecordLength);
}

TEST(SclRecords, RoundTripIsByteExact)
{
    SCLDefaultsRecord d;
    d.Marker = SCLDefaultsMarker;
    d.selectedProduct = 25;
    for (std::size_t k = 0; k < SCLEntryCount; ++k) {
        d.entries[k] = {static_cast<std::int16_t>(2000 + k), 285, 1.55f, -750};
    }
    const platform::Record r = writeSCLDefaults(d);
    EXPECT_EQ(writeSCLDefaults(readSCLDefaults(r)).bytes(), r.bytes());
    EXPECT_TRUE(isApplicable(readSCLDefaults(r), SCLDefaultsRecordLength));

    CustomSCLRecord c;
    c.Marker = CustomSCLMarker;
    c.selectedProduct = 24;
    c.custom[0].values = {2600, 285, 2.0f, 750};
    c.custom[0].exponent = 0.136f;
    c.custom[0].name = "Maker LVL" + std::string(21, ' ');
    const platform::Record rc = writeCustomSCL(c);
    EXPECT_EQ(writeCustomSCL(readCustomSCL(rc)).bytes(), rc.bytes());
    // An entry never saved keeps its zero bytes, name included.
    for (std::size_t at = 48; at < CustomSCLRecordLength; ++at) {
        EXPECT_EQ(rc.bytes()[at], 0) << at;
    }
}

TEST(SclRecords, RecordsThatMayNotBeApplied)
{
    SCLDefaultsRecord d;
    d.Marker = SCLDefaultsMarker;
    EXPECT_TRUE(isApplicable(d, 244));
    EXPECT_TRUE(isApplicable(d, 300)); // a longer file: only the first record counts
    EXPECT_FALSE(isApplicable(d, 243));
    d.selectedProduct = 26;
    EXPECT_FALSE(isApplicable(d, 244));
    d.selectedProduct = 25;
    d.entries[3].E = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(isApplicable(d, 244));
    d.entries[3].E = 2;
    d.Marker = 2000;
    EXPECT_FALSE(isApplicable(d, 244));

    CustomSCLRecord c;
    c.Marker = CustomSCLMarker;
    EXPECT_TRUE(isApplicable(c, 92));
    EXPECT_FALSE(isApplicable(c, 91));
    c.custom[1].exponent = std::nanf("");
    EXPECT_FALSE(isApplicable(c, 92));
}

} // namespace
} // namespace scl
