// What the data record, its report header form and its printing keep between commands: which record
// kind the report header form serves, the notes answer of the last print, the pending return to the
// criteria form, and the loads of the last calculation as it analysed them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace report
{

// Which record form asked for the report header form (request) and which one it serves (current).
// All clear: the beam data record.
struct RecordTypeFlags
{
    std::int16_t WoodColRequest = 0;
    std::int16_t SteelColRequest = 0;
    bool StudRequest = false;
    std::int16_t WoodColCurrent = 0;
    std::int16_t SteelColCurrent = 0;
    std::int16_t StudCurrent = 0;

    void clear() { *this = RecordTypeFlags{}; }
};

// The load boxes of the criteria form as "OK Calculate" left them after the slope and spacing
// adjustment: the record lists these, not whatever the boxes hold when the record is composed.
struct AnalysedLoads
{
    bool captured = false;
    std::string UNIF, LUNIF;
    std::array<std::string, 6> PT, LPT, DIS;
    std::array<std::string, 5> PAR, LPAR, BEGP, ENDP;
    std::string IncUnifTL, IncUnifLL;
};

struct RecordState
{
    RecordTypeFlags flags;
    std::int16_t IncludeNotesFlag = 0;      // -1: the report notes go on the printout
    std::int16_t CriteriaReturnPending = 0; // -1: Form6 goes on to the criteria form at its activation
    std::int16_t DrawLabelError = 0;        // -1 after a label failed to print
    std::int16_t WoodColRecordLoaded = 0;   // a wood column record file was loaded in this run
    std::int16_t SteelColRecordLoaded = 0;  // a steel column record file was loaded in this run
    AnalysedLoads loads;
};

} // namespace report
