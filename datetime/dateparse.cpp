// Date parsing: the five static date expressions, the readers of the forms
// they accept, the month-name lookup and the validity tests on text.
//
// A text is first matched as a whole against the expressions, numeric form
// first, then the four month-name forms in order; the first that matches
// decides how its numbers and month name are read. Since the expression has
// already fixed the shape of the text, reading is a walk over it: a digit
// run, one skipped character, and so on.
#include <cctype>

#include "datetime/calendar.h"
#include "datetime/settings.h"
#include "tessel/date.h"

// Constructed at load in this order, destroyed in the reverse order.
RegExp Date::ddmmyyFormat("^[0-9]\\{1,\\}[^0-9][0-9]\\{1,\\}[^0-9][0-9]\\{1,\\}$", 0);
RegExp Date::ddmmmyyFormat1(
    "^[0-9]\\{1,\\}[nstr]\\{1\\}[dht]\\{1\\} [a-zA-Z]\\{3\\} [0-9]\\{1,\\}$", 0);
RegExp Date::ddmmmyyFormat2("^[0-9]\\{1,\\} [a-zA-Z]\\{3\\} [0-9]\\{1,\\}$", 0);
RegExp Date::ddmmmyyFormat3(
    "^[a-zA-Z]\\{3\\} [0-9]\\{1,\\}[nstr]\\{1\\}[dht]\\{1\\} [0-9]\\{1,\\}$", 0);
RegExp Date::ddmmmyyFormat4("^[a-zA-Z]\\{3\\} [0-9]\\{1,\\} [0-9]\\{1,\\}$", 0);

namespace {

// What a recognised text holds. Day, month and year start at 0 and the month
// name empty, as the validity test on text requires.
struct DateText {
    enum Form { none, numeric, named };
    Form form = none;
    short day = 0;
    short month = 0;
    short year = 0;
    char name[4] = {0, 0, 0, 0};
};

// Largest number a 16-bit field holds; longer digit runs stop there.
const int largestNumber = 32767;

// readNumber(p): the digit run at p, leading zeros allowed. A value above
// 32767 counts as 32767, so a run of any length is read without overflow and
// gives a number that no day, month or year of the range accepts.
short readNumber(const char*& p) {
    int value = 0;
    while (*p >= '0' && *p <= '9') {
        value = value * 10 + (*p - '0');
        if (value > largestNumber) value = largestNumber;
        ++p;
    }
    return static_cast<short>(value);
}

// skip(p, n): passes n characters, never the terminating NUL.
void skip(const char*& p, int n) {
    for (; n > 0 && *p; --n)
        ++p;
}

// skipBlanks(p): passes white space, as a blank in a scanning format does.
void skipBlanks(const char*& p) {
    while (*p && std::isspace(static_cast<unsigned char>(*p)))
        ++p;
}

// readName(p, out): the next three characters as a month name.
void readName(const char*& p, char* out) {
    for (int i = 0; i < 3 && *p; ++i)
        out[i] = *p++;
}

DateText readDate(const CString& text) {
    DateText r;
    const char* p = text;
    if (text == Date::ddmmyyFormat) {
        r.form = DateText::numeric;
        const short first = readNumber(p);
        skip(p, 1);
        const short second = readNumber(p);
        skip(p, 1);
        const short third = readNumber(p);
        switch (tessel_detail::dateOrder) {
            case 0:
                r.month = first, r.day = second, r.year = third;
                break;
            case 1:
                r.day = first, r.month = second, r.year = third;
                break;
            default:
                r.year = first, r.month = second, r.day = third;
                break;
        }
        return r;
    }
    r.form = DateText::named;
    if (text == Date::ddmmmyyFormat1) {  // 7th Jan 1980
        r.day = readNumber(p);
        skip(p, 2);
        skipBlanks(p);
        readName(p, r.name);
        skipBlanks(p);
        r.year = readNumber(p);
    } else if (text == Date::ddmmmyyFormat2) {  // 7 Jan 1980
        r.day = readNumber(p);
        skipBlanks(p);
        readName(p, r.name);
        skipBlanks(p);
        r.year = readNumber(p);
    } else if (text == Date::ddmmmyyFormat3) {  // Jan 7th 1980
        readName(p, r.name);
        skipBlanks(p);
        r.day = readNumber(p);
        skip(p, 2);
        skipBlanks(p);
        r.year = readNumber(p);
    } else if (text == Date::ddmmmyyFormat4) {  // Jan 7 1980
        readName(p, r.name);
        skipBlanks(p);
        r.day = readNumber(p);
        skipBlanks(p);
        r.year = readNumber(p);
    } else {
        r.form = DateText::none;
    }
    return r;
}

// sameIgnoringCase(a, b): the whole strings are equal when letters are
// compared without regard to case.
int sameIgnoringCase(const char* a, const char* b) {
    for (;; ++a, ++b) {
        const int ca = std::toupper(static_cast<unsigned char>(*a));
        const int cb = std::toupper(static_cast<unsigned char>(*b));
        if (ca != cb) return 0;
        if (ca == 0) return 1;
    }
}

// monthOf(name): 1 to 12 for the first month whose entry in Date::monthName
// equals name without regard to case; 0 for any other name, and for a null
// one. A null entry matches nothing.
short monthOf(const char* name) {
    if (!name) return 0;
    for (int i = 0; i < tessel_detail::monthsInYear; ++i) {
        const char* entry = Date::monthName[i];
        if (entry && sameIgnoringCase(name, entry)) return static_cast<short>(i + 1);
    }
    return 0;
}

}  // namespace

Date::Date(short day, const char* name, short year) : Date(day, monthOf(name), year) {}

Date::Date(const CString& text) : Date() {
    const DateText r = readDate(text);
    if (r.form == DateText::numeric) {
        *this = Date(r.day, r.month, r.year);
    } else if (r.form == DateText::named) {
        *this = Date(r.day, r.name, r.year);
    }
}

int Date::gIsValidDate(const CString& text) {
    const DateText r = readDate(text);
    if (r.form == DateText::numeric) return gIsValidDate(r.day, r.month, r.year);
    if (r.form == DateText::named) return gIsValidDate(r.day, r.name, r.year);
    return 0;
}

int Date::gIsValidDate(short day, const char* name, short year) {
    const short month = monthOf(name);
    return month != 0 && gIsValidDate(day, month, year);
}
