// Tests of the RegExp object: ownership of its program, copies, assignment,
// ignore-case and the match positions in the caller's text.
#include <gtest/gtest.h>

#include <string>

#include "tessel/cstring.h"
#include "tessel/regexp.h"

namespace {

TEST(RegExpObjectTest, DefaultMatchesNothing) {
    RegExp r;
    EXPECT_EQ(r.match(""), 0);
    EXPECT_EQ(r == "abc", 0);
    EXPECT_EQ(r != "abc", 1);
    EXPECT_EQ(r.MatchLen(), 0);
    EXPECT_EQ(r.FirstMatchingChar(), nullptr);
    EXPECT_EQ(r.LastMatchingChar(), nullptr);
}

TEST(RegExpObjectTest, PositionsPointIntoTheCallersText) {
    const char subject[] = "xaby";
    RegExp r("ab", 0);
    ASSERT_EQ(r.match(subject), 1);
    EXPECT_EQ(r.FirstMatchingChar(), subject + 1);
    EXPECT_EQ(r.LastMatchingChar(), subject + 3);
    EXPECT_EQ(r.MatchLen(), 2);
    EXPECT_EQ(r.match("AB"), 0);
}

TEST(RegExpObjectTest, IgnoreCaseUpperCasesPatternAndSubject) {
    RegExp r("ab", 1);
    EXPECT_EQ(r.match("AB"), 1);
    const char subject[] = "xAb";
    ASSERT_EQ(r.match(subject), 1);
    EXPECT_EQ(r.FirstMatchingChar(), subject + 1);
    EXPECT_EQ(r.LastMatchingChar(), subject + 3);
    EXPECT_STREQ(subject, "xAb");  // the caller's text is left alone
    // The escape \n is upper-cased too and becomes a plain N.
    RegExp n("a\\nb", 1);
    EXPECT_EQ(n.match("anb"), 1);
    EXPECT_EQ(n.match("a\nb"), 0);
}

TEST(RegExpObjectTest, FailedCompileMatchesNothing) {
    RegExp::re_error = 0;
    RegExp open("a\\(", 0);
    EXPECT_EQ(RegExp::re_error, 42);
    EXPECT_EQ(open.match("a("), 0);
    EXPECT_EQ(open != "a(", 1);
    RegExp::re_error = 0;
    RegExp empty("", 0);
    EXPECT_EQ(RegExp::re_error, 41);
    EXPECT_EQ(empty.match(""), 0);
    RegExp::re_error = 0;
    RegExp none(nullptr, 0);
    EXPECT_EQ(RegExp::re_error, 41);
}

TEST(RegExpObjectTest, CopiesHoldTheWholeProgram) {
    // Both programs hold zero bytes (group 0, empty set bytes) before RE_END.
    const char* patterns[] = {"\\(a\\)b", "x[ab]y", "[\xe9]z\\{0,2\\}q"};
    const char* subjects[] = {"ab", "xxayy", "xby", "\xe9q", "\xe9zzq", "\xe9zzzq", "b"};
    for (const char* p : patterns) {
        SCOPED_TRACE(p);
        RegExp source(p, 0);
        RegExp copy(source);
        RegExp assigned;
        assigned = source;
        for (const char* s : subjects) {
            SCOPED_TRACE(s);
            const int want = source.match(s);
            EXPECT_EQ(copy.match(s), want);
            EXPECT_EQ(assigned.match(s), want);
        }
    }
}

TEST(RegExpObjectTest, Assignment) {
    RegExp r("ab", 1);
    r = "ab";  // becomes case-sensitive
    EXPECT_EQ(r.match("ab"), 1);
    EXPECT_EQ(r.match("AB"), 0);

    RegExp withProgram("a", 0);
    const RegExp without;
    withProgram = without;
    EXPECT_EQ(withProgram.match("a"), 0);

    RegExp self("^a\\(b\\)", 0);
    RegExp& alias = self;
    self = alias;
    EXPECT_EQ(self.match("abc"), 1);
    EXPECT_EQ(self.match("xab"), 0);

    RegExp failed("ok", 0);
    failed = "[";
    EXPECT_EQ(RegExp::re_error, 49);
    EXPECT_EQ(failed.match("["), 0);
}

TEST(RegExpObjectTest, AssignmentKeepsPositionsAndCopiesStartNull) {
    const char subject[] = "zab";
    RegExp r("ab", 0);
    ASSERT_EQ(r.match(subject), 1);
    r = RegExp("b", 0);
    EXPECT_EQ(r.FirstMatchingChar(), subject + 1);
    EXPECT_EQ(r.LastMatchingChar(), subject + 3);
    const RegExp copy(r);
    EXPECT_EQ(copy.FirstMatchingChar(), nullptr);
    EXPECT_EQ(copy.MatchLen(), 0);
}

TEST(RegExpObjectTest, FailedSearchLeavesPositions) {
    const char subject[] = "xaby";
    RegExp r("ab", 0);
    ASSERT_EQ(r.match(subject), 1);
    EXPECT_EQ(r.match("zzz"), 0);
    EXPECT_EQ(r.FirstMatchingChar(), subject + 1);
    EXPECT_EQ(r.LastMatchingChar(), subject + 3);
    EXPECT_EQ(r.MatchLen(), 2);
}

TEST(RegExpObjectTest, FailedAnchoredSearchPointsAtTheCallersText) {
    // An anchored search sets the start even when it fails; it must then
    // point at the caller's text, not at the copy that match() made.
    const char subject[] = "zzz";
    RegExp r("^a", 0);
    EXPECT_EQ(r.match(subject), 0);
    EXPECT_EQ(r.FirstMatchingChar(), subject);
}

TEST(RegExpObjectTest, CStringComparesEqualToAMatchingExpression) {
    RegExp date("^[0-9]\\{1,2\\}/[0-9]\\{1,2\\}$", 0);
    const CString good("12/3");
    EXPECT_EQ(good == date, 1);
    EXPECT_EQ(date.FirstMatchingChar(), static_cast<const char*>(good));
    EXPECT_EQ(date.MatchLen(), 4);
    EXPECT_EQ(CString("123/4") == date, 0);
    RegExp none;
    EXPECT_EQ(CString("") == none, 0);
}

TEST(RegExpObjectTest, NullTextMatchesNothing) {
    RegExp r("x*", 0);
    EXPECT_EQ(r.match(nullptr), 0);
    EXPECT_EQ(r.FirstMatchingChar(), nullptr);
}

}  // namespace
