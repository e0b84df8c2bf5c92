// CString: construction, assignment, indexing, comparison, concatenation
// and searching.
#include "tessel/cstring.h"

#include <cstring>

namespace {

// The one empty text shared by every value built empty. It lives in
// read-only storage: nothing may write through it.
const char sharedEmpty[] = "";
char* const emptyText = const_cast<char*>(sharedEmpty);

const char* orEmpty(const char* s) {
    return s ? s : sharedEmpty;
}

// Length of s up to its first NUL, reading at most n bytes.
int boundedLength(const char* s, int n) {
    const void* nul = std::memchr(s, '\0', static_cast<size_t>(n));
    return nul ? static_cast<int>(static_cast<const char*>(nul) - s) : n;
}

int compare(const char* a, const char* b) {
    return std::strcmp(a, orEmpty(b));
}

// 1-based position of found in text, or 0.
int positionOf(const char* text, const char* found) {
    return found ? static_cast<int>(found - text) + 1 : 0;
}

}  // namespace

CString::CString() : len(0), text(emptyText) {}

CString::CString(const char* s) : len(0), text(emptyText) {
    if (s) assign(s, static_cast<int>(std::strlen(s)));
}

CString::CString(const CString& other) : len(other.len), text(new char[other.len + 1]()) {
    // The other text ends at its first NUL, which may lie before its stored
    // length; the copy keeps the stored length and zero-fills the rest.
    std::memcpy(text, other.text, static_cast<size_t>(boundedLength(other.text, other.len)));
}

CString::CString(const char c, const int n) : len(n > 0 ? n : 0), text(new char[len + 1]) {
    std::memset(text, c, static_cast<size_t>(len));
    text[len] = '\0';
}

CString::CString(const int n) : CString(' ', n) {}

CString::~CString() {
    release();
}

void CString::release() {
    if (text != emptyText) delete[] text;
}

void CString::assign(const char* s, int n) {
    char* fresh = new char[n + 1];
    std::memcpy(fresh, s, static_cast<size_t>(n));
    fresh[n] = '\0';
    release();
    text = fresh;
    len = n;
}

CString CString::blanks(int n) {
    return CString(' ', n);
}

char& CString::operator[](const int i) {
    // Only the characters themselves are writable. The terminator, every
    // position outside the value and so the shared empty text are served
    // by a scratch byte that reads as NUL, so no write can reach past the
    // buffer or make the text outrun its stored length.
    static char scratch;
    if (i < 1 || i > len) {
        scratch = '\0';
        return scratch;
    }
    return text[i - 1];
}

char CString::operator[](const int i) const {
    return (i < 1 || i > len + 1) ? '\0' : text[i - 1];
}

CString& CString::operator=(const CString& other) {
    assign(other.text, static_cast<int>(std::strlen(other.text)));
    return *this;
}

CString& CString::operator=(const char* s) {
    s = orEmpty(s);
    assign(s, static_cast<int>(std::strlen(s)));
    return *this;
}

int CString::operator==(const CString& o) const {
    return compare(text, o.text) == 0;
}
int CString::operator!=(const CString& o) const {
    return compare(text, o.text) != 0;
}
int CString::operator<(const CString& o) const {
    return compare(text, o.text) < 0;
}
int CString::operator>(const CString& o) const {
    return compare(text, o.text) > 0;
}
int CString::operator<=(const CString& o) const {
    return compare(text, o.text) <= 0;
}
int CString::operator>=(const CString& o) const {
    return compare(text, o.text) >= 0;
}
int CString::operator==(const char* s) const {
    return compare(text, s) == 0;
}
int CString::operator!=(const char* s) const {
    return compare(text, s) != 0;
}
int CString::operator<(const char* s) const {
    return compare(text, s) < 0;
}
int CString::operator>(const char* s) const {
    return compare(text, s) > 0;
}
int CString::operator<=(const char* s) const {
    return compare(text, s) <= 0;
}
int CString::operator>=(const char* s) const {
    return compare(text, s) >= 0;
}

CString CString::operator+(const CString& other) const {
    CString result = blanks(len + other.len);
    std::strcpy(result.text, text);
    // other's text fits: its length up to the first NUL is at most its
    // stored length, and the result reserves exactly that from offset len.
    std::strcpy(result.text + len, other.text);
    return result;
}

CString CString::operator+(const char* s) const {
    s = orEmpty(s);
    const int n = static_cast<int>(std::strlen(s));
    CString result = blanks(len + n);
    std::strcpy(result.text, text);
    std::memcpy(result.text + len, s, static_cast<size_t>(n) + 1);
    return result;
}

CString CString::operator+(const char& c) const {
    CString result = blanks(len + 1);
    std::strcpy(result.text, text);
    char* end = result.text + std::strlen(result.text);
    end[0] = c;
    end[1] = '\0';
    return result;
}

int CString::pos(const char c) const {
    return *text ? positionOf(text, std::strchr(text, c)) : 0;
}

int CString::posr(const char c) const {
    return *text ? positionOf(text, std::strrchr(text, c)) : 0;
}

int CString::pos(const char* t) const {
    return *text ? positionOf(text, std::strstr(text, orEmpty(t))) : 0;
}

int CString::posi(const char c) const {
    return pos(c);
}
int CString::posir(const char c) const {
    return posr(c);
}
int CString::posi(const char* t) const {
    return pos(t);
}
