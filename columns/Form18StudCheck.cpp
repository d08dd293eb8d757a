// "OK Calculate" and "Report" of the stud frame: the entry steps in order, then the design steps of
// StudCheck and the status; and the two dormant file commands that run the check around a load or save.
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/ColumnValueTables.h"
#include "columns/Form18.h"
#include "columns/Form28.h"
#include "columns/StudCheck.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace columns
{

namespace num = platform::num;

namespace
{
constexpr std::uint32_t FailColour = platform::rgb(128, 0, 0);

double numberOf(platform::TextBox& box)
{
    return num::leadingNumber(box.text());
}
} // namespace

// Each entry step either passes or stops at its box with its message; false when the check stops.
bool Form18::studCheckEntries()
{
    platform::Runtime& runtime = m_program.runtime;
    StudResults& r = m_program.stud.results;
    auto stopAt = [&](platform::Control& control, const char* message) {
        if (message != nullptr) {
            runtime.msgBox(message, platform::Buttons::OK, platform::Icon::None, "Korvanta");
        }
        if (control.canFocus()) {
            control.setFocus();
        }
        return false;
    };
    if (numberOf(WindStudHt) == 0) {
        return stopAt(WindStudHt,
                      "Please enter a stud height in decimal feet. Example: 10.75 = 10 ft - 9 in.");
    }
    if (numberOf(WindStudSpacing) == 0) {
        WindStudSpacing.setText("12");
        r.StudSpacingFt = 1;
        runtime.msgBox(
            "The minimum stud spacing is 12 inches o.c. for PSF of 1 sq ft, without repetitive use factor.",
            platform::Buttons::OK, platform::Icon::None, "");
    } else {
        r.StudSpacingFt = num::toSingle(numberOf(WindStudSpacing) / 12);
    }
    r.StudCrOn = RepWindStud.value() != 0 ? -1 : 0;
    r.StudIBCCr = RepIBCCheck.value() != 0 ? -1 : 0;
    if (numberOf(AxialPointTextbox) == 0 && numberOf(AxialPLFtextbox) == 0) {
        return stopAt(AxialPLFtextbox, "Please enter a load for the Axial Point Load or Axial PLF.");
    }
    if (numberOf(WindA) == 0) {
        return stopAt(WindA, "Please enter a load for Wind Load A. Wind loads B and C are optional.");
    }
    if (numberOf(EndA) == 0) {
        return stopAt(EndA, "Please enter an end distance for Wind Load A.");
    }
    if (BegA.text().empty()) {
        BegA.setText("0"); // its zero rule empties it again; the beginning reads 0 either way
    }
    if (numberOf(WindB) > 0 && BegB.text().empty()) {
        return stopAt(BegB, "Please enter a Beginning location for Wind Load B.");
    }
    if (numberOf(WindB) > 0 && EndB.text().empty()) {
        return stopAt(EndB, "Please enter an End location for Wind Load B.");
    }
    if (numberOf(WindC) > 0 && BegC.text().empty()) {
        return stopAt(BegC, "Please enter a Beginning location for Wind Load C.");
    }
    if (numberOf(WindC) > 0 && EndC.text().empty()) {
        return stopAt(EndC, "Please enter an End location for Wind Load C.");
    }
    const double Fb = numberOf(WindStudFb);
    const double Fc = numberOf(WindStudFc);
    const double E = numberOf(WindStudE);
    if (Fb == 0) {
        return stopAt(WindStudFb, "Please enter an Fb Base Value.");
    }
    if (Fc == 0) {
        return stopAt(WindStudFc, "Please enter an Fc Base Value.");
    }
    if (E == 0) {
        return stopAt(WindStudE, "Please enter an E Base Value.");
    }
    if (WindStudCombo.text().empty()) {
        return stopAt(WindStudCombo,
                      "For your documentation, please enter a custom Species and Grade name or "
                      "select one from the drop down list.");
    }
    if (Fb < 200 || Fb > 3100) {
        return stopAt(WindStudFb,
                      "The base value entered for the Fb is out of range. Please enter an Fb between "
                      "200 and 3100");
    }
    if (Fc < 250 || Fc > 2300) {
        return stopAt(WindStudFc,
                      "The base value entered for the Fc is out of range. Please enter an Fc between "
                      "250 and 2300");
    }
    if (E < 0.5 || E > 2.0) {
        return stopAt(WindStudE,
                      "The base value entered for the E is out of range. Please enter an E between 0.5 "
                      "and 2.0 (value divided by 1,000,000)");
    }
    if (numberOf(AxialDurTextbox) == 0) {
        runtime.msgBox(
            "The default value for NO duration of load factor is 1.0. Other values are 1.15 for Snow, "
            "1.25 for No Snow, and 1.6 for wind.",
            platform::Buttons::OK, platform::Icon::None, "Korvanta");
        AxialDurTextbox.setText("1.0");
        return stopAt(AxialDurTextbox, nullptr);
    }
    if (numberOf(DurWindTextbox) == 0) {
        runtime.msgBox(
            "The default value for NO duration of load factor is 1.0. Wind load on studs qualifies for "
            "a duration of load factor of 1.6.",
            platform::Buttons::OK, platform::Icon::None, "Korvanta");
        DurWindTextbox.setText("1.6");
        return stopAt(DurWindTextbox, nullptr);
    }
    return true;
}

void Form18::StudOKCalcbutton_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    StudState& stud = m_program.stud;
    platform::leaveOnError(
        [&] {
            StudStatusLabel.setCaption("Adequate");
            StudStatusLabel.setForeColor(0);
            stud.results.StudCompleted = false;
            if (!studCheckEntries()) {
                return;
            }
            StudDesignInput in;
            in.heightFt = numberOf(WindStudHt);
            in.plf = numberOf(AxialPLFtextbox);
            in.pointP = numberOf(AxialPointTextbox);
            platform::TextBox* zones[3][3] = {
                {&WindA, &BegA, &EndA}, {&WindB, &BegB, &EndB}, {&WindC, &BegC, &EndC}};
            for (std::size_t j = 0; j < 3; ++j) {
                in.wind[j] = {numberOf(*zones[j][0]), numberOf(*zones[j][1]), numberOf(*zones[j][2])};
            }
            in.Fb = numberOf(WindStudFb);
            in.Fc = numberOf(WindStudFc);
            in.E = numberOf(WindStudE);
            in.breadthIndex = BreadthCombo.listIndex();
            in.depthIndex = DepthCombo.listIndex();
            in.studGrade = isStudRow(WindStudCombo.listIndex());
            in.ibc = RepIBCCheck.value() != 0;
            in.cdAxial = numberOf(AxialDurTextbox);
            in.cdWind = numberOf(DurWindTextbox);
            const app::SharedState& s = m_program.state;
            in.eminEditions = s.NDS2005 == -1 || s.NDS2012 == -1 || s.NDS2015 == -1 || s.NDS2018 == -1;
            const StudStop stop = runStudDesign(in, stud.results, stud.table, [&] {
                runtime.msgBox(
                    "This is not a 2x member and doesn't qualify for special IBC repetitive use factors.  "
                    "The NDS Repetitive use factor is reset to the normal 1.15 and the IBC factor has been "
                    "unchecked for you.",
                    platform::Buttons::OK, platform::Icon::None, "Korvanta");
                RepIBCCheck.setValue(0);
            });
            switch (stop) {
            case StudStop::BegAfterEnd:
                runtime.msgBox(
                    "The Beginning distance of a load can't be further than the load's End distance.");
                return;
            case StudStop::BegAboveHeight:
                runtime.msgBox("The Beginning distance of a load can't be larger than the Stud Height.");
                return;
            case StudStop::EndAboveHeight:
                runtime.msgBox("The End distance of a load can't be further than the overall Stud Height.");
                return;
            case StudStop::StudGradeDeep:
                runtime.msgBox(
                    "Stud grade members with an 8 inch depth will default to Grade No. 3 values. We "
                    "recommend that you select a No.2 grade or select a shallower stud depth.",
                    platform::Buttons::OK, platform::Icon::None, "Korvanta");
                return;
            case StudStop::None:
                break;
            }
            if (stud.results.StudFails) {
                StudStatusLabel.setCaption("Fails");
                StudStatusLabel.setForeColor(FailColour);
            }
            StudReportbutton.setEnabled(true);
            if (StudReportbutton.canFocus()) {
                StudReportbutton.setFocus();
            }
        },
        [&](const platform::RuntimeError&) {
            runtime.msgBox("Error at Wind/Stud Ok Calc", platform::Buttons::OK, platform::Icon::None,
                           "Korvanta");
        });
}

// The record shows the results of a check that reached its status, adequate or failing; a check that
// stopped at an entry leaves the criteria form up.
void Form18::StudReportbutton_Click()
{
    StudOKCalcbutton_Click();
    if (!m_program.stud.results.StudCompleted) {
        return;
    }
    m_program.form28.show();
    hide();
}

void Form18::LoadWindStudMenu()
{
    WindFrame.setVisible(true);
    LoadStudColumnCriteria();
    StudOKCalcbutton_Click();
}

void Form18::SaveWindStudMenu()
{
    StudOKCalcbutton_Click();
    SaveStudColumnCriteria();
}

} // namespace columns
