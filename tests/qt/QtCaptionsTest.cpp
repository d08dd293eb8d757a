// No caption is clipped: every control of every form the program owns, measured in the font the Qt
// host draws it with, fits the room its control gives it. Forms added later are walked too.
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Program.h"
#include "platform/forms/Control.h"
#include "platform/forms/Form.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/CaptionFit.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/QtHost.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <memory>

namespace
{

std::string describe(const platform::Control& control)
{
    std::string name = control.form().name() + "." + control.name();
    if (control.index() >= 0) {
        name += "(" + std::to_string(control.index()) + ")";
    }
    return name;
}

// Measures every caption of the form as the host shows it now; returns how many were measured.
int checkCaptions(platform::qt::QtHost& host, platform::Form& form)
{
    platform::qt::FormWindow window(host, form);
    window.syncAll();
    int measured = 0;
    for (platform::Control* control : form.controls()) {
        QWidget* widget = window.widget(*control);
        const auto room = widget == nullptr ? std::nullopt : platform::qt::captionRoom(widget, *control);
        if (!room) {
            continue;
        }
        ++measured;
        const QFontMetrics metrics(widget->font());
        const int lineWidth = metrics.horizontalAdvance(room->text);
        // A single line shows whole however tall the font; further lines need the height.
        if (!room->text.contains(QLatin1Char('\n')) && lineWidth <= room->size.width()) {
            continue;
        }
        const QRect needed = room->wrap ? metrics.boundingRect(QRect(0, 0, room->size.width(), 1 << 20),
                                                               Qt::TextWordWrap, room->text)
                                        : QRect(0, 0, lineWidth, 0);
        EXPECT_TRUE(needed.width() <= room->size.width() && needed.height() <= room->size.height())
            << describe(*control) << " \"" << room->text.toStdString() << "\" needs " << needed.width()
            << " x " << needed.height() << " px, has " << room->size.width() << " x " << room->size.height();
    }
    return measured;
}

TEST(QtCaptions, EveryCaptionOfEveryFormFitsItsControl)
{
    qttest::MessageAnswerer answerer; // a form's Load may put up a box
    platform::qt::QtHost host(qttest::freshFolder());
    platform::Runtime runtime(host);
    host.attach(runtime);
    auto program = std::make_unique<app::Program>(runtime);
    runtime.dispatch([&] { program->start(); });

    int measured = 0;
    for (platform::Form* form : runtime.forms()) {
        SCOPED_TRACE(form->name());
        runtime.dispatch([&] { form->load(); });
        measured += checkCaptions(host, *form);
    }
    EXPECT_GT(measured, 100); // the criteria form alone has well over a hundred captions

    // The load cases caption the criteria form's controls anew ("ETL" on the hips and valleys case).
    app::Form1& form1 = program->form1;
    for (platform::OptionButton* loadCase : {&form1.OHbutton, &form1.Multibutton, &form1.IncButton}) {
        SCOPED_TRACE(loadCase->name());
        runtime.dispatch([&] { loadCase->setValue(true); });
        checkCaptions(host, form1);
    }
    program.reset();
    std::filesystem::remove_all(host.programFolder());
}

} // namespace
