// The notch printout through the Qt host, offscreen: printed to a PDF file through the print dialog,
// rendered with pdftoppm (poppler-utils), and looked at: one page, ink on the rules, the boxes and the
// captions where the display list puts them.
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "notch/FormNotchwise.h"
#include "notch/NotchValues.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/Printing.h"
#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>

namespace
{

constexpr int Dpi = 100;

double pixels(double twips)
{
    return twips * Dpi / 1440.0;
}

bool dark(const QImage& image, int x, int y)
{
    return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qGray(image.pixel(x, y)) < 128;
}

// Ink anywhere in a small rectangle.
bool inkNear(const QImage& image, double x, double y, int reach = 3)
{
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            if (dark(image, static_cast<int>(x) + dx, static_cast<int>(y) + dy)) {
                return true;
            }
        }
    }
    return false;
}

TEST(NotchPdf, PrintedPageShowsRulesBoxesAndCaptions)
{
    if (std::system("command -v pdftoppm > /dev/null && command -v pdfinfo > /dev/null") != 0) {
        GTEST_SKIP() << "pdftoppm and pdfinfo (poppler-utils) are not installed";
    }
    const auto folder = std::filesystem::temp_directory_path() /
                        ("korvanta-notch-pdf-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto pdf = folder / "notch.pdf";
    {
        platform::qt::QtHost host(folder);
        platform::Runtime runtime(host);
        host.attach(runtime);
        auto program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
        auto& f = program->formNotchwise;
        auto act = [&](platform::Control* control, const std::function<void()>& action) {
            host.userInput(control, action);
        };
        act(nullptr, [&] { runtime.userMenu(program->form1.MnuNotches); });
        act(&f.ProjectNameNW, [&] { runtime.userType(f.ProjectNameNW, "Barn"); });
        act(&f.MaxVtextbox, [&] { runtime.userType(f.MaxVtextbox, "1500"); });
        act(&f.breadthtextbox, [&] { runtime.userType(f.breadthtextbox, "3.5"); });
        act(&f.depthtextbox, [&] { runtime.userType(f.depthtextbox, "11.25"); });
        act(&f.dnTextbox, [&] { runtime.userType(f.dnTextbox, "9.5"); });
        act(&f.OKcalcCmd, [&] { runtime.userClick(f.OKcalcCmd); });
        ASSERT_EQ(program->notchValues.NotchResultsValid, -1);
        if (!platform::qt::installedPrinters().empty()) {
            GTEST_SKIP() << "a printer is installed; the PDF device is chosen in the print dialog then";
        }
        qttest::MessageAnswerer answerer;
        answerer.answerFilesWith(pdf);
        act(&f.PrintCmd, [&] { runtime.userClick(f.PrintCmd); });
        ASSERT_EQ(answerer.answered().size(), 1u); // the file dialog, and no message
        EXPECT_EQ(answerer.answered()[0].text, pdf.string());
        EXPECT_TRUE(runtime.untrappedErrors().empty());
        program.reset();
    }
    ASSERT_TRUE(std::filesystem::exists(pdf));

    const auto info = folder / "info.txt";
    ASSERT_EQ(std::system(("pdfinfo '" + pdf.string() + "' > '" + info.string() + "'").c_str()), 0);
    std::ifstream infoIn(info);
    std::string line, pages;
    while (std::getline(infoIn, line)) {
        if (line.starts_with("Pages:")) {
            pages = line.substr(line.find_last_of(' ') + 1);
        }
    }
    EXPECT_EQ(pages, "1"); // one copy, one page

    const auto stem = folder / "page";
    ASSERT_EQ(std::system(("pdftoppm -r " + std::to_string(Dpi) + " -gray -png '" + pdf.string() + "' '" +
                           stem.string() + "'")
                              .c_str()),
              0);
    QImage page;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".png") {
            page.load(QString::fromStdString(entry.path().string()));
        }
    }
    ASSERT_FALSE(page.isNull());

    // The first rule: the topmost row with a long run of ink. The page margins of the PDF device are the
    // host's; every other position is measured from this rule's left end at layout (396, 936).
    int ruleY = -1, ruleX = -1;
    const int ruleLength = static_cast<int>(pixels(8748 - 396));
    for (int y = 0; y < page.height() && ruleY < 0; ++y) {
        int run = 0;
        for (int x = 0; x < page.width(); ++x) {
            run = dark(page, x, y) ? run + 1 : 0;
            if (run > ruleLength * 9 / 10) {
                ruleY = y;
                ruleX = x - run + 1;
                break;
            }
        }
    }
    ASSERT_GE(ruleY, 0) << "no rule under the header lines";
    auto at = [&](double xTwips, double yTwips) {
        return QPointF(ruleX + pixels(xTwips - 396), ruleY + pixels(yTwips - 936));
    };
    const QPointF secondRule = at(4000, 2448);
    EXPECT_TRUE(inkNear(page, secondRule.x(), secondRule.y())) << "rule under the banner";
    for (const auto& [x, y] : {std::pair{396.0, 3700.0},
                               {5052.0, 3700.0},
                               {2000.0, 3348.0},
                               {2000.0, 4116.0},
                               {360.0, 9480.0},
                               {8748.0, 9480.0},
                               {4000.0, 9288.0},
                               {4000.0, 9684.0}}) {
        const QPointF p = at(x, y);
        EXPECT_TRUE(inkNear(page, p.x(), p.y())) << "box edge at " << x << ", " << y;
    }
    // Captions: ink in the first letters of "Project", "Member Attributes" and the status line.
    for (const auto& [x, y, what] : {std::tuple{650.0, 1290.0, "Project"},
                                     {560.0, 3160.0, "Member Attributes"},
                                     {660.0, 9470.0, "OK  Fv ratio less than 100%"}}) {
        bool ink = false;
        for (double dx = 0; dx < 300 && !ink; dx += 20) {
            const QPointF p = at(x + dx, y);
            ink = inkNear(page, p.x(), p.y(), 2);
        }
        EXPECT_TRUE(ink) << what;
    }
    // Blank paper between the header rule and the project line.
    const QPointF gap = at(4000, 1060);
    EXPECT_FALSE(inkNear(page, gap.x(), gap.y(), 1));
    // The notch picture: ink inside its rectangle at (5472, 2916), 2916 x 3624.
    int pictureInk = 0;
    for (double y = 2916; y < 2916 + 3624; y += 40) {
        for (double x = 5472; x < 5472 + 2916; x += 40) {
            const QPointF p = at(x, y);
            pictureInk += dark(page, static_cast<int>(p.x()), static_cast<int>(p.y()));
        }
    }
    EXPECT_GT(pictureInk, 20);
    page.save(QString::fromStdString(
        (std::filesystem::temp_directory_path() / "korvanta-notch-page.png").string()));
    std::filesystem::remove_all(folder);
}

} // namespace
