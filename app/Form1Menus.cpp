// Form1's menus, the notes button and the load diagram button.
#include "app/Form1.h"

namespace app
{

void Form1::MnuNew_Click() {}
void Form1::MnuSaveBeam_Click() {}
void Form1::MnuLoadBeam_Click() {}
void Form1::LoadandPrint_Click() {}
void Form1::MnuLoadDR_Click() {}
void Form1::FileManager_Click() {}
void Form1::MnuExit_Click() {}
void Form1::MnuDataRecord_Click() {}
void Form1::MnuCalculator_Click() {}
void Form1::mnudefaultSet_Click() {}
void Form1::MnuColDesign_Click() {}
void Form1::MnuNotches_Click() {}
void Form1::MnuHelp_Click() {}
void Form1::MnuexitBC_Click() {}
void Form1::NoteButton_Click() {}
void Form1::ViewDiagrmbutton_Click() {}

} // namespace app
