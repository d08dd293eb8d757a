// What an unbalance button of the criteria form took out of one load: enough to give the boxes back
// exactly as the user had them.
#pragma once

#include <string>

namespace app
{

struct RemovedLiveLoad
{
    std::string live;         // the live load box's text as entered
    std::string total;        // the total load box's text before the live load was subtracted
    std::string reducedTotal; // the total load box's text right after the subtraction
};

} // namespace app
