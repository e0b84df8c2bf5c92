// strrchri: case-insensitive strrchr.
#ifndef TESSEL_STRRCHRI_H
#define TESSEL_STRRCHRI_H

#include "tessel/export.h"

// strrchri(s, c): the last character of s equal to c when case is ignored;
// the terminating NUL of s when c is 0; null when there is none. The result
// points into s. Bytes above 127 match only themselves.
TESSEL_API char* strrchri(const char* s, int c);

#endif  // TESSEL_STRRCHRI_H
