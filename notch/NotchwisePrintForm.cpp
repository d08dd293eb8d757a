// The notch printout: filling the page template from the notch form, printing it label by label with its
// rules, boxes and notch picture, and the print command of the notch form.
#include "notch/NotchwisePrintForm.h"

#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchPictures.h"
#include "notch/NotchValues.h"
#include "notch/StdSizesForm.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace notch
{

namespace num = platform::num;

namespace
{
void exclamation(app::Program& program, const char* text)
{
    program.runtime.msgBox(text, platform::Buttons::OK, platform::Icon::Exclamation, "Korvanta");
}

std::string orNotApplicable(const std::string& text)
{
    return text.empty() ? std::string("n/a") : text;
}
} // namespace

NotchwisePrintForm::NotchwisePrintForm(app::Program& program)
    : Form(program.runtime, "NotchwisePrintForm"), m_program(program)
{}

void NotchwisePrintForm::Form_Load()
{
    app::CenterForm(m_program, *this);
}

void NotchwisePrintForm::Form_Activate()
{
    app::CenterForm(m_program, *this);
}

void NotchwisePrintForm::Form_QueryUnload(bool& cancel, platform::UnloadReason reason)
{
    if (reason != platform::UnloadReason::CloseBox) {
        return;
    }
    if (m_program.runtime.msgBox("Do you wish to exit Notchwise for Notches?", platform::Buttons::OKCancel,
                                 platform::Icon::Question, "Korvanta") != platform::MsgResult::OK) {
        cancel = true;
        return;
    }
    m_program.formNotchwise.unload();
    m_program.stdSizesForm.unload();
    m_program.form1Window.show();
}

void NotchwisePrintForm::NotchwiseLoad()
{
    FormNotchwise& f = m_program.formNotchwise;
    const NotchValues& v = m_program.notchValues;
    platform::leaveOnError(
        [&] {
            Label6.setCaption(f.ProjectNameNW.text());
            Label7.setCaption(f.DescriptionNW.text());
            Label8.setCaption(f.LocationNW.text());
            if (f.DateNW.text().empty()) {
                f.DateNW.setText(num::formatDate(m_program.runtime.clock().now(), "m/d/yy"));
            }
            Label10.setCaption(f.DateNW.text());
            Label44.setCaption(m_program.state.DefaultHeading1);
            Label47.setCaption(m_program.state.DefaultHeading2);
            Label15.setCaption(f.breadthtextbox.text());
            Label16.setCaption(v.NotchMemberCode == 1 ? std::string(" in. Diam.")
                                                      : " x " + f.depthtextbox.text());
            Label5.setCaption(f.MemberListBox.text());
            Label18.setCaption(f.SpecieCombo.text());
            Label12.setCaption(f.MaxVtextbox.text());
            Label14.setCaption(f.NDSyearList.text());
            Label20.setCaption(f.Fvtextbox.text());
            Label22.setCaption(num::format(v.NotchCm, "#0.0##"));
            Label24.setCaption(v.NotchNDSYear >= 2001 ? std::string("n/a")
                                                      : num::format(v.NotchCh, "#0.0##"));
            Label26.setCaption(f.DurListbox.text());
            CvrLabel.setCaption(v.NotchGluLam == -1 ? "0.72" : "n/a");
            Label30.setCaption(orNotApplicable(f.rdTextbox.text()));
            Label34.setCaption(orNotApplicable(f.tTextbox.text()));
            Label36.setCaption(orNotApplicable(f.rpTextbox.text()));
            Label39.setCaption(orNotApplicable(f.eTextbox.text()));
            Label42.setCaption(num::formatText(f.dnTextbox.text(), "#0.00"));
            Label69.setCaption(num::format(num::leadingNumber(f.depthtextbox.text()) -
                                               num::leadingNumber(f.dnTextbox.text()),
                                           "###0.00"));
            if (!f.ImageTensionNotch.visible() && !f.ImageCompressionNotch.visible() &&
                !f.ImageTaperedNotch.visible()) {
                m_program.runtime.msgBox("Error putting diagram on data record", platform::Buttons::OK,
                                         platform::Icon::None, "Notchwise");
            }
            Label49.setCaption(f.AnLabel.caption());
            Label52.setCaption(f.MinSpanLabel.caption());
            Label55.setCaption(f.AngleLabel.caption());
            Label58.setCaption(f.AdjFvLabel.caption());
            // The result is a stress fv or a force Vr' by the notch; its title and unit come with it.
            Label60.setCaption(f.CritLabel.caption());
            Label61.setCaption(f.CriticalfvLabel.caption());
            Label62.setCaption(f.CritPsiLabel.caption());
            Label63.setCaption(f.RatioTitleLabel.caption());
            Label64.setCaption(f.RatioFvLabel.caption());
            Label65.setCaption(f.RatioUnit.caption());
            Label28.setCaption(f.ShearStatusLabel.caption());
            Label68.setCaption(f.DnMinimum.caption());
        },
        [&](const platform::RuntimeError&) {
            exclamation(m_program, "Error at NotchwiseLoad calculation.");
        });
}

void NotchwisePrintForm::PrintNotchRecord()
{
    platform::Printer& printer = m_program.runtime.printer();
    FormNotchwise& f = m_program.formNotchwise;
    platform::leaveOnError(
        [&] {
            // The printout is always Arial 9, whatever the data records' font setting.
            printer.setFontName("Arial");
            printer.setFontSize(9);
            // Centred across the page and an eighth of the free height down.
            printer.setScaleLeft(-(printer.pageWidth() - width()) / 2);
            printer.setScaleTop(-(printer.pageHeight() - height()) / 8);
            printer.setDrawWidth(4);
            Label37.setCaption(m_program.notchValues.NotchPitchInDegrees == -1 ? "degrees" : ":12 pitch");
            for (platform::Control* control : controls()) {
                if (control->kind() == platform::ControlKind::Label) {
                    DrawNotchLabel(static_cast<platform::Label&>(*control));
                }
            }
            printer.line(396, 936, 8748, 936);
            printer.line(396, 2448, 8748, 2448);
            printer.box(396, 3348, 4656, 768);
            printer.box(360, 9288, 8388, 396);
            const char* picture = f.ImageTensionNotch.visible()       ? TensionNotchPicture
                                  : f.ImageCompressionNotch.visible() ? CompressionNotchPicture
                                  : f.ImageTaperedNotch.visible()     ? TaperedNotchPicture
                                                                      : nullptr;
            if (picture != nullptr) {
                printer.paintPicture(picture, 5472, 2916, 2916, 3624);
            }
        },
        [&](const platform::RuntimeError&) { exclamation(m_program, "Error printing."); });
}

void NotchwisePrintForm::DrawNotchLabel(platform::Label& label)
{
    platform::Printer& printer = m_program.runtime.printer();
    platform::leaveOnError(
        [&] {
            if (!label.visible()) {
                return;
            }
            const platform::FontSpec font = label.font();
            printer.setFontBold(font.bold);
            printer.setFontItalic(font.italic);
            printer.setFontUnderline(font.underline);
            const std::string caption = label.caption();
            const double textWidth = printer.textWidth(caption);
            if (label.props().borderStyle == 1) {
                printer.setDrawWidth(4);
                printer.box(label.left(), label.top(), label.width(), label.height());
            }
            double x = label.left();
            if (label.props().alignment == platform::Alignment::Right) {
                x = label.left() + label.width() - textWidth;
            } else if (label.props().alignment == platform::Alignment::Center) {
                x = label.left() + (label.width() - textWidth) / 2;
            }
            printer.setCurrentX(x);
            printer.setCurrentY(label.top());
            printer.print(caption);
        },
        [&](const platform::RuntimeError&) {
            exclamation(m_program, "Error printing Draw-Lable Procedure.");
        });
}

void FormNotchwise::MnuPrintnotch_Click()
{
    platform::Runtime& runtime = m_program.runtime;
    if (m_program.notchValues.NotchResultsValid == 0) {
        runtime.msgBox("Please complete the form and click 'OK Calculate' to generate a report.",
                       platform::Buttons::OK, platform::Icon::None, "Korvanta");
        return;
    }
    NotchwisePrintForm& page = m_program.notchwisePrintForm;
    page.NotchwiseLoad();
    platform::leaveOnError(
        [&] {
            // The device chosen becomes the program's default printer and stays so after printing.
            const auto choice = runtime.printDialog(platform::PrintDialogRequest{}, true);
            platform::Printer& printer = runtime.printer();
            printer.setOrientation(1);
            for (int copy = 0; copy < choice->copies; ++copy) {
                page.PrintNotchRecord();
                printer.endDoc();
            }
        },
        [&](const platform::RuntimeError&) { exclamation(m_program, "Report could not be printed."); });
}

} // namespace notch
