// version: version numbers read from RCS keyword strings.
#ifndef TESSEL_VERSION_H
#define TESSEL_VERSION_H

#include "tessel/export.h"

// getRCSVersion(id): the version number in an RCS keyword string such as
// "$Revision: 1.5 $", as "1.05"; with three or four numbers as
// "1.02.03.00". Only the first word after the colon and the character that
// follows it is read. A text with no readable number gives "x.xx", and so
// does a text that starts with '$' but holds no colon (an unexpanded
// keyword). A text that does not start with '$', and a null id, give the
// empty text. The result is one static area of 128 characters that every
// call overwrites: copy it to keep it. Of a longer text after the colon only
// the first 127 characters are read.
TESSEL_API char* getRCSVersion(const char* id);

#endif  // TESSEL_VERSION_H
