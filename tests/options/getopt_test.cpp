// Tests of the option parser and the option listing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "../support/child.h"
#include "tessel/getopt.h"

namespace {

using tessel_test::ChildResult;
using tessel_test::returnedStatus;
using tessel_test::runInChild;

// Args: an argument vector with its own storage: "prog", the given words
// and the null end.
class Args {
  public:
    Args(std::initializer_list<std::string> words) : store{"prog"} {
        store.insert(store.end(), words.begin(), words.end());
        for (std::string& w : store)
            ptrs.push_back(&w[0]);
        ptrs.push_back(nullptr);
    }
    Args(const Args&) = delete;
    Args& operator=(const Args&) = delete;
    char** argv() { return ptrs.data(); }

  private:
    std::vector<std::string> store;
    std::vector<char*> ptrs;
};

option parserTable[] = {
    {0, 'a', "alpha", "alpha", "first"},
    {0, 'b', "beta", "beta", "second"},
    {2, 'o', "output", "output file", "needs an argument"},
    {1, 'l', "level", "level[:n|+|-]", "may take one"},
    {0, 'q', "quiet", "quiet", "no argument"},
    {0, 0, nullptr, nullptr, nullptr},
};

class GetoptTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const char* saved = std::getenv("SWITCHCHAR");
        hadSwitchChar = saved != nullptr;
        if (saved) savedSwitchChar = saved;
        unsetenv("SWITCHCHAR");
        getoptError = 0;
    }
    void TearDown() override {
        // A call on an empty vector ends whatever parse a test left open.
        char* none[] = {nullptr};
        int index = 0;
        getopt(index, none, parserTable);
        getoptError = 0;
        if (hadSwitchChar)
            setenv("SWITCHCHAR", savedSwitchChar.c_str(), 1);
        else
            unsetenv("SWITCHCHAR");
    }

  private:
    bool hadSwitchChar = false;
    std::string savedSwitchChar;
};

// One call of getopt and what it must leave: the result, getoptArg (not
// checked when null) and the index.
struct Step {
    int result;
    const char* arg;
    int index;
};

struct ParseCase {
    std::initializer_list<std::string> words;
    std::vector<Step> steps;
};

void expectSteps(Args&& args, const std::vector<Step>& steps, option* table) {
    int index = 1;
    for (size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE("call " + std::to_string(i + 1));
        EXPECT_EQ(getopt(index, args.argv(), table), steps[i].result);
        if (steps[i].arg) {
            EXPECT_STREQ(getoptArg, steps[i].arg);
        }
        EXPECT_EQ(index, steps[i].index);
    }
}

std::string describe(std::initializer_list<std::string> words) {
    std::string text;
    for (const std::string& w : words)
        text += "'" + w + "' ";
    return text;
}

TEST_F(GetoptTest, QuietParses) {
    const ParseCase cases[] = {
        {{"/alpha", "file"}, {{'a', "", 2}, {-1, "", 2}}},
        {{"/AL"}, {{'a', "", 2}, {-1, "", 2}}},
        {{"/a/b"}, {{'a', "", 1}, {'b', "", 2}, {-1, "", 2}}},
        {{"-a", "-b", "--"}, {{'a', "", 2}, {'b', "", 3}, {-1, nullptr, 3}}},
        {{"/o:out.txt", "x"}, {{'o', "out.txt", 2}, {-1, "out.txt", 2}}},
        {{"/o:", "/x"}, {{'o', "/x", 3}, {-1, nullptr, 3}}},
        {{"/o", "x"}, {{'o', "x", 3}, {-1, nullptr, 3}}},
        {{"/o", "/x"}, {{-1, "", 2}}},
        {{"/o"}, {{-1, "", 2}}},
        {{"/o/q", "x"}, {{-1, "", 1}, {'q', "", 2}, {-1, "", 2}}},
        {{"/l+"}, {{'l', "+", 2}}},
        {{"/l-"}, {{'l', "-", 2}}},
        {{"/l"}, {{'l', "", 2}}},
        {{"/l:5"}, {{'l', "5", 2}}},
        {{"/l:", "next"}, {{'l', "next", 3}}},
        {{"/l:"}, {{-1, "", 2}}},
        {{"-l-x"}, {{'l', "-", 1}, {-1, "-", 1}}},
        {{"-l+/q"}, {{'l', "+", 1}, {'q', "", 2}}},
        {{"/q+"}, {{-1, "+", 1}}},
        {{"/q-"}, {{-1, "-", 1}}},
        {{"/q:5"}, {{-1, nullptr, 1}}},
        {{"-a-b"}, {{-1, "-", 1}}},
        {{"/zz", "/a"}, {{-1, "", 1}}},
        {{"", "/a"}, {{-1, nullptr, 1}}},
        {{"file", "/a"}, {{-1, nullptr, 1}}},
        {{}, {{-1, nullptr, 1}, {-1, nullptr, 1}}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(describe(c.words));
        expectSteps(Args(c.words), c.steps, parserTable);
    }
}

TEST_F(GetoptTest, QuietAmbiguityChoosesTheLastMatch) {
    option verboseFirst[] = {
        {0, 1, "verbose", "", ""}, {0, 2, "version", "", ""}, {0, 0, nullptr, nullptr, nullptr}};
    option versionFirst[] = {
        {0, 2, "version", "", ""}, {0, 1, "verbose", "", ""}, {0, 0, nullptr, nullptr, nullptr}};
    option lists[] = {
        {0, 1, "listall", "", ""}, {0, 2, "list", "", ""}, {0, 0, nullptr, nullptr, nullptr}};
    expectSteps(Args({"/ver"}), {{2, "", 2}}, verboseFirst);
    expectSteps(Args({"/VER"}), {{1, "", 2}}, versionFirst);
    expectSteps(Args({"/verb"}), {{1, "", 2}}, versionFirst);
    // An exact name has no precedence over a longer one it begins.
    expectSteps(Args({"/list"}), {{2, "", 2}}, lists);
    expectSteps(Args({"/lista"}), {{1, "", 2}}, lists);
}

TEST_F(GetoptTest, LoneSwitchIsAnEmptyWordThatEveryNameBegins) {
    option one[] = {{0, 7, "only", "", ""}, {0, 0, nullptr, nullptr, nullptr}};
    expectSteps(Args({"-"}), {{7, "", 2}}, one);
    expectSteps(Args({"-"}), {{'q', "", 2}}, parserTable);
}

TEST_F(GetoptTest, OptionWordsOfMoreThan127CharactersNameNothing) {
    const std::string name127(127, 'n');
    const std::string name128(128, 'n');
    option longNames[] = {{0, 1, name127.c_str(), "", ""},
                          {0, 2, name128.c_str(), "", ""},
                          {0, 0, nullptr, nullptr, nullptr}};
    expectSteps(Args({"/" + name127}), {{2, "", 2}}, longNames);
    expectSteps(Args({"/" + name128}), {{-1, "", 1}}, longNames);
    expectSteps(Args({"/" + std::string(5000, 'n') + ":x"}), {{-1, "", 1}}, longNames);
}

TEST_F(GetoptTest, SwitchCharFromTheEnvironment) {
    setenv("SWITCHCHAR", "-", 1);
    expectSteps(Args({"/a"}), {{-1, nullptr, 1}}, parserTable);
    expectSteps(Args({"-a", "/b"}), {{'a', "", 2}, {-1, "", 2}}, parserTable);
    // '/' still ends the option word, but no longer starts the next one.
    expectSteps(Args({"-a/b"}), {{'a', "", 1}, {-1, "", 1}}, parserTable);
    setenv("SWITCHCHAR", "+", 1);
    expectSteps(Args({"+a/b"}), {{'a', "", 1}, {-1, "", 1}}, parserTable);
}

TEST_F(GetoptTest, IsSwitch) {
    struct Case {
        const char* switchChar;  // null: SWITCHCHAR unset
        char c;
        int expected;
    };
    const Case cases[] = {
        {nullptr, '/', 1}, {nullptr, '-', 1}, {nullptr, 'a', 0}, {nullptr, '\0', 0},
        {nullptr, '+', 0}, {"-", '/', 0},     {"-", '-', 1},     {"+:", ':', 1},
        {"+:", '\0', 0},   {"", '/', 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("SWITCHCHAR ") + (c.switchChar ? c.switchChar : "unset") +
                     ", char " + std::to_string(c.c));
        if (c.switchChar)
            setenv("SWITCHCHAR", c.switchChar, 1);
        else
            unsetenv("SWITCHCHAR");
        EXPECT_EQ(isSwitch(c.c), c.expected);
    }
}

TEST_F(GetoptTest, NewVectorStartsAfreshAfterAnAbandonedParse) {
    Args first({"/a/b"});
    int index = 1;
    ASSERT_EQ(getopt(index, first.argv(), parserTable), 'a');
    Args second({"/q"});
    index = 1;
    EXPECT_EQ(getopt(index, second.argv(), parserTable), 'q');
    EXPECT_EQ(index, 2);
}

TEST_F(GetoptTest, ShortenedWordIsNotReadPastItsEnd) {
    Args args({"/a/b/q"});
    int index = 1;
    ASSERT_EQ(getopt(index, args.argv(), parserTable), 'a');
    ASSERT_EQ(getopt(index, args.argv(), parserTable), 'b');
    args.argv()[1][1] = '\0';                                 // the word is now "/"
    EXPECT_EQ(getopt(index, args.argv(), parserTable), 'q');  // empty word: last match
    EXPECT_EQ(index, 2);
}

TEST_F(GetoptTest, NullVectorTableOrIndex) {
    int index = 1;
    EXPECT_EQ(getopt(index, nullptr, parserTable), -1);
    Args args({"/a"});
    index = -1;
    EXPECT_EQ(getopt(index, args.argv(), parserTable), -1);
    index = 1;
    EXPECT_EQ(getopt(index, args.argv(), nullptr), -1);
    EXPECT_EQ(index, 1);
}

// The reporting path, in a child: the exit status and every byte written
// to the standard error stream.
option reportTable[] = {
    {0, 1, "verbose", "verbose", "more output"},
    {1, 2, "version", "version[+|-]", "show the version"},
    {2, 3, "output", "output file", "write to file"},
    {0, 0, nullptr, nullptr, nullptr},
};

const char reportListing[] =
    "options are:\n"
    " /verbose                       more output\n"
    " /version[+|-]                  show the version\n"
    " /output file                   write to file\n";

ChildResult reportedParse(std::initializer_list<std::string> words) {
    return runInChild([&] {
        Args args(words);
        getoptError = 1;
        int index = 1;
        while (getopt(index, args.argv(), reportTable) != -1) {
        }
    });
}

TEST_F(GetoptTest, ReportedErrorsEndTheProcessWithStatusThree) {
    struct Case {
        std::initializer_list<std::string> words;
        std::string message;
    };
    const std::string longWord(200, 'z');
    const Case cases[] = {
        {{"/ver"}, "ambiguous option ver\n"},
        {{"/VEr", "x"}, "ambiguous option VEr\n"},
        {{"-"}, "ambiguous option \n"},
        {{"/zz"}, "invalid option zz\n"},
        {{"/verbose", "/zz:x"}, "invalid option zz\n"},
        {{"/" + longWord}, "invalid option " + longWord + "\n"},
        {{"/verb+"}, "option verbose cannot take an argument\n"},
        {{"/verb-"}, "option verbose cannot take an argument\n"},
        {{"/verb:x"}, "option verbose cannot take an argument\n"},
        {{"/vers:"}, "missing argument for option version\n"},
        {{"/o"}, "option output requires an argument\n"},
        {{"/o", "/x"}, "option output requires an argument\n"},
        {{"/o/verb", "x"}, "option output requires an argument\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(describe(c.words));
        const ChildResult r = reportedParse(c.words);
        EXPECT_EQ(r.status, 3);
        EXPECT_EQ(r.err, c.message + reportListing);
    }
}

TEST_F(GetoptTest, ReportedErrorRunsTheNormalExit) {
    // With the error stream fully buffered, the message and the listing
    // reach the file only if the process ends through the normal exit,
    // which flushes open streams.
    const ChildResult r = runInChild([] {
        std::setvbuf(stderr, nullptr, _IOFBF, BUFSIZ);
        Args args({"/zz"});
        getoptError = 1;
        int index = 1;
        getopt(index, args.argv(), reportTable);
    });
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.err, std::string("invalid option zz\n") + reportListing);
}

TEST_F(GetoptTest, ReportingParseThatSucceedsWritesNothing) {
    const ChildResult r =
        reportedParse({"/verbose", "/vers+", "/o", "x", "/o:", "/y", "/vers:1", "file"});
    EXPECT_EQ(r.status, returnedStatus);
    EXPECT_EQ(r.err, "");
}

class PrintOptionsTest : public GetoptTest {};

ChildResult listing(option* table) {
    return runInChild([table] { printOptions(table); });
}

TEST_F(PrintOptionsTest, EmptyOrNullTableWritesTheHeadingOnly) {
    option empty[] = {{0, 1, nullptr, "never", "shown"}};
    EXPECT_EQ(listing(empty).err, "options are:\n");
    EXPECT_EQ(listing(nullptr).err, "options are:\n");
}

TEST_F(PrintOptionsTest, DescriptionStartsInColumnThirtyThree) {
    option table[] = {{2, 1, "o", "o:file", "output file"}, {0, 0, nullptr, nullptr, nullptr}};
    const ChildResult r = listing(table);
    EXPECT_EQ(r.status, returnedStatus);
    EXPECT_EQ(r.err, "options are:\n /o:file                        output file\n");
    const std::string line = r.err.substr(r.err.find('\n') + 1);
    EXPECT_EQ(line.find("output file"), 32u);
}

TEST_F(PrintOptionsTest, ShowsTheFirstSwitchCharacter) {
    option table[] = {
        {0, 1, "a", "a", "x"}, {0, 2, "b", "b", "y"}, {0, 0, nullptr, nullptr, nullptr}};
    setenv("SWITCHCHAR", "-/", 1);
    EXPECT_EQ(listing(table).err,
              "options are:\n"
              " -a                             x\n"
              " -b                             y\n");
    // An empty SWITCHCHAR has no switch character to show.
    setenv("SWITCHCHAR", "", 1);
    EXPECT_EQ(listing(table).err,
              "options are:\n"
              " a                             x\n"
              " b                             y\n");
}

TEST_F(PrintOptionsTest, LongUsageIsWrittenWholeAndNullTextsAsEmpty) {
    const std::string usage30(30, 'u');
    const std::string usage35(35, 'v');
    option table[] = {{0, 1, "a", usage30.c_str(), "thirty"},
                      {0, 2, "b", usage35.c_str(), "more"},
                      {0, 3, "c", nullptr, "no usage"},
                      {0, 4, "d", "d", nullptr},
                      {0, 0, nullptr, nullptr, nullptr}};
    EXPECT_EQ(listing(table).err, "options are:\n /" + usage30 + "thirty\n /" + usage35 +
                                      "more\n /" + std::string(30, ' ') + "no usage\n /d" +
                                      std::string(29, ' ') + "\n");
}

}  // namespace
