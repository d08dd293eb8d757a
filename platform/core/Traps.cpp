// The two trap styles. Only RuntimeError is trapped: End and internal faults must reach the dispatcher.
#include "platform/core/Traps.h"

#include <utility>

namespace platform
{

bool leaveOnError(const std::function<void()>& body, const std::function<void(const RuntimeError&)>& onError)
{
    try {
        body();
        return true;
    } catch (const RuntimeError& error) {
        onError(error);
        return false;
    }
}

ResumeNext::ResumeNext(std::function<void(const RuntimeError&)> onError) : m_onError(std::move(onError)) {}

void ResumeNext::operator()(const std::function<void()>& statement)
{
    try {
        statement();
    } catch (const RuntimeError& error) {
        ++m_failures;
        m_onError(error);
    }
}

bool ResumeNext::when(const std::function<bool()>& condition)
{
    try {
        return condition();
    } catch (const RuntimeError& error) {
        // Resuming after a failed test lands on the statement after it, which is the guarded branch.
        ++m_failures;
        m_onError(error);
        return true;
    }
}

} // namespace platform
