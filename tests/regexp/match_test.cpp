// Tests of the matcher: leftmost start, greedy closures that back off,
// counts, classes, groups and back-references.
#include <gtest/gtest.h>

#include <string>

#include "tessel/regexp.h"

namespace {

struct Case {
    const char* pattern;
    const char* subject;
    int matches;
    int start;   // offset of the match in the subject, when it matches
    int length;  // length of the match, when it matches
};

void expectCases(const Case* cases, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(std::string("match(") + c.pattern + ", " + c.subject + ")");
        RegExp r(c.pattern, 0);
        ASSERT_EQ(r.match(c.subject), c.matches);
        if (!c.matches) continue;
        EXPECT_EQ(r.FirstMatchingChar() - c.subject, c.start);
        EXPECT_EQ(r.MatchLen(), c.length);
    }
}

TEST(MatchTest, LeftmostAndGreedy) {
    const Case cases[] = {
        {"x*", "xxa", 1, 0, 2},       {"x*", "abc", 1, 0, 0},    {"x*", "", 1, 0, 0},
        {"$", "abc", 1, 3, 0},        {"$", "", 1, 0, 0},        {"a.c", "ac", 0, 0, 0},
        {"a.c", "xabcabc", 1, 1, 3},  {"a.", "a", 0, 0, 0},      {"a*ab", "aaab", 1, 0, 4},
        {"b", "abcb", 1, 1, 1},       {"b*c", "abbbc", 1, 1, 4}, {".*", "hello", 1, 0, 5},
        {"a.*b", "xaxbxbx", 1, 1, 5}, {"^ab", "ab", 1, 0, 2},    {"^ab", "xab", 0, 0, 0},
        {"~ab", "abc", 1, 0, 2},      {"ab$", "abab", 1, 2, 2},  {"^$", "", 1, 0, 0},
        {"^$", "a", 0, 0, 0},         {"a^", "ba^", 1, 1, 2},    {"a$b", "a$b", 1, 0, 3},
        {"\\.", "a.b", 1, 1, 1},      {"\\n", "a\nb", 1, 1, 1},  {"ab\ncd", "xab", 1, 1, 2},
    };
    expectCases(cases, sizeof cases / sizeof cases[0]);
}

TEST(MatchTest, Counts) {
    const Case cases[] = {
        {"^a\\{2,3\\}", "aaaa", 1, 0, 3},      {"^a\\{0\\}b", "b", 1, 0, 1},
        {"^a\\{2\\}", "a", 0, 0, 0},           {"a\\{2\\}", "aaa", 1, 0, 2},
        {"a\\{2,\\}", "baaaab", 1, 1, 4},      {"^[0-9]\\{1,3\\}$", "123", 1, 0, 3},
        {"^[0-9]\\{1,3\\}$", "1234", 0, 0, 0}, {"^.\\{3\\}$", "abc", 1, 0, 3},
        {"a\\{1,2\\}ab", "aaab", 1, 0, 4},     {"a*\\{2\\}", "aaa", 1, 0, 2},
        {"a\\{2\\}*", "aaa", 1, 0, 2},
    };
    expectCases(cases, sizeof cases / sizeof cases[0]);
}

TEST(MatchTest, OpenCountStopsTwentyThousandPastTheMinimum) {
    RegExp r("^a\\{2,\\}$", 0);
    const std::string fits(20002, 'a');
    const std::string tooLong(20003, 'a');
    EXPECT_EQ(r.match(fits.c_str()), 1);
    EXPECT_EQ(r.MatchLen(), 20002);
    EXPECT_EQ(r.match(tooLong.c_str()), 0);
}

TEST(MatchTest, Classes) {
    const Case cases[] = {
        {"[a-z]", "\xe9", 0, 0, 0},
        {"[^a-z]", "\xe9", 1, 0, 1},
        {"[^a-z]", "ab\x80", 1, 2, 1},
        {"b[^a]", "b", 0, 0, 0},
        {"b[^a]", "bab", 0, 0, 0},
        {"b[^a]", "bc", 1, 0, 2},
        {"[\xe9x]", "a\xe9", 1, 1, 1},
        {"[\xe9x]", "ax", 1, 1, 1},
        {"[\xe9x]", "ay\xea", 0, 0, 0},
        {"[^\xe9]", "\xe9\xea", 1, 1, 1},
        {"[^\xe9]", "\xe9", 0, 0, 0},
        {"[]a]", "x]", 1, 1, 1},
        {"[a-]", "-", 1, 0, 1},
        {"[z-a]", "m", 0, 0, 0},
        {"[z-a]", "a", 1, 0, 1},
        {"[a-c-e]", "d", 1, 0, 1},
        {"[.*$]", "a$", 1, 1, 1},
        {"[0-9]*x", "12x", 1, 0, 3},
        {"[\x80-\xff]*", "\x80\xff", 1, 0, 2},
    };
    expectCases(cases, sizeof cases / sizeof cases[0]);
}

TEST(MatchTest, GroupsAndBackReferences) {
    const Case cases[] = {
        {"\\(ab*\\)c\\1", "abbcabb", 1, 0, 7}, {"\\(ab*\\)c\\1", "abbcab", 0, 0, 0},
        {"\\(a\\)\\1*b", "aaab", 1, 0, 4},     {"\\(a*\\)\\1*", "bbb", 1, 0, 0},
        {"\\(a*\\)\\1*x", "bbx", 1, 2, 1},     {"\\(ab\\)\\1*\\1", "ababab", 1, 0, 6},
        {"\\(.\\)\\1", "abccd", 1, 2, 2},      {"^\\(.*\\)=\\1$", "xy=xy", 1, 0, 5},
        {"^\\(.*\\)=\\1$", "xy=xz", 0, 0, 0},  {"\\(*\\)", "a*", 1, 1, 1},
        {"\\(\\(a\\)\\1\\)", "aa", 0, 0, 0},   {"\\(\\(a\\)\\1*\\)b", "ab", 1, 0, 2},
    };
    expectCases(cases, sizeof cases / sizeof cases[0]);
}

}  // namespace
