// Case folding shared by the case-insensitive searches.
#ifndef TESSEL_STRINGS_FOLD_H
#define TESSEL_STRINGS_FOLD_H

#include <cctype>

namespace tessel_detail {

// foldChar(c): toupper of c for the values toupper accepts (EOF and 0 to
// 255). Characters read from strings are signed chars; a byte above 127
// (negative here) and any other value outside that range folds to itself,
// so no negative value ever reaches the classification table.
inline int foldChar(int c) {
    return (c >= 0 && c <= 255) ? std::toupper(c) : c;
}

}  // namespace tessel_detail

#endif  // TESSEL_STRINGS_FOLD_H
