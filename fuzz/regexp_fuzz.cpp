// libFuzzer target: compiles arbitrary bytes as a pattern (through the
// object, with and without ignore-case, into tight caller buffers, and as a
// wildcard) and matches the results against arbitrary subjects.
//
// Input: a flags byte, a pattern-length byte, the pattern, then subjects
// separated by NUL bytes. Backtracking cost grows with the product of the
// closure runs, so each subject is cut short enough for the pattern's count
// of closures to keep one input fast.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tessel/cstring.h"
#include "tessel/dir.h"
#include "tessel/regexp.h"

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

// Closures and counts that a text can compile to, counted generously.
int closuresIn(const std::string& text) {
    int n = 0;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '*' || text[i] == '+' || (text[i] == '{' && i > 0 && text[i - 1] == '\\'))
            ++n;
    return n;
}

// The longest subject for which (length + 1) to the power closures + 1 stays
// within a budget of steps.
size_t subjectLimit(int closures) {
    const double budget = 2e5;
    size_t n = 0;
    for (;;) {
        double cost = 1;
        for (int i = 0; i <= closures; ++i)
            cost *= static_cast<double>(n + 2);
        if (cost > budget || n >= 256) return n;
        ++n;
    }
}

void checkMatch(RegExp& r, const std::string& subject) {
    const char* s = subject.c_str();
    if (!r.match(s)) return;
    const char* first = r.FirstMatchingChar();
    const char* last = r.LastMatchingChar();
    check(first >= s && first <= s + subject.size());
    check(last >= first && last <= s + subject.size());
    check(r.MatchLen() == last - first);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const unsigned flags = data[0];
    const size_t patternLength = data[1] < size - 2 ? data[1] : size - 2;
    // The pattern as the library sees it: up to its first NUL.
    const std::string pattern(reinterpret_cast<const char*>(data + 2), patternLength);
    const std::string text = pattern.substr(0, std::strlen(pattern.c_str()));

    std::vector<std::string> subjects;
    {
        std::string current;
        for (size_t i = 2 + patternLength; i < size; ++i) {
            if (data[i] == 0) {
                subjects.push_back(current);
                current.clear();
            } else {
                current += static_cast<char>(data[i]);
            }
        }
        subjects.push_back(current);
    }
    const size_t limit = subjectLimit(closuresIn(text));
    for (std::string& s : subjects)
        if (s.size() > limit) s.resize(limit);

    // The object, as given and ignoring case, its copy and an assigned twin.
    RegExp plain(text.c_str(), 0);
    RegExp folded(text.c_str(), 1);
    const RegExp copy(plain);
    RegExp assigned("x", 1);
    assigned = plain;
    for (const std::string& s : subjects) {
        checkMatch(plain, s);
        checkMatch(folded, s);
        RegExp twin(copy);
        check(twin.match(s.c_str()) == plain.match(s.c_str()));
        check(assigned.match(s.c_str()) == plain.match(s.c_str()));
    }

    // Compiles into a caller buffer of exactly end position + 1 bytes, so a
    // write past it is caught; the end character is chosen by the flags.
    const size_t lastByte = (flags & 0x80) ? 1999 : (flags & 0x3f);
    const int endChar = (flags & 0x40) ? '/' : '\0';
    std::vector<char> buffer(lastByte + 1, '\0');
    RegExp own;
    char* end = own.compile(text.c_str(), buffer.data(), buffer.data() + lastByte, endChar);
    if (end) {
        check(end > buffer.data() && end <= buffer.data() + lastByte + 1);
        for (const std::string& s : subjects)
            own.step(s.c_str(), buffer.data());
    }

    // The same bytes read as a file wildcard.
    const size_t wildLimit = subjectLimit(closuresIn(text));
    RegExp wild = FileExp2RegExp(CString(text.c_str()));
    for (std::string s : subjects) {
        if (s.size() > wildLimit) s.resize(wildLimit);
        checkMatch(wild, s);
    }
    return 0;
}
