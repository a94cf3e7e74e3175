// The game clock: the time each side has used, kept in tenths of a second,
// its text form, the monotonic clock that times the engine's thinking, and
// the state of the main window's game timers.
//
// The engine's thinking is timed with a monotonic clock, so neither midnight
// nor a clock set back by the user can make it negative, and it has no
// upper bound short of the clock's own range.
#pragma once

#include <cstdint>
#include <string>

namespace vorn {

// A monotonic clock in milliseconds.  The program uses the system's steady
// clock; tests put a clock of their own in its place.
class TClock {
public:
    virtual ~TClock() = default;
    virtual std::int64_t NowMs() = 0;
};

// The system's steady clock.
class TSteadyClock : public TClock {
public:
    std::int64_t NowMs() override;
};

// Tenths of a second from t1 to t2 (milliseconds of one monotonic clock),
// each instant truncated to its tenth first, as a wall clock of tenths would
// read them; 0 when t2 lies before t1.
std::int32_t ElapsedTenths(std::int64_t t1, std::int64_t t2);

// A clock of tenths plus a charge, saturating instead of overflowing.
std::int32_t JikanAdd(std::int32_t jikan, std::int64_t tenths);

// Tenths as h:mm:ss.t (hours at least one digit), e.g. 1:05:09.3.
std::string JikanText(std::int64_t tenths);

// A time text back to tenths: hours, minutes and seconds separated by
// colons (h:mm:ss, a tenths part after a '.' is ignored); 0 for a text
// that is not of that form.
std::int32_t JikanParse(const std::string& text);

// One of the main window's timers as the game flow sees it: whether it runs
// and its interval.  The window keeps a real timer in step with it; tests
// call the tick handlers themselves.
struct TGameTimer {
    bool Enabled = false;
    int Interval = 1000;  // milliseconds
};

} // namespace vorn
