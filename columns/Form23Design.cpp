// How Form23 looks; no logic here.
#include "app/DesignHelpers.h"
#include "columns/Form23.h"

namespace columns
{

using namespace app::design;

void Form23::design()
{
    setCaption(" Korvanta   Steel Column Data Record");
    setClientSize(9240, 9000);
    setBackColor(White);
    label(Label1, nullptr, 300, 300, 8500, 255, "");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setFontBold(true);
    label(Label2, nullptr, 300, 540, 8500, 255, "");
    Label2.setAlignment(platform::Alignment::Center);
    label(Label3, nullptr, 300, 1100, 4200, 255, "");
    label(Label4, nullptr, 300, 1340, 4200, 255, "");
    label(Label5, nullptr, 4600, 1100, 4200, 255, "");
    label(Label6, nullptr, 4600, 1340, 2100, 255, "");
    label(Label7, nullptr, 6800, 1340, 2000, 255, "");
    label(Label10, nullptr, 1700, 1720, 7100, 255, "");
    Label10.setFontBold(true);
    button3D(PrintButton, nullptr, 7600, 8400, 1300, 400, "Print");
    menu(MnuFile, nullptr, "&File");
    menu(MnuPrint, &MnuFile, "&Print...");
    menu(MnuSave, &MnuFile, "&Save Steel Column...");

    PrintButton.click([this] { Print_Click(); });
    MnuPrint.click([this] { Print_Click(); });
    MnuSave.click([this] { MnuSave_Click(); });
}

} // namespace columns
