// Tests of the case-insensitive searches strchri, strrchri and strstri.
#include <gtest/gtest.h>

#include <string>

#include "tessel/strchri.h"
#include "tessel/strrchri.h"
#include "tessel/strstri.h"

namespace {

// Offset of a search result in s, or -1 for null.
long offsetIn(const char* s, const char* found) {
    return found ? found - s : -1;
}

TEST(CharSearchTest, FirstAndLastIgnoringCase) {
    struct Case {
        const char* s;
        int c;
        long first, last;
    };
    const Case cases[] = {
        {"Hello", 'L', 2, 3}, {"Hello", 'h', 0, 0}, {"abc", 0, 3, 3},
        {"abc", 'x', -1, -1}, {"", 'a', -1, -1},    {"", 0, 0, 0},
        {"a-b", '_', -1, -1}, {"aAa", 'a', 0, 2},   {"x9y", '9', 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.s + "' for " + std::to_string(c.c));
        EXPECT_EQ(offsetIn(c.s, strchri(c.s, c.c)), c.first);
        EXPECT_EQ(offsetIn(c.s, strrchri(c.s, c.c)), c.last);
    }
}

TEST(CharSearchTest, HighBytesMatchOnlyThemselves) {
    // Bytes above 127 are negative as chars; they must neither index the
    // classification table nor fold to another byte.
    const char s[] =
        "a\xE9"
        "b\xC9";
    EXPECT_EQ(offsetIn(s, strchri(s, static_cast<char>(0xC9))), 3);
    EXPECT_EQ(offsetIn(s, strrchri(s, static_cast<char>(0xE9))), 1);
    EXPECT_EQ(offsetIn(s, strstri(s, "\xC9")), 3);
}

TEST(TextSearchTest, LeftmostMatchIgnoringCase) {
    struct Case {
        const char* s;
        const char* t;
        long offset;
    };
    const Case cases[] = {
        {"Hello World", "WORLD", 6},
        {"abc", "", 0},
        {"", "", 0},
        {"", "a", -1},
        {"ab", "abc", -1},
        {"aaab", "AAB", 1},
        {"ababc", "ABC", 2},
        {"abc", "abc", 0},
        {"xyz", "q", -1},
        {"a.b", ".", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("'") + c.t + "' in '" + c.s + "'");
        EXPECT_EQ(offsetIn(c.s, strstri(c.s, c.t)), c.offset);
    }
}

}  // namespace
