// Form1's entry box keys and focus: Insert pastes the calculator's result, the load boxes refuse the
// comma, and entering a box selects its whole text so that typing replaces it.
#include "app/Form1.h"
#include "app/Form25.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <string>

namespace app
{

namespace
{

constexpr std::int16_t InsertKey = 45;
// A box with a limit takes no calculator result at or above it; a distance takes any result, which
// its change rule then judges.
constexpr double NoLimit = 0;
constexpr double LoadLimit = 999999;
constexpr double PointLoadLimit = 9999999;

// Insert works whatever the state of Shift, Ctrl and Alt, and the key itself goes on as usual.
void pasteCalculatorResult(std::int16_t keyCode, platform::TextBox& box, double limit, Program& program)
{
    if (keyCode != InsertKey) {
        return;
    }
    // Reading the result loads the calculator, hidden, when it was never opened: the result is empty.
    const std::string result = program.form25.CalT.text();
    bool tooLarge = false;
    if (limit != NoLimit) {
        // A value beyond the range of a double is too large as well.
        platform::leaveOnError([&] { tooLarge = platform::num::leadingNumber(result) >= limit; },
                               [&](const platform::RuntimeError&) { tooLarge = true; });
    }
    if (tooLarge) {
        program.runtime.msgBox("Number is too large to insert", platform::Buttons::OK,
                               platform::Icon::Exclamation, "Korvanta");
        return;
    }
    box.setText(result);
}

} // namespace

void Form1::UNIF_KeyDown(std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, UNIF, LoadLimit, m_program);
}
void Form1::LUNIF_KeyDown(std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, LUNIF, LoadLimit, m_program);
}
void Form1::PT_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, PT(index), PointLoadLimit, m_program);
}
void Form1::LPT_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, LPT(index), PointLoadLimit, m_program);
}
void Form1::PAR_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, PAR(index), LoadLimit, m_program);
}
void Form1::LPAR_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, LPAR(index), LoadLimit, m_program);
}
void Form1::DIS_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, DIS(index), NoLimit, m_program);
}
void Form1::BEGP_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, BEGP(index), NoLimit, m_program);
}
void Form1::ENDP_KeyDown(int index, std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, ENDP(index), NoLimit, m_program);
}
void Form1::IncTL_KeyDown(std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, IncTL, LoadLimit, m_program);
}
void Form1::IncLL_KeyDown(std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, IncLL, LoadLimit, m_program);
}
void Form1::IncUnifTL_KeyDown(std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, IncUnifTL, LoadLimit, m_program);
}
void Form1::IncUnifLL_KeyDown(std::int16_t& keyCode, int /*shift*/)
{
    pasteCalculatorResult(keyCode, IncUnifLL, LoadLimit, m_program);
}

// Thousands separators would be read as the end of the number, so the load boxes refuse the comma.
void Form1::refuseComma(std::int16_t& keyAscii)
{
    if (keyAscii == ',') {
        keyAscii = 0;
        m_program.runtime.msgBox("Please do not enter comma separators.", platform::Buttons::OK,
                                 platform::Icon::Exclamation, "Korvanta");
    }
}

void Form1::UNIF_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::LUNIF_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::PT_KeyPress(int /*index*/, std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::LPT_KeyPress(int /*index*/, std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::PAR_KeyPress(int /*index*/, std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::LPAR_KeyPress(int /*index*/, std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::IncTL_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::IncLL_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::IncUnifTL_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::IncUnifLL_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::PSF_KeyPress(int /*index*/, std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::LPSF_KeyPress(int /*index*/, std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::Text1_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}
void Form1::Text2_KeyPress(std::int16_t& keyAscii)
{
    refuseComma(keyAscii);
}

void Form1::UNIF_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::LUNIF_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::PT_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::LPT_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::PAR_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::LPAR_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::DIS_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::BEGP_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::ENDP_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::Span_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::UBLtext_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::CantUBLtext_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::MaxDefl_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::LMaxDefl_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::IncTL_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::IncLL_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::IncUnifTL_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::IncUnifLL_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::PSF_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::LPSF_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::TribPSF_GotFocus(int /*index*/)
{
    SelectFieldText(m_program);
}
void Form1::Text1_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::Text2_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::Tribute_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::Trib1_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::Trib2_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::Proj_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::Descrip_GotFocus()
{
    SelectFieldText(m_program);
}
void Form1::ID_GotFocus()
{
    SelectFieldText(m_program);
}

} // namespace app
