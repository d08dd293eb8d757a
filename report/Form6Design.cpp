// How Form6 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form6.h"

namespace report
{

using namespace app::design;

void Form6::design()
{
    setCaption(" Korvanta      Data Record Form 4");
    setClientSize(9840, 9705);
    setBackColor(White);
    setFont(platform::FontSpec{"MS Sans Serif", 8.25, true});

    label(Label61, nullptr, 2880, 1620, 735, 255, "Label61");
    Label61.setAlignment(platform::Alignment::Right);
}

} // namespace report
