// RegExp: a regular expression compiled into a compact byte program and
// matched with backtracking.
//
// Syntax (editor style; characters are bytes, 128 and above are ordinary):
//   ^ or ~ first     the match starts at the start of the subject
//   .                any one character
//   $ last           the end of the subject
//   [set] [^set]     one character in / not in the set (a-z ranges; ] first
//                    is a member; ^ or ~ first negates)
//   x*               zero or more of the one-character element or \N before
//   \{m\} \{m,\} \{m,n\}  m, at least m (at most m + 20000), m to n of it
//   \( \)            a group (at most 9); \1 to \9 its text once more
//   \n               a newline; \c any other character c taken literally
// An unescaped newline or the end character ends the pattern. Matching finds
// the leftmost start; every closure first takes as much as it can and backs
// off. Backtracking keeps no memory, so several closures over the same
// characters cost the product of their run lengths.
#ifndef TESSEL_REGEXP_H
#define TESSEL_REGEXP_H

#include "tessel/export.h"

// RegExp: owns one compiled program (or none, when default-built or when its
// compile failed: it then matches nothing), knows whether the expression is
// anchored and whether it ignores case, and records where its last successful
// match lies in the caller's text. Copies duplicate the whole program.
class TESSEL_API RegExp {
  public:
    // RegExp(): no program; matches nothing.
    RegExp();
    // RegExp(pattern, ignoreCase): compiles pattern. When ignoreCase is
    // nonzero the pattern (escapes included: \n becomes \N, a plain N) and
    // every subject are upper-cased (a-z only) before use. On failure the
    // object has no program and re_error holds the code; a null or empty
    // pattern fails with 41.
    RegExp(const char* pattern, int ignoreCase);
    // RegExp(other): other's flags and a duplicate of its program; positions
    // start null.
    RegExp(const RegExp& other);
    virtual ~RegExp();

    // operator=(other): takes other's flags and a duplicate of its program
    // (or none); the match positions keep their values. Self-assignment
    // leaves the object unchanged.
    RegExp& operator=(const RegExp& other);
    // operator=(pattern): becomes RegExp(pattern, 0), so case-sensitive.
    RegExp& operator=(const char* pattern);

    // match(text): 1 when the expression matches somewhere in text, else 0.
    // On 1 the positions point into text itself (never into a copy). A null
    // text, or an object without a program, gives 0 and touches nothing.
    int match(const char* text);
    // operator==(text): match(text). operator!=(text): its negation.
    int operator==(const char* text);
    int operator!=(const char* text);

    // FirstMatchingChar(): start of the last successful match, in the text
    // the caller passed (null before any match). The caller owns that text.
    const char* FirstMatchingChar() const { return matchStart; }
    // LastMatchingChar(): the position just after the last matched character.
    const char* LastMatchingChar() const { return matchEnd; }
    // MatchLen(): length of the last match; 0 when a position is null.
    int MatchLen() const;

    // compile(pattern, buffer, end, endChar): writes the program of pattern
    // into buffer, never past the byte at end (the buffer must reach one byte
    // beyond end), and sets anchored. Returns the position after the RE_END
    // byte, or null with the code in re_error. The pattern ends at its first
    // unescaped endChar (taken as its low 8 bits) or newline, and always at
    // a NUL. An empty (or null) pattern returns buffer unchanged when buffer's first
    // byte is not 0 (the program there stays in force), else fails with 41.
    // Choices for patterns without a defined meaning: a pattern that ends
    // right after a lone backslash fails with 36; a count after \(, \), a
    // back-reference or another count fails with 16.
    char* compile(const char* pattern, char* buffer, char* end, int endChar);
    // step(subject, program): 1 when program matches somewhere in subject;
    // sets matchStart and matchEnd. An anchored search tries only the
    // subject's start and sets matchStart there even when it fails.
    int step(const char* subject, const char* program);
    // advance(position, program): 1 when program matches text beginning
    // exactly at position; sets matchEnd only. Each call starts with no group
    // recorded: a back-reference to a group not closed earlier in the same
    // attempt matches nothing (and under * takes zero occurrences).
    int advance(const char* position, const char* program);

    // re_error: code of the most recent failed compile; never reset.
    static int re_error;

  private:
    char* program;           // owned; first opcode through RE_END, or null
    int anchored;            // 1 when the pattern began with ^ or ~
    int ignoreCase;          // nonzero: pattern and subjects upper-cased
    const char* matchStart;  // start of the last match, in the caller's text
    const char* matchEnd;    // just after the last match

    // Matches program from position p without resetting the group tables.
    TESSEL_LOCAL int matchHere(const char* p, const char* prog);
    // Tries the rest of the program at each position from last down to first,
    // stepping back by step bytes.
    TESSEL_LOCAL int backOff(const char* first, const char* last, int step, const char* rest);
};

#endif  // TESSEL_REGEXP_H
