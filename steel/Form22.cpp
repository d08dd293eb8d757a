// The steel selection form's load, activation and close request.
#include "steel/Form22.h"

#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "beam/BeamUi.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "steel/SteelChecks.h"
#include "steel/SteelState.h"

namespace steel
{

namespace num = platform::num;

namespace
{

constexpr std::uint32_t DarkRed = platform::rgb(128, 0, 0);
constexpr std::uint32_t Black = platform::rgb(0, 0, 0);

// Format example and family name of a family.
struct FamilyLook
{
    const char* format;
    const char* name;
};

} // namespace

Form22::Form22(app::Program& program) : Form(program.runtime, "Form22"), m_program(program) {}

void Form22::Form_Load()
{
    app::CenterForm(m_program, *this);
}

void Form22::Form_Activate()
{
    platform::leaveOnError(
        [&] {
            app::CenterForm(m_program, *this);
            StlPanel.setForeColor(DarkRed);
            StlPanel.setCaption("Testing shear and deflection, one moment please...");
            app::Form1& f1 = m_program.form1;
            if (f1.TUbutton.value()) {
                Label4.setCaption("Depth x Breadth x Wall Thickness");
            } else if (f1.PLbutton.value() || f1.DblPLbutton.value()) {
                Label4.setCaption("(Quantity > 1) - Depth x Breadth");
            } else {
                Label4.setCaption("Depth x Weight");
            }
            const bool twoLines = Label4.caption() != "Depth x Weight";
            Label4.setHeight(twoLines ? 372 : 192);
            Label4.setTop(twoLines ? 168 : 324);
            refresh();
            showFamily();

            SteelState& steel = m_program.steel;
            const std::string depth = f1.DepCombo.text();
            steel.StlMaxDepth = depth == "All" ? 0.75f : num::toSingle(num::leadingNumber(depth) + 0.75);

            const beam::AppliedLoads& loads = m_program.beam.loads;
            // The applied loads without self weight; a zero moment or right reaction shows no digits.
            StlMoment.setCaption("Max Moment = " + num::format(loads.MomentLoads, "#,###") + " ft-lbs");
            StlReac1.setCaption("Reaction 1 = " + num::format(loads.R1Loads, "#,##0"));
            StlReac2.setCaption("Reaction 2 = " + num::format(loads.R2Loads, "#,###"));

            struct Range
            {
                bool chosen;
                std::int16_t first;
                std::int16_t last;
            };
            for (const Range& r :
                 {Range{f1.WFbutton.value(), 0, 153}, Range{f1.SFbutton.value(), 154, 184},
                  Range{f1.CFbutton.value(), 185, 213}, Range{f1.TUbutton.value(), 214, 323},
                  Range{f1.PLbutton.value(), 324, 377}, Range{f1.DblPLbutton.value(), 378, 431},
                  Range{f1.MCbutton.value(), 432, 467}}) {
                if (r.chosen) {
                    steel.StlFirstRow = r.first;
                    steel.StlLastRow = r.last;
                    break;
                }
            }
            SteelTable& table = steel.SteelTable;
            if (f1.WFbutton.value()) {
                LoadWShapeTable1(table);
                LoadWShapeTable2(table);
            } else if (f1.SFbutton.value()) {
                LoadSShapeTable(table);
            } else if (f1.CFbutton.value()) {
                LoadChannelTable(table);
            } else if (f1.MCbutton.value()) {
                LoadMCTable(table);
            } else if (f1.PLbutton.value() || f1.DblPLbutton.value()) {
                LoadPlateTable(table);
            } else {
                LoadTubeTable(table);
            }

            if (StlPick(0).caption().empty()) {
                LoadUp22(m_program);
            }
            showStatus();
            showBracing();
            Morebutton.setEnabled(!StlPick(7).caption().empty() && m_program.beam.flags.QuickpickMore != -1);
            if (m_program.state.AutoPrintMode == -1) {
                StlChoice.setText(steel.SteelSelection);
                CmdOK_Click();
            }
        },
        [this](const platform::RuntimeError&) {
            m_program.runtime.msgBox("Form 22 activate form error", platform::Buttons::OK,
                                     platform::Icon::None, beam::MessageTitle);
        });
}

void Form22::showFamily()
{
    WF.forEach([](int, platform::Line& l) { l.setVisible(false); });
    SF.forEach([](int, platform::Line& l) { l.setVisible(false); });
    CH.forEach([](int, platform::Line& l) { l.setVisible(false); });
    TU.forEach([](int, platform::Line& l) { l.setVisible(false); });
    Line1.setVisible(false);
    Line2.setVisible(false);
    Line3.forEach([](int, platform::Line& l) { l.setVisible(false); });
    Line4.forEach([](int, platform::Line& l) { l.setVisible(false); });

    auto show = [](auto& lines) { lines.forEach([](int, platform::Line& l) { l.setVisible(true); }); };
    FamilyLook look{nullptr, nullptr};
    app::Form1& form1 = m_program.form1;
    if (form1.WFbutton.value()) {
        show(WF);
        look = {"W 8x 18", "Wide flange"};
    } else if (form1.SFbutton.value()) {
        show(SF);
        look = {"S 8x 18.4", "Standard"};
    } else if (form1.CFbutton.value()) {
        show(CH);
        look = {"C 8x 8.5", "Channel"};
    } else if (form1.MCbutton.value()) {
        show(CH);
        look = {"MC 8x 18.75", "Miscellaneous Channel"};
    } else if (form1.TUbutton.value()) {
        show(TU);
        look = {"T 8x 6x 1/4", "Structural Tube"};
    } else if (form1.PLbutton.value() || form1.DblPLbutton.value()) {
        Line1.setVisible(true);
        Line2.setVisible(true);
        show(Line3);
        show(Line4);
        look = {form1.PLbutton.value() ? "PL 9x 5/8" : "(2) PL 9x 5/8", "Plate(s) for flitch beam"};
    }
    if (look.format != nullptr) {
        StlFormatLabel.setCaption(look.format);
        Label6.setCaption(look.name);
    }
}

void Form22::showStatus()
{
    bool anyPick = false;
    for (int i = 0; i < QuickPickPage; ++i) {
        anyPick = anyPick || !StlPick(i).caption().empty();
    }
    const app::SharedState& state = m_program.state;
    if (!anyPick) {
        StlStatis.setForeColor(DarkRed);
        StlStatis.setCaption("No beams from the database meet the requirements");
        return;
    }
    if (state.RestoreSavedSelection) {
        StlStatis.setCaption(m_program.form1.SavePanel.caption());
        StlStatis.setForeColor(Black);
        return;
    }
    std::string caption;
    if (state.SelectionStatus.empty()) {
        caption = "   Selection:  None";
    } else if (state.SelectionStatus == "Fail" || state.SelectionStatus == "OK") {
        caption = " Selection:   " + state.SelectionDescription +
                  (state.SelectionStatus == "OK" ? "   -  Status: OK" : "   -  Status: Fails") +
                  "   -  Date: " + num::formatDate(m_program.runtime.clock().now(), "m/dd/yy");
    } else {
        return;
    }
    StlStatis.setCaption(caption);
    StlStatis.setForeColor(Black);
}

void Form22::showBracing()
{
    app::Form1& form1 = m_program.form1;
    const std::string span = form1.UBLtext.text();
    const std::string overhang = form1.CantUBLtext.text();
    auto braced = [](const std::string& t) { return t == "0" || t.empty(); };
    std::string caption;
    if (form1.TUbutton.value()) {
        caption = "Compression flange lateral support not required";
    } else if (form1.PLbutton.value() || form1.DblPLbutton.value()) {
        caption = "Top loading and full lateral support required";
    } else if (!form1.OHbutton.value() && braced(span)) {
        caption = "Laterally supported compression flange";
    } else if (form1.OHbutton.value() && braced(span) && braced(overhang)) {
        caption = "Laterally supported compression flange";
    } else {
        const bool spanGoverns = num::leadingNumber(overhang) <= num::leadingNumber(span);
        caption = "Proposed Max Unbraced Length is " + (spanGoverns ? span : overhang) + " ft";
    }
    StlPanel.setCaption(caption);
    StlPanel.setForeColor(Black);
}

// The close box asks the exit question and keeps the form when the program goes on.
void Form22::Form_QueryUnload(bool& cancel, platform::UnloadReason unloadMode)
{
    if (unloadMode == platform::UnloadReason::CloseBox) {
        app::ConfirmExit(m_program);
        cancel = true;
    }
}

} // namespace steel
