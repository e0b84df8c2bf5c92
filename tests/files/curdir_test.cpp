// Tests of the current drive and directory: queryCurrentDisk,
// queryCurrentDir, changeDir and isDir, on a fixture tree.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fixture.h"
#include "platform/platform.h"
#include "tessel/dir.h"

namespace {

using fixture::CwdGuard;
using fixture::EnvGuard;
using fixture::TempTree;
namespace fs = std::filesystem;

class CurDirTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.dir("work/src");
        t.file("work/a.txt");
        ASSERT_EQ(chdir(t.path("work").c_str()), 0);
    }
    void TearDown() override { tessel_platform::operations = tessel_platform::nativeOperations; }
    std::string cwd() const { return fs::current_path().string(); }

    EnvGuard sep{"PATHSEP", nullptr};
    TempTree t;
    CwdGuard guard;  // goes before the tree is removed
};

TEST_F(CurDirTest, QueriesGiveTheFullNativePath) {
    EXPECT_EQ(queryCurrentDisk(), 'C');
    EXPECT_STREQ(queryCurrentDir(0), t.drive("work").c_str());
    EXPECT_STREQ(queryCurrentDir('c'), t.drive("work").c_str());
    EXPECT_STREQ(queryCurrentDir('C'), t.drive("work").c_str());
    {
        EnvGuard slash("PATHSEP", "/");
        EXPECT_STREQ(queryCurrentDir(0), ("C:" + t.path("work")).c_str());
    }
    for (char drive : {'Q', 'd', '1', ':', '\\'}) {
        SCOPED_TRACE(std::string(1, drive));
        EXPECT_EQ(queryCurrentDir(drive).length(), 0);
        EXPECT_EQ(cwd(), t.path("work"));
    }
    ASSERT_EQ(chdir("/"), 0);
    EXPECT_STREQ(queryCurrentDir(0), "C:\\");
}

// A recording double for the runtime's chdir: it refuses every path.
std::vector<std::string> changes;
int recordChange(const char* path) {
    changes.push_back(path);
    return -1;
}

TEST_F(CurDirTest, ChangeDirBuildsTheDesignatorAndDropsOneSeparator) {
    struct Case {
        const char* path;
        const char* passed;
    };
    const Case cases[] = {
        {"C:\\TMP\\", "C:\\TMP"},
        {"\\", "C:\\"},
        {"sub", "C:sub"},
        {"C:", "C:"},
        {"", "C:"},
        {"C:\\", "C:\\"},
        {"sub\\\\", "C:sub\\"},
        {"d:x/", "d:x/"},
        {"C:\\a\\b", "C:\\a\\b"},
    };
    tessel_platform::operations.changeDirectory = recordChange;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        changes.clear();
        EXPECT_EQ(changeDir(c.path), 0);
        ASSERT_EQ(changes.size(), 1u);
        EXPECT_EQ(changes[0], c.passed);
    }
    // Without a readable current drive the designator stays " :".
    tessel_platform::operations.getCurrentDirectory = [](unsigned long, char*) { return 0ul; };
    EXPECT_EQ(queryCurrentDisk(), ' ');
    changes.clear();
    EXPECT_EQ(changeDir("sub"), 0);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], " :sub");
}

TEST_F(CurDirTest, ChangeDirEntersForGood) {
    EXPECT_EQ(changeDir("src\\"), 1);
    EXPECT_EQ(cwd(), t.path("work/src"));
    EXPECT_EQ(changeDir(t.drive("work").c_str()), 1);
    EXPECT_EQ(cwd(), t.path("work"));
    EXPECT_EQ(changeDir("nothere"), 0);
    EXPECT_EQ(changeDir("a.txt"), 0);
    EXPECT_EQ(changeDir("Q:\\"), 0);
    EXPECT_EQ(cwd(), t.path("work"));
}

TEST_F(CurDirTest, IsDirRestoresTheCurrentDirectory) {
    struct Case {
        std::string path;
        int result;
        std::string full;
    };
    const std::string untouched = "untouched";
    const Case cases[] = {
        {"..", 1, t.drive()},
        {"src", 1, t.drive("work\\src")},
        {"src\\", 1, t.drive("work\\src")},
        {"C:src/", 1, t.drive("work\\src")},
        {".", 1, t.drive("work")},
        {"C:\\", 1, "C:\\"},
        {"\\", 1, "C:\\"},
        {t.drive("work\\src\\..\\src"), 1, t.drive("work\\src")},
        {"a.txt", 0, untouched},
        {"nothere", 0, untouched},
        {"Q:\\", 0, untouched},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        CString full = untouched.c_str();
        EXPECT_EQ(isDir(c.path.c_str(), full), c.result);
        EXPECT_STREQ(full, c.full.c_str());
        EXPECT_EQ(cwd(), t.path("work"));
    }
    // The output may be the path itself.
    CString both = "src";
    EXPECT_EQ(isDir(both, both), 1);
    EXPECT_STREQ(both, t.drive("work\\src").c_str());
}

TEST_F(CurDirTest, DirectoriesTooLongForTheAreaAreFailures) {
    // Build a path of more than 255 characters below the fixture.
    std::string rel = "work";
    while (t.drive(rel).size() <= 300)
        rel += "/" + std::string(40, 'd');
    t.dir(rel);
    const std::string deep = t.path(rel);
    const std::string deepDrive = t.drive(rel);

    // From a short directory: entering works, but the name cannot be read
    // back, so isDir fails and nothing changes.
    CString full = "untouched";
    EXPECT_EQ(isDir(deepDrive.c_str(), full), 0);
    EXPECT_STREQ(full, "untouched");
    EXPECT_EQ(cwd(), t.path("work"));

    // From inside it: no current drive, no current directory, and isDir
    // refuses rather than leave the process elsewhere.
    ASSERT_EQ(chdir(deep.c_str()), 0);
    EXPECT_EQ(queryCurrentDisk(), ' ');
    EXPECT_EQ(queryCurrentDir(0).length(), 0);
    EXPECT_EQ(queryCurrentDir('C').length(), 0);
    EXPECT_EQ(isDir(t.drive("work").c_str(), full), 0);
    EXPECT_STREQ(full, "untouched");
    EXPECT_EQ(cwd(), deep);
}

}  // namespace
