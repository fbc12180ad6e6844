#include "valuedb/core/price_import.h"

#include "app/core/atomic_file.h"
#include "app/core/text_table.h"
#include "valuedb/core/price_fields.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace brisk {

namespace {

using namespace std::chrono;
using namespace prices;

// No export of one investment's history comes near this.
constexpr std::size_t kLargestFile = 64u << 20;

// A heading as compared: letters and digits only, in lower case ("Adj. Close*" is "adjclose").
std::string headingKey(std::string_view heading) {
    std::string key;
    for (char c : heading)
        if (isLetter(c) || isDigit(c)) key += lower(c);
    return key;
}

// A text as a message quotes it: a long one (a heading of random bytes) is cut, on a character's
// boundary.
std::string inQuotes(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) return "\"" + std::string(text) + "\"";
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    return "\"" + std::string(text.substr(0, cut)) + "\u2026\"";
}

std::string headingList(const std::vector<std::string>& headings) {
    std::string list;
    for (std::size_t i = 0; i < headings.size(); ++i)
        list += (i == 0 ? "" : ", ") + inQuotes(trimmed(headings[i]));
    return list.empty() ? "none" : list;
}

// The column a heading or a number (1 the first) names.
std::optional<std::size_t> namedColumn(const std::vector<std::string>& headings, std::string_view wanted) {
    wanted = trimmed(wanted);
    int number = 0;
    const auto [end, error] = std::from_chars(wanted.data(), wanted.data() + wanted.size(), number);
    if (error == std::errc() && end == wanted.data() + wanted.size())
        return number >= 1 && static_cast<std::size_t>(number) <= headings.size()
                   ? std::optional<std::size_t>(number - 1)
                   : std::nullopt;
    const std::string key = headingKey(wanted);
    for (std::size_t i = 0; i < headings.size(); ++i)
        if (!key.empty() && headingKey(headings[i]) == key) return i;
    return std::nullopt;
}

// The first heading of `keys`, in their order of preference.
std::optional<std::size_t> usualColumn(const std::vector<std::string>& headings,
                                       std::initializer_list<std::string_view> keys) {
    for (std::string_view key : keys)
        for (std::size_t i = 0; i < headings.size(); ++i)
            if (headingKey(headings[i]) == key) return i;
    return std::nullopt;
}

PriceFileProblem problem(PriceFileProblem::Kind kind, std::string text) {
    return {kind, std::move(text)};
}

constexpr const char* kDateForms =
    "dates are read as 2026-12-04, 04.12.2026, 04/12/2026, 12/04/2026, Dec 04, 2026 or 04-Dec-2026";

} // namespace

PriceTable readPriceTable(std::string_view csv, const PriceImportOptions& options) {
    PriceTable table;
    const CsvRows file = parseCsv(csv);
    if (file.rows.empty()) {
        table.problem =
            problem(PriceFileProblem::Kind::NoColumn, "The file is empty: no headings, no prices.");
        return table;
    }
    // The headings: the first line naming a usual or the given column; lines above it are a
    // broker's preamble (the account, the period).
    const std::initializer_list<std::string_view> dateKeys{"date", "datum", "time", "timestamp", "day"};
    const std::initializer_list<std::string_view> priceKeys{
        "close", "closelast", "price", "last", "value", "nav", "schluss", "schlusskurs", "kurs", "adjclose"};
    const auto namesAColumn = [&](const std::vector<std::string>& line) {
        return usualColumn(line, dateKeys) || usualColumn(line, priceKeys) ||
               (!options.dateColumn.empty() && !isDigit(options.dateColumn[0]) &&
                namedColumn(line, options.dateColumn)) ||
               (!options.valueColumn.empty() && !isDigit(options.valueColumn[0]) &&
                namedColumn(line, options.valueColumn));
    };
    std::size_t headingLine = 0;
    while (headingLine + 1 < std::min<std::size_t>(file.rows.size(), 30) &&
           !namesAColumn(file.rows[headingLine]))
        ++headingLine;
    if (!namesAColumn(file.rows[headingLine])) headingLine = 0;
    const std::vector<std::vector<std::string>> rows(
        file.rows.begin() + static_cast<std::ptrdiff_t>(headingLine), file.rows.end());
    table.headings = rows[0];
    const std::string found = "; the file's headings are " + headingList(table.headings) + ".";

    // The columns: as named, else by the usual headings; the dates, else, the first column whose
    // first value is a date.
    const auto valueColumn = options.valueColumn.empty() ? usualColumn(table.headings, priceKeys)
                                                         : namedColumn(table.headings, options.valueColumn);
    auto dateColumn = options.dateColumn.empty() ? usualColumn(table.headings, dateKeys)
                                                 : namedColumn(table.headings, options.dateColumn);
    for (std::size_t c = 0;
         options.dateColumn.empty() && !dateColumn && rows.size() > 1 && c < rows[1].size(); ++c)
        if (c != valueColumn && readDate(rows[1][c]).readable()) dateColumn = c;
    table.dateColumn = dateColumn;
    table.valueColumn = valueColumn;
    if (!valueColumn) {
        table.problem = problem(
            PriceFileProblem::Kind::NoColumn,
            options.valueColumn.empty()
                ? "No column of prices: looked for Close, Close/Last, Price, Last, Value, NAV and Adj Close" +
                      found
                : "No column " + inQuotes(options.valueColumn) + " for the prices" + found);
        return table;
    }
    if (!dateColumn) {
        table.problem =
            problem(PriceFileProblem::Kind::NoColumn,
                    options.dateColumn.empty()
                        ? "No column of dates: looked for Date and for dates in the first row" + found
                        : "No column " + inQuotes(options.dateColumn) + " for the dates" + found);
        return table;
    }
    if (rows.size() < 2) {
        table.problem = problem(PriceFileProblem::Kind::NoDates, "The file has headings but no prices.");
        return table;
    }
    const std::size_t dateAt = *dateColumn, valueAt = *valueColumn;
    // Rows are named by their line in the file, the headings' line counted.
    const auto lineOf = [headingLine](std::size_t r) { return static_cast<int>(r + headingLine) + 1; };

    std::vector<DateReading> dates(rows.size());
    for (std::size_t r = 1; r < rows.size(); ++r)
        if (rows[r].size() > dateAt) dates[r] = readDate(rows[r][dateAt]);

    // The order of numbers-only dates: as told, or the one every such date of the file fits. Dots
    // are only ever written day first (04.12.2026).
    std::optional<DateOrder> order = options.dateOrder;
    std::size_t numeric = 0, fitDayFirst = 0, fitMonthFirst = 0, onlyDayFirst = 0, onlyMonthFirst = 0,
                firstNumeric = 0;
    bool dots = false;
    char separator = '/';
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const DateReading& d = dates[r];
        if (!d.numeric || !d.readable()) continue;
        if (numeric++ == 0) firstNumeric = r, separator = d.separator;
        dots |= d.separator == '.';
        fitDayFirst += d.dayFirst.has_value();
        fitMonthFirst += d.monthFirst.has_value();
        if (d.dayFirst && !d.monthFirst && onlyDayFirst == 0) onlyDayFirst = r;
        if (d.monthFirst && !d.dayFirst && onlyMonthFirst == 0) onlyMonthFirst = r;
    }
    const auto dateText = [&](std::size_t r) { return inQuotes(trimmed(rows[r][dateAt])); };
    const auto rowText = [&](std::size_t r) { return "row " + std::to_string(lineOf(r)); };
    if (numeric > 0 && !order) {
        const bool dayFirst = dots || fitDayFirst == numeric, monthFirst = !dots && fitMonthFirst == numeric;
        if (dayFirst && monthFirst) {
            table.problem = problem(PriceFileProblem::Kind::AmbiguousDates,
                                    "The dates read both day first and month first (" +
                                        rowText(firstNumeric) + " has " + dateText(firstNumeric) + ").");
            return table;
        }
        if (!dayFirst && !monthFirst && onlyDayFirst && onlyMonthFirst) {
            table.problem =
                problem(PriceFileProblem::Kind::MixedDates,
                        "The dates mix two orders: " + rowText(onlyDayFirst) + " has " +
                            dateText(onlyDayFirst) + ", day first, and " + rowText(onlyMonthFirst) + " has " +
                            dateText(onlyMonthFirst) + ", month first.");
            return table;
        }
        // Otherwise the order most dates fit; the others are skipped as unreadable.
        order = dayFirst || (!monthFirst && fitDayFirst >= fitMonthFirst) ? DateOrder::DayMonthYear
                                                                          : DateOrder::MonthDayYear;
    }
    if (numeric > 0) table.order = order;

    const bool decimalComma = decimalCommaIn(rows, valueAt, file.separator);
    std::size_t firstDated = 0, firstBadDate = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto date = dateIn(dates[r], order.value_or(DateOrder::YearMonthDay));
        if (date && firstDated == 0) firstDated = r;
        if (!date && firstBadDate == 0) firstBadDate = r;
        const auto cents =
            rows[r].size() > valueAt && date ? readCents(rows[r][valueAt], decimalComma) : std::nullopt;
        if (!date || !cents) {
            if (table.skipped++ == 0) table.firstSkippedLine = lineOf(r);
            continue;
        }
        if (table.points.empty())
            table.dateForm = dates[r].numeric ? orderForm(*order, separator) : dates[r].form;
        table.points.push_back({lineOf(r), *date, *cents});
    }
    if (table.points.empty()) {
        const std::string column =
            " in column " +
            inQuotes(trimmed(table.headings.size() > dateAt ? table.headings[dateAt] : std::string()));
        if (firstDated == 0) {
            table.problem =
                problem(PriceFileProblem::Kind::NoDates,
                        "No date could be read" + column + ": " + rowText(firstBadDate) + " has " +
                            (rows[firstBadDate].size() > dateAt ? dateText(firstBadDate) : "nothing") + "; " +
                            kDateForms + ".");
        } else {
            const auto& row = rows[firstDated];
            table.problem =
                problem(PriceFileProblem::Kind::NoValues,
                        "No price could be read in column " + inQuotes(trimmed(table.headings[valueAt])) +
                            ": " + rowText(firstDated) + " has " +
                            (row.size() > valueAt ? inQuotes(trimmed(row[valueAt])) : "nothing") + ".");
        }
    }
    return table;
}

std::optional<std::string> priceFileText(const std::filesystem::path& path) {
    auto csv = readFileStart(path, kLargestFile + 1);
    if (!csv || csv->size() > kLargestFile) return std::nullopt;
    return csv;
}

PriceTable readPriceFile(const std::filesystem::path& path, const PriceImportOptions& options) {
    const auto csv = priceFileText(path);
    if (!csv) {
        PriceTable table;
        table.problem = problem(PriceFileProblem::Kind::Unreadable, MessageText(Msg::BadFile));
        return table;
    }
    return readPriceTable(*csv, options);
}

double valueFromCents(std::int64_t cents) {
    return static_cast<double>(cents) / 100; // the double nearest the decimal, division being exact-rounded
}

namespace {

sys_days mondayOf(Date date) {
    const sys_days day(date);
    return day - (weekday(day) - Monday);
}

} // namespace

PriceImport mergePrices(const ValueDatabase& db, const PriceTable& table) {
    // Each week's latest row; of two rows of one day, the later in the file.
    std::map<sys_days, PricePoint> weeks;
    for (const PricePoint& point : table.points) {
        auto [at, isNew] = weeks.try_emplace(mondayOf(point.date), point);
        if (!isNew && point.date >= at->second.date) at->second = point;
    }

    PriceImport result;
    result.db = db;
    auto& records = result.db.records;
    std::map<sys_days, ImportedWeek> imported;
    for (const auto& [monday, point] : weeks) {
        ImportedWeek week{point.date, valueFromCents(point.cents), ImportedWeek::Fate::Added, std::nullopt};
        for (auto it = records.begin(); it != records.end();) {
            if (mondayOf(it->date) != monday) {
                ++it;
                continue;
            }
            if (!week.replaced) week.replaced = *it, week.fate = ImportedWeek::Fate::Replaced;
            it = records.erase(it);
        }
        records.push_back({std::nullopt, point.date, week.value});
        imported.emplace(monday, week);
    }
    sortRecords(result.db);
    for (std::size_t i = kMaxRecords; i < records.size(); ++i) {
        const auto week = imported.find(mondayOf(records[i].date));
        if (week != imported.end() && week->second.date == records[i].date) {
            if (week->second.replaced) result.dropped.push_back(*week->second.replaced);
            week->second.fate = ImportedWeek::Fate::LeftOut;
        } else {
            result.dropped.push_back(records[i]);
            result.dropped.back().number.reset();
        }
    }
    if (records.size() > static_cast<std::size_t>(kMaxRecords)) records.resize(kMaxRecords);

    PriceImportCounts& counts = result.counts;
    for (auto it = imported.rbegin(); it != imported.rend(); ++it) {
        result.weeks.push_back(it->second);
        switch (it->second.fate) {
        case ImportedWeek::Fate::Added:
            ++counts.added;
            break;
        case ImportedWeek::Fate::Replaced:
            ++counts.replaced;
            break;
        case ImportedWeek::Fate::LeftOut:
            ++counts.leftOut;
            break;
        }
    }
    counts.skipped = table.skipped;
    counts.firstSkippedLine = table.firstSkippedLine;
    counts.ownDropped = static_cast<int>(result.dropped.size());
    counts.held = result.db.RecordCount();
    if (counts.added + counts.replaced > 0) result.db.DbChanged = 1;
    return result;
}

std::string importSummary(const PriceImportCounts& counts, Tense tense) {
    const bool done = tense == Tense::Done;
    const auto count = [](int n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    std::string text = count(counts.added + counts.replaced, "week", "weeks") +
                       (done ? " imported: " : " to import: ") + std::to_string(counts.added) +
                       (done ? " added, " : " to add, ") + std::to_string(counts.replaced) +
                       (done ? " replaced. The database holds " : " to replace. The database will hold ") +
                       count(counts.held, "record.", "records.");
    if (counts.skipped > 0)
        text += " " + count(counts.skipped, "row", "rows") + (done ? " skipped" : " to skip") +
                ": the date or the price could not be read (the first is row " +
                std::to_string(counts.firstSkippedLine) + ").";
    if (counts.leftOut > 0 || counts.ownDropped > 0) {
        const char* verb = done ? "" : " to be";
        text += " ";
        if (counts.leftOut > 0)
            text += count(counts.leftOut, "older week", "older weeks") + " of the file" + verb + " left out";
        if (counts.leftOut > 0 && counts.ownDropped > 0) text += " and ";
        if (counts.ownDropped > 0)
            text += std::to_string(counts.ownDropped) + " of the database's own oldest records" + verb +
                    " given up";
        text += ": a database holds at most " + std::to_string(kMaxRecords) + " records.";
    }
    return text;
}

std::optional<DateOrder> dateOrderNamed(std::string_view name) {
    const std::string key = headingKey(name);
    if (key == "dmy") return DateOrder::DayMonthYear;
    if (key == "mdy") return DateOrder::MonthDayYear;
    if (key == "ymd") return DateOrder::YearMonthDay;
    return std::nullopt;
}

} // namespace brisk
