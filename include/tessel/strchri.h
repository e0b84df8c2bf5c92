// strchri: case-insensitive strchr.
#ifndef TESSEL_STRCHRI_H
#define TESSEL_STRCHRI_H

#include "tessel/export.h"

// strchri(s, c): the first character of s equal to c when case is ignored;
// the terminating NUL of s when c is 0; null when there is none. The result
// points into s. Bytes above 127 match only themselves.
TESSEL_API char* strchri(const char* s, int c);

#endif  // TESSEL_STRCHRI_H
