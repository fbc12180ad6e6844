// The value database at its largest: loading a 1,000-record file, computing the sheet, and
// sorting a table that is in reverse order.
#include "bench/timing.h"
#include "valuedb/core/averages.h"
#include "valuedb/core/value_database.h"

#include <algorithm>
#include <cstdio>

using namespace brisk;

int main() {
    ValueDatabase db;
    db.DbTitle = "Bench";
    db.earnings[0] = {2025, 1.5};
    db.earnings[1] = {2024, 1.4};
    db.EarnCount = 2;
    const Date newest{std::chrono::year(2026), std::chrono::month(11), std::chrono::day(27)};
    for (int i = 0; i < kMaxRecords; ++i)
        db.records.push_back({i + 1, addDays(newest, -7 * i), 10 + (i % 37) * 0.25});
    const std::string bytes = zrkBytes(db);
    volatile int sink = 0;
    const double load = medianMs(51, [&] { sink = sink + parseZrk(bytes)->RecordCount(); });
    const double sheet = medianMs(51, [&] { sink = sink + computeSheet(db, {}).figures->records; });
    ValueDatabase reversed = db;
    std::reverse(reversed.records.begin(), reversed.records.end());
    const double sort = medianMs(51, [&] {
        ValueDatabase copy = reversed;
        sortRecords(copy);
        sink = sink + copy.RecordCount();
    });
    std::printf("load 1,000 records (%zu bytes): %.3f ms (median)\n", bytes.size(), load);
    std::printf("compute the sheet:               %.3f ms (median)\n", sheet);
    std::printf("sort 1,000 reversed records:     %.3f ms (median)\n", sort);
    return 0;
}
