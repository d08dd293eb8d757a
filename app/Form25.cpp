// Form25's load, activation and Close. The operation chosen lives in the program's state, so that it
// outlives the form.
#include "app/Form25.h"

#include "app/FormHelpers.h"
#include "app/Program.h"

namespace app
{

namespace
{
constexpr int BevelChosen = 1; // inset
constexpr int BevelOther = 2;  // raised
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

void Form25::showChosenOperation()
{
    const SharedState& s = m_program.state;
    CalX.setBevelOuter(s.CalTimesOn == -1 ? BevelChosen : BevelOther);
    CalDiv.setBevelOuter(s.CalDivOn == -1 ? BevelChosen : BevelOther);
    CalPlus.setBevelOuter(s.CalPlusOn == -1 ? BevelChosen : BevelOther);
    CalMinus.setBevelOuter(s.CalMinusOn == -1 ? BevelChosen : BevelOther);
}

} // namespace app
