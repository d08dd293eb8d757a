// Form25, the small two-operand calculator. Closing it only hides it, so that the criteria form's load
// boxes can paste its last result (CalT) with the Insert key.
#pragma once

#include "platform/forms/Control.h"
#include "platform/forms/Form.h"

#include <cstdint>

namespace app
{

class Program;

class Form25 final : public platform::Form
{
  public:
    explicit Form25(Program& program);

    platform::Panel CalX{*this, "CalX"};
    platform::Panel CalDiv{*this, "CalDiv"};
    platform::Panel CalPlus{*this, "CalPlus"};
    platform::Panel CalMinus{*this, "CalMinus"};
    platform::TextBox Cal1{*this, "Cal1"};
    platform::TextBox Cal2{*this, "Cal2"};
    platform::TextBox CalT{*this, "CalT"}; // the result; empty until the calculator has computed one
    platform::CommandButton Command1{*this, "Command1"};
    platform::Label Label1{*this, "Label1"};

  private:
    void design() override; // Form25Design.cpp
    void onLoad() override { Form_Load(); }
    void onActivate() override { Form_Activate(); }

    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void showChosenOperation();
    void choose(std::int16_t& chosen);
    void refuseComma(std::int16_t& keyAscii);
    bool checkOperand(platform::TextBox& box);

  public:
    // Writes the result of the two operands and the chosen operation into CalT.
    void CalculatorTotal();

  private:
    Program& m_program;
};

} // namespace app
