// A program with a finished beam calculation, the way the member tests and the report form leave the
// shared results, and the data record opened through the criteria form's DataRecord menu as a user
// opens it. The cases set their own criteria and results before opening the record.
#pragma once

#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/headless/Driver.h"
#include "report/Form6.h"

#include <gtest/gtest.h>
#include <string>

namespace recordtest
{

using platform::MsgResult;
using platform::test::Driver;

class RecordTest : public testing::Test
{
  protected:
    // Criteria typed as a user types them.
    void type(platform::TextBox& box, const char* text) { driver.retype(box, text); }

    // A 12 ft simple span of a dry 4x12 (3.5 x 11.25 in) sawn member under 200 plf (100 live), no self
    // weight. Statics: R1 = R2 = wL/2 = 1200 lb, M = wL^2/8 = 3600 ft-lb, V = 1200 lb.
    // Section: S = b d^2 / 6 = 3.5 x 11.25^2 / 6 = 73.83 in^3, A = 39.38 in^2.
    // Fb' = 1000 psi: S req = 3600 x 12 / 1000 = 43.20 in^3, 43.2 / 73.83 = 58.5 %.
    // Fv' = 180 psi: A req = 1.5 V / Fv' = 10.00 in^2; fv = 1.5 x 1200 / 39.375 = 45.7 psi, 45.7 / 180 = 25
    // %. TL deflection 0.30 in against L/240 = 144 / 240 = 0.60 in (ratio 480, 50 %); LL 0.15 in against
    // L/360 = 0.40 in (ratio 960, 37.5 %).
    void simpleSawnBeam()
    {
        type(form1.Span, "12");
        type(form1.UNIF, "200");
        type(form1.LUNIF, "100");
        type(form1.MaxDefl, "240");
        type(form1.LMaxDefl, "360");
        beam::BeamState& b = program.beam;
        b.member.SpanLength = 12;
        b.member.OHLength = 0;
        b.member.UnifTL = 200;
        b.member.UnifLL = 100;
        b.member.BreadthClass = "4x";
        b.member.SectionModulus = 73.828125f;
        b.member.ShearArea = 39.375f;
        b.member.SelfWeight = 0;
        b.member.BeamWeight = 0;
        b.member.R1TL = 1200;
        b.member.R2TL = 1200;
        b.loads.R1LL = 600;
        b.loads.R2LL = 600;
        b.member.MaxMoment = 3600;
        b.member.OHMoment = 0;
        b.member.Fb = 875;
        b.member.FbAdj = 1000;
        b.member.Fv = 180;
        b.member.FvAdj = 180;
        b.member.E = 1.6f;
        b.member.EAdj = 1.6f;
        b.member.CF = 1.1f;
        b.member.Cd = 1.0f;
        b.member.Cr = 1.0f;
        b.member.FcPerp = 625;
        b.member.FcPerpAdj = 625;
        b.shear.SectionModulusReq = 43.2f;
        b.shear.ShearV = 1200;
        b.shear.ShearVReduced = 1012.5f; // w (L/2 - d) = 200 x (6 - 0.9375)
        b.shear.ShearStress = 45.714f;
        b.shear.ShearAreaReq = 10;
        b.deflection.TLDefl = 0.30f;
        b.deflection.TLDeflAllow = 0.60f;
        b.deflection.TLDeflRatio = 480;
        b.deflection.LLDefl = 0.15f;
        b.deflection.LLDeflAllow = 0.40f;
        b.deflection.LLDeflRatio = 960;
        b.deflection.LLDeflCheck = -1;
        b.deflection.DLDefl = 0.15f * 1.5f; // (TL - LL) x creep 1.5
        b.deflection.CreepFactor = 1.5f;
        b.stability.SpanLu = 96;
        b.stability.SpanLe = 198;
        b.stability.SpanRB = 13.48;
        b.stability.SpanKbE = 0.439f;
        b.stability.SpanCL = 0.9876f;
        b.loads.PTTotal = 0;
        b.loads.LPTTotal = 0;
        b.loads.PARTotal = 0;
        b.loads.LPARTotal = 0;
        program.state.SelectionDescription = "4 x 12  #2 Douglas Fir-Larch";
    }

    // Opens the record through Form1's DataRecord menu after the calculation, answering its caution.
    void openRecord()
    {
        program.state.ReportShown = -1;
        program.beam.shear.ShearV = program.beam.shear.ShearV > 0 ? program.beam.shear.ShearV : 1;
        program.form1.MnuDataRecord.setEnabled(true);
        driver.answerMessage(MsgResult::OK);
        driver.menu(form1.MnuDataRecord);
    }

    std::string cap(const char* label) { return program.form6.caption(label); }
    bool shown(const char* label) { return program.form6.label(label).visible(); }

    Driver driver;
    app::Program& program = driver.start<app::Program>();
    app::Form1& form1 = program.form1;
    report::Form6& form6 = program.form6;
};

} // namespace recordtest
