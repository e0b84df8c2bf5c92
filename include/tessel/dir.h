// The dir module: wildcard conversion, path names, the current drive and
// directory, directory entries and listings, path expansion and the file
// tree walker.
#ifndef TESSEL_DIR_H
#define TESSEL_DIR_H

#include "tessel/cstring.h"
#include "tessel/export.h"
#include "tessel/regexp.h"

// ---- Wildcard conversion -------------------------------------------------

// FileExp2RegExp(wildcard): an anchored, ignore-case RegExp that matches an
// entry name exactly when the whole name fits the wildcard. A wildcard whose
// translation does not compile gives an object without a program, which
// matches no name.
TESSEL_API RegExp FileExp2RegExp(const CString& wildcard);

#endif  // TESSEL_DIR_H
