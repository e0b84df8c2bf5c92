// Tests of the condition checks; the failing ones run in child processes.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "../support/child.h"
#include "diagnostics/tracelog.h"
#include "tessel/conditio.h"
#include "tessel/tracer.h"

namespace {

using tessel_test::ChildResult;
using tessel_test::runInChild;
using tessel_test::ScratchDir;

class ConditioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tessel_detail::restartTraceLog();
        tracer::tracingIsOn = 0;
        tracer::indent = 0;
    }
    void TearDown() override { SetUp(); }
    ScratchDir scratch;
};

// The log's lines after its "Started" header line.
std::string afterHeader(const std::string& log) {
    if (log.compare(0, 8, "Started ") != 0) return "<no header>";
    return log.substr(log.find('\n') + 1);
}

TEST_F(ConditioTest, PassingChecksReturnAndWriteNothing) {
    tracer::traceOn();
    callStack record("f", 1);
    _MemCheck();
    _FailIf(0, "x", "A.SRC", 1);
    EXPECT_EQ(_Ensure(1, "x", "A.SRC", 2), 0);
    EXPECT_EQ(_Ensure(-7, "x", "A.SRC", 3), 0);
    EXPECT_FALSE(scratch.exists("trace.log"));
    EXPECT_FALSE(scratch.exists("Call Stack"));
}

TEST_F(ConditioTest, FailedChecksLogDumpAndExitWithStatusOne) {
    struct Case {
        const char* name;
        std::function<void()> check;
        const char* line;
    };
    const Case cases[] = {
        {"Fail", [] { _Fail("x > 0", "C:\\SRC\\A.SRC", 12); },
         "         A.SRC   12: Fail(x > 0)\n"},
        {"FailIf 1", [] { _FailIf(1, "p == 0", "B.SRC", 7); },
         "         B.SRC    7: FailIf(p == 0) failed\n"},
        {"FailIf -3", [] { _FailIf(-3, "n", "B.SRC", 8); },
         "         B.SRC    8: FailIf(n) failed\n"},
        {"Ensure", [] { _Ensure(0, "ok", "src\\C.SRC", 99999); },
         "         C.SRC 99999: Ensure(ok) failed\n"},
        {"null texts", [] { _Fail(nullptr, nullptr, 3); }, "     (unknown)    3: Fail()\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tessel_detail::restartTraceLog();
        const ChildResult r = runInChild([&c] {
            tracer::traceOn();
            callStack outer("main", 10);
            callStack inner("check", 20);
            c.check();
        });
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(afterHeader(scratch.file("trace.log")), c.line);
        EXPECT_EQ(scratch.file("Call Stack"), "*** Call Stack Dump ***\ncheck @ 20\nmain @ 10\n");
    }
}

TEST_F(ConditioTest, FailedCheckLeavesTheLocationInTheTracer) {
    const ChildResult r = runInChild([] {
        tracer::traceOn();
        tracer::indent = 1;
        tracer::fileName = "OLD.SRC";
        tracer::lineNo = 4;
        tracer::log("before");
        _Ensure(0, "done", "NEW.SRC", 5);
    });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(afterHeader(scratch.file("trace.log")),
              "\t       OLD.SRC    4: before\n"
              "\t       NEW.SRC    5: Ensure(done) failed\n");
}

TEST_F(ConditioTest, FailedCheckWithoutTracingOrRecordsWritesNoFile) {
    const ChildResult r = runInChild([] { _FailIf(1, "x", "A.SRC", 1); });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
    EXPECT_FALSE(scratch.exists("trace.log"));
    EXPECT_FALSE(scratch.exists("Call Stack"));
}

TEST_F(ConditioTest, FailedCheckRunsTheNormalExit) {
    // Text left in a fully buffered stream reaches the file only if the
    // process ends through the normal exit, which flushes open streams.
    const ChildResult r = runInChild([] {
        std::setvbuf(stderr, nullptr, _IOFBF, BUFSIZ);
        std::fputs("pending\n", stderr);
        _FailIf(1, "x", "A.SRC", 1);
    });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "pending\n");
}

TEST_F(ConditioTest, FailedCheckEndsTheProcessWhenNothingCanBeWritten) {
    std::filesystem::create_directory("trace.log");
    std::filesystem::create_directory("Call Stack");
    const ChildResult r = runInChild([] {
        tracer::traceOn();
        callStack record("f", 1);
        _Fail("x", "A.SRC", 1);
    });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "");
}

}  // namespace
