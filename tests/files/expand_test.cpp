// Tests of splitPath and expandDir on a fixture tree, with the current
// directory inside it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "fixture.h"
#include "tessel/dir.h"

namespace {

using fixture::CwdGuard;
using fixture::EnvGuard;
using fixture::TempTree;
namespace fs = std::filesystem;

// The tree: R holding work; work holding src, docs and a.txt; src holding
// lib. The current directory is R\work.
class ExpandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        t.dir("work/src/lib");
        t.dir("work/docs");
        t.file("work/a.txt");
        ASSERT_EQ(chdir(t.path("work").c_str()), 0);
    }
    std::string R() const { return t.drive(); }
    std::string W() const { return t.drive("work"); }

    EnvGuard sep{"PATHSEP", nullptr};
    TempTree t;
    CwdGuard guard;
};

TEST_F(ExpandTest, SplitPathTable) {
    struct Case {
        std::string path;
        std::string dir;
        std::string file;
        int result;
    };
    const std::string rootless = W().substr(2);  // "\tmp\...\work"
    const Case cases[] = {
        {"", W(), "*", 1},
        {"*.c", W(), "*.c", 1},
        {"src", W() + "\\src", "*", 1},
        {"src\\", W() + "\\src", "*", 1},
        {"src\\*.h", W() + "\\src", "*.h", 1},
        {"..", R(), "*", 1},
        {"C:\\", "C:\\", "*", 1},
        {"C:", W(), "*", 1},
        {"c:src", W() + "\\src", "*", 1},
        {rootless + "\\a.txt", W(), "a.txt", 1},
        {R() + "\\wo*\\sr*\\*.h", W() + "\\src", "*.h", 1},
        {R() + "\\WORK\\SRC\\x", W() + "\\src", "x", 1},
        {W() + "\\nodir\\*.c", W() + "\\nodir\\", "*.c", 0},
        {R() + "\\wo*\\sr*\\..", W() + "\\src", "..", 0},
        {R() + "\\wo*\\sr*\\.", W() + "\\src", ".", 0},
        {"Q:\\*.c", "Q:\\", "*.c", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("splitPath(" + c.path + ")");
        CString dir = "old", file = "old";
        EXPECT_EQ(splitPath(c.path.c_str(), dir, file), c.result);
        EXPECT_STREQ(dir, c.dir.c_str());
        EXPECT_STREQ(file, c.file.c_str());
        EXPECT_EQ(fs::current_path().string(), t.path("work"));
    }
}

TEST_F(ExpandTest, ExpandDirTable) {
    struct Case {
        std::string base;
        std::string run;
        std::string want;
    };
    const Case cases[] = {
        {R(), "wo*\\", W()},
        {R(), "wo*\\sr*\\li*\\", W() + "\\src\\lib"},
        {R(), "WORK\\Src\\", W() + "\\src"},
        {R(), "wo*", R()},
        {R(), "\\work\\", R()},
        {W(), "", W()},
        {W(), "nomatch*\\", ""},
        {W(), ".\\", ""},
        {W(), "..\\", ""},
        {W(), "a.txt\\", ""},
        {W(), "*\\li*\\", W() + "\\src\\lib"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("expandDir(" + c.base + ", " + c.run + ")");
        EXPECT_STREQ(expandDir(c.base.c_str(), c.run.c_str()), c.want.c_str());
        EXPECT_EQ(fs::current_path().string(), t.path("work"));
    }
}

TEST_F(ExpandTest, ExpansionBacktracksToTheNextMatch) {
    // Many decoys match the first component; only s2 leads on.
    for (const char* s : {"s1", "s3", "s4", "s5", "s6", "s7", "s8", "s9"}) {
        t.dir(std::string("work/docs/") + s);
        t.file(std::string("work/docs/") + s + "/deep");
    }
    t.dir("work/docs/s2/deep");
    EXPECT_STREQ(expandDir((W() + "\\docs").c_str(), "s?\\dee*\\"),
                 (W() + "\\docs\\s2\\deep").c_str());
    CString dir, file;
    EXPECT_EQ(splitPath("docs\\s*\\d*\\*.x", dir, file), 1);
    EXPECT_STREQ(dir, (W() + "\\docs\\s2\\deep").c_str());
    EXPECT_STREQ(file, "*.x");
}

TEST_F(ExpandTest, SlashSeparator) {
    EnvGuard slash("PATHSEP", "/");
    const std::string w = "C:" + t.path("work");
    CString dir, file;
    EXPECT_EQ(splitPath("src/*.h", dir, file), 1);
    EXPECT_STREQ(dir, (w + "/src").c_str());
    EXPECT_STREQ(file, "*.h");
    EXPECT_STREQ(expandDir(w.c_str(), "s*/l*/"), (w + "/src/lib").c_str());
}

}  // namespace
