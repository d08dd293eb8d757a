// The column criteria form's boxes.
#include "columns/Form18.h"

#include "app/DesignHelpers.h"
#include "app/FormHelpers.h"
#include "app/Program.h"

namespace columns
{

using namespace app::design;

Form18::Form18(app::Program& program) : Form(program.runtime, "Form18"), m_program(program) {}

void Form18::design()
{
    setCaption(" Korvanta   Column Criteria");
    setClientSize(9000, 3000);
    textBox(ColumnProj, nullptr, 1800, 300, 4635, 35, WindowColour);
    textBox(ColumnDescription, nullptr, 1800, 660, 4635, 30, WindowColour);
    textBox(columnID, nullptr, 1800, 1020, 4635, 25, WindowColour);
    designStudFrame();
    wireStudFrame();
}

void Form18::onActivate()
{
    CenterForm(m_program, *this);
    // The stud record shows only what a check run since this activation computed.
    StudReportbutton.setEnabled(false);
}

} // namespace columns
