// Tests of the path names: pathSeparator, the separator conversions and
// mergePath, under the default separator and under PATHSEP.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fixture.h"
#include "tessel/dir.h"

namespace {

using fixture::EnvGuard;

TEST(PathsTest, SeparatorFollowsTheEnvironmentAtEveryCall) {
    {
        EnvGuard env("PATHSEP", nullptr);
        EXPECT_STREQ(pathSeparator(), "\\");
    }
    {
        EnvGuard env("PATHSEP", "/");
        EXPECT_STREQ(pathSeparator(), "/");
        setenv("PATHSEP", "", 1);
        EXPECT_STREQ(pathSeparator(), "");
    }
}

TEST(PathsTest, MergeWithTheDefaultSeparator) {
    EnvGuard env("PATHSEP", nullptr);
    struct Case {
        const char* dir;
        const char* name;
        const char* want;
    };
    const Case cases[] = {
        {"C:\\dir", "file", "C:\\dir\\file"},
        {"C:\\dir\\", "file", "C:\\dir\\file"},
        {"C:\\dir", "\\file", "C:\\dir\\file"},
        {"C:\\dir\\", "\\file", "C:\\dir\\file"},
        {"C:\\dir", "", "C:\\dir\\"},
        {"C:", "file", "C:\\file"},
        {"", "file", "\\file"},
        {"", "", "\\"},
        {"C:\\dir\\", "\\\\file", "C:\\dir\\\\file"},
        {"C:/dir/", "file", "C:\\dir\\\\file"},
        {"C:\\dir", "/file", "C:\\dir\\\\file"},
        {"a/b", "c/d", "a\\b\\c\\d"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.dir) + " + " + c.name);
        const CString got = mergePath(c.dir, c.name);
        EXPECT_STREQ(got, c.want);
        EXPECT_EQ(got.length(), static_cast<int>(std::strlen(c.want)));
    }
}

TEST(PathsTest, ConversionsKeepEverythingButSeparators) {
    EnvGuard env("PATHSEP", nullptr);
    EXPECT_STREQ(nativePathName("a/b\\c"), "a\\b\\c");
    EXPECT_STREQ(unixPathName("a/b\\c"), "a/b/c");
    EXPECT_STREQ(dosPathName("a/b\\c"), "a\\b\\c");
    EXPECT_STREQ(nativePathName("C:/x//..\\Y.z"), "C:\\x\\\\..\\Y.z");
    EXPECT_STREQ(nativePathName(""), "");
    char text[] = "C:/one\\two/";
    conv2NativePathSep(text);
    EXPECT_STREQ(text, "C:\\one\\two\\");
    conv2NativePathSep(nullptr);  // left alone
}

TEST(PathsTest, SlashAsNativeSeparator) {
    EnvGuard env("PATHSEP", "/");
    EXPECT_STREQ(nativePathName("C:\\dir\\file"), "C:/dir/file");
    EXPECT_STREQ(mergePath("C:\\dir", "file"), "C:/dir/file");
    EXPECT_STREQ(mergePath("C:/dir/", "/file"), "C:/dir/file");
    // A trailing backslash is not the native separator before conversion.
    EXPECT_STREQ(mergePath("C:\\dir\\", "file"), "C:/dir//file");
    EXPECT_STREQ(dosPathName("C:/dir/file"), "C:\\dir\\file");
    EXPECT_STREQ(unixPathName("C:\\dir\\file"), "C:/dir/file");
    char text[] = "a\\b";
    conv2NativePathSep(text);
    EXPECT_STREQ(text, "a/b");
}

TEST(PathsTest, UnusualSeparatorValues) {
    {
        // Empty: the conversions cut at the first separator, and the
        // stored length follows the text; mergePath inserts nothing.
        EnvGuard env("PATHSEP", "");
        const CString cut = nativePathName("ab/cd\\ef");
        EXPECT_STREQ(cut, "ab");
        EXPECT_EQ(cut.length(), 2);
        EXPECT_STREQ(mergePath("dir", "file"), "dirfile");
        char text[] = "x/y";
        conv2NativePathSep(text);
        EXPECT_STREQ(text, "x");
    }
    {
        // Longer: inserted whole, never found at the end of dir.
        EnvGuard env("PATHSEP", "::");
        EXPECT_STREQ(mergePath("dir::", "file"), "dir::::file");
        EXPECT_STREQ(nativePathName("a/b"), "a:b");
    }
}

}  // namespace
