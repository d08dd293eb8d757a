// The program's message box: the text as given (CR LF, CR and LF each one line break, TAB a tab stop
// every eight average character widths), an icon and the buttons of its style. The first button is
// the default; Esc and the close box give Cancel where there is one, OK on an OK-only box, and
// nothing on Yes/No.
#pragma once

#include "platform/forms/Types.h"

#include <QDialog>
#include <QString>

class QAbstractButton;

namespace platform::qt
{

class MessageDialog final : public QDialog
{
    Q_OBJECT

  public:
    MessageDialog(const MessageRequest& request, QWidget* parent);

    // The text as the box shows it, and the answer a click on the button of that result gives.
    const QString& text() const { return m_text; }
    QAbstractButton* button(MsgResult result) const;
    MsgResult answer() const { return static_cast<MsgResult>(result()); }

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The plain letter of a button's access key answers with that button, as Enter and Esc do theirs.
    void keyPressEvent(QKeyEvent* event) override;
    // Some window managers offer to minimise any window; a modal box comes straight back, since the
    // program waits for its answer.
    void changeEvent(QEvent* event) override;

  private:
    std::optional<MsgResult> escapeResult() const;

    QString m_text;
    Buttons m_buttons;
};

} // namespace platform::qt
