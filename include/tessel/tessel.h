// tessel: every public header of the library.
#ifndef TESSEL_TESSEL_H
#define TESSEL_TESSEL_H

#include "tessel/cstring.h"
#include "tessel/date.h"
#include "tessel/dir.h"
#include "tessel/regexp.h"
#include "tessel/strchri.h"
#include "tessel/strrchri.h"
#include "tessel/strstri.h"
#include "tessel/time.h"

#endif  // TESSEL_TESSEL_H
