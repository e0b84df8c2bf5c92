// Tests of Dirent: fields, packed stamps as Date and Time, the kept
// objects across copies, and the comparisons.
#include <gtest/gtest.h>

#include "tessel/date.h"
#include "tessel/dir.h"
#include "tessel/time.h"

namespace {

FDATE packedDate(int day, int month, int year) {
    FDATE d;
    d.day = day & 31;
    d.month = month & 15;
    d.year = year & 127;
    return d;
}

FTIME packedTime(int hours, int minutes, int twoSeconds) {
    FTIME t;
    t.hours = hours & 31;
    t.minutes = minutes & 63;
    t.twoSeconds = twoSeconds & 31;
    return t;
}

Dirent entry(const char* name, unsigned long mode = 0x20) {
    return Dirent(nullptr, name, packedDate(1, 1, 23), packedTime(13, 45, 15), 1234, mode);
}

TEST(DirentTest, PackedWordsAreSixteenBits) {
    EXPECT_EQ(sizeof(FDATE), 2u);
    EXPECT_EQ(sizeof(FTIME), 2u);
}

TEST(DirentTest, EmptyAndCompleteEntries) {
    Dirent empty;
    EXPECT_STREQ(empty.name(), "");
    EXPECT_EQ(empty.size(), 0ul);
    EXPECT_EQ(empty.mode(), 0ul);
    EXPECT_EQ(empty.isDirectory(), 0);
    // Without a directory the names are safe: the name alone, no directory.
    EXPECT_STREQ(empty.fullName(), "");
    EXPECT_STREQ(empty.dirName(), "");

    Dirent e = entry("readme.txt");
    EXPECT_STREQ(e.name(), "readme.txt");
    EXPECT_EQ(&e.name(), &e.name());
    EXPECT_EQ(e.size(), 1234ul);
    EXPECT_STREQ(e.fullName(), "readme.txt");
    EXPECT_STREQ(e.dirName(), "");
}

TEST(DirentTest, AttributeBits) {
    struct Case {
        unsigned long mode;
        int directory, readOnly;
    };
    const Case cases[] = {{0x11, 1, 1}, {0x20, 0, 0}, {0x10, 1, 0}, {0x21, 0, 1}, {0x410, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Dirent e = entry("x", c.mode);
        EXPECT_EQ(e.isDirectory(), c.directory);
        EXPECT_EQ(e.isReadOnly(), c.readOnly);
        EXPECT_EQ(e.mode(), c.mode);
    }
}

TEST(DirentTest, StampBecomesDateAndTime) {
    Dirent e = entry("x");
    EXPECT_TRUE(e.date() == Date(1, 1, 2003));
    EXPECT_EQ(static_cast<long>(e.time()), 13 * 3600L + 45 * 60 + 30);
    Dirent late(nullptr, "y", packedDate(31, 12, 50), packedTime(23, 59, 29), 0, 0x20);
    EXPECT_TRUE(late.date() == Date(31, 12, 2030));
    EXPECT_EQ(late.time().seconds(), 58);
    EXPECT_EQ(late.time().minutes(), 59);
    EXPECT_EQ(late.time().hours(), 23);
}

TEST(DirentTest, KeptObjectsAreNeverShared) {
    Dirent a = entry("a");
    const Date* kept = &a.date();
    EXPECT_EQ(&a.date(), kept);
    a.time();
    Dirent copy(a);
    EXPECT_NE(&copy.date(), &a.date());
    EXPECT_TRUE(copy.date() == a.date());

    Dirent other(nullptr, "b", packedDate(29, 2, 20), packedTime(1, 2, 3), 0, 0x20);
    other.date();
    other = a;  // drops other's kept objects, takes a's packed words
    EXPECT_TRUE(other.date() == Date(1, 1, 2003));
    EXPECT_EQ(static_cast<long>(other.time()), static_cast<long>(a.time()));
    const Dirent& same = a;
    a = same;
    EXPECT_TRUE(a.date() == Date(1, 1, 2003));
    EXPECT_STREQ(a.name(), "a");
    // Destroying all three frees each kept object once (checked by the
    // sanitizer build).
}

TEST(DirentTest, ComparisonsIgnoreCase) {
    struct Case {
        const char* a;
        const char* b;
        int less, greater, equal;
    };
    const Case cases[] = {
        {"README", "readme", 0, 0, 1},
        {"a", "B", 1, 0, 0},
        {"b", "A", 0, 1, 0},
        {"same", "same", 0, 0, 1},
        {"ab", "abc", 1, 0, 0},
        {"Z", "_", 1, 0, 0},
        {"", "a", 1, 0, 0},
        {"\xe9", "a", 0, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        Dirent a = entry(c.a);
        Dirent b = entry(c.b, 0x10);
        EXPECT_EQ(a < b, c.less);
        EXPECT_EQ(a > b, c.greater);
        EXPECT_EQ(a == b, c.equal);
    }
}

}  // namespace
