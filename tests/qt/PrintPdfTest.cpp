// A composed beam record with its load diagram printed through the Qt host to a PDF file, the print
// dialog answered as a user answers it; the page is then read back with pdftotext (where the captions
// landed) and rendered with pdftoppm (ink at the rules and label boxes).
#include "PdfWords.h"
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "app/SharedState.h"
#include "beam/BeamState.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/QtHost.h"
#include "report/Form6.h"
#include "report/Form7.h"

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QPrinterInfo>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace
{

// Dark pixels in a small square around a point of the rendered page (points at 144 dpi: 2 px per pt).
bool inkNear(const QImage& page, double xPt, double yPt, int radius = 3)
{
    const int cx = static_cast<int>(xPt * 2), cy = static_cast<int>(yPt * 2);
    for (int y = cy - radius; y <= cy + radius; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            if (page.valid(x, y) && qGray(page.pixel(x, y)) < 128) {
                return true;
            }
        }
    }
    return false;
}

std::filesystem::path freshFolder()
{
    auto folder = std::filesystem::temp_directory_path() /
                  ("korvanta-pdf-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void clickWidget(platform::qt::QtHost& host, platform::Control& control)
{
    auto* button = qobject_cast<QAbstractButton*>(host.widget(control));
    ASSERT_NE(button, nullptr);
    button->click();
}

} // namespace

TEST(QtHostPrint, BeamRecordWithDiagramToPdf)
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
        GTEST_SKIP() << "a printer is installed: the print dialog is the system's, not the PDF file dialog";
    }
    const std::filesystem::path folder = freshFolder();
    const std::filesystem::path pdf = folder / "record.pdf";
    qttest::MessageAnswerer answerer; // message boxes with their default button
    answerer.answerFilesWith(pdf);
    platform::qt::QtHost host(folder);
    platform::Runtime runtime(host);
    host.attach(runtime);
    auto program = std::make_unique<app::Program>(runtime);
    runtime.dispatch([&] { program->start(); });

    // A finished 12 ft simple span of a 4x12 under 200 plf: R = 1200 lb, M = 3600 ft-lb (the headless
    // record tests derive each figure); the notes go with the diagram.
    runtime.dispatch([&] {
        app::Form1& f = program->form1;
        f.Span.setText("12");
        f.UNIF.setText("200");
        f.LUNIF.setText("100");
        beam::BeamState& b = program->beam;
        b.member.SpanLength = 12;
        b.member.UnifTL = 200;
        b.member.UnifLL = 100;
        b.member.BreadthClass = "4x";
        b.member.SectionModulus = 73.83f;
        b.member.ShearArea = 39.38f;
        b.member.R1TL = b.member.R2TL = 1200;
        b.member.MaxMoment = 3600;
        b.member.FbAdj = 1000;
        b.member.FvAdj = 180;
        b.member.FcPerpAdj = 625;
        b.shear.SectionModulusReq = 43.2f;
        b.shear.ShearV = 1200;
        b.shear.ShearStress = 45.7f;
        b.deflection.TLDefl = 0.30f;
        b.deflection.TLDeflAllow = 0.60f;
        b.deflection.LLDeflAllow = 0.40f;
        program->state.SelectionDescription = "4 x 12  #2 Douglas Fir-Larch";
        program->state.ReportShown = -1;
        program->state.ReportNotes[0] = "Nail with 16d at 6 in.";
        f.hide();
        program->form6.show();
    });
    ASSERT_EQ(program->form6.caption("Label61"), "12.0");
    clickWidget(host, program->form6.Command1);
    ASSERT_TRUE(program->form7.visible());
    clickWidget(host, program->form7.CmdPrint);
    QApplication::processEvents();

    ASSERT_TRUE(std::filesystem::exists(pdf));
    int pages = 0;
    const auto words = qttest::wordsOf(pdf, pages);
    EXPECT_EQ(pages, 1);
    ASSERT_TRUE(words.count("Selection") && words.count("Conditions") && words.count("Nail"));
    const qttest::Word selection = words.at("Selection");
    // "Conditions" stands 270 twips (13.5 pt) below "Selection", at the same x.
    EXPECT_NEAR(words.at("Conditions").xMin, selection.xMin, 1.0);
    EXPECT_NEAR(words.at("Conditions").yMin - selection.yMin, 13.5, 1.0);
    // The first note line of the diagram: diagram (1140, 3756) placed at +1470, +9658.1 against the
    // record's "Selection" (240, 810) at +1140, +676.9: 1230 twips (61.5 pt) right, 11927.25 twips
    // (596.4 pt) down.
    EXPECT_NEAR(words.at("Nail").xMin - selection.xMin, 61.5, 1.5);
    EXPECT_NEAR(words.at("Nail").yMin - selection.yMin, 596.4, 1.5);
    ASSERT_TRUE(words.count("SPAN"));
    EXPECT_GT(words.at("SPAN").yMin, selection.yMin + 500); // the diagram lies below the record

    const std::string png = (folder / "page").string();
    ASSERT_EQ(std::system(("pdftoppm -r 144 -png -singlefile '" + pdf.string() + "' '" + png + "'").c_str()),
              0);
    QImage page(QString::fromStdString(png + ".png"));
    ASSERT_FALSE(page.isNull());
    // The top rule at record y 180: 630 twips (31.5 pt) above "Selection"'s top, from 15 twips left of it
    // to 8915 twips (445.75 pt) further right.
    for (const double dx : {50.0, 200.0, 400.0}) {
        EXPECT_TRUE(inkNear(page, selection.xMin + dx, selection.yMin - 31.5)) << dx;
    }
    EXPECT_FALSE(inkNear(page, selection.xMin + 200,
                         selection.yMin - 20)); // white between the rules' band and the header
    // The left side of the selection box Label195: 1164 twips (58.2 pt) right of "Selection", running
    // 300 twips (15 pt) down from 57 twips (2.85 pt) above its top.
    EXPECT_TRUE(inkNear(page, selection.xMin + 58.2, selection.yMin + 5, 2));
    program.reset();
    std::filesystem::remove_all(folder);
}
