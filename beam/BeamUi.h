// The little the beam procedures need of the screen: message boxes, the beep, the progress window and
// mouse pointers. The criteria form adapts it to the runtime; tests record what was asked of it.
#pragma once

#include <string>

namespace beam
{

// The three message box kinds these procedures use: OK alone (style 0), OK with the exclamation icon
// (style 48), and Yes/No with the question icon (style 36).
enum class MsgStyle
{
    Plain,
    Exclamation,
    YesNoQuestion
};

enum class Answer
{
    Ok,
    Yes,
    No
};

constexpr const char* MessageTitle = "Korvanta";
// A message of several lines breaks them with a lone carriage return.
constexpr char LineBreak = '\r';

class BeamUi
{
  public:
    virtual ~BeamUi() = default;

    // A modal message box; waits for the answer.
    virtual Answer msgBox(const std::string& text, MsgStyle style, const std::string& title) = 0;
    virtual void beep() = 0;

    // The wood selection form's mouse pointer back to the default, around failure messages of the
    // shared checks.
    virtual void resetSelectionPointer() {}

    Answer msgBox(const std::string& text, MsgStyle style) { return msgBox(text, style, MessageTitle); }
};

} // namespace beam
