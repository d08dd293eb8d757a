// How Form12 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form12.h"

namespace app
{

using namespace design;

void Form12::design()
{
    setCaption("Korvanta Manual and Help File");
    setClientSize(10230, 7260);
    setBorderStyle(platform::BorderStyle::Fixed);

    menu(MnuFile, nullptr, "&File");
    menu(MnuExit, &MnuFile, "E&xit Help");
    menu(About, nullptr, "&About");
    menu(mnuHelpexit, nullptr, "E&xit Help");

    MnuExit.click([this] { MnuExit_Click(); });
    About.click([this] { About_Click(); });
    mnuHelpexit.click([this] { mnuHelpexit_Click(); });
}

} // namespace app
