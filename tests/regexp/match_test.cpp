// Tests of the matcher: leftmost start, greedy closures that back off,
// counts, classes, groups and back-references.
#include <gtest/gtest.h>

#include <cstring>
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

// step and advance driven directly with a program compiled into a buffer
// of the test's own.
class DirectMatchTest : public ::testing::Test {
  protected:
    const char* program(const char* pattern) {
        std::memset(buffer, 0, sizeof buffer);
        EXPECT_NE(re.compile(pattern, buffer, buffer + sizeof buffer - 1, '\0'), nullptr);
        return buffer;
    }
    RegExp re;
    char buffer[200];
};

TEST_F(DirectMatchTest, AdvanceSetsOnlyTheEnd) {
    const char* prog = program("b*c");
    const char subject[] = "abbcd";
    ASSERT_EQ(re.advance(subject + 1, prog), 1);
    EXPECT_EQ(re.LastMatchingChar(), subject + 4);
    EXPECT_EQ(re.FirstMatchingChar(), nullptr);
    EXPECT_EQ(re.advance(subject, prog), 0);  // a match must begin right there
}

TEST_F(DirectMatchTest, AnchoredStepTriesOnlyTheStart) {
    const char* prog = program("^b");
    const char subject[] = "ab";
    EXPECT_EQ(re.step(subject, prog), 0);
    EXPECT_EQ(re.FirstMatchingChar(), subject);  // set even though it failed
    ASSERT_EQ(re.step(subject + 1, prog), 1);
    EXPECT_EQ(re.FirstMatchingChar(), subject + 1);
    EXPECT_EQ(re.LastMatchingChar(), subject + 2);
}

TEST_F(DirectMatchTest, GroupsOfAnEarlierSearchAreNotSeen) {
    // Program: group 0 around "ab", then \1. Entering it at the
    // back-reference must not compare against the text that an earlier
    // search, of a subject that no longer exists, recorded for the group.
    const char* prog = program("\\(ab\\)\\1");
    ASSERT_EQ(static_cast<unsigned char>(prog[8]), 36);  // RE_BACKREF 0
    {
        const std::string earlier = "abab";
        ASSERT_EQ(re.step(earlier.c_str(), prog), 1);
    }
    EXPECT_EQ(re.advance("ab", prog + 8), 0);
    EXPECT_EQ(re.advance("", prog + 8), 0);
    // A starred reference to an unrecorded group takes no occurrences.
    const char* starred = program("\\(ab\\)\\1*x");
    ASSERT_EQ(static_cast<unsigned char>(starred[8]), 37);
    ASSERT_EQ(re.advance("abx", starred + 8), 0);
    ASSERT_EQ(re.advance("x", starred + 8), 1);
}

TEST(MatchTest, ReferenceToAnOpenGroupMatchesNothing) {
    // \1 inside group 1 names a group that has not closed on the path taken;
    // a failed branch that closed it must not make it look closed.
    const Case cases[] = {
        {"\\(\\(a\\)\\1\\)", "aaaa", 0, 0, 0},
        {"\\(\\(a\\)\\1*b\\)", "aab", 1, 1, 2},
        {"\\(a*\\(b\\)\\1*c\\)", "aabbc", 1, 3, 2},
    };
    expectCases(cases, sizeof cases / sizeof cases[0]);
}

TEST(MatchTest, PathologicalBackTrackingStaysBounded) {
    // Nine closures over the same letter on a subject that never matches:
    // every start is tried, each with a product of back-off steps. This only
    // has to end, and to end with 0.
    const std::string subject(12, 'a');
    RegExp r("a*a*a*a*a*a*a*a*a*b", 0);
    EXPECT_EQ(r.match(subject.c_str()), 0);
    RegExp counted("^\\(a\\{0,3\\}\\)\\1*\\1*b", 0);
    EXPECT_EQ(counted.match(subject.c_str()), 0);
}

}  // namespace
