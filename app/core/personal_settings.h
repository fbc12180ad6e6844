// The personal settings and their file "Personal.zkp": one record of currency symbol, printer font
// choice and user name.
#pragma once

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

} // namespace brisk
