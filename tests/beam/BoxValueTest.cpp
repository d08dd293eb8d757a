// The quick reading of plain decimal boxes gives exactly what the general leading-number reader gives.
#include "beam/BeamCriteria.h"
#include "platform/core/Number.h"

#include <gtest/gtest.h>

namespace
{

TEST(BoxValue, AgreesWithTheLeadingNumberReader)
{
    const char* texts[] = {"",
                           "0",
                           "120",
                           "2.75",
                           ".5",
                           "5.",
                           "0.1",
                           "1250.33",
                           "123456789012345",
                           "1234567890123456",
                           "0.000000000000001",
                           "1.2.3",
                           "12a",
                           " 12",
                           "-4",
                           "1e3",
                           "1,200",
                           "."};
    for (const char* text : texts) {
        EXPECT_EQ(beam::boxValue(text), platform::num::leadingNumber(text)) << '"' << text << '"';
    }
}

} // namespace
