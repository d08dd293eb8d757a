// The frame that the report's four size-step buttons share: the flags every click clears, the trap,
// the buttons' states, and the test and refill of the new size.
#pragma once

#include "platform/core/Traps.h"
#include "report/StepTables.h"

#include <array>
#include <string>

namespace app
{
class Program;
}

namespace report
{

class Form5;

// The member's options as the criteria and custom values forms hold them now.
MemberOptions readMemberOptions(app::Program& program);

class SizeStep
{
  public:
    // Arms the click's trap (one message per failing statement) and remembers the sizes and button
    // states as they are before the click.
    SizeStep(app::Program& program, const char* trapMessage);

    platform::ResumeNext next;
    const MemberOptions options;

    void clearFlags(); // DataRecordLoaded and RestoreSavedSelection
    void enableAll();
    void off(unsigned buttons);
    void setEnabled(unsigned button, bool enabled);

    // Tests the size in the boxes (the SCL test or the wood test) and refills the report. A test that
    // does not complete has told the user why; the click then puts back the size texts and the buttons
    // as they were, so the report never names a size beside another size's results. Returns whether
    // the test completed.
    bool testAndRefill(bool scl);

  private:
    app::Program& m_program;
    std::array<std::string, 6> m_sizes; // Form3 Text1..Text3, Form2 Text6, Text7, Diam
    std::array<bool, 4> m_enabled;      // Depth -, Depth +, Breadth -, Breadth +
};

} // namespace report
