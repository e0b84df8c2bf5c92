// Tests of the free string functions.
#include <gtest/gtest.h>

#include <string>

#include "tessel/cstring.h"

namespace {

TEST(TrimTest, TrimsOnBlanksOnly) {
    // leftTrim keeps the text before the last blank; rightTrim drops the
    // leading blanks. Only the space character counts as a blank.
    struct Case {
        const char* name;
        CString (*trim)(const CString&);
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"leftTrim", leftTrim, "abc def", "abc"}, {"leftTrim", leftTrim, "abc  ", "abc "},
        {"leftTrim", leftTrim, " abc", ""},       {"leftTrim", leftTrim, "abc", "abc"},
        {"leftTrim", leftTrim, "", ""},           {"leftTrim", leftTrim, "a\tb", "a\tb"},
        {"leftTrim", leftTrim, "a b c", "a b"},   {"rightTrim", rightTrim, "  abc ", "abc "},
        {"rightTrim", rightTrim, "   ", ""},      {"rightTrim", rightTrim, "\tabc", "\tabc"},
        {"rightTrim", rightTrim, "abc", "abc"},   {"rightTrim", rightTrim, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " of '" + c.in + "'");
        CString out = c.trim(CString(c.in));
        EXPECT_STREQ(out, c.out);
        EXPECT_EQ(out.length(), static_cast<int>(std::string(c.out).size()));
    }
}

TEST(TrimTest, LeftTrimWithoutBlankKeepsTheStoredLength) {
    CString s("abcd");
    s[3] = '\0';
    EXPECT_EQ(leftTrim(s).length(), 4);
}

TEST(StringFunctionsTest, UpperCaseChangesLettersOnly) {
    EXPECT_STREQ(upperCase(CString("a1b-c")), "A1B-C");
    EXPECT_STREQ(upperCase(CString("\xE9z")), "\xE9Z");
    CString s("abcd");
    s[3] = '\0';
    EXPECT_EQ(upperCase(s).length(), 2);
}

TEST(StringFunctionsTest, CopyOfUsesTheTextLength) {
    CString s("abcd");
    s[2] = '\0';
    EXPECT_EQ(copyOf(s).length(), 1);
    EXPECT_EQ(CString(s).length(), 4);
    CString empty;
    EXPECT_NE(static_cast<const char*>(copyOf(empty)), static_cast<const char*>(empty));
}

TEST(StringFunctionsTest, TextPlusCString) {
    CString r = "ab" + CString("cd");
    EXPECT_STREQ(r, "abcd");
    EXPECT_EQ(r.length(), 4);
}

TEST(SformatTest, Formats) {
    EXPECT_STREQ(sformat("%02d", 5), "05");
    EXPECT_STREQ(sformat("%s-%c-%3.1f", "x", 'y', 2.25), "x-y-2.2");
    EXPECT_EQ(sformat("%d", 12345).length(), 5);
}

TEST(SformatTest, FillsTheAreaExactlyOrCutsToFit) {
    const std::string exact(2047, 'a');
    CString whole = sformat("%s", exact.c_str());
    EXPECT_EQ(whole.length(), 2047);
    EXPECT_EQ(std::string(whole), exact);

    const std::string longer(5000, 'b');
    CString cut = sformat("%s!", longer.c_str());
    EXPECT_EQ(cut.length(), 2047);
    EXPECT_EQ(std::string(cut), longer.substr(0, 2047));
}

}  // namespace
