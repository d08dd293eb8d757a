// Form1's load case layouts: simple span, overhang, multiple spans, hips and valleys.
#include "app/Form1.h"

namespace app
{

void Form1::SimpleSpanbutton_Click() {}
void Form1::OHbutton_Click() {}
void Form1::Multibutton_Click() {}
void Form1::IncButton_Click() {}
void Form1::TwoSpan_Click() {}
void Form1::ThreeSpan_Click() {}
void Form1::CancelMultiSpan_Click() {}
void Form1::SimpleSpanbutton_DblClick() {}
void Form1::OHbutton_DblClick() {}

} // namespace app
