// The custom values form's activation: arranged for SCL or custom values, the edition and maker
// lines, the current beam's status, and on the load-and-print path the refill that runs the rest.
#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/Form4.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "scl/CustomValueTables.h"
#include "scl/Form2.h"
#include "scl/SCLProductForm.h"
#include "scl/SCLValueTable.h"

namespace scl
{

namespace num = platform::num;

namespace
{

// With no edition flag set the program runs as NDS 2001, so the label says so.
std::string editionCaption(const app::SharedState& s)
{
    const std::pair<std::int16_t, const char*> editions[] = {
        {s.NDS1997, "Enter NDS 1997 values"}, {s.NDS2012, "Enter NDS 2012 values"},
        {s.NDS2015, "Enter NDS 2015 values"}, {s.NDS2018, "Enter NDS 2018 values"},
        {s.NDS2005, "Enter NDS 2005 values"}, {s.NDS2001, "Enter NDS 2001 values"}};
    for (const auto& [flag, caption] : editions) {
        if (flag == -1) {
            return caption;
        }
    }
    return "Enter NDS 2001 values";
}

} // namespace

void Form2::Form_Activate()
{
    const bool arranged =
        platform::leaveOnError([this] { activateArrangement(); },
                               [this](const platform::RuntimeError&) {
                                   message("Error loading SCL default values.", platform::Icon::Exclamation);
                               });
    if (arranged) {
        activateStatus();
    }
}

void Form2::activateArrangement()
{
    app::CenterForm(m_program, *this);
    const bool scl = sclChosen();
    if (m_program.form1.group[8].value() && WidGLB.value()) {
        SPG.setVisible(true);
    }
    if (scl) {
        NDSlabel.setVisible(false);
        CustomIngradeSP.setVisible(false);
        CustomIngradeSP.setValue(0);
        MnuLoadCustom.setEnabled(false);
        MnuSaveCustom.setEnabled(false);
    } else {
        NDSlabel.setVisible(true);
    }
    NDSlabel.setCaption(editionCaption(m_program.state));

    if (scl) {
        for (platform::Control* c :
             {static_cast<platform::Control*>(&Button2x), static_cast<platform::Control*>(&Button22x),
              static_cast<platform::Control*>(&Button32x), static_cast<platform::Control*>(&Button42x),
              static_cast<platform::Control*>(&Label22), static_cast<platform::Control*>(&Label23),
              static_cast<platform::Control*>(&Label24), static_cast<platform::Control*>(&Label25)}) {
            c->setVisible(false);
        }
        Frame3D2.setVisible(false);
        Frame3D4.setVisible(true);
        Wid2x.setValue(false);
        LVLsavedefault.setVisible(true);
        LVLLoadDefault.setVisible(true);
        SaveVal.setVisible(false);
        LoadVal.setVisible(false);
        // Only once per load: later activations (back from the manual or the notes) keep the
        // user's product and edits, which a new selection would replace with the stored values.
        if (m_program.state.BackFromReport == 0 && m_preselectProduct) {
            const std::int16_t stored = m_program.SCLValueTable.selectedProduct;
            Combo1.setListIndex(stored > 0 ? stored : 0);
        }
        m_preselectProduct = false;
        LVLname.setCaption(std::string{MakerLine(Combo1.listIndex())});
        return;
    }

    Label15.setVisible(false);
    Label30.setVisible(false);
    Text8.setText("");
    Text8.setVisible(false);
    for (int i = 0; i < 5; ++i) {
        LVLab[i].setCaption("");
        LVLbut[i].setVisible(false);
    }
    Frame3D4.setVisible(false);
    Frame3D2.setVisible(true);
    SaveVal.setVisible(true);
    LoadVal.setVisible(true);
    LVLsavedefault.setVisible(false);
    LVLLoadDefault.setVisible(false);
    // The file menu does the work of the two buttons that are shown here again.
    MnuLoadCustom.setEnabled(true);
    MnuSaveCustom.setEnabled(true);
    CustomIngradeSP.setVisible(Wid2x.value() || Wid4x.value());
    if (!Wid2x.value() && !Wid4x.value() && !Wid6x.value() && !WidGLB.value() && !WidGLBHDR.value()) {
        Wid2x.setValue(true);
        CustomIngradeSP.setVisible(true);
    }
}

void Form2::activateStatus()
{
    platform::ResumeNext next([this](const platform::RuntimeError&) {
        message("Error Form2 activate", platform::Icon::Exclamation);
    });
    app::SharedState& s = m_program.state;
    next([&] { m_program.form4.hide(); });
    next([&] {
        if (s.AutoPrintMode != 0 && !(sclChosen() && s.BackFromReport == -1)) {
            Text5.setText("");
            Text6.setText("");
            Text7.setText("");
        }
    });
    next([&] {
        const bool rep = m_program.form1.Rep.checked();
        Wid6x.setEnabled(!rep);
        WidGLB.setEnabled(!rep);
        WidGLBHDR.setEnabled(!rep);
    });
    next([&] { refresh(); });
    next([&] {
        const std::string today = num::formatDate(m_program.runtime.clock().now(), "m/dd/yy");
        if (s.RestoreSavedSelection) {
            CurrentBeamPanel.setCaption(m_program.form1.SavePanel.caption());
        } else if (s.SelectionStatus.empty()) {
            CurrentBeamPanel.setCaption("   Selection:  None");
        } else if (s.SelectionStatus == "Fail") {
            CurrentBeamPanel.setCaption(" Selection: " + s.SelectionDescription + " - Status: Fails" +
                                        " - Date: " + today);
        } else if (s.SelectionStatus == "OK") {
            CurrentBeamPanel.setCaption(" Selection: " + s.SelectionDescription + " - Status: OK" +
                                        " - Date: " + today);
        }
    });
    if (s.AutoPrintMode == -1) {
        refillFromCriteria();
    }
}

} // namespace scl
