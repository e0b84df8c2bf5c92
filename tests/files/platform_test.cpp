// Tests of the POSIX platform layer: enumeration order, attribute words,
// sizes, packed stamps, the current directory, and injected failures.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/platform.h"
#include "platform/posix.h"

namespace {

using namespace tessel_platform;
using fixture::TempTree;

struct Entry {
    unsigned long attributes;
    unsigned long size;
    unsigned short date;
    unsigned short time;
};

// listAll(pattern): every record of an enumeration, in order.
std::vector<std::pair<std::string, Entry>> listAll(const std::string& pattern) {
    std::vector<std::pair<std::string, Entry>> out;
    FindRecord r;
    FindHandle h = operations.findFirst(pattern.c_str(), &r);
    if (h == nullptr) return out;
    do {
        out.push_back({r.name, {r.attributes, r.sizeLow, r.date, r.time}});
    } while (operations.findNext(h, &r));
    operations.findClose(h);
    return out;
}

void setMtime(const std::string& path, time_t t, int flags = 0) {
    struct timespec times[2];
    times[0].tv_sec = t;
    times[0].tv_nsec = 0;
    times[1] = times[0];
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, flags), 0) << path;
}

TEST(PlatformTest, DotEntriesComeFirstAndAttributesFollowTheEntry) {
    TempTree t;
    t.dir("sub");
    t.file("plain.txt", 5);
    t.file("ro.txt", 3);
    chmod(t.path("ro.txt").c_str(), 0444);
    t.file(".hidden", 1);
    t.link("sub", "dirlink");
    t.link("plain.txt", "filelink");
    t.link("missing", "dangling");
    for (const char* pattern : {"\\*", "/*"}) {
        SCOPED_TRACE(pattern);
        auto all = listAll(t.drive() + pattern);
        ASSERT_GE(all.size(), 2u);
        EXPECT_EQ(all[0].first, ".");
        EXPECT_EQ(all[1].first, "..");
        std::map<std::string, Entry> byName(all.begin(), all.end());
        EXPECT_EQ(byName.size(), 9u);
        EXPECT_EQ(byName["."].attributes, 0x10u);
        EXPECT_EQ(byName[".."].attributes, 0x10u);
        EXPECT_EQ(byName["sub"].attributes, 0x10u);
        EXPECT_EQ(byName["plain.txt"].attributes, 0x20u);
        EXPECT_EQ(byName["plain.txt"].size, 5u);
        EXPECT_EQ(byName["ro.txt"].attributes, 0x21u);
        EXPECT_EQ(byName[".hidden"].attributes, 0x22u);
        EXPECT_EQ(byName["dirlink"].attributes, 0x410u);
        EXPECT_EQ(byName["filelink"].attributes, 0x420u);
        EXPECT_EQ(byName["filelink"].size, 5u);
        EXPECT_EQ(byName["dangling"].attributes, 0x420u);
        EXPECT_EQ(byName["dangling"].size, std::strlen("missing"));
    }
}

TEST(PlatformTest, StampsArePackedInUtcAndClamped) {
    TempTree t;
    struct Case {
        const char* name;
        time_t mtime;
        unsigned short date, time;
    };
    const Case cases[] = {
        // 2003-01-01 13:45:31 UTC: odd seconds round down.
        {"a", 1041428731, (23 << 9) | (1 << 5) | 1, (13 << 11) | (45 << 5) | 15},
        // 1980-01-01 00:00:00 exactly, and a moment before it.
        {"b", 315532800, (1 << 5) | 1, 0},
        {"c", 0, (1 << 5) | 1, 0},
        // 2107-12-31 23:59:59 and far later pack as 23:59:58.
        {"d", 4354819199LL, (127 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29},
        {"e", 5000000000LL, (127 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29},
        // 2024-02-29 (a leap day) 08:00:58.
        {"f", 1709193658, (44 << 9) | (2 << 5) | 29, (8 << 11) | (0 << 5) | 29},
    };
    for (const Case& c : cases) {
        t.file(c.name);
        setMtime(t.path(c.name), c.mtime);
    }
    t.link("a", "link");
    setMtime(t.path("link"), 0, AT_SYMLINK_NOFOLLOW);
    auto all = listAll(t.drive() + "\\*");
    std::map<std::string, Entry> byName(all.begin(), all.end());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(byName[c.name].date, c.date);
        EXPECT_EQ(byName[c.name].time, c.time);
    }
    // A link carries its target's stamp.
    EXPECT_EQ(byName["link"].date, cases[0].date);
    EXPECT_EQ(byName["link"].time, cases[0].time);
}

TEST(PlatformTest, RootHasNoDotEntries) {
    auto all = listAll("C:\\*");
    ASSERT_FALSE(all.empty());
    for (const auto& e : all) {
        EXPECT_NE(e.first, ".");
        EXPECT_NE(e.first, "..");
    }
    EXPECT_EQ(listAll("c:/*").size(), all.size());
}

TEST(PlatformTest, EnumerationFailsForMissingDirectoriesAndOtherDrives) {
    TempTree t;
    t.file("f");
    FindRecord r;
    const std::string bad[] = {t.drive("nothere") + "\\*", t.drive("f") + "\\*", "D:\\*",
                               t.drive() + "\\f*", "1:\\*"};
    for (const std::string& p : bad) {
        SCOPED_TRACE(p);
        EXPECT_EQ(operations.findFirst(p.c_str(), &r), nullptr);
    }
}

// A test double for readdir that fails after a given number of entries,
// and one for fstatat that reports a named entry as vanished.
int readsLeft;
struct dirent* failingRead(DIR* d) {
    for (;;) {
        struct dirent* e = nativePosixCalls.readEntry(d);
        if (e == nullptr) return e;
        if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) return e;
        if (readsLeft-- <= 0) {
            errno = EIO;
            return nullptr;
        }
        return e;
    }
}
const char* vanishing;
int vanishingStat(int fd, const char* name, struct stat* st, int flags) {
    if (std::strcmp(name, vanishing) == 0) {
        errno = ENOENT;
        return -1;
    }
    return nativePosixCalls.statAt(fd, name, st, flags);
}

class PlatformSeamTest : public ::testing::Test {
  protected:
    void TearDown() override { posixCalls = nativePosixCalls; }
};

TEST_F(PlatformSeamTest, ReadErrorEndsTheEnumeration) {
    TempTree t;
    for (const char* n : {"a", "b", "c", "d"})
        t.file(n);
    readsLeft = 2;  // two names are read, then reading fails
    posixCalls.readEntry = failingRead;
    auto all = listAll(t.drive() + "\\*");
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(all[0].first, ".");
    EXPECT_EQ(all[1].first, "..");
}

TEST_F(PlatformSeamTest, VanishedEntryIsSkipped) {
    TempTree t;
    for (const char* n : {"a", "b", "c"})
        t.file(n);
    vanishing = "b";
    posixCalls.statAt = vanishingStat;
    auto all = listAll(t.drive() + "\\*");
    std::vector<std::string> names;
    for (const auto& e : all)
        names.push_back(e.first);
    EXPECT_EQ(names.size(), 4u);
    EXPECT_EQ(std::count(names.begin(), names.end(), "b"), 0);
}

TEST(PlatformTest, CurrentDirectoryReadsWithDriveAndBackslashes) {
    TempTree t;
    t.dir("x/y");
    fixture::CwdGuard guard;
    ASSERT_EQ(chdir(t.root().c_str()), 0);
    char area[4096];
    unsigned long n = operations.getCurrentDirectory(sizeof area, area);
    EXPECT_EQ(std::string(area, n), t.drive());
    // Too small an area: the size needed, nothing written.
    char small[8] = "unused";
    EXPECT_GE(operations.getCurrentDirectory(sizeof small, small), sizeof small);
    EXPECT_STREQ(small, "unused");

    struct Case {
        std::string path;
        int ok;
        std::string after;
    };
    const Case cases[] = {
        {"C:", 1, t.drive()},
        {"c:x", 1, t.drive("x")},
        {"C:y", 1, t.drive("x/y")},
        {"C:\\", 1, "C:\\"},
        {t.drive("x").substr(2), 1, t.drive("x")},
        {"y", 1, t.drive("x/y")},
        {"D:", 0, t.drive("x/y")},
        {"D:\\", 0, t.drive("x/y")},
        {"C:nothere", 0, t.drive("x/y")},
        {"C:/", 1, "C:\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(operations.setCurrentDirectory(c.path.c_str()), c.ok);
        n = operations.getCurrentDirectory(sizeof area, area);
        EXPECT_EQ(std::string(area, n), c.after);
    }
    EXPECT_EQ(operations.changeDirectory(t.drive().c_str()), 0);
    EXPECT_EQ(operations.changeDirectory("Q:\\"), -1);
    n = operations.getCurrentDirectory(sizeof area, area);
    EXPECT_EQ(std::string(area, n), t.drive());
}

}  // namespace
