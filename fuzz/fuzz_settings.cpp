// The personal settings file: refused, or settings in range that save back the same.
#include "app/core/personal_settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const auto s = brisk::parsePersonalSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!s) return 0;
    if (s->PrinterFontChoice < 0 || s->PrinterFontChoice > 3 || s->CurrencySymbol.empty()) std::abort();
    const auto again = brisk::parsePersonalSettings(brisk::personalSettingsBytes(*s));
    if (!again || again->UserName.find('"') != std::string::npos) std::abort();
    return 0;
}
