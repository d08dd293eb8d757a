// Form1's load case layouts: simple span, overhang, multiple spans, hips and valleys. Choosing a case
// re-lays the load entry frames and clears every load; no variable holds the case, the readers test
// the option buttons.
#include "app/ClearSelection.h"
#include "app/DesignHelpers.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "report/Form9.h"

namespace app
{

namespace
{
// UBLtext moves left to make room for the overhang's own unbraced length box.
constexpr double UnbracedLeftAlone = 5280;
constexpr double UnbracedLeftBesideOverhang = 5040;

constexpr std::uint32_t OverhangTotalColour = design::Navy;
constexpr std::uint32_t OverhangLiveColour = platform::rgb(0, 0, 192); // blue

enum class UnbracedEntry
{
    BackspanOnly, // the span box alone, empty and open
    WithOverhang, // both boxes, empty and open
    FullyBraced   // both "0", the span box disabled
};

void resetUnbalanceCaptions(Form1& f)
{
    f.UBSpan.setCaption("Unbalance Span");
    f.UBOH.setCaption("Unbalance OH");
}

void setUnbracedEntry(Form1& f, UnbracedEntry entry)
{
    f.UBLtext.setLeft(entry == UnbracedEntry::WithOverhang ? UnbracedLeftBesideOverhang : UnbracedLeftAlone);
    if (entry == UnbracedEntry::FullyBraced) {
        f.UBLtext.setText("0");
        f.UBLtext.setEnabled(false);
        f.CantUBLtext.setVisible(false);
        f.CantUBLtext.setText("0");
        f.UBLlabel.setCaption("Assumed fully braced");
        return;
    }
    f.UBLtext.setText("");
    f.UBLtext.setEnabled(true);
    f.UBLtext.setVisible(true);
    f.CantUBLtext.setVisible(entry == UnbracedEntry::WithOverhang);
    if (entry == UnbracedEntry::WithOverhang) {
        f.CantUBLtext.setEnabled(true);
    }
    f.CantUBLtext.setText("");
    f.UBLlabel.setCaption("Unbraced length in ft");
}

// The boxes of loads F, G, K and L, measured from R2 on an overhanging beam, are painted blue there
// so that the user enters overhang loads only in them.
void paintOverhangBoxes(Form1& f, bool overhang)
{
    const std::uint32_t totalColour = overhang ? OverhangTotalColour : design::White;
    const std::uint32_t liveColour = overhang ? OverhangLiveColour : design::LightYellow;
    const std::uint32_t textColour = overhang ? design::White : design::Black;
    const auto paint = [&](platform::TextBox& box, std::uint32_t back) {
        box.setBackColor(back);
        box.setForeColor(textColour);
    };
    for (int i : {4, 5}) {
        paint(f.PT(i), totalColour);
        paint(f.DIS(i), totalColour);
        paint(f.LPT(i), liveColour);
    }
    for (int i : {3, 4}) {
        paint(f.PAR(i), totalColour);
        paint(f.BEGP(i), totalColour);
        paint(f.ENDP(i), totalColour);
        paint(f.LPAR(i), liveColour);
    }
}

void showLoadFrames(Form1& f)
{
    f.Frame3D3.setVisible(true);
    f.Frame3D3.setEnabled(true);
    f.Frame3D4.setVisible(true);
    f.Frame3D4.setEnabled(true);
    f.Frame3D5.setEnabled(true);
    f.IncFrame.setVisible(false);
}

// Uniform, point and partial loads and the hip and valley entries; the tributary calculator row and
// the span are the user's to keep.
void clearLoads(Form1& f)
{
    for (platform::TextBox* box :
         {&f.UNIF, &f.LUNIF, &f.IncTL, &f.IncLL, &f.IncUnifTL, &f.IncUnifLL, &f.Trib1, &f.Trib2}) {
        box->setText("");
    }
    for (int i = 0; i <= 5; ++i) {
        f.PT(i).setText("");
        f.LPT(i).setText("");
        f.DIS(i).setText("");
    }
    for (int i = 0; i <= 4; ++i) {
        f.PAR(i).setText("");
        f.LPAR(i).setText("");
        f.BEGP(i).setText("");
        f.ENDP(i).setText("");
    }
}

void clearPsfRows(Form1& f)
{
    for (int i = 0; i <= 4; ++i) {
        f.PSF(i).setText("");
        f.LPSF(i).setText("");
        f.TribPSF(i).setText("");
    }
}

// Clearing the boxes runs their entry rules, which switch "OK Calculate" and the transfer button's
// colour; these settings come last and decide the final state.
void finishLayout(Form1& f, bool calculateEnabled)
{
    f.CmdOK.setEnabled(calculateEnabled);
    f.Command3D25.setForeColor(design::Black);
}

enum class SpanCount
{
    Two,
    Three
};

void showSpanPicture(Form1& f, SpanCount spans)
{
    const bool two = spans == SpanCount::Two;
    for (platform::Control* c :
         std::initializer_list<platform::Control*>{&f.Line40, &f.Line41, &f.Line42, &f.Label59}) {
        c->setVisible(two);
    }
    for (platform::Control* c : std::initializer_list<platform::Control*>{
             &f.Line34, &f.Line35, &f.Line36, &f.Line37, &f.Line38, &f.Line39, &f.Label55, &f.Label57}) {
        c->setVisible(!two);
    }
    f.Label54.setCaption(two ? "R3" : "R4");
    f.Label58.setCaption(two ? "Note: R1 = R3" : "Note: R1 = R4 and R2 = R3");
}
} // namespace

void Form1::SimpleSpanbutton_Click()
{
    resetUnbalanceCaptions(*this);
    PLFspin.setCaption("PLF");
    if (SimpleSpanbutton.value()) {
        UBSpan.setVisible(false);
        UBOH.setVisible(false);
        setUnbracedEntry(*this, UnbracedEntry::BackspanOnly);
        Rep.setEnabled(true);
        paintOverhangBoxes(*this, false);
        showLoadFrames(*this);
        FramePSF.setVisible(false);
        clearLoads(*this);
        clearPsfRows(*this);
    }
    MultiFrame.setVisible(false);
    finishLayout(*this, true);
    Combo1_Click();
}

void Form1::OHbutton_Click()
{
    resetUnbalanceCaptions(*this);
    PLFspin.setCaption("PLF");
    for (platform::CommandButton* button : {&UBSpan, &UBOH}) {
        button->setForeColor(platform::SystemWindowText);
        button->setEnabled(true);
    }
    if (OHbutton.value()) {
        UBSpan.setVisible(true);
        UBOH.setVisible(true);
        setUnbracedEntry(*this, UnbracedEntry::WithOverhang);
        Rep.setEnabled(true);
        paintOverhangBoxes(*this, true);
        showLoadFrames(*this);
        clearLoads(*this);
    }
    FramePSF.setVisible(false);
    clearPsfRows(*this);
    MultiFrame.setVisible(false);
    finishLayout(*this, true);
    Combo1_Click();
}

// A continuous beam carries the uniform load only: the point and partial load frames stay visible but
// disabled under the multi-span frame.
void Form1::Multibutton_Click()
{
    resetUnbalanceCaptions(*this);
    PLFspin.setCaption("PLF");
    if (Multibutton.value()) {
        UBSpan.setVisible(false);
        UBOH.setVisible(false);
        setUnbracedEntry(*this, UnbracedEntry::FullyBraced);
        Rep.setEnabled(true);
        paintOverhangBoxes(*this, false);
        showLoadFrames(*this);
        clearLoads(*this);
    }
    Frame3D3.setEnabled(false);
    Frame3D4.setEnabled(false);
    MultiFrame.setVisible(true);
    FramePSF.setVisible(false);
    clearPsfRows(*this);
    finishLayout(*this, true);
    // Selecting an already selected option raises nothing, so the picture is set here as well.
    TwoSpan.setValue(true);
    showSpanPicture(*this, SpanCount::Two);
    Combo1_Click();
}

// "OK Calculate" stays off until the hip and valley calculator has written the equivalent loads.
void Form1::IncButton_Click()
{
    resetUnbalanceCaptions(*this);
    PLFspin.setCaption("ETL");
    UBSpan.setVisible(false);
    UBOH.setVisible(false);
    setUnbracedEntry(*this, UnbracedEntry::BackspanOnly);
    Rep.setValue(0);
    Rep.setEnabled(false);
    paintOverhangBoxes(*this, false);
    Frame3D3.setVisible(false);
    Frame3D4.setVisible(false);
    FramePSF.setVisible(false);
    IncFrame.setVisible(true);
    clearLoads(*this);
    clearPsfRows(*this);
    for (platform::TextBox* box : {&Tribute, &Text1, &Text2, &Span}) {
        box->setText("");
    }
    Frame3D5.setEnabled(false);
    finishLayout(*this, false);
    CalctheSpan.setValue(-1);
    Areas(0).setValue(-1);
    Areas(1).setValue(-1);
    Areas(2).setValue(0);
    Areas(3).setValue(0);
    // The option can be set by code while the form is hidden; the focus then waits for the user.
    if (Trib1.canFocus()) {
        Trib1.setFocus();
    }
    MultiFrame.setVisible(false);
    Combo1_Click();
}

void Form1::TwoSpan_Click()
{
    if (m_program.state.ChangeGuard == 0) {
        ClearSelection(m_program);
    }
    showSpanPicture(*this, SpanCount::Two);
}

void Form1::ThreeSpan_Click()
{
    if (m_program.state.ChangeGuard == 0) {
        ClearSelection(m_program);
    }
    showSpanPicture(*this, SpanCount::Three);
}

void Form1::CancelMultiSpan_Click()
{
    SimpleSpanbutton.setValue(true);
}

void Form1::SimpleSpanbutton_DblClick()
{
    m_program.form9.show();
}

void Form1::OHbutton_DblClick()
{
    m_program.form9.show();
}

} // namespace app
