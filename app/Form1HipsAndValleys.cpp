// Form1's hip and valley calculator: the roof area loads over the chosen roof-plan areas become the
// total increasing load of the member, the span may be worked out from the tributary lengths, the dead
// load is scaled for the roof slope, and the equivalent uniform loads (ETL) go into the uniform boxes.
#include "app/Form1.h"
#include "app/GuardHold.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/forms/Runtime.h"

#include <cmath>
#include <string>

namespace app
{

namespace
{
constexpr const char* Title = "Korvanta";

// Converts the triangular load of a hip or valley into the uniform load of equal effect for the sizing
// tables ("Equivalent Tabular Load").
constexpr double EquivalentTabularFactor = 1.0264;

double valueOf(platform::TextBox& box)
{
    return platform::num::leadingNumber(box.text());
}

void focusIfPossible(platform::Control& control)
{
    if (control.canFocus()) {
        control.setFocus();
    }
}

} // namespace

// "OK" of the hips and valleys frame.
bool Form1::IncCalcButton_Click()
{
    using platform::num::toSingle;
    SharedState& s = m_program.state;
    beam::AppliedLoads& loads = m_program.beam.loads;
    platform::Runtime& runtime = m_program.runtime;
    // The calculator's own writes keep the selection; the guard is given back on every way out, refusals
    // included, so that later edits clear a stale selection again.
    const GuardHold guard(s.ChangeGuard);

    const auto refuse = [&](const char* text, platform::Control& focus) {
        runtime.beep();
        runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, Title);
        focusIfPossible(focus);
    };
    if (valueOf(IncTL) <= 0) {
        refuse("Please enter a total (Live + Dead) load in PSF.", IncTL);
        return false;
    }
    if (Roofbutton.checked() && valueOf(IncLL) <= 0) {
        refuse("The Roof Slope Adjustment is checked. Please enter the Live Load in PSF so Korvanta can "
               "complete the calculation.",
               IncLL);
        return false;
    }
    if (valueOf(Trib1) <= 0 || valueOf(Trib2) <= 0) {
        refuse("Please enter distances (lengths) for the tributary area calculation.", Trib1);
        return false;
    }

    const double trib1Ft = valueOf(Trib1);
    const double trib2Ft = valueOf(Trib2);
    const float areaSqFt = toSingle(trib1Ft * trib2Ft);
    const float calculatedSpanFt = toSingle(std::sqrt(trib1Ft * trib1Ft + trib2Ft * trib2Ft));

    double spanFt = 0;
    if (CalctheSpan.checked()) {
        const std::string spanText = platform::num::format(calculatedSpanFt, "###.0#");
        if (!Span.text().empty() && Span.text() != spanText) {
            runtime.msgBox(
                "The Span Auto-calc feature is currently selected. Korvanta is replacing your previous "
                "Span entry with our calculated Span...",
                platform::Buttons::OK, platform::Icon::None, Title);
        }
        Span.setText(spanText);
        spanFt = calculatedSpanFt; // the loads use the span itself, not its rounded text
    } else {
        // The entry rules keep Span empty or above zero; a span that reads 0 is refused like an empty one.
        if (valueOf(Span) <= 0) {
            refuse("Please enter a Span or select the Span Auto-calc feature.", Span);
            return false;
        }
        spanFt = valueOf(Span);
    }

    int areaCount = 0;
    for (int i = 0; i <= 3; ++i) {
        if (Areas(i).checked()) {
            ++areaCount;
        }
    }
    if (areaCount == 0) {
        refuse(
            " Please select at least one 'area' on roof plan diagram to be include in the area calculation. "
            "The white squares are checkboxes and at least one must be 'checked'.",
            Areas(0));
        return false;
    }
    // Each roof-plan area carries a quarter of the square of the two tributary lengths.
    const double areaFactor = areaCount * 0.25;

    s.IncTLEntered = toSingle(valueOf(IncTL));
    s.IncUnifTLEntered = toSingle(valueOf(IncUnifTL));
    if (Roofbutton.checked()) {
        const double pitchRiseIn12 = valueOf(Pitchtext);
        const float slopedLengthFt = toSingle(spanFt / std::cos(std::atan(pitchRiseIn12 / 12)));
        loads.SlopeFactor = toSingle(platform::num::div(slopedLengthFt, spanFt));
        // Only the dead part of the total loads grows with the slope.
        const double slope = loads.SlopeFactor;
        IncTL.setText(
            platform::num::format(valueOf(IncLL) + (valueOf(IncTL) - valueOf(IncLL)) * slope, "##.0#"));
        IncUnifTL.setText(platform::num::format(
            valueOf(IncUnifLL) + (valueOf(IncUnifTL) - valueOf(IncUnifLL)) * slope, "##.0#"));
        // The boxes now hold adjusted loads; a second press would scale them again. A change of IncTL or
        // IncUnifTL enables the button once more.
        IncCalcButton.setEnabled(false);
    } else {
        loads.SlopeFactor = 1.0f;
    }

    const double loadedAreaSqFt = areaSqFt * areaFactor;
    loads.IncTLTotal = toSingle(valueOf(IncTL) * loadedAreaSqFt);
    loads.IncLLTotal = valueOf(IncLL) > 0 ? toSingle(valueOf(IncLL) * loadedAreaSqFt) : 0.0f;

    using platform::num::div;
    using platform::num::numberText;
    UNIF.setText(numberText(div(loads.IncTLTotal * EquivalentTabularFactor, spanFt) + valueOf(IncUnifTL)));
    if (valueOf(IncLL) > 0) {
        LUNIF.setText(
            numberText(div(loads.IncLLTotal * EquivalentTabularFactor, spanFt) + valueOf(IncUnifLL)));
    } else {
        // Without a live roof load the optional live uniform load is not carried into LUNIF either.
        LUNIF.setText("");
    }

    CmdOK.setEnabled(true);
    Command3D25.setForeColor(platform::rgb(0, 0, 0));
    focusIfPossible(CmdOK);
    return true;
}

} // namespace app
