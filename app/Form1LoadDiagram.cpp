// "Load Diagram": checks the span and the loads as they stand in the boxes and opens the load location
// diagram, or for a hip or valley the increasing load picture.
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form11.h"
#include "report/Form17.h"

#include <algorithm>

namespace app
{

namespace
{

constexpr const char* Title = "Korvanta";

// Thrown by a refusal to end the command once the user was told and the box focused.
struct Refused
{};

double number(platform::TextBox& box)
{
    return platform::num::leadingNumber(box.text());
}

} // namespace

void Form1::ViewDiagrmbutton_Click()
{
    Program& p = m_program;
    platform::Runtime& rt = p.runtime;
    auto refuse = [&](const char* text, platform::Control& focus) {
        rt.beep();
        rt.msgBox(text, platform::Buttons::OK, platform::Icon::None, Title);
        if (focus.canFocus()) {
            focus.setFocus();
        }
        throw Refused{};
    };
    auto checkLoads = [&] {
        const bool oh = OHbutton.value();
        const double span = number(Span);
        if (Span.text().empty()) {
            refuse("Please enter a Span.", Span);
        }
        for (int i = 0; i <= (oh ? 3 : 5); ++i) {
            const double dis = number(DIS(i));
            const bool load = number(LPT(i)) > 0 || number(PT(i)) > 0;
            if (dis == 0 && load) {
                refuse("Please enter a Distance from the starting reaction for the Point Load", DIS(i));
            }
            if (dis > span) {
                refuse("Please enter a point load Distance from the starting reaction that is within the "
                       "span of "
                       "the beam.",
                       DIS(i));
            }
            if (number(PT(i)) == 0 && number(LPT(i)) == 0 && dis > 0) {
                refuse("Please enter a Load to accompany the distance already entered, or clear the distance "
                       "value",
                       PT(i));
            }
        }
        if (oh) {
            for (int i = 4; i <= 5; ++i) {
                if (number(DIS(i)) == 0 && (number(LPT(i)) > 0 || number(PT(i)) > 0)) {
                    refuse("Please enter a Distance for the overhang point load", DIS(i));
                }
            }
        }
        for (int i = 0; i <= 4; ++i) {
            const bool load = number(LPAR(i)) > 0 || number(PAR(i)) > 0;
            const double end = number(ENDP(i));
            if (end == 0 && load) {
                refuse("Please enter an END location for the Partial Uniform Load", ENDP(i));
            }
            if ((!oh || i <= 2) && end > span && load) {
                refuse(
                    "Please enter an End location (for the Partial Uniform Load) that is less than the Span",
                    ENDP(i));
            }
            if (number(BEGP(i)) >= end && load) {
                refuse("The END of a Partial Uniform load must be BEYOND the Beginning location.", ENDP(i));
            }
            if (number(PAR(i)) == 0 && number(LPAR(i)) == 0 && (end > 0 || number(BEGP(i)) > 0)) {
                refuse("Please enter a Partial Uniform Load or clear the beginning (and/or) ending distances",
                       PAR(i));
            }
        }
        for (int i = 0; i <= 4; ++i) {
            if (BEGP(i).text().empty() && number(PAR(i)) > 0) {
                refuse("Please enter a ZERO for Partial Uniform loads beginning exactly on the starting "
                       "Reaction",
                       BEGP(i));
            }
        }
        bool anyLoad = number(UNIF) != 0 || number(LUNIF) != 0;
        for (int i = 0; i <= 5; ++i) {
            anyLoad = anyLoad || number(PT(i)) != 0 || number(LPT(i)) != 0;
        }
        for (int i = 0; i <= 4; ++i) {
            anyLoad = anyLoad || number(PAR(i)) != 0 || number(LPAR(i)) != 0;
        }
        if (!anyLoad) {
            refuse("At least one load must be entered.", UNIF);
        }
        if (oh && number(PT(4)) == 0 && number(PT(5)) == 0 && number(LPT(4)) == 0 && number(LPT(5)) == 0 &&
            number(PAR(3)) == 0 && number(PAR(4)) == 0 && number(LPAR(3)) == 0 && number(LPAR(4)) == 0) {
            refuse("At least one OVERHANGING load must be specified for Korvanta to calculate an overhanging "
                   "beam.",
                   PT(4));
        }
    };

    auto increasingLoad = [&] {
        if (Span.text().empty()) {
            refuse("Please enter a Beam Span", Span);
        }
        if (IncTL.text().empty() || number(IncTL) == 0) {
            refuse("Please enter a total load in PSF.", IncTL);
        }
        // A refused hip or valley calculation has told the user what to mend; there is no load to picture.
        if (IncCalcButton.enabled() && !IncCalcButton_Click()) {
            return;
        }
        const double span = platform::num::toDouble(Span.text());
        report::Form17& picture = p.form17;
        const float total = p.beam.loads.IncTLTotal;
        if (total > 0 && span > 0) {
            picture.TLdLabel.setCaption(
                "Total Wt. is " + platform::num::format(span * number(IncUnifTL) + total, "#,###") + " lbs.");
            picture.show(platform::ShowMode::Modal);
        } else {
            picture.TLdLabel.setCaption("");
        }
    };

    auto diagram = [&] {
        checkLoads();
        beam::AppliedLoads& loads = p.beam.loads;
        loads.UNIFEntered = platform::num::toSingle(number(UNIF));
        for (int i = 0; i <= 4; ++i) {
            loads.PAREntered[static_cast<std::size_t>(i)] = platform::num::toSingle(number(PAR(i)));
        }
        p.state.IncTLEntered = platform::num::toSingle(number(IncTL));
        p.state.IncUnifTLEntered = platform::num::toSingle(number(IncUnifTL));
        report::Form11& d = p.form11;
        d.show();
        d.Loadinfo.setCaption("");
        const bool three = Multibutton.value() && ThreeSpan.value();
        const bool two = Multibutton.value() && TwoSpan.value();
        d.Label6.setCaption("R1");
        d.Label15.setVisible(three);
        d.Label16.setVisible(two);
        d.Label17.setVisible(three);
        if (three) {
            d.Label15.setCaption("R2");
        } else if (two) {
            d.Label16.setCaption("R2");
        }
        d.Label7.setCaption(three ? "R4" : two ? "R3" : "R2");
        for (platform::Line* line : {&d.Line7, &d.Line8, &d.Line9}) {
            line->setVisible(two);
        }
        for (platform::Line* line : {&d.Line10, &d.Line11, &d.Line12, &d.Line13, &d.Line14, &d.Line15}) {
            line->setVisible(three);
        }
        d.Label18.setCaption("");
        d.refresh();
        if (OHbutton.value()) {
            const float oh = static_cast<float>(
                std::max({number(DIS(4)), number(DIS(5)), number(ENDP(3)), number(ENDP(4))}));
            p.beam.member.OHLength = oh;
            if (2 * static_cast<double>(oh) > platform::num::toDouble(Span.text())) {
                rt.msgBox(
                    "The overhang length is greater than half of the backspan length.\r\rPlease note that "
                    "Korvanta has difficulty displaying such a long overhang in the loading diagram.",
                    platform::Buttons::OK, platform::Icon::Information, Title);
            }
        }
    };

    platform::leaveOnError(
        [&] {
            p.form11.unload();
            try {
                if (IncButton.value()) {
                    increasingLoad();
                } else {
                    diagram();
                }
            } catch (const Refused&) {
            }
        },
        [&](const platform::RuntimeError&) {
            rt.msgBox("Error in loading or location entry", platform::Buttons::OK,
                      platform::Icon::Exclamation, Title);
        });
}

} // namespace app
