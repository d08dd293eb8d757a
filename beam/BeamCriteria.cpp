// Reading the criteria boxes.
#include "beam/BeamCriteria.h"

#include "platform/core/Number.h"

namespace beam
{

double boxValue(std::string_view text)
{
    return platform::num::leadingNumber(text);
}

} // namespace beam
