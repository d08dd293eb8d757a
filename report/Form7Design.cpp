// How Form7 looks; no logic here.
#include "app/DesignHelpers.h"
#include "report/Form7.h"

namespace report
{

using namespace app::design;

void Form7::design()
{
    setCaption(" Korvanta   Report Header Form");
    setClientSize(9000, 6600);
    setBorderStyle(platform::BorderStyle::Fixed);

    frame3D(Frame3D1, nullptr, 120, 120, 8760, 4680, "Report Header");
    label(Label1, &Frame3D1, 1860, 360, 6600, 255,
          "Optional Heading for Report - You can save a permanent heading in Options, Form 1");
    textBox(Heading1, &Frame3D1, 1800, 600, 6735, 110, WindowColour);
    textBox(Heading2, &Frame3D1, 1800, 960, 6735, 110, WindowColour);
    place(CmdClear, &Frame3D1, 600, 720, 1035, 375);
    CmdClear.setCaption("Clear -->");
    tipButton(Command3D2, &Frame3D1, 360, 780, "Saving a permanent heading");
    label(Label2, &Frame3D1, 2880, 1470, 480, 255, "Date");
    textBox(Datebox, &Frame3D1, 3420, 1440, 1035, 12, WindowColour);
    label(Label4, &Frame3D1, 4620, 1470, 780, 255, "Initials");
    textBox(Initialbox, &Frame3D1, 5460, 1440, 900, 8, WindowColour);
    label(Label12, &Frame3D1, 6480, 1320, 2160, 255, "The selected Font is:");
    label(CurrentFontLabel, &Frame3D1, 6480, 1560, 2160, 255, "");
    label(Label13, &Frame3D1, 6480, 1800, 2160, 255, "( Arial font is recommended )");
    label(Label7, &Frame3D1, 360, 1830, 1380, 255, "Project Title");
    textBox(Text1, &Frame3D1, 1800, 1800, 4635, 35, WindowColour);
    tipButton(Command3D3, &Frame3D1, 120, 1860, "Editing the header texts");
    label(Label8, &Frame3D1, 360, 2190, 1380, 255, "Item Description");
    textBox(Text2, &Frame3D1, 1800, 2160, 4635, 30, WindowColour);
    label(Label9, &Frame3D1, 360, 2550, 1380, 255, "Beam ID");
    textBox(Text3, &Frame3D1, 1800, 2520, 4635, 25, WindowColour);
    check3D(HighDPI, &Frame3D1, 6780, 2280, 1800, 255, "600 dpi printout");
    tipButton(Command3D1, &Frame3D1, 6540, 2310, "600 dpi printout");
    check3D(LoadDiagram, &Frame3D1, 6780, 2580, 1800, 255, "Print Load Diagram");
    label(Label10, &Frame3D1, 360, 3030, 1380, 255, "Selection");
    place(PrintBeamSelect, &Frame3D1, 1800, 3000, 6735, 300);
    PrintBeamSelect.setBevelOuter(1);
    PrintBeamSelect.setAlignment(platform::Alignment::Left);
    place(CmdPrint, &Frame3D1, 600, 3480, 1875, 420);
    CmdPrint.setCaption("&Print Data Record");
    CmdPrint.setDefault(true);
    place(Command1, &Frame3D1, 2580, 3480, 1875, 420);
    Command1.setCaption("&Save Data Record");
    place(Command2, &Frame3D1, 4560, 3480, 1695, 420);
    Command2.setCaption(" &Add Notes");
    place(Command3, &Frame3D1, 6360, 3480, 1695, 420);
    Command3.setCaption("&Close");
    label(Label3, &Frame3D1, 105, 4080, 8550, 255,
          "To print the loading diagram your paper orientation must be set to 'portrait'.  You may change "
          "this setting in Print Setup.");
    label(
        Label5, &Frame3D1, 75, 4335, 8550, 255,
        "If you change printers in Korvanta, you may reset your default printer by selecting Print Setup on "
        "the Menu bar.");

    place(PrintPanel, nullptr, 2400, 5880, 4200, 600);
    label(Label11, &PrintPanel, 120, 60, 3960, 255, "Printing Data Record...");
    place(ReportName, &PrintPanel, 120, 300, 3960, 255);
    label(Label6, &ReportName, 0, 0, 3960, 255, "");
    Label6.setAlignment(platform::Alignment::Center);

    // Tab order: the project texts, the commands, then the headings, date and initials.
    platform::Control* order[] = {&Text1,    &Text2,    &Text3,    &CmdPrint, &Command1, &Command2,
                                  &Command3, &CmdClear, &Heading1, &Heading2, &Datebox,  &Initialbox};
    for (std::size_t i = 0; i < std::size(order); ++i) {
        order[i]->setTabIndex(static_cast<int>(i));
    }

    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuSaveRec, &MnuFile, "&Save Record");
    menuSeparator(Mnuhyphen, MnuFile);
    menu(MnuClose, &MnuFile, "&Close");
    menu(MnuFont, nullptr, "F&onts");
    menu(FileManager, nullptr, "&Explorer");
    menu(Mnusetup, nullptr, "P&rint Setup");

    for (platform::TextBox* box : {&Heading1, &Heading2, &Datebox, &Initialbox, &Text1, &Text2, &Text3}) {
        box->gotFocus([this] { Field_GotFocus(); });
    }
    CmdPrint.click([this] { CmdPrint_Click(); });
    Command1.click([this] { Command1_Click(); });
    MnuSaveRec.click([this] { MnuSaveRec_Click(); });
    Command2.click([this] { Command2_Click(); });
    Command3.click([this] { Command3_Click(); });
    MnuClose.click([this] { MnuClose_Click(); });
    backmnu.click([this] { backmnu_Click(); });
    CmdClear.click([this] { CmdClear_Click(); });
    MnuFont.click([this] { MnuFont_Click(); });
    Mnusetup.click([this] { Mnusetup_Click(); });
    FileManager.click([this] { FileManager_Click(); });
    Command3D1.click([this] { Command3D1_Click(); });
    Command3D2.click([this] { Command3D2_Click(); });
    Command3D3.click([this] { Command3D3_Click(); });
}

} // namespace report
