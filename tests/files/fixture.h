// Fixture trees for the files tests: a fresh temporary directory, removed
// afterwards, and a guard that puts the current directory back.
#ifndef TESSEL_TESTS_FILES_FIXTURE_H
#define TESSEL_TESTS_FILES_FIXTURE_H

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fixture {

namespace fs = std::filesystem;

// drivePath(p): the drive-letter spelling of a POSIX absolute path.
inline std::string drivePath(const std::string& p) {
    std::string out = "C:" + p;
    for (char& c : out)
        if (c == '/') c = '\\';
    return out;
}

// TempTree: a directory made with mkdtemp under the temporary directory,
// resolved through any links, and removed with everything in it.
class TempTree {
  public:
    TempTree() {
        const char* tmp = getenv("TMPDIR");
        std::string templ =
            std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/tessel-XXXXXX";
        if (mkdtemp(&templ[0]) == nullptr) {
            ADD_FAILURE() << "mkdtemp failed";
            return;
        }
        root_ = fs::canonical(templ).string();
    }
    ~TempTree() {
        if (root_.empty()) return;
        std::error_code ec;
        // Read-only entries must become writable again to be removed.
        for (auto it = fs::recursive_directory_iterator(root_, ec);
             !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
            if (!it->is_symlink())
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
        fs::remove_all(root_, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The POSIX path of the root, and of a name below it.
    const std::string& root() const { return root_; }
    std::string path(const std::string& rel) const { return root_ + "/" + rel; }
    // The drive-letter spelling of the root or of a name below it.
    std::string drive() const { return drivePath(root_); }
    std::string drive(const std::string& rel) const { return drivePath(path(rel)); }

    void dir(const std::string& rel) const { fs::create_directories(path(rel)); }
    void file(const std::string& rel, size_t size = 0) const {
        std::ofstream out(path(rel), std::ios::binary);
        out << std::string(size, 'x');
    }
    void link(const std::string& target, const std::string& rel) const {
        fs::create_symlink(target, path(rel));
    }

  private:
    std::string root_;
};

// CwdGuard: restores the process's current directory when it goes.
class CwdGuard {
  public:
    CwdGuard() : saved_(fs::current_path()) {}
    ~CwdGuard() {
        std::error_code ec;
        fs::current_path(saved_, ec);
    }
    CwdGuard(const CwdGuard&) = delete;
    CwdGuard& operator=(const CwdGuard&) = delete;

  private:
    fs::path saved_;
};

// EnvGuard: sets or unsets one environment variable and restores it.
class EnvGuard {
  public:
    EnvGuard(const char* name, const char* value) : name_(name) {
        const char* old = getenv(name);
        had_ = old != nullptr;
        if (had_) old_ = old;
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~EnvGuard() {
        if (had_)
            setenv(name_.c_str(), old_.c_str(), 1);
        else
            unsetenv(name_.c_str());
    }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

  private:
    std::string name_;
    std::string old_;
    bool had_ = false;
};

}  // namespace fixture

#endif  // TESSEL_TESTS_FILES_FIXTURE_H
