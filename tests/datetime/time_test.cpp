// Tests of the time module: the count and its parts, arithmetic, parsing,
// and the local time. The printed forms, which depend on the clock the
// library is built with, are tested in settings_test.cpp.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <ctime>
#include <string>

#include "../support/relations.h"
#include "local_zone.h"
#include "tessel/time.h"

namespace {

long countOf(const Time& t) {
    return static_cast<long>(t);
}

TEST(TimeTest, CountFromNumbers) {
    struct Case {
        unsigned short hours, minutes, seconds;
        long count;
    };
    const Case cases[] = {
        {0, 0, 0, 0},        {19, 5, 9, 68709},
        {23, 59, 59, 86399}, {25, 0, 0, 90000},
        {0, 90, 0, 5400},    {1, 30, 0, 5400},
        {0, 1440, 0, 86400}, {65535, 65535, 65535, 65535L * 3600 + 65535L * 60 + 65535},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.hours) + ":" + std::to_string(c.minutes) + ":" +
                     std::to_string(c.seconds));
        EXPECT_EQ(countOf(Time(c.hours, c.minutes, c.seconds)), c.count);
    }
    EXPECT_EQ(countOf(Time()), 0);
    EXPECT_EQ(sizeof(Time), sizeof(int32_t));  // one 32-bit count
}

TEST(TimeTest, PartsOfTheCount) {
    struct Case {
        long count;
        unsigned short hours, minutes, seconds;
    };
    const Case cases[] = {
        {0, 0, 0, 0},
        {68709, 19, 5, 9},
        {86399, 23, 59, 59},
        {86400, 24, 0, 0},
        {362340, 100, 39, 0},
        // Negative counts round the hours down: minutes and seconds stay 0
        // to 59, and hour -1 shows as 65535 in the unsigned 16-bit result.
        {-1, 65535, 59, 59},
        {-3600, 65535, 0, 0},
        {-3601, 65534, 59, 59},
        // Hours beyond 16 bits wrap in hours() alone.
        {65536L * 3600 + 61, 0, 1, 1},
        {INT32_MAX, 596523 % 65536, 14, 7},
        {INT32_MIN, static_cast<unsigned short>(-596524), 45, 52},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        Time t;
        t += c.count;
        ASSERT_EQ(countOf(t), c.count);
        EXPECT_EQ(t.hours(), c.hours);
        EXPECT_EQ(t.minutes(), c.minutes);
        EXPECT_EQ(t.seconds(), c.seconds);
    }
}

TEST(TimeTest, ArithmeticDoesNotWrapAtMidnight) {
    Time t(23, 59, 59);
    EXPECT_EQ(&(t += 1), &t);
    EXPECT_EQ(countOf(t), 86400);
    EXPECT_EQ(t.hours(), 24);

    Time m;
    EXPECT_EQ(&(m -= 1), &m);
    EXPECT_EQ(countOf(m), -1);
    EXPECT_EQ(m < Time(), 1);

    Time back(10, 0, 0);
    back -= -3600;
    EXPECT_EQ(back, Time(11, 0, 0));
    back += -7200;
    EXPECT_EQ(back, Time(9, 0, 0));
}

// The count is 32 bits: stepping past either end wraps in two's complement
// instead of overflowing.
TEST(TimeTest, ArithmeticWrapsAtThe32BitEnds) {
    Time t;
    t += INT32_MAX;
    t += 1;
    EXPECT_EQ(countOf(t), INT32_MIN);
    t -= 1;
    EXPECT_EQ(countOf(t), INT32_MAX);
    EXPECT_EQ(t - Time(), INT32_MAX);
    Time low;
    low += INT32_MIN;
    EXPECT_EQ(t - low, static_cast<long long>(INT32_MAX) - INT32_MIN);
}

TEST(TimeTest, DifferencesAndComparisons) {
    const Time one(13, 0, 0);
    const Time noon(12, 0, 0);
    EXPECT_EQ(one - noon, 3600);
    EXPECT_EQ(noon - one, -3600);
    struct Case {
        Time left, right;
        Relations want;
    };
    const Case cases[] = {
        {noon, one, {0, 1, 1, 0, 1, 0}},
        {one, noon, {0, 1, 0, 1, 0, 1}},
        {noon, Time(11, 60, 0), {1, 0, 0, 0, 1, 1}},
        {Time(CString("nonsense")), Time(), {1, 0, 0, 0, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(countOf(c.left)) + " vs " + std::to_string(countOf(c.right)));
        expectRelations(c.left, c.right, c.want);
    }
}

TEST(TimeParseTest, TextForms) {
    struct Case {
        const char* text;
        long count;
    };
    const std::string longDigits(3000, '1');
    const Case cases[] = {
        {"7:05", 25500},
        {"19.05", 68700},
        {"7h05", 25500},
        {"19:05:09", 68709},
        {"19:05.09", 68709},
        {"7:05pm", 68700},
        {"7:05PM", 68700},
        {"7:05pM", 68700},
        {"7:05Pm", 68700},
        {"7:05am", 25500},
        {"7:05:09pm", 68709},
        {"7:05:09AM", 25509},
        {"12:05am", 300},
        {"12:05pm", 43500},
        {"0:05pm", 43500},
        {"12:00:00am", 0},
        {"11:59:59pm", 86399},
        {"13:00pm", 46800},
        {"13:00am", 46800},
        {"99:99", 362340},
        {"99:99:99pm", 362439},
        {"00:00", 0},
        // No form matches: midnight.
        {"7:05 pm", 0},
        {"7:05p", 0},
        {"7:05 ", 0},
        {" 7:05", 0},
        {"123:00", 0},
        {"7:123", 0},
        {"7", 0},
        {"7:05:09:01", 0},
        {"7::05", 0},
        {"7:05xm", 0},
        {"", 0},
        {longDigits.c_str(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.text + "'");
        EXPECT_EQ(countOf(Time(CString(c.text))), c.count);
    }
}

TEST(TimeParseTest, ExpressionsAreExportedAndRecordTheirMatch) {
    const CString text("19:05:09pm");
    EXPECT_EQ(text == Time::timeFormat4, 1);
    EXPECT_EQ(Time::timeFormat4.MatchLen(), 10);
    EXPECT_EQ(Time::timeFormat4.FirstMatchingChar(), static_cast<const char*>(text));
    EXPECT_EQ(CString("7:05") == Time::timeFormat1, 1);
    EXPECT_EQ(CString("7:05:09") == Time::timeFormat2, 1);
    EXPECT_EQ(CString("7:05am") == Time::timeFormat3, 1);
    EXPECT_EQ(CString("7:05am") == Time::timeFormat1, 0);
}

TEST(LocalTimeTest, FollowsTheLocalZone) {
    {
        LocalZone zone("UTC0");
        EXPECT_EQ(Time(68709L), Time(19, 5, 9));
        EXPECT_EQ(Time(20L * 86400 + 68709L), Time(19, 5, 9));
        EXPECT_EQ(Time(-1L), Time(23, 59, 59));
        EXPECT_EQ(Time(0L), Time());
    }
    {
        LocalZone zone("XYZ-2");  // two hours ahead of UTC
        EXPECT_EQ(Time(22L * 3600), Time());
        EXPECT_EQ(Time(68709L), Time(21, 5, 9));
    }
}

TEST(LocalTimeTest, UnconvertibleValueIsMidnight) {
    EXPECT_EQ(Time(LONG_MAX), Time());
    EXPECT_EQ(Time(LONG_MIN), Time());
}

TEST(LocalTimeTest, SystemTimeIsWithinTheDay) {
    const long now = countOf(systemTime());
    EXPECT_GE(now, 0);
    EXPECT_LE(now, 86400);  // 86400 only in a leap second
}

}  // namespace
