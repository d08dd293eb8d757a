// The shared form helpers: placement, text selection on focus, the exit question, rebuilding the
// criteria form for a new beam and opening the file manager.
#include "app/FormHelpers.h"

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "app/SpeciesList.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

#include <string>

namespace app
{

namespace
{
constexpr const char* Title = "Korvanta";
constexpr int SecondsPerDay = 24 * 3600;
} // namespace

void CenterForm(Program& program, platform::Form& form)
{
    if (program.state.CenterForms != -1) {
        return;
    }
    const platform::SizeTwips screen = program.runtime.screenSize();
    // Slightly above the middle; a form taller than 0.85 of the screen gets a negative Top.
    form.move(screen.width / 2 - form.width() / 2, screen.height / 2 * 0.85 - form.height() / 2);
}

void SelectFieldText(Program& program)
{
    platform::leaveOnError(
        [&] {
            platform::Control* control = program.runtime.activeControl();
            if (control == nullptr || control->kind() != platform::ControlKind::TextBox) {
                return;
            }
            auto& box = static_cast<platform::TextBox&>(*control);
            box.setSelStart(0);
            box.setSelLength(box.maxLength());
        },
        [](const platform::RuntimeError&) {});
}

void ConfirmExit(Program& program)
{
    platform::Runtime& runtime = program.runtime;
    std::string question;
    // A start time of 0, exactly midnight, reads as no start time.
    if (!program.state.SessionStart.has_value() || *program.state.SessionStart == 0) {
        question = "Do you wish to exit Korvanta?";
    } else {
        int elapsed = runtime.clock().now().secondsOfDay() - *program.state.SessionStart;
        if (elapsed < 0) {
            elapsed += SecondsPerDay; // the session passed midnight
        }
        question = "  Do you wish to exit Korvanta?\r\rSession length was " +
                   platform::num::formatElapsed(elapsed) + " minutes.";
    }
    if (runtime.msgBox(question, platform::Buttons::OKCancel, platform::Icon::Question, Title) ==
        platform::MsgResult::OK) {
        runtime.endProgram();
    }
}

void NewDefault(Program& program)
{
    platform::leaveOnError(
        [&] {
            Form1& form1 = program.form1;
            // Read everything that is kept first: a limit that is no number stops the rebuild before
            // anything is lost.
            const std::string project = form1.Proj.text();
            int speciesGroup = 0;
            for (int i = 0; i < SpeciesCount; ++i) {
                if (form1.group(i).value()) {
                    speciesGroup = i;
                    break;
                }
            }
            const int listPosition = SpeciesListIndexOfGroup(speciesGroup);
            const int inGrade = form1.INGRADE.value();
            const std::int16_t liveLimit =
                platform::num::toInt16(platform::num::leadingNumber(form1.LMaxDefl.text()));
            const std::int16_t totalLimit = platform::num::toInt16(form1.MaxDefl.text());

            beam::AppliedLoads& loads = program.beam.loads;
            loads.MomentLoads = 0;
            loads.MaxMomentLoads = 0;
            loads.OHMomentLoads = 0;
            program.beam.member.OHMoment = 0;

            // The reload applies the settings file again and brings every other entry back to its default.
            form1.unload();
            form1.show();

            form1.group(speciesGroup).setValue(true);
            form1.Combo1.setListIndex(listPosition);
            form1.INGRADE.setValue(inGrade);
            form1.LMaxDefl.setText(platform::num::numberText(static_cast<int>(liveLimit)));
            if (platform::num::leadingNumber(form1.LMaxDefl.text()) == 0) {
                form1.LMaxDefl.setText("");
            }
            form1.MaxDefl.setText(platform::num::numberText(static_cast<int>(totalLimit)));
            form1.Proj.setText(project);
        },
        [&](const platform::RuntimeError&) {
            program.runtime.msgBox("Error at New Default procedure", platform::Buttons::OK,
                                   platform::Icon::Exclamation, Title);
        });
}

void LaunchExplorer(Program& program)
{
    platform::Runtime& runtime = program.runtime;
    platform::ResumeNext next{[&](const platform::RuntimeError&) {
        runtime.msgBox(
            "Sorry, Korvanta can't locate Windows Explorer (EXPLORER.EXE).\r\rYou will have to open "
            "Explorer manually from your start menu.",
            platform::Buttons::OK, platform::Icon::Exclamation, Title);
    }};
    platform::MsgResult answer = platform::MsgResult::Cancel;
    next([&] {
        answer = runtime.msgBox("Korvanta will now launch...\rWINDOWS EXPLORER\r\rTo create a new directory "
                                "for your Korvanta file, "
                                "select FILE, select NEW, select FOLDER...\r\rIf you need further "
                                "instructions, select the HELP button "
                                "on the Explorer Menu bar.",
                                platform::Buttons::OKCancel, platform::Icon::Information, Title);
    });
    if (answer == platform::MsgResult::OK) {
        next([&] { runtime.openFolder(runtime.programFolder()); });
    }
}

} // namespace app
