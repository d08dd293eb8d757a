// The uniformly increasing load picture: its look, and the span line written at load.
#include "report/Form17.h"

#include "app/CriteriaChoices.h"
#include "app/DesignHelpers.h"
#include "app/Program.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace report
{

using namespace app::design;

Form17::Form17(app::Program& program) : Form(program.runtime, "Form17"), m_program(program) {}

void Form17::design()
{
    setCaption(" Uniformly Increasing Load");
    setClientSize(6405, 3015);
    setStartUpPosition(platform::StartUpPosition::CenterOwner);
    setBorderStyle(platform::BorderStyle::Fixed);
    label(TLdLabel, nullptr, 2880, 1260, 2055, 255, "");
    TLdLabel.setAlignment(platform::Alignment::Center);
    label(Label3, nullptr, 900, 1680, 4095, 195, "");
    Label3.setBorderStyle(1);
    label(Spanlabel, nullptr, 2160, 1980, 1875, 195, "");
    Spanlabel.setAlignment(platform::Alignment::Center);
    Spanlabel.setFontBold(true);
    label(Label1, nullptr, 780, 2100, 300, 195, "R1");
    Label1.setFontBold(true);
    label(Label2, nullptr, 4860, 2100, 300, 195, "R2");
    Label2.setFontBold(true);
    place(Command1, nullptr, 2460, 2280, 1335, 375);
    Command1.setCaption("Close");
    Line1.setPoints(900, 1680, 4980, 420);
    Line2.setPoints(4980, 420, 4980, 1680);
    Line4.setPoints(900, 1860, 750, 2040);
    Line5.setPoints(1050, 2040, 900, 1860);
    Line6.setPoints(750, 2040, 1050, 2040);
    Line7.setPoints(4980, 1860, 4830, 2040);
    Line8.setPoints(5130, 2040, 4980, 1860);
    Line9.setPoints(4830, 2040, 5130, 2040);
    Command1.click([this] { unload(); });
}

void Form17::Form_Load()
{
    platform::ResumeNext next([&](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error loading Form17", platform::Buttons::OK, platform::Icon::Exclamation,
                                 "Korvanta");
    });
    next([&] {
        Spanlabel.setCaption("Span = " + platform::num::formatText(app::SpanText(m_program), "###.0#") +
                             " ft");
    });
}

} // namespace report
