// Form1's load calculators (presets, tributary, psf, hips and valleys) and load clearing.
#include "app/Form1.h"

namespace app
{

void Form1::Command1_Click() {}
void Form1::PLFspin_Click() {}
void Form1::Command3D25_Click() {}
void Form1::ClearTribButton_Click() {}
void Form1::Command3D23_Click() {}
void Form1::Command3D21_Click() {}
void Form1::Command3D22_Click() {}
void Form1::IncCalcButton_Click() {}
void Form1::Frame3D3_DblClick() {}
void Form1::Frame3D4_DblClick() {}
void Form1::Frame3D5_DblClick() {}
void Form1::FramePSF_DblClick() {}
void Form1::Label35_Click() {}
void Form1::Label36_Click() {}
void Form1::Labl20_Click(int /*index*/) {}
void Form1::Labl21_Click(int /*index*/) {}
void Form1::Labl20_Change(int /*index*/) {}
void Form1::Labl21_Change(int /*index*/) {}

} // namespace app
