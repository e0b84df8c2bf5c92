// Opcodes and layout of the compiled byte program, shared by the compiler,
// the matcher and the object.
#ifndef TESSEL_REGEXP_OPCODES_H
#define TESSEL_REGEXP_OPCODES_H

namespace tessel_detail {

// Element opcodes. Each is followed by its operands:
enum : unsigned char {
    RE_GROUP_START = 2,  // group number 0 to 8
    RE_CHAR = 4,         // the character
    RE_ANY = 8,          // none
    RE_CLASS = 12,       // 16 set bytes, codes 0 to 127
    RE_WIDE_CLASS = 16,  // 32 set bytes, codes 0 to 255
    RE_END_ANCHOR = 20,  // none
    RE_END = 22,         // none; the program ends here
    RE_GROUP_END = 24,   // group number 0 to 8
    RE_BACKREF = 36,     // group number 0 to 8
    RE_NEG_CLASS = 40,   // 16 set bytes, the bit of NUL set
};

// Flags or-ed into the opcode of the element they modify. RE_COUNT holds the
// bit of RE_STAR; a counted element is followed, after its operands, by the
// minimum and the maximum (255: no upper bound).
enum : unsigned char {
    RE_STAR = 1,
    RE_COUNT = 3,
};

const int maxGroups = 9;
// Occurrences a count with no upper bound allows beyond its minimum.
const int openCountExtra = 20000;

// The bit of code c within its byte of a set.
inline unsigned char setBit(unsigned c) {
    return static_cast<unsigned char>(1u << (c & 7u));
}

// inSet(set, c): 1 when code c (0 to 255, below 128 for a narrow set) is a
// member of the set.
inline bool inSet(const char* set, unsigned c) {
    return (static_cast<unsigned char>(set[c >> 3]) & setBit(c)) != 0;
}

// operandBytes(op): bytes of operands after the opcode op, count bytes
// included; -1 for a byte that is no opcode the compiler writes (RE_END
// included, which ends the program).
int operandBytes(unsigned char op);

// programLength(program): bytes from the first opcode through RE_END. The
// program must come from a successful compile.
int programLength(const char* program);

}  // namespace tessel_detail

#endif  // TESSEL_REGEXP_OPCODES_H
