// Form11, the load location diagram: the beam of the criteria form as a bar with a box for each load
// entered, the supports, reactions and spans, built afresh from the criteria form at every load. It
// is shown by the criteria form's Load Diagram button and printed below a beam data record.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

#include <cstdint>

namespace app
{
class Program;
}

namespace report
{

class Form11 final : public platform::Form
{
  public:
    explicit Form11(app::Program& program);

    platform::CommandButton Command3D1{*this, "Command3D1"}; // "Close"
    platform::Label Label1{*this, "Label1"};                 // the beam bar
    platform::Label UnifLabel{*this, "UnifLabel"};
    platform::ControlArray<platform::Label> ParLab{*this, "ParLab", 0, 4};
    platform::ControlArray<platform::Label> PtLab{*this, "PtLab", 0, 5};
    platform::Label Label2{*this, "Label2"}; // "Pt loads:"
    platform::Line Line1{*this, "Line1"};
    platform::Line Line2{*this, "Line2"};
    platform::Line Line3{*this, "Line3"};
    platform::Line Line4{*this, "Line4"};
    platform::Line Line5{*this, "Line5"};
    platform::Line Line6{*this, "Line6"};
    platform::Line Line7{*this, "Line7"};
    platform::Line Line8{*this, "Line8"};
    platform::Line Line9{*this, "Line9"};
    platform::Line Line10{*this, "Line10"};
    platform::Line Line11{*this, "Line11"};
    platform::Line Line12{*this, "Line12"};
    platform::Line Line13{*this, "Line13"};
    platform::Line Line14{*this, "Line14"};
    platform::Line Line15{*this, "Line15"};
    platform::Label Label6{*this, "Label6"};   // R1
    platform::Label Label15{*this, "Label15"}; // R2 of three spans
    platform::Label Label16{*this, "Label16"}; // R2 of two spans
    platform::Label Label17{*this, "Label17"}; // R3 of three spans
    platform::Label Label7{*this, "Label7"};   // the right-end support
    platform::Label Label18{*this, "Label18"}; // equal reactions note
    platform::Label Label3{*this, "Label3"};   // span
    platform::Label Label4{*this, "Label4"};   // overhang
    platform::Label Loadinfo{*this, "Loadinfo"};
    platform::Label Label12{*this, "Label12"}; // "Notes", below the window, printed only
    platform::Label Label5{*this, "Label5"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label11{*this, "Label11"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label14{*this, "Label14"};

    std::int16_t DiagramOrigin = 0;
    std::int16_t DiagramSpanWidth = 0;
    std::int16_t DiagramOHWidth = 0;

  private:
    void design() override; // Form11Design.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void drawDiagram();
    void Command3D1_Click();

    app::Program& m_program;
};

} // namespace report
