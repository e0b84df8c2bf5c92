// The condition checks: log, dump and end the process on failure.
#include "tessel/conditio.h"

#include <cstdlib>

#include "tessel/tracer.h"

namespace {

// fail(format, text, file, line): records the failure in the trace log and
// the call-stack dump, then ends the process with status 1. Neither record
// being written keeps the process from ending.
[[noreturn]] void fail(const char* format, const char* text, const char* file, long line) {
    tracer::fileName = file;
    tracer::lineNo = static_cast<int>(line);
    tracer::log(format, text ? text : "");
    callStack::dump();
    std::exit(1);
}

}  // namespace

void _MemCheck() {}

void _FailIf(int condition, const char* text, const char* file, long line) {
    _MemCheck();
    if (condition) fail("FailIf(%s) failed", text, file, line);
}

int _Ensure(int condition, const char* text, const char* file, long line) {
    _MemCheck();
    if (!condition) fail("Ensure(%s) failed", text, file, line);
    return 0;
}

void _Fail(const char* text, const char* file, long line) {
    _MemCheck();
    fail("Fail(%s)", text, file, line);
}
