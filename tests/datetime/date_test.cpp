// Tests of the date module: calendar, arithmetic, parsing of the month-name
// forms, formatting that does not depend on the date order, and the local
// date. The numeric forms, which do, are tested in settings_test.cpp.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <ctime>
#include <string>

#include "../support/relations.h"
#include "local_zone.h"
#include "tessel/date.h"

namespace {

const long secondsPerDay = 86400;

short dayNumberOf(const Date& d) {
    return static_cast<short>(d);
}

// The calendar of the C library for day number n (day 1 is 1 January 1970).
std::tm civilDay(int n) {
    const std::time_t t = static_cast<std::time_t>(n - 1) * secondsPerDay;
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

// The C library's weekday (0 Sunday) as Date counts it (1 Monday, 7 Sunday).
short weekdayOf(const std::tm& tm) {
    return static_cast<short>((tm.tm_wday + 6) % 7 + 1);
}

TEST(CalendarTest, ExportedTables) {
    EXPECT_EQ(sizeof(Date), 4 * sizeof(int16_t));  // four 16-bit fields, nothing else
    EXPECT_EQ(Date::startYear, 1970);
    EXPECT_EQ(Date::maxYear, 2058);
    EXPECT_EQ(Date::monthsPerYear, 12);
    EXPECT_EQ(Date::daysPerWeek, 7);
    const short days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const char* months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(Date::numDays[i], days[i]) << "month " << i + 1;
        EXPECT_STREQ(Date::monthName[i], months[i]);
    }
    const char* weekdays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int i = 0; i < 7; ++i)
        EXPECT_STREQ(Date::dayName[i], weekdays[i]);
}

// Saves the exported calendar data and puts it back, so that a test may
// change it.
class ExportedDataTest : public ::testing::Test {
  protected:
    void SetUp() override {
        saved = {Date::startYear, Date::maxYear, Date::monthsPerYear, Date::daysPerWeek};
        for (int i = 0; i < 12; ++i) {
            savedDays[i] = Date::numDays[i];
            savedMonths[i] = Date::monthName[i];
        }
        for (int i = 0; i < 7; ++i)
            savedWeekdays[i] = Date::dayName[i];
    }
    void TearDown() override {
        Date::startYear = saved[0];
        Date::maxYear = saved[1];
        Date::monthsPerYear = saved[2];
        Date::daysPerWeek = saved[3];
        for (int i = 0; i < 12; ++i) {
            Date::numDays[i] = savedDays[i];
            Date::monthName[i] = savedMonths[i];
        }
        for (int i = 0; i < 7; ++i)
            Date::dayName[i] = savedWeekdays[i];
    }

  private:
    std::array<short, 4> saved{};
    short savedDays[12] = {};
    const char* savedMonths[12] = {};
    const char* savedWeekdays[7] = {};
};

// The calendar values are callers' data: the calendar keeps its own.
TEST_F(ExportedDataTest, CalendarValuesAreWritableAndNotUsedByTheCalendar) {
    Date::startYear = 1900;
    Date::maxYear = 3000;
    Date::monthsPerYear = 13;
    Date::daysPerWeek = 5;
    Date::numDays[1] = 30;
    EXPECT_EQ(dayNumberOf(Date(1, 1, 1969)), 0);
    EXPECT_EQ(dayNumberOf(Date(1, 1, 2059)), 0);
    EXPECT_EQ(Date::gDaysInMonth(13, 2000), 0);
    EXPECT_EQ(Date::gDaysInMonth(2, 1999), 28);
    EXPECT_EQ(dayNumberOf(Date(31, 12, 2058)), 32507);
    EXPECT_EQ(Date(7, 1, 1980).dayOfWeek(), 1);
    EXPECT_EQ(Date(static_cast<short>(32507)).month(), 12);
}

// The name tables are read by the lookup and the text forms, so a caller's
// entries take effect; a null entry names nothing.
TEST_F(ExportedDataTest, NameTablesAreWritableAndUsed) {
    Date::monthName[0] = "Jnr";
    Date::dayName[0] = "Lun";
    const Date seventh(7, 1, 1980);
    EXPECT_EQ(Date(7, "jnr", 1980), seventh);
    EXPECT_EQ(Date(CString("7 Jnr 1980")), seventh);
    EXPECT_EQ(dayNumberOf(Date(7, "Jan", 1980)), 0);
    EXPECT_STREQ(seventh.monthStr(), "Jnr");
    EXPECT_STREQ(seventh.dayStr(), "Lun");
    EXPECT_NE(std::string(seventh.longCString()).find("Jnr"), std::string::npos);

    Date::monthName[0] = nullptr;
    Date::dayName[0] = nullptr;
    EXPECT_EQ(dayNumberOf(Date(7, "Jan", 1980)), 0);
    EXPECT_EQ(Date::gIsValidDate(CString("7 Feb 1980")), 1);
    EXPECT_STREQ(seventh.monthStr(), "");
    EXPECT_STREQ(seventh.dayStr(), "");
    EXPECT_EQ(seventh.longCString().length(), 11);
}

TEST(CalendarTest, DayNumbersOfKnownDates) {
    struct Case {
        short day, month, year, dayNumber;
    };
    const Case cases[] = {
        {1, 1, 1970, 1},       {31, 12, 1970, 365}, {1, 1, 1971, 366},    {7, 1, 1980, 3659},
        {31, 12, 1999, 10957}, {1, 1, 2000, 10958}, {29, 2, 2000, 11017}, {31, 12, 2058, 32507},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month) + "." +
                     std::to_string(c.year));
        const Date d(c.day, c.month, c.year);
        EXPECT_EQ(dayNumberOf(d), c.dayNumber);
        EXPECT_EQ(d.year(), c.year);
        EXPECT_EQ(d.month(), c.month);
        EXPECT_EQ(Date(c.dayNumber), d);
    }
}

TEST(CalendarTest, InvalidDatesKeepWhatTheRulesSay) {
    // A year outside the range clears every field; a bad day or month in a
    // good year keeps the three numbers with day number 0.
    struct Case {
        short day, month, year, wantYear, wantMonth;
    };
    const Case cases[] = {
        {29, 2, 1999, 1999, 2}, {31, 4, 2000, 2000, 4},  {1, 13, 2000, 2000, 13},
        {0, 1, 1980, 1980, 1},  {1, 0, 1980, 1980, 0},   {32, 1, 2000, 2000, 1},
        {-1, 1, 2000, 2000, 1}, {1, -1, 2000, 2000, -1}, {1, 1, 1969, 0, 0},
        {1, 1, 2059, 0, 0},     {29, 2, 2100, 0, 0},     {1, 1, -1970, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.day) + "." + std::to_string(c.month) + "." +
                     std::to_string(c.year));
        const Date d(c.day, c.month, c.year);
        EXPECT_EQ(dayNumberOf(d), 0);
        EXPECT_EQ(d.year(), c.wantYear);
        EXPECT_EQ(d.month(), c.wantMonth);
        EXPECT_EQ(Date::gIsValidDate(c.day, c.month, c.year), 0);
    }
}

TEST(CalendarTest, ValidityOfThreeNumbers) {
    EXPECT_EQ(Date::gIsValidDate(31, 12, 2058), 1);
    EXPECT_EQ(Date::gIsValidDate(1, 1, 1970), 1);
    EXPECT_EQ(Date::gIsValidDate(29, 2, 2000), 1);
    EXPECT_EQ(Date::gIsValidDate(0, 1, 1980), 0);
    EXPECT_EQ(Date::gIsValidDate(1, static_cast<short>(0), 1980), 0);
    EXPECT_EQ(Date::gIsValidDate(1, 13, 1980), 0);
    EXPECT_EQ(Date::gIsValidDate(29, 2, 1900), 0);
}

TEST(CalendarTest, DayNumberConstructor) {
    const short nonPositive[] = {0, -5, SHRT_MIN};
    for (const short n : nonPositive) {
        SCOPED_TRACE(n);
        const Date d(n);
        EXPECT_EQ(dayNumberOf(d), 0);
        EXPECT_EQ(d.year(), 0);
        EXPECT_EQ(d.month(), 0);
    }
    EXPECT_EQ(dayNumberOf(Date()), 0);
    EXPECT_EQ(Date().year(), 0);
    EXPECT_EQ(Date(static_cast<short>(1)), Date(1, 1, 1970));
    EXPECT_EQ(Date(static_cast<short>(32507)).year(), 2058);
    EXPECT_EQ(Date(static_cast<short>(32507)).month(), 12);
}

// Every day number of the range against the C library's own calendar: year,
// month, weekday, the three-number constructor, and the short text form read
// back.
TEST(CalendarTest, AgreesWithTheCLibraryOnEveryDay) {
    for (int n = 1; n <= 32507; ++n) {
        const std::tm tm = civilDay(n);
        const Date d(static_cast<short>(n));
        const short day = static_cast<short>(tm.tm_mday);
        const short month = static_cast<short>(tm.tm_mon + 1);
        const short year = static_cast<short>(tm.tm_year + 1900);
        EXPECT_EQ(d.year(), year) << "day number " << n;
        EXPECT_EQ(d.month(), month) << "day number " << n;
        EXPECT_EQ(d.dayOfWeek(), weekdayOf(tm)) << "day number " << n;
        EXPECT_EQ(dayNumberOf(Date(day, month, year)), n) << "day number " << n;
        std::tm back{};
        back.tm_mday = day;
        back.tm_mon = month - 1;
        back.tm_year = year - 1900;
        EXPECT_EQ(timegm(&back), static_cast<std::time_t>(n - 1) * secondsPerDay);
        const CString text = d.shortCString();
        EXPECT_EQ(Date(text), d) << "day number " << n << ", text " << text;
        EXPECT_EQ(Date::gIsValidDate(text), 1) << text;
        if (HasFailure()) break;
    }
}

// Day numbers outside the range, reached by arithmetic, end with the date
// the calendar carried on both ways gives, and a month of 1 to 12.
TEST(CalendarTest, DayNumbersOutsideTheRangeFollowTheCalendar) {
    for (int n = SHRT_MIN; n <= SHRT_MAX; ++n) {
        if (n >= 0 && n <= 32507) continue;
        Date d;
        d += static_cast<short>(n);
        const std::tm tm = civilDay(n);
        ASSERT_EQ(dayNumberOf(d), n);
        EXPECT_EQ(d.year(), tm.tm_year + 1900) << "day number " << n;
        EXPECT_EQ(d.month(), tm.tm_mon + 1) << "day number " << n;
        EXPECT_EQ(d.dayOfWeek(), weekdayOf(tm)) << "day number " << n;
        EXPECT_EQ(d.longCString().length(), 17) << "day number " << n;
        if (HasFailure()) break;
    }
    const Date top(static_cast<short>(SHRT_MAX));
    EXPECT_EQ(top.year(), 2059);
    EXPECT_STREQ(top.monthStr(), "Sep");
    Date wrapped(31, 12, 2058);
    wrapped += 300;  // past 32767: wraps to a day number in 1880
    EXPECT_EQ(dayNumberOf(wrapped), -32729);
    EXPECT_EQ(wrapped.year(), 1880);
    EXPECT_EQ(wrapped.month(), 5);
}

TEST(CalendarTest, MonthsOutsideTheTableAreNeverRead) {
    const short months[] = {0, -1, 13, SHRT_MAX, SHRT_MIN};
    for (const short month : months) {
        SCOPED_TRACE(month);
        EXPECT_EQ(Date::gDaysInMonth(month, 2000), 0);
        EXPECT_EQ(Date(1, month, 2000).daysInMonth(0, 0), 0);
        EXPECT_STREQ(Date(1, month, 2000).monthStr(), "");
    }
    EXPECT_EQ(Date().daysInMonth(0, 0), 0);
}

TEST(CalendarTest, ArithmeticCrossesMonthsAndYears) {
    struct Case {
        Date from;
        short by;
        Date want;
    };
    const Case cases[] = {
        {Date(31, 12, 1999), 1, Date(1, 1, 2000)},      {Date(1, 3, 2000), -1, Date(29, 2, 2000)},
        {Date(1, 3, 2001), -1, Date(28, 2, 2001)},      {Date(1, 1, 1970), 365, Date(1, 1, 1971)},
        {Date(31, 12, 2058), -32506, Date(1, 1, 1970)}, {Date(28, 2, 2000), 2, Date(1, 3, 2000)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from.longCString()) + " by " + std::to_string(c.by));
        Date up = c.from;
        EXPECT_EQ(&(up += c.by), &up);
        EXPECT_EQ(up, c.want);
        EXPECT_EQ(up.year(), c.want.year());
        EXPECT_EQ(up.month(), c.want.month());
        Date down = c.from;
        EXPECT_EQ(&(down -= static_cast<short>(-c.by)), &down);
        EXPECT_EQ(down, c.want);
        EXPECT_EQ(c.want - c.from, c.by);
    }
}

TEST(CalendarTest, ReachingDayZeroKeepsTheFields) {
    Date d(1, 1, 1970);
    d -= 1;
    EXPECT_EQ(dayNumberOf(d), 0);
    EXPECT_EQ(d.year(), 1970);
    EXPECT_EQ(d.month(), 1);
    EXPECT_EQ(d, Date());
    EXPECT_STREQ(d.shortCString(), "");
    d += 5;
    EXPECT_EQ(d, Date(5, 1, 1970));
    Date invalid;
    invalid += 5;
    EXPECT_EQ(invalid, Date(5, 1, 1970));
}

TEST(CalendarTest, DifferencesAndComparisons) {
    const Date a(1, 1, 1970);
    const Date b(1, 1, 1971);
    EXPECT_EQ(b - a, 365);
    EXPECT_EQ(a - b, -365);
    EXPECT_EQ(Date(31, 12, 2058) - Date(), 32507);
    struct Case {
        Date left, right;
        Relations want;
    };
    const Case cases[] = {
        {a, b, {0, 1, 1, 0, 1, 0}},
        {b, a, {0, 1, 0, 1, 0, 1}},
        {a, Date(1, 1, 1970), {1, 0, 0, 0, 1, 1}},
        {Date(), a, {0, 1, 1, 0, 1, 0}},
        {Date(), Date(1, 13, 2000), {1, 0, 0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(dayNumberOf(c.left)) + " vs " +
                     std::to_string(dayNumberOf(c.right)));
        expectRelations(c.left, c.right, c.want);
    }
}

TEST(CalendarTest, Weekdays) {
    struct Case {
        Date date;
        short weekday;
        const char* name;
    };
    const Case cases[] = {
        {Date(7, 1, 1980), 1, "Mon"},   {Date(6, 1, 1980), 7, "Sun"},  {Date(1, 1, 1970), 4, "Thu"},
        {Date(31, 12, 2058), 2, "Tue"}, {Date(13, 1, 1980), 7, "Sun"}, {Date(), 3, "Wed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(dayNumberOf(c.date));
        EXPECT_EQ(c.date.dayOfWeek(), c.weekday);
        EXPECT_STREQ(c.date.dayStr(), c.name);
    }
}

TEST(CalendarTest, LeapYearsAndMonthLengths) {
    struct Case {
        short year;
        int leap;
    };
    const Case cases[] = {{1996, 1}, {2000, 1}, {1900, 0}, {1999, 0}, {2100, 0}, {2400, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(Date::gIsLeapYear(c.year), c.leap);
        EXPECT_EQ(Date::gDaysInYear(c.year), c.leap ? 366 : 365);
    }
    EXPECT_EQ(Date::gDaysInMonth(2, 2000), 29);
    EXPECT_EQ(Date::gDaysInMonth(2, 1900), 28);
    EXPECT_EQ(Date::gDaysInMonth(1, 1999), 31);
    EXPECT_EQ(Date::gDaysInMonth(4, 1999), 30);

    const Date feb2000(15, 2, 2000);
    EXPECT_EQ(feb2000.daysInMonth(0, 0), 29);
    EXPECT_EQ(feb2000.daysInMonth(2, 2001), 28);
    EXPECT_EQ(feb2000.daysInMonth(0, 2001), 28);
    EXPECT_EQ(feb2000.daysInMonth(4, 0), 30);
    EXPECT_EQ(feb2000.isLeapYear(0), 1);
    EXPECT_EQ(feb2000.isLeapYear(2001), 0);
    EXPECT_EQ(feb2000.daysInYear(0), 366);
    EXPECT_EQ(feb2000.daysInYear(1999), 365);
}

// ---- Local date -------------------------------------------------------------

TEST(LocalDateTest, FollowsTheLocalZone) {
    {
        LocalZone zone("UTC0");
        EXPECT_EQ(Date(0L), Date(1, 1, 1970));
        EXPECT_EQ(Date(3658L * secondsPerDay + 86399L), Date(7, 1, 1980));
        EXPECT_EQ(Date(32506L * secondsPerDay), Date(31, 12, 2058));
        EXPECT_EQ(Date(22L * 3600), Date(1, 1, 1970));
    }
    {
        LocalZone zone("XYZ-2");  // two hours ahead of UTC
        EXPECT_EQ(Date(22L * 3600), Date(2, 1, 1970));
    }
}

TEST(LocalDateTest, OutsideTheRangeIsInvalidWithAllFieldsZero) {
    LocalZone zone("UTC0");
    // 1 January 67506 would wrap to 1970 if the year were narrowed to 16
    // bits before it is tested.
    std::tm far{};
    far.tm_mday = 1;
    far.tm_year = 67506 - 1900;
    const long farAway = static_cast<long>(timegm(&far));
    for (const long t : {-secondsPerDay, 32507L * secondsPerDay, farAway, LONG_MAX, LONG_MIN}) {
        SCOPED_TRACE(t);
        const Date d(t);
        EXPECT_EQ(dayNumberOf(d), 0);
        EXPECT_EQ(d.year(), 0);
        EXPECT_EQ(d.month(), 0);
    }
}

TEST(LocalDateTest, SystemDateIsToday) {
    const Date before(static_cast<long>(std::time(nullptr)));
    const Date today = systemDate();
    const Date after(static_cast<long>(std::time(nullptr)));
    EXPECT_GE(today, before);
    EXPECT_LE(today, after);
    EXPECT_NE(dayNumberOf(today), 0);
}

// ---- Parsing of the month-name forms ---------------------------------------

struct TextCase {
    const char* text;
    short day, month, year;  // 0, 0, 0: no form matches
    int valid;
};

void checkText(const TextCase& c) {
    SCOPED_TRACE(std::string("'") + c.text + "'");
    const Date d{CString(c.text)};
    EXPECT_EQ(Date::gIsValidDate(CString(c.text)), c.valid);
    if (c.valid) {
        EXPECT_EQ(d, Date(c.day, c.month, c.year));
        EXPECT_NE(dayNumberOf(d), 0);
    } else {
        EXPECT_EQ(dayNumberOf(d), 0);
        EXPECT_EQ(d.year(), c.year);
        EXPECT_EQ(d.month(), c.month);
    }
}

TEST(DateParseTest, MonthNameForms) {
    const TextCase cases[] = {
        {"7th Jan 1980", 7, 1, 1980, 1},
        {"7 Jan 1980", 7, 1, 1980, 1},
        {"Jan 7th 1980", 7, 1, 1980, 1},
        {"Jan 7 1980", 7, 1, 1980, 1},
        {"07 Jan 1980", 7, 1, 1980, 1},
        {"7 jan 1980", 7, 1, 1980, 1},
        {"7 JAN 1980", 7, 1, 1980, 1},
        {"dEC 31st 2058", 31, 12, 2058, 1},
        {"7st Jan 1980", 7, 1, 1980, 1},
        {"7sh Jan 1980", 7, 1, 1980, 1},
        {"29 Feb 2000", 29, 2, 2000, 1},
        {"1 Jan 1970", 1, 1, 1970, 1},
        // In a form, but no such date: the fields of the three-number rule.
        {"7 Jna 1980", 7, 0, 1980, 0},
        {"29 Feb 2001", 29, 2, 2001, 0},
        {"Apr 31st 2000", 31, 4, 2000, 0},
        {"0 Jan 1980", 0, 1, 1980, 0},
        {"7 Jan 80", 0, 0, 0, 0},
        {"1 Jan 2059", 0, 0, 0, 0},
        // In no form: the invalid date with all fields 0.
        {"7TH Jan 1980", 0, 0, 0, 0},
        {"7January 1980", 0, 0, 0, 0},
        {"7 January 1980", 0, 0, 0, 0},
        {"7-Jan-1980", 0, 0, 0, 0},
        {" 7 Jan 1980", 0, 0, 0, 0},
        {"7 Jan 1980 ", 0, 0, 0, 0},
        {"7  Jan 1980", 0, 0, 0, 0},
        {"7\tJan 1980", 0, 0, 0, 0},
        {"Jan  7 1980", 0, 0, 0, 0},
        {"Mon 07th Jan 1980", 0, 0, 0, 0},
        {"Jan 7th, 1980", 0, 0, 0, 0},
        {"", 0, 0, 0, 0},
    };
    for (const TextCase& c : cases)
        checkText(c);
}

// Digit runs of any length are read without overflow; a number too large
// for 16 bits never wraps into a valid date (65543 is 7 modulo 65536).
TEST(DateParseTest, OverlongNumbers) {
    const std::string many(5000, '9');
    const std::string zeros(5000, '0');
    const std::string manyYear = "7 Jan " + many;
    const std::string manyDay = many + " Jan 1980";
    const std::string zeroYear = "7 Jan " + zeros + "1980";
    const std::string manyNumeric = many + "-" + many + "-" + many;
    const TextCase cases[] = {
        {manyYear.c_str(), 0, 0, 0, 0},    {manyDay.c_str(), 0, 1, 1980, 0},
        {zeroYear.c_str(), 7, 1, 1980, 1}, {"65543 Jan 1980", 0, 1, 1980, 0},
        {"Jan 7 67516", 0, 0, 0, 0},       {"Jan 32767th 1980", 0, 1, 1980, 0},
        {manyNumeric.c_str(), 0, 0, 0, 0},
    };
    for (const TextCase& c : cases)
        checkText(c);
}

TEST(DateParseTest, MonthNamesAsArguments) {
    EXPECT_EQ(Date(7, "jan", 1980), Date(7, 1, 1980));
    EXPECT_EQ(Date(31, "DEC", 2058), Date(31, 12, 2058));
    EXPECT_EQ(Date::gIsValidDate(29, "feb", 2000), 1);
    EXPECT_EQ(Date::gIsValidDate(29, "Feb", 2001), 0);
    for (const char* name : {"January", "Ja", "", "Jan ", "xyz"}) {
        SCOPED_TRACE(std::string("'") + name + "'");
        EXPECT_EQ(Date::gIsValidDate(7, name, 1980), 0);
        const Date d(7, name, 1980);
        EXPECT_EQ(dayNumberOf(d), 0);
        EXPECT_EQ(d.year(), 1980);
        EXPECT_EQ(d.month(), 0);
    }
    EXPECT_EQ(Date(7, "xyz", 1969).year(), 0);
    const char* none = nullptr;
    EXPECT_EQ(dayNumberOf(Date(7, none, 1980)), 0);
    EXPECT_EQ(Date::gIsValidDate(7, none, 1980), 0);
}

TEST(DateParseTest, ExpressionsAreExportedAndRecordTheirMatch) {
    const CString text("7 Jan 1980");
    EXPECT_EQ(text == Date::ddmmmyyFormat2, 1);
    EXPECT_EQ(Date::ddmmmyyFormat2.MatchLen(), 10);
    EXPECT_EQ(Date::ddmmmyyFormat2.FirstMatchingChar(), static_cast<const char*>(text));
    EXPECT_EQ(text == Date::ddmmyyFormat, 0);
    EXPECT_EQ(CString("7-1-1980") == Date::ddmmyyFormat, 1);
    EXPECT_EQ(CString("7 1 1980") == Date::ddmmyyFormat, 1);
    EXPECT_EQ(CString("7th Jan 1980") == Date::ddmmmyyFormat1, 1);
    EXPECT_EQ(CString("Jan 7th 1980") == Date::ddmmmyyFormat3, 1);
    EXPECT_EQ(CString("Jan 7 1980") == Date::ddmmmyyFormat4, 1);
    EXPECT_EQ(CString("Jan 7 1980") == Date::ddmmmyyFormat2, 0);
}

// ---- Formatting that does not depend on the date order ----------------------

TEST(DateFormatTest, OrdinalSuffixes) {
    struct Case {
        short day;
        const char* suffix;
    };
    const Case cases[] = {
        {1, "st"},  {2, "nd"},  {3, "rd"},  {4, "th"},  {11, "th"}, {12, "th"}, {13, "th"},
        {20, "th"}, {21, "st"}, {22, "nd"}, {23, "rd"}, {24, "th"}, {30, "th"}, {31, "st"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        CString text("[..]");
        Date(c.day, 1, 1980).setTH(text, 2);
        EXPECT_STREQ(text, (std::string("[") + c.suffix + "]").c_str());
        EXPECT_EQ(text.length(), 4);
    }
}

TEST(DateFormatTest, SuffixOutsideTheTextWritesNothing) {
    const Date d(1, 1, 1980);
    for (const int pos : {0, -1, 4, 5, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(pos);
        CString text("abcd");
        d.setTH(text, pos);
        EXPECT_STREQ(text, "abcd");
        EXPECT_EQ(text.length(), 4);
    }
    CString text("abcd");
    d.setTH(text, 3);
    EXPECT_STREQ(text, "abst");
}

TEST(DateFormatTest, InvalidDatePrintsNothing) {
    for (const Date& d : {Date(), Date(1, 13, 2000), Date(29, 2, 1999)}) {
        EXPECT_STREQ(d.shortCString(), "");
        const CString asText = d;
        EXPECT_STREQ(asText, "");
        EXPECT_STREQ(d.longCString(), "");
        EXPECT_STREQ(d.monthStr(), "");
    }
}

TEST(DateFormatTest, MonthNames) {
    EXPECT_STREQ(Date(7, 1, 1980).monthStr(), "Jan");
    EXPECT_STREQ(Date(31, 12, 2058).monthStr(), "Dec");
    EXPECT_STREQ(Date(15, 6, 2000).monthStr(), "Jun");
}

TEST(DateFormatTest, LongFormIsNotReadBack) {
    for (const Date& d : {Date(7, 1, 1980), Date(1, 1, 1970), Date(31, 12, 2058)}) {
        SCOPED_TRACE(std::string(d.longCString()));
        EXPECT_EQ(dayNumberOf(Date(d.longCString())), 0);
        EXPECT_EQ(Date::gIsValidDate(d.longCString()), 0);
    }
}

}  // namespace
