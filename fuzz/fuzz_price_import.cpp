// A price file, if the import accepts it, merged into a database of a few weeks and then through
// all the program does with a database; the import's own promises are checked on the way.
#include "app/core/text_table.h"
#include "database_path.h"
#include "valuedb/core/price_import.h"

#include <charconv>
#include <set>

namespace {

using namespace brisk;
using namespace std::chrono;

// The value has no more than two decimals.
bool wholeCents(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed).ptr;
    const std::string_view digits(text, static_cast<std::size_t>(end - text));
    const auto point = digits.find('.');
    return point == std::string_view::npos || digits.size() - point - 1 <= 2;
}

// The row the point came from holds its year in the dates' column.
bool dateInFile(const CsvRows& rows, const PriceTable& table, const PricePoint& point) {
    if (point.line < 2 || static_cast<std::size_t>(point.line) > rows.rows.size()) return false;
    const auto& row = rows.rows[point.line - 1];
    if (!table.dateColumn || row.size() <= *table.dateColumn) return false;
    const int y = static_cast<int>(point.date.year());
    const std::string& field = row[*table.dateColumn];
    return field.find(std::to_string(y)) != std::string::npos ||
           field.find(std::to_string(y).substr(2)) != std::string::npos;
}

void check(bool promise) {
    if (!promise) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    ValueDatabase db;
    db.DbTitle = "Held";
    for (int i = 0; i < 5; ++i)
        db.records.push_back({i + 1, addDays(Date{year(2024), month(1), day(5)}, -7 * i), 10.0 + i});
    const std::string_view csv(reinterpret_cast<const char*>(data), size);
    const CsvRows rows = parseCsv(csv);
    for (const auto order : {std::optional<DateOrder>(), std::optional(DateOrder::MonthDayYear)}) {
        const PriceTable table = readPriceTable(csv, {.dateOrder = order});
        check(table.problem.has_value() == table.points.empty());
        if (table.problem) continue;
        check(table.problem || !table.dateForm.empty());
        for (const PricePoint& point : table.points) {
            check(point.date > kDeletionMarker && point.date.year() <= year(9999));
            check(dateInFile(rows, table, point));
            check(point.cents > 0 && wholeCents(valueFromCents(point.cents)));
        }
        const PriceImport result = mergePrices(db, table);
        const PriceImportCounts& counts = result.counts;
        std::set<sys_days> weeks;
        for (const PricePoint& point : table.points)
            weeks.insert(sys_days(point.date) - (weekday(sys_days(point.date)) - Monday));
        check(counts.added + counts.replaced + counts.leftOut == static_cast<int>(weeks.size()));
        check(counts.held == result.db.RecordCount() && counts.held <= kMaxRecords);
        check(counts.held == 5 + counts.added - counts.ownDropped);
        check(result.db.DbTitle == "Held");
        for (int i = 0; i < result.db.RecordCount(); ++i) {
            const ValueRecord& r = result.db.records[i];
            check(r.number == i + 1 && r.value > 0 && wholeCents(r.value));
            check(i == 0 || result.db.records[i - 1].date >= r.date);
        }
        fuzzing::checkDatabasePath(result.db);
    }
    return 0;
}
