// RegExp::step and RegExp::advance: the backtracking matcher over the byte
// program, and the process-wide group tables it fills.
#include "regexp/opcodes.h"
#include "tessel/regexp.h"

using namespace tessel_detail;

namespace {

// Where each group started and ended on the path the current attempt has
// taken. advance() clears both tables when it starts, a group's start clears
// its end, and backing off restores the ends, so a back-reference only ever
// sees a group closed earlier on the same path over the same subject; a null
// entry means "not recorded".
const char* groupStart[maxGroups];
const char* groupEnd[maxGroups];

void clearGroups() {
    for (int i = 0; i < maxGroups; ++i)
        groupStart[i] = groupEnd[i] = nullptr;
}

// matchesOne(op, operands, c): the one-character element with base opcode op
// accepts the subject byte c. No element ever consumes the terminating NUL,
// whatever its operands say.
bool matchesOne(unsigned char op, const char* operands, char c) {
    const unsigned u = static_cast<unsigned char>(c);
    if (u == 0) return false;
    switch (op) {
        case RE_CHAR:
            return *operands == c;
        case RE_ANY:
            return true;
        case RE_CLASS:
            return u < 128 && inSet(operands, u);
        case RE_NEG_CLASS:
            return u >= 128 || !inSet(operands, u);
        case RE_WIDE_CLASS:
            return inSet(operands, u);
        default:
            return false;
    }
}

// Bytes of operands of a one-character element, count bytes excluded.
int elementOperands(unsigned char op) {
    switch (op) {
        case RE_CHAR:
            return 1;
        case RE_ANY:
            return 0;
        case RE_WIDE_CLASS:
            return 32;
        default:  // RE_CLASS, RE_NEG_CLASS
            return 16;
    }
}

// A group's recorded text, or false when it has not closed in this attempt.
bool groupText(unsigned n, const char*& start, int& length) {
    if (n >= static_cast<unsigned>(maxGroups)) return false;
    start = groupStart[n];
    const char* end = groupEnd[n];
    if (!start || !end || end < start) return false;
    length = static_cast<int>(end - start);
    return true;
}

// The group text (none of whose bytes is NUL) is at p; stops at the first
// difference, so p is never read past its terminating NUL.
bool textAt(const char* p, const char* text, int length) {
    for (int i = 0; i < length; ++i)
        if (p[i] != text[i]) return false;
    return true;
}

}  // namespace

int RegExp::step(const char* subject, const char* prog) {
    if (anchored) {
        matchStart = subject;
        return advance(subject, prog);
    }
    const char* s = subject;
    if (static_cast<unsigned char>(prog[0]) == RE_CHAR) {
        // Only positions holding the program's first character can start a
        // match.
        const char first = prog[1];
        do {
            if (*s == first && advance(s, prog)) {
                matchStart = s;
                return 1;
            }
        } while (*s++);
        return 0;
    }
    do {
        if (advance(s, prog)) {
            matchStart = s;
            return 1;
        }
    } while (*s++);
    return 0;
}

int RegExp::advance(const char* position, const char* prog) {
    clearGroups();
    return matchHere(position, prog);
}

int RegExp::backOff(const char* first, const char* last, int step, const char* rest) {
    // A failed try may have closed a group that is still open on the path
    // taken to here; each try starts from the ends recorded on that path.
    const char* ends[maxGroups];
    for (int i = 0; i < maxGroups; ++i)
        ends[i] = groupEnd[i];
    for (const char* q = last;; q -= step) {
        if (matchHere(q, rest)) return 1;
        for (int i = 0; i < maxGroups; ++i)
            groupEnd[i] = ends[i];
        if (q - first < step) return 0;
    }
}

// Recursion depth is at most one level per closure or counted element in the
// program, plus one.
int RegExp::matchHere(const char* p, const char* prog) {
    for (;;) {
        const unsigned char op = static_cast<unsigned char>(*prog++);
        switch (op) {
            case RE_CHAR:
            case RE_ANY:
            case RE_CLASS:
            case RE_NEG_CLASS:
            case RE_WIDE_CLASS:
                if (!matchesOne(op, prog, *p)) return 0;
                ++p;
                prog += elementOperands(op);
                continue;

            case RE_CHAR | RE_STAR:
            case RE_ANY | RE_STAR:
            case RE_CLASS | RE_STAR:
            case RE_NEG_CLASS | RE_STAR:
            case RE_WIDE_CLASS | RE_STAR: {
                const unsigned char base = static_cast<unsigned char>(op & ~RE_COUNT);
                const char* const start = p;
                while (matchesOne(base, prog, *p))
                    ++p;
                return backOff(start, p, 1, prog + elementOperands(base));
            }

            case RE_CHAR | RE_COUNT:
            case RE_ANY | RE_COUNT:
            case RE_CLASS | RE_COUNT:
            case RE_NEG_CLASS | RE_COUNT:
            case RE_WIDE_CLASS | RE_COUNT: {
                const unsigned char base = static_cast<unsigned char>(op & ~RE_COUNT);
                const char* const counts = prog + elementOperands(base);
                const int low = static_cast<unsigned char>(counts[0]);
                const int high = static_cast<unsigned char>(counts[1]);
                int extra = high == 255 ? openCountExtra : high - low;
                for (int i = 0; i < low; ++i, ++p)
                    if (!matchesOne(base, prog, *p)) return 0;
                const char* const start = p;
                while (extra-- > 0 && matchesOne(base, prog, *p))
                    ++p;
                return backOff(start, p, 1, counts + 2);
            }

            case RE_END_ANCHOR:
                if (*p) return 0;
                continue;

            case RE_END:
                matchEnd = p;
                return 1;

            case RE_GROUP_START: {
                const unsigned n = static_cast<unsigned char>(*prog++);
                if (n >= static_cast<unsigned>(maxGroups)) return 0;
                groupStart[n] = p;
                groupEnd[n] = nullptr;
                continue;
            }

            case RE_GROUP_END: {
                const unsigned n = static_cast<unsigned char>(*prog++);
                if (n >= static_cast<unsigned>(maxGroups)) return 0;
                groupEnd[n] = p;
                continue;
            }

            case RE_BACKREF: {
                const char* text = nullptr;
                int length = 0;
                if (!groupText(static_cast<unsigned char>(*prog++), text, length)) return 0;
                if (!textAt(p, text, length)) return 0;
                p += length;
                continue;
            }

            case RE_BACKREF | RE_STAR: {
                const char* text = nullptr;
                int length = 0;
                const bool known = groupText(static_cast<unsigned char>(*prog++), text, length);
                // An empty or unrecorded group repeats as the empty run: the
                // rest is tried once, here.
                if (!known || length == 0) continue;
                const char* const start = p;
                while (textAt(p, text, length))
                    p += length;
                return backOff(start, p, length, prog);
            }

            default:
                // No compile writes any other byte here.
                return 0;
        }
    }
}
