// "Load" and "Save" of the SCL values on the custom values form.
#include "app/Program.h"
#include "platform/core/Number.h"
#include "platform/core/Record.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "scl/Form2.h"
#include "scl/SCLCatalogue.h"
#include "scl/SCLProductForm.h"
#include "scl/SCLRecords.h"
#include "scl/SCLValueTable.h"

namespace scl
{

namespace num = platform::num;

namespace
{

constexpr const char* Title = "Korvanta";
constexpr const char* ExponentSaveMessage =
    "Please enter a decimal value for the Cf Size factor that is less than one.";

void message(app::Program& program, const std::string& text)
{
    program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::None, Title);
}

void focusIfPossible(platform::Control& control)
{
    if (control.canFocus()) {
        control.setFocus();
    }
}

std::string trimRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.pop_back();
    }
    return text;
}

void showEmptyExponentBox(Form2& f2, bool shown)
{
    f2.Label30.setVisible(shown);
    f2.Label15.setVisible(shown);
    f2.Text8.setVisible(shown);
    f2.Text8.setText("");
}

// "Load" on a custom product: the file's entries into the table, then the selected product's entry
// into the boxes.
void reloadCustom(app::Program& program, int product)
{
    Form2& f2 = program.form2;
    SCLValues& table = program.SCLValueTable;
    const std::filesystem::path path = program.runtime.programFolder() / CustomSCLFileName;
    const platform::ReadResult file = platform::readRecord(path, CustomSCLRecordLength);
    if (const auto decoded = decodeCustomSCLRecord(file.fileBytes()); decoded.accepted()) {
        table.selectedProduct = decoded.values.selectedProduct;
        table.custom = decoded.values.custom;
    }
    // The product chosen in the list decides the entry, whichever custom product was saved last.
    const CustomSCLEntry& entry = table.custom[static_cast<std::size_t>(product - CustomSCL1)];
    f2.Text1.setText(num::numberText(int{entry.values.Fb}));
    f2.Text2.setText(num::numberText(int{entry.values.Fv}));
    f2.Text4.setText(formatE(entry.values.E));
    f2.Text3.setText(num::numberText(int{entry.values.FcPerp}));
    f2.Text8.setText(formatExponent(entry.exponent));
    f2.Text5.setText(trimRight(platform::cp1252ToUtf8(entry.name)));
}

struct SaveCheck
{
    platform::TextBox* box;
    const char* message;
};

// The first empty box (or unusable exponent) refuses the save; true when every check passes.
bool checkSave(app::Program& program, int product)
{
    Form2& f2 = program.form2;
    const bool custom = isCustomSCL(product);
    const SaveCheck checks[] = {
        {&f2.Text1, "Please enter a value for the Fb."},
        {&f2.Text2, "Please enter a value for the Fv."},
        {&f2.Text4, "Please enter a value for the E."},
        {&f2.Text3, "Please enter a value for the Fc."},
    };
    for (const SaveCheck& check : checks) {
        if (check.box->text().empty()) {
            message(program, check.message);
            focusIfPossible(*check.box);
            return false;
        }
    }
    if (custom) {
        // An exponent of 1 or more would let the size factor grow without bound on shallow members.
        const double x = num::leadingNumber(f2.Text8.text());
        if (f2.Text8.text().empty() || !(x >= 0 && x < 1)) {
            message(program, ExponentSaveMessage);
            focusIfPossible(f2.Text8);
            return false;
        }
        if (f2.Text5.text().empty()) {
            message(program,
                    "Please enter the SCL manufacturer's name and grade designation (below) to document "
                    "the member before saving properties.");
            focusIfPossible(f2.Text5);
            return false;
        }
    }
    return true;
}

std::int16_t wholeValue(platform::TextBox& box)
{
    return num::toInt16(num::leadingNumber(box.text()));
}

float singleValue(platform::TextBox& box)
{
    return num::toSingle(num::leadingNumber(box.text()));
}

} // namespace

void LVLLoadDefault_Click(app::Program& program)
{
    Form2& f2 = program.form2;
    const int product = f2.Combo1.listIndex();
    bool reloading = false;
    platform::leaveOnError(
        [&] {
            if (!f2.Text1.text().empty()) {
                message(program,
                        "Your previous values will replaced with the default values.\rVerify with the "
                        "manufacturer that these are the most current values.\r\r To retain these "
                        "values for general use, click on the 'Save' button to save the values to your "
                        "hard drive.");
            }
            showEmptyExponentBox(f2, false);
            if (product == 11) {
                f2.Text1.setText("");
                f2.Text2.setText("");
                f2.Text4.setText("");
                f2.Text3.setText("");
                message(program, "Please note that this product has been discontinued.");
            } else if (isCustomSCL(product)) {
                showEmptyExponentBox(f2, true);
                reloading = true;
                reloadCustom(program, product);
            } else if (isSCLProduct(product)) {
                const SCLBuiltInValues& v = SCLBuiltIn[static_cast<std::size_t>(product)];
                f2.Text1.setText(v.Fb);
                f2.Text2.setText(v.Fv);
                f2.Text4.setText(v.E);
                f2.Text3.setText(v.FcPerp);
            } else {
                f2.Text1.setText("");
                f2.Text2.setText("");
                f2.Text4.setText("");
                f2.Text3.setText("");
                message(program,
                        "No default SCL values could be loaded. Please select Manufacturer/product above.");
            }
        },
        [&](const platform::RuntimeError&) {
            message(program,
                    reloading ? "Error loading Custom SCL values." : "Error loading default SCL values.");
        });
}

void LVLsavedefault_Click(app::Program& program)
{
    Form2& f2 = program.form2;
    const int product = f2.Combo1.listIndex();
    SCLValues& table = program.SCLValueTable;
    if (!isSCLProduct(product)) {
        return;
    }
    bool writingCustom = false;
    platform::leaveOnError(
        [&] {
            if (!checkSave(program, product)) {
                return;
            }
            table.selectedProduct = static_cast<std::int16_t>(product);
            if (!isCustomSCL(product)) {
                SCLValueEntry& e = table.entries[static_cast<std::size_t>(sclEntryIndex(product))];
                e.Fb = wholeValue(f2.Text1);
                e.Fv = wholeValue(f2.Text2);
                e.E = singleValue(f2.Text4);
                e.FcPerp = wholeValue(f2.Text3);
                SCLDefaultsRecord record;
                record.Marker = SCLDefaultsMarker;
                record.selectedProduct = table.selectedProduct;
                record.entries = table.entries;
                platform::writeRecord(program.runtime.programFolder() / SCLDefaultsFileName,
                                      writeSCLDefaults(record));
                message(program, "SCL default values for this product have been saved to hard drive.");
                return;
            }
            CustomSCLEntry& c = table.custom[static_cast<std::size_t>(product - CustomSCL1)];
            c.values.Fb = wholeValue(f2.Text1);
            c.values.Fv = wholeValue(f2.Text2);
            c.values.E = singleValue(f2.Text4);
            c.values.FcPerp = wholeValue(f2.Text3);
            c.exponent = singleValue(f2.Text8);
            std::string name = platform::utf8ToCp1252(f2.Text5.text());
            name.resize(SCLNameWidth, ' ');
            c.name = name;
            CustomSCLRecord record;
            record.Marker = CustomSCLMarker;
            record.selectedProduct = table.selectedProduct;
            record.custom = table.custom;
            writingCustom = true;
            platform::writeRecord(program.runtime.programFolder() / CustomSCLFileName,
                                  writeCustomSCL(record));
            message(program, "SCL Custom values have been saved to hard drive.");
        },
        [&](const platform::RuntimeError&) {
            message(program, writingCustom ? "Error saving your Custom SCL values."
                                           : "Error saving default SCL values.");
        });
}

} // namespace scl
