// Form25's load, activation, operation panels, result and Close. The operation chosen lives in the
// program's state, so that it outlives the form.
#include "app/Form25.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <cmath>
#include <string>

namespace app
{

namespace
{
constexpr const char* Title = "Korvanta";
constexpr int BevelChosen = 1;  // inset
constexpr int BevelOther = 2;   // raised
constexpr int LetterRaised = 1; // raised lettering, light shading
constexpr int LetterInset = 3;  // inset lettering, light shading
constexpr std::int16_t CommaKey = 44;
} // namespace

Form25::Form25(Program& program) : Form(program.runtime, "Form25"), m_program(program) {}

// Every load starts with multiplication, the operation the load boxes need most.
void Form25::Form_Load()
{
    CenterForm(m_program, *this);
    SharedState& s = m_program.state;
    s.CalTimesOn = -1;
    s.CalDivOn = 0;
    s.CalPlusOn = 0;
    s.CalMinusOn = 0;
    showChosenOperation();
}

void Form25::Form_Activate()
{
    CenterForm(m_program, *this);
}

// Only hidden: the last result stays for the Insert key of the criteria form.
void Form25::Command1_Click()
{
    hide();
}

void Form25::choose(std::int16_t& chosen)
{
    SharedState& s = m_program.state;
    for (std::int16_t* flag : {&s.CalTimesOn, &s.CalDivOn, &s.CalPlusOn, &s.CalMinusOn}) {
        *flag = flag == &chosen ? -1 : 0;
    }
    showChosenOperation();
    CalculatorTotal();
}

void Form25::showChosenOperation()
{
    const SharedState& s = m_program.state;
    const auto look = [](platform::Panel& panel, std::int16_t flag) {
        panel.setBevelOuter(flag == -1 ? BevelChosen : BevelOther);
        panel.setFont3D(flag == -1 ? LetterRaised : LetterInset);
    };
    look(CalX, s.CalTimesOn);
    look(CalDiv, s.CalDivOn);
    look(CalPlus, s.CalPlusOn);
    look(CalMinus, s.CalMinusOn);
}

// Pasted loads must not carry thousands separators, so the comma never reaches the boxes.
void Form25::refuseComma(std::int16_t& keyAscii)
{
    if (keyAscii != CommaKey) {
        return;
    }
    keyAscii = 0;
    m_program.runtime.msgBox("Please do not enter comma separators.", platform::Buttons::OK,
                             platform::Icon::Exclamation, Title);
}

// An operand is a number above zero. A refused one stays as typed, with the focus in its box.
bool Form25::checkOperand(platform::TextBox& box)
{
    const std::string text = box.text();
    if (platform::num::isNumberText(text) && platform::num::leadingNumber(text) > 0) {
        return true;
    }
    m_program.runtime.beep();
    m_program.runtime.msgBox("Please enter a numeric value to calculate.", platform::Buttons::OK,
                             platform::Icon::None, Title);
    if (box.canFocus()) {
        box.setFocus();
    }
    return false;
}

void Form25::CalculatorTotal()
{
    platform::leaveOnError(
        [&] {
            if (Cal1.text().empty() || Cal2.text().empty()) {
                return;
            }
            if (!checkOperand(Cal1) || !checkOperand(Cal2)) {
                return;
            }
            const double a = platform::num::leadingNumber(Cal1.text());
            const double b = platform::num::leadingNumber(Cal2.text());
            const SharedState& s = m_program.state;
            double r = 0;
            if (s.CalTimesOn == -1) {
                r = platform::num::finite(a * b);
            } else if (s.CalDivOn == -1) {
                r = platform::num::div(a, b);
            } else if (s.CalPlusOn == -1) {
                r = platform::num::finite(a + b);
            } else if (s.CalMinusOn == -1) {
                r = platform::num::finite(a - b);
            }
            // Fifteen digits first, so that 4.35 x 100 (434.99999999999994 in binary) reads 435.
            const std::string text = platform::num::numberText(r);
            const double v = platform::num::toDouble(text);
            CalT.setText(platform::num::format(v, std::trunc(v) == v ? "#0" : "#0.0##"));
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox("Error calculating calculator total.", platform::Buttons::OK,
                                     platform::Icon::None, Title);
        });
}

} // namespace app
