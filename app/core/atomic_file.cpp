#include "app/core/atomic_file.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brisk {

namespace {

std::optional<WriteStep> faultStep;
int faultError = ENOSPC;
bool faultAt(WriteStep step) {
    return faultStep == step;
}

std::string errorText(int error) {
    return std::strerror(error);
}

constexpr const char* kNotARegularFile = "Not a regular file.";

// The file a path names: a symbolic link is followed to its target (which it keeps naming), so a
// link into another folder updates the file there instead of becoming a copy.
std::optional<std::filesystem::path> resolveLinks(std::filesystem::path path) {
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st {};
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        std::error_code error;
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) return std::nullopt;
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    return std::nullopt; // a loop of links
}

// The hidden temporary files of one target: ".NAME.tmpXXXXXX", the name cut so that the whole fits
// the file-name limit of 255 bytes.
std::string temporaryPrefix(const std::filesystem::path& target) {
    std::string name = target.filename().string();
    constexpr std::size_t kNameMax = 255, kAdded = 1 + 4 + 6; // ".", ".tmp", "XXXXXX"
    if (name.size() > kNameMax - kAdded) name.resize(kNameMax - kAdded);
    return "." + name + ".tmp";
}

// A file descriptor closed on every way out.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int fd) : fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd >= 0) close(fd);
    }
};

// What a save killed between writing and renaming left behind: removed by the next save. A writer
// holds a lock on its temporary file until it is renamed, so only a file nobody holds is removed:
// another save of the same file, in this process or another, keeps its own. The folder's lock
// makes making and locking a temporary file one step for the others' clean-up.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0 ||
            !entry.is_regular_file(error))
            continue;
        const Descriptor temp(open(entry.path().c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
        if (temp.fd >= 0 && flock(temp.fd, LOCK_EX | LOCK_NB) == 0)
            std::filesystem::remove(entry.path(), error);
    }
}

// The permissions a new file gets: read and write for all, less the process's umask.
mode_t newFileMode() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

} // namespace

void setWriteFault(std::optional<WriteStep> step, int error) {
    faultStep = step;
    faultError = error;
}

WriteOutcome writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const auto resolved = resolveLinks(path);
    if (!resolved) return WriteOutcome::failure(errorText(ELOOP));
    const std::filesystem::path& target = *resolved;
    // Only a regular file is replaced: a device, a FIFO or a folder stays what it is.
    struct stat old {};
    const bool exists = stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) return WriteOutcome::failure(kNotARegularFile);
    // A write-protected file is the user's word that it must not change; root would pass the
    // permission check, so the mode says it for everyone.
    if (exists && (access(target.c_str(), W_OK) != 0 || (old.st_mode & 0222) == 0))
        return WriteOutcome::failure(errorText(EACCES));
    const std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : ".";
    const std::string prefix = temporaryPrefix(target);
    std::string temp = (folder / (prefix + "XXXXXX")).string();
    int fd = -1;
    {
        const Descriptor folderLock(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folderLock.fd >= 0 && flock(folderLock.fd, LOCK_EX) == 0) removeStaleTemporaries(folder, prefix);
        fd = mkstemp(temp.data());
        if (fd < 0) return WriteOutcome::failure(errorText(errno));
        flock(fd, LOCK_EX); // released by close, after the rename
    }

    auto fail = [&](int error) {
        close(fd);
        unlink(temp.c_str());
        return WriteOutcome::failure(errorText(error));
    };
    // Keep the permissions of the file being replaced; a new file gets those the user's umask allows.
    if (fchmod(fd, exists ? (old.st_mode & 07777) : newFileMode()) != 0) return fail(errno);
    if (faultAt(WriteStep::Write)) return fail(faultError);
    for (std::size_t written = 0; written < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (faultAt(WriteStep::Sync) || fsync(fd) != 0)
        return fail(faultAt(WriteStep::Sync) ? faultError : errno);
    // The descriptor, and with it the lock, is kept until the rename: a temporary file whose writer
    // let go of it before renaming is one a crash left.
    if (faultAt(WriteStep::Rename)) { // the temporary file stays, as a crash would leave it
        close(fd);
        return WriteOutcome::failure(errorText(faultError));
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        close(fd);
        return WriteOutcome::failure(errorText(error));
    }
    close(fd); // the contents reached the disk with fsync; the new file is in place
    return {};
}

std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t maxBytes) {
    // Opened without blocking, so that a FIFO or a device named as a file cannot stop the program;
    // anything but a regular file is refused.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(fd);
        return std::nullopt;
    }
    std::string bytes(maxBytes, '\0');
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = read(fd, bytes.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    close(fd);
    bytes.resize(got);
    return bytes;
}

} // namespace brisk
