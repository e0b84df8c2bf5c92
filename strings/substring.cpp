// SubCString: reading a range of a CString and writing it back.
#include <algorithm>
#include <cstring>

#include "tessel/cstring.h"

SubCString::SubCString() : parent(nullptr), start(0), count(0) {}

SubCString::SubCString(CString& s, int start, int count) : parent(&s), start(start), count(count) {
    if (start < 1 || start > s.length()) return;
    // A range that runs past the end takes what is left from start on.
    const int n = std::min(count, s.length() - start + 1);
    // Bytes are copied as they are, NULs included, so the value keeps n as
    // its stored length.
    if (n > 0) value.assign(s.text + start - 1, n);
}

CString& SubCString::operator=(const CString& r) {
    if (!parent) return value;
    CString w = copyOf(*parent);
    const int textLength = w.length();
    if (start >= 1 && start <= textLength) {
        const int k = std::min({r.length(), count, textLength - start + 1});
        if (k > 0) std::memcpy(w.text + start - 1, r.text, static_cast<size_t>(k));
    }
    *parent = w;
    return *parent;
}
