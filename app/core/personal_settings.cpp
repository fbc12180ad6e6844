#include "app/core/personal_settings.h"

#include "app/core/atomic_file.h"
#include "app/core/record_file.h"

namespace brisk {

std::optional<PersonalSettings> parsePersonalSettings(std::string_view bytes) {
    RecordReader reader(bytes);
    auto symbol = reader.readString();
    auto font = reader.readInt16();
    auto name = reader.readString();
    if (!symbol || !font || !name) return std::nullopt;
    PersonalSettings settings;
    settings.CurrencySymbol = symbol->empty() ? "$" : *symbol;
    settings.PrinterFontChoice = *font >= 0 && *font <= 3 ? *font : 0;
    settings.UserName = *name;
    return settings;
}

std::string personalSettingsBytes(const PersonalSettings& settings) {
    return RecordWriter()
        .text(settings.CurrencySymbol)
        .integer(settings.PrinterFontChoice)
        .text(settings.UserName)
        .endRecord()
        .bytes();
}

std::optional<PersonalSettings> readPersonalSettings(const std::filesystem::path& path) {
    // One byte more than the limit tells a file cut short from one that fits.
    const auto bytes = readFileStart(path, kSettingsFileLimit + 1);
    if (!bytes || bytes->size() > kSettingsFileLimit) return std::nullopt;
    return parsePersonalSettings(*bytes);
}

} // namespace brisk
