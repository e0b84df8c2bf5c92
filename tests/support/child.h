// Test support: running code in a child process, and a scratch directory.
#ifndef TESSEL_TESTS_SUPPORT_CHILD_H
#define TESSEL_TESTS_SUPPORT_CHILD_H

#include <fcntl.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace tessel_test {

// Status a child reports when the code under test returned instead of
// ending the process.
constexpr int returnedStatus = 99;

// What a child process left behind: its exit status (-1 when it did not
// exit normally, for instance on a signal) and every byte it wrote to the
// standard error stream.
struct ChildResult {
    int status;
    std::string err;
};

// readFile(path): the whole content of a file, or "<missing>" when it cannot
// be opened.
inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// runInChild(body): runs body in a forked copy of this process with its
// standard error stream captured. A body that returns ends the child with
// returnedStatus.
inline ChildResult runInChild(const std::function<void()>& body) {
    char errPath[] = "/tmp/tessel-stderr-XXXXXX";
    const int errFd = mkstemp(errPath);
    if (errFd < 0) return {-1, "<mkstemp failed>"};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(errFd, STDERR_FILENO);
        body();
        std::fflush(nullptr);
        _exit(returnedStatus);
    }
    close(errFd);
    int raw = 0;
    const bool waited = pid > 0 && waitpid(pid, &raw, 0) == pid;
    ChildResult result{waited && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(errPath)};
    unlink(errPath);
    return result;
}

// ScratchDir: makes a fresh temporary directory current for its lifetime,
// then restores the previous current directory and removes the scratch one
// with everything in it.
class ScratchDir {
  public:
    ScratchDir() : previous(std::filesystem::current_path()) {
        // Without a scratch directory the test would write into the source
        // or build tree: stop instead.
        char pattern[] = "/tmp/tessel-test-XXXXXX";
        if (!mkdtemp(pattern) || chdir(pattern) != 0) {
            std::perror("tessel test: no scratch directory");
            std::abort();
        }
        path = pattern;
    }
    ~ScratchDir() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        if (!path.empty()) std::filesystem::remove_all(path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The scratch directory's absolute path.
    const std::string& dir() const { return path; }
    // file(name): the content of a file in the scratch directory.
    std::string file(const std::string& name) const { return readFile(path + "/" + name); }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(path + "/" + name);
    }

  private:
    std::filesystem::path previous;
    std::string path;
};

}  // namespace tessel_test

#endif  // TESSEL_TESTS_SUPPORT_CHILD_H
