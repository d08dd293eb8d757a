// The stud frame and the stud wall data record on the Qt host. The frame lies mostly below the column
// form's edge as designed; for a look at it the test moves it into view. With KORVANTA_SCREENSHOT_DIR set,
// the windows are saved there as PNGs.
#include "app/Form1.h"
#include "app/Program.h"
#include "columns/Form18.h"
#include "columns/Form28.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace
{

std::filesystem::path studFolder()
{
    auto folder = std::filesystem::temp_directory_path() /
                  ("korvanta-qt-stud-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

class StudScreens : public testing::Test
{
  protected:
    StudScreens() : host(studFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
    }
    ~StudScreens() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    QImage grab(platform::Form& form, const char* name)
    {
        QApplication::processEvents();
        platform::qt::FormWindow* window = host.window(form);
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

    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
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

TEST_F(StudScreens, FrameAndRecord)
{
    columns::Form18& f = program->form18;
    runtime.dispatch([&] {
        program->form1.hide();
        f.show();
        f.WindFrame.setVisible(true);
        f.WindFrame.setTop(120);
        f.SetupWindStudSpecies();
        f.AxialPLFtextbox.setText("300");
        f.WindA.setText("20");
        f.EndA.setText("10");
        f.WindStudHt.setText("10");
        f.BreadthCombo.setListIndex(0);
        f.DepthCombo.setListIndex(1);
        f.StudOKCalcbutton_Click();
    });
    EXPECT_GT(distinctColours(grab(f, "stud-frame")), 4);
    runtime.dispatch([&] { f.StudReportbutton_Click(); });
    ASSERT_TRUE(program->form28.visible());
    EXPECT_GT(distinctColours(grab(program->form28, "stud-record")), 2);
}

} // namespace
