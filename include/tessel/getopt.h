// getopt: the command-line option parser and the option listing.
//
// Options are argument words that begin with a switch character: the
// characters of the environment variable SWITCHCHAR when it is set, else
// "/" and "-", read afresh at every test. The option word runs from after
// the switch character up to the first of "+-:/" or the end of the word and
// names an option of the caller's table by a case-insensitive prefix.
// Forms of one word, for an option named "out":
//
//     /out           the option alone (or with the next word, argMode 2)
//     /o:file        an attached argument ("file")
//     /o: file       an empty attachment takes the next word, whatever it is
//     /o+  /o-       the argument "+" or "-"
//     /a/b  -a-b     several options in one word
#ifndef TESSEL_GETOPT_H
#define TESSEL_GETOPT_H

#include "tessel/cstring.h"
#include "tessel/export.h"

// option: one record of an option table; a record whose name is null ends
// the table.
struct option {
    // 0: takes no argument. 2: requires one, after ':' or in the next word.
    // Any other value: takes an argument only when one is attached (after
    // ':', or a '+' or '-' suffix).
    int argMode;
    // What getopt returns when this option is recognised.
    int id;
    // The option's name, matched by case-insensitive prefix.
    const char* name;
    // Shown by printOptions after the switch character, in 30 columns.
    const char* usage;
    // Shown by printOptions after the usage.
    const char* description;
};

// getoptArg: the argument of the option getopt returned last; empty when it
// had none. Emptied at the start of every option.
TESSEL_API extern CString getoptArg;

// getoptError: 0 (the initial value) makes every failure of getopt return
// -1 quietly. Nonzero makes it write the failure's message and the option
// listing to the standard error stream and end the process with status 3.
TESSEL_API extern int getoptError;

// getopt(index, argv, options): recognises the option at argv[index] (or
// the next option of the word it is in) and returns its id, with its
// argument in getoptArg; index advances over the words consumed. argv ends
// with a null entry and is never reordered. Returns -1 at the first word
// that is not an option (index then designates it, or the null end) and
// after a quiet failure. Call it until it returns -1; start a new vector
// only after that.
//
// An option word matches every name it is a prefix of, ignoring case; two
// matches are ambiguous (reported when getoptError is set, otherwise the
// last match in the table wins). An option word longer than 127 characters
// names no option. The position inside a word is kept between calls for
// this vector and this index only: a call with another vector, another
// index or a changed word starts at the start of argv[index]. A null argv
// or a negative index gives -1; a null table counts as an empty one.
TESSEL_API int getopt(int& index, char** argv, option* options);

// isSwitch(c): 1 when c is one of the switch characters, else 0. NUL is
// never a switch character.
TESSEL_API int isSwitch(char c);

// printOptions(options): writes "options are:" and one line per record
// (" %c%-30s%s": the first switch character, the usage padded to 30
// columns, the description) to the standard error stream. A null usage or
// description is written as the empty text; a null table writes the heading
// only; an empty SWITCHCHAR puts no switch character before the usage.
TESSEL_API void printOptions(option* options);

#endif  // TESSEL_GETOPT_H
