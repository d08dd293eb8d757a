// How Form21 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form21.h"

namespace report
{

using namespace app::design;

namespace
{
constexpr int NoteLength = 85;
constexpr double LineStep = 270;
} // namespace

void Form21::design()
{
    setCaption(" Korvanta Report Notes");
    setClientSize(8655, 3960);
    setStartUpPosition(platform::StartUpPosition::CenterOwner);
    setBorderStyle(platform::BorderStyle::FixedDialog);

    label(Label1, nullptr, 1320, 600, 6195, 255,
          "Notes may be printed at the bottom of the data record printout.");
    Label1.setAlignment(platform::Alignment::Center);
    place(Panel3D1, nullptr, 660, 960, 7335, 1965);
    int line = 0;
    for (platform::TextBox* box : noteBoxes()) {
        textBox(*box, &Panel3D1, 30, 30 + LineStep * line, 7275, NoteLength, WindowColour);
        box->setTabIndex(line);
        box->gotFocus([this] { Text_GotFocus(); });
        ++line;
    }
    place(Command1, nullptr, 2280, 3300, 1155, 375);
    Command1.setCaption("Done");
    Command1.setTabIndex(7);
    place(Command2, nullptr, 3540, 3300, 1155, 375);
    Command2.setCaption("Cancel");
    Command2.setTabIndex(8);
    place(Command3, nullptr, 4800, 3300, 1572, 372);
    Command3.setCaption("Clear All Notes");
    Command3.setTabIndex(9);
    tipButton(Command3D1, nullptr, 840, 600, "About the notes");

    Command1.click([this] { Command1_Click(); });
    Command2.click([this] { Command2_Click(); });
    Command3.click([this] { Command3_Click(); });
    Command3D1.click([this] { Command3D1_Click(); });
}

} // namespace report
