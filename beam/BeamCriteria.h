// What the beam analysis reads of the criteria form: box texts as typed, option and check values, and
// the edition flags. The criteria form fills a snapshot before each calculation; fields carry the
// names of the controls they mirror.
#pragma once

#include "beam/BeamState.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace beam
{

struct BeamCriteria
{
    // Header boxes.
    std::string Span;
    std::string UBLtext;
    std::string CantUBLtext;
    std::string Dur = "1.00";
    std::string LMaxDefl = "360";
    std::string MaxDefl = "240";
    std::string Pitchtext;

    // Loads: A (uniform), B..G (point), H..L (partial); live boxes carry an L.
    std::string UNIF;
    std::string LUNIF;
    bool UNIFEnabled = true; // false for hips and valleys, whose uniform frame is disabled
    std::array<std::string, PointLoadCount> PT;
    std::array<std::string, PointLoadCount> LPT;
    std::array<std::string, PointLoadCount> DIS;
    std::array<std::string, PartialLoadCount> PAR;
    std::array<std::string, PartialLoadCount> LPAR;
    std::array<std::string, PartialLoadCount> BEGP;
    std::array<std::string, PartialLoadCount> ENDP;

    // Tributary calculator of load A.
    std::string Text1; // live psf
    std::string Text2; // total psf
    std::string Tribute;

    // Hips and valleys.
    std::string IncLL;
    std::string IncTL;
    std::string IncUnifLL;
    std::string IncUnifTL;
    std::string Trib1;
    std::string Trib2;
    bool CalctheSpan = false;
    std::array<bool, 4> Areas{};

    // Load type.
    bool SimpleSpanbutton = true;
    bool OHbutton = false;
    bool IncButton = false;
    bool Multibutton = false;
    bool TwoSpan = true;
    bool ThreeSpan = false;

    // Species group or material (group(0..9)) and the species list position.
    std::array<bool, 10> group{true};
    int SpeciesListIndex = 0;

    // Steel shape family.
    bool WFbutton = true;
    bool SFbutton = false;
    bool CFbutton = false;
    bool MCbutton = false;
    bool TUbutton = false;
    bool PLbutton = false;
    bool DblPLbutton = false;
    bool ksi50 = false;

    // Design options.
    bool Wet = false;
    bool Incised = false;
    bool Rep = false;
    bool Ctr0 = false;
    bool Ctr12 = false;
    bool Ctr16 = false;
    bool Ctr19 = false;
    bool ctr24 = false;
    bool Roofbutton = false;
    bool Reducechk = true;
    bool INGRADE = true;
    bool NoWeight = false;

    // The custom values form's "Round" option, read where a round member changes the shear factor.
    bool Roundoption = false;

    // Edition flags (-1 chosen); none set means NDS 2001.
    std::int16_t NDS1997 = 0;
    std::int16_t NDS2001 = 0;
    std::int16_t NDS2005 = 0;
    std::int16_t NDS2012 = 0;
    std::int16_t NDS2015 = 0;
    std::int16_t NDS2018 = 0;

    // The selected index of group(), -1 when none is selected.
    int SpeciesGroup() const
    {
        for (int i = 0; i < static_cast<int>(group.size()); ++i) {
            if (group[i]) {
                return i;
            }
        }
        return -1;
    }
    bool continuousTwoSpans() const { return Multibutton && TwoSpan; }
    bool continuousThreeSpans() const { return Multibutton && ThreeSpan; }
    // The Emin rule of the later editions; otherwise (1997, 2001 or no flag) the KbE rule.
    bool usesEminRule() const { return NDS2005 == -1 || NDS2012 == -1 || NDS2015 == -1 || NDS2018 == -1; }
};

// The value of a box as every reader takes it: its leading number, 0 for an empty or non-numeric text.
double boxValue(std::string_view text);

} // namespace beam
