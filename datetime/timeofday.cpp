// Time as a value: the four static time expressions, the constructors
// (numbers, clock, text), arithmetic, comparison and the parts of the count.
//
// Text is matched as a whole against the four expressions; each bounds its
// numbers to one or two digits, so the scanning formats cannot overflow.
#include <cstdio>
#include <ctime>

#include "tessel/time.h"

// Constructed at load in this order, destroyed in the reverse order.
RegExp Time::timeFormat1("^[0-9]\\{1,2\\}[^0-9][0-9]\\{1,2\\}$", 0);
RegExp Time::timeFormat2("^[0-9]\\{1,2\\}[^0-9][0-9]\\{1,2\\}[^0-9][0-9]\\{1,2\\}$", 0);
RegExp Time::timeFormat3("^[0-9]\\{1,2\\}[^0-9][0-9]\\{1,2\\}[APap][mM]$", 0);
RegExp Time::timeFormat4("^[0-9]\\{1,2\\}[^0-9][0-9]\\{1,2\\}[^0-9][0-9]\\{1,2\\}[APap][mM]$", 0);

namespace {

const long secondsPerMinute = 60;
const long secondsPerHour = 3600;

// The parts of a count: the hours rounded down, so that minutes and seconds
// are always 0 to 59, also for a negative count.
struct Parts {
    long long hours;
    int minutes;
    int seconds;
};

Parts partsOf(int32_t count) {
    long long hours = count / secondsPerHour;
    if (count % secondsPerHour < 0) --hours;
    const long long rest = count - hours * secondsPerHour;  // 0 to 3599
    return Parts{hours, static_cast<int>(rest / secondsPerMinute),
                 static_cast<int>(rest % secondsPerMinute)};
}

// wrap(n): n taken modulo 2^32 as a signed 32-bit count.
int32_t wrap(long long n) {
    return static_cast<int32_t>(static_cast<uint32_t>(n));
}

}  // namespace

Time::Time() : totalSeconds(0) {}

Time::Time(const unsigned short hours, const unsigned short minutes, const unsigned short seconds)
    : totalSeconds(
          static_cast<int32_t>(seconds + minutes * secondsPerMinute + hours * secondsPerHour)) {}

// Time(t) reads the local clock through localtime, which is what the C
// library's ctime text is made from; a time value it cannot convert gives
// midnight.
Time::Time(long t) : Time() {
    const std::time_t value = static_cast<std::time_t>(t);
    const std::tm* local = std::localtime(&value);
    if (!local) return;
    *this = Time(static_cast<unsigned short>(local->tm_hour),
                 static_cast<unsigned short>(local->tm_min),
                 static_cast<unsigned short>(local->tm_sec));
}

Time systemTime() {
    return Time(static_cast<long>(std::time(nullptr)));
}

Time::Time(const CString& text) : Time() {
    long hours = 0;
    long minutes = 0;
    long seconds = 0;
    char marker = '\0';
    const char* p = text;
    // All four tests are made; the shapes exclude one another, so at most
    // one of them reads.
    if (text == timeFormat1) std::sscanf(p, "%ld%*c%ld", &hours, &minutes);
    if (text == timeFormat2) std::sscanf(p, "%ld%*c%ld%*c%ld", &hours, &minutes, &seconds);
    if (text == timeFormat3) std::sscanf(p, "%ld%*c%ld%c", &hours, &minutes, &marker);
    if (text == timeFormat4) {
        std::sscanf(p, "%ld%*c%ld%*c%ld%c", &hours, &minutes, &seconds, &marker);
    }
    if ((marker == 'p' || marker == 'P') && hours < 12) hours += 12;
    if ((marker == 'a' || marker == 'A') && hours == 12) hours = 0;
    totalSeconds =
        static_cast<int32_t>(minutes * secondsPerMinute + seconds + hours * secondsPerHour);
}

Time& Time::operator+=(long n) {
    totalSeconds = wrap(static_cast<long long>(totalSeconds) + n);
    return *this;
}

Time& Time::operator-=(long n) {
    totalSeconds = wrap(static_cast<long long>(totalSeconds) - n);
    return *this;
}

long Time::operator-(const Time& other) const {
    return static_cast<long>(static_cast<long long>(totalSeconds) - other.totalSeconds);
}

int Time::operator==(const Time& other) const {
    return totalSeconds == other.totalSeconds;
}
int Time::operator!=(const Time& other) const {
    return totalSeconds != other.totalSeconds;
}
int Time::operator<(const Time& other) const {
    return totalSeconds < other.totalSeconds;
}
int Time::operator>(const Time& other) const {
    return totalSeconds > other.totalSeconds;
}
int Time::operator<=(const Time& other) const {
    return totalSeconds <= other.totalSeconds;
}
int Time::operator>=(const Time& other) const {
    return totalSeconds >= other.totalSeconds;
}

unsigned short Time::hours() const {
    return static_cast<unsigned short>(partsOf(totalSeconds).hours);
}

unsigned short Time::minutes() const {
    return static_cast<unsigned short>(partsOf(totalSeconds).minutes);
}

unsigned short Time::seconds() const {
    return static_cast<unsigned short>(partsOf(totalSeconds).seconds);
}
