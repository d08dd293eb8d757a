// The manual in a real window: its text box's scroll bar shows where the text stands, with a thumb that
// reads as the thumb.
#include "QtTestSupport.h"
#include "app/Form1.h"
#include "app/Form12.h"
#include "app/Program.h"
#include "platform/forms/Runtime.h"
#include "platform/qt/QtHost.h"

#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>
#include <memory>

namespace
{

class QtManual : public testing::Test
{
  protected:
    QtManual() : host(qttest::freshFolder()), runtime(host)
    {
        host.attach(runtime);
        program = std::make_unique<app::Program>(runtime);
        runtime.dispatch([&] { program->start(); });
    }
    ~QtManual() override
    {
        program.reset();
        std::filesystem::remove_all(host.programFolder());
    }

    platform::qt::QtHost host;
    platform::Runtime runtime;
    std::unique_ptr<app::Program> program;
};

// The rectangle the style gives a part of the scroll bar, from the bar's state as it paints it.
QRect partOf(const QScrollBar& bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    option.upsideDown = bar.invertedAppearance();
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

// Mean grey level of the image's pixels inside the rectangle, its edges left out.
double meanGrey(const QImage& image, const QRect& area)
{
    const QRect inner = area.adjusted(3, 3, -3, -3);
    double sum = 0;
    int count = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        for (int x = inner.left(); x <= inner.right(); ++x) {
            sum += qGray(image.pixel(x, y));
            ++count;
        }
    }
    return count == 0 ? 0 : sum / count;
}

// A user takes the block that stands out darker from the track for the thumb, as on the classic
// desktop. So it must be the thumb: at the top of the track while a topic shows its start, at the
// bottom at its end; dragging anything else pages the text the other way.
TEST_F(QtManual, ScrollBarThumbStandsOutFromItsTrack)
{
    host.userInput(nullptr, [&] { runtime.userMenu(program->form1.MnuHelp); });
    app::Form12& manual = program->form12;
    host.userInput(&manual.Contents5, [&] { runtime.userClick(manual.Contents5); }); // the glossary
    auto* memo = qobject_cast<QPlainTextEdit*>(host.widget(manual.Text1));
    ASSERT_NE(memo, nullptr);
    QScrollBar& bar = *memo->verticalScrollBar();
    ASSERT_GT(bar.maximum(), 0) << "the glossary is longer than the box";

    for (const bool atEnd : {false, true}) {
        SCOPED_TRACE(atEnd ? "at the end" : "at the start");
        if (atEnd) {
            bar.setValue(bar.maximum());
        }
        const QImage image = bar.grab().toImage();
        const QRect groove = partOf(bar, QStyle::SC_ScrollBarGroove);
        const QRect thumb = partOf(bar, QStyle::SC_ScrollBarSlider);
        ASSERT_TRUE(groove.contains(thumb));
        EXPECT_EQ(atEnd ? thumb.bottom() : thumb.top(), atEnd ? groove.bottom() : groove.top());
        const QRect track = atEnd ? QRect(groove.topLeft(), QPoint(groove.right(), thumb.top() - 1))
                                  : QRect(QPoint(groove.left(), thumb.bottom() + 1), groove.bottomRight());
        EXPECT_LT(meanGrey(image, thumb) + 15, meanGrey(image, track))
            << "the thumb is " << meanGrey(image, thumb) << " grey, the track " << meanGrey(image, track);
    }
}

} // namespace
