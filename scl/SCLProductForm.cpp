// The SCL side of the custom values form: product choice, the two SCL files and the value buttons.
#include "scl/SCLProductForm.h"

#include "app/CriteriaChoices.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "platform/core/Number.h"
#include "platform/core/Record.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "scl/Form2.h"
#include "scl/SCLCatalogue.h"
#include "scl/SCLRecords.h"
#include "scl/SCLValueTable.h"

#include <cmath>

namespace scl
{

namespace num = platform::num;

namespace
{

constexpr const char* Title = "Korvanta";
constexpr const char* CustomInstruction =
    "Type in any valid Korvanta breadth and depth in the format shown.  Select 'OK' to test it.";

void message(app::Program& program, const std::string& text, platform::Icon icon = platform::Icon::None)
{
    program.runtime.msgBox(text, platform::Buttons::OK, icon, Title);
}

std::string trimRight(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) {
        text.pop_back();
    }
    return text;
}

// Values into the boxes in the order Fb, Fv, E, Fc-perp; each write runs the box's own checks.
void showValues(Form2& f2, const SCLValueEntry& v)
{
    f2.Text1.setText(num::numberText(int{v.Fb}));
    f2.Text2.setText(num::numberText(int{v.Fv}));
    f2.Text4.setText(formatE(v.E));
    f2.Text3.setText(num::numberText(int{v.FcPerp}));
}

void showCustom(Form2& f2, const CustomSCLEntry& c)
{
    showValues(f2, c.values);
    f2.Text8.setText(formatExponent(c.exponent));
    f2.Text5.setText(trimRight(platform::cp1252ToUtf8(c.name)));
}

void showExponentBox(Form2& f2, bool shown)
{
    f2.Label30.setVisible(shown);
    f2.Label15.setVisible(shown);
    f2.Text8.setVisible(shown);
}

std::filesystem::path sclFile(app::Program& program, const char* name)
{
    return program.runtime.programFolder() / name;
}

void readDefaultsFile(app::Program& program)
{
    const auto failed = [&program](const platform::RuntimeError&) {
        message(program, "LVL error loading default values");
    };
    const std::filesystem::path path = sclFile(program, SCLDefaultsFileName);
    platform::ReadResult file{platform::Record(SCLDefaultsRecordLength), 0};
    platform::leaveOnError([&] { platform::createIfMissing(path); }, failed);
    platform::leaveOnError([&] { file = platform::readRecord(path, SCLDefaultsRecordLength); }, failed);
    if (file.fileLength == 0) {
        message(
            program,
            "Default SCL values are all currently empty and ready for your input.\rYou simple click 'Load' "
            "for default values or you may enter revised values for each desired product and click 'Save "
            "as Default' button to save the values to your hard drive. The last item you save will be the "
            "first displayed the next time you return to this form. Be sure to keep these values up to date "
            "with the manufacturer's published data.",
            platform::Icon::Information);
        return;
    }
    const auto decoded = decodeSCLDefaultsRecord(file.fileBytes());
    if (!decoded.accepted()) {
        message(program, std::string(decoded.message));
        return;
    }
    SCLValues& table = program.SCLValueTable;
    table.selectedProduct = decoded.values.selectedProduct;
    table.entries = decoded.values.entries;
}

void readCustomFile(app::Program& program)
{
    const auto failed = [&program](const platform::RuntimeError&) {
        message(program, "SCL error loading custom values");
    };
    const std::filesystem::path path = sclFile(program, CustomSCLFileName);
    platform::ReadResult file{platform::Record(CustomSCLRecordLength), 0};
    platform::leaveOnError([&] { platform::createIfMissing(path); }, failed);
    platform::leaveOnError([&] { file = platform::readRecord(path, CustomSCLRecordLength); }, failed);
    if (file.fileLength == 0) {
        return;
    }
    const auto decoded = decodeCustomSCLRecord(file.fileBytes());
    if (!decoded.accepted()) {
        message(program, std::string(decoded.message));
        return;
    }
    // The product saved last is the defaults file's; the custom file's index is not taken over here.
    program.SCLValueTable.custom = decoded.values.custom;
}

} // namespace

std::string formatE(float E)
{
    return num::format(E, "#.0#");
}

std::string formatExponent(float exponent)
{
    std::string text = num::numberText(exponent);
    if (text.size() > 1 && text[0] == '.') {
        text.insert(0, "0");
    }
    return text;
}

void Form2Load(app::Program& program)
{
    Form2& f2 = program.form2;
    app::CenterForm(program, f2);
    f2.SPG.setVisible(false);
    f2.SPG.setValue(0);
    f2.Label33.setVisible(false);
    f2.Label34.setVisible(false);
    f2.Label35.setVisible(false);

    const bool loaded = platform::leaveOnError(
        [&] {
            f2.boisenote.setVisible(false);
            f2.Moresizes.setCaption("");
            for (const SCLProduct& product : SCLCatalogue) {
                f2.Combo1.addItem(product.listText);
            }
            f2.CustomIngradeSP.setVisible(true);
            for (platform::Control* c : std::initializer_list<platform::Control*>{
                     &f2.Button2x, &f2.Button22x, &f2.Button32x, &f2.Button42x, &f2.Label22, &f2.Label23,
                     &f2.Label24, &f2.Label25}) {
                c->setVisible(true);
            }
            for (platform::Control* c : std::initializer_list<platform::Control*>{
                     &f2.Button4x, &f2.Button6x, &f2.button8x, &f2.button10x, &f2.Label26, &f2.Label7,
                     &f2.Label28, &f2.Label21, &f2.but32, &f2.But52, &f2.Label14, &f2.Label31}) {
                c->setVisible(false);
            }
            for (int i = 0; i < 5; ++i) {
                f2.ButG[i].setVisible(false);
                f2.LabG[i].setVisible(false);
            }
            if (!app::SpeciesGroupChosen(program, 7)) {
                return;
            }
            f2.CustomIngradeSP.setVisible(false);
            f2.CustomIngradeSP.setValue(0);
        },
        [&program](const platform::RuntimeError&) {
            message(program, "Error loading Form 2, Load procedure", platform::Icon::Exclamation);
        });
    if (!loaded || !app::SpeciesGroupChosen(program, 7)) {
        return;
    }
    readDefaultsFile(program);
    readCustomFile(program);
}

void Combo1_Click(app::Program& program)
{
    Form2& f2 = program.form2;
    platform::leaveOnError(
        [&] {
            f2.Moresizes.setCaption("");
            showExponentBox(f2, false);
            f2.Text8.setText("");
            const int index = f2.Combo1.listIndex();
            const bool known = isSCLProduct(index);
            f2.LVLname.setCaption(known ? SCLCatalogue[static_cast<std::size_t>(index)].makerLine : "");
            f2.Label33.setVisible(false);
            f2.Label34.setVisible(false);
            f2.Label35.setVisible(false);
            f2.boisenote.setVisible(false);
            if (known) {
                const SCLProduct& product = SCLCatalogue[static_cast<std::size_t>(index)];
                for (int i = 0; i < SCLSlotCount; ++i) {
                    const std::string breadth = product.slots[static_cast<std::size_t>(i)];
                    f2.LVLbut[i].setVisible(!breadth.empty());
                    f2.LVLab[i].setCaption(breadth);
                }
                if (isCustomSCL(index)) {
                    showExponentBox(f2, true);
                    f2.Label33.setVisible(true);
                    f2.Label34.setVisible(true);
                    f2.Label35.setVisible(true);
                    f2.Label20.setCaption(CustomInstruction);
                }
            }
            f2.CmdEnterValues.setDefault(true);
            for (int i = 0; i < SCLSlotCount; ++i) {
                f2.LVLbut[i].setCaption("");
            }
            if (program.state.AutoPrintMode == 0) {
                f2.Text5.setText("");
                f2.Text6.setText("");
                f2.Text7.setText("");
            }
            if (!known) {
                message(program, "Error, not able to load values. form2.combo1");
                return;
            }
            const SCLValues& table = program.SCLValueTable;
            if (isCustomSCL(index)) {
                showCustom(f2, table.custom[static_cast<std::size_t>(index - CustomSCL1)]);
            } else {
                showValues(f2, table.entries[static_cast<std::size_t>(sclEntryIndex(index))]);
            }
        },
        [&program](const platform::RuntimeError&) {
            message(program, "Error at LVL Combo_click at form 2");
        });
}

std::int16_t StoredSCLProduct(app::Program& program)
{
    return program.SCLValueTable.selectedProduct;
}

} // namespace scl
