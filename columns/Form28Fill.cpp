// Filling the stud wall data record at each activation, cell by cell in a fixed order under one trap
// that reports a failing cell and goes on with the next.
#include "app/FormHelpers.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "columns/Form18.h"
#include "columns/Form28.h"
#include "columns/StudCheck.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"

namespace columns
{

namespace num = platform::num;

namespace
{
constexpr std::uint32_t FailColour = platform::rgb(192, 0, 0);
constexpr const char* NoValue = "--";

std::string editionYear(const app::SharedState& s)
{
    if (s.NDS2012 == -1) {
        return "2012";
    }
    if (s.NDS2005 == -1) {
        return "2005";
    }
    if (s.NDS1997 == -1) {
        return "1997";
    }
    if (s.NDS2015 == -1) {
        return "2015";
    }
    if (s.NDS2018 == -1) {
        return "2018";
    }
    return "2001";
}
} // namespace

void Form28::onActivate()
{
    fillRecord();
}

void Form28::fillRecord()
{
    platform::ResumeNext next([this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error loading Wind/Stud Report Form", platform::Buttons::OK,
                                 platform::Icon::None, "Korvanta");
    });
    const StudResults& r = m_program.stud.results;
    const app::SharedState& s = m_program.state;
    Form18& f = m_program.form18;
    auto set = [&](int number, const std::function<std::string()>& text) {
        next([&] { label(number).setCaption(text()); });
    };
    auto number = [](platform::TextBox& box) { return num::leadingNumber(box.text()); };

    next([&] { app::CenterForm(m_program, *this); });
    set(1, [&] { return s.DefaultHeading1; });
    set(2, [&] { return s.DefaultHeading2; });
    set(4, [&] { return f.ColumnProj.text(); });
    set(5, [&] { return f.ColumnDescription.text(); });
    set(6, [&] { return f.columnID.text(); });
    set(13, [&] {
        return f.BreadthCombo.text() + " " + f.DepthCombo.text() + (r.StudCrOn == -1 ? "   " : "  ") +
               f.WindStudCombo.text() + "   @ " + f.WindStudSpacing.text() + " in. o.c.";
    });
    set(11, [&] {
        return "NDS " + editionYear(s) + ", " + (r.StudCrOn == -1 ? "Repetitive Use, " : "") +
               "Wind Duration of Load = " + num::format(r.StudCdWind, "##0.0#") +
               ", Axial Duration of Load = " + num::format(r.StudCdAxial, "##0.0#");
    });

    set(24, [&] { return f.WindStudHt.text(); });
    set(21, [&] { return num::format(number(f.AxialPLFtextbox), "###0"); });
    set(53, [&] { return num::format(r.StudPLFLoad, "###0"); });
    set(57, [&] { return num::format(r.StudPointP, "###0"); });
    set(80, [&] { return num::format(r.StudPointP, "###0"); });
    set(145, [&] { return num::format(r.StudTotalP, "###0"); });
    struct WindRow
    {
        platform::TextBox* box;
        int textCell, perStudCell;
    };
    for (const WindRow& row :
         {WindRow{&f.WindA, 31, 34}, WindRow{&f.WindB, 32, 35}, WindRow{&f.WindC, 33, 36}}) {
        const bool empty = row.box->text().empty();
        set(row.textCell, [&] { return empty ? std::string(NoValue) : row.box->text(); });
        set(row.perStudCell, [&] {
            return empty ? std::string(NoValue)
                         : num::format(number(*row.box) * number(f.WindStudSpacing) / 12, "##0.0");
        });
    }
    const std::pair<platform::TextBox*, int> positions[] = {{&f.BegA, 43},  {&f.BegB, 44}, {&f.BegC, 45},
                                                            {&f.EndA, 131}, {&f.EndB, 47}, {&f.EndC, 48}};
    for (const auto& position : positions) {
        platform::TextBox* box = position.first;
        set(position.second, [&] { return box->text(); });
    }
    for (const auto& position : positions) {
        const int cell = position.second;
        next([&] {
            if (label(cell).caption().empty()) {
                label(cell).setCaption(NoValue);
            }
        });
    }

    set(60, [&] { return num::format(number(f.WindStudHt) * 12, "###0"); });
    set(69, [&] { return num::format(number(f.WindStudHt) * 12, "###0"); });
    set(65, [&] { return num::format(r.StudS, "##0.00"); });
    set(83, [&] { return num::format(r.StudMmax, "###0"); });
    set(63, [&] { return num::format(r.StudArea, "##0.00"); });

    set(116, [&] { return f.WindStudFb.text(); });
    set(117, [&] { return f.WindStudFc.text(); });
    set(118, [&] { return f.WindStudE.text(); });
    set(119, [&] { return num::format(r.StudFbAdj, "###0"); });
    set(120, [&] { return num::format(r.StudFcAdj, "###0"); });
    set(121, [&] { return f.WindStudE.text(); });
    set(122, [&] { return num::numberText(r.StudCFb); });
    set(123, [&] { return num::numberText(r.StudCFc); });
    set(124, [] { return NoValue; });
    set(126, [&] { return num::format(r.StudCdAxial, "##0.00"); });
    set(125, [&] { return num::format(r.StudCdWind, "##0.00"); });
    set(128, [] { return "1.0"; });
    set(129, [&] { return num::format(r.StudCp, "##0.0##"); });
    set(76, [&] { return num::format(r.StudFcE, "###0"); });
    set(138, [&] { return num::format(r.StudFbE, "###0"); });
    set(79, [&] { return num::format(r.StudRB, "###0.0#"); });

    next([&] {
        const bool ibc = r.StudCrOn == -1 && r.StudIBCCr == -1;
        label(133).setCaption(ibc ? num::numberText(r.StudCr) : r.StudCrOn == -1 ? "1.15" : "1.0");
        label(140).setVisible(ibc);
    });
    for (int cell : {127, 130, 134, 135}) {
        set(cell, [] { return NoValue; });
    }

    set(92, [&] { return num::format(r.StudLeD, "###0"); });
    set(93, [&] { return num::format(num::div(r.StudTotalP, r.StudArea), "###0"); });
    set(98, [&] { return num::format(r.StudFbE, "###0"); });
    // With fc at or above FcE the stud buckles under its axial load and the interaction is not formed.
    set(95,
        [&] { return r.StudFcReachesFcE ? std::string(NoValue) : num::format(r.StudInteraction, "#0.00"); });
    set(96, [] { return "50"; });
    set(97, [&] { return num::format(num::div(r.StudAllowP, r.StudArea), "###0"); });
    set(94, [&] { return num::format(r.StudActualFb, "###0"); });

    fillStatus();
    set(136, [&] {
        const bool emin = s.NDS2005 == -1 || s.NDS2012 == -1 || s.NDS2015 == -1 || s.NDS2018 == -1;
        return std::string(emin ? "N/A" : "0.439");
    });
}

// The statuses judge the check's own values, not their rounded texts, so the record and the criteria
// form agree; the ratios are the shown actual over the shown critical value.
void Form28::fillStatus()
{
    platform::ResumeNext next([this](const platform::RuntimeError&) {
        m_program.runtime.msgBox("Error loading Wind/Stud Report Form", platform::Buttons::OK,
                                 platform::Icon::None, "Korvanta");
    });
    const StudResults& r = m_program.stud.results;
    const bool fails[] = {r.StudLeD > 50, r.StudTotalP > r.StudAllowP, r.StudActualFb >= r.StudFbE,
                          r.StudFcReachesFcE || r.StudInteraction > 1.0f};
    const int actual[] = {92, 93, 94, 95};
    const int critical[] = {96, 97, 98, 99};
    for (int i = 0; i < 4; ++i) {
        next([&] {
            platform::Label& cell = label(100 + i);
            cell.setCaption(fails[i] ? "Fails" : "Ok");
            cell.setForeColor(fails[i] ? FailColour : 0);
        });
    }
    for (int i = 0; i < 4; ++i) {
        next([&] {
            const std::string shown = label(actual[i]).caption();
            if (shown == NoValue) {
                label(104 + i).setCaption(NoValue);
                return;
            }
            const double ratio =
                num::div(num::leadingNumber(shown), num::leadingNumber(label(critical[i]).caption())) * 100;
            label(104 + i).setCaption(num::format(ratio, "###0") + " %");
        });
    }
    next([&] { label(49).setCaption(r.StudFails ? "Status: Not Adequate" : "Status: Adequate"); });
}

} // namespace columns
