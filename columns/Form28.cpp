// The stud wall record: its look and its print command.
#include "columns/Form28.h"

#include "app/DesignHelpers.h"
#include "app/Program.h"

namespace columns
{

using namespace app::design;

Form28::Form28(app::Program& program) : Form(program.runtime, "Form28"), m_program(program) {}

void Form28::design()
{
    setCaption(" Korvanta   Stud Wall Data Record");
    setClientSize(9240, 9000);
    setBackColor(White);
    label(Label1, nullptr, 300, 120, 8500, 255, "");
    Label1.setAlignment(platform::Alignment::Center);
    Label1.setFontBold(true);
    label(Label2, nullptr, 300, 360, 8500, 255, "");
    Label2.setAlignment(platform::Alignment::Center);
    label(Label4, nullptr, 300, 900, 4200, 255, "");
    label(Label5, nullptr, 300, 1140, 4200, 255, "");
    label(Label6, nullptr, 4600, 900, 4200, 255, "");
    label(Label7, nullptr, 4600, 1140, 2100, 255, "");
    label(Label8, nullptr, 6800, 1140, 2000, 255, "");
    label(Label13, nullptr, 1700, 1500, 7100, 255, "");
    place(Image1, nullptr, 1380, 7688, 2295, 3975);
    Image1.setPicture("StudWall");
    button3D(PrintButton, nullptr, 7600, 8400, 1300, 400, "Print");
    PrintButton.click([this] { Print_Click(); });
}

void Form28::Print_Click()
{
    report::RecordTypeFlags& f = m_program.record.flags;
    f.WoodColRequest = 0;
    f.SteelColRequest = 0;
    f.StudRequest = true;
    m_program.form7.openForRecord();
}

} // namespace columns
