// Saving and loading the custom post values file. The three entries of the column criteria form are
// the working copy; the file holds one 38-byte record of them.
#include "files/CustomPostFile.h"

#include "app/Program.h"
#include "columns/Form18.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/RecordFields.h"
#include "platform/forms/Runtime.h"

#include <cmath>
#include <string>

namespace files
{

namespace
{

namespace num = platform::num;

constexpr std::uint64_t RecordLength = 38;
constexpr const char* Title = "Korvanta";

struct CustomPostValues
{
    std::int16_t PostFc = 0;
    float PostE = 0.0f;
    std::string PostSpecies;
};

// The one field list: the marker at 0 is the pattern's own.
template <typename Fields, typename Values> void walk(const Fields& f, Values& v)
{
    f.i16(2, v.PostFc);
    f.f32(4, v.PostE);
    f.text(8, 30, v.PostSpecies);
}

CustomPostValues readValues(const platform::Record& r)
{
    CustomPostValues v;
    walk(platform::RecordFieldReader{r}, v);
    return v;
}

void show(app::Program& p, const char* message)
{
    p.runtime.msgBox(message, platform::Buttons::OK, platform::Icon::None, Title);
}

// The checks before the dialog; false after the first refusal has been shown.
bool entriesDocumented(app::Program& p)
{
    columns::Form18& f = p.form18;
    auto& combo = f.ColSpeciesCombo;
    if (combo.listCount() > 0 && combo.listIndex() == combo.listCount() - 1) {
        show(p, "Please document your custom species and grade by replacing the word 'Custom' in the species "
                "list box.");
        return false;
    }
    if (f.cFcText.text().empty()) {
        show(p, "Please document your custom species Fc with a value.");
        f.cFcText.setFocus();
        return false;
    }
    if (f.cEtext.text().empty()) {
        show(p, "Please document your custom species E with a value.");
        f.cEtext.setFocus();
        return false;
    }
    if (combo.text().empty()) {
        show(p, "Please document your custom species and grade in the species list box.");
        combo.setFocus();
        return false;
    }
    return true;
}

} // namespace

bool customPostApplicable(const platform::Record& r, std::uint64_t fileLength)
{
    if (fileLength < RecordLength) {
        return false;
    }
    const CustomPostValues v = readValues(r);
    // Below 0.05 the E shows as ".0", which its box empties.
    return v.PostFc > 0 && std::isfinite(v.PostE) && v.PostE >= 0.05f;
}

void SaveCustomPostValues(app::Program& program)
{
    if (!entriesDocumented(program)) {
        return;
    }
    columns::Form18& f = program.form18;
    WriterSteps steps;
    steps.fill = [&f](platform::Record& r) {
        // Whole-text conversions: a text that is no number, or an Fc beyond 16 bits, fails the save.
        CustomPostValues v;
        v.PostFc = num::toInt16(f.cFcText.text());
        v.PostE = num::toSingle(f.cEtext.text());
        v.PostSpecies = f.ColSpeciesCombo.text();
        walk(platform::RecordFieldWriter{r}, v);
    };
    runWriter(program, RecordKind::CustomPost, program.recordFiles.CustomPostValuesRecord, steps);
}

void LoadCustomPostValues(app::Program& program)
{
    columns::Form18& f = program.form18;
    LoaderSteps steps;
    steps.applicable = customPostApplicable;
    steps.restore = [&f](const platform::Record& r) {
        const CustomPostValues v = readValues(r);
        f.cFcText.setText(num::numberText(static_cast<int>(v.PostFc)));
        f.cEtext.setText(num::format(v.PostE, "#.0"));
        f.ColSpeciesCombo.setText(v.PostSpecies);
    };
    runLoader(program, RecordKind::CustomPost, program.recordFiles.CustomPostValuesRecord, steps);
}

} // namespace files
