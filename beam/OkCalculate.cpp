// The order of work of "OK Calculate", from the click to the hand-off.
#include "beam/OkCalculate.h"

#include "beam/StationTable.h"
#include "platform/core/Traps.h"

namespace beam
{

namespace
{

void captureOptions(const BeamCriteria& criteria, CalcFlags& flags, OkCalculateUi& ui)
{
    flags.RefillGuard = flags.CriteriaLoadedFlag == -1 ? -1 : 0;
    flags.ChangeGuard = -1;
    flags.IncisedOption = criteria.Incised ? -1 : 0;
    flags.NoSelfWeight = criteria.NoWeight ? -1 : 0;
    ui.unloadLoadDiagram();
    flags.PresizingDone = 0;
    flags.SteelBeamFlag = criteria.group[9] ? -1 : 0;
    if (!criteria.group[8]) {
        ui.unloadCustomValuesForm();
        // The custom values form keeps these after it is left; they describe a custom member only.
        flags.MSRFlag = 0;
        flags.MELFlag = 0;
        flags.CustomSoPineFlag = 0;
    }
    flags.DataRecordLoaded = 0;
    flags.ContinuousGLB = 0;
}

void showRefusal(const EntryRefusal& refusal, OkCalculateUi& ui)
{
    ui.beep();
    ui.msgBox(refusal.message, refusal.style);
    if (refusal.resetPointer) {
        ui.resetCriteriaPointer();
    }
    if (refusal.focus) {
        ui.setFocus(*refusal.focus);
    }
}

void showNotice(const LoadNotice& notice, OkCalculateUi& ui)
{
    if (notice.beep) {
        ui.beep();
    }
    ui.msgBox(notice.message, MsgStyle::Plain);
}

// Everything up to the adjustment of the load boxes; false when a check or the user ends the click.
bool checkEntries(BeamCriteria& criteria, BeamState& state, OkCalculateUi& ui)
{
    if (asksAreaLoadQuestion(criteria) &&
        ui.msgBox(areaLoadQuestion(), MsgStyle::YesNoQuestion) == Answer::Yes) {
        ui.pressAreaLoadButton(criteria);
    }
    if (auto refusal = checkLoadEntries(criteria)) {
        showRefusal(*refusal, ui);
        return false;
    }
    if (criteria.OHbutton) {
        state.member.OHLength = overhangLength(criteria);
        if (isLongOverhang(criteria, state.member.OHLength)) {
            ui.beep();
            if (ui.msgBox(longOverhangQuestion(), MsgStyle::YesNoQuestion) == Answer::No) {
                return false;
            }
        }
    }
    if (auto refusal = checkOverhangUnbracedLength(criteria, state.member.OHLength)) {
        showRefusal(*refusal, ui);
        return false;
    }

    AppliedLoads& loads = state.loads;
    loads.MomentLoads = 0;
    loads.OHMomentLoads = 0;
    state.member.OHMoment = 0;
    loads.MaxMomentLoads = 0;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromCalculator);

    if (auto notice = deadLoadNotice(criteria, loads)) {
        showNotice(*notice, ui);
    }
    if (auto refusal = checkDeflectionLimits(criteria, loads)) {
        showRefusal(*refusal, ui);
        return false;
    }
    if (auto notice = slopeWithoutLiveLoadNotice(criteria, loads)) {
        showNotice(*notice, ui);
    }
    if (auto refusal = checkLiveAgainstTotal(criteria, loads)) {
        showRefusal(*refusal, ui);
        return false;
    }
    return true;
}

void analyse(BeamCriteria& criteria, BeamState& state, OkCalculateUi& ui)
{
    ui.keepEnteredLoads();
    for (const BoxWrite& write : adjustLoadBoxes(criteria, state)) {
        ui.writeBox(write);
    }
    ui.keepAnalysedLoads();
    ui.showProgressWindow();
    AppliedLoads& loads = state.loads;
    computeLoadTotals(criteria, loads, HipValleyTotals::FromLoadBoxes);
    computeReactions(criteria, loads);
    fillStationTable(criteria, loads, [&ui](int percent) {
        ui.setProgress(percent);
        if (percent == 95) {
            ui.resetCriteriaPointer();
        }
    });
    findGoverningMoments(criteria, loads);
    ui.setProgress(100);
}

void handOff(BeamCriteria& criteria, BeamState& state, OkCalculateUi& ui)
{
    const HandOff target = handOffTarget(criteria);
    switch (target) {
    case HandOff::CustomValues:
        // An SCL product sets its own self weight factor in its test.
        if (criteria.group[8]) {
            state.loads.SelfWeightFactor = 0.243f;
        }
        break;
    case HandOff::Steel:
        // Tubes and plates are taken as braced; written while ChangeGuard still holds the selection.
        if (criteria.TUbutton || criteria.PLbutton || criteria.DblPLbutton) {
            const BoxWrite braced{"UBLtext", -1, "0"};
            criteria.UBLtext = braced.text;
            ui.writeBox(braced);
        }
        state.loads.SelfWeightFactor = 1.0f;
        state.flags.QuickpickMore = 0;
        break;
    case HandOff::Wood:
        state.loads.SelfWeightFactor = 0.243f;
        break;
    }
    ui.handOff(target);
    ui.setProgress(0);
    state.flags.CriteriaLoadedFlag = 0;
}

} // namespace

void OkCalculate(BeamCriteria& criteria, BeamState& state, OkCalculateUi& ui)
{
    platform::leaveOnError(
        [&] {
            captureOptions(criteria, state.flags, ui);
            if (!checkEntries(criteria, state, ui)) {
                return;
            }
            analyse(criteria, state, ui);
            handOff(criteria, state, ui);
        },
        [&ui](const platform::RuntimeError& error) {
            ui.msgBox(error.description(), MsgStyle::Exclamation, "Korvanta Error: Form 1");
        });
    // Released on every way out, not only at the hand-off: the guards exist so that the program's
    // own writes during this click leave the selection alone, and nothing more.
    state.flags.RefillGuard = 0;
    state.flags.ChangeGuard = 0;
}

} // namespace beam
