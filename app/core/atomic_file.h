// The one way user files are written and read: written whole to a temporary file in the same
// folder, flushed to disk and renamed over the old file, so a failed save leaves the old file whole.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brisk {

// Nothing on success; otherwise why the file could not be written.
std::optional<std::string> writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);

// For tests: every later write fails at `step` with `error` (ENOSPC, a full disk) until cleared.
// Failing at Rename stops the writer between writing and renaming, as a crash would, and leaves the
// temporary file behind.
enum class WriteStep { Write, Sync, Rename };
void setWriteFault(std::optional<WriteStep> step, int error = 28 /* ENOSPC */);

// The file's first `maxBytes` bytes, or nothing when it cannot be read.
std::optional<std::string> readFileStart(const std::filesystem::path& path, std::size_t maxBytes);

} // namespace brisk
