// Date: a calendar date from 1 January 1970 to 31 December 2058, with its
// parsing from and formatting to text, and systemDate.
#ifndef TESSEL_DATE_H
#define TESSEL_DATE_H

#include "tessel/cstring.h"
#include "tessel/export.h"
#include "tessel/regexp.h"

// Date: a value of four signed 16-bit fields. dayNumber counts days with
// 1 January 1970 as day 1; 0 marks the invalid date, and everything that
// tests or prints a date looks at it alone. Day, month and year agree with
// the day number whenever it is not 0. Dates allocate nothing and copy
// field by field.
//
// Day numbers 1 to 32507 are the dates of the range. Others can be reached
// (Date(short) above 32507, += and -= past either end); they keep their day
// number for arithmetic and comparison and show the date they would have in
// the Gregorian calendar carried on both ways (32508 is 1 January 2059, -1
// is 30 December 1969).
//
// The text forms depend on the build-time date order (0 month-day-year,
// 1 day-month-year, 2 year-month-day; the library is built with 1).
class TESSEL_API Date {
  public:
    // ---- Construction ----------------------------------------------------

    // Date(): the invalid date, all fields 0 (not today).
    Date();
    // Date(n): the date with day number n; n of 0 or below gives the invalid
    // date with all fields 0.
    Date(short n);
    // Date(day, month, year): that date. A year outside 1970 to 2058 gives
    // the invalid date with all fields 0; a bad month or day in a good year
    // gives day number 0 with the three values kept in their fields.
    Date(short day, short month, short year);
    // Date(day, monthName, year): as above with the month whose abbreviation
    // ("Jan" to "Dec") equals monthName without regard to case; a name that
    // is not found (or a null one) gives month 0, so the date is invalid.
    Date(short day, const char* monthName, short year);
    // Date(t): the local date of the time value t (seconds since 1 January
    // 1970). A value the C library cannot convert, or a local date outside
    // the range, gives the invalid date with all fields 0.
    Date(long t);
    // Date(text): the date that text denotes in one of the five forms (see
    // the format expressions below); the invalid date when no form matches.
    // A text in a form but naming no valid date gives the fields of the
    // three-number constructor. Numbers above 32767 count as 32767, which no
    // day, month or year accepts.
    Date(const CString& text);

    // operator short(): the day number.
    operator short() const { return dayNumber; }

    // ---- Arithmetic and comparison -----------------------------------------

    // operator+=(n), operator-=(n): move by n days (16-bit signed arithmetic,
    // wrapping), then recompute the fields; a result of exactly 0 makes the
    // date invalid and leaves the fields as they were. Return this date.
    Date& operator+=(short n);
    Date& operator-=(short n);
    // operator-(other): this day number minus other's, as a 16-bit value.
    short operator-(const Date& other) const;
    // Comparisons of the day numbers, 1 or 0; the invalid date equals every
    // invalid date and is below every valid one.
    int operator==(const Date& other) const;
    int operator!=(const Date& other) const;
    int operator<(const Date& other) const;
    int operator>(const Date& other) const;
    int operator<=(const Date& other) const;
    int operator>=(const Date& other) const;

    // ---- Parts and calendar rules ------------------------------------------

    // dayOfWeek(): 1 for Monday to 7 for Sunday, from the day number alone
    // (the invalid date gives 3, the weekday of day 0).
    short dayOfWeek() const;
    // year(), month(): the year and month fields.
    short year() const { return yearNumber; }
    short month() const { return monthNumber; }
    // setDayMonthYear(): recomputes day, month and year from the day number;
    // does nothing for day number 0. Ends for every day number.
    void setDayMonthYear();

    // gIsLeapYear(year): 1 for a Gregorian leap year, else 0.
    static int gIsLeapYear(short year);
    // gDaysInYear(year): 366 for a leap year, else 365.
    static short gDaysInYear(short year);
    // gDaysInMonth(month, year): days of that month in that year; 0 for a
    // month outside 1 to 12 (the month table is never read outside it).
    static short gDaysInMonth(short month, short year);
    // isLeapYear, daysInYear, daysInMonth: as their static twins; a month or
    // year of 0 stands for this date's own month or year.
    int isLeapYear(short year) const;
    short daysInYear(short year) const;
    short daysInMonth(short month, short year) const;

    // ---- Validity of texts and numbers -------------------------------------

    // gIsValidDate(text): 1 when text is in one of the five forms and names
    // a valid date, else 0; Date(text) is valid exactly then.
    static int gIsValidDate(const CString& text);
    // gIsValidDate(day, month, year): 1 when the year is 1970 to 2058, the
    // month 1 to 12 and the day 1 to the days of that month, else 0.
    static int gIsValidDate(short day, short month, short year);
    // gIsValidDate(day, monthName, year): 1 when monthName is a month
    // abbreviation (any case) and the three form a valid date, else 0 (also
    // for a null monthName).
    static int gIsValidDate(short day, const char* monthName, short year);

    // ---- Text forms (each result is a new value owned by the caller) ----------

    // operator CString(), shortCString(): the numeric form with "-" between
    // two-digit day and month and the four-digit year, in the build's date
    // order (07-01-1980 for day-month-year); empty for the invalid date.
    operator CString() const;
    CString shortCString() const;
    // longCString(): weekday, ordinal day, month name and year ("Mon 07th Jan
    // 1980", or "Mon Jan 07th 1980" month-first); empty for the invalid date.
    CString longCString() const;
    // dayStr(): the weekday's name, also for the invalid date.
    CString dayStr() const;
    // monthStr(): the month's name; empty for the invalid date.
    CString monthStr() const;
    // setTH(text, pos): writes this date's ordinal suffix (st, nd, rd, th)
    // at the 1-based positions pos and pos + 1 of text; its length never
    // changes. When the two positions do not both lie in the text, nothing is
    // written.
    void setTH(CString& text, int pos) const;

    // ---- Exported data -------------------------------------------------------

    // The calendar values, for callers to read and write. The calendar code
    // itself works with fixed copies of them, so changing these changes no
    // result of the class.
    static short startYear;      // 1970
    static short maxYear;        // 2058
    static short numDays[12];    // days of the months of a common year
    static short monthsPerYear;  // 12
    static short daysPerWeek;    // 7
    // The names, indexed by weekday - 1 (Monday first) and month - 1. The
    // text forms and the month-name lookup read these tables, so a caller
    // may replace their entries; a null entry names nothing and prints as
    // the empty text.
    static const char* dayName[7];     // "Mon" to "Sun"
    static const char* monthName[12];  // "Jan" to "Dec"

    // The five text forms, compiled case-sensitively when the library is
    // loaded, in this order, and destroyed in reverse order at unload. Every
    // parse records its match in them.
    static RegExp ddmmyyFormat;    // 07-01-1980: three digit runs, one non-digit between
    static RegExp ddmmmyyFormat1;  // 7th Jan 1980
    static RegExp ddmmmyyFormat2;  // 7 Jan 1980
    static RegExp ddmmmyyFormat3;  // Jan 7th 1980
    static RegExp ddmmmyyFormat4;  // Jan 7 1980

  private:
    short dayNumber;
    short dayOfMonth;
    short monthNumber;
    short yearNumber;
};

// systemDate(): today's local date (the invalid date if the clock's value
// cannot be converted).
TESSEL_API Date systemDate();

#endif  // TESSEL_DATE_H
