// strstri: case-insensitive strstr.
#ifndef TESSEL_STRSTRI_H
#define TESSEL_STRSTRI_H

#include "tessel/export.h"

// strstri(s, t): the leftmost place in s where all of t matches when case is
// ignored; s itself when t is empty; null when t does not occur. The result
// points into s. Cost: at most strlen(s) * strlen(t) comparisons.
TESSEL_API char* strstri(const char* s, const char* t);

#endif  // TESSEL_STRSTRI_H
