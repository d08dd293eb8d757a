// The decision on a record file's bytes, per kind: an accepted record with every text filled, so each
// field is read, and a refused one (another kind's marker), which reads no field.
#include "app/DefaultSettingsRecord.h"
#include "columns/StudColumnRecord.h"
#include "files/BeamCriteriaRecord.h"
#include "files/BeamDataRecord.h"
#include "files/ColumnRecordFile.h"
#include "files/CustomPostValuesRecord.h"
#include "files/CustomValuesRecord.h"
#include "notch/NotchRecord.h"
#include "scl/SCLRecords.h"

#include <benchmark/benchmark.h>
#include <string>

namespace
{

template <class Values>
void decide(benchmark::State& state, platform::DecodedRecord<Values> (*decode)(std::span<const std::uint8_t>),
            const platform::Record& record)
{
    if (!decode(record.bytes()).accepted()) {
        state.SkipWithError("the record is refused");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(decode(record.bytes()));
    }
}

template <std::size_t Count> void fill(platform::RecordTexts<Count>& texts, const char* stem)
{
    for (std::size_t i = 0; i < Count; ++i) {
        texts.push_back(stem + std::to_string(i));
    }
}

// A record of the given length, encoded over a zero record.
template <class Values>
platform::Record encoded(std::size_t length, void (*encode)(const Values&, platform::Record&),
                         const Values& v)
{
    platform::Record record(length);
    encode(v, record);
    return record;
}

void DecideBeamCriteria(benchmark::State& state)
{
    files::BeamCriteriaValues v;
    v.project = "Smith Garage";
    v.description = "Door header over the east bay";
    v.heading1 = "Acme Structural Engineers, 12 Mill Road, Springfield";
    v.selectionDescription = "3-1/8 x 12 24F-V4 DF glu-lam";
    v.span = 16;
    v.duration = 1.15f;
    for (std::size_t i = 0; i < v.notes.size(); ++i) {
        v.notes[i] = "Note " + std::to_string(i + 1) + ": verify bearing at both ends before installation";
    }
    decide(state, files::decodeBeamCriteriaRecord,
           encoded(files::CriteriaRecordLength, files::encodeBeamCriteriaRecord, v));
}
BENCHMARK(DecideBeamCriteria);

void DecideBeamData(benchmark::State& state)
{
    files::BeamDataValues v;
    fill(v.labels, "Caption ");
    fill(v.notes, "Note ");
    fill(v.tail, "Tail ");
    fill(v.stability, "Row ");
    decide(state, files::decodeBeamDataRecord,
           encoded(files::DataRecordLength, files::encodeBeamDataRecord, v));
}
BENCHMARK(DecideBeamData);

void DecideWoodColumn(benchmark::State& state)
{
    files::WoodColumnValues v;
    v.marker = 777;
    fill(v.captions, "Caption ");
    fill(v.notes, "Note ");
    decide(state, files::decodeWoodColumnRecord, encoded(1514, files::encodeWoodColumnRecord, v));
}
BENCHMARK(DecideWoodColumn);

void DecideSteelColumn(benchmark::State& state)
{
    files::SteelColumnValues v;
    v.marker = 888;
    fill(v.captions, "Caption ");
    fill(v.notes, "Note ");
    decide(state, files::decodeSteelColumnRecord, encoded(1156, files::encodeSteelColumnRecord, v));
}
BENCHMARK(DecideSteelColumn);

void DecideCustomValues(benchmark::State& state)
{
    files::CustomValues v;
    v.fb = 1350;
    v.e = 1.6f;
    v.species = "Douglas Fir-Larch Select Struc";
    v.class2x = -1;
    decide(state, files::decodeCustomValuesRecord, encoded(66, files::encodeCustomValuesRecord, v));
}
BENCHMARK(DecideCustomValues);

void DecideCustomPostValues(benchmark::State& state)
{
    files::CustomPostValues v;
    v.PostFc = 650;
    v.PostE = 1.3f;
    v.PostSpecies = "Western Red Cedar #1";
    decide(state, files::decodeCustomPostValuesRecord, encoded(38, files::encodeCustomPostValuesRecord, v));
}
BENCHMARK(DecideCustomPostValues);

void DecideSettings(benchmark::State& state)
{
    app::DefaultSettingsRecord r;
    r.Marker = app::DefaultSettingsMarker;
    r.DefHead1 = "Acme Structural Engineers";
    r.FontCombo = "Arial";
    decide(state, app::decodeDefaultSettingsRecord, app::writeDefaultSettings(r));
}
BENCHMARK(DecideSettings);

void DecideSCLValues(benchmark::State& state)
{
    scl::CustomSCLRecord r;
    r.Marker = scl::CustomSCLMarker;
    decide(state, scl::decodeCustomSCLRecord, scl::writeCustomSCL(r));
}
BENCHMARK(DecideSCLValues);

void DecideNotch(benchmark::State& state)
{
    notch::NotchRecordValues v;
    v.projectName = "Barn";
    v.duration = "1.0";
    v.edition = "2018";
    decide(state, notch::decodeNotchRecord, notch::encodeNotchRecord(v));
}
BENCHMARK(DecideNotch);

void DecideStudColumn(benchmark::State& state)
{
    columns::StudColumnValues v;
    v.columnProj = "Warehouse east wall";
    v.spacing = "16";
    v.windA = "20";
    decide(state, columns::decodeStudColumnRecord, columns::encodeStudColumnRecord(v));
}
BENCHMARK(DecideStudColumn);

// Refused on its marker before any field is read.
void DecideRefusedCriteria(benchmark::State& state)
{
    platform::Record record(files::DataRecordLength);
    record.setI16(0, 556);
    for (auto _ : state) {
        benchmark::DoNotOptimize(files::decodeBeamCriteriaRecord(record.bytes()));
    }
}
BENCHMARK(DecideRefusedCriteria);

} // namespace
