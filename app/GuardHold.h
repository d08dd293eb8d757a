// Holds one of the criteria form's entry guards (ChangeGuard, RefillGuard) for the extent of a scope.
// A guard left set by an error or an early return would keep every later edit from clearing a stale
// selection, so the guard is given back on every way out.
#pragma once

#include <cstdint>

namespace app
{

class GuardHold
{
  public:
    // Sets the flag to -1; the destructor puts back the value it had, so that a hold nested inside
    // another hold of the same guard leaves the outer one in force.
    explicit GuardHold(std::int16_t& flag) : m_flag(flag), m_previous(flag) { m_flag = -1; }
    ~GuardHold() { m_flag = m_previous; }
    GuardHold(const GuardHold&) = delete;
    GuardHold& operator=(const GuardHold&) = delete;

  private:
    std::int16_t& m_flag;
    std::int16_t m_previous;
};

} // namespace app
