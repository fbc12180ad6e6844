// The one way user files are written and read: written whole to a temporary file in the same
// folder, flushed to disk and renamed over the old file, so a failed save leaves the old file whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace brisk {

// What a write came to: true when the file was written; otherwise error() says why it was not.
class [[nodiscard]] WriteOutcome {
  public:
    WriteOutcome() = default; // written
    static WriteOutcome failure(std::string why) {
        WriteOutcome outcome;
        outcome.m_error = std::move(why);
        return outcome;
    }
    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    // Empty when the file was written.
    const std::string& error() const {
        static const std::string none;
        return m_error ? *m_error : none;
    }

  private:
    std::optional<std::string> m_error;
};

WriteOutcome writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// For tests: every later write fails at `step` with `error` (ENOSPC, a full disk) until cleared.
// Failing at Rename stops the writer between writing and renaming, as a crash would, and leaves the
// temporary file behind.
enum class WriteStep { Write, Sync, Rename };
void setWriteFault(std::optional<WriteStep> step, int error = 28 /* ENOSPC */);

// The file's first `maxBytes` bytes, or nothing when it cannot be read.
std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace brisk
