// Form1's entry box rules: the change rules of each box, Insert pasting the calculator's result,
// the refused comma and the selection of a box's text when it gets the focus.
#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"

namespace app
{

void Form1::UNIF_Change() {}
void Form1::LUNIF_Change() {}
void Form1::PT_Change(int /*index*/) {}
void Form1::LPT_Change(int /*index*/) {}
void Form1::PAR_Change(int /*index*/) {}
void Form1::LPAR_Change(int /*index*/) {}
void Form1::DIS_Change(int /*index*/) {}
void Form1::BEGP_Change(int /*index*/) {}
void Form1::ENDP_Change(int /*index*/) {}
void Form1::Span_Change() {}
void Form1::UBLtext_Change() {}
void Form1::CantUBLtext_Change() {}
void Form1::MaxDefl_Change() {}
void Form1::LMaxDefl_Change() {}
void Form1::IncTL_Change() {}
void Form1::IncLL_Change() {}
void Form1::IncUnifTL_Change() {}
void Form1::IncUnifLL_Change() {}
void Form1::PSF_Change(int /*index*/) {}
void Form1::LPSF_Change(int /*index*/) {}
void Form1::TribPSF_Change(int /*index*/) {}
void Form1::Text1_Change() {}
void Form1::Text2_Change() {}
void Form1::Tribute_Change() {}
void Form1::Trib1_Change() {}
void Form1::Trib2_Change() {}

void Form1::UNIF_KeyDown(std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::LUNIF_KeyDown(std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::PT_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::LPT_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::PAR_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::LPAR_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::DIS_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::BEGP_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::ENDP_KeyDown(int /*index*/, std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::IncTL_KeyDown(std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::IncLL_KeyDown(std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::IncUnifTL_KeyDown(std::int16_t& /*keyCode*/, int /*shift*/) {}
void Form1::IncUnifLL_KeyDown(std::int16_t& /*keyCode*/, int /*shift*/) {}

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
