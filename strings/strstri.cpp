// strstri: the first case-insensitive occurrence of a text.
#include "tessel/strstri.h"

#include <cstring>

#include "strings/fold.h"

using tessel_detail::foldChar;

char* strstri(const char* s, const char* t) {
    const size_t n = std::strlen(s);
    const size_t m = std::strlen(t);
    if (m == 0) return const_cast<char*>(s);
    const int first = foldChar(t[0]);
    for (size_t start = 0; start < n; ++start) {
        if (foldChar(s[start]) != first) continue;
        size_t matched = 0;
        while (start + matched < n && matched < m &&
               foldChar(s[start + matched]) == foldChar(t[matched]))
            ++matched;
        if (matched == m) return const_cast<char*>(s + start);
    }
    return nullptr;
}
