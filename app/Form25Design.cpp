// How Form25 looks and which handler each event calls; no logic here.
#include "app/DesignHelpers.h"
#include "app/Form25.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"

namespace app
{

using namespace design;

void Form25::design()
{
    setCaption("KV Calculator");
    setClientSize(3060, 3735);
    setBorderStyle(platform::BorderStyle::Sizable);

    place(CalX, nullptr, 495, 570, 375, 360);
    CalX.setCaption("X");
    CalX.setToolTipText("Multiply");
    CalX.setFont(platform::FontSpec{"MS Sans Serif", 13.5, true});
    place(CalDiv, nullptr, 885, 570, 345, 360);
    CalDiv.setCaption("/");
    CalDiv.setToolTipText("Divide");
    CalDiv.setFont(platform::FontSpec{"Courier New", 10.5, true});
    place(CalPlus, nullptr, 495, 975, 360, 360);
    CalPlus.setCaption("+");
    CalPlus.setToolTipText("Add");
    CalPlus.setFont(platform::FontSpec{"Courier New", 24, true});
    place(CalMinus, nullptr, 885, 975, 375, 360);
    CalMinus.setCaption("-");
    CalMinus.setToolTipText("Minus");
    CalMinus.setFont(platform::FontSpec{"Courier New", 24, true});

    place(Cal1, nullptr, 1425, 600, 1128, 300);
    Cal1.setMaxLength(10);
    Cal1.setAlignment(platform::Alignment::Center);
    Cal1.setTabIndex(0);
    place(Cal2, nullptr, 1425, 1005, 1128, 300);
    Cal2.setMaxLength(10);
    Cal2.setAlignment(platform::Alignment::Center);
    Cal2.setTabIndex(1);
    place(CalT, nullptr, 450, 1560, 2136, 288);
    CalT.setAlignment(platform::Alignment::Center);
    CalT.setBackColor(platform::rgb(224, 224, 224));
    CalT.setToolTipText("Result");
    CalT.setTabIndex(2);

    place(Command1, nullptr, 1020, 2280, 1104, 312);
    Command1.setCaption("Close");
    Command1.setDefault(true);
    Command1.setTabIndex(3);
    label(Label1, nullptr, 420, 2640, 2265, 585,
          "The Insert key on your keyboard will enter this result into any load entry boxes.");
    Label1.setWordWrap(true);

    Command1.click([this] { Command1_Click(); });
    CalX.click([this] { choose(m_program.state.CalTimesOn); });
    CalDiv.click([this] { choose(m_program.state.CalDivOn); });
    CalPlus.click([this] { choose(m_program.state.CalPlusOn); });
    CalMinus.click([this] { choose(m_program.state.CalMinusOn); });
    Cal1.change([this] { CalculatorTotal(); });
    Cal2.change([this] { CalculatorTotal(); });
    Cal1.gotFocus([this] { SelectFieldText(m_program); });
    Cal2.gotFocus([this] { SelectFieldText(m_program); });
    for (platform::TextBox* box : {&Cal1, &Cal2, &CalT}) {
        box->keyPress([this](std::int16_t& keyAscii) { refuseComma(keyAscii); });
    }
}

} // namespace app
