// StdSizesForm, the standard member sizes picker: nominal sizes chosen from lists, their net or decimal
// equivalents inserted into the notch form's breadth and depth boxes.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

namespace app
{
class Program;
}

namespace notch
{

class StdSizesForm final : public platform::Form
{
  public:
    explicit StdSizesForm(app::Program& program);

    platform::Frame SSFrame{*this, "SSFrame"};
    platform::Label SSBreadthTitle{*this, "SSBreadthTitle"};
    platform::Label SSDepthTitle{*this, "SSDepthTitle"};
    platform::Label SSNominalTitle{*this, "SSNominalTitle"};
    platform::ComboBox BreadthSSList{*this, "BreadthSSList"};
    platform::Label SSXLabel{*this, "SSXLabel"};
    platform::ComboBox DepthSSList{*this, "DepthSSList"};
    platform::Label SSNetTitle{*this, "SSNetTitle"};
    platform::Label NetBreadthLabel{*this, "NetBreadthLabel"};
    platform::Label NetDepthLabel{*this, "NetDepthLabel"};
    platform::CommandButton Command1{*this, "Command1"};
    platform::CommandButton Command2{*this, "Command2"};

    platform::Frame GLBFrame{*this, "GLBFrame"};
    platform::OptionButton WesternGLBOption{*this, "WesternGLBOption"};
    platform::OptionButton SoPineGLBOption{*this, "SoPineGLBOption"};
    platform::Label GLBBreadthTitle{*this, "GLBBreadthTitle"};
    platform::Label GLBDepthTitle{*this, "GLBDepthTitle"};
    platform::Label GLBNominalTitle{*this, "GLBNominalTitle"};
    platform::ComboBox BreadthGLBList{*this, "BreadthGLBList"};
    platform::Label GLBXLabel{*this, "GLBXLabel"};
    platform::ComboBox DepthGLBList{*this, "DepthGLBList"};
    platform::Label GLBNetTitle{*this, "GLBNetTitle"};
    platform::Label NetGLBBreadth{*this, "NetGLBBreadth"};
    platform::Label NetGLBDepth{*this, "NetGLBDepth"};
    platform::CommandButton Command3{*this, "Command3"};
    platform::CommandButton Command4{*this, "Command4"};

    platform::Label InsertNote{*this, "InsertNote"};

  private:
    void design() override; // StdSizesFormDesign.cpp
    void onLoad() override { Form_Load(); }

    void Form_Load();
    void BreadthSSList_Click();
    void DepthSSList_Click();
    void BreadthGLBList_Click();
    void DepthGLBList_Click();
    void WesternGLBOption_Click();
    void SoPineGLBOption_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void fillGluLamLists();
    void insertSizes(const std::string& breadth, const std::string& depth);

    app::Program& m_program;
};

} // namespace notch
