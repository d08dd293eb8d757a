// The table of built-in line drawings, one per program run's picture ids.
#include "platform/forms/Pictures.h"

#include <map>

namespace platform
{

namespace
{
// Picture ids name built-in resources, like the files of a resource bundle: one table for the process.
std::map<std::string, DrawnPicture, std::less<>>& drawings()
{
    static std::map<std::string, DrawnPicture, std::less<>> table;
    return table;
}
} // namespace

void registerDrawnPicture(const std::string& id, DrawnPicture picture)
{
    drawings()[id] = std::move(picture);
}

const DrawnPicture* findDrawnPicture(std::string_view id)
{
    const auto found = drawings().find(id);
    return found == drawings().end() ? nullptr : &found->second;
}

} // namespace platform
