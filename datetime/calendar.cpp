// Date as a calendar value: the exported tables, the calendar rules, the
// numeric and clock constructors, arithmetic, comparison and the weekday.
#include <ctime>

#include "datetime/calendar.h"
#include "tessel/date.h"

using tessel_detail::commonMonthDays;
using tessel_detail::daysInWeek;
using tessel_detail::firstYear;
using tessel_detail::lastYear;
using tessel_detail::monthsInYear;

namespace {

// Day number of Monday 7 January 1980, the reference of dayOfWeek.
const int referenceMonday = 3659;

}  // namespace

short Date::startYear = firstYear;
short Date::maxYear = lastYear;
short Date::numDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
short Date::monthsPerYear = monthsInYear;
short Date::daysPerWeek = daysInWeek;
const char* Date::dayName[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
const char* Date::monthName[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

Date::Date() : dayNumber(0), dayOfMonth(0), monthNumber(0), yearNumber(0) {}

Date::Date(short n) : dayNumber(n > 0 ? n : 0), dayOfMonth(0), monthNumber(0), yearNumber(0) {
    setDayMonthYear();
}

Date::Date(short day, short month, short year) : Date() {
    if (year < firstYear || year > lastYear) return;
    dayOfMonth = day;
    monthNumber = month;
    yearNumber = year;
    if (!gIsValidDate(day, month, year)) return;
    int n = 0;
    for (int y = firstYear; y < year; ++y)
        n += gDaysInYear(static_cast<short>(y));
    for (int m = 1; m < month; ++m)
        n += gDaysInMonth(static_cast<short>(m), year);
    dayNumber = static_cast<short>(n + day);
}

// Date(t) reads the local calendar through localtime, which is what the
// C library's ctime text is made from; a time value it cannot convert gives
// the invalid date. The year is tested before it is narrowed to 16 bits, so
// a far year cannot wrap into the range.
Date::Date(long t) : Date() {
    const std::time_t value = static_cast<std::time_t>(t);
    const std::tm* local = std::localtime(&value);
    if (!local) return;
    if (local->tm_year < firstYear - 1900 || local->tm_year > lastYear - 1900) return;
    *this = Date(static_cast<short>(local->tm_mday), static_cast<short>(local->tm_mon + 1),
                 static_cast<short>(local->tm_year + 1900));
}

Date systemDate() {
    return Date(static_cast<long>(std::time(nullptr)));
}

// setDayMonthYear() counts whole years, then whole months, in int so that no
// sum can overflow. Day numbers below 1 step back through the years before
// 1970 instead of forward, so every 16-bit day number ends in a year between
// 1880 and 2059 with a month of 1 to 12: the month table is never read
// outside its 12 entries, and the loops end.
void Date::setDayMonthYear() {
    if (dayNumber == 0) return;
    const int n = dayNumber;
    int year = firstYear;
    int before = 0;  // days before 1 January of year
    while (n <= before) {
        --year;
        before -= gDaysInYear(static_cast<short>(year));
    }
    while (n > before + gDaysInYear(static_cast<short>(year))) {
        before += gDaysInYear(static_cast<short>(year));
        ++year;
    }
    int day = n - before;  // 1 to the days of year
    int month = 1;
    while (day > gDaysInMonth(static_cast<short>(month), static_cast<short>(year))) {
        day -= gDaysInMonth(static_cast<short>(month), static_cast<short>(year));
        ++month;
    }
    dayOfMonth = static_cast<short>(day);
    monthNumber = static_cast<short>(month);
    yearNumber = static_cast<short>(year);
}

Date& Date::operator+=(short n) {
    dayNumber = static_cast<short>(dayNumber + n);
    setDayMonthYear();
    return *this;
}

Date& Date::operator-=(short n) {
    dayNumber = static_cast<short>(dayNumber - n);
    setDayMonthYear();
    return *this;
}

short Date::operator-(const Date& other) const {
    return static_cast<short>(dayNumber - other.dayNumber);
}

int Date::operator==(const Date& other) const {
    return dayNumber == other.dayNumber;
}
int Date::operator!=(const Date& other) const {
    return dayNumber != other.dayNumber;
}
int Date::operator<(const Date& other) const {
    return dayNumber < other.dayNumber;
}
int Date::operator>(const Date& other) const {
    return dayNumber > other.dayNumber;
}
int Date::operator<=(const Date& other) const {
    return dayNumber <= other.dayNumber;
}
int Date::operator>=(const Date& other) const {
    return dayNumber >= other.dayNumber;
}

short Date::dayOfWeek() const {
    int r = (dayNumber - referenceMonday) % daysInWeek;
    if (r < 0) r += daysInWeek;
    return static_cast<short>(r + 1);
}

int Date::gIsLeapYear(short year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

short Date::gDaysInYear(short year) {
    return gIsLeapYear(year) ? 366 : 365;
}

// gDaysInMonth gives 0 for a month outside 1 to 12: no day fits such a
// month, so every date built with it is invalid.
short Date::gDaysInMonth(short month, short year) {
    if (month < 1 || month > monthsInYear) return 0;
    const int extra = (month == 2 && gIsLeapYear(year)) ? 1 : 0;
    return static_cast<short>(commonMonthDays[month - 1] + extra);
}

int Date::isLeapYear(short year) const {
    return gIsLeapYear(year ? year : yearNumber);
}

short Date::daysInYear(short year) const {
    return gDaysInYear(year ? year : yearNumber);
}

short Date::daysInMonth(short month, short year) const {
    return gDaysInMonth(month ? month : monthNumber, year ? year : yearNumber);
}

int Date::gIsValidDate(short day, short month, short year) {
    if (year < firstYear || year > lastYear) return 0;
    return day >= 1 && day <= gDaysInMonth(month, year);
}
