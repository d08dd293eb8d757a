// The load location diagram drawn at load from the criteria form's span, load type and loads: the
// span is always 5205 twips long from x = 1200, and every position along it is scaled to that.
#include "report/Form11.h"

#include "app/Form1.h"
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/RecordState.h"

#include <algorithm>

namespace report
{

namespace num = platform::num;

Form11::Form11(app::Program& program) : Form(program.runtime, "Form11"), m_program(program) {}

void Form11::Form_Load()
{
    platform::leaveOnError([&] { drawDiagram(); },
                           [&](const platform::RuntimeError& e) {
                               m_program.runtime.msgBox(e.description(), platform::Buttons::OK,
                                                        platform::Icon::Exclamation,
                                                        "Error in loading or location entry, form 11 load.");
                           });
}

void Form11::drawDiagram()
{
    app::Program& p = m_program;
    app::Form1& f = p.form1;
    app::CenterForm(p, *this);
    if (p.record.IncludeNotesFlag == -1) {
        platform::Label* lines[] = {&Label5, &Label8, &Label9, &Label10, &Label11, &Label13, &Label14};
        bool any = false;
        for (std::size_t i = 0; i < std::size(lines); ++i) {
            lines[i]->setCaption(p.state.ReportNotes[i]);
            any = any || !p.state.ReportNotes[i].empty();
        }
        Label12.setCaption(any ? "Notes" : "");
        if (f.Span.text().empty()) {
            return;
        }
    }
    DiagramOrigin = 1200;
    DiagramSpanWidth = 5205;
    beam::MemberUnderTest& m = p.beam.member;
    m.SpanLength = num::toSingle(f.Span.text());
    const bool oh = f.OHbutton.value();
    const bool multi = f.Multibutton.value();
    const bool hip = f.IncButton.value();
    if (oh) {
        m.OHLength = static_cast<float>(
            std::max({num::leadingNumber(f.DIS(4).text()), num::leadingNumber(f.DIS(5).text()),
                      num::leadingNumber(f.ENDP(3).text()), num::leadingNumber(f.ENDP(4).text())}));
    } else {
        m.OHLength = 0;
    }
    DiagramOHWidth = num::toInt16(num::div(m.OHLength, num::toDouble(f.Span.text())) * 5205);

    if (oh) {
        Label4.setCaption("OH = " + num::numberText(m.OHLength) + " FT");
        Label1.setWidth(num::toInt16(static_cast<double>(DiagramOHWidth) + DiagramSpanWidth));
        Label3.setCaption("BACKSPAN = " + f.Span.text() + " FT");
    } else if (multi) {
        Label4.setCaption("");
        Label3.setCaption("EACH SPAN = " + f.Span.text() + " FT");
    } else {
        Label4.setCaption("");
        Label3.setCaption("SPAN = " + f.Span.text() + " FT");
    }

    if (oh) {
        Loadinfo.setCaption(
            "Uniform and partial uniform loads are lbs per lineal ft.  Overhanging load distances "
            "are from R2.");
    } else if (hip) {
        Loadinfo.setCaption(
            "The Increasing load is total pounds on the beam. Beam weight and any uniform load is "
            "PLF." +
            std::string(25, ' '));
    } else if (multi) {
        Loadinfo.setCaption("Uniform load is lbs per lineal ft." + std::string(24, ' '));
    } else {
        Loadinfo.setCaption("Uniform and partial uniform loads are lbs per lineal ft." +
                            std::string(24, ' '));
    }

    Label6.setCaption("R1 = " + num::format(m.R1TL, "###0"));
    const std::string r2 = "R2 = " + num::format(m.R2TL, "####");
    const bool three = multi && f.ThreeSpan.value();
    const bool two = multi && f.TwoSpan.value();
    Label7.setCaption(three ? "R4" : two ? "R3" : r2);
    Label15.setVisible(three);
    if (three) {
        Label15.setCaption(r2);
    }
    Label16.setVisible(two);
    if (two) {
        Label16.setCaption(r2);
    }
    Label17.setVisible(three);
    for (platform::Line* line : {&Line7, &Line8, &Line9}) {
        line->setVisible(two);
    }
    for (platform::Line* line : {&Line10, &Line11, &Line12, &Line13, &Line14, &Line15}) {
        line->setVisible(three);
    }
    Label18.setCaption(three ? "NOTE: R1=R4 and R2=R3" : two ? "NOTE: R1=R3" : "");

    const double unif = num::leadingNumber(f.UNIF.text());
    UnifLabel.setVisible(unif > 0 && !hip);
    bool anyPoint = false;
    for (int i = 0; i < 6; ++i) {
        anyPoint = anyPoint || !f.PT(i).text().empty();
    }
    Label2.setCaption(anyPoint ? "Pt loads:" : "");

    auto scaled = [&](double feet) {
        return num::div(feet, m.SpanLength) * DiagramSpanWidth + DiagramOrigin;
    };
    for (int i = 0; i < 5; ++i) {
        platform::Label& box = ParLab(i);
        if (f.PAR(i).text().empty()) {
            box.setVisible(false);
            continue;
        }
        const double left = scaled(num::toSingle(f.BEGP(i).text()));
        const double width = scaled(num::toSingle(f.ENDP(i).text())) - left;
        box.setLeft(left);
        box.setWidth(width);
        box.setVisible(true);
    }
    if (oh) {
        ParLab(3).setLeft(ParLab(3).left() + DiagramSpanWidth);
        ParLab(4).setLeft(ParLab(4).left() + DiagramSpanWidth);
        ParLab(3).setTop(1890);
        ParLab(4).setTop(1620);
    }
    for (int i = 0; i < 6; ++i) {
        platform::Label& box = PtLab(i);
        if (f.PT(i).text().empty()) {
            box.setVisible(false);
        } else {
            box.setLeft(scaled(num::toSingle(f.DIS(i).text())) - 100);
        }
    }
    if (oh) {
        for (int i = 4; i < 6; ++i) {
            platform::Label& box = PtLab(i);
            box.setLeft(box.left() + 5205);
            if (static_cast<float>(num::leadingNumber(f.DIS(i).text())) == m.OHLength) {
                box.setLeft(box.left() - 115);
            }
        }
    }
    for (int i = 0; i < 6; ++i) {
        PtLab(i).setTop(2190);
    }
    if (unif == 0) {
        for (int i = 0; i < 5; ++i) {
            if (i < 3 || !oh) {
                ParLab(i).setTop(ParLab(i).top() + 270);
            }
        }
    }
}

void Form11::Command3D1_Click()
{
    hide();
    unload();
    m_program.form1.refresh();
}

} // namespace report
