// The database printout, page for page as it printed before its records were laid out from the
// record table's description: with and without earnings, more earnings than records, many pages.
#include "tests/support/golden.h"
#include "valuedb/core/database_printout.h"

using namespace brisk;

namespace {

ValueDatabase weekly(int records, int earnings) {
    ValueDatabase db;
    db.DbTitle = "Growth Fund A";
    Date date{std::chrono::year(2026), std::chrono::month(11), std::chrono::day(27)};
    for (int i = 0; i < records; ++i) {
        db.records.push_back({i + 1, date, cutToCents(20 + (i % 17) * 1.37 + i * 0.05)});
        date = std::chrono::sys_days(date) - std::chrono::days(7);
    }
    for (int j = 0; j < earnings; ++j)
        db.earnings[j] = {2025 - j, 1.25 + j * 0.4};
    db.EarnCount = earnings;
    return db;
}

} // namespace

TEST(DatabasePrintoutGolden, EveryShapeAsBefore) {
    struct Case {
        const char* name;
        ValueDatabase db;
        int font;
        const char* dates;
    };
    ValueDatabase gap = weekly(12, 4);
    gap.earnings[1] = {}; // a gap in the earnings closes up in print
    const Case cases[] = {
        {"database_earnings", weekly(20, 5), 0, "M/d/yyyy"},
        {"database_no_earnings", weekly(9, 0), 1, "dd.MM.yyyy"},
        {"database_more_earnings_than_records", weekly(3, 5), 0, "yyyy-MM-dd"},
        {"database_earnings_gap", gap, 2, "M/d/yyyy"},
        {"database_many_pages", weekly(140, 3), 3, "d/M/yyyy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        brisk::testing::expectGolden(
            "valuedb", c.name,
            databasePrintout(c.db, {"Weekly values", "$", c.font, shortDateFormFromPattern(c.dates)}));
    }
}
