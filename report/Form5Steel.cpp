// "Previous" and "Next" of a steel member: one place back or forward among the steel selection form's
// quick-pick shapes, checked at once. The new shape is kept only when its check completes; otherwise
// the designation, the texts, the size labels and both buttons stay as they were before the click.
#include "app/Program.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "report/MemberTests.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"

#include <optional>

namespace report
{

namespace
{

constexpr int LastPick = 15;

constexpr const char* CannotMoveBack =
    "Korvanta is unable to move back. Please return to the Steel Selection (Form 2) to adjust your selection";
constexpr const char* CannotMoveForward =
    "Korvanta is unable to move forward. Please return to the Steel Selection (Form 2) to adjust your "
    "selection";

// The quick pick whose caption is the chosen designation, or none for a size typed by the user.
std::optional<int> choicePosition(steel::Form22& f22)
{
    const std::string choice = f22.StlChoice.text();
    for (int n = 0; n <= LastPick; ++n) {
        if (f22.StlPick(n).caption() == choice) {
            return n;
        }
    }
    return std::nullopt;
}

// Everything a steel step writes, so that a check that does not complete can put it back.
struct SteelStepState
{
    std::string choice;
    std::string stepChoice;
    std::string breadthText;
    std::string depthText;
    std::string breadthLabel;
    std::string depthLabel;
    bool backEnabled = true;
    bool forwardEnabled = true;

    static SteelStepState read(app::Program& program)
    {
        const steel::SteelState& r = program.steel;
        Form5& f = program.form5;
        return {program.form22.StlChoice.text(),
                r.StlStepChoice,
                r.StlBreadthText,
                r.StlDepthText,
                f.StlBreadthLabel.caption(),
                f.StlDepthLabel.caption(),
                f.StlBack.enabled(),
                f.StlForward.enabled()};
    }

    void write(app::Program& program) const
    {
        steel::SteelState& r = program.steel;
        Form5& f = program.form5;
        r.StlStepChoice = stepChoice;
        r.StlBreadthText = breadthText;
        r.StlDepthText = depthText;
        f.StlBack.setEnabled(backEnabled);
        f.StlForward.setEnabled(forwardEnabled);
        program.form22.StlChoice.setText(choice);
        f.StlBreadthLabel.setCaption(breadthLabel);
        f.StlDepthLabel.setCaption(depthLabel);
    }
};

// Writes the shape of quick pick n and checks it; a check that stops puts the state before back.
void stepTo(app::Program& program, int n, SteelStepState stepped)
{
    const SteelStepState before = SteelStepState::read(program);
    steel::Form22& f22 = program.form22;
    stepped.choice = f22.StlPick(n).caption();
    stepped.stepChoice = stepped.choice;
    stepped.breadthText = f22.StlWidLab(n).caption();
    stepped.depthText = f22.StlDepLab(n).caption();
    stepped.write(program);
    if (!program.memberTests.SteelCalc(program)) {
        before.write(program);
    }
}

} // namespace

void Form5::StlBack_Click()
{
    platform::leaveOnError(
        [&] {
            steel::Form22& f22 = m_program.form22;
            const std::optional<int> n = choicePosition(f22);
            if (!n || *n == 0) {
                m_program.runtime.msgBox(CannotMoveBack, platform::Buttons::OK, platform::Icon::None,
                                         "Korvanta");
                return;
            }
            const std::string previous = f22.StlPick(*n - 1).caption();
            if (previous.empty()) {
                StlBack.setEnabled(false);
                return;
            }
            SteelStepState stepped = SteelStepState::read(m_program);
            stepped.backEnabled = previous != f22.StlPick(0).caption();
            stepped.forwardEnabled = true;
            stepTo(m_program, *n - 1, stepped);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox(CannotMoveBack, platform::Buttons::OK, platform::Icon::None, "Korvanta");
        });
}

void Form5::StlForward_Click()
{
    platform::leaveOnError(
        [&] {
            steel::Form22& f22 = m_program.form22;
            const std::optional<int> n = choicePosition(f22);
            if (!n || *n == LastPick) {
                m_program.runtime.msgBox(CannotMoveForward, platform::Buttons::OK, platform::Icon::None,
                                         "Korvanta");
                return;
            }
            const int nextPick = *n + 1;
            if (f22.StlPick(nextPick).caption().empty()) {
                StlForward.setEnabled(false);
                return;
            }
            SteelStepState stepped = SteelStepState::read(m_program);
            // There is no pick after the last one to look at.
            stepped.forwardEnabled = !(nextPick == LastPick || f22.StlPick(nextPick + 1).caption().empty());
            stepped.backEnabled = true;
            // Next shows the new shape's bare size texts at once; the completed check's fill rewrites them.
            stepped.breadthLabel = f22.StlWidLab(nextPick).caption();
            stepped.depthLabel = f22.StlDepLab(nextPick).caption();
            stepTo(m_program, nextPick, stepped);
        },
        [&](const platform::RuntimeError&) {
            m_program.runtime.msgBox(CannotMoveForward, platform::Buttons::OK, platform::Icon::None,
                                     "Korvanta");
        });
}

} // namespace report
