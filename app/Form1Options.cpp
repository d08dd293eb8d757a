// Form1's design options and the handlers that keep the dependent controls consistent. Every change of a
// choice that the calculation reads invalidates the selection, unless the program itself is filling the form
// (ChangeGuard).
#include "app/ClearSelection.h"
#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"

#include <array>
#include <cmath>
#include <string>
#include <utility>

namespace app
{

namespace
{

constexpr const char* Title = "Korvanta";

void clearSelectionUnlessGuarded(Program& program)
{
    if (program.state.ChangeGuard == 0) {
        ClearSelection(program);
    }
}

// The duration of load factors the button steps through; any other text starts the cycle again.
constexpr std::array<std::pair<const char*, const char*>, 4> DurationCycle = {
    {{"1.00", "1.15"}, {"1.15", "1.25"}, {"1.25", "0.90"}, {"0.90", "1.00"}}};

struct DeflectionLimits
{
    const char* live;
    const char* total;
};

// Live and total load limits (the x of L/x) of each step of the deflection limit button.
constexpr std::array<DeflectionLimits, 5> DeflectionLimitCycle = {
    {{"", "240"}, {"360", "240"}, {"480", "240"}, {"240", "180"}, {"", "360"}}};

} // namespace

// Repetitive members are spaced rafters or joists: the spacing multiplies the loads, and their self
// weight is usually left out.
void Form1::Rep_Click()
{
    clearSelectionUnlessGuarded(m_program);
    const std::initializer_list<platform::OptionButton*> spacings = {&Ctr0, &Ctr12, &Ctr16, &Ctr19, &ctr24};
    if (Rep.checked()) {
        Ctr0.setValue(true);
        for (platform::OptionButton* spacing : spacings) {
            spacing->setEnabled(true);
        }
        NoWeight.setValue(-1);
    } else {
        for (platform::OptionButton* spacing : spacings) {
            spacing->setValue(false);
            spacing->setEnabled(false);
        }
        NoWeight.setValue(0);
    }
}

void Form1::Ctr0_Click()
{
    clearSelectionUnlessGuarded(m_program);
}
void Form1::Ctr12_Click()
{
    clearSelectionUnlessGuarded(m_program);
}
void Form1::Ctr16_Click()
{
    clearSelectionUnlessGuarded(m_program);
}
void Form1::Ctr19_Click()
{
    clearSelectionUnlessGuarded(m_program);
}
void Form1::ctr24_Click()
{
    clearSelectionUnlessGuarded(m_program);
}
void Form1::Wet_Click()
{
    clearSelectionUnlessGuarded(m_program);
}
void Form1::Reducechk_Click()
{
    clearSelectionUnlessGuarded(m_program);
}

// Checking the option changes nothing until a pitch is entered; unchecking empties the pitch, whose
// change clears the selection. The hip and valley calculator must run again with the new choice.
void Form1::Roofbutton_Click()
{
    if (Roofbutton.checked()) {
        Pitchtext.setEnabled(true);
    } else {
        Pitchtext.setEnabled(false);
        Pitchtext.setText("");
    }
    IncCalcButton.setEnabled(true);
}

// The check box is hidden: only the program changes it.
void Form1::INGRADE_Click()
{
    clearSelectionUnlessGuarded(m_program);
    const SharedState& s = m_program.state;
    if (s.NDS1997 != 0) {
        setCaption(" Korvanta  Criteria Form 1  NDS 1997  ");
    } else if (s.NDS2018 == -1) {
        setCaption(" Korvanta  Criteria Form 1  NDS 2018 ");
    } else if (s.NDS2015 == -1) {
        setCaption(" Korvanta  Criteria Form 1  NDS 2015 ");
    } else if (s.NDS2012 == -1) {
        setCaption(" Korvanta  Criteria Form 1  NDS 2012 ");
    } else if (s.NDS2005 == -1) {
        setCaption(" Korvanta  Criteria Form 1  NDS 2005 ");
    } else {
        setCaption(" Korvanta  Criteria Form 1  NDS 2001 ");
    }
}

// A changed roof area changes the hip or valley loads: "OK Calculate" waits for the calculator.
void Form1::Areas_Click(int /*index*/)
{
    clearSelectionUnlessGuarded(m_program);
    CmdOK.setEnabled(false);
}

// Steps the pitch by one up to 18:12, then starts again at 0.
void Form1::Command3D28_Click()
{
    const double pitch = std::nearbyint(platform::num::leadingNumber(Pitchtext.text()));
    Pitchtext.setText(pitch == 18 ? "0" : platform::num::numberText(pitch + 1));
}

void Form1::Command3D15_Click()
{
    const std::string duration = Dur.text();
    for (const auto& [from, to] : DurationCycle) {
        if (duration == from) {
            Dur.setText(to);
            return;
        }
    }
    Dur.setText("1.00");
}

void Form1::Dadj_Click()
{
    clearSelectionUnlessGuarded(m_program);
    std::int16_t& step = m_program.state.DeflectionLimitStep;
    if (step >= 0 && step < static_cast<std::int16_t>(DeflectionLimitCycle.size())) {
        const DeflectionLimits& limits = DeflectionLimitCycle[static_cast<std::size_t>(step)];
        LMaxDefl.setText(limits.live);
        MaxDefl.setText(limits.total);
        step = static_cast<std::int16_t>((step + 1) % static_cast<std::int16_t>(DeflectionLimitCycle.size()));
    } else {
        step = 0;
    }
}

// "0" and "." are steps on the way to a pitch such as 0.5; a pitch written by code is checked too.
void Form1::Pitchtext_Change()
{
    clearSelectionUnlessGuarded(m_program);
    const std::string pitch = Pitchtext.text();
    if (pitch.empty() || pitch == "." || pitch == "0" || platform::num::isNumberText(pitch)) {
        return;
    }
    m_program.runtime.beep();
    Pitchtext.setText("");
    m_program.runtime.msgBox(
        "Please enter a valid numeric value for the roof pitch in feet (and decimal fraction, if any)",
        platform::Buttons::OK, platform::Icon::None, Title);
    if (Pitchtext.canFocus()) {
        Pitchtext.setFocus();
    }
}

void Form1::Pitchtext_GotFocus()
{
    SelectFieldText(m_program);
}

void Form1::Pitchtext_LostFocus()
{
    if (platform::num::leadingNumber(Pitchtext.text()) > 24) {
        m_program.runtime.msgBox(
            "Are you sure you want to enter a pitch greater than 24:12 for the rafter slope adjustment?",
            platform::Buttons::OK, platform::Icon::None, Title);
    }
}

// Only a warning: unusual durations are the engineer's call, so the text stays.
void Form1::Dur_Change()
{
    clearSelectionUnlessGuarded(m_program);
    const double duration = platform::num::leadingNumber(Dur.text());
    if (duration < 0.9 || duration > 2.0) {
        m_program.runtime.beep();
        m_program.runtime.msgBox("Are you sure you want to enter this Duration of load?\r\rPlease see the "
                                 "Duration of Load 'On Line Help' button, (the small gray square next to "
                                 "Duration of Load), or see Help for acceptable values.",
                                 platform::Buttons::OK, platform::Icon::None, Title);
    }
}

void Form1::Dur_GotFocus()
{
    SelectFieldText(m_program);
}

} // namespace app