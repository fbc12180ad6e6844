// The personal settings and their file "Personal.zkp": one record of currency symbol, printer font
// choice and user name.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace brisk {

inline constexpr const char* kSettingsFileName = "Personal.zkp";

struct PersonalSettings {
    std::string CurrencySymbol = "$";
    int PrinterFontChoice = 0;
    std::string UserName;
};

// Nothing when the bytes are not a settings record. An empty symbol reads as "$"; a font choice
// outside 0 to 3 as 0.
std::optional<PersonalSettings> parsePersonalSettings(std::string_view bytes);
std::string personalSettingsBytes(const PersonalSettings& settings);

// The largest settings file read. The settings window's boxes hold at most 32767 characters each
// (four bytes at most in UTF-8), so whatever it saves stays well below this and loads again.
inline constexpr std::size_t kSettingsFileLimit = 1024 * 1024;

// The settings a file holds; nothing when it is missing, not a regular file, larger than
// kSettingsFileLimit or damaged.
std::optional<PersonalSettings> readPersonalSettings(const std::filesystem::path& path);

} // namespace brisk
