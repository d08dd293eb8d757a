// The report form on the Qt host for each kind of member: the window shows the model's arrangement
// (stepping buttons or Previous and Next, overhang columns and advice, the steel size labels). With
// KORVANTA_SCREENSHOT_DIR set, each window is also saved there as a PNG to look at.
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"
#include "report/Form5.h"
#include "report/LoadReportForm.h"
#include "report/MemberTests.h"
#include "scl/Form2.h"
#include "steel/Form22.h"
#include "steel/SteelState.h"
#include "wood/Form3.h"

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace
{

std::filesystem::path reportFolder()
{
    auto folder = std::filesystem::temp_directory_path() /
                  ("korvanta-qt-report-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

class Form5Screens : public testing::Test
{
  protected:
    Form5Screens() : host(reportFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
        program->memberTests.CalcWebBearing = [](app::Program&) {};
        beam::BeamState& b = program->beam;
        b.shear.SectionModulusReq = 58.91f;
        b.member.SectionModulus = 73.83f;
        b.shear.ShearAreaReq = 15;
        b.member.ShearArea = 39.38f;
        b.shear.ShearStress = 68.57f;
        b.member.FvAdj = 180;
        b.deflection.TLDefl = 0.23f;
        b.deflection.TLDeflAllow = 0.6f;
        b.deflection.LLDefl = 0.13f;
        b.deflection.LLDeflAllow = 0.4f;
        b.deflection.LLDeflCheck = -1;
        b.deflection.TLDeflRatio = 623;
        b.deflection.LLDeflRatio = 1089;
        b.deflection.DLDefl = 0.1f;
        b.member.R1TL = b.member.R2TL = 1800;
        b.loads.R1LL = b.loads.R2LL = 1200;
        b.member.BreadthClass = "4x";
    }
    ~Form5Screens() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    // Shows the report for the member the setup leaves and returns the rendered window.
    QImage show(const std::function<void(app::Program&)>& setup, const char* name)
    {
        runtime.dispatch([&] {
            setup(*program);
            program->form1.hide();
            program->form5.show();
        });
        QApplication::processEvents();
        platform::qt::FormWindow* window = host.window(program->form5);
        EXPECT_NE(window, nullptr);
        if (window == nullptr) {
            return {};
        }
        const QImage image = window->grab().toImage();
        if (const char* folder = std::getenv("KORVANTA_SCREENSHOT_DIR")) {
            image.save(QString::fromStdString((std::filesystem::path(folder) / name).string() + ".png"));
        }
        return image;
    }

    bool shown(platform::Control& control)
    {
        QWidget* widget = host.widget(control);
        return widget != nullptr && widget->isVisible();
    }

    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
    // The SCL product list's first run tells about its new values file; nobody is there to answer.
    qttest::MessageAnswerer answerer;
};

int distinctColours(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

void woodSizes(app::Program& p, const char* breadth, const char* depth, const char* species)
{
    p.form3.Text1.setText(breadth);
    p.form3.Text2.setText(depth);
    p.form3.Text3.setText(species);
}

TEST_F(Form5Screens, SawnMember)
{
    const QImage image = show([](app::Program& p) { woodSizes(p, "4x", "12", "DF-L #1"); }, "form5-sawn");
    EXPECT_GT(distinctColours(image), 4);
    report::Form5& f5 = program->form5;
    EXPECT_TRUE(shown(f5.CmdNextSize));
    EXPECT_TRUE(shown(f5.CmdNextWidthDn));
    EXPECT_FALSE(shown(f5.StlBack));
    EXPECT_FALSE(shown(f5.Unbalancedlabel));
}

TEST_F(Form5Screens, OverhangingBeam)
{
    show(
        [](app::Program& p) {
            p.form1.OHbutton.setValue(true);
            woodSizes(p, "6-3/4x", "24", "GLB 24F-V8 DF/DF");
            p.beam.member.BreadthClass = "GLB";
            p.beam.deflection.OHTLDefl = -0.12f;
            p.beam.deflection.OHTLDeflAllow = 0.45f;
            p.beam.deflection.OHLLDefl = -0.08f;
            p.beam.deflection.OHLLDeflAllow = 0.3f;
            p.beam.deflection.OHLLDeflCheck = -1;
        },
        "form5-overhang");
    report::Form5& f5 = program->form5;
    EXPECT_TRUE(shown(f5.Unbalancedlabel));
    EXPECT_TRUE(shown(f5.unbalancedbutton));
    EXPECT_EQ(f5.OHLDeflStatus.caption(), "OK");
}

TEST_F(Form5Screens, NoSplitsMember)
{
    show(
        [](app::Program& p) {
            p.state.NDS1997 = -1;
            p.form1.group(5).setValue(true);
            woodSizes(p, "4x", "10", "So. Pine #1");
            p.beam.shear.ShearStress = 139;
            p.beam.member.FvAdj = 90;
            p.beam.member.SectionModulus = 100;
        },
        "form5-nosplits");
    EXPECT_TRUE(shown(program->form5.NoSplitLabel));
    EXPECT_EQ(program->beam.report.NoSplitsOK, -1);
}

TEST_F(Form5Screens, SclMember)
{
    show(
        [](app::Program& p) {
            p.form1.group(7).setValue(true);
            p.form2.Text5.setText("2.0E LVL");
            p.form2.Text6.setText("(2) 1-3/4x");
            p.form2.Text7.setText("11-7/8");
            p.beam.deflection.TLDefl = 0.7f; // beyond L / 240
        },
        "form5-scl");
    EXPECT_EQ(program->form5.DeflStatus.caption(), "Fail");
    EXPECT_TRUE(program->form5.DeflStatus.emphasis());
    EXPECT_EQ(program->form5.DisplayChoice.caption(), "(2) 1-3/4x 11-7/8  2.0E LVL");
    EXPECT_TRUE(shown(program->form5.CmdNextWidth));
}

TEST_F(Form5Screens, SteelMember)
{
    show(
        [](app::Program& p) {
            p.form1.group(9).setValue(true);
            p.form1.WFbutton.setValue(true);
            p.form22.StlChoice.setText("W 12x 30");
            p.steel.StlBreadthText = "6-1/2";
            p.steel.StlDepthText = "12-3/8";
            p.steel.results.StlUnbracedText = "Lc = 6.9 ft";
            p.beam.flags.SteelBeamFlag = -1;
        },
        "form5-steel");
    report::Form5& f5 = program->form5;
    EXPECT_TRUE(shown(f5.StlBack));
    EXPECT_TRUE(shown(f5.StlForward));
    EXPECT_TRUE(shown(f5.StlBreadthLabel));
    EXPECT_FALSE(shown(f5.CmdNextSize));
}

} // namespace
