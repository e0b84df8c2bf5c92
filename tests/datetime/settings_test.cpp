// Tests of the text forms that depend on the build-time settings: the
// numeric date form (read and printed), the long date form and the printed
// clock. This file is compiled once per configuration; TESSEL_DATE_ORDER and
// TESSEL_CLOCK_HOURS tell it which one the library under test was built with.
#include <gtest/gtest.h>

#include <string>

#include "tessel/date.h"
#include "tessel/time.h"

#if !defined(TESSEL_DATE_ORDER) || !defined(TESSEL_CLOCK_HOURS)
#error "settings_test.cpp needs TESSEL_DATE_ORDER and TESSEL_CLOCK_HOURS"
#endif

namespace {

const int order = TESSEL_DATE_ORDER;
const int clockHours = TESSEL_CLOCK_HOURS;
const int clockColumn = clockHours == 12 ? 0 : 1;

struct Day {
    short day, month, year;  // 0, 0, 0: the invalid date
};

// Each numeric text read under the three orders (month-day-year,
// day-month-year, year-month-day).
TEST(DateOrderTest, NumericTextsFollowTheOrder) {
    struct Case {
        const char* text;
        Day want[3];
    };
    const Day none = {0, 0, 0};
    const Case cases[] = {
        {"07-01-1980", {{1, 7, 1980}, {7, 1, 1980}, none}},
        {"01-07-1980", {{7, 1, 1980}, {1, 7, 1980}, none}},
        {"1980-01-07", {none, none, {7, 1, 1980}}},
        {"7/1/1980", {{1, 7, 1980}, {7, 1, 1980}, none}},
        {"7.1.1980", {{1, 7, 1980}, {7, 1, 1980}, none}},
        {"7x1y1980", {{1, 7, 1980}, {7, 1, 1980}, none}},
        {"7 1 1980", {{1, 7, 1980}, {7, 1, 1980}, none}},
        {"007-001-1980", {{1, 7, 1980}, {7, 1, 1980}, none}},
        {"1980/1/007", {none, none, {7, 1, 1980}}},
        {"29-02-2000", {none, {29, 2, 2000}, none}},
        {"02-29-2000", {{29, 2, 2000}, none, none}},
        {"2000-02-29", {none, none, {29, 2, 2000}}},
        {"2001-02-29", {none, none, none}},
        {"29-02-1999", {none, none, none}},
        {"31-04-2000", {none, none, none}},
        {"1-1-1969", {none, none, none}},
        {"1-1-2059", {none, none, none}},
        {"07-01-80", {none, none, none}},
        {"31-12-2058", {none, {31, 12, 2058}, none}},
        {"12-31-2058", {{31, 12, 2058}, none, none}},
        {"2058-12-31", {none, none, {31, 12, 2058}}},
        {"7-1-1980 ", {none, none, none}},
        {"7--1-1980", {none, none, none}},
        {"7-1", {none, none, none}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "' with date order " + std::to_string(order));
        const Day& want = c.want[order];
        const Date d{CString(c.text)};
        if (want.year) {
            EXPECT_EQ(d, Date(want.day, want.month, want.year));
            EXPECT_NE(static_cast<short>(d), 0);
            EXPECT_EQ(Date::gIsValidDate(CString(c.text)), 1);
        } else {
            EXPECT_EQ(static_cast<short>(d), 0);
            EXPECT_EQ(Date::gIsValidDate(CString(c.text)), 0);
        }
    }
}

// An invalid numeric text keeps the fields of the three-number rule, which
// depend on where the order puts the year.
TEST(DateOrderTest, InvalidNumericTextKeepsItsFields) {
    const Date d{CString("13-13-2000")};
    EXPECT_EQ(static_cast<short>(d), 0);
    EXPECT_EQ(d.year(), order == 2 ? 0 : 2000);
    EXPECT_EQ(d.month(), order == 2 ? 0 : 13);
}

TEST(DateOrderTest, ShortAndLongForms) {
    struct Case {
        Date date;
        const char* shortForm[3];
        const char* longForm[3];
    };
    const Case cases[] = {
        {Date(7, 1, 1980),
         {"01-07-1980", "07-01-1980", "1980-01-07"},
         {"Mon Jan 07th 1980", "Mon 07th Jan 1980", "Mon 07th Jan 1980"}},
        {Date(1, 1, 1980),
         {"01-01-1980", "01-01-1980", "1980-01-01"},
         {"Tue Jan 01st 1980", "Tue 01st Jan 1980", "Tue 01st Jan 1980"}},
        {Date(11, 1, 1980),
         {"01-11-1980", "11-01-1980", "1980-01-11"},
         {"Fri Jan 11th 1980", "Fri 11th Jan 1980", "Fri 11th Jan 1980"}},
        {Date(22, 1, 1980),
         {"01-22-1980", "22-01-1980", "1980-01-22"},
         {"Tue Jan 22nd 1980", "Tue 22nd Jan 1980", "Tue 22nd Jan 1980"}},
        {Date(3, 5, 1995),
         {"05-03-1995", "03-05-1995", "1995-05-03"},
         {"Wed May 03rd 1995", "Wed 03rd May 1995", "Wed 03rd May 1995"}},
        {Date(31, 12, 2058),
         {"12-31-2058", "31-12-2058", "2058-12-31"},
         {"Tue Dec 31st 2058", "Tue 31st Dec 2058", "Tue 31st Dec 2058"}},
        {Date(1, 1, 1970),
         {"01-01-1970", "01-01-1970", "1970-01-01"},
         {"Thu Jan 01st 1970", "Thu 01st Jan 1970", "Thu 01st Jan 1970"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.longForm[1]) + " with date order " + std::to_string(order));
        const CString asText = c.date;
        EXPECT_STREQ(asText, c.shortForm[order]);
        EXPECT_STREQ(c.date.shortCString(), c.shortForm[order]);
        EXPECT_STREQ(c.date.longCString(), c.longForm[order]);
    }
}

TEST(DateOrderTest, ShortFormReadsBackForEveryDay) {
    for (int n = 1; n <= 32507; ++n) {
        const Date d(static_cast<short>(n));
        const CString text = d.shortCString();
        ASSERT_EQ(Date(text), d) << "day number " << n << ", text " << text;
        ASSERT_EQ(Date::gIsValidDate(text), 1) << text;
    }
}

TEST(ClockTest, ShortAndLongForms) {
    struct Case {
        Time time;
        const char* shortForm[2];  // 12-hour clock, 24-hour clock
        const char* longForm[2];
    };
    const Case cases[] = {
        {Time(), {"12:00am", "00:00"}, {"12:00:00am", "00:00:00"}},
        {Time(0, 5, 9), {"12:05am", "00:05"}, {"12:05:09am", "00:05:09"}},
        {Time(0, 59, 59), {"12:59am", "00:59"}, {"12:59:59am", "00:59:59"}},
        {Time(1, 0, 0), {"01:00am", "01:00"}, {"01:00:00am", "01:00:00"}},
        {Time(7, 5, 9), {"07:05am", "07:05"}, {"07:05:09am", "07:05:09"}},
        {Time(11, 59, 59), {"11:59am", "11:59"}, {"11:59:59am", "11:59:59"}},
        {Time(12, 0, 0), {"12:00pm", "12:00"}, {"12:00:00pm", "12:00:00"}},
        {Time(12, 59, 59), {"12:59pm", "12:59"}, {"12:59:59pm", "12:59:59"}},
        {Time(13, 0, 0), {"01:00pm", "13:00"}, {"01:00:00pm", "13:00:00"}},
        {Time(19, 5, 9), {"07:05pm", "19:05"}, {"07:05:09pm", "19:05:09"}},
        {Time(23, 59, 59), {"11:59pm", "23:59"}, {"11:59:59pm", "23:59:59"}},
        // Outside one day the parts are printed as they are.
        {Time(25, 0, 0), {"13:00pm", "25:00"}, {"13:00:00pm", "25:00:00"}},
        {Time(100, 39, 0), {"88:39pm", "100:39"}, {"88:39:00pm", "100:39:00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.longForm[1]) + " on the " + std::to_string(clockHours) +
                     "-hour clock");
        const CString asText = c.time;
        EXPECT_STREQ(asText, c.shortForm[clockColumn]);
        EXPECT_STREQ(c.time.shortCString(), c.shortForm[clockColumn]);
        EXPECT_STREQ(c.time.longCString(), c.longForm[clockColumn]);
    }
}

// The short form reads back without its seconds, the long form whole.
TEST(ClockTest, FormsReadBackForEverySecond) {
    for (int count = 0; count < 86400; ++count) {
        Time t;
        t += count;
        const CString shortText = t.shortCString();
        const CString longText = t.longCString();
        ASSERT_EQ(static_cast<long>(Time(shortText)), count - count % 60) << shortText;
        ASSERT_EQ(static_cast<long>(Time(longText)), count) << longText;
    }
}

}  // namespace
