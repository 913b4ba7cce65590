// Ways to make a write fail that also hold for root, who ignores file permissions.
#pragma once

#include <filesystem>
#include <optional>

#ifdef __unix__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <csignal>

namespace pixmora::test {

// While it lives, no file of this process may grow past `bytes`: a write beyond fails with EFBIG,
// as a full disk would fail it (the signal that would end the process is ignored meanwhile).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

// A directory in which no file can be created. An ordinary user gets `dir` with its write
// permission taken away; root, whom permissions do not stop, gets `dir` marked immutable where the
// file system allows it (both undone by the destructor), else sysfs, which refuses new files.
// Empty when none of these is possible here.
class ReadOnlyDirectory {
  public:
    explicit ReadOnlyDirectory(const std::filesystem::path& dir) {
        namespace fs = std::filesystem;
        if (geteuid() != 0) {
            fs::permissions(
                dir, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                fs::perm_options::remove);
            restore_ = dir;
            path = dir;
            return;
        }
        if (SetImmutable(dir, true)) {
            immutable_ = true;
            restore_ = dir;
            path = dir;
            return;
        }
        constexpr long kSysfsMagic = 0x62656572;
        struct statfs info {};
        if (statfs("/sys", &info) == 0 && info.f_type == kSysfsMagic) {
            path = "/sys";
        }
    }
    ~ReadOnlyDirectory() {
        if (immutable_) {
            SetImmutable(*restore_, false);
        } else if (restore_) {
            std::filesystem::permissions(*restore_, std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add);
        }
    }
    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

    std::optional<std::filesystem::path> path;
    // True when `path` is the given directory, so its files can be checked afterwards.
    bool Own() const { return restore_.has_value(); }

  private:
    static bool SetImmutable(const std::filesystem::path& dir, bool on) {
        const int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) {
            return false;
        }
        int flags = 0;
        bool done = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (done) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            done = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        close(fd);
        return done;
    }

    std::optional<std::filesystem::path> restore_;
    bool immutable_ = false;
};

}  // namespace pixmora::test
#endif
