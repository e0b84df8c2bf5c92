// strchri: the first case-insensitive occurrence of a character.
#include "tessel/strchri.h"

#include "strings/fold.h"

using tessel_detail::foldChar;

char* strchri(const char* s, int c) {
    const int folded = foldChar(c);
    for (;; ++s) {
        if (foldChar(*s) == folded) return const_cast<char*>(s);
        if (*s == '\0') return nullptr;
    }
}
