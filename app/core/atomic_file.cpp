#include "app/core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace brisk {

namespace {
std::optional<WriteStep> faultStep;
int faultError = ENOSPC;
bool faultAt(WriteStep step) {
    return faultStep == step;
}
} // namespace

void setWriteFault(std::optional<WriteStep> step, int error) {
    faultStep = step;
    faultError = error;
}

std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temp = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    const int fd = mkstemp(temp.data());
    if (fd < 0) return std::string(std::strerror(errno));

    auto fail = [&](int error) -> std::optional<std::string> {
        if (fd >= 0) close(fd);
        unlink(temp.c_str());
        return std::string(std::strerror(error));
    };
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    struct stat old {};
    const mode_t mode = stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    if (fchmod(fd, mode) != 0) return fail(errno);
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
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        return std::string(std::strerror(error));
    }
    if (faultAt(WriteStep::Rename)) return std::string(std::strerror(faultError)); // the temporary file stays
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        return std::string(std::strerror(error));
    }
    return std::nullopt;
}

std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes(maxBytes, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

} // namespace brisk
