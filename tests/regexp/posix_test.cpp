// Differential test against the C library's POSIX basic expressions: on
// generated patterns in the syntax both share, RegExp and regcomp/regexec
// agree on whether a match exists and where the leftmost one starts.
#include <gtest/gtest.h>
#include <regex.h>

#include <random>
#include <string>
#include <vector>

#include "tessel/regexp.h"

namespace {

// Builds random patterns from literals, ., classes, closures, counts, groups
// and back-references to groups already closed. Groups are never followed by
// * or a count, and ^ and $ appear only at the ends, where both syntaxes give
// them the same meaning.
class PatternMaker {
  public:
    explicit PatternMaker(unsigned seed) : rng(seed) {}

    std::string pattern() {
        std::string p;
        if (pick(4) == 0) p += '^';
        opened = 0;
        closed.clear();
        sequence(p, 1 + pick(4), 0);
        if (pick(4) == 0) p += '$';
        return p;
    }

    std::string subject() {
        std::string s;
        const int n = pick(9);
        for (int i = 0; i < n; ++i)
            s += "abc"[pick(3)];
        return s;
    }

  private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

    void sequence(std::string& p, int atoms, int depth) {
        for (int i = 0; i < atoms; ++i) {
            const int kind = pick(10);
            if (kind == 0 && depth < 2 && opened < 9) {
                const int number = ++opened;
                p += "\\(";
                sequence(p, 1 + pick(3), depth + 1);
                p += "\\)";
                closed.push_back(number);
                continue;
            }
            if (kind == 1 && !closed.empty()) {
                // RegExp bounds \N by the count of groups closed, so name a
                // closed group whose number is within that count.
                std::vector<int> usable;
                for (int n : closed)
                    if (n <= static_cast<int>(closed.size())) usable.push_back(n);
                if (usable.empty()) continue;
                p += "\\" + std::to_string(usable[pick(static_cast<int>(usable.size()))]);
                if (pick(3) == 0) p += '*';
                continue;
            }
            static const char* const singles[] = {"a",    "b",     "c",    ".",     "[ab]",
                                                  "[^a]", "[a-b]", "[]a]", "[^bc]", "\\."};
            p += singles[pick(10)];
            quantifier(p);
        }
    }

    void quantifier(std::string& p) {
        switch (pick(8)) {
            case 0:
            case 1:
                p += '*';
                break;
            case 2: {
                const int m = pick(3);
                p += "\\{" + std::to_string(m) + "\\}";
                break;
            }
            case 3:
                p += "\\{" + std::to_string(pick(3)) + ",\\}";
                break;
            case 4: {
                const int m = pick(3);
                p += "\\{" + std::to_string(m) + "," + std::to_string(m + pick(3)) + "\\}";
                break;
            }
            default:
                break;
        }
    }

    std::mt19937 rng;
    int opened = 0;
    std::vector<int> closed;  // numbers of the groups closed so far
};

TEST(PosixDifferentialTest, AgreesOnExistenceAndStart) {
    PatternMaker maker(20240611u);
    int compared = 0;
    int matched = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string pattern = maker.pattern();
        regex_t posix;
        ASSERT_EQ(regcomp(&posix, pattern.c_str(), 0), 0) << pattern;
        RegExp::re_error = 0;
        RegExp ours(pattern.c_str(), 0);
        ASSERT_EQ(RegExp::re_error, 0) << pattern;
        for (int j = 0; j < 12; ++j) {
            const std::string subject = maker.subject();
            SCOPED_TRACE("pattern " + pattern + " on '" + subject + "'");
            regmatch_t where[1];
            const bool theirs = regexec(&posix, subject.c_str(), 1, where, 0) == 0;
            const int found = ours.match(subject.c_str());
            ASSERT_EQ(found, theirs ? 1 : 0);
            if (theirs) {
                ASSERT_EQ(ours.FirstMatchingChar() - subject.c_str(),
                          static_cast<long>(where[0].rm_so));
            }
            ++compared;
            matched += found;
        }
        regfree(&posix);
    }
    EXPECT_EQ(compared, 3000 * 12);
    // The generator yields a fair share of both outcomes.
    EXPECT_GT(matched, compared / 5);
    EXPECT_GT(compared - matched, compared / 5);
}

}  // namespace
