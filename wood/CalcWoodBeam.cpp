// The wood beam size test: the size in the selection boxes (the custom values form's for custom
// values) is checked, given its net size, design values and factors, and run through the shared beam
// checks. Its steps keep a fixed order; a refusal or stop ends the test, and the results of the later
// steps keep the values of the test before.
#include "wood/CalcWoodBeam.h"

#include "app/BeamCriteriaSnapshot.h"
#include "app/CriteriaChoices.h"
#include "app/OkCalculateForms.h"
#include "app/Program.h"
#include "beam/BeamState.h"
#include "beam/CalcDeflection.h"
#include "beam/CalcMomentShearReduction.h"
#include "beam/CalcStability.h"
#include "beam/Form4.h"
#include "beam/NextSmallerSize.h"
#include "platform/core/Number.h"
#include "platform/core/Traps.h"
#include "platform/forms/Runtime.h"
#include "report/Form5.h"
#include "scl/Form2.h"
#include "wood/AdjustedValues.h"
#include "wood/Form3.h"
#include "wood/IngradeTable.h"
#include "wood/MemberSection.h"
#include "wood/ServiceFactors.h"
#include "wood/SizeEntry.h"
#include "wood/SizeFactors.h"
#include "wood/SizeMessages.h"
#include "wood/SizeTestInputs.h"

namespace wood
{

namespace num = platform::num;

namespace
{

// A box on a hidden form cannot take the focus; the refusal has already said what to mend.
void focusIfPossible(platform::Control& control)
{
    if (control.canFocus()) {
        control.setFocus();
    }
}

class SizeTest
{
  public:
    explicit SizeTest(app::Program& program)
        : m_program(program), m_ui(program), m_criteria(app::readBeamCriteria(program)),
          m_state(program.beam), m_member(program.beam.member)
    {}

    bool run();

  private:
    bool checkEntry(const SizeEntry& entry);
    bool setNetSize(const SizeEntry& entry);
    bool setReferenceValues(const std::string& species);
    bool setSizeAndServiceFactors(const std::string& species);
    void refuse(const std::string& text, platform::Icon icon, bool beep);
    void refuseOnSelectionForm(const std::string& text, platform::Icon icon, platform::Control& focus);
    void refuseOnCustomForm(const std::string& text, platform::Icon icon, platform::Control& focus);

    bool custom() const { return m_criteria.group[8]; }
    bool southernPine() const { return m_criteria.group[5]; }

    app::Program& m_program;
    app::OkCalculateForms m_ui;
    beam::BeamCriteria m_criteria;
    beam::BeamState& m_state;
    beam::MemberUnderTest& m_member;
    CustomOptions m_options;
};

void SizeTest::refuse(const std::string& text, platform::Icon icon, bool beep)
{
    if (beep) {
        m_program.runtime.beep();
    }
    m_program.runtime.msgBox(text, platform::Buttons::OK, icon, beam::MessageTitle);
}

void SizeTest::refuseOnSelectionForm(const std::string& text, platform::Icon icon, platform::Control& focus)
{
    refuse(text, icon, true);
    m_program.form3.setMousePointer(0);
    m_program.form3.show();
    m_program.form4.hide();
    focusIfPossible(focus);
}

void SizeTest::refuseOnCustomForm(const std::string& text, platform::Icon icon, platform::Control& focus)
{
    refuse(text, icon, true);
    m_program.form3.setMousePointer(0);
    m_program.form2.setMousePointer(0);
    m_program.form2.show();
    m_program.form4.hide();
    focusIfPossible(focus);
}

bool SizeTest::checkEntry(const SizeEntry& entry)
{
    wood::Form3& f3 = m_program.form3;
    scl::Form2& f2 = m_program.form2;
    switch (checkSizeEntry(entry)) {
    case EntryRefusal::None:
        return true;
    case EntryRefusal::CustomBreadth:
        refuseOnCustomForm(customBreadthMessage(), platform::Icon::None, f2.Text6);
        return false;
    case EntryRefusal::CustomDepth:
        refuseOnCustomForm(customDepthMessage(), platform::Icon::Information, f2.Text7);
        return false;
    case EntryRefusal::Breadth:
        refuseOnSelectionForm(breadthMessage(), platform::Icon::Information, f3.Text1);
        return false;
    case EntryRefusal::Species:
        refuseOnSelectionForm(speciesMessage(), platform::Icon::Exclamation, f3.Text3);
        return false;
    case EntryRefusal::Depth:
        refuseOnSelectionForm(depthMessage(), platform::Icon::Information, f3.Text2);
        return false;
    }
    return false;
}

bool SizeTest::setNetSize(const SizeEntry& entry)
{
    m_member.FormFactor = 1.0;
    if (m_options.WidGLBHDR || !m_options.Roundoption) {
        const std::optional<NetBreadth> net = netBreadth(entry);
        if (!net) {
            refuse(breadthFormatMessage(), platform::Icon::None, false);
            if (m_options.WidGLBHDR) {
                m_program.form2.setMousePointer(0);
                m_program.form2.show();
                focusIfPossible(m_program.form2.Text6);
            } else {
                focusIfPossible(m_program.form3.Text1);
            }
            return false;
        }
        m_member.BeamBreadth = net->BeamBreadth;
        m_member.BreadthClass = net->BreadthClass;
        return true;
    }
    // A round timber: its diameter is both net dimensions.
    const float diameter = num::toSingle(num::leadingNumber(m_program.form2.Diam.text()));
    m_member.BeamBreadth = diameter;
    m_member.BeamDepth = diameter;
    m_member.BreadthClass = "6x";
    m_member.Cd = num::toSingle(beam::boxValue(m_criteria.Dur));
    m_member.Cr = 1.0f;
    m_member.FormFactor = m_criteria.usesEminRule() ? 1.0 : 1.18;
    return true;
}

bool SizeTest::setReferenceValues(const std::string& species)
{
    beam::MemberUnderTest& m = m_member;
    if (custom()) {
        scl::Form2& f2 = m_program.form2;
        m.Fb = num::toSingle(num::leadingNumber(f2.Text1.text()));
        m.Fv = num::toSingle(num::leadingNumber(f2.Text2.text()));
        m.FcPerp = num::toInt16(num::leadingNumber(f2.Text3.text()));
        m.E = num::toSingle(num::leadingNumber(f2.Text4.text()));
    } else if (m_criteria.INGRADE) {
        const std::optional<IngradeRow> row = findIngradeRow(m.BreadthClass, species);
        if (!row) {
            // A grade without values for this breadth (a glu-lam combination on a 4x) cannot be tested.
            refuseOnSelectionForm(speciesMessage(), platform::Icon::Exclamation, m_program.form3.Text3);
            return false;
        }
        m.Fb = row->Fb;
        m.Fv = m_criteria.NDS1997 == -1 ? row->Fv1997 : row->Fv;
        m.FcPerp = row->FcPerp;
        m.E = num::toSingle(row->E);
    } else {
        m_program.runtime.msgBox(DatabaseErrorMessage, platform::Buttons::OK, platform::Icon::None,
                                 beam::MessageTitle);
        m_program.form3.setMousePointer(0);
        return false;
    }

    if (!custom() && m.BreadthClass == "6x") {
        // Posts and timbers (depth equal to the breadth or 2 in. more) take their own bending value.
        const float b = m.BeamBreadth;
        const float d = m.BeamDepth;
        const bool postOrBeam =
            (b == 5.5f || b == 7.5f || b == 9.5f || b == 11.5f || b == 13.5f) && (d == b || d == b + 2.0f);
        if (postOrBeam) {
            if (const std::optional<std::int16_t> Fb = postTimberFb(species)) {
                m.Fb = *Fb;
            }
        }
    }
    // Deep glu-lam beams bear at most 650 psi across the grain; a value the user typed is theirs.
    if (!custom() && m.BreadthClass == "GLB" && m.BeamDepth > 15.0f && m.FcPerp > 650) {
        m.FcPerp = 650;
    }
    return true;
}

bool SizeTest::setSizeAndServiceFactors(const std::string& species)
{
    beam::MemberUnderTest& m = m_member;
    SizeFactorInput in;
    in.BreadthClass = m.BreadthClass;
    in.BeamBreadth = m.BeamBreadth;
    in.BeamDepth = m.BeamDepth;
    const std::string depth = m_program.form3.Text2.text();
    in.depth = depth;
    in.species = species;
    in.southernPine = southernPine();
    in.customValues = custom();
    const beam::CalcFlags& flags = m_state.flags;
    in.machineOrPineValues = flags.MSRFlag == -1 || flags.MELFlag == -1 || flags.CustomSoPineFlag == -1;
    in.Roundoption = m_options.Roundoption;
    in.Wid6x = m_options.Wid6x;
    in.newerEdition = m_criteria.NDS2012 == -1 || m_criteria.NDS2015 == -1 || m_criteria.NDS2018 == -1;
    const SizeFactorResult f = sizeFactors(in);
    if (!f.CF) {
        // A size without a size factor (a timber breadth by "4") has no bending value to test.
        if (custom()) {
            refuseOnCustomForm(customDepthMessage(), platform::Icon::Information, m_program.form2.Text7);
        } else {
            refuseOnSelectionForm(depthMessage(), platform::Icon::Information, m_program.form3.Text2);
        }
        return false;
    }
    m.CF = *f.CF;
    if (f.CFSmaller) {
        m.CFSmaller = *f.CFSmaller;
    }
    if (f.E) {
        m.E = *f.E;
    }

    ServiceFactorInput s;
    s.BreadthClass = m.BreadthClass;
    s.Fb = m.Fb;
    s.CF = m.CF;
    s.wet = app::WetServiceChosen(m_program);
    s.southernPine = southernPine();
    s.incised = flags.IncisedOption == -1;
    s.nds1997 = m_criteria.NDS1997 == -1;
    const ServiceFactors sf = serviceFactors(s);
    m.CmFb = sf.CmFb;
    m.CmFv = sf.CmFv;
    m.CmFcPerp = sf.CmFcPerp;
    m.CmE = sf.CmE;
    m.CiFb = sf.CiFb;
    m.CiE = sf.CiE;
    m.CiFv = sf.CiFv;
    return true;
}

bool SizeTest::run()
{
    wood::Form3& f3 = m_program.form3;
    beam::CalcFlags& flags = m_state.flags;
    if (custom()) {
        scl::Form2& f2 = m_program.form2;
        f3.Text1.setText(f2.Text6.text());
        f3.Text2.setText(f2.Text7.text());
        f3.Text3.setText(f2.Text5.text());
    }
    m_options = readCustomOptions(m_program.form2);
    const EntryTexts texts = readEntryTexts(m_program, custom());
    const SizeEntry entry = texts.view(custom(), southernPine(), m_options);
    if (!checkEntry(entry) || !setNetSize(entry)) {
        return false;
    }

    beam::MemberUnderTest& m = m_member;
    const bool repetitiveRefused = m.BreadthClass == "6x" || m.BreadthClass == "GLB";
    if (m_criteria.Rep && repetitiveRefused && flags.PretestMode != -1) {
        refuse(repetitiveUseMessage(), platform::Icon::Information, true);
        m_program.form4.hide();
        f3.setMousePointer(0);
        if (custom()) {
            m_program.form2.setMousePointer(0);
            m_program.form2.show();
        } else {
            f3.show();
        }
        return false;
    }
    flags.ContinuousGLB =
        m_criteria.Multibutton && !m_criteria.OHbutton && !m_criteria.IncButton && m.BreadthClass == "GLB"
            ? -1
            : 0;

    const std::string species = f3.Text3.text();
    if (!m_options.Roundoption) {
        IngradeValues(m_program);
    }
    if (!setReferenceValues(species) || !setSizeAndServiceFactors(species)) {
        return false;
    }

    memberSectionAndLoads(m_criteria, m_options.Roundoption, m_state);
    const bool southernPineGluLam = southernPine() || (custom() && m_options.WidGLB && m_options.SPG);
    adjustDesignValues(m_criteria, southernPineGluLam, m_state);
    if (stabilitySkipped(m_criteria, m)) {
        setNeutralStability(m_state.stability);
    } else {
        beam::CalcStability(m_criteria, m_state, m_ui);
    }
    if (zeroFactorProduct(m, m_state.stability)) {
        f3.setMousePointer(0);
        m_program.runtime.msgBox(ZeroValueMessage, platform::Buttons::OK, platform::Icon::Exclamation,
                                 beam::MessageTitle);
        return false;
    }
    m.FbAdj = adjustedBendingValue(m, m_state.stability);

    beam::CalcMomentShearReduction(m_criteria, m_state, m_ui);
    beam::CalcDeflection(m_criteria, m_state, m_ui);
    if (!m_options.Roundoption) {
        beam::NextSmallerSize(m_criteria, m_state, m_ui);
    } else {
        // A round timber always goes on to the report.
        m_program.form2.hide();
        flags.PretestMode = 0;
    }

    if (flags.PretestMode == -1) {
        return true;
    }
    f3.setMousePointer(0);
    f3.hide();
    m_program.form5.show();
    return true;
}

} // namespace

bool CalcWoodBeam(app::Program& program)
{
    bool completed = false;
    platform::leaveOnError([&] { completed = SizeTest(program).run(); },
                           [&program](const platform::RuntimeError& error) {
                               program.runtime.msgBox(error.description(), platform::Buttons::OK,
                                                      platform::Icon::Exclamation, ErrorTrapTitle);
                           });
    return completed;
}

} // namespace wood
