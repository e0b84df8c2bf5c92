// The free string functions: copying, upper-casing, formatting, trimming.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "tessel/cstring.h"

namespace {

// The fixed area every sformat call formats into.
constexpr size_t formatAreaSize = 2048;

}  // namespace

CString copyOf(const CString& s) { return CString(static_cast<const char*>(s)); }

CString operator+(const char* a, const CString& b) { return CString(a) + b; }

CString upperCase(const CString& s) {
    CString result = copyOf(s);
    for (int i = 1; i <= result.length(); ++i) {
        const char c = result[i];
        if (c >= 'a' && c <= 'z') result[i] = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

CString sformat(const char* format, ...) {
    // vsnprintf never writes past the area and always terminates, so a text
    // that does not fit is cut to its first formatAreaSize - 1 characters.
    std::unique_ptr<char[]> area(new char[formatAreaSize]);
    area[0] = '\0';
    if (format) {
        va_list args;
        va_start(args, format);
        std::vsnprintf(area.get(), formatAreaSize, format, args);
        va_end(args);
    }
    CString result;
    result = area.get();
    return result;
}

CString leftTrim(const CString& s) {
    CString copy(s);
    const char* text = copy;
    const char* lastBlank = std::strrchr(text, ' ');
    if (!lastBlank) return copy;
    copy[static_cast<int>(lastBlank - text) + 1] = '\0';
    return copyOf(copy);
}

CString rightTrim(const CString& s) {
    const char* rest = s;
    while (*rest == ' ') ++rest;
    return CString(rest);
}
