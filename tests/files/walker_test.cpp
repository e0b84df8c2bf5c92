// Tests of FileTreeWalker: the order of hooks, depth limits, stopping,
// links and their cycles, failures, and a walk of a few thousand files
// checked against std::filesystem.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <map>
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

// Recorder: a walker that writes every hook call into a list, and can stop
// at a chosen name.
class Recorder : public FileTreeWalker {
  public:
    explicit Recorder(const char* dir = nullptr) : FileTreeWalker(dir) {}
    int found(const Dirent& e) override {
        events.push_back("found " + std::string(e.name()));
        fullNames[std::string(e.name())] = static_cast<const char*>(e.fullName());
        return stopAt == e.name().operator const char*() ? 0 : 1;
    }
    void searching(const CString& dir) const override {
        events.push_back("searching " + std::string(dir));
    }
    int dirFinished(const CString& dir) const override {
        events.push_back("finished " + std::string(dir));
        return 0;  // not acted upon
    }
    const CString& current() const { return dirPath; }

    mutable std::vector<std::string> events;
    std::map<std::string, std::string> fullNames;
    std::string stopAt;
};

// order(dir): the names of dir's entries as the enumeration delivers them.
std::vector<std::string> order(const std::string& dir) {
    Directory d(dir.c_str());
    d.fill("*");
    std::vector<std::string> out;
    for (int i = 0; i < d.size(); ++i)
        out.push_back(static_cast<const char*>(d[i].name()));
    return out;
}

// The tree R: a.txt, sub (b.txt), z.txt.
class WalkerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.dir("R/sub");
        t.file("R/a.txt");
        t.file("R/z.txt");
        t.file("R/sub/b.txt");
        ASSERT_EQ(chdir(t.root().c_str()), 0);
    }
    void TearDown() override { tessel_platform::operations = tessel_platform::nativeOperations; }
    std::string R() const { return t.drive("R"); }
    std::string S() const { return t.drive("R/sub"); }

    // expected(wildcardTxt, limit, stopAt): the hook calls the walk must
    // make, built from the enumeration order of R and R\sub.
    std::vector<std::string> expected(bool txtOnly, unsigned limit, const std::string& stopAt) {
        std::vector<std::string> out;
        bool stopped = false;
        auto walkDir = [&](auto& self, const std::string& dir, const std::string& posix,
                           unsigned level) -> void {
            out.push_back("searching " + dir);
            for (const std::string& name : order(dir)) {
                if (stopped) break;
                const bool txt = name.size() > 4 && name.substr(name.size() - 4) == ".txt";
                if (!txtOnly || txt) {
                    out.push_back("found " + name);
                    if (name == stopAt) stopped = true;
                }
                if (!stopped && name == "sub" && level + 1 != limit)
                    self(self, dir + "\\" + name, posix + "/" + name, level + 1);
            }
            out.push_back("finished " + dir);
        };
        walkDir(walkDir, R(), t.path("R"), 0);
        return out;
    }

    EnvGuard sep{"PATHSEP", nullptr};
    TempTree t;
    CwdGuard guard;
};

TEST_F(WalkerTest, HooksComeInEnumerationOrder) {
    Recorder w;
    EXPECT_EQ(w.walk("R\\*.txt", 0), 1);
    EXPECT_EQ(w.events, expected(true, 0, ""));
    // The directory sub is searched without being reported.
    for (const std::string& e : w.events)
        EXPECT_NE(e, "found sub");
    EXPECT_STREQ(w.queryBaseDir(), R().c_str());
    EXPECT_STREQ(w.current(), R().c_str());
    EXPECT_EQ(w.fullNames["b.txt"], S() + "\\b.txt");
    EXPECT_EQ(w.fullNames["a.txt"], R() + "\\a.txt");
}

TEST_F(WalkerTest, StarReportsEverythingAndDirectoriesNeedNoWildcard) {
    for (const char* start : {"R\\*", "R", "R/", "R\\"}) {
        SCOPED_TRACE(start);
        Recorder w;
        EXPECT_EQ(w.walk(start, 0), 1);
        EXPECT_EQ(w.events, expected(false, 0, ""));
    }
    ASSERT_EQ(chdir("R"), 0);
    for (const char* start : {"", static_cast<const char*>(nullptr)}) {
        Recorder w;
        EXPECT_EQ(w.walk(start, 0), 1);
        EXPECT_EQ(w.events, expected(false, 0, ""));
    }
}

TEST_F(WalkerTest, DepthLimits) {
    Recorder one;
    EXPECT_EQ(one.walk("R\\*", 1), 1);
    EXPECT_EQ(one.events, expected(false, 1, ""));
    for (unsigned limit : {2u, 3u, 0u}) {
        SCOPED_TRACE(limit);
        Recorder w;
        EXPECT_EQ(w.walk("R\\*", limit), 1);
        EXPECT_EQ(w.events, expected(false, 0, ""));
    }
    // The counter is back at its value when doWalk returns.
    Recorder w;
    RegExp re = FileExp2RegExp("*");
    unsigned int counter = 3;
    EXPECT_EQ(w.doWalk(R().c_str(), re, counter), 1);
    EXPECT_EQ(counter, 3u);
    EXPECT_EQ(w.queryBaseDir().length(), 0);
}

TEST_F(WalkerTest, FoundStopsTheWholeWalk) {
    Recorder w;
    w.stopAt = "b.txt";
    EXPECT_EQ(w.walk("R\\*.txt", 0), 0);
    EXPECT_EQ(w.events, expected(true, 0, "b.txt"));
    // Both directories still finish, innermost first.
    ASSERT_GE(w.events.size(), 2u);
    EXPECT_EQ(w.events[w.events.size() - 2], "finished " + S());
    EXPECT_EQ(w.events.back(), "finished " + R());
    EXPECT_STREQ(w.current(), R().c_str());
}

TEST_F(WalkerTest, StartThatCannotBeSplitCallsNoHook) {
    Recorder w("R");
    EXPECT_EQ(w.walk("nothere\\*.c", 0), 0);
    EXPECT_TRUE(w.events.empty());
    EXPECT_EQ(w.queryBaseDir().length(), 0);
}

TEST_F(WalkerTest, LinksAreReportedButNeverEntered) {
    t.link("..", "R/sub/up");       // a cycle back to R
    t.link(t.path("R"), "R/self");  // another, absolute
    t.link("sub", "R/side");        // a link to a directory below
    Recorder w;
    EXPECT_EQ(w.walk("R", 0), 1);
    int searches = 0;
    for (const std::string& e : w.events)
        if (e.rfind("searching ", 0) == 0) ++searches;
    EXPECT_EQ(searches, 2);  // R and R\sub only
    for (const char* name : {"found up", "found self", "found side"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(std::count(w.events.begin(), w.events.end(), name), 1);
    }
}

TEST_F(WalkerTest, BadWildcardStillSearchesEveryDirectory) {
    t.dir("R/sub/inner");
    Recorder w;
    EXPECT_EQ(w.walk("R\\[0-9]+2-5", 0), 1);  // a count that does not compile
    for (const std::string& e : w.events)
        EXPECT_NE(e.rfind("found", 0), 0u) << e;
    const std::string inner = t.drive("R/sub/inner");
    EXPECT_EQ(std::count(w.events.begin(), w.events.end(), "searching " + inner), 1);
    EXPECT_EQ(std::count(w.events.begin(), w.events.end(), "finished " + inner), 1);
    EXPECT_EQ(std::count(w.events.begin(), w.events.end(), "searching " + S()), 1);
}

// A double for findFirst that cannot enumerate any directory named locked
// (as without access, which the tests cannot count on when run as root).
tessel_platform::FindHandle lockedFirst(const char* pattern, tessel_platform::FindRecord* r) {
    if (std::strstr(pattern, "locked") != nullptr) return nullptr;
    return tessel_platform::nativeOperations.findFirst(pattern, r);
}

TEST_F(WalkerTest, DirectoryThatCannotBeEnumeratedIsSkippedQuietly) {
    t.dir("R/locked/inner");
    chmod(t.path("R/locked").c_str(), 0);
    tessel_platform::operations.findFirst = lockedFirst;
    Recorder w;
    EXPECT_EQ(w.walk("R\\*.txt", 0), 1);
    const std::string locked = t.drive("R/locked");
    std::vector<std::string> around;
    for (size_t i = 0; i < w.events.size(); ++i)
        if (w.events[i] == "searching " + locked) around.push_back(w.events.at(i + 1));
    EXPECT_EQ(around, (std::vector<std::string>{"finished " + locked}));
    for (const char* name : {"found a.txt", "found b.txt", "found z.txt"})
        EXPECT_EQ(std::count(w.events.begin(), w.events.end(), name), 1) << name;
}

int nextLeft;
int failingNext(tessel_platform::FindHandle h, tessel_platform::FindRecord* r) {
    if (nextLeft-- <= 0) return 0;
    return tessel_platform::nativeOperations.findNext(h, r);
}

TEST_F(WalkerTest, ErrorInTheMiddleEndsThatDirectory) {
    nextLeft = 1;  // R delivers "." and ".." only
    tessel_platform::operations.findNext = failingNext;
    Recorder w;
    EXPECT_EQ(w.walk("R", 0), 1);
    EXPECT_EQ(w.events, (std::vector<std::string>{"searching " + R(), "found .", "found ..",
                                                  "finished " + R()}));
}

TEST_F(WalkerTest, SlashSeparatorInFullNames) {
    EnvGuard slash("PATHSEP", "/");
    Recorder w;
    EXPECT_EQ(w.walk("R\\sub\\b*", 0), 1);
    EXPECT_EQ(w.fullNames["b.txt"], "C:" + t.path("R/sub/b.txt"));
}

// Counter: collects every entry below the start with its size and stamp.
struct Seen {
    unsigned long size;
    long date;
    long time;
    bool directory;
};
class Collector : public FileTreeWalker {
  public:
    Collector() : FileTreeWalker(nullptr) {}
    int found(const Dirent& e) override {
        if (e.name() == "." || e.name() == "..") return 1;
        Seen s{e.size(), static_cast<short>(e.date()), static_cast<long>(e.time()),
               e.isDirectory() != 0};
        seen[static_cast<const char*>(e.fullName())] = s;
        return 1;
    }
    std::map<std::string, Seen> seen;
};

TEST(WalkerLargeTreeTest, FindsWhatTheStandardLibraryFinds) {
    EnvGuard sep("PATHSEP", nullptr);
    TempTree t;
    // 3000 files over three levels of directories, with varied sizes and
    // stamps between 1985 and 2050.
    int made = 0;
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < 10; ++b) {
            const std::string dir = "d" + std::to_string(a) + "/e" + std::to_string(b);
            t.dir(dir);
            for (int f = 0; f < 30; ++f, ++made) {
                const std::string name = dir + "/f" + std::to_string(f) + ".dat";
                t.file(name, static_cast<size_t>((made * 37) % 500));
                struct timespec times[2] = {{0, 0}, {0, 0}};
                times[1].tv_sec = 473385600 + static_cast<time_t>(made) * 700001;
                ASSERT_EQ(utimensat(AT_FDCWD, t.path(name).c_str(), times, 0), 0);
            }
        }
    }
    Collector w;
    ASSERT_EQ(w.walk(t.drive().c_str(), 0), 1);

    TempTree other;
    other.file("epoch");
    struct timespec zero[2] = {{0, 0}, {0, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, other.path("epoch").c_str(), zero, 0), 0);
    const fs::file_time_type epoch = fs::last_write_time(other.path("epoch"));

    size_t count = 0;
    for (const auto& e : fs::recursive_directory_iterator(t.root())) {
        ++count;
        const std::string name = fixture::drivePath(e.path().string());
        SCOPED_TRACE(name);
        auto it = w.seen.find(name);
        ASSERT_NE(it, w.seen.end());
        EXPECT_EQ(it->second.directory, e.is_directory());
        if (e.is_directory()) continue;
        EXPECT_EQ(it->second.size, e.file_size());
        // The stamp in UTC with even seconds: the standard library's time of
        // the file, counted from the reference file stamped at POSIX time 0.
        const time_t posix = static_cast<time_t>(
            std::chrono::duration_cast<std::chrono::seconds>(fs::last_write_time(e.path()) - epoch)
                .count());
        struct tm utc;
        gmtime_r(&posix, &utc);
        EXPECT_EQ(it->second.date,
                  static_cast<short>(Date(static_cast<short>(utc.tm_mday),
                                          static_cast<short>(utc.tm_mon + 1),
                                          static_cast<short>(utc.tm_year + 1900))));
        EXPECT_EQ(it->second.time, utc.tm_hour * 3600L + utc.tm_min * 60 + utc.tm_sec / 2 * 2);
    }
    EXPECT_EQ(count, 3000u + 100u + 10u);
    EXPECT_EQ(w.seen.size(), count);
}

}  // namespace
