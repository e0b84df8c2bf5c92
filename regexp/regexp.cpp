// RegExp as a value: construction, copies, assignment, matching through an
// upper-cased copy of the subject, and CString::operator==(RegExp&).
#include "tessel/regexp.h"

#include <cstring>

#include "regexp/opcodes.h"
#include "tessel/cstring.h"

using namespace tessel_detail;

namespace {

// The constructor's scratch buffer; a program holds at most size - 1 bytes.
const int scratchSize = 2000;

// A fresh copy of a whole program (it may hold zero bytes), or null.
char* duplicate(const char* program) {
    if (!program) return nullptr;
    const int n = programLength(program);
    char* copy = new char[n];
    std::memcpy(copy, program, static_cast<size_t>(n));
    return copy;
}

}  // namespace

namespace tessel_detail {

int operandBytes(unsigned char op) {
    switch (op) {
        case RE_ANY:
        case RE_ANY | RE_STAR:
        case RE_END_ANCHOR:
            return 0;
        case RE_GROUP_START:
        case RE_GROUP_END:
        case RE_CHAR:
        case RE_CHAR | RE_STAR:
        case RE_BACKREF:
        case RE_BACKREF | RE_STAR:
            return 1;
        case RE_ANY | RE_COUNT:
            return 2;
        case RE_CHAR | RE_COUNT:
            return 3;
        case RE_CLASS:
        case RE_CLASS | RE_STAR:
        case RE_NEG_CLASS:
        case RE_NEG_CLASS | RE_STAR:
            return 16;
        case RE_CLASS | RE_COUNT:
        case RE_NEG_CLASS | RE_COUNT:
            return 18;
        case RE_WIDE_CLASS:
        case RE_WIDE_CLASS | RE_STAR:
            return 32;
        case RE_WIDE_CLASS | RE_COUNT:
            return 34;
        default:
            return -1;
    }
}

// The object keeps no length beside its program: the length is found by
// walking the elements up to RE_END.
int programLength(const char* program) {
    int at = 0;
    for (;;) {
        const int operands = operandBytes(static_cast<unsigned char>(program[at]));
        ++at;
        if (operands < 0) return at;  // RE_END
        at += operands;
    }
}

}  // namespace tessel_detail

int RegExp::re_error = 0;

RegExp::RegExp()
    : program(nullptr), anchored(0), ignoreCase(0), matchStart(nullptr), matchEnd(nullptr) {}

RegExp::RegExp(const char* pattern, int ignore)
    : program(nullptr), anchored(0), ignoreCase(ignore), matchStart(nullptr), matchEnd(nullptr) {
    CString text(pattern);
    if (ignoreCase) text = upperCase(text);
    // A zero first byte: an empty pattern always fails with 41 here.
    char scratch[scratchSize] = {};
    const char* const end = compile(text, scratch, scratch + scratchSize - 1, '\0');
    if (!end) return;
    const size_t n = static_cast<size_t>(end - scratch);
    program = new char[n];
    std::memcpy(program, scratch, n);
}

RegExp::RegExp(const RegExp& other)
    : program(duplicate(other.program)),
      anchored(other.anchored),
      ignoreCase(other.ignoreCase),
      matchStart(nullptr),
      matchEnd(nullptr) {}

RegExp::~RegExp() {
    delete[] program;
}

RegExp& RegExp::operator=(const RegExp& other) {
    if (this == &other) return *this;
    char* copy = duplicate(other.program);
    delete[] program;
    program = copy;
    anchored = other.anchored;
    ignoreCase = other.ignoreCase;
    return *this;
}

RegExp& RegExp::operator=(const char* pattern) {
    const RegExp compiled(pattern, 0);
    return *this = compiled;
}

// The subject is matched as a copy (upper-cased when ignoring case, which
// keeps its length), and the positions are moved back into the caller's
// text. A failed anchored search also leaves matchStart at the caller's
// text, never in the copy, which is gone when match() returns.
int RegExp::match(const char* text) {
    if (!program || !text) return 0;
    CString copy(text);
    if (ignoreCase) copy = upperCase(copy);
    const char* const base = copy;
    const int found = step(base, program);
    if (found || anchored) matchStart = text + (matchStart - base);
    if (found) matchEnd = text + (matchEnd - base);
    return found;
}

int RegExp::operator==(const char* text) {
    return match(text);
}

int RegExp::operator!=(const char* text) {
    return match(text) ? 0 : 1;
}

int RegExp::MatchLen() const {
    return matchStart && matchEnd ? static_cast<int>(matchEnd - matchStart) : 0;
}

int CString::operator==(RegExp& r) const {
    return r.match(text);
}
