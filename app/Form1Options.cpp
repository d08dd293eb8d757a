// Form1's species group, material and design options and the handlers that keep them consistent.
#include "app/Form1.h"
#include "app/SpeciesList.h"

namespace app
{

// The species option array mirrors the list by species group; every reader tests the options.
void Form1::Combo1_Click()
{
    const int position = Combo1.listIndex();
    if (position >= 0 && position < SpeciesCount) {
        group(SpeciesGroupOfListIndex(position)).setValue(true);
    }
}

void Form1::WFbutton_Click() {}
void Form1::SFbutton_Click() {}
void Form1::CFbutton_Click() {}
void Form1::MCbutton_Click() {}
void Form1::TUbutton_Click() {}
void Form1::PLbutton_Click() {}
void Form1::DblPLbutton_Click() {}
void Form1::Rep_Click() {}
void Form1::Ctr0_Click() {}
void Form1::Ctr12_Click() {}
void Form1::Ctr16_Click() {}
void Form1::Ctr19_Click() {}
void Form1::ctr24_Click() {}
void Form1::Wet_Click() {}
void Form1::Reducechk_Click() {}
void Form1::Roofbutton_Click() {}
void Form1::INGRADE_Click() {}
void Form1::Areas_Click(int /*index*/) {}
void Form1::Command3D28_Click() {}
void Form1::Command3D15_Click() {}
void Form1::Dadj_Click() {}
void Form1::Pitchtext_Change() {}
void Form1::Pitchtext_GotFocus() {}
void Form1::Pitchtext_LostFocus() {}
void Form1::Dur_Change() {}
void Form1::Dur_GotFocus() {}

} // namespace app
