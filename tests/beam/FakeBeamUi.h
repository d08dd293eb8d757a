// A BeamUi that records what the beam procedures show and answers questions from a script.
#pragma once

#include "beam/BeamUi.h"

#include <deque>
#include <string>
#include <vector>

namespace beam::test
{

struct ShownMessage
{
    std::string text;
    MsgStyle style;
    std::string title;
};

class FakeBeamUi : public BeamUi
{
  public:
    using BeamUi::msgBox;

    Answer msgBox(const std::string& text, MsgStyle style, const std::string& title) override
    {
        messages.push_back({text, style, title});
        if (style != MsgStyle::YesNoQuestion) {
            return Answer::Ok;
        }
        if (answers.empty()) {
            return Answer::Yes;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void beep() override { ++beeps; }
    void resetSelectionPointer() override { ++selectionPointerResets; }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> result;
        for (const ShownMessage& message : messages) {
            result.push_back(message.text);
        }
        return result;
    }

    std::vector<ShownMessage> messages;
    std::deque<Answer> answers; // for Yes/No questions; Yes when empty
    int beeps = 0;
    int selectionPointerResets = 0;
};

} // namespace beam::test
