// Saving and loading the custom post values file. The three entries of the column criteria form are
// the working copy; the file holds one 38-byte record of them.
#include "files/CustomPostFile.h"

#include "app/Program.h"
#include "columns/Form18.h"
#include "files/RecordFile.h"
#include "platform/core/Number.h"
#include "platform/core/RecordFields.h"
#include "platform/forms/Runtime.h"

#include <string>

namespace files
{

namespace
{

namespace num = platform::num;

constexpr const char* Title = "Korvanta";

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

void applyCustomPostValues(app::Program& program, const CustomPostValues& v)
{
    columns::Form18& f = program.form18;
    f.cFcText.setText(num::numberText(static_cast<int>(v.PostFc)));
    f.cEtext.setText(num::format(v.PostE, "#.0"));
    f.ColSpeciesCombo.setText(v.PostSpecies);
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
        encodeCustomPostValuesRecord(v, r);
    };
    runWriter(program, RecordKind::CustomPost, program.recordFiles.CustomPostValuesRecord, steps);
}

void LoadCustomPostValues(app::Program& program)
{
    runLoader(program, RecordKind::CustomPost, program.recordFiles.CustomPostValuesRecord,
              decodeCustomPostValuesRecord,
              [&](const CustomPostValues& values) { applyCustomPostValues(program, values); });
}

} // namespace files
