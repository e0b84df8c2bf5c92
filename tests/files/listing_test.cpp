// Tests of Directory: resolving names, filling by wildcard in a normal
// directory and in the root, sorting, entry names and stamps.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/platform.h"
#include "tessel/date.h"
#include "tessel/dir.h"
#include "tessel/time.h"

namespace {

using fixture::CwdGuard;
using fixture::EnvGuard;
using fixture::TempTree;
namespace fs = std::filesystem;

// Probe: a Directory whose path the test can read.
class Probe : public Directory {
  public:
    explicit Probe(const char* name) : Directory(name) {}
    const CString& path() const { return dirPath; }
};

std::vector<std::string> namesOf(Directory& d) {
    std::vector<std::string> out;
    for (int i = 0; i < d.size(); ++i)
        out.push_back(static_cast<const char*>(d[i].name()));
    return out;
}

class ListingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.dir("work/src");
        t.dir("work/docs");
        t.file("work/a.txt", 3);
        t.file("work/readme.txt", 7);
        t.file("work/Makefile", 1);
        t.file("work/a.c", 2);
        ASSERT_EQ(chdir(t.path("work").c_str()), 0);
    }
    void TearDown() override { tessel_platform::operations = tessel_platform::nativeOperations; }
    std::string work() const { return t.drive("work"); }

    EnvGuard sep{"PATHSEP", nullptr};
    TempTree t;
    CwdGuard guard;
};

TEST_F(ListingTest, NamesResolveToAbsolutePaths) {
    struct Case {
        const char* name;
        std::string path;
    };
    const std::string abs = work();
    const std::string rel = "C:" + t.drive("work/src").substr(2);
    const Case cases[] = {
        {nullptr, work()},
        {".", work()},
        {abs.c_str(), work()},
        {"src", t.drive("work/src")},
        {"src\\", t.drive("work/src")},
        {"C:src", t.drive("work/src")},
        {"..", t.drive()},
        {"C:\\", "C:\\"},
        {"nothere", work()},
        {"a.txt", work()},
        {rel.c_str(), t.drive("work/src")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name != nullptr ? c.name : "(null)");
        Probe d(c.name);
        EXPECT_STREQ(d.path(), c.path.c_str());
        EXPECT_EQ(d.size(), 0);
        EXPECT_EQ(fs::current_path().string(), t.path("work"));
    }
    // A drive without a current directory gives an empty path.
    Probe q("Q:\\x");
    EXPECT_EQ(q.path().length(), 0);
}

TEST_F(ListingTest, FillListsMatchesInEnumerationOrderAndAppends) {
    Directory d(nullptr);
    EXPECT_EQ(d.size(), 0);
    const int n = d.fill("*");
    EXPECT_EQ(n, 8);
    std::vector<std::string> names = namesOf(d);
    EXPECT_EQ(names[0], ".");
    EXPECT_EQ(names[1], "..");
    EXPECT_EQ(d[0].mode() & 0x10, 0x10ul);
    EXPECT_EQ(d.fill("*"), 16);
    EXPECT_EQ(namesOf(d), [&] {
        std::vector<std::string> twice = names;
        twice.insert(twice.end(), names.begin(), names.end());
        return twice;
    }());

    struct Case {
        const char* wildcard;
        std::vector<std::string> want;  // sorted by name, ignoring case
    };
    const Case cases[] = {
        {"*.TXT", {"a.txt", "readme.txt"}},
        {"*.*", {".", "..", "a.c", "a.txt", "readme.txt"}},
        {"?????", {"a.txt"}},
        {"??", {".."}},
        {"makefile", {"Makefile"}},
        {"", {}},
        {nullptr, {}},
        {"[0-9]+2-5", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wildcard != nullptr ? c.wildcard : "(null)");
        Directory one(nullptr);
        EXPECT_EQ(one.fill(c.wildcard), static_cast<int>(c.want.size()));
        one.sort(nullptr);
        EXPECT_EQ(namesOf(one), c.want);
    }
}

TEST_F(ListingTest, EntriesCarryTheirOwnSizesModesAndStamps) {
    struct timespec times[2] = {{0, 0}, {0, 0}};
    times[1].tv_sec = 1041428731;  // 2003-01-01 13:45:31 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, "a.txt", times, 0), 0);
    times[1].tv_sec = 1709193658;  // 2024-02-29 08:00:58 UTC
    ASSERT_EQ(utimensat(AT_FDCWD, "a.c", times, 0), 0);
    chmod("a.c", 0444);
    Directory d(nullptr);
    d.fill("a.*");
    d.sort(nullptr);
    ASSERT_EQ(namesOf(d), (std::vector<std::string>{"a.c", "a.txt"}));
    EXPECT_EQ(d[0].size(), 2ul);
    EXPECT_EQ(d[0].mode(), 0x21ul);
    EXPECT_TRUE(d[0].date() == Date(29, 2, 2024));
    EXPECT_EQ(static_cast<long>(d[0].time()), 8 * 3600L + 58);
    EXPECT_EQ(d[1].size(), 3ul);
    EXPECT_EQ(d[1].mode(), 0x20ul);
    EXPECT_TRUE(d[1].date() == Date(1, 1, 2003));
    EXPECT_EQ(static_cast<long>(d[1].time()), 13 * 3600L + 45 * 60 + 30);
}

TEST_F(ListingTest, FullNamesFollowTheDirectoryAndTheSeparator) {
    Directory d(nullptr);
    d.fill("a.txt");
    ASSERT_EQ(d.size(), 1);
    EXPECT_STREQ(d[0].fullName(), (work() + "\\a.txt").c_str());
    EXPECT_STREQ(d[0].dirName(), work().c_str());
    {
        EnvGuard slash("PATHSEP", "/");
        const std::string posix = "C:" + t.path("work");
        EXPECT_STREQ(d[0].fullName(), (posix + "/a.txt").c_str());
        EXPECT_STREQ(d[0].dirName(), posix.c_str());
        Directory s(nullptr);
        s.fill("a.txt");
        EXPECT_STREQ(s[0].fullName(), (posix + "/a.txt").c_str());
    }
    Directory root("C:\\");
    root.fill("[a-z]*");
    ASSERT_GT(root.size(), 0);
    EXPECT_STREQ(root[0].fullName(), ("C:\\" + std::string(root[0].name())).c_str());
}

TEST_F(ListingTest, RootGetsMadeUpDotEntries) {
    Directory root("C:\\");
    ASSERT_GT(root.fill("*"), 2);
    EXPECT_STREQ(root[0].name(), ".");
    EXPECT_STREQ(root[1].name(), "..");
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(root[i].mode(), 0x11ul);
        EXPECT_EQ(root[i].size(), 0ul);
        // They take the first real entry's stamp.
        EXPECT_TRUE(root[i].date() == root[2].date());
        EXPECT_EQ(static_cast<long>(root[i].time()), static_cast<long>(root[2].time()));
    }
    for (int i = 2; i < root.size(); ++i) {
        EXPECT_STRNE(root[i].name(), ".");
        EXPECT_STRNE(root[i].name(), "..");
    }
    Directory letters("C:\\");
    letters.fill("[a-z]*");
    for (int i = 0; i < letters.size(); ++i)
        EXPECT_NE(letters[i].name()[1], '.');
    Directory dotdot("C:\\");
    EXPECT_EQ(dotdot.fill(".."), 1);
}

TEST_F(ListingTest, LowThirtyTwoBitsOfTheSize) {
    const off_t five = 5LL << 30;
    int fd = open("big", O_CREAT | O_WRONLY, 0644);
    ASSERT_GE(fd, 0);
    const bool sparse = ftruncate(fd, five) == 0;
    close(fd);
    if (!sparse) GTEST_SKIP() << "no room for a sparse 5 GiB file";
    Directory d(nullptr);
    ASSERT_EQ(d.fill("big"), 1);
    EXPECT_EQ(d[0].size(), 1ul << 30);
}

TEST_F(ListingTest, SortByNameOrByAFunction) {
    Directory d(nullptr);
    d.fill("readme.txt");
    d.fill("Makefile");
    d.fill("a.c");
    d.sort(nullptr);
    EXPECT_EQ(namesOf(d), (std::vector<std::string>{"a.c", "Makefile", "readme.txt"}));
    d.sort([](const Dirent* a, const Dirent* b) {
        return static_cast<int>(b->size()) - static_cast<int>(a->size());
    });
    EXPECT_EQ(namesOf(d), (std::vector<std::string>{"readme.txt", "a.c", "Makefile"}));
}

// A double for findNext that ends the enumeration after two more records.
int nextLeft;
int failingNext(tessel_platform::FindHandle h, tessel_platform::FindRecord* r) {
    if (nextLeft-- <= 0) return 0;
    return tessel_platform::nativeOperations.findNext(h, r);
}

TEST_F(ListingTest, ErrorInTheMiddleKeepsWhatWasListed) {
    nextLeft = 2;
    tessel_platform::operations.findNext = failingNext;
    Directory d(nullptr);
    EXPECT_EQ(d.fill("*"), 3);
    EXPECT_STREQ(d[0].name(), ".");
    // A directory that cannot be enumerated adds nothing.
    tessel_platform::operations.findFirst = [](const char*, tessel_platform::FindRecord*) {
        return static_cast<tessel_platform::FindHandle>(nullptr);
    };
    EXPECT_EQ(d.fill("*"), 3);
}

}  // namespace
