// The widget for each kind of model control, and how a widget shows the control's properties.
#include "platform/qt/ControlWidgets.h"

#include "platform/forms/Control.h"
#include "platform/qt/CaptionFit.h"
#include "platform/qt/Painting.h"
#include "platform/qt/QtConvert.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextBlock>

namespace platform::qt
{

namespace
{

// Controls keep no editing features of their own that would bypass the model.
void quietEditing(QWidget* widget)
{
    widget->setContextMenuPolicy(Qt::NoContextMenu);
    widget->setAcceptDrops(false);
}

void setRole(QPalette& palette, QPalette::ColorRole role, const QColor& colour)
{
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

// Text colour always, and the control's own background. A control with the button-face colour where
// faceIsContainer holds takes its container's colour, so it blends in and still covers the lines and
// frame edges beneath it. The colour is set, not inherited: Qt gives buttons
// a palette of their own.
void applyColours(QWidget* widget, const ControlProps& p, QPalette::ColorRole back, QPalette::ColorRole fore,
                  bool faceIsContainer)
{
    QPalette palette = QApplication::palette(widget);
    if (faceIsContainer && p.backColor == SystemButtonFace) {
        const QWidget* container = widget->parentWidget();
        setRole(palette, back,
                container != nullptr ? container->palette().color(QPalette::Window)
                                     : QApplication::palette().color(QPalette::Window));
    } else {
        setRole(palette, back, toQColor(p.backColor));
    }
    setRole(palette, fore, toQColor(p.foreColor));
    palette.setColor(QPalette::Disabled, fore, QColor(128, 128, 128));
    widget->setPalette(palette);
    widget->setAutoFillBackground(!p.transparent && back == QPalette::Window);
}

QString labelText(const ControlProps& p)
{
    QString text = withLineBreaks(p.caption);
    if (p.font.name == "Symbol") {
        text.replace(QLatin1Char('^'), QChar(0x22A5)); // the symbol font's perpendicular sign
    }
    return text;
}

void applyItems(QComboBox* combo, const ControlProps& p)
{
    bool same = combo->count() == static_cast<int>(p.items.size());
    for (int i = 0; same && i < combo->count(); ++i) {
        same = combo->itemText(i) == toQString(p.items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        combo->clear();
        for (const std::string& item : p.items) {
            combo->addItem(toQString(item));
        }
    }
    combo->setCurrentIndex(p.listIndex);
    if (combo->isEditable()) {
        if (combo->currentText() != toQString(p.text)) {
            combo->setEditText(toQString(p.text));
        }
    }
}

void applyItems(QListWidget* list, const ControlProps& p)
{
    bool same = list->count() == static_cast<int>(p.items.size());
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->item(i)->text() == toQString(p.items[static_cast<std::size_t>(i)]);
    }
    if (!same) {
        list->clear();
        for (const std::string& item : p.items) {
            list->addItem(toQString(item));
        }
    }
    list->setCurrentRow(p.listIndex);
}

void applyLabel(QLabel* label, const ControlProps& p, bool hyperlink)
{
    label->setText(labelText(p));
    label->setAlignment(horizontal(p.alignment) | Qt::AlignTop);
    label->setWordWrap(true);
    label->setFrameStyle(p.borderStyle == 1 ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    applyColours(label, p, QPalette::Window, QPalette::WindowText, true);
    if (hyperlink) {
        QFont font = label->font();
        font.setUnderline(true);
        label->setFont(font);
        label->setCursor(Qt::PointingHandCursor);
    }
    if (p.autoSize) {
        // The window grows with the text; the model keeps its own width and height.
        if (p.wordWrap) {
            label->resize(label->width(), label->heightForWidth(label->width()));
        } else {
            label->setWordWrap(false);
            label->resize(label->sizeHint());
        }
    }
}

void applyTextBox(QWidget* widget, const ControlProps& p)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString text = toQString(p.text);
        if (edit->text() != text) {
            edit->setText(text);
        }
        edit->setAlignment(horizontal(p.alignment) | Qt::AlignVCenter);
        applyColours(edit, p, QPalette::Base, QPalette::Text, false);
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        const QString text = withLineBreaks(p.text);
        if (memo->toPlainText() != text) {
            memo->setPlainText(text);
        }
        applyColours(memo, p, QPalette::Base, QPalette::Text, false);
        // The standard tab stops of a multi-line box: every eight average characters of its font.
        memo->setTabStopDistance(8 * QFontMetricsF(memo->font()).averageCharWidth());
    }
    applyTextSelection(widget, p);
}

} // namespace

QWidget* createControlWidget(Control& control, QWidget* parent)
{
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case ControlKind::Label:
    case ControlKind::HyperLink:
    case ControlKind::Image: {
        auto* label = new QLabel(parent);
        label->setTextFormat(Qt::PlainText);
        label->setMargin(0);
        label->setIndent(0);
        widget = label;
        break;
    }
    case ControlKind::TextBox:
        if (control.props().multiLine) {
            auto* memo = new QPlainTextEdit(parent);
            memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            memo->setUndoRedoEnabled(false);
            memo->viewport()->setContextMenuPolicy(Qt::NoContextMenu);
            widget = memo;
        } else {
            auto* edit = new QLineEdit(parent);
            edit->setDragEnabled(false);
            widget = edit;
        }
        quietEditing(widget);
        break;
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(parent);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case ControlKind::CheckBox:
        widget = new QCheckBox(parent);
        widget->setBackgroundRole(QPalette::Window); // not the button face: they show their container's
        break;
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(parent);
        option->setAutoExclusive(false); // the model decides which option is selected
        option->setBackgroundRole(QPalette::Window);
        widget = option;
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(control.props().comboStyle == ComboStyle::DropDownCombo);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMaxVisibleItems(12);
        if (combo->lineEdit() != nullptr) {
            quietEditing(combo->lineEdit());
            // The classic list completes nothing: a typed prefix of an entry would otherwise become
            // that entry, and a pick on leaving the box, behind the user's back.
            combo->setCompleter(nullptr);
        }
        widget = combo;
        break;
    }
    case ControlKind::ListBox:
        widget = new QListWidget(parent);
        break;
    case ControlKind::Frame:
        widget = new FrameWidget(control, parent);
        break;
    case ControlKind::Panel:
        widget = new PanelWidget(control, parent);
        break;
    case ControlKind::Line:
    case ControlKind::Shape:
    case ControlKind::MenuItem:
        return nullptr;
    }
    // The model owns the focus: Qt never moves it on its own, the host sets it where the model says.
    widget->setFocusPolicy(Qt::NoFocus);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        child->setFocusPolicy(Qt::NoFocus);
    }
    return widget;
}

void applyControl(QWidget* widget, Control& control)
{
    const ControlProps& p = control.props();
    const QSignalBlocker blocker(widget);
    QWidget* inner = keyboardWidget(widget);
    const QSignalBlocker innerBlocker(inner);

    widget->setGeometry(toPixels(p.left), toPixels(p.top), std::max(0, toPixels(p.width)),
                        std::max(0, toPixels(p.height)));
    widget->setEnabled(p.enabled);
    widget->setToolTip(toQString(p.toolTipText));
    widget->setFont(screenFont(p.font));

    switch (control.kind()) {
    case ControlKind::Label:
        applyLabel(static_cast<QLabel*>(widget), p, false);
        break;
    case ControlKind::HyperLink:
        applyLabel(static_cast<QLabel*>(widget), p, true);
        break;
    case ControlKind::Image: {
        auto* label = static_cast<QLabel*>(widget);
        label->setScaledContents(true);
        label->setPixmap(builtInPicture(p.picture));
        break;
    }
    case ControlKind::TextBox:
        applyTextBox(widget, p);
        break;
    case ControlKind::CommandButton: {
        auto* button = static_cast<QPushButton*>(widget);
        button->setText(toQString(p.caption));
        button->setDefault(p.isDefault);
        const QPixmap picture = builtInPicture(p.picture);
        button->setIcon(picture.isNull() ? QIcon() : QIcon(picture));
        if (!picture.isNull()) {
            button->setIconSize(picture.size());
        }
        QPalette palette = button->palette();
        setRole(palette, QPalette::Button,
                p.backColor == SystemButtonFace ? QApplication::palette().color(QPalette::Button)
                                                : toQColor(p.backColor));
        setRole(palette, QPalette::ButtonText, toQColor(p.foreColor));
        button->setPalette(palette);
        break;
    }
    case ControlKind::CheckBox: {
        auto* box = static_cast<QCheckBox*>(widget);
        box->setText(toQString(p.caption));
        box->setTristate(!p.threeD && p.value == 2);
        box->setCheckState(p.value == 0 ? Qt::Unchecked
                                        : (p.value == 2 && !p.threeD ? Qt::PartiallyChecked : Qt::Checked));
        box->setLayoutDirection(p.alignment == Alignment::Right ? Qt::RightToLeft : Qt::LeftToRight);
        applyColours(box, p, QPalette::Window, QPalette::WindowText, true);
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = static_cast<QRadioButton*>(widget);
        option->setText(toQString(p.caption));
        option->setChecked(p.value != 0);
        applyColours(option, p, QPalette::Window, QPalette::WindowText, true);
        break;
    }
    case ControlKind::ComboBox: {
        auto* combo = static_cast<QComboBox*>(widget);
        applyItems(combo, p);
        applyColours(combo, p, QPalette::Base, QPalette::Text, false);
        break;
    }
    case ControlKind::ListBox: {
        auto* list = static_cast<QListWidget*>(widget);
        applyItems(list, p);
        applyColours(list, p, QPalette::Base, QPalette::Text, false);
        break;
    }
    case ControlKind::Frame:
    case ControlKind::Panel:
        // Containers paint themselves; their children inherit the face colour.
        applyColours(widget, p, QPalette::Window, QPalette::WindowText, true);
        widget->setAutoFillBackground(false);
        widget->update();
        break;
    case ControlKind::Line:
    case ControlKind::Shape:
    case ControlKind::MenuItem:
        break;
    }
    if (control.kind() == ControlKind::Panel && p.emphasis) {
        QFont bold = widget->font();
        bold.setBold(true);
        widget->setFont(bold);
    }
    if (const auto room = captionRoom(widget, control)) {
        widget->setFont(fitCaption(widget->font(), *room));
    }
    widget->setVisible(p.visible);
}

std::pair<int, int> textSelection(QWidget* widget)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString text = edit->text();
        if (edit->hasSelectedText()) {
            const int start = edit->selectionStart();
            const int end = start + static_cast<int>(edit->selectedText().size());
            const int modelStart = toModelPosition(text, start);
            return {modelStart, toModelPosition(text, end) - modelStart};
        }
        return {toModelPosition(text, edit->cursorPosition()), 0};
    }
    if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        // The widget breaks lines with one character where the model may hold CR LF: count both.
        const QTextCursor cursor = memo->textCursor();
        const QString text = memo->toPlainText();
        auto toModel = [&](int position) {
            const int breaks = static_cast<int>(text.left(position).count(QLatin1Char('\n')));
            return toModelPosition(text, position) + breaks;
        };
        const int start = toModel(cursor.selectionStart());
        return {start, toModel(cursor.selectionEnd()) - start};
    }
    return {0, 0};
}

void applyTextSelection(QWidget* widget, const ControlProps& p)
{
    const bool shown = widget->hasFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString text = edit->text();
        const int start = toQtPosition(text, p.selStart);
        const int end = toQtPosition(text, p.selStart + p.selLength);
        if (end > start && shown) {
            edit->setSelection(start, end - start);
        } else {
            edit->setCursorPosition(start);
        }
    } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget)) {
        // Model positions count CR LF as two characters; walk the model text to find the widget's.
        const QString modelText = toQString(p.text);
        auto toWidget = [&](int position) {
            int widgetPos = 0;
            int modelPos = 0;
            for (int i = 0; i < modelText.size() && modelPos < position; ++i, ++modelPos) {
                const bool crlf = modelText.at(i) == QLatin1Char('\r') && i + 1 < modelText.size() &&
                                  modelText.at(i + 1) == QLatin1Char('\n');
                if (!crlf) {
                    ++widgetPos;
                }
            }
            return widgetPos;
        };
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(toWidget(p.selStart));
        if (shown) {
            cursor.setPosition(toWidget(p.selStart + p.selLength), QTextCursor::KeepAnchor);
        }
        memo->setTextCursor(cursor);
    }
}

QWidget* keyboardWidget(QWidget* widget)
{
    if (auto* combo = qobject_cast<QComboBox*>(widget); combo != nullptr && combo->lineEdit() != nullptr) {
        return combo->lineEdit();
    }
    return widget;
}

} // namespace platform::qt
