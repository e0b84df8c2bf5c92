// Tests of CString: construction, lengths, indexing, assignment,
// comparison, concatenation and searching.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "../support/relations.h"
#include "tessel/cstring.h"

namespace {

TEST(CStringTest, EmptyValuesShareOneText) {
    CString byDefault;
    CString fromNull(static_cast<const char*>(nullptr));
    EXPECT_EQ(byDefault.length(), 0);
    EXPECT_EQ(fromNull.length(), 0);
    EXPECT_STREQ(byDefault, "");
    // Both carry the same shared text; a value built from "" owns its own.
    EXPECT_EQ(static_cast<const char*>(byDefault), static_cast<const char*>(fromNull));
    CString fromEmpty("");
    EXPECT_NE(static_cast<const char*>(fromEmpty), static_cast<const char*>(byDefault));
}

TEST(CStringTest, FillConstructors) {
    EXPECT_STREQ(CString(3), "   ");
    EXPECT_EQ(CString(3).length(), 3);
    CString none('x', 0);
    EXPECT_EQ(none.length(), 0);
    EXPECT_NE(static_cast<const char*>(none), static_cast<const char*>(CString()));
    EXPECT_TRUE(CString('-', 4) == "----");
    EXPECT_EQ(CString('-', -2).length(), 0);
}

TEST(CStringTest, CopiesAreDeep) {
    CString a("abc");
    CString b(a);
    b[1] = 'X';
    EXPECT_STREQ(a, "abc");
    EXPECT_STREQ(b, "Xbc");
    EXPECT_NE(static_cast<const char*>(a), static_cast<const char*>(b));
}

TEST(CStringTest, IndexingIsOneBased) {
    CString s("abc");
    EXPECT_EQ(s[1], 'a');
    EXPECT_EQ(s[3], 'c');
    EXPECT_EQ(s[4], '\0');
    s[2] = 'X';
    EXPECT_STREQ(s, "aXc");
    const CString& cs = s;
    EXPECT_EQ(cs[2], 'X');
    EXPECT_EQ(cs[4], '\0');
}

TEST(CStringTest, IndexOutsideTheValueTouchesNothing) {
    CString empty;
    empty[1] = 'X';  // would write the shared empty text
    empty[0] = 'Y';
    EXPECT_STREQ(empty, "");
    EXPECT_STREQ(CString(), "");

    CString s("ab");
    s[3] = 'Z';  // the terminator stays a terminator
    s[-5] = 'Z';
    s[100] = 'Z';
    EXPECT_STREQ(s, "ab");
    EXPECT_EQ(s[3], '\0');
    const CString& cs = s;
    EXPECT_EQ(cs[0], '\0');
    EXPECT_EQ(cs[100], '\0');
}

TEST(CStringTest, StoredLengthAndTextLengthDiffer) {
    CString s("abcd");
    s[2] = '\0';
    EXPECT_EQ(s.length(), 4);
    EXPECT_TRUE(s == "a");
    CString copied(s);
    EXPECT_EQ(copied.length(), 4);
    EXPECT_STREQ(copied, "a");
    CString assigned;
    assigned = s;
    EXPECT_EQ(assigned.length(), 1);
}

TEST(CStringTest, AssignmentMakesFreshBuffers) {
    CString s("hello");
    s = "hi";
    EXPECT_STREQ(s, "hi");
    EXPECT_EQ(s.length(), 2);
    CString e;
    CString t("x");
    t = e;
    EXPECT_EQ(t.length(), 0);
    EXPECT_NE(static_cast<const char*>(t), static_cast<const char*>(e));
    s = static_cast<const char*>(nullptr);
    EXPECT_STREQ(s, "");
}

TEST(CStringTest, AssignToSelf) {
    CString s("abc");
    const CString& alias = s;
    s = alias;
    EXPECT_STREQ(s, "abc");
    EXPECT_EQ(s.length(), 3);
    // A pointer into the value's own text is copied before the old buffer
    // goes.
    s = static_cast<const char*>(s) + 1;
    EXPECT_STREQ(s, "bc");
    EXPECT_EQ(s.length(), 2);
}

TEST(CStringTest, ComparisonsFollowStrcmp) {
    struct Case {
        const char* a;
        const char* b;
        int cmp;  // sign of strcmp(a, b)
    };
    const Case cases[] = {
        {"abc", "abd", -1}, {"abc", "abcd", -1}, {"ABC", "abc", -1},
        {"abc", "abc", 0},  {"", "", 0},         {"b", "a", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const CString a(c.a), b(c.b);
        expectRelations(a, b, relationsFor(c.cmp));
        expectRelations(a, c.b, relationsFor(c.cmp));
    }
}

TEST(CStringTest, Concatenation) {
    CString ab("ab"), cd("cd");
    CString abcd = ab + cd;
    EXPECT_STREQ(abcd, "abcd");
    EXPECT_EQ(abcd.length(), 4);
    EXPECT_STREQ(ab + "xyz", "abxyz");
    EXPECT_EQ((ab + "xyz").length(), 5);
    EXPECT_EQ((CString() + CString()).length(), 0);
    EXPECT_STREQ(ab + 'c', "abc");
    EXPECT_EQ((ab + 'c').length(), 3);
    EXPECT_STREQ(ab, "ab");
}

TEST(CStringTest, AppendingNulKeepsTheStoredLength) {
    const char nul = '\0';
    CString s = CString("ab") + nul;
    EXPECT_STREQ(s, "ab");
    EXPECT_EQ(s.length(), 3);
    // The right text starts at the left's stored length, after the NUL.
    CString joined = s + "cd";
    EXPECT_EQ(joined.length(), 5);
    EXPECT_STREQ(joined, "ab");
    EXPECT_EQ(std::memcmp(static_cast<const char*>(joined), "ab\0cd", 6), 0);
}

TEST(CStringTest, Searches) {
    CString hello("hello");
    EXPECT_EQ(hello.pos('l'), 3);
    EXPECT_EQ(hello.posr('l'), 4);
    EXPECT_EQ(hello.pos("llo"), 3);
    EXPECT_EQ(hello.pos('z'), 0);
    EXPECT_EQ(hello.pos("lol"), 0);
    EXPECT_EQ(hello.pos(""), 1);
    EXPECT_EQ(hello.pos('\0'), 6);
    EXPECT_EQ(hello.posr('\0'), 6);

    CString mixed("Hello");
    EXPECT_EQ(mixed.posi('h'), 0);
    EXPECT_EQ(mixed.posi('H'), 1);
    EXPECT_EQ(mixed.posir('l'), 4);
    EXPECT_EQ(mixed.posi("ELL"), 0);
    EXPECT_EQ(mixed.posi("ell"), 2);
}

TEST(CStringTest, EmptyValueFindsNothing) {
    const CString empties[] = {CString(), CString("")};
    for (const CString& e : empties) {
        EXPECT_EQ(e.pos('a'), 0);
        EXPECT_EQ(e.pos('\0'), 0);
        EXPECT_EQ(e.posr('\0'), 0);
        EXPECT_EQ(e.pos(""), 0);
        EXPECT_EQ(e.posi(""), 0);
        EXPECT_EQ(e.posir('\0'), 0);
    }
}

}  // namespace
