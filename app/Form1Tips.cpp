// Form1's quick tips and load entry diagram buttons. A tip only informs: it reads no entry, changes
// no value and leaves the selection as it is.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/QuickTips.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form16.h"
#include "report/Form9.h"

namespace app
{

namespace
{
void showTip(platform::Runtime& runtime, const char* text)
{
    runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, "Korvanta");
}

// Opens a diagram window modeless, or brings it forward when it is already open. A window that
// cannot be shown is reported and the click ends.
void showDiagram(platform::Runtime& runtime, platform::Form& diagram, const char* failure)
{
    platform::leaveOnError([&] { diagram.show(); },
                           [&](const platform::RuntimeError&) {
                               runtime.msgBox(failure, platform::Buttons::OK, platform::Icon::None,
                                              "Korvanta");
                           });
}
} // namespace

void Form1::Command3D2_Click()
{
    showDiagram(m_program.runtime, m_program.form9, "Cannot load Simple span on line help diagram.");
}
void Form1::Command3D1_Click()
{
    showDiagram(m_program.runtime, m_program.form9, "Cannot load overhanging on line help diagram.");
}
void Form1::Command3D10_Click()
{
    showDiagram(m_program.runtime, m_program.form16, "Cannot load hip and valley on line help diagram.");
}
void Form1::Command3D12_Click()
{
    showDiagram(m_program.runtime, m_program.form16, "Cannot load hip and valley on line help diagram.");
}

void Form1::Command3D30_Click()
{
    showTip(m_program.runtime, tips::MultipleSpansLong);
}
void Form1::Command3D31_Click()
{
    showTip(m_program.runtime, tips::MultipleSpansShort);
}
void Form1::Command3D13_Click()
{
    showTip(m_program.runtime, tips::SpanAutoCalc);
}
// The hip and valley frame's third step label answers a double click with the wet use tip, on purpose
// the same text as the wet use option's.
void Form1::Label20_DblClick()
{
    showTip(m_program.runtime, tips::WetUse);
}
void Form1::Command3D14_Click()
{
    showTip(m_program.runtime, tips::UniformLoad);
}
void Form1::Command3D19_Click()
{
    showTip(m_program.runtime, tips::UniformPsf);
}
void Form1::Command3D24_Click()
{
    showTip(m_program.runtime, tips::PartialPsf);
}
void Form1::Command3D16_Click()
{
    showTip(m_program.runtime, tips::EnteringLoads);
}
void Form1::Label8_DblClick()
{
    showTip(m_program.runtime, tips::Distance);
}
void Form1::Command3D5_Click()
{
    showTip(m_program.runtime, tips::BeamSpan);
}
void Form1::UBL3DHelp_Click()
{
    showTip(m_program.runtime, tips::LateralBracing);
}
void Form1::Command3D4_Click()
{
    showTip(m_program.runtime, tips::DurationOfLoad);
}
void Form1::DepthDesHelp_Click()
{
    showTip(m_program.runtime, tips::MaxSteelDepth);
}
void Form1::Command3D3_Click()
{
    showTip(m_program.runtime, tips::MaxDeflection);
}
void Form1::Command3D8_Click()
{
    showTip(m_program.runtime, tips::SlopeAdjustment);
}
void Form1::Command3D18_Click()
{
    showTip(m_program.runtime, tips::ShearReduction);
}
void Form1::Command3D7_Click()
{
    showTip(m_program.runtime, tips::WetUseAndIncising);
}
void Form1::Command3D9_Click()
{
    showTip(m_program.runtime, tips::RepetitiveUse);
}

} // namespace app
