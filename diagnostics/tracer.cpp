// tracer: the trace log, written to "trace.log" one line at a time.
#include "tessel/tracer.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "diagnostics/tracelog.h"

int tracer::indent = 0;
int tracer::tracingIsOn = 0;
int tracer::lineNo = 0;
const char* tracer::fileName = nullptr;

namespace {

constexpr char traceFileName[] = "trace.log";

// The open trace file: null until the first line, and after a reopen that
// failed.
std::FILE* traceFile = nullptr;
// Whether the log has started (its header written). From then on the file
// is only opened for appending.
bool started = false;

// openTraceFile(): traceFile, opened when needed: emptied with the header
// for the first line, appended to afterwards. Null when it cannot be
// opened. "w" and "a" are the standard text modes.
std::FILE* openTraceFile() {
    if (traceFile) return traceFile;
    if (started) {
        traceFile = std::fopen(traceFileName, "a");
        return traceFile;
    }
    traceFile = std::fopen(traceFileName, "w");
    if (!traceFile) return nullptr;
    started = true;
    const std::time_t now = std::time(nullptr);
    const char* stamp = std::ctime(&now);
    std::fprintf(traceFile, "Started %s", stamp ? stamp : "\n");
    return traceFile;
}

}  // namespace

void tessel_detail::restartTraceLog() {
    if (traceFile) std::fclose(traceFile);
    traceFile = nullptr;
    started = false;
}

tracer::tracer() {
    ++indent;
}

tracer::tracer(const tracer&) {
    ++indent;
}

tracer::~tracer() {
    --indent;
}

void tracer::traceOn() {
    tracingIsOn = 1;
}

void tracer::traceOff() {
    tracingIsOn = 0;
}

void tracer::log(const char* format, ...) {
    if (!tracingIsOn) return;
    std::FILE* f = openTraceFile();
    if (!f) return;

    for (int i = 0; i < indent; ++i)
        std::fputc('\t', f);
    // Only the backslash separates directories here, whatever the path
    // separator of the file functions is.
    const char* name = fileName ? fileName : "(unknown)";
    if (const char* lastBackslash = std::strrchr(name, '\\')) name = lastBackslash + 1;
    std::fprintf(f, "%14s %4i: ", name, lineNo);

    va_list args;
    va_start(args, format);
    if (format) std::vfprintf(f, format, args);
    va_end(args);
    std::fputc('\n', f);

    // Closing puts the line on disk; the reopen, by the relative name, goes
    // to the current directory of this moment.
    std::fclose(f);
    traceFile = std::fopen(traceFileName, "a");
}
