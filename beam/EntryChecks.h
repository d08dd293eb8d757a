// The entry checks of "OK Calculate": each refuses one incomplete or contradictory entry with its
// message and names the box that gets the focus. The load notices inform and let the work go on.
#pragma once

#include "beam/BeamCriteria.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"

#include <optional>
#include <string>

namespace beam
{

// A control of the criteria form; index -1 for a control that is no array element.
struct FocusTarget
{
    std::string control;
    int index = -1;
    bool operator==(const FocusTarget&) const = default;
};

// The first failing check: beep, show the message, move the focus, end the calculation.
struct EntryRefusal
{
    std::string message;
    MsgStyle style = MsgStyle::Plain;
    std::optional<FocusTarget> focus; // empty: the focus stays where it is
    bool resetPointer = false;        // the criteria form's mouse pointer goes back to the default
};

// A notice shown on the way; the calculation goes on after OK.
struct LoadNotice
{
    std::string message;
    bool beep = false;
};

// Asked before the checks when the uniform load is empty but the area load and tributary width are not.
bool asksAreaLoadQuestion(const BeamCriteria& criteria);
std::string areaLoadQuestion();

// Checks 1 to 12: span, unbraced length, duration, pitch, the positions and presence of the loads.
std::optional<EntryRefusal> checkLoadEntries(const BeamCriteria& criteria);

// The overhang is longer than half the backspan: the user is asked whether to go on.
bool isLongOverhang(const BeamCriteria& criteria, float OHLength);
std::string longOverhangQuestion();

// The overhang's unbraced length may not exceed the overhang.
std::optional<EntryRefusal> checkOverhangUnbracedLength(const BeamCriteria& criteria, float OHLength);

// Notice 1 (no live load) or notice 2 (large dead load), from the first load totals.
std::optional<LoadNotice> deadLoadNotice(const BeamCriteria& criteria, const AppliedLoads& loads);

// Checks 15 and 16: each deflection limit must be a positive number by the strict whole-text reading
// that the deflection check applies; the live-load limit only matters when live loads exist.
std::optional<EntryRefusal> checkDeflectionLimits(const BeamCriteria& criteria, const AppliedLoads& loads);

// Notice 3: slope adjustment without any live load.
std::optional<LoadNotice> slopeWithoutLiveLoadNotice(const BeamCriteria& criteria, const AppliedLoads& loads);

// Checks 17 to 20: no live load may exceed its total load.
std::optional<EntryRefusal> checkLiveAgainstTotal(const BeamCriteria& criteria, const AppliedLoads& loads);

} // namespace beam
