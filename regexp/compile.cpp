// RegExp::compile: translates a pattern into the byte program, one pass, no
// allocation, never writing past the caller's end position.
#include <cstring>

#include "regexp/opcodes.h"
#include "tessel/regexp.h"

using namespace tessel_detail;

namespace {

// Reads the pattern byte by byte and never past its terminating NUL: every
// caller checks a byte for NUL before reading the next one.
class Reader {
  public:
    Reader(const char* pattern, int endChar)
        : at(pattern), endByte(static_cast<unsigned char>(endChar & 0xff)) {}

    unsigned next() { return static_cast<unsigned char>(*at++); }
    unsigned peek() const { return static_cast<unsigned char>(*at); }
    // ends(c): c closes the pattern: the end character, a newline, or the
    // NUL that ends the text whatever the end character is.
    bool ends(unsigned c) const { return c == 0 || c == '\n' || c == endByte; }

  private:
    const char* at;
    unsigned endByte;
};

enum Failure {
    errCountTooBig = 11,
    errBadNumber = 16,
    errBadBackref = 25,
    errBadEscape = 36,
    errEmpty = 41,
    errGroupBalance = 42,
    errTooManyGroups = 43,
    errTooManyNumbers = 44,
    errNoCloseBrace = 45,
    errCountOrder = 46,
    errClassBalance = 49,
    errOverflow = 50,
};

void addMember(char* set, unsigned c) {
    set[c >> 3] |= static_cast<char>(setBit(c));
}

// Reads one number of a count: digits up to the first backslash or comma,
// which is returned in stop. Fails on an empty number or any other byte
// (a NUL included, so the pattern's end is never passed), and on a value of
// 255 or more however many digits it has.
int readCountNumber(Reader& in, unsigned first, unsigned& stop, int& failure) {
    unsigned c = first;
    int value = 0;
    bool any = false;
    while (c != '\\' && c != ',') {
        if (c < '0' || c > '9') {
            failure = errBadNumber;
            return -1;
        }
        any = true;
        if (value < 255) value = value * 10 + static_cast<int>(c - '0');
        c = in.next();
    }
    if (!any) {
        failure = errBadNumber;
        return -1;
    }
    if (value >= 255) {
        failure = errCountTooBig;
        return -1;
    }
    stop = c;
    return value;
}

}  // namespace

// Program layout and opcode values are in regexp/opcodes.h. Per compile the
// state is local: the start of the element most recently begun (which * and
// \{ modify), the stack of open groups, the groups opened and those closed.
char* RegExp::compile(const char* pattern, char* buffer, char* end, int endChar) {
    Reader in(pattern ? pattern : "", endChar);
    char* ep = buffer;
    auto fail = [](int code) -> char* {
        re_error = code;
        return nullptr;
    };

    unsigned c = in.peek();
    if (in.ends(c)) {
        if (*buffer == 0) return fail(errEmpty);
        return buffer;
    }
    anchored = 0;
    if (c == '^' || c == '~') {
        anchored = 1;
        in.next();
    }

    char* last = nullptr;
    int openStack[maxGroups];
    int openCount = 0;
    int opened = 0;
    int closed = 0;

    for (;;) {
        if (ep >= end) return fail(errOverflow);
        c = in.next();
        const bool modifies = c == '*' || (c == '\\' && in.peek() == '{');
        if (!modifies) last = ep;

        if (in.ends(c)) {
            *ep++ = static_cast<char>(RE_END);
            if (openCount != 0) return fail(errGroupBalance);
            return ep;
        }

        switch (c) {
            case '.':
                *ep++ = static_cast<char>(RE_ANY);
                continue;

            case '$':
                if (in.ends(in.peek())) {
                    *ep++ = static_cast<char>(RE_END_ANCHOR);
                    continue;
                }
                break;

            case '*': {
                const unsigned char op = last ? static_cast<unsigned char>(*last) : 0;
                if (last && op != RE_GROUP_START && op != RE_GROUP_END) {
                    *last = static_cast<char>(op | RE_STAR);
                    continue;
                }
                last = ep;  // a literal *, which begins an element
                break;
            }

            case '[': {
                if (end - ep <= 17) return fail(errOverflow);
                char* const op = ep;
                char* const set = ep + 1;
                *op = static_cast<char>(RE_CLASS);
                std::memset(set, 0, 16);
                bool wide = false;
                auto widen = [&]() {
                    if (end - set <= 32) return false;
                    *op = static_cast<char>(RE_WIDE_CLASS);
                    std::memset(set + 16, 0, 16);
                    wide = true;
                    return true;
                };
                bool negated = false;
                unsigned m = in.next();
                if (m == '^' || m == '~') {
                    negated = true;
                    m = in.next();
                }
                bool havePrevious = false;
                unsigned previous = 0;
                for (;;) {
                    if (m == 0 || m == '\n') return fail(errClassBalance);
                    if (m >= 128 && !wide && !widen()) return fail(errOverflow);
                    if (m == '-' && havePrevious) {
                        const unsigned e = in.next();
                        if (e == ']') {
                            addMember(set, '-');
                            break;
                        }
                        if (e == 0 || e == '\n') return fail(errClassBalance);
                        if (e >= 128 && !wide && !widen()) return fail(errOverflow);
                        for (unsigned r = previous; r < e; ++r)
                            addMember(set, r);
                        m = e;
                    }
                    addMember(set, m);
                    previous = m;
                    havePrevious = true;
                    m = in.next();
                    if (m == ']') break;
                }
                if (negated) {
                    if (wide) {
                        for (int i = 0; i < 32; ++i)
                            set[i] = static_cast<char>(~set[i]);
                        set[0] = static_cast<char>(set[0] & ~setBit(0));
                    } else {
                        set[0] = static_cast<char>(set[0] | setBit(0));
                        *op = static_cast<char>(RE_NEG_CLASS);
                    }
                }
                ep = set + (wide ? 32 : 16);
                continue;
            }

            case '\\': {
                const unsigned d = in.next();
                // A lone backslash at the very end is rejected like one
                // before a newline: there is no character for it to escape.
                if (d == '\n' || d == 0) return fail(errBadEscape);
                if (d == '(') {
                    if (opened == maxGroups) return fail(errTooManyGroups);
                    openStack[openCount++] = opened;
                    *ep++ = static_cast<char>(RE_GROUP_START);
                    *ep++ = static_cast<char>(opened++);
                    continue;
                }
                if (d == ')') {
                    if (openCount == 0) return fail(errGroupBalance);
                    *ep++ = static_cast<char>(RE_GROUP_END);
                    *ep++ = static_cast<char>(openStack[--openCount]);
                    ++closed;
                    continue;
                }
                if (d == '{') {
                    if (!last) {
                        last = ep;
                        c = '{';
                        break;
                    }
                    const unsigned char op = static_cast<unsigned char>(*last);
                    // The matcher counts one-character elements only: a
                    // count on a group mark, a back-reference or a counted
                    // element has no meaning and is rejected.
                    if (op == RE_GROUP_START || op == RE_GROUP_END || op == RE_BACKREF ||
                        op == (RE_BACKREF | RE_STAR) || (op & RE_COUNT) == RE_COUNT)
                        return fail(errBadNumber);
                    *last = static_cast<char>(op | RE_COUNT);
                    int failure = 0;
                    unsigned stop = 0;
                    const int low = readCountNumber(in, in.next(), stop, failure);
                    if (low < 0) return fail(failure);
                    *ep++ = static_cast<char>(low);
                    bool comma = false;
                    int high = low;
                    if (stop == ',') {
                        comma = true;
                        const unsigned after = in.next();
                        if (after == '\\') {
                            high = 255;
                        } else {
                            high = readCountNumber(in, after, stop, failure);
                            if (high < 0) return fail(failure);
                            if (stop == ',') return fail(errTooManyNumbers);
                        }
                    }
                    if (in.next() != '}') return fail(errNoCloseBrace);
                    if (comma && high != 255 && high < low) return fail(errCountOrder);
                    *ep++ = static_cast<char>(high);
                    continue;
                }
                if (d >= '1' && d <= '9') {
                    const int k = static_cast<int>(d - '1');
                    if (k >= closed) return fail(errBadBackref);
                    *ep++ = static_cast<char>(RE_BACKREF);
                    *ep++ = static_cast<char>(k);
                    continue;
                }
                c = d == 'n' ? '\n' : d;
                break;
            }

            default:
                break;
        }
        *ep++ = static_cast<char>(RE_CHAR);
        *ep++ = static_cast<char>(c);
    }
}
