// The two ways a procedure traps run-time errors: leave the procedure, or go on with the next statement.
#pragma once

#include "platform/core/RuntimeError.h"

#include <functional>

namespace platform
{

// Runs body; a RuntimeError ends it, is passed to onError, and the result is false. Anything else
// (EndProgram, other exceptions) passes through untouched.
bool leaveOnError(const std::function<void()>& body, const std::function<void(const RuntimeError&)>& onError);

// One per procedure that resumes after a failing statement. Each call runs one statement; a failure
// is reported to onError and the procedure goes on after that statement.
class ResumeNext
{
  public:
    explicit ResumeNext(std::function<void(const RuntimeError&)> onError);

    void operator()(const std::function<void()>& statement);
    // A condition that fails is reported and then counts as true: the branch it guards is entered.
    bool when(const std::function<bool()>& condition);
    int failures() const { return m_failures; }

  private:
    std::function<void(const RuntimeError&)> m_onError;
    int m_failures = 0;
};

} // namespace platform
