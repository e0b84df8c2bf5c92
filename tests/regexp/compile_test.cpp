// Tests of RegExp::compile: the bytes of the program, the anchored flag,
// the buffer bounds and every error code.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tessel/regexp.h"

namespace {

// Opcode values of the program format.
enum : unsigned char {
    GroupStart = 2,
    Char = 4,
    Any = 8,
    Class = 12,
    WideClass = 16,
    EndAnchor = 20,
    End = 22,
    GroupEnd = 24,
    Backref = 36,
    NegClass = 40,
    Star = 1,
    Count = 3,
};

using Bytes = std::vector<unsigned char>;

// Compiles pattern into a buffer of its own; an empty result means failure.
class CompileTest : public ::testing::Test {
  protected:
    Bytes compile(const char* pattern, int endChar = '\0') {
        std::memset(buffer, 0, sizeof buffer);
        char* end = re.compile(pattern, buffer, buffer + sizeof buffer - 1, endChar);
        if (!end) return Bytes();
        return Bytes(buffer, end);
    }
    int errorOf(const char* pattern) {
        RegExp::re_error = 0;
        std::memset(buffer, 0, sizeof buffer);
        EXPECT_EQ(re.compile(pattern, buffer, buffer + sizeof buffer - 1, '\0'), nullptr)
            << pattern;
        return RegExp::re_error;
    }
    // The anchored flag is private; an anchored program matches "xa" not at all.
    bool anchored() { return re.step("xa", buffer) == 0 && re.step("a", buffer) == 1; }

    RegExp re;
    char buffer[2000];
};

Bytes set16(std::initializer_list<int> members) {
    Bytes set(16, 0);
    for (int m : members)
        set[m / 8] |= static_cast<unsigned char>(1 << (m % 8));
    return set;
}

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

TEST_F(CompileTest, WorkedExample) {
    const Bytes digits = set16({'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'});
    const Bytes want =
        cat({{Char, 'a', Any, GroupStart, 0, Char | Star, 'b', GroupEnd, 0, Class | Count},
             digits,
             {2, 255, EndAnchor, End}});
    const Bytes got = compile("^a.\\(b*\\)[0-9]\\{2,\\}$");
    EXPECT_EQ(got, want);
    EXPECT_EQ(got.size(), 30u);
    RegExp r("^a.\\(b*\\)[0-9]\\{2,\\}$", 0);
    EXPECT_EQ(r.match("axbb12"), 1);
    EXPECT_EQ(r.match("xaxbb12"), 0);
}

TEST_F(CompileTest, ProgramBytes) {
    struct Case {
        const char* pattern;
        Bytes program;
    };
    const Case cases[] = {
        {"a", {Char, 'a', End}},
        {"*a", {Char, '*', Char, 'a', End}},
        {"^*", {Char, '*', End}},
        {"a**", {Char | Star, 'a', End}},
        {"\\(*\\)", {GroupStart, 0, Char, '*', GroupEnd, 0, End}},
        {"\\(**\\)", {GroupStart, 0, Char | Star, '*', GroupEnd, 0, End}},
        {"a$b", {Char, 'a', Char, '$', Char, 'b', End}},
        {"a$", {Char, 'a', EndAnchor, End}},
        {"a^", {Char, 'a', Char, '^', End}},
        {"\\$\\^", {Char, '$', Char, '^', End}},
        {"\\.\\*\\[\\\\\\}\\0\\+",
         {Char, '.', Char, '*', Char, '[', Char, '\\', Char, '}', Char, '0', Char, '+', End}},
        {"\\n", {Char, '\n', End}},
        {"ab\ncd", {Char, 'a', Char, 'b', End}},
        {"a$\nb", {Char, 'a', EndAnchor, End}},
        {".*", {Any | Star, End}},
        {".\\{3\\}", {Any | Count, 3, 3, End}},
        {"a\\{254\\}", {Char | Count, 'a', 254, 254, End}},
        {"a\\{2,\\}", {Char | Count, 'a', 2, 255, End}},
        {"a\\{0,7\\}", {Char | Count, 'a', 0, 7, End}},
        {"a*\\{1\\}", {Char | Count, 'a', 1, 1, End}},
        {"a\\{1\\}*", {Char | Count, 'a', 1, 1, End}},
        {"\\{2\\}", {Char, '{', Char, '2', Char, '}', End}},
        {"^\\{2\\}", {Char, '{', Char, '2', Char, '}', End}},
        {"\\(a\\)\\1*", {GroupStart, 0, Char, 'a', GroupEnd, 0, Backref | Star, 0, End}},
        {"\\(a\\)\\(b\\)\\2",
         {GroupStart, 0, Char, 'a', GroupEnd, 0, GroupStart, 1, Char, 'b', GroupEnd, 1, Backref, 1,
          End}},
        {"\\(\\(a\\)\\)", {GroupStart, 0, GroupStart, 1, Char, 'a', GroupEnd, 1, GroupEnd, 0, End}},
        {"\\(\\(a\\)\\1\\)",
         {GroupStart, 0, GroupStart, 1, Char, 'a', GroupEnd, 1, Backref, 0, GroupEnd, 0, End}},
        {"[]a]", cat({{Class}, set16({']', 'a'}), {End}})},
        {"[^]a]", cat({{NegClass}, set16({0, ']', 'a'}), {End}})},
        {"[a-]", cat({{Class}, set16({'a', '-'}), {End}})},
        {"[-a]", cat({{Class}, set16({'a', '-'}), {End}})},
        {"[z-a]", cat({{Class}, set16({'z', 'a'}), {End}})},
        {"[a-c-e]", cat({{Class}, set16({'a', 'b', 'c', 'd', 'e'}), {End}})},
        {"[~a]", cat({{NegClass}, set16({0, 'a'}), {End}})},
        {"[a^~\\.*$[]", cat({{Class}, set16({'a', '^', '~', '\\', '.', '*', '$', '['}), {End}})},
        {"[ab]*", cat({{Class | Star}, set16({'a', 'b'}), {End}})},
        {"[^a]\\{1,2\\}", cat({{NegClass | Count}, set16({0, 'a'}), {1, 2, End}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("compile(") + c.pattern + ")");
        EXPECT_EQ(compile(c.pattern), c.program);
    }
}

TEST_F(CompileTest, WideClasses) {
    Bytes high = compile("[\xe9]");
    ASSERT_EQ(high.size(), 34u);
    EXPECT_EQ(high[0], WideClass);
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ((high[1 + code / 8] >> (code % 8)) & 1, code == 0xe9 ? 1 : 0) << code;

    Bytes inverted = compile("[^a\xe9]");
    ASSERT_EQ(inverted.size(), 34u);
    EXPECT_EQ(inverted[0], WideClass);
    for (int code = 0; code < 256; ++code) {
        const int member = code != 0 && code != 'a' && code != 0xe9;
        EXPECT_EQ((inverted[1 + code / 8] >> (code % 8)) & 1, member) << code;
    }

    // A range that reaches above 127 widens the set too.
    Bytes range = compile("[}-\x81]*");
    ASSERT_EQ(range.size(), 34u);
    EXPECT_EQ(range[0], WideClass | Star);
    EXPECT_EQ(range[1 + 0x7d / 8], 0xe0);
    EXPECT_EQ(range[1 + 0x80 / 8], 0x03);
}

TEST_F(CompileTest, AnchoredFlag) {
    ASSERT_FALSE(compile("^a").empty());
    EXPECT_TRUE(anchored());
    ASSERT_FALSE(compile("~a").empty());
    EXPECT_TRUE(anchored());
    ASSERT_FALSE(compile("a").empty());
    EXPECT_FALSE(anchored());
}

TEST_F(CompileTest, ErrorCodes) {
    struct Case {
        const char* pattern;
        int error;
    };
    const Case cases[] = {
        {"a\\{255\\}", 11},
        {"a\\{99999999999999999999\\}", 11},
        {"a\\{1,255\\}", 11},
        {"a\\{x\\}", 16},
        {"a\\{\\}", 16},
        {"a\\{,2\\}", 16},
        {"a\\{1,,\\}", 16},
        {"a\\{1", 16},
        {"\\1", 25},
        {"\\(a\\)\\2", 25},
        {"\\(a\\1\\)", 25},
        {"a\\\nb", 36},
        {"a\\", 36},
        {"", 41},
        {"\nabc", 41},
        {"\\)", 42},
        {"a\\(", 42},
        {"\\(\\(a\\)", 42},
        {"\\(\\(\\(\\(\\(\\(\\(\\(\\(\\(", 43},
        {"a\\{1,2,3\\}", 44},
        {"a\\{1\\)", 45},
        {"a\\{1", 16},
        {"a\\{1\\", 45},
        {"a\\{3,2\\}", 46},
        {"[]", 49},
        {"[^]", 49},
        {"[a", 49},
        {"[a-", 49},
        {"[a\nb]", 49},
        {"[a-\n]", 49},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("compile(") + c.pattern + ")");
        EXPECT_EQ(errorOf(c.pattern), c.error);
    }
}

TEST_F(CompileTest, CountsWithoutAOneCharacterElementAreRejected) {
    const char* patterns[] = {"\\(\\{2\\}a\\)",     "\\(a\\)\\{2\\}",  "\\(a\\)\\1\\{2\\}",
                              "\\(a\\)\\1*\\{2\\}", "a\\{2\\}\\{3\\}", "a\\{2\\}*\\{3\\}"};
    for (const char* p : patterns) {
        SCOPED_TRACE(p);
        EXPECT_EQ(errorOf(p), 16);
    }
}

TEST_F(CompileTest, GroupLimits) {
    std::string nine;
    for (int i = 0; i < 9; ++i)
        nine += "\\(a\\)";
    EXPECT_FALSE(compile(nine.c_str()).empty());
    std::string nested = std::string(9 * 3, ' ');
    nested.clear();
    for (int i = 0; i < 9; ++i)
        nested += "\\(";
    nested += "a";
    for (int i = 0; i < 9; ++i)
        nested += "\\)";
    EXPECT_FALSE(compile(nested.c_str()).empty());
    EXPECT_EQ(errorOf((nine + "\\(").c_str()), 43);
    EXPECT_FALSE(compile("\\(a\\)\\(b\\)\\2").empty());
}

TEST_F(CompileTest, EmptyPatternKeepsAnEarlierProgram) {
    ASSERT_FALSE(compile("^ab").empty());
    char* end = re.compile("", buffer, buffer + sizeof buffer - 1, '\0');
    EXPECT_EQ(end, buffer);
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), Char);
    EXPECT_EQ(re.step("abc", buffer), 1);
    EXPECT_EQ(re.step("xab", buffer), 0);  // still anchored
    EXPECT_EQ(re.compile("\nx", buffer, buffer + sizeof buffer - 1, '\0'), buffer);
    EXPECT_EQ(re.compile(nullptr, buffer, buffer + sizeof buffer - 1, '\0'), buffer);
}

TEST_F(CompileTest, SuccessLeavesTheErrorCode) {
    RegExp::re_error = 46;
    EXPECT_FALSE(compile("abc").empty());
    EXPECT_EQ(RegExp::re_error, 46);
}

TEST_F(CompileTest, EndCharacter) {
    EXPECT_EQ(compile("ab/cd", '/'), (Bytes{Char, 'a', Char, 'b', End}));
    EXPECT_EQ(compile("a\\/b/", '/'), (Bytes{Char, 'a', Char, '/', Char, 'b', End}));
    EXPECT_EQ(compile("a$/", '/'), (Bytes{Char, 'a', EndAnchor, End}));
    // A NUL ends the pattern whatever the end character is.
    EXPECT_EQ(compile("ab", '/'), (Bytes{Char, 'a', Char, 'b', End}));
}

// The compiler writes up to and including the byte at the end position and
// never beyond it.
TEST(CompileBoundsTest, FillsTheBufferExactly) {
    RegExp re;
    std::string fits(999, 'a');
    std::string over(1000, 'a');
    char buffer[2001];
    std::memset(buffer, 0x5a, sizeof buffer);
    char* end = re.compile(fits.c_str(), buffer, buffer + 1999, '\0');
    ASSERT_NE(end, nullptr);
    EXPECT_EQ(end - buffer, 1999);
    RegExp::re_error = 0;
    EXPECT_EQ(re.compile(over.c_str(), buffer, buffer + 1999, '\0'), nullptr);
    EXPECT_EQ(RegExp::re_error, 50);
    EXPECT_EQ(buffer[2000], 0x5a);
    EXPECT_EQ(RegExp(fits.c_str(), 0).match(fits.c_str()), 1);
    RegExp::re_error = 0;
    RegExp tooLong(over.c_str(), 0);
    EXPECT_EQ(RegExp::re_error, 50);
}

TEST(CompileBoundsTest, EveryTightBufferFailsWithoutOverrun) {
    // Each pattern compiled into buffers of every size up to its own: all
    // but the last fail with 50, and no byte past the end position changes.
    const char* patterns[] = {"ab\\{2,3\\}c", "[ab]x", "x[\xe9]", "[a\xe9-\xef]*\\{0,1\\}z",
                              "\\(a\\)\\1*$"};
    for (const char* p : patterns) {
        SCOPED_TRACE(p);
        RegExp re;
        char full[100] = {};
        char* fullEnd = re.compile(p, full, full + sizeof full - 1, '\0');
        ASSERT_NE(fullEnd, nullptr);
        const long need = fullEnd - full;
        for (long last = 0; last < 60; ++last) {
            std::vector<char> buffer(static_cast<size_t>(last + 1 + 8), '\x5a');
            buffer[0] = 0;
            char* end = re.compile(p, buffer.data(), buffer.data() + last, '\0');
            for (size_t i = static_cast<size_t>(last + 1); i < buffer.size(); ++i)
                ASSERT_EQ(buffer[i], '\x5a') << "end position " << last;
            if (end) {
                EXPECT_EQ(end - buffer.data(), need);
                EXPECT_EQ(std::memcmp(buffer.data(), full, static_cast<size_t>(need)), 0);
            } else {
                EXPECT_EQ(RegExp::re_error, 50) << "end position " << last;
            }
        }
    }
}

}  // namespace
