// Tests of SubCString: reading a range and writing it back.
#include <gtest/gtest.h>

#include <string>

#include "tessel/cstring.h"

namespace {

TEST(SubCStringTest, ReadsTheRange) {
    struct Case {
        int start, count;
        const char* value;
    };
    const Case cases[] = {
        {2, 3, "bcd"}, {4, 10, "def"}, {7, 1, ""}, {1, 0, ""},  {1, 6, "abcdef"},
        {6, 1, "f"},   {3, -2, ""},    {0, 3, ""}, {-4, 9, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("from " + std::to_string(c.start) + " for " + std::to_string(c.count));
        CString s("abcdef");
        SubCString sub(s, c.start, c.count);
        const CString& value = sub;
        EXPECT_STREQ(value, c.value);
        EXPECT_EQ(value.length(), static_cast<int>(std::string(c.value).size()));
    }
}

TEST(SubCStringTest, KeepsNulsOfTheRange) {
    CString s("abcd");
    s[2] = '\0';
    SubCString sub(s, 1, 3);
    const CString& value = sub;
    EXPECT_EQ(value.length(), 3);
    EXPECT_EQ(value[3], 'c');
}

TEST(SubCStringTest, WritesBackOverTheRange) {
    struct Case {
        int start, count;
        const char* written;
        const char* parent;
    };
    const Case cases[] = {
        {2, 3, "XY", "aXYdef"},  {2, 3, "WXYZ", "aWXYef"}, {5, 10, "XYZ", "abcdXY"},
        {7, 2, "XY", "abcdef"},  {1, 0, "XY", "abcdef"},   {1, 6, "", "abcdef"},
        {0, 3, "XYZ", "abcdef"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.written) + " at " + std::to_string(c.start));
        CString s("abcdef");
        SubCString sub(s, c.start, c.count);
        CString& result = (sub = CString(c.written));
        EXPECT_EQ(&result, &s);
        EXPECT_STREQ(s, c.parent);
        EXPECT_EQ(s.length(), 6);
    }
}

TEST(SubCStringTest, ValueIsTakenAtConstruction) {
    CString s("abcdef");
    SubCString sub(s, 2, 3);
    sub = CString("XYZ");
    EXPECT_STREQ(s, "aXYZef");
    EXPECT_STREQ(static_cast<const CString&>(sub), "bcd");
}

TEST(SubCStringTest, WriteStopsAtTheParentsText) {
    // The parent's text ends at its first NUL; characters beyond it are not
    // written and the parent's stored length becomes its text's length.
    CString s("abcdef");
    s[3] = '\0';
    SubCString sub(s, 2, 4);
    sub = CString("WXYZ");
    EXPECT_STREQ(s, "aW");
    EXPECT_EQ(s.length(), 2);
}

TEST(SubCStringTest, DefaultConstructedWritesNowhere) {
    SubCString sub;
    EXPECT_EQ(static_cast<const CString&>(sub).length(), 0);
    CString& result = (sub = CString("XYZ"));
    EXPECT_STREQ(result, "");
}

}  // namespace
