// libFuzzer target of one record file loader (KORVANTA_FUZZ_KIND 1 criteria, 2 custom values, 3 data
// record, 4 wood column record, 5 steel column record, 6 custom post values), run whole in one headless
// program kept across inputs: the dialog, the file, the decision and the apply step. Each input is either
// refused with nothing changed, or accepted as its decode accepts it; a crash, a sanitizer report or a
// changed refusal aborts. Built and run by scripts/fuzz.sh, seeded with the files tests
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

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <span>

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

// The decision the loader is held to: what the kind's decode accepts is applied, anything else changes
// nothing.
bool accepted(std::span<const std::uint8_t> bytes)
{
    switch (Kind) {
    case files::RecordKind::BeamCriteria:
        return files::decodeBeamCriteriaRecord(bytes).accepted();
    case files::RecordKind::CustomValues:
        return files::decodeCustomValuesRecord(bytes).accepted();
    case files::RecordKind::WoodColumn:
        return files::decodeWoodColumnRecord(bytes).accepted();
    case files::RecordKind::SteelColumn:
        return files::decodeSteelColumnRecord(bytes).accepted();
    case files::RecordKind::CustomPost:
        return files::decodeCustomPostValuesRecord(bytes).accepted();
    default:
        return files::decodeBeamDataRecord(bytes).accepted();
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
    const bool accepted =
        ::accepted(std::span<const std::uint8_t>(data, std::min(size, files::recordKind(Kind).length)));

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
