// getopt and isSwitch: the option parser, its exported data and its scan
// position.
//
// One call reads one option: the switch character, the option word up to
// the first of "+-:/" or the word's end, a case-insensitive prefix lookup in
// the table, then the argument as the character that ended the word says.
// The position inside the word is kept so that "/a/b" gives two options.
// Each call costs one pass over the table, upper-casing every name.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "options/switches.h"
#include "tessel/getopt.h"

CString getoptArg;
int getoptError = 0;

namespace {

// The longest option word that can name an option.
constexpr size_t maxOptionWord = 127;

// Where the next option of a word starts. The position belongs to one word
// of one vector at one index; word is null when there is none. Keeping the
// owner, rather than a bare pointer, means a new vector or a moved index
// never continues inside a word the caller may have released.
struct ScanPosition {
    char** vector;
    int index;
    const char* word;
    size_t offset;
};

ScanPosition scan;  // zero at load: no position

void clearScan() {
    scan = ScanPosition{};
}

// keepScan(argv, index, word, at): remembers at, inside argv[index]. A
// position on the word's end is the same as none (the next call starts at
// the word at the index either way), so it is not kept.
void keepScan(char** argv, int index, const char* word, const char* at) {
    if (*at == '\0') {
        clearScan();
        return;
    }
    scan = ScanPosition{argv, index, word, static_cast<size_t>(at - word)};
}

// resume(argv, index): the kept position when it belongs to argv[index],
// else null. The word is read only up to the kept offset, so a word that
// was shortened since cannot be read past its end.
const char* resume(char** argv, int index) {
    if (!scan.word || scan.vector != argv || scan.index != index || argv[index] != scan.word)
        return nullptr;
    for (size_t i = 0; i < scan.offset; ++i)
        if (scan.word[i] == '\0') return nullptr;
    return scan.word + scan.offset;
}

// report(message, text, options): the reporting path. Writes the message
// with text filled in and the listing to the standard error stream, then
// ends the process with status 3 through the normal exit.
[[noreturn]] void report(const char* message, const char* text, option* options) {
    std::fprintf(stderr, message, text);
    printOptions(options);
    std::exit(3);
}

// lookUp(word, options): the record whose name begins with word, ignoring
// case, or null. With getoptError set a second match is reported as
// ambiguous; without it the last match in the table wins. A word longer
// than maxOptionWord names nothing.
const option* lookUp(const std::string& word, option* options) {
    if (word.size() > maxOptionWord || !options) return nullptr;
    const CString upperWord = upperCase(CString(word.c_str()));
    const option* found = nullptr;
    for (const option* o = options; o->name; ++o) {
        const CString upperName = upperCase(CString(o->name));
        if (std::strncmp(upperName, upperWord, word.size()) != 0) continue;
        if (found && getoptError) report("ambiguous option %s\n", word.c_str(), options);
        found = o;
    }
    return found;
}

}  // namespace

int isSwitch(char c) {
    return c != '\0' && std::strchr(tessel_detail::switchChars(), c) ? 1 : 0;
}

int getopt(int& index, char** argv, option* options) {
    if (!argv || index < 0) {
        clearScan();
        return -1;
    }
    const int wordIndex = index;
    const char* word = argv[index];
    const char* p = resume(argv, index);
    if (!p) p = word;
    if (!p || !isSwitch(*p)) {
        clearScan();
        return -1;
    }

    getoptArg = "";
    const char* start = ++p;
    while (*p && !std::strchr("+-:/", *p))
        ++p;
    const std::string optionWord(start, static_cast<size_t>(p - start));

    const option* match = lookUp(optionWord, options);
    if (!match) {
        if (getoptError) report("invalid option %s\n", optionWord.c_str(), options);
        clearScan();
        return -1;
    }

    switch (*p) {
        case '\0':
            ++index;
            [[fallthrough]];
        case '/':
            keepScan(argv, wordIndex, word, p);
            if (match->argMode == 2) {
                // The argument is the word at the index: after the word's end
                // the next word, before a '/' this word itself.
                const char* next = argv[index];
                if (next && !isSwitch(next[0])) {
                    getoptArg = next;
                    ++index;
                    return match->id;
                }
                if (getoptError) report("option %s requires an argument\n", match->name, options);
                return -1;  // the position and the index stay where they are
            }
            return match->id;
        case '+':
        case '-':
            getoptArg = *p == '+' ? "+" : "-";
            if (match->argMode == 0) {
                if (getoptError)
                    report("option %s cannot take an argument\n", match->name, options);
                clearScan();
                return -1;
            }
            ++p;
            if (*p == '\0') ++index;
            keepScan(argv, wordIndex, word, p);
            return match->id;
        default:  // ':'
            if (match->argMode == 0) {
                if (getoptError)
                    report("option %s cannot take an argument\n", match->name, options);
                clearScan();
                return -1;
            }
            getoptArg = p + 1;
            clearScan();
            ++index;
            if (p[1] == '\0') {
                // An empty attachment takes the next word, whatever it is.
                if (!argv[index]) {
                    if (getoptError)
                        report("missing argument for option %s\n", match->name, options);
                    return -1;
                }
                getoptArg = argv[index];
                ++index;
            }
            return match->id;
    }
}
