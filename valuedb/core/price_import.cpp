#include "valuedb/core/price_import.h"

#include "app/core/atomic_file.h"
#include "app/core/text_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace brisk {

namespace {

// The largest value a record takes from a file; a price beyond it is a misread column.
constexpr double kLargestValue = 1e11;

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool sameHeading(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The column a heading or a number (1 the first) names; none when the header has no such column.
std::optional<std::size_t> findColumn(const std::vector<std::string>& header, std::string_view wanted) {
    wanted = trimmed(wanted);
    int number = 0;
    const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
    if (error == std::errc() && end == wanted.data() + wanted.size())
        return number >= 1 && static_cast<std::size_t>(number) <= header.size()
                   ? std::optional<std::size_t>(number - 1)
                   : std::nullopt;
    for (std::size_t i = 0; i < header.size(); ++i)
        if (sameHeading(trimmed(header[i]), wanted)) return i;
    return std::nullopt;
}

// A price as exports write it: "1234.5", "1,234.50", or with a decimal comma ("1.234,50", and
// "12,5" in a semicolon file, where a comma cannot separate the fields).
std::optional<double> readValue(std::string_view text, char separator) {
    text = trimmed(text);
    const auto comma = text.rfind(','), point = text.rfind('.');
    const bool decimalComma = comma != std::string_view::npos &&
                              (point == std::string_view::npos ? separator == ';' : comma > point);
    std::string plain;
    for (char c : text) {
        if (c == (decimalComma ? '.' : ',')) continue; // grouping
        plain += c == ',' ? '.' : c;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (plain.empty() || error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    value = cutToCents(value);
    if (!std::isfinite(value) || value <= 0 || value > kLargestValue) return std::nullopt;
    return value;
}

// A date, also with a time after it ("2024-01-05 16:00:00", "2024-01-05T16:00").
std::optional<Date> readDate(std::string_view text, const ShortDateForm& form) {
    text = trimmed(text);
    if (const auto cut = text.find_first_of(" T"); cut != std::string_view::npos) text = text.substr(0, cut);
    const auto date = parseDate(text, form);
    if (!date || *date <= kDeletionMarker || date->year() > std::chrono::year(9999)) return std::nullopt;
    return date;
}

std::chrono::sys_days mondayOf(Date date) {
    const std::chrono::sys_days day(date);
    return day - (std::chrono::weekday(day) - std::chrono::Monday);
}

} // namespace

Outcome<PriceImport> importPrices(const ValueDatabase& db, std::string_view csv,
                                  const PriceImportOptions& options) {
    const auto unusable = Outcome<PriceImport>::failure(Msg::BadFile);
    const CsvRows table = parseCsv(csv);
    if (table.rows.empty()) return unusable;
    const auto dateColumn = findColumn(table.rows[0], options.dateColumn);
    const auto valueColumn = findColumn(table.rows[0], options.valueColumn);
    if (!dateColumn || !valueColumn) return unusable;

    PriceImport result;
    // Each week's latest row; a later row of the same day wins.
    std::map<std::chrono::sys_days, ValueRecord> weeks;
    for (std::size_t r = 1; r < table.rows.size(); ++r) {
        const auto& row = table.rows[r];
        const auto date =
            row.size() > *dateColumn ? readDate(row[*dateColumn], options.dateForm) : std::nullopt;
        const auto value =
            row.size() > *valueColumn ? readValue(row[*valueColumn], table.separator) : std::nullopt;
        if (!date || !value) {
            ++result.counts.skipped;
            continue;
        }
        ValueRecord& week = weeks[mondayOf(*date)];
        if (week.value == 0 || *date >= week.date) week = {std::nullopt, *date, *value};
    }
    if (weeks.empty()) return unusable;

    result.db = db;
    auto& records = result.db.records;
    for (const auto& week : weeks) {
        const std::chrono::sys_days monday = week.first;
        const ValueRecord& imported = week.second;
        const auto inWeek = [monday](const ValueRecord& r) { return mondayOf(r.date) == monday; };
        const auto before = records.size();
        std::erase_if(records, inWeek);
        ++(records.size() < before ? result.counts.replaced : result.counts.added);
        records.push_back(imported);
    }
    sortRecords(result.db);
    if (result.db.RecordCount() > kMaxRecords) {
        result.counts.leftOut = result.db.RecordCount() - kMaxRecords;
        records.resize(kMaxRecords);
    }
    result.db.DbChanged = 1;
    return {std::move(result), Msg::None};
}

Outcome<PriceImport> importPriceFile(const ValueDatabase& db, const std::filesystem::path& path,
                                     const PriceImportOptions& options) {
    constexpr std::size_t largest = 64u << 20;
    const auto csv = readFileStart(path, largest + 1);
    if (!csv || csv->size() > largest) return Outcome<PriceImport>::failure(Msg::BadFile);
    return importPrices(db, *csv, options);
}

std::string importSummary(const PriceImportCounts& counts) {
    const auto weeks = [](int n) { return std::to_string(n) + (n == 1 ? " week" : " weeks"); };
    std::string text = weeks(counts.added + counts.replaced) + " imported: " + std::to_string(counts.added) +
                       " added, " + std::to_string(counts.replaced) + " replaced.";
    if (counts.skipped > 0)
        text += " " + std::to_string(counts.skipped) + (counts.skipped == 1 ? " row" : " rows") +
                " skipped: the date or the value could not be read.";
    if (counts.leftOut > 0)
        text += " " + weeks(counts.leftOut) + " left out, the oldest: a database holds at most " +
                std::to_string(kMaxRecords) + " records.";
    return text;
}

} // namespace brisk
