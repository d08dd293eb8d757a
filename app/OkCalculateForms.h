// The forms side of "OK Calculate": message boxes, focus, the criteria form's boxes, the progress
// window and the hand-off to the selection forms, as the load analysis asks for them.
#pragma once

#include "beam/OkCalculate.h"

namespace app
{

class Program;

class OkCalculateForms final : public beam::OkCalculateUi
{
  public:
    explicit OkCalculateForms(Program& program) : m_program(program) {}

    using BeamUi::msgBox;
    beam::Answer msgBox(const std::string& text, beam::MsgStyle style, const std::string& title) override;
    void beep() override;
    void resetSelectionPointer() override;

    void unloadLoadDiagram() override;
    void unloadCustomValuesForm() override;
    void pressAreaLoadButton(beam::BeamCriteria& criteria) override;
    void setFocus(const beam::FocusTarget& target) override;
    void resetCriteriaPointer() override;
    void keepEnteredLoads() override;
    void writeBox(const beam::BoxWrite& write) override;
    void keepAnalysedLoads() override;
    void showProgressWindow() override;
    void setProgress(int percent) override;
    void handOff(beam::HandOff target) override;

  private:
    Program& m_program;
};

} // namespace app
