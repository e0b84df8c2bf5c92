// Tests of the trace log and the call-stack records.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "../support/child.h"
#include "diagnostics/tracelog.h"
#include "tessel/tracer.h"

namespace {

using tessel_test::ScratchDir;

// Resets the trace settings and the log's stream around each test, which
// runs inside a scratch directory of its own.
class TracerTest : public ::testing::Test {
  protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset() {
        tessel_detail::restartTraceLog();
        tracer::tracingIsOn = 0;
        tracer::indent = 0;
        tracer::lineNo = 0;
        tracer::fileName = nullptr;
    }
    static void logAt(const char* file, int line, const char* text) {
        tracer::fileName = file;
        tracer::lineNo = line;
        tracer::log("%s", text);
    }
    ScratchDir scratch;
};

// isHeader(line): whether line is "Started " and a ctime text, such as
// "Started Tue Mar 15 09:30:00 1994\n". The mask gives each character's
// class: A upper-case, a lower-case, 9 digit, # blank or digit.
bool isHeader(const std::string& line) {
    const std::string mask = "Started Aaa Aaa #9 99:99:99 9999\n";
    if (line.size() != mask.size()) return false;
    for (size_t i = 0; i < mask.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        const bool fits = mask[i] == 'A'   ? std::isupper(c)
                          : mask[i] == 'a' ? std::islower(c)
                          : mask[i] == '9' ? std::isdigit(c)
                          : mask[i] == '#' ? c == ' ' || std::isdigit(c)
                                           : c == static_cast<unsigned char>(mask[i]);
        if (!fits) return false;
    }
    return true;
}

// withoutHeader(log): the lines after the "Started" header, or
// "<no header>" when the log does not begin with one.
std::string withoutHeader(const std::string& log) {
    const size_t end = log.find('\n');
    if (end == std::string::npos || !isHeader(log.substr(0, end + 1))) return "<no header>";
    return log.substr(end + 1);
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

TEST_F(TracerTest, NothingIsWrittenWhileTracingIsOff) {
    logAt("A.SRC", 1, "hidden");
    EXPECT_FALSE(scratch.exists("trace.log"));
    tracer::traceOn();
    tracer::traceOff();
    logAt("A.SRC", 1, "hidden");
    EXPECT_FALSE(scratch.exists("trace.log"));
}

TEST_F(TracerTest, FirstLineEmptiesTheLogAndTheHeaderIsWrittenOnce) {
    writeFile("trace.log", "an old log\n");
    tracer::traceOn();
    EXPECT_EQ(tracer::tracingIsOn, 1);
    tracer::fileName = "DATE.SRC";
    tracer::lineNo = 7;
    tracer::log("one %d", 1);
    tracer::traceOff();
    EXPECT_EQ(tracer::tracingIsOn, 0);
    tracer::log("hidden");
    tracer::traceOn();
    tracer::log("two");
    EXPECT_EQ(withoutHeader(scratch.file("trace.log")),
              "      DATE.SRC    7: one 1\n"
              "      DATE.SRC    7: two\n");
}

TEST_F(TracerTest, LinePrefix) {
    struct Case {
        const char* fileName;
        int lineNo;
        int indent;
        const char* line;
    };
    const Case cases[] = {
        {"C:\\SRC\\DATE.SRC", 120, 1, "\t      DATE.SRC  120: msg\n"},
        {"DATE.SRC", 7, 0, "      DATE.SRC    7: msg\n"},
        {"a_name_longer_than_14.cpp", 3, 0, "a_name_longer_than_14.cpp    3: msg\n"},
        {"A.SRC", 123456, 0, "         A.SRC 123456: msg\n"},
        {"A.SRC", -5, 0, "         A.SRC   -5: msg\n"},
        {"src/date.src", 1, 0, "  src/date.src    1: msg\n"},
        {"dir\\", 1, 0, "                  1: msg\n"},
        {nullptr, 1, 0, "     (unknown)    1: msg\n"},
        {"A.SRC", 2, 3, "\t\t\t         A.SRC    2: msg\n"},
        {"A.SRC", 2, -2, "         A.SRC    2: msg\n"},
    };
    tracer::traceOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fileName ? c.fileName : "null") + " indent " +
                     std::to_string(c.indent));
        tessel_detail::restartTraceLog();
        tracer::indent = c.indent;
        logAt(c.fileName, c.lineNo, "msg");
        // The header carries neither tabs nor the prefix.
        EXPECT_EQ(withoutHeader(scratch.file("trace.log")), c.line);
    }
}

TEST_F(TracerTest, FormatArgumentsAndNullFormat) {
    tracer::traceOn();
    tracer::fileName = "F";
    tracer::lineNo = 1;
    tracer::log("%s=%d%%", "x", 5);
    tracer::log(nullptr);
    EXPECT_EQ(withoutHeader(scratch.file("trace.log")),
              "             F    1: x=5%\n"
              "             F    1: \n");
}

TEST_F(TracerTest, NestedTracersAddOneTabEach) {
    tracer::traceOn();
    {
        tracer outer;
        {
            tracer inner;
            logAt("F", 1, "two");
            tracer copy(inner);
            EXPECT_EQ(tracer::indent, 3);
        }
        logAt("F", 2, "one");
    }
    logAt("F", 3, "none");
    EXPECT_EQ(tracer::indent, 0);
    EXPECT_EQ(withoutHeader(scratch.file("trace.log")),
              "\t\t             F    1: two\n"
              "\t             F    2: one\n"
              "             F    3: none\n");
}

TEST_F(TracerTest, LogFollowsTheCurrentDirectoryWithoutNewHeader) {
    std::filesystem::create_directory("sub");
    tracer::traceOn();
    logAt("F", 1, "first");
    std::filesystem::current_path("sub");
    // This line goes to the stream opened in the scratch directory; the
    // reopen after it is made in sub.
    logAt("F", 2, "second");
    logAt("F", 3, "third");
    std::filesystem::current_path(scratch.dir());
    EXPECT_EQ(withoutHeader(scratch.file("trace.log")),
              "             F    1: first\n"
              "             F    2: second\n");
    EXPECT_EQ(scratch.file("sub/trace.log"), "             F    3: third\n");
}

TEST_F(TracerTest, FailedReopenNeverEmptiesTheLog) {
    // In "blocked" the name trace.log is taken by a directory.
    std::filesystem::create_directories("blocked/trace.log");
    tracer::traceOn();
    logAt("F", 1, "kept");
    std::filesystem::current_path("blocked");
    logAt("F", 2, "still in the old stream");
    logAt("F", 3, "lost");
    std::filesystem::current_path(scratch.dir());
    logAt("F", 4, "appended");
    EXPECT_EQ(withoutHeader(scratch.file("trace.log")),
              "             F    1: kept\n"
              "             F    2: still in the old stream\n"
              "             F    4: appended\n");
}

TEST_F(TracerTest, LogThatCannotBeCreatedWritesNothingUntilItCan) {
    std::filesystem::create_directory("trace.log");
    tracer::traceOn();
    logAt("F", 1, "lost");
    std::filesystem::remove("trace.log");
    logAt("F", 2, "first");
    EXPECT_EQ(withoutHeader(scratch.file("trace.log")), "             F    2: first\n");
}

class CallStackTest : public ::testing::Test {
  protected:
    ScratchDir scratch;
};

TEST_F(CallStackTest, DumpWithoutRecordsLeavesTheFileAlone) {
    ASSERT_EQ(callStack::root, nullptr);
    callStack::dump();
    EXPECT_FALSE(scratch.exists("Call Stack"));
    writeFile("Call Stack", "old dump\n");
    callStack::dump();
    EXPECT_EQ(scratch.file("Call Stack"), "old dump\n");
}

TEST_F(CallStackTest, DumpListsTheInnermostRecordFirst) {
    {
        callStack mainRecord("main", 10);
        callStack parse("parse", 20);
        {
            callStack readDate("readDate", 30);
            EXPECT_EQ(callStack::root, &readDate);
            callStack::dump();
            EXPECT_EQ(scratch.file("Call Stack"),
                      "*** Call Stack Dump ***\nreadDate @ 30\nparse @ 20\nmain @ 10\n");
        }
        EXPECT_EQ(callStack::root, &parse);
        callStack::dump();
        EXPECT_EQ(scratch.file("Call Stack"), "*** Call Stack Dump ***\nparse @ 20\nmain @ 10\n");
    }
    EXPECT_EQ(callStack::root, nullptr);
}

TEST_F(CallStackTest, RecordTexts) {
    struct Case {
        std::string name;  // "<null>" stands for a null name
        long line;
        std::string text;
    };
    const std::string n130(130, 'n');
    const std::string n120(120, 'm');
    const Case cases[] = {
        {"Date::Date", 42, "Date::Date @ 42"},  {"f", -1, "f @ -1"},
        {"g", -2147483648L, "g @ -2147483648"}, {"<null>", 5, " @ 5"},
        {n130, 1, std::string(127, 'n')},       {n120, 12345678, n120 + " @ 1234"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.substr(0, 20));
        callStack record(c.name == "<null>" ? nullptr : c.name.c_str(), c.line);
        callStack::dump();
        EXPECT_EQ(scratch.file("Call Stack"), "*** Call Stack Dump ***\n" + c.text + "\n");
    }
}

TEST_F(CallStackTest, RecordDestroyedOutOfOrderIsUnlinked) {
    callStack* outer = new callStack("outer", 1);
    callStack* middle = new callStack("middle", 2);
    callStack* inner = new callStack("inner", 3);
    delete middle;
    callStack::dump();
    EXPECT_EQ(scratch.file("Call Stack"), "*** Call Stack Dump ***\ninner @ 3\nouter @ 1\n");
    delete outer;
    EXPECT_EQ(callStack::root, inner);
    callStack::dump();
    EXPECT_EQ(scratch.file("Call Stack"), "*** Call Stack Dump ***\ninner @ 3\n");
    delete inner;
    EXPECT_EQ(callStack::root, nullptr);
}

TEST_F(CallStackTest, DumpThatCannotCreateTheFileWritesNothing) {
    std::filesystem::create_directory("Call Stack");
    callStack record("f", 1);
    callStack::dump();
    EXPECT_TRUE(std::filesystem::is_directory(scratch.dir() + "/Call Stack"));
    EXPECT_EQ(callStack::root, &record);
}

}  // namespace
