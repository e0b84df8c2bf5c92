// Time: a time of day as a count of seconds, with its parsing from and
// formatting to text, and systemTime.
#ifndef TESSEL_TIME_H
#define TESSEL_TIME_H

#include <stdint.h>

#include "tessel/cstring.h"
#include "tessel/export.h"
#include "tessel/regexp.h"

// Time: seconds since midnight in one signed 32-bit count. Nothing tests or
// reduces the count: arithmetic does not wrap at midnight, so a Time may hold
// any 32-bit value (0 to 86399 is one day). There is no invalid time; text in
// no known form gives midnight. Times allocate nothing.
//
// The printed clock is chosen when the library is built: 12 hours with
// am/pm (the built one) or 24 hours.
class TESSEL_API Time {
  public:
    // Time(): midnight, the count 0.
    Time();
    // Time(hours, minutes, seconds): hours * 3600 + minutes * 60 + seconds,
    // nothing tested or reduced ((0, 90, 0) equals (1, 30, 0)).
    Time(const unsigned short hours, const unsigned short minutes, const unsigned short seconds);
    // Time(t): the local time of day of the time value t (seconds since
    // 1 January 1970); midnight if the C library cannot convert t.
    Time(long t);
    // Time(text): the time that text denotes in one of the four forms (see
    // the format expressions below); midnight when no form matches. A p or P
    // marker adds 12 to hours below 12; an a or A marker turns hour 12 into 0.
    // The numbers are not tested against 24 or 60.
    Time(const CString& text);

    // operator+=(n), operator-=(n): add or subtract n seconds in 32-bit
    // two's-complement arithmetic (wrapping at the ends of the 32-bit range,
    // never at midnight). Return this time.
    Time& operator+=(long n);
    Time& operator-=(long n);
    // operator-(other): this count minus other's, in seconds.
    long operator-(const Time& other) const;
    // Comparisons of the counts, 1 or 0.
    int operator==(const Time& other) const;
    int operator!=(const Time& other) const;
    int operator<(const Time& other) const;
    int operator>(const Time& other) const;
    int operator<=(const Time& other) const;
    int operator>=(const Time& other) const;

    // operator long(): the count of seconds.
    operator long() const { return totalSeconds; }

    // hours(), minutes(), seconds(): the parts of the count. For 0 to 86399
    // they are the hour (0 to 23), minute and second of the day; larger
    // counts go on beyond hour 23. minutes() and seconds() are always 0 to
    // 59: for a negative count the hours are rounded down (-1 is hour -1,
    // 59 minutes, 59 seconds), and hours() gives its quotient taken modulo
    // 2^16, as its unsigned 16-bit type holds it.
    unsigned short hours() const;
    unsigned short minutes() const;
    unsigned short seconds() const;

    // operator CString(), shortCString(): hours and minutes ("07:05pm" on the
    // 12-hour clock, "19:05" on the 24-hour clock); the seconds are dropped.
    // longCString(): with the seconds ("07:05:09pm", "19:05:09"). Each result
    // is a new value owned by the caller. Counts outside one day print their
    // parts as they are (25 hours is "13:00pm" on the 12-hour clock).
    operator CString() const;
    CString shortCString() const;
    CString longCString() const;

    // The four text forms, compiled case-sensitively when the library is
    // loaded, in this order, and destroyed in reverse order at unload. Every
    // parse records its match in them. Separators are any one non-digit.
    static RegExp timeFormat1;  // 7:05
    static RegExp timeFormat2;  // 19:05:09
    static RegExp timeFormat3;  // 7:05pm
    static RegExp timeFormat4;  // 7:05:09pm

  private:
    int32_t totalSeconds;
};

// systemTime(): the current local time of day (midnight if the clock's
// value cannot be converted).
TESSEL_API Time systemTime();

#endif  // TESSEL_TIME_H
