// How Form6 looks: the record's labels from their layout data, the Print button and the menus.
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

    for (const RecordLabelLayout& layout : Form6Labels) {
        platform::Label& l = label(layout.name);
        app::design::label(l, nullptr, layout.left, layout.top, layout.width, layout.height, layout.caption);
        l.setAlignment(layout.alignment);
        l.setBorderStyle(layout.box ? 1 : 0);
        platform::FontSpec font;
        font.bold = (layout.style & Bold) != 0;
        font.italic = (layout.style & Italic) != 0;
        font.underline = (layout.style & Underline) != 0;
        l.setFont(font);
        l.setVisible((layout.style & Hidden) == 0);
        l.setWordWrap((layout.style & Wraps) != 0);
    }

    place(Command1, nullptr, 8160, 300, 1032, 372);
    Command1.setCaption("&Print");

    menu(backmnu, nullptr, "<- &Back");
    menu(MnuFile, nullptr, "&File");
    menu(MnuNew, &MnuFile, "&New", "Ctrl+N");
    menuSeparator(MnuSeparator, MnuFile);
    menu(MnuOpenData, &MnuFile, "&Load Data Record...", "Ctrl+L");
    menu(MnuSaveData, &MnuFile, "&Save Data Record...", "Ctrl+S");
    menu(MnuCopyClip, &MnuFile, "&Copy to Clipboard", "Ctrl+C");
    menuSeparator(Mnuline, MnuFile);
    menu(MnuPrint, &MnuFile, "&Print...", "Ctrl+P");
    menuSeparator(AaSpace, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Korvanta");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuCriteria, &MnuGoto, "Criteria Form&1", "F1");
    menu(MnuBack, &MnuGoto, "Report Form&3", "F3");
    menu(MnuHelp, nullptr, "&Help");

    Command1.click([this] { Command1_Click(); });
    MnuPrint.click([this] { MnuPrint_Click(); });
    MnuSaveData.click([this] { MnuSaveData_Click(); });
    MnuOpenData.click([this] { MnuOpenData_Click(); });
    MnuCopyClip.click([this] { MnuCopyClip_Click(); });
    MnuNew.click([this] { MnuNew_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    backmnu.click([this] { MnuBack_Click(); });
    MnuBack.click([this] { MnuBack_Click(); });
    MnuCriteria.click([this] { MnuCriteria_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
}

} // namespace report
