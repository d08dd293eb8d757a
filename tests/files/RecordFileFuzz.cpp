// libFuzzer target of one record file loader (KORVANTA_FUZZ_KIND 1 criteria, 2 custom values, 3 data
// record, 4 wood column record, 5 steel column record, 6 custom post values), run whole in one headless
// program kept across inputs. Each input is either refused with nothing changed, or accepted; a crash, a
// sanitizer report or a changed refusal aborts. Built and run by scripts/fuzz.sh, seeded with the files tests
// write to tests/data/files.
#include "FormSnapshots.h"
#include "app/Form1.h"
#include "app/SharedState.h"
#include "columns/Form18.h"
#include "columns/Form19.h"
#include "columns/Form23.h"
#include "files/BeamCriteriaFile.h"
#include "files/BeamDataRecordFile.h"
#include "files/ColumnRecordFile.h"
#include "files/CustomPostFile.h"
#include "files/CustomValuesFile.h"
#include "files/RecordFile.h"
#include "files/RecordKinds.h"
#include "platform/forms/Runtime.h"
#include "platform/headless/Driver.h"
#include "report/Form6.h"
#include "report/Form7.h"
#include "report/RecordState.h"
#include "scl/Form2.h"

#include <cstdlib>
#include <fstream>

namespace
{

using platform::test::Driver;

struct Harness
{
    Driver driver;
    app::Program& program = driver.start<app::Program>();
    std::filesystem::path file = driver.folder() / "input.rec";
};

Harness& harness()
{
    static Harness h;
    return h;
}

#if KORVANTA_FUZZ_KIND == 1
constexpr files::RecordKind Kind = files::RecordKind::BeamCriteria;
#elif KORVANTA_FUZZ_KIND == 2
constexpr files::RecordKind Kind = files::RecordKind::CustomValues;
#elif KORVANTA_FUZZ_KIND == 4
constexpr files::RecordKind Kind = files::RecordKind::WoodColumn;
#elif KORVANTA_FUZZ_KIND == 5
constexpr files::RecordKind Kind = files::RecordKind::SteelColumn;
#elif KORVANTA_FUZZ_KIND == 6
constexpr files::RecordKind Kind = files::RecordKind::CustomPost;
#else
constexpr files::RecordKind Kind = files::RecordKind::BeamData;
#endif

bool applicable(const platform::Record& record, std::uint64_t length)
{
    switch (Kind) {
    case files::RecordKind::BeamCriteria:
        return files::criteriaRecordApplicable(record, length);
    case files::RecordKind::CustomValues:
        return files::customValuesApplicable(record, length);
    case files::RecordKind::WoodColumn:
    case files::RecordKind::SteelColumn:
        return length >= files::recordKind(Kind).length; // only captions: any whole record is taken
    case files::RecordKind::CustomPost:
        return files::customPostApplicable(record, length);
    default:
        return files::dataRecordApplicable(record, length);
    }
}

void load(app::Program& p)
{
    switch (Kind) {
    case files::RecordKind::BeamCriteria:
        p.runtime.dispatch([&] { p.form1.MnuLoadBeam.click.raise(); });
        break;
    case files::RecordKind::CustomValues:
        p.runtime.dispatch([&] { files::LoadCustomValues(p); });
        break;
    case files::RecordKind::WoodColumn:
        p.runtime.dispatch([&] { files::LoadWoodColumnRecord(p); });
        break;
    case files::RecordKind::SteelColumn:
        p.runtime.dispatch([&] { files::LoadSteelColumnRecord(p); });
        break;
    case files::RecordKind::CustomPost:
        p.runtime.dispatch([&] { files::LoadCustomPostValues(p); });
        break;
    default:
        p.runtime.dispatch([&] { files::LoadDataRecord(p); });
        break;
    }
}

// What the kind's loader may touch.
std::string everything(app::Program& p)
{
    switch (Kind) {
    case files::RecordKind::BeamCriteria:
        return filetest::snapshot(p.form1) + filetest::snapshot(p.form7) + filetest::stateSnapshot(p);
    case files::RecordKind::CustomValues:
        return filetest::snapshot(p.form1) + filetest::snapshot(p.form2) + filetest::stateSnapshot(p);
    case files::RecordKind::WoodColumn:
        return filetest::snapshot(p.form19) + filetest::stateSnapshot(p) +
               std::to_string(p.record.WoodColRecordLoaded);
    case files::RecordKind::SteelColumn:
        return filetest::snapshot(p.form23) + filetest::stateSnapshot(p) +
               std::to_string(p.record.SteelColRecordLoaded);
    case files::RecordKind::CustomPost: // the criteria form alone, and none of the others
        return filetest::snapshot(p.form18) + filetest::snapshot(p.form1) + filetest::snapshot(p.form2) +
               filetest::stateSnapshot(p);
    default:
        return filetest::snapshot(p.form6) + filetest::stateSnapshot(p);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Harness& h = harness();
    {
        std::ofstream out(h.file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    const files::RecordKindInfo& info = files::recordKind(Kind);
    platform::Record record(info.length);
    for (std::size_t i = 0; i < std::min(size, info.length); ++i) {
        record.bytes()[i] = data[i];
    }
    const bool accepted = size >= 2 && files::acceptsMarker(info, record.i16(0)) && applicable(record, size);

    app::Program& p = h.program;
    const std::string before = accepted ? std::string() : everything(p);
    h.driver.clearMessages();
    h.driver.host().clearFileDialogs();
    h.driver.answerFile(h.file);
    load(p);
    if (!accepted && everything(p) != before) {
        std::abort();
    }
    // A column record load leaves its outcome in its flag: 0 after a load, -1 after anything else.
    const std::int16_t* failed = Kind == files::RecordKind::WoodColumn    ? &p.recordFiles.WoodColLoadFailed
                                 : Kind == files::RecordKind::SteelColumn ? &p.recordFiles.SteelColLoadFailed
                                                                          : nullptr;
    if (failed != nullptr && *failed != (accepted ? 0 : -1)) {
        std::abort();
    }
    if (p.state.ChangeGuard != 0 || p.state.CriteriaSaveGuard != 0) {
        std::abort();
    }
    return 0;
}
