// strrchri: the last case-insensitive occurrence of a character.
#include "tessel/strrchri.h"

#include <cstring>

#include "strings/fold.h"

using tessel_detail::foldChar;

char* strrchri(const char* s, int c) {
    const int folded = foldChar(c);
    // The terminator is compared first, so c = 0 finds it at once.
    for (const char* p = s + std::strlen(s);; --p) {
        if (foldChar(*p) == folded) return const_cast<char*>(p);
        if (p == s) return nullptr;
    }
}
