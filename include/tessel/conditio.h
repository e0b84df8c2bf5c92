// conditio: condition checks that record a failure in the trace log and
// the call-stack dump, then end the process with status 1.
#ifndef TESSEL_CONDITIO_H
#define TESSEL_CONDITIO_H

#include "tessel/export.h"

// _MemCheck(): called first by every check; has no effect.
TESSEL_API void _MemCheck();

// _FailIf(condition, text, file, line): returns when condition is 0. Any
// other value fails the check: tracer::fileName and tracer::lineNo become
// file and line, tracer::log writes "FailIf(text) failed" (when tracing is
// on), callStack::dump writes the records (when there are any), and the
// process ends through the standard exit with status 1. A null text is
// written as the empty text.
TESSEL_API void _FailIf(int condition, const char* text, const char* file, long line);

// _Ensure(condition, text, file, line): returns 0 when condition is not 0;
// otherwise fails as _FailIf does, with the message "Ensure(text) failed".
TESSEL_API int _Ensure(int condition, const char* text, const char* file, long line);

// _Fail(text, file, line): always fails, as _FailIf does, with the message
// "Fail(text)".
[[noreturn]] TESSEL_API void _Fail(const char* text, const char* file, long line);

#endif  // TESSEL_CONDITIO_H
