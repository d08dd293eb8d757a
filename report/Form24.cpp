// The printout font window: the printer's fonts in the printer's order, the current printout font
// selected; OK takes the chosen font, Cancel keeps the old one.
#include "report/Form24.h"

#include "app/DesignHelpers.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace report
{

using namespace app::design;

Form24::Form24(app::Program& program) : Form(program.runtime, "Form24"), m_program(program) {}

void Form24::design()
{
    setCaption(" Korvanta      Printout Font Selection");
    setClientSize(5400, 3000);
    setBorderStyle(platform::BorderStyle::FixedDialog);
    label(Label2, nullptr, 300, 180, 4800, 255, "Select a new font for the printout.");
    place(Panel3D1, nullptr, 300, 480, 4800, 600);
    place(list1, &Panel3D1, 120, 150, 4560, 315);
    button3D(Command3D1, nullptr, 1080, 1260, 1335, 405, "OK");
    button3D(Command3D2, nullptr, 2880, 1260, 1335, 405, "Cancel");
    label(Label1, nullptr, 300, 1860, 4800, 855, "");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setWordWrap(true);

    Command3D1.click([this] { Command3D1_Click(); });
    Command3D2.click([this] { unload(); });
}

void Form24::Form_Load()
{
    platform::Printer& printer = m_program.runtime.printer();
    const std::string& current = m_program.state.PrintFontName;
    platform::ResumeNext next([&](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Font selection error.", platform::Buttons::OK, platform::Icon::None,
                                 "Korvanta");
    });
    next([&] { app::CenterForm(m_program, *this); });
    int count = 0;
    next([&] { count = printer.fontCount(); });
    next([&] {
        for (int i = 0; i < count; ++i) {
            list1.addItem(printer.font(i));
        }
    });
    next([&] { list1.setListIndex(0); });
    if (current.empty() || current == std::string(20, ' ')) {
        next([&] { list1.setListIndex(0); });
        return;
    }
    next([&] {
        for (int i = 0; i < count; ++i) {
            if (printer.font(i) == current) {
                list1.setListIndex(i);
            }
        }
    });
}

void Form24::Form_Activate()
{
    Label1.setCaption(
        "Note: The Korvanta printout is optimized for the 'Arial' font. A similar font width and "
        "style is recommended for proper display of the data.");
}

void Form24::Command3D1_Click()
{
    m_program.state.PrintFontName = list1.text();
    unload();
}

} // namespace report
