// The program's version, set once in the build (the project's VERSION) for both programs.
#pragma once

namespace brisk {

inline constexpr const char* kVersion = BRISKLANE_VERSION;

} // namespace brisk
