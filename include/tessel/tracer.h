// tracer and callStack: the trace log "trace.log" and the call-stack
// records dumped to "Call Stack", both in the current directory.
#ifndef TESSEL_TRACER_H
#define TESSEL_TRACER_H

#include "tessel/export.h"

// tracer: writes diagnostic lines to "trace.log". All state is static; an
// object marks one level of nesting for its lifetime (one more tab before
// every line). Tracing is off until traceOn.
class TESSEL_API tracer {
  public:
    // tracer(): raises indent by one; ~tracer() lowers it again. A copy
    // raises it too, so every object's destruction is balanced.
    tracer();
    tracer(const tracer&);
    tracer& operator=(const tracer&) = default;
    ~tracer();

    // traceOn(), traceOff(): set tracingIsOn to 1 or 0. traceOff leaves the
    // file open.
    static void traceOn();
    static void traceOff();

    // log(format, ...): when tracing is on, writes one line to "trace.log":
    // one tab per level of indent, the prefix "%14s %4i: " of fileName
    // (after its last backslash) and lineNo, the printf text of format and
    // a newline. The first line written in the process empties the file and
    // writes "Started " and the time first. The file is closed and reopened
    // for appending after every line, so each line is on disk at return.
    // A file that cannot be opened loses the line and nothing is written;
    // once the log has started it is only ever appended to, so a failed
    // reopen never empties it later. A null fileName is written as
    // "(unknown)"; a null format as the empty text.
    static void log(const char* format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 1, 2)))
#endif
        ;

    // The nesting level: tabs before each line (none when 0 or less).
    static int indent;
    // Whether log writes anything; 0 at load.
    static int tracingIsOn;
    // The line number written in the next line's prefix.
    static int lineNo;
    // The source file name written in the next line's prefix; not owned.
    static const char* fileName;
};

// callStack: a record that the program is in a named place. Records made
// as local objects chain themselves, newest first, from callStack::root;
// dump writes the chain to the file "Call Stack". Records cannot be copied.
class TESSEL_API callStack {
  public:
    // callStack(name, line): pushes this record, with the text "%s @ %ld" of
    // name and line (cut to 127 characters; a null name counts as empty).
    callStack(const char* name, const long line);
    // ~callStack(): unlinks this record from the chain (wherever it is, so
    // a record that dies out of order leaves no dangling link) and frees its
    // text.
    ~callStack();
    callStack(const callStack&) = delete;
    callStack& operator=(const callStack&) = delete;

    // dump(): writes "*** Call Stack Dump ***" and each record's text, one
    // a line, innermost first, to "Call Stack" (emptied first). Does nothing
    // when the chain is empty or the file cannot be created.
    static void dump();

    // The most recently made record still alive; null when there is none.
    static callStack* root;

  private:
    char* location;
    callStack* next;
};

#endif  // TESSEL_TRACER_H
