// How Form1 looks: the form itself, the order of the design blocks, the tab order and the event
// wiring. The blocks of each region live in the Form1Design*.cpp files; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form1.h"

#include <vector>

namespace app
{

using namespace design;

void Form1::design()
{
    setCaption(" Korvanta Criteria Form 1  NDS 2001");
    setClientSize(10800, 7785);
    move(90, 90);
    setBackColor(LightGrey);
    setBorderStyle(platform::BorderStyle::Fixed);

    designHeader();
    designOptions();
    designUniformLoad();
    designPointAndPartialLoads();
    designPsfCalculator();
    designHipsAndValleys();
    designMultipleSpans();
    designBottomAndMenus();
    designTabOrder();
    wireEvents();
}

void Form1::designBottomAndMenus()
{
    check3D(NoWeight, nullptr, 660, 6600, 2640, 255, "Neglect the beam self-weight ");
    button3D(ViewDiagrmbutton, nullptr, 3450, 6585, 1815, 405, "Load Diagram");
    ViewDiagrmbutton.setToolTipText("Click to view a diagram of loads entered.");
    button3D(NoteButton, nullptr, 5580, 6585, 1815, 405, " Add Notes");
    NoteButton.setToolTipText("Click to add custom notes about loads for the printout. ");
    button3D(CmdOK, nullptr, 7560, 6585, 2415, 405, "OK Calculate");
    CmdOK.setFontBold(true);
    place(SavePanel, nullptr, 720, 7080, 9315, 300);
    SavePanel.setBevelOuter(1);
    SavePanel.setAlignment(platform::Alignment::Left);

    menu(MnuFile, nullptr, "&File");
    menu(MnuNew, &MnuFile, "&New", "Ctrl+N");
    menuSeparator(hypbreak, MnuFile);
    menu(MnuSaveBeam, &MnuFile, "&Save Criteria...", "Ctrl+S");
    menu(MnuLoadBeam, &MnuFile, "&Load Criteria...", "Ctrl+L");
    menu(LoadandPrint, &MnuFile, "Load and Print...", "Ctrl+P");
    menuSeparator(MnuHyfin, MnuFile);
    menu(MnuLoadDR, &MnuFile, "Load Data&Record...", "Ctrl+R");
    menu(FileManager, &MnuFile, "Open File &Manager...", "Ctrl+M");
    menuSeparator(Mnuhifen, MnuFile);
    menu(MnuExit, &MnuFile, "E&xit Korvanta");
    menu(MnuGoto, nullptr, "&Goto");
    menu(MnuDataRecord, &MnuGoto, "&DataRecord", "F4");
    menu(MnuCalculator, nullptr, "C&alculator");
    menu(Option, nullptr, "&Options");
    menu(mnudefaultSet, &Option, "Set &Defaults...");
    menu(MnuColDesign, nullptr, "&Columns");
    menu(MnuNotches, nullptr, "&Notches");
    menu(MnuHelp, nullptr, "&Help");
    menu(MnuexitBC, nullptr, "E&xit");
}

// The tab positions run in this order; hidden and disabled controls and the quick-tip buttons are
// skipped when tabbing, so the first box to get the focus is Span.
void Form1::designTabOrder()
{
    std::vector<platform::Control*> order = {&Span,
                                             &SimpleSpanbutton,
                                             &OHbutton,
                                             &IncButton,
                                             &Multibutton,
                                             &Combo1,
                                             &INGRADE,
                                             &UBLtext,
                                             &CantUBLtext,
                                             &Command3D15,
                                             &Dur,
                                             &DepCombo,
                                             &Dadj,
                                             &LMaxDefl,
                                             &MaxDefl,
                                             &Roofbutton,
                                             &Pitchtext,
                                             &Command3D28,
                                             &Reducechk,
                                             &ksi50,
                                             &WFbutton,
                                             &SFbutton,
                                             &CFbutton,
                                             &MCbutton,
                                             &TUbutton,
                                             &PLbutton,
                                             &Wet,
                                             &Incised,
                                             &Rep,
                                             &Ctr0,
                                             &Ctr12,
                                             &Ctr16,
                                             &Ctr19,
                                             &ctr24,
                                             &TwoSpan,
                                             &ThreeSpan,
                                             &Trib1,
                                             &Trib2,
                                             &Areas(2),
                                             &Areas(0),
                                             &Areas(1),
                                             &Areas(3),
                                             &IncLL,
                                             &IncTL,
                                             &IncUnifLL,
                                             &IncUnifTL,
                                             &CalctheSpan,
                                             &IncCalcButton,
                                             &LUNIF,
                                             &UNIF,
                                             &Text1,
                                             &Text2,
                                             &Tribute,
                                             &Command3D25,
                                             &ClearTribButton,
                                             &group(0)};
    for (int i = 0; i <= 5; ++i) {
        order.insert(order.end(), {&LPT(i), &PT(i), &DIS(i)});
    }
    order.insert(order.end(), {&UBSpan, &UBOH, &Command3D23});
    for (int i = 0; i <= 4; ++i) {
        order.insert(order.end(), {&LPSF(i), &PSF(i), &TribPSF(i)});
    }
    order.insert(order.end(), {&Command3D21, &Command3D22});
    for (int i = 0; i <= 4; ++i) {
        order.insert(order.end(), {&LPAR(i), &PAR(i), &BEGP(i), &ENDP(i)});
    }
    order.insert(order.end(), {&NoWeight, &ViewDiagrmbutton, &NoteButton, &Proj, &Descrip, &ID, &CmdOK,
                               &PLFspin, &Command1, &DblPLbutton});
    // Controls the order does not name follow it: the cancel button of the multiple spans frame and
    // the hidden species options.
    order.push_back(&CancelMultiSpan);
    for (int i = 1; i <= 9; ++i) {
        order.push_back(&group(i));
    }
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i]->setTabIndex(static_cast<int>(i));
    }
}

} // namespace app
