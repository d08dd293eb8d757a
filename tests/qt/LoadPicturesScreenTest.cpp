// The hips and valleys picture on the Qt host: the leader lines from the captions reach the window as
// painted lines. With KORVANTA_SCREENSHOT_DIR set, the window is also saved there as a PNG to look at.
#include "QtTestSupport.h"
#include "app/Program.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtHost.h"
#include "report/Form16.h"

#include <QApplication>
#include <QImage>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

namespace
{

class LoadPictureScreen : public testing::Test
{
  protected:
    LoadPictureScreen() : host(qttest::freshFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
    }
    ~LoadPictureScreen() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    QImage grab(platform::Form& form, const char* name)
    {
        QApplication::processEvents();
        platform::qt::FormWindow* window = host.window(form);
        EXPECT_TRUE(window != nullptr && window->isVisible()) << form.name();
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

TEST_F(LoadPictureScreen, HipsAndValleysLeadersArePainted)
{
    runtime.dispatch([&] { program->form16.show(); });
    const QImage image = grab(program->form16, "form16-hips-and-valleys");
    ASSERT_FALSE(image.isNull());
    report::Form16& hips = program->form16;
    platform::qt::FormWindow* window = host.window(hips);
    const QPoint origin = window->client()->mapTo(window, QPoint(0, 0));
    // Dark pixels in the 3 x 3 pixels around a point of the client area given in twips.
    auto darkAround = [&](double x, double y) {
        const int px = origin.x() + static_cast<int>(std::lround(x / platform::qt::TwipsPerPixel)),
                  py = origin.y() + static_cast<int>(std::lround(y / platform::qt::TwipsPerPixel));
        int dark = 0;
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                dark += image.valid(px + dx, py + dy) && qGray(image.pixel(px + dx, py + dy)) < 96 ? 1 : 0;
            }
        }
        return dark;
    };
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        const platform::ControlProps& leader = hips.Leader(i).props();
        const platform::ControlProps& tick = hips.LeaderTick(i).props();
        EXPECT_GE(darkAround((leader.x1 + leader.x2) / 2, (leader.y1 + leader.y2) / 2), 2); // a thin line
        EXPECT_GE(darkAround((tick.x1 + tick.x2) / 2, (tick.y1 + tick.y2) / 2), 6);         // a thick one
    }
}

} // namespace
