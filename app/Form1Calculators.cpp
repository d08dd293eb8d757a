// Form1's load calculators (the preset buttons, the tributary calculator and the partial-load psf
// calculator) and load clearing by letter click and frame double click. The hip and valley calculator
// is in Form1HipsAndValleys.cpp. Every box written here runs its entry rule at once, which may switch
// "OK Calculate" and colour the transfer button; the settings at the end of each handler come after
// those and decide the final state.
#include "app/ClearSelection.h"
#include "app/Form1.h"
#include "app/Form13.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"

#include <array>
#include <initializer_list>
#include <string>

namespace app
{

namespace
{
constexpr const char* Title = "Korvanta";
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);

constexpr const char* PresetHint =
    "You may enter and save COMMONLY USED UNIFORM LOADS that will appear when you click this button.  To "
    "record your loads, go to OPTIONS on the menu bar, select SET DEFAULTS, and enter up to five pairs of "
    "live and total loads.\r\rAn example for common floor loads might be 40 pounds live load and 50 pounds "
    "total load.\rBy repeatedly clicking the 'PSF' or 'PLF' buttons next to the uniform loads, you may "
    "cycle through the loads you have entered.";

double valueOf(platform::TextBox& box)
{
    return platform::num::leadingNumber(box.text());
}

// A computed load goes into its box as the plain text of the double result.
std::string loadText(double value)
{
    return platform::num::numberText(platform::num::finite(value));
}

void empty(std::initializer_list<platform::TextBox*> boxes)
{
    for (platform::TextBox* box : boxes) {
        box->setText("");
    }
}

// A refusal puts the focus into the box it names when the user can reach that box.
void focusIfPossible(platform::Control& control)
{
    if (control.canFocus()) {
        control.setFocus();
    }
}

// A default load pair of the settings form, as the texts its boxes show.
struct LoadPair
{
    std::string live;
    std::string total;
};
using LoadPairs = std::array<LoadPair, DefaultLoadPairCount>;

LoadPairs defaultLoadPairs(Form13& settings)
{
    LoadPairs pairs;
    for (int i = 0; i < static_cast<int>(pairs.size()); ++i) {
        pairs[static_cast<std::size_t>(i)] = {settings.Livedefault(i).text(),
                                              settings.TotalLoadDefault(i).text()};
    }
    return pairs;
}

// Steps a live and a total box to the pair after the one they show. Texts are compared exactly; a typed
// value that is no preset stays. A pair never set reads "0", which the entry rules empty, so the cycle
// starts again after the last pair that is set.
void stepPreset(const LoadPairs& pairs, platform::TextBox& live, platform::TextBox& total)
{
    const std::string a = live.text();
    const std::string b = total.text();
    const auto show = [&](const LoadPair& pair) {
        live.setText(pair.live);
        total.setText(pair.total);
    };
    const auto shows = [&](const LoadPair& pair) {
        return (a == pair.live && b.empty()) || (b == pair.total && a.empty()) ||
               (a == pair.live && b == pair.total);
    };
    if ((a.empty() && b.empty()) || (a == "0" && b == "0")) {
        show(pairs[0]);
        return;
    }
    for (std::size_t i = 0; i + 1 < pairs.size(); ++i) {
        if (shows(pairs[i])) {
            show(pairs[i + 1]);
            return;
        }
    }
    if (shows(pairs.back())) {
        empty({&live, &total});
    }
}

bool noPairSet(const LoadPairs& pairs)
{
    const auto unset = [](const std::string& text) { return text.empty() || text == "0"; };
    // The hint has always looked at the first four pairs only.
    for (std::size_t i = 0; i < 4; ++i) {
        if (!unset(pairs[i].live) || !unset(pairs[i].total)) {
            return false;
        }
    }
    return true;
}
} // namespace

// "PSF": the tributary calculator's area loads.
void Form1::Command1_Click()
{
    stepPreset(defaultLoadPairs(m_program.form13), Text1, Text2);
}

// "PLF": the uniform load itself.
void Form1::PLFspin_Click()
{
    const LoadPairs pairs = defaultLoadPairs(m_program.form13);
    stepPreset(pairs, LUNIF, UNIF);
    if (noPairSet(pairs)) {
        m_program.runtime.msgBox(PresetHint, platform::Buttons::OK, platform::Icon::Information, Title);
    }
}

// "Multiply and Insert" of the tributary calculator: psf x tributary width into the uniform load.
void Form1::Command3D25_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    const auto refuse = [&](const char* text, platform::TextBox& box) {
        runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, Title);
        focusIfPossible(box);
    };
    if (valueOf(Tribute) <= 0) {
        refuse(" Please enter a tributary length in feet.", Tribute);
        return;
    }
    if (valueOf(Text2) <= 0) {
        refuse(" Please enter a total load (LL+DL) in PSF.", Text2);
        return;
    }
    if (valueOf(Text2) < valueOf(Text1)) {
        refuse("Your Live Load entry is greater than your total load (LL+DL) entry.  Please adjust as "
               "necessary.",
               Text2);
        return;
    }
    const double widthFt = valueOf(Tribute);
    // An empty live psf gives 0, which the entry rule of LUNIF empties.
    LUNIF.setText(loadText(valueOf(Text1) * widthFt));
    UNIF.setText(loadText(valueOf(Text2) * widthFt));
    CmdOK.setEnabled(true);
    Command3D25.setForeColor(Black);
}

// "Clear" of the tributary calculator.
void Form1::ClearTribButton_Click()
{
    empty({&Text1, &Text2, &Tribute});
    CmdOK.setEnabled(true);
    Command3D25.setForeColor(Black);
}

// "Calc using PSF": shows or hides the partial-load psf calculator.
void Form1::Command3D23_Click()
{
    FramePSF.setVisible(!FramePSF.visible());
    CmdOK.setEnabled(true);
}

// "Multiply and Insert" of the partial-load psf calculator. A row without a tributary width, and a psf
// box without a load, leave their partial load as it is.
void Form1::Command3D21_Click()
{
    for (int i = 0; i <= 4; ++i) {
        const double widthFt = valueOf(TribPSF(i));
        if (widthFt <= 0) {
            continue;
        }
        if (valueOf(PSF(i)) > 0) {
            PAR(i).setText(loadText(valueOf(PSF(i)) * widthFt));
        }
        if (valueOf(LPSF(i)) > 0) {
            LPAR(i).setText(loadText(valueOf(LPSF(i)) * widthFt));
        }
    }
    FramePSF.setVisible(false);
    CmdOK.setEnabled(true);
}

// "Clear" of the partial-load psf calculator: each box gets "0", which its entry rule empties.
void Form1::Command3D22_Click()
{
    FramePSF.setVisible(false);
    for (int i = 0; i <= 4; ++i) {
        TribPSF(i).setText("0");
        PSF(i).setText("0");
        LPSF(i).setText("0");
    }
    CmdOK.setEnabled(true);
}

// --- Load clearing ---

void Form1::Frame3D3_DblClick()
{
    for (int i = 0; i <= 5; ++i) {
        empty({&LPT(i), &PT(i), &DIS(i)});
    }
    CmdOK.setEnabled(true);
}

void Form1::Frame3D4_DblClick()
{
    for (int i = 0; i <= 4; ++i) {
        empty({&LPAR(i), &PAR(i), &BEGP(i), &ENDP(i), &LPSF(i), &PSF(i), &TribPSF(i)});
    }
    CmdOK.setEnabled(true);
}

void Form1::Frame3D5_DblClick()
{
    empty({&LUNIF, &UNIF, &Text1, &Text2, &Tribute});
    CmdOK.setEnabled(true);
    Command3D25.setForeColor(Black);
}

// Clearing the psf rows leaves "OK Calculate" as their entry rules leave it.
void Form1::FramePSF_DblClick()
{
    for (int i = 0; i <= 4; ++i) {
        empty({&LPSF(i), &PSF(i), &TribPSF(i)});
    }
}

// The letter "A" of the uniform load.
void Form1::Label35_Click()
{
    empty({&LUNIF, &UNIF, &Text1, &Text2, &Tribute});
}

// The letter "A" of the tributary calculator.
void Form1::Label36_Click()
{
    empty({&Text1, &Text2, &Tribute});
}

// The letters "B".."G" of the point loads.
void Form1::Labl20_Click(int index)
{
    empty({&LPT(index), &PT(index), &DIS(index)});
    CmdOK.setEnabled(true);
}

// The letters "H".."L" of the partial loads, indices 6..10.
void Form1::Labl21_Click(int index)
{
    const int row = index - 6;
    empty({&LPAR(row), &PAR(row), &BEGP(row), &ENDP(row)});
    CmdOK.setEnabled(true);
}

void Form1::Labl20_Change(int /*index*/)
{
    if (m_program.state.ChangeGuard == 0) {
        ClearSelection(m_program);
    }
}

void Form1::Labl21_Change(int /*index*/)
{
    if (m_program.state.ChangeGuard == 0) {
        ClearSelection(m_program);
    }
}

} // namespace app
