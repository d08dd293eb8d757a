// Which handler each event of Form1 calls. Part of the design; no logic here.
#include "app/Form1.h"

namespace app
{

void Form1::wireEvents()
{
    using Key = std::int16_t;

    // Species group, material and design options.
    Combo1.click([this] { Combo1_Click(); });
    WFbutton.click([this] { WFbutton_Click(); });
    SFbutton.click([this] { SFbutton_Click(); });
    CFbutton.click([this] { CFbutton_Click(); });
    MCbutton.click([this] { MCbutton_Click(); });
    TUbutton.click([this] { TUbutton_Click(); });
    PLbutton.click([this] { PLbutton_Click(); });
    DblPLbutton.click([this] { DblPLbutton_Click(); });
    Rep.click([this] { Rep_Click(); });
    Ctr0.click([this] { Ctr0_Click(); });
    Ctr12.click([this] { Ctr12_Click(); });
    Ctr16.click([this] { Ctr16_Click(); });
    Ctr19.click([this] { Ctr19_Click(); });
    ctr24.click([this] { ctr24_Click(); });
    Wet.click([this] { Wet_Click(); });
    Reducechk.click([this] { Reducechk_Click(); });
    Roofbutton.click([this] { Roofbutton_Click(); });
    INGRADE.click([this] { INGRADE_Click(); });
    Areas.onClick([this](int i) { Areas_Click(i); });
    Command3D28.click([this] { Command3D28_Click(); });
    Command3D15.click([this] { Command3D15_Click(); });
    Dadj.click([this] { Dadj_Click(); });
    Pitchtext.change([this] { Pitchtext_Change(); });
    Pitchtext.gotFocus([this] { Pitchtext_GotFocus(); });
    Pitchtext.lostFocus([this] { Pitchtext_LostFocus(); });
    Dur.change([this] { Dur_Change(); });
    Dur.gotFocus([this] { Dur_GotFocus(); });

    // Entry boxes: change rules.
    UNIF.change([this] { UNIF_Change(); });
    LUNIF.change([this] { LUNIF_Change(); });
    PT.onChange([this](int i) { PT_Change(i); });
    LPT.onChange([this](int i) { LPT_Change(i); });
    PAR.onChange([this](int i) { PAR_Change(i); });
    LPAR.onChange([this](int i) { LPAR_Change(i); });
    DIS.onChange([this](int i) { DIS_Change(i); });
    BEGP.onChange([this](int i) { BEGP_Change(i); });
    ENDP.onChange([this](int i) { ENDP_Change(i); });
    Span.change([this] { Span_Change(); });
    UBLtext.change([this] { UBLtext_Change(); });
    CantUBLtext.change([this] { CantUBLtext_Change(); });
    MaxDefl.change([this] { MaxDefl_Change(); });
    LMaxDefl.change([this] { LMaxDefl_Change(); });
    IncTL.change([this] { IncTL_Change(); });
    IncLL.change([this] { IncLL_Change(); });
    IncUnifTL.change([this] { IncUnifTL_Change(); });
    IncUnifLL.change([this] { IncUnifLL_Change(); });
    PSF.onChange([this](int i) { PSF_Change(i); });
    LPSF.onChange([this](int i) { LPSF_Change(i); });
    TribPSF.onChange([this](int i) { TribPSF_Change(i); });
    Text1.change([this] { Text1_Change(); });
    Text2.change([this] { Text2_Change(); });
    Tribute.change([this] { Tribute_Change(); });
    Trib1.change([this] { Trib1_Change(); });
    Trib2.change([this] { Trib2_Change(); });

    // Entry boxes: Insert pastes the calculator's result.
    UNIF.keyDown([this](Key& k, int s) { UNIF_KeyDown(k, s); });
    LUNIF.keyDown([this](Key& k, int s) { LUNIF_KeyDown(k, s); });
    PT.onKeyDown([this](int i, Key& k, int s) { PT_KeyDown(i, k, s); });
    LPT.onKeyDown([this](int i, Key& k, int s) { LPT_KeyDown(i, k, s); });
    PAR.onKeyDown([this](int i, Key& k, int s) { PAR_KeyDown(i, k, s); });
    LPAR.onKeyDown([this](int i, Key& k, int s) { LPAR_KeyDown(i, k, s); });
    DIS.onKeyDown([this](int i, Key& k, int s) { DIS_KeyDown(i, k, s); });
    BEGP.onKeyDown([this](int i, Key& k, int s) { BEGP_KeyDown(i, k, s); });
    ENDP.onKeyDown([this](int i, Key& k, int s) { ENDP_KeyDown(i, k, s); });
    IncTL.keyDown([this](Key& k, int s) { IncTL_KeyDown(k, s); });
    IncLL.keyDown([this](Key& k, int s) { IncLL_KeyDown(k, s); });
    IncUnifTL.keyDown([this](Key& k, int s) { IncUnifTL_KeyDown(k, s); });
    IncUnifLL.keyDown([this](Key& k, int s) { IncUnifLL_KeyDown(k, s); });

    // Entry boxes: the comma key is refused.
    UNIF.keyPress([this](Key& c) { UNIF_KeyPress(c); });
    LUNIF.keyPress([this](Key& c) { LUNIF_KeyPress(c); });
    PT.onKeyPress([this](int i, Key& c) { PT_KeyPress(i, c); });
    LPT.onKeyPress([this](int i, Key& c) { LPT_KeyPress(i, c); });
    PAR.onKeyPress([this](int i, Key& c) { PAR_KeyPress(i, c); });
    LPAR.onKeyPress([this](int i, Key& c) { LPAR_KeyPress(i, c); });
    IncTL.keyPress([this](Key& c) { IncTL_KeyPress(c); });
    IncLL.keyPress([this](Key& c) { IncLL_KeyPress(c); });
    IncUnifTL.keyPress([this](Key& c) { IncUnifTL_KeyPress(c); });
    IncUnifLL.keyPress([this](Key& c) { IncUnifLL_KeyPress(c); });
    PSF.onKeyPress([this](int i, Key& c) { PSF_KeyPress(i, c); });
    LPSF.onKeyPress([this](int i, Key& c) { LPSF_KeyPress(i, c); });
    Text1.keyPress([this](Key& c) { Text1_KeyPress(c); });
    Text2.keyPress([this](Key& c) { Text2_KeyPress(c); });

    // Entry boxes: entering a box selects its text.
    UNIF.gotFocus([this] { UNIF_GotFocus(); });
    LUNIF.gotFocus([this] { LUNIF_GotFocus(); });
    PT.onGotFocus([this](int i) { PT_GotFocus(i); });
    LPT.onGotFocus([this](int i) { LPT_GotFocus(i); });
    PAR.onGotFocus([this](int i) { PAR_GotFocus(i); });
    LPAR.onGotFocus([this](int i) { LPAR_GotFocus(i); });
    DIS.onGotFocus([this](int i) { DIS_GotFocus(i); });
    BEGP.onGotFocus([this](int i) { BEGP_GotFocus(i); });
    ENDP.onGotFocus([this](int i) { ENDP_GotFocus(i); });
    Span.gotFocus([this] { Span_GotFocus(); });
    UBLtext.gotFocus([this] { UBLtext_GotFocus(); });
    CantUBLtext.gotFocus([this] { CantUBLtext_GotFocus(); });
    MaxDefl.gotFocus([this] { MaxDefl_GotFocus(); });
    LMaxDefl.gotFocus([this] { LMaxDefl_GotFocus(); });
    IncTL.gotFocus([this] { IncTL_GotFocus(); });
    IncLL.gotFocus([this] { IncLL_GotFocus(); });
    IncUnifTL.gotFocus([this] { IncUnifTL_GotFocus(); });
    IncUnifLL.gotFocus([this] { IncUnifLL_GotFocus(); });
    PSF.onGotFocus([this](int i) { PSF_GotFocus(i); });
    LPSF.onGotFocus([this](int i) { LPSF_GotFocus(i); });
    TribPSF.onGotFocus([this](int i) { TribPSF_GotFocus(i); });
    Text1.gotFocus([this] { Text1_GotFocus(); });
    Text2.gotFocus([this] { Text2_GotFocus(); });
    Tribute.gotFocus([this] { Tribute_GotFocus(); });
    Trib1.gotFocus([this] { Trib1_GotFocus(); });
    Trib2.gotFocus([this] { Trib2_GotFocus(); });
    Proj.gotFocus([this] { Proj_GotFocus(); });
    Descrip.gotFocus([this] { Descrip_GotFocus(); });
    ID.gotFocus([this] { ID_GotFocus(); });

    // Load case layouts.
    SimpleSpanbutton.click([this] { SimpleSpanbutton_Click(); });
    OHbutton.click([this] { OHbutton_Click(); });
    Multibutton.click([this] { Multibutton_Click(); });
    IncButton.click([this] { IncButton_Click(); });
    TwoSpan.click([this] { TwoSpan_Click(); });
    ThreeSpan.click([this] { ThreeSpan_Click(); });
    CancelMultiSpan.click([this] { CancelMultiSpan_Click(); });
    SimpleSpanbutton.dblClick([this] { SimpleSpanbutton_DblClick(); });
    OHbutton.dblClick([this] { OHbutton_DblClick(); });

    // Load calculators and load clearing.
    Command1.click([this] { Command1_Click(); });
    PLFspin.click([this] { PLFspin_Click(); });
    Command3D25.click([this] { Command3D25_Click(); });
    ClearTribButton.click([this] { ClearTribButton_Click(); });
    Command3D23.click([this] { Command3D23_Click(); });
    Command3D21.click([this] { Command3D21_Click(); });
    Command3D22.click([this] { Command3D22_Click(); });
    IncCalcButton.click([this] { IncCalcButton_Click(); });
    Frame3D3.dblClick([this] { Frame3D3_DblClick(); });
    Frame3D4.dblClick([this] { Frame3D4_DblClick(); });
    Frame3D5.dblClick([this] { Frame3D5_DblClick(); });
    FramePSF.dblClick([this] { FramePSF_DblClick(); });
    Label35.click([this] { Label35_Click(); });
    Label36.click([this] { Label36_Click(); });
    Labl20.onClick([this](int i) { Labl20_Click(i); });
    Labl21.onClick([this](int i) { Labl21_Click(i); });
    Labl20.onChange([this](int i) { Labl20_Change(i); });
    Labl21.onChange([this](int i) { Labl21_Change(i); });

    // Unbalanced live loads.
    UBOH.click([this] { UBOH_Click(); });
    UBSpan.click([this] { UBSpan_Click(); });

    // Quick tips and load entry diagrams.
    Command3D2.click([this] { Command3D2_Click(); });
    Command3D1.click([this] { Command3D1_Click(); });
    Command3D10.click([this] { Command3D10_Click(); });
    Command3D30.click([this] { Command3D30_Click(); });
    Command3D12.click([this] { Command3D12_Click(); });
    Command3D13.click([this] { Command3D13_Click(); });
    Label20.dblClick([this] { Label20_DblClick(); });
    Command3D31.click([this] { Command3D31_Click(); });
    Command3D14.click([this] { Command3D14_Click(); });
    Command3D19.click([this] { Command3D19_Click(); });
    Command3D24.click([this] { Command3D24_Click(); });
    Command3D16.click([this] { Command3D16_Click(); });
    Label8.dblClick([this] { Label8_DblClick(); });
    Command3D5.click([this] { Command3D5_Click(); });
    UBL3DHelp.click([this] { UBL3DHelp_Click(); });
    Command3D4.click([this] { Command3D4_Click(); });
    DepthDesHelp.click([this] { DepthDesHelp_Click(); });
    Command3D3.click([this] { Command3D3_Click(); });
    Command3D8.click([this] { Command3D8_Click(); });
    Command3D18.click([this] { Command3D18_Click(); });
    Command3D7.click([this] { Command3D7_Click(); });
    Command3D9.click([this] { Command3D9_Click(); });

    // Menus, notes and the load diagram.
    MnuNew.click([this] { MnuNew_Click(); });
    MnuSaveBeam.click([this] { MnuSaveBeam_Click(); });
    MnuLoadBeam.click([this] { MnuLoadBeam_Click(); });
    LoadandPrint.click([this] { LoadandPrint_Click(); });
    MnuLoadDR.click([this] { MnuLoadDR_Click(); });
    FileManager.click([this] { FileManager_Click(); });
    MnuExit.click([this] { MnuExit_Click(); });
    MnuDataRecord.click([this] { MnuDataRecord_Click(); });
    MnuCalculator.click([this] { MnuCalculator_Click(); });
    mnudefaultSet.click([this] { mnudefaultSet_Click(); });
    MnuColDesign.click([this] { MnuColDesign_Click(); });
    MnuNotches.click([this] { MnuNotches_Click(); });
    MnuHelp.click([this] { MnuHelp_Click(); });
    MnuexitBC.click([this] { MnuexitBC_Click(); });
    NoteButton.click([this] { NoteButton_Click(); });
    ViewDiagrmbutton.click([this] { ViewDiagrmbutton_Click(); });

    // "OK Calculate".
    CmdOK.click([this] { CmdOK_Click(); });
}

} // namespace app
