// Tests of FileExp2RegExp: the translation table and whole-name,
// ignore-case matching.
#include <gtest/gtest.h>

#include <string>

#include "tessel/dir.h"

namespace {

struct Case {
    const char* wildcard;
    const char* name;
    int matches;
};

TEST(WildcardTest, MatchesWholeNamesIgnoringCase) {
    const Case cases[] = {
        {"*.txt", "a.txt", 1},
        {"*.txt", "A.TXT", 1},
        {"*.txt", ".txt", 1},
        {"*.txt", "a.txt.bak", 0},
        {"*.txt", "a_txt", 0},
        {"*.txt", "dir/a.txt", 0},
        {"*.txt", "dir\\a.txt", 0},
        {"*.txt", "c:a.txt", 0},
        {"*", "", 1},
        {"*", "any name", 1},
        {"*", "a/b", 0},
        {"*", "a\\b", 0},
        {"*", "a:b", 0},
        {"*.*", "readme", 0},
        {"*.*", "read.me", 1},
        {"a?c", "abc", 1},
        {"a?c", "a/c", 1},
        {"a?c", "ac", 0},
        {"$x", "$x", 1},
        {"$x", "x", 0},
        {"$x", "a$x", 0},
        {"[abc]+", "b", 1},
        {"[abc]+", "ab", 0},
        {"[abc]+", "", 0},
        {"[0-9]+3", "7", 1},
        {"[0-9]+3", "123", 1},
        {"[0-9]+3", "1234", 0},
        {"[0-9]+3", "", 0},
        {"[0-9]+5-2", "1", 0},
        {"[0-9]+5-2", "12", 1},
        {"[0-9]+5-2", "12345", 1},
        {"[0-9]+5-2", "123456", 0},
        {"[0-9]+2-5", "123", 0},
        {"[0-9]+2-5", "12", 0},
        {"a+b", "a+b", 1},
        {"a+b", "aab", 0},
        {"[a]+3+", "aa+", 1},
        {"[a]+3+", "aaa", 0},
        {"", "", 1},
        {"", "a", 0},
        // ^[[^\/:]*]$: a class of [, ^, \, / and :, starred, then a ].
        {"[*]", "*", 0},
        {"[*]", "]", 1},
        {"[*]", "[:^]", 1},
        {"[*]", "[x]", 0},
        {"x[a-c]y", "XBY", 1},
        {"x[^0-9]", "x5", 0},
        {"x[^0-9]", "xq", 1},
        {"[0-9]+999", "1", 0},
        {"ab", "aB", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("FileExp2RegExp(") + c.wildcard + ") on " + c.name);
        RegExp r = FileExp2RegExp(c.wildcard);
        EXPECT_EQ(r == c.name, c.matches);
    }
}

TEST(WildcardTest, CountThatDoesNotCompileMatchesNothing) {
    RegExp::re_error = 0;
    RegExp r = FileExp2RegExp("[0-9]+2-5");
    EXPECT_EQ(RegExp::re_error, 46);
    EXPECT_EQ(r == "3", 0);
    RegExp::re_error = 0;
    RegExp big = FileExp2RegExp("[0-9]+99999999999999999999");
    EXPECT_EQ(RegExp::re_error, 11);
    EXPECT_EQ(big == "3", 0);
}

TEST(WildcardTest, WildcardIsLeftUnchanged) {
    const CString wildcard("a*.c");
    RegExp r = FileExp2RegExp(wildcard);
    EXPECT_STREQ(wildcard, "a*.c");
    EXPECT_EQ(r == "ABC.C", 1);
}

}  // namespace
