// Form1's quick tips and load entry diagram buttons.
#include "app/Form1.h"

namespace app
{

void Form1::Command3D2_Click() {}
void Form1::Command3D1_Click() {}
void Form1::Command3D10_Click() {}
void Form1::Command3D30_Click() {}
void Form1::Command3D12_Click() {}
void Form1::Command3D13_Click() {}
void Form1::Label20_DblClick() {}
void Form1::Command3D31_Click() {}
void Form1::Command3D14_Click() {}
void Form1::Command3D19_Click() {}
void Form1::Command3D24_Click() {}
void Form1::Command3D16_Click() {}
void Form1::Label8_DblClick() {}
void Form1::Command3D5_Click() {}
void Form1::UBL3DHelp_Click() {}
void Form1::Command3D4_Click() {}
void Form1::DepthDesHelp_Click() {}
void Form1::Command3D3_Click() {}
void Form1::Command3D8_Click() {}
void Form1::Command3D18_Click() {}
void Form1::Command3D7_Click() {}
void Form1::Command3D9_Click() {}

} // namespace app
