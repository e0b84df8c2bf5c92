// The calendar constants the date module works with.
#ifndef TESSEL_DATETIME_CALENDAR_H
#define TESSEL_DATETIME_CALENDAR_H

namespace tessel_detail {

// The exported members Date::startYear, Date::numDays and the rest are
// writable data for callers; the library's own code uses these fixed copies,
// so nothing a caller stores there can move a loop or an index past the
// month table.
constexpr short firstYear = 1970;
constexpr short lastYear = 2058;
constexpr int monthsInYear = 12;
constexpr int daysInWeek = 7;
constexpr short commonMonthDays[monthsInYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace tessel_detail

#endif  // TESSEL_DATETIME_CALENDAR_H
