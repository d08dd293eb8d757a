// The loads block of the beam data record: the uniform load line and the table of point and partial
// loads, with an overhanging beam's overhang rows moved up under its backspan rows.
#include "app/CriteriaChoices.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "report/RecordCompose.h"
#include "report/RecordState.h"

#include <array>

namespace report
{

namespace num = platform::num;

namespace
{

// The table's cells by row: point rows 1..6, partial rows 1..5.
constexpr std::array<const char*, 6> PointLL{"Label119", "Label120", "Label121",
                                             "Label122", "Label123", "Label124"};
constexpr std::array<const char*, 6> PointTL{"Label79", "Label80", "Label81",
                                             "Label82", "Label83", "Label84"};
constexpr std::array<const char*, 6> Distance{"Label85", "Label86", "Label87",
                                              "Label88", "Label89", "Label90"};
constexpr std::array<const char*, 5> ParLL{"Label125", "Label126", "Label127", "Label128", "Label129"};
constexpr std::array<const char*, 5> ParTL{"Label91", "Label92", "Label93", "Label94", "Label95"};
constexpr std::array<const char*, 5> Start{"Label96", "Label97", "Label98", "Label99", "Label100"};
constexpr std::array<const char*, 5> End{"Label101", "Label102", "Label103", "Label104", "Label105"};

// The load boxes as the analysis used them; before any calculation, the boxes as they stand.
AnalysedLoads loadTexts(RecordContext& c)
{
    if (c.record.loads.captured) {
        return c.record.loads;
    }
    return loadBoxTexts(c.form1);
}

// An empty box gives an empty cell.
std::string whole(const std::string& box)
{
    return box.empty() ? std::string() : num::format(boxNumber(box), "####");
}

std::string position(const std::string& box)
{
    return box.empty() ? std::string() : num::format(boxNumber(box), "##0.0#");
}

std::string lettered(char letter, const std::string& box, bool overhangMark)
{
    return std::string(1, letter) + " = " + whole(box) + (overhangMark ? "  (OH)" : "");
}

void partialLoads(RecordContext& c, const AnalysedLoads& l, bool oh)
{
    const beam::AppliedLoads& a = c.beam.loads;
    if (a.PARTotal != 0 || a.LPARTotal != 0) {
        c.set("Label74", "Par Unif TL");
        c.set("Label75", "Start");
        c.set("Label76", "End");
        c.show("Label200", true);
        c.set("Label116", a.LPARTotal != 0 ? "Par Unif LL" : "");
        for (std::size_t i = 0; i < 3; ++i) {
            c.set(ParTL[i],
                  boxNumber(l.PAR[i]) != 0 ? lettered(static_cast<char>('H' + i), l.PAR[i], false) : "");
            c.set(ParLL[i], boxNumber(l.LPAR[i]) != 0 ? whole(l.LPAR[i]) : "");
        }
    } else {
        for (const char* name : {"Label74", "Label75", "Label76", "Label116"}) {
            c.set(name, "");
        }
        c.show("Label200", false);
        for (std::size_t i = 0; i < 3; ++i) {
            c.set(ParLL[i], "");
            c.set(ParTL[i], "");
        }
    }
    for (std::size_t i = 3; i < 5; ++i) {
        c.set(ParLL[i], !oh || boxNumber(l.LPAR[i]) > 0 ? whole(l.LPAR[i]) : "");
    }
    for (std::size_t i = 0; i < 5; ++i) {
        c.set(Start[i], position(l.BEGP[i]));
        c.set(End[i], position(l.ENDP[i]));
    }
    for (std::size_t i = 0; i < 5; ++i) {
        if (boxNumber(l.ENDP[i]) > 0 && boxNumber(l.BEGP[i]) == 0) {
            c.set(Start[i], "0");
        }
    }
}

void pointLoads(RecordContext& c, const AnalysedLoads& l, bool oh)
{
    const beam::AppliedLoads& a = c.beam.loads;
    if (a.PTTotal == 0) {
        c.set("Label77", "");
        c.set("Label78", "");
    } else {
        c.show("Label200", true);
        c.set("Label77", "Point TL");
        c.set("Label78", "Distance");
    }
    for (std::size_t i = 0; i < 4; ++i) {
        c.set(PointTL[i],
              boxNumber(l.PT[i]) != 0 ? lettered(static_cast<char>('B' + i), l.PT[i], false) : "");
    }
    for (std::size_t i = 4; i < 6; ++i) {
        const bool filled = oh ? boxNumber(l.PT[i]) > 0 : boxNumber(l.PT[i]) != 0;
        c.set(PointTL[i], filled ? lettered(static_cast<char>('B' + i), l.PT[i], oh) : "");
    }
    for (std::size_t i = 3; i < 5; ++i) {
        const bool filled = oh ? boxNumber(l.PAR[i]) > 0 : boxNumber(l.PAR[i]) != 0;
        c.set(ParTL[i], filled ? lettered(static_cast<char>('H' + i), l.PAR[i], oh) : "");
    }
    if (a.LPTTotal == 0) {
        c.set("Label115", "");
    } else {
        c.set("Label115", "Point LL");
        c.show("Label200", true);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        c.set(PointLL[i], whole(l.LPT[i]));
    }
    for (std::size_t i = 4; i < 6; ++i) {
        c.set(PointLL[i], !oh || boxNumber(l.LPT[i]) > 0 ? whole(l.LPT[i]) : "");
    }
    for (std::size_t i = 0; i < 6; ++i) {
        c.set(Distance[i], position(l.DIS[i]));
    }
}

void uniformLines(RecordContext& c, const AnalysedLoads& l)
{
    const beam::BeamState& b = c.beam;
    const bool hip = app::HipOrValleyChosen(c.program);
    if (b.member.UnifTL > 0 && !hip) {
        c.set("Label73", num::format(b.member.UnifTL, "####") + "  = A");
        c.set("Label72", "Uniform TL:");
    } else if (b.member.UnifTL > 0) {
        c.set("Label73", "TL = " + num::format(b.loads.IncTLTotal, "####"));
        c.set("Label72", "Increasing");
        if (boxNumber(l.IncUnifTL) > 0) {
            c.set("Label79", "Uniform");
            c.set("Label85", "TL = " + whole(l.IncUnifTL));
            if (boxNumber(l.IncUnifLL) > 0) {
                c.set("Label125", "Uniform");
                c.set("Label91", "LL = " + whole(l.IncUnifLL));
            } else {
                c.set("Label125", "");
                c.set("Label91", "");
            }
        } else {
            c.set("Label79", "");
            c.set("Label85", "");
        }
    } else {
        c.set("Label72", "");
        c.set("Label73", "");
    }
    if (b.member.UnifLL > 0 && !hip) {
        c.set("Label118", num::format(b.member.UnifLL, "####"));
        c.set("Label117", "Uniform LL:");
    } else if (b.member.UnifLL > 0) {
        c.set("Label118", "LL = " + num::format(b.loads.IncLLTotal, "####"));
        c.set("Label117", "Increasing");
    } else {
        c.set("Label117", "");
        c.set("Label118", "");
    }
}

// Moves the two overhang rows (the last two of a column group) up to follow the last filled
// backspan row; the rows move as text, marks and all.
template <std::size_t N>
void moveOverhangRows(RecordContext& c, const std::array<const std::array<const char*, N>*, 4>& columns,
                      std::size_t columnCount)
{
    constexpr std::size_t backspanRows = N - 2;
    std::size_t k = 0;
    for (std::size_t row = 0; row < backspanRows; ++row) {
        if (!c.caption((*columns[0])[row]).empty() || !c.caption((*columns[1])[row]).empty()) {
            k = row + 1;
        }
    }
    if (k == backspanRows) {
        return;
    }
    for (std::size_t move = 0; move < 2; ++move) {
        const std::size_t from = backspanRows + move;
        const std::size_t to = k + move;
        for (std::size_t col = 0; col < columnCount; ++col) {
            c.set((*columns[col])[to], c.caption((*columns[col])[from]));
            c.set((*columns[col])[from], "");
        }
    }
}

} // namespace

void ComposeLoads(RecordContext& c)
{
    const AnalysedLoads l = loadTexts(c);
    const bool oh = c.overhang();
    c.set("Label170", c.beam.member.UnifTL > 0 && oh ? "(Uniform Ld on Backspan)" : "");
    partialLoads(c, l, oh);
    pointLoads(c, l, oh);
    uniformLines(c, l);
    if (oh) {
        moveOverhangRows<6>(c, {&PointTL, &PointLL, &Distance, nullptr}, 3);
        moveOverhangRows<5>(c, {&ParTL, &ParLL, &Start, &End}, 4);
    }
}

} // namespace report
