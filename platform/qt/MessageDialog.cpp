// The program's message box.
#include "platform/qt/MessageDialog.h"

#include "platform/qt/QtConvert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <vector>

namespace platform::qt
{

namespace
{

constexpr int MaxTextWidth = 560;      // pixels; longer lines wrap at word boundaries
constexpr int TitleButtonsWidth = 110; // pixels for the icon and buttons of a title bar, and margins

// Text with tab stops every eight average character widths, wrapped at a maximum width.
class MessageText final : public QWidget
{
  public:
    MessageText(QString text, QWidget* parent) : QWidget(parent), m_text(std::move(text))
    {
        m_option.setTabStopDistance(8.0 * QFontMetricsF(font()).averageCharWidth());
        m_option.setWrapMode(QTextOption::WordWrap);
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    }

    QSize sizeHint() const override
    {
        const QSizeF natural = layOut(1e6);
        const double width = std::min<double>(natural.width(), MaxTextWidth);
        return layOut(width).toSize() + QSize(2, 2);
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        double y = 0;
        for (const QString& paragraph : m_text.split(QLatin1Char('\n'))) {
            QTextLayout layout(paragraph, font());
            layout.setTextOption(m_option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width());
                line.setPosition(QPointF(0, y));
                y += line.height();
            }
            layout.endLayout();
            layout.draw(&painter, QPointF(0, 0));
        }
    }

  private:
    QSizeF layOut(double width) const
    {
        double height = 0;
        double widest = 0;
        for (const QString& paragraph : m_text.split(QLatin1Char('\n'))) {
            QTextLayout layout(paragraph, font());
            layout.setTextOption(m_option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(width);
                height += line.height();
                widest = std::max(widest, line.naturalTextWidth());
            }
            layout.endLayout();
        }
        return {std::ceil(widest), std::ceil(height)};
    }

    QString m_text;
    QTextOption m_option;
};

struct ButtonChoice
{
    MsgResult result;
    const char* text;
};

std::vector<ButtonChoice> buttonsOf(Buttons buttons)
{
    switch (buttons) {
    case Buttons::OKCancel:
        return {{MsgResult::OK, "OK"}, {MsgResult::Cancel, "Cancel"}};
    case Buttons::YesNo:
        return {{MsgResult::Yes, "&Yes"}, {MsgResult::No, "&No"}};
    case Buttons::YesNoCancel:
        return {{MsgResult::Yes, "&Yes"}, {MsgResult::No, "&No"}, {MsgResult::Cancel, "Cancel"}};
    default:
        return {{MsgResult::OK, "OK"}};
    }
}

QStyle::StandardPixmap iconOf(Icon icon)
{
    switch (icon) {
    case Icon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case Icon::Exclamation:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

MessageDialog::MessageDialog(const MessageRequest& request, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_text(withLineBreaks(request.text)), m_buttons(request.buttons)
{
    setWindowTitle(request.title.empty() ? QStringLiteral("Korvanta") : toQString(request.title));
    setModal(true);

    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    if (request.icon != Icon::None) {
        auto* icon = new QLabel(this);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon->setPixmap(style()->standardIcon(iconOf(request.icon), nullptr, this).pixmap(size, size));
        icon->setAlignment(Qt::AlignTop);
        body->addWidget(icon, 0, Qt::AlignTop);
    }
    body->addWidget(new MessageText(m_text, this), 1);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    bool first = true;
    for (const ButtonChoice& choice : buttonsOf(request.buttons)) {
        auto* button = new QPushButton(QString::fromLatin1(choice.text), this);
        button->setProperty("msgResult", static_cast<int>(choice.result));
        button->setMinimumWidth(80);
        button->setAutoDefault(first);
        button->setDefault(first);
        if (first) {
            button->setFocus();
        }
        first = false;
        const int result = static_cast<int>(choice.result);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        row->addWidget(button);
    }
    row->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(16);
    layout->addLayout(body);
    layout->addLayout(row);
    // Wide enough for the whole title beside the window manager's buttons, as the classic box is.
    const QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    layout->addStrut(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + TitleButtonsWidth);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton* MessageDialog::button(MsgResult result) const
{
    for (auto* b : findChildren<QPushButton*>()) {
        if (b->property("msgResult").toInt() == static_cast<int>(result)) {
            return b;
        }
    }
    return nullptr;
}

std::optional<MsgResult> MessageDialog::escapeResult() const
{
    switch (m_buttons) {
    case Buttons::OK:
        return MsgResult::OK;
    case Buttons::YesNo:
        return std::nullopt;
    default:
        return MsgResult::Cancel;
    }
}

void MessageDialog::reject()
{
    if (const auto result = escapeResult()) {
        done(static_cast<int>(*result));
    }
}

void MessageDialog::closeEvent(QCloseEvent* event)
{
    if (const auto result = escapeResult()) {
        event->accept();
        done(static_cast<int>(*result));
    } else {
        event->ignore();
    }
}

} // namespace platform::qt

namespace platform::qt
{

void MessageDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized) != 0) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            raise();
            activateWindow();
        });
    }
}

void MessageDialog::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const QString typed = event->text().toUpper();
    if (modifiers == Qt::NoModifier && typed.size() == 1 && typed.at(0).isLetter()) {
        for (auto* b : findChildren<QPushButton*>()) {
            const QString text = b->text();
            const auto amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < text.size() && text.at(amp + 1).toUpper() == typed.at(0)) {
                b->click();
                return;
            }
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace platform::qt
