#pragma once

// The local date and time, and the clock that tests replace.
namespace platform {

struct LocalDateTime {
    int year = 0;
    int month = 0; // 1..12
    int day = 0;   // 1..31
    int hour = 0;  // 0..23
    int minute = 0;
    int second = 0;
    int millisecond = 0;

    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
};

// The clock in use: the one last set, else the system's local time.
Clock& CurrentClock();
// nullptr restores the system clock. The caller keeps ownership and must reset it before destroying it.
void SetClock(Clock* clock);

} // namespace platform
