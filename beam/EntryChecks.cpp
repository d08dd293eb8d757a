// The entry checks and load notices of "OK Calculate", in the order the user meets them.
#include "beam/EntryChecks.h"

#include "beam/LoadTotals.h"
#include "platform/core/Number.h"

namespace beam
{

namespace num = platform::num;

namespace
{

const std::string CR(1, LineBreak);

EntryRefusal refuse(std::string message, const char* control, int index = -1,
                    MsgStyle style = MsgStyle::Plain)
{
    return EntryRefusal{std::move(message), style, FocusTarget{control, index}, false};
}

bool anyLoad(const std::string& live, const std::string& total)
{
    return boxValue(live) > 0 || boxValue(total) > 0;
}

std::optional<EntryRefusal> checkSpanAndOptions(const BeamCriteria& c)
{
    const double span = boxValue(c.Span);
    if (c.Span.empty()) {
        return refuse("Please enter a beam Span", "Span");
    }
    if (boxValue(c.UBLtext) > span) {
        return refuse("The unbraced length may not be longer than the span." + CR +
                          "Either increase the span or decrease the unbraced length.",
                      "UBLtext");
    }
    const double duration = boxValue(c.Dur);
    if (duration == 0) {
        return refuse("The Duration of Load default for a normal load is 1.0" + CR +
                          "It may not be zero or empty.  Please click the Duration of Load 'On Line Help' "
                          "button, (the small gray square next to Duration of Load), or see Help.",
                      "Dur", -1, MsgStyle::Exclamation);
    }
    if (duration < 0.9 || duration > 2.0) {
        return refuse("Your Duration of Load entry may be incorrect.  To choose an acceptable factor, click "
                      "the Duration of Load 'On Line Help' button, (the small gray square next to Duration "
                      "of Load), or see Help.",
                      "Dur", -1, MsgStyle::Exclamation);
    }
    if (c.Roofbutton && (c.Pitchtext == "0" || c.Pitchtext.empty())) {
        return refuse("The Slope Adjustment checkbox is checked. Please either uncheck the slope adjustment "
                      "checkbox or enter a PITCH in inches so Korvanta can make the adjustment.",
                      "Pitchtext");
    }
    return std::nullopt;
}

std::optional<EntryRefusal> checkPointLoads(const BeamCriteria& c)
{
    const double span = boxValue(c.Span);
    const int spanPoints = c.OHbutton ? 4 : PointLoadCount;
    for (int i = 0; i < spanPoints; ++i) {
        const double at = boxValue(c.DIS[i]);
        const bool loaded = anyLoad(c.LPT[i], c.PT[i]);
        if (at == 0 && loaded) {
            return refuse("Please enter a Distance from the starting reaction for the Point Load", "DIS", i);
        }
        if (span >= at) {
            if (at > 0 && !loaded) {
                return refuse("Please enter a Load to accompany the distance already entered, or clear the "
                              "distance value",
                              "PT", i);
            }
        } else {
            return refuse("Please enter a point load Distance from the starting reaction that is within the "
                          "span of the beam.",
                          "DIS", i);
        }
    }
    if (c.OHbutton) {
        // Overhang distances are measured from R2 and set the overhang length themselves.
        for (int i = 4; i < PointLoadCount; ++i) {
            if (boxValue(c.DIS[i]) == 0 && anyLoad(c.LPT[i], c.PT[i])) {
                return refuse("Please enter a Distance for the overhang point load", "DIS", i);
            }
        }
    }
    return std::nullopt;
}

std::optional<EntryRefusal> checkPartialLoads(const BeamCriteria& c)
{
    for (int i = 0; i < PartialLoadCount; ++i) {
        const double begin = boxValue(c.BEGP[i]);
        const double end = boxValue(c.ENDP[i]);
        const bool loaded = anyLoad(c.LPAR[i], c.PAR[i]);
        if (end == 0 && loaded) {
            return refuse("Please enter an END location for the Partial Uniform Load", "ENDP", i);
        }
        if (begin >= end && loaded) {
            return refuse("The END of a Partial Uniform load must be BEYOND the Beginning location.", "ENDP",
                          i);
        }
        if ((begin > 0 || end > 0) && boxValue(c.PAR[i]) == 0 && boxValue(c.LPAR[i]) == 0) {
            return refuse(
                "Please enter a Partial Uniform Load or clear the beginning (and/or) ending distances", "PAR",
                i);
        }
    }
    const double span = boxValue(c.Span);
    const int spanPartials = c.OHbutton ? 3 : PartialLoadCount;
    for (int i = 0; i < spanPartials; ++i) {
        if (boxValue(c.ENDP[i]) > span && anyLoad(c.LPAR[i], c.PAR[i])) {
            return refuse(
                "Please enter an End location (for the Partial Uniform Load) that is less than the Span",
                "ENDP", i);
        }
    }
    for (int i = 0; i < PartialLoadCount; ++i) {
        if (boxValue(c.PAR[i]) > 0 && c.BEGP[i].empty()) {
            return refuse(
                "Please enter a ZERO for Partial Uniform loads beginning exactly on the starting Reaction",
                "BEGP", i);
        }
    }
    return std::nullopt;
}

std::optional<EntryRefusal> checkLoadPresence(const BeamCriteria& c)
{
    bool anything = boxValue(c.UNIF) != 0 || boxValue(c.LUNIF) != 0;
    for (int i = 0; i < PointLoadCount; ++i) {
        anything = anything || boxValue(c.PT[i]) != 0 || boxValue(c.LPT[i]) != 0;
    }
    for (int i = 0; i < PartialLoadCount; ++i) {
        anything = anything || boxValue(c.PAR[i]) != 0 || boxValue(c.LPAR[i]) != 0;
    }
    if (!anything) {
        return refuse("At least one load must be specified for Korvanta to calculate a beam size.", "UNIF");
    }
    if (c.OHbutton) {
        bool overhangLoad = false;
        for (int i = 3; i < PartialLoadCount; ++i) {
            overhangLoad = overhangLoad || boxValue(c.PAR[i]) != 0 || boxValue(c.LPAR[i]) != 0;
        }
        for (int i = 4; i < PointLoadCount; ++i) {
            overhangLoad = overhangLoad || boxValue(c.PT[i]) != 0 || boxValue(c.LPT[i]) != 0;
        }
        if (!overhangLoad) {
            return refuse("At least one OVERHANGING load must be specified for Korvanta to calculate an "
                          "overhanging beam.",
                          "PT", 4);
        }
    }
    return std::nullopt;
}

// A deflection limit must read as a whole number text above zero, as the deflection check reads it.
bool isPositiveNumber(const std::string& text)
{
    return num::isNumberText(text) && num::toDouble(text) > 0;
}

const std::string DeadLoadAdvice = "You should check the Dead Load only with a Duration of Load set to 0.9 "
                                   "to see if it is the critical load "
                                   "combination.";

} // namespace

bool asksAreaLoadQuestion(const BeamCriteria& criteria)
{
    return criteria.UNIF.empty() && !criteria.Text2.empty() && !criteria.Tribute.empty();
}

std::string areaLoadQuestion()
{
    return "Did you intend to calculate the Uniform Load PLF using the tributary load and PSF?" + CR + CR +
           "Select YES and Korvanta will calc the uniform load before proceeding.";
}

std::optional<EntryRefusal> checkLoadEntries(const BeamCriteria& criteria)
{
    if (auto refusal = checkSpanAndOptions(criteria)) {
        return refusal;
    }
    if (auto refusal = checkPointLoads(criteria)) {
        return refusal;
    }
    if (auto refusal = checkPartialLoads(criteria)) {
        return refusal;
    }
    return checkLoadPresence(criteria);
}

bool isLongOverhang(const BeamCriteria& criteria, float OHLength)
{
    return criteria.OHbutton && 2 * OHLength > num::toSingle(boxValue(criteria.Span));
}

std::string longOverhangQuestion()
{
    return "The overhang length is greater than half of the backspan length." + CR +
           "Do you wish to proceed with this calculation?" + CR + CR +
           "Please note that Korvanta has difficulty displaying such a long overhang in the loading diagram.";
}

std::optional<EntryRefusal> checkOverhangUnbracedLength(const BeamCriteria& criteria, float OHLength)
{
    if (num::toSingle(boxValue(criteria.CantUBLtext)) > OHLength) {
        return refuse("The overhang's UNBRACED LENGTH may not be longer than the overhang." + CR +
                          "Either increase the overhang or decrease the unbraced length of the overhang.",
                      "CantUBLtext");
    }
    return std::nullopt;
}

std::optional<LoadNotice> deadLoadNotice(const BeamCriteria& criteria, const AppliedLoads& loads)
{
    if (criteria.Dur == "0.90") {
        return std::nullopt;
    }
    if (loads.TotalLiveLoad == 0) {
        return LoadNotice{
            "Attention:  No live loads have been entered, therefore the Total Loads entered will be "
            "treated as only Dead Load." +
                CR + DeadLoadAdvice,
            false};
    }
    if (deadLoadTotal(loads) >= num::toSingle(0.85 * loads.TotalAppliedLoad)) {
        return LoadNotice{
            "Attention:  Your Dead Load is large relative to the total load." + CR + DeadLoadAdvice, false};
    }
    return std::nullopt;
}

std::optional<EntryRefusal> checkDeflectionLimits(const BeamCriteria& criteria, const AppliedLoads& loads)
{
    if (!isPositiveNumber(criteria.MaxDefl)) {
        EntryRefusal refusal = refuse(
            "Please enter a Maximum Allowable TOTAL Load (DL + LL) Deflection value." + CR + CR +
                "See help or click the deflection 'On Line Help' button, (the small gray square next to "
                "'Max Allowable Deflection'), if you need acceptable values.",
            "MaxDefl");
        refusal.resetPointer = true;
        return refusal;
    }
    const bool liveLoads = boxValue(criteria.LUNIF) > 0 || loads.LPARTotal > 0 || loads.LPTTotal > 0;
    if (liveLoads && !isPositiveNumber(criteria.LMaxDefl)) {
        EntryRefusal refusal =
            refuse("Please enter a Maximum Allowable LIVE Load Deflection value." + CR + CR +
                       "See help or click the 'On Line Help' button, (the small gray square next to 'Max "
                       "Allowable Deflection'), if you need acceptable values.",
                   "LMaxDefl");
        refusal.resetPointer = true;
        return refusal;
    }
    return std::nullopt;
}

std::optional<LoadNotice> slopeWithoutLiveLoadNotice(const BeamCriteria& criteria, const AppliedLoads& loads)
{
    if (boxValue(criteria.LUNIF) == 0 && criteria.Roofbutton && loads.LPARTotal == 0 && loads.LPTTotal == 0) {
        return LoadNotice{
            "Slope Adjustment is checked and no live loads are entered. All total loads are assumed "
            "to be entirely Dead Loads and will be increased for the slope of the roof.",
            true};
    }
    return std::nullopt;
}

std::optional<EntryRefusal> checkLiveAgainstTotal(const BeamCriteria& criteria, const AppliedLoads& loads)
{
    const std::string attention = "Attention:" + CR + CR;
    if (loads.TotalAppliedLoad < loads.TotalLiveLoad) {
        EntryRefusal refusal{attention +
                                 "The overall live load is Larger than the overall total load.  Please "
                                 "re-check the load entries.",
                             MsgStyle::Exclamation, std::nullopt, false};
        if (criteria.UNIFEnabled) {
            refusal.focus = FocusTarget{"UNIF", -1};
        }
        return refusal;
    }
    for (int i = 0; i < PointLoadCount; ++i) {
        if (boxValue(criteria.LPT[i]) > boxValue(criteria.PT[i])) {
            return refuse(attention +
                              "A point Live load is Larger than the point Total load.  Please re-check "
                              "your point load entries.",
                          "PT", i, MsgStyle::Exclamation);
        }
    }
    for (int i = 0; i < PartialLoadCount; ++i) {
        if (boxValue(criteria.LPAR[i]) > boxValue(criteria.PAR[i])) {
            return refuse(attention +
                              "A live partial uniform load is larger than a partial uniform total load.  "
                              "Please re-check your load entries.",
                          "PAR", i, MsgStyle::Exclamation);
        }
    }
    if (boxValue(criteria.LUNIF) > boxValue(criteria.UNIF)) {
        EntryRefusal refusal =
            refuse(attention + "The Live uniform load is larger than the Total uniform load.  "
                               "Please re-check your load entries.",
                   "UNIF", -1, MsgStyle::Exclamation);
        refusal.resetPointer = true;
        return refusal;
    }
    return std::nullopt;
}

} // namespace beam
