// The message boxes and beep of the steel checks, on the program's runtime.
#pragma once

#include "beam/BeamUi.h"
#include "platform/forms/Runtime.h"

namespace steel
{

class SteelUi final : public beam::BeamUi
{
  public:
    explicit SteelUi(platform::Runtime& runtime) : m_runtime(runtime) {}

    using BeamUi::msgBox;
    beam::Answer msgBox(const std::string& text, beam::MsgStyle style, const std::string& title) override
    {
        const bool question = style == beam::MsgStyle::YesNoQuestion;
        const platform::Icon icon = style == beam::MsgStyle::Exclamation ? platform::Icon::Exclamation
                                    : question                           ? platform::Icon::Question
                                                                         : platform::Icon::None;
        const platform::MsgResult answer =
            m_runtime.msgBox(text, question ? platform::Buttons::YesNo : platform::Buttons::OK, icon, title);
        if (answer == platform::MsgResult::Yes) {
            return beam::Answer::Yes;
        }
        return answer == platform::MsgResult::No ? beam::Answer::No : beam::Answer::Ok;
    }
    void beep() override { m_runtime.beep(); }

  private:
    platform::Runtime& m_runtime;
};

} // namespace steel
