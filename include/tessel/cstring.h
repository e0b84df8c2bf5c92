// CString, the library's string value, with SubCString and the free string
// functions built on it.
#ifndef TESSEL_CSTRING_H
#define TESSEL_CSTRING_H

#include "tessel/export.h"

class RegExp;

// CString: a stored length and an owned, NUL-terminated buffer of exactly
// length() + 1 bytes. Copies are deep; positions are 1-based and 0 means
// "not found". Comparisons, searches and assignment read the text up to its
// first NUL; length(), the copy constructor and concatenation use the stored
// length, which differs only after a NUL was written through operator[] or
// appended with operator+(char).
class TESSEL_API CString {
  public:
    // CString(): the empty value; allocates nothing.
    CString();
    // CString(s): a copy of s; a null s gives the empty value.
    CString(const char* s);
    // CString(other): a copy with other's stored length; the text is copied
    // up to its first NUL and the rest of the buffer is zero.
    CString(const CString& other);
    // CString(c, n): n copies of c. A negative n counts as 0.
    CString(const char c, const int n);
    // CString(n): n blanks. A negative n counts as 0.
    explicit CString(const int n);
    ~CString();

    // length(): the stored length.
    int length() const { return len; }
    // The text itself, never null; valid until this value changes or dies.
    operator const char*() const { return text; }

    // operator[](i): the character at 1-based position i; i = length() + 1
    // reads the terminating NUL. Positions are guarded: outside 1 to
    // length() + 1 reading gives NUL, and only positions 1 to length() can
    // be written; any other write lands in a scratch byte that belongs to no
    // value (so an empty value's shared text is never touched).
    char& operator[](const int i);
    char operator[](const int i) const;

    // Assignment copies the text (up to its first NUL) into a fresh buffer
    // before releasing the old one, so self-assignment is safe. The stored
    // length becomes the text's length. A null s assigns the empty text.
    CString& operator=(const CString& other);
    CString& operator=(const char* s);

    // Comparisons: strcmp of this text with the other, as 1 or 0. A null
    // text compares as the empty text.
    int operator==(const CString& other) const;
    int operator!=(const CString& other) const;
    int operator<(const CString& other) const;
    int operator>(const CString& other) const;
    int operator<=(const CString& other) const;
    int operator>=(const CString& other) const;
    int operator==(const char* s) const;
    int operator!=(const char* s) const;
    int operator<(const char* s) const;
    int operator>(const char* s) const;
    int operator<=(const char* s) const;
    int operator>=(const char* s) const;

    // operator==(r): 1 when r matches this text (RegExp::match), else 0.
    // Defined by the regexp module; r records the match positions.
    int operator==(RegExp& r) const;

    // Concatenation: a new value whose stored length is the sum of the two
    // lengths; the right text starts at this value's stored length.
    CString operator+(const CString& other) const;
    CString operator+(const char* s) const;
    // operator+(c): this text followed by c; the stored length grows by one
    // even when c is NUL.
    CString operator+(const char& c) const;

    // Searches, all exact and case-sensitive: the 1-based position of the
    // first (pos) or last (posr) occurrence, or 0. An empty text finds
    // nothing. posi, posir and posi(t) give the same results as pos, posr
    // and pos(t).
    int pos(const char c) const;
    int posr(const char c) const;
    int pos(const char* t) const;
    int posi(const char c) const;
    int posir(const char c) const;
    int posi(const char* t) const;

  private:
    friend class SubCString;

    int len;
    char* text;

    // Builds a value of stored length n whose buffer is n blanks and a NUL.
    TESSEL_LOCAL static CString blanks(int n);
    // Replaces the buffer with a fresh copy of the first n bytes of s.
    TESSEL_LOCAL void assign(const char* s, int n);
    TESSEL_LOCAL void release();
};

// SubCString: a range of a parent CString. It copies the range's characters
// when it is built and can write characters back over the same range; it
// never changes the parent's length. The parent must outlive it.
class TESSEL_API SubCString {
  public:
    // SubCString(): refers to no string; its value is empty and assignment
    // through it writes nothing.
    SubCString();
    // SubCString(s, start, count): at most count characters of s from the
    // 1-based position start. A range past the end is shortened; a start
    // below 1 or beyond the end, or a count below 1, gives an empty value.
    SubCString(CString& s, int start, int count);

    // The characters taken when the substring was built.
    operator const CString&() const { return value; }

    // operator=(r): overwrites the range in the parent with the leading
    // characters of r, at most count of them and never past the parent's
    // text. Returns the parent; a default-constructed substring changes
    // nothing and returns a reference to its own empty value.
    CString& operator=(const CString& r);

  private:
    CString value;
    CString* parent;
    int start;
    int count;
};

// copyOf(s): a fresh value holding s's text up to its first NUL.
TESSEL_API CString copyOf(const CString& s);
// a + b: a followed by b's text; stored length strlen(a) + b.length().
TESSEL_API CString operator+(const char* a, const CString& b);
// upperCase(s): copyOf(s) with a-z changed to A-Z.
TESSEL_API CString upperCase(const CString& s);
// sformat(format, ...): the printf-style text of format and the arguments.
// A text longer than 2047 characters is cut to its first 2047.
TESSEL_API CString sformat(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
// leftTrim(s): the text of s before its last blank (space only); s itself,
// with its stored length, when it holds no blank.
TESSEL_API CString leftTrim(const CString& s);
// rightTrim(s): the text of s after its leading blanks (spaces only).
TESSEL_API CString rightTrim(const CString& s);

#endif  // TESSEL_CSTRING_H
