// Form16, the increasing loads (hips and valleys) diagram: plan views of a valley and of a hip ridge
// that mark which roof areas load the member. Drawn from labels, lines and shapes.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace report
{

class Form16 final : public platform::Form
{
  public:
    explicit Form16(app::Program& program);

    platform::Label Label11{*this, "Label11"};
    platform::Label Label1{*this, "Label1"};
    platform::Label Label6{*this, "Label6"};
    platform::ControlArray<platform::Label> Label5{*this, "Label5", 0, 1};
    platform::Label Label10{*this, "Label10"};
    platform::Label Label9{*this, "Label9"};
    platform::Label Label8{*this, "Label8"};
    platform::Label Label7{*this, "Label7"};
    platform::Label Label3{*this, "Label3"};
    platform::Label Label2{*this, "Label2"};
    platform::Label Label25{*this, "Label25"};
    platform::Label Label24{*this, "Label24"};
    platform::Label Label4{*this, "Label4"};
    platform::ControlArray<platform::Label> Label23{*this, "Label23", 0, 1};
    platform::Label Label19{*this, "Label19"};
    platform::Label Label17{*this, "Label17"};
    platform::Label Label22{*this, "Label22"};
    platform::Label Label21{*this, "Label21"};
    platform::Label Label12{*this, "Label12"};
    platform::Label Label13{*this, "Label13"};
    platform::Label Label15{*this, "Label15"};
    platform::Label Label16{*this, "Label16"};
    platform::Label Label20{*this, "Label20"};
    platform::Label Label18{*this, "Label18"};
    platform::Label Label14{*this, "Label14"};
    platform::CommandButton Cmd_OK{*this, "Cmd_OK"};
    // The valley plan: its outline (dotted ridges and edges), the valley beam and the rafters.
    platform::ControlArray<platform::Line> ValleyEdge{*this, "ValleyEdge", 0, 3};
    platform::Line ValleyBeam{*this, "ValleyBeam"};
    platform::ControlArray<platform::Line> ValleyRafter{*this, "ValleyRafter", 0, 5};
    // The hip plan: hip ridge, eave line, dotted ridge and edges, rafters, walls.
    platform::Line HipRidge{*this, "HipRidge"};
    platform::Line HipEave{*this, "HipEave"};
    platform::ControlArray<platform::Line> HipEdge{*this, "HipEdge", 0, 1};
    platform::ControlArray<platform::Line> HipRafter{*this, "HipRafter", 0, 5};
    platform::ControlArray<platform::Shape> Wall{*this, "Wall", 0, 4};
    // Leader lines from the captions to their parts, each with a thick tick where it meets the part:
    // the non-supported ridge, the supported ridge, the valley beam, R2, the rafters, the wall and
    // the hip ridge.
    platform::ControlArray<platform::Line> Leader{*this, "Leader", 0, 6};
    platform::ControlArray<platform::Line> LeaderTick{*this, "LeaderTick", 0, 6};

  private:
    void design() override; // Form16Design.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void Cmd_OK_Click();

    app::Program& m_program;
};

} // namespace report
