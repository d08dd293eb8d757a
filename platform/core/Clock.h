// Local date and time of day, behind an interface so tests can fix and advance the clock.
#pragma once

namespace platform
{

struct DateTime
{
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    int secondsOfDay() const { return hour * 3600 + minute * 60 + second; }
    bool operator==(const DateTime&) const = default;
};

class Clock
{
  public:
    virtual ~Clock() = default;
    virtual DateTime now() = 0;
};

} // namespace platform
