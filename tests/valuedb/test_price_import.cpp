// Price history from CSV exports, reduced to a value a week and merged into a database; the weeks
// and weekdays below are read off a calendar (30 Dec 2024 is a Monday).
#include "valuedb/core/price_import.h"

#include <gtest/gtest.h>

using namespace brisk;
using namespace std::chrono;

namespace {

Date ymd(int y, unsigned m, unsigned d) {
    return Date{year(y), month(m), day(d)};
}

struct Week {
    Date date;
    double value;
    bool operator==(const Week&) const = default;
};

std::vector<Week> weeksOf(const ValueDatabase& db) {
    std::vector<Week> out;
    for (const ValueRecord& r : db.records)
        out.push_back({r.date, r.value});
    return out;
}

PriceImport imported(const ValueDatabase& db, std::string_view csv, PriceImportOptions options = {}) {
    const auto result = importPrices(db, csv, options);
    EXPECT_TRUE(result) << csv;
    return result ? *result : PriceImport{};
}

} // namespace

// Daily rows, newest first as exports often give them, across a year's end: each Monday-to-Sunday
// week gives its latest row; a Sunday closes its week, the Monday after opens the next.
TEST(PriceImport, OneValueAWeekAcrossTheYearsEnd) {
    const char* csv = "Date,Open,High,Low,Close,Volume\n"
                      "2025-01-07,1,1,1,17.07,100\n"
                      "2025-01-06,1,1,1,17.06,100\n"
                      "2025-01-05,1,1,1,17.05,100\n" // Sunday
                      "2025-01-03,1,1,1,17.03,100\n"
                      "2025-01-02,1,1,1,17.02,100\n"
                      "2024-12-31,1,1,1,16.31,100\n"
                      "2024-12-30,1,1,1,16.30,100\n" // Monday
                      "2024-12-29,1,1,1,16.29,100\n" // Sunday
                      "2024-12-27,1,1,1,16.27,100\n"
                      "2024-12-23,1,1,1,16.23,100\n";
    ValueDatabase empty;
    const PriceImport result = imported(empty, csv);
    EXPECT_EQ(
        weeksOf(result.db),
        (std::vector<Week>{{ymd(2025, 1, 7), 17.07}, {ymd(2025, 1, 5), 17.05}, {ymd(2024, 12, 29), 16.29}}));
    for (int i = 0; i < result.db.RecordCount(); ++i)
        EXPECT_EQ(result.db.records[i].number, i + 1);
    EXPECT_EQ(result.counts.added, 3);
    EXPECT_EQ(result.counts.replaced, 0);
    EXPECT_EQ(result.counts.skipped, 0);
    EXPECT_EQ(result.db.DbChanged, 1);
}

// A week the database has is replaced (date and value); other records, the title and the earnings
// stay as they were.
TEST(PriceImport, ReplacesAWeekTheDatabaseHas) {
    ValueDatabase db;
    db.DbTitle = "XYZ Fund";
    db.earnings[0] = {2024, 1.25};
    db.EarnCount = 1;
    db.EarningsFactor = 12;
    db.records = {{1, ymd(2025, 1, 2), 10.00}, {2, ymd(2024, 11, 1), 9.00}};
    const PriceImport result = imported(db, "date,close\n2025-01-03,17.03\n2025-01-10,18.10\n");
    EXPECT_EQ(
        weeksOf(result.db),
        (std::vector<Week>{{ymd(2025, 1, 10), 18.10}, {ymd(2025, 1, 3), 17.03}, {ymd(2024, 11, 1), 9.00}}));
    EXPECT_EQ(result.counts.added, 1);
    EXPECT_EQ(result.counts.replaced, 1);
    EXPECT_EQ(result.db.DbTitle, "XYZ Fund");
    EXPECT_EQ(result.db.EarnCount, 1);
    EXPECT_EQ(result.db.earnings[0].amount, 1.25);
    EXPECT_EQ(result.db.EarningsFactor, 12);
}

// At most 1,000 records: the newest are kept and the rest counted; just at the limit nothing is.
TEST(PriceImport, KeepsTheNewestThousandWeeks) {
    for (const int existing : {990, 980}) {
        ValueDatabase db;
        for (int i = 0; i < existing; ++i)
            db.records.push_back({i + 1, addDays(ymd(2024, 12, 27), -7 * i), 5.0});
        std::string csv = "Date,Close\n";
        for (int i = 1; i <= 20; ++i)
            csv += isoDateText(addDays(ymd(2024, 12, 27), 7 * i)) + ",6\n";
        const PriceImport result = imported(db, csv);
        const int leftOut = existing + 20 - kMaxRecords;
        EXPECT_EQ(result.db.RecordCount(), std::min(existing + 20, kMaxRecords));
        EXPECT_EQ(result.counts.leftOut, std::max(leftOut, 0));
        EXPECT_EQ(result.counts.added, 20);
        EXPECT_EQ(result.db.records.front().date, addDays(ymd(2024, 12, 27), 140));
        EXPECT_EQ(result.db.records.back().date,
                  addDays(ymd(2024, 12, 27), -7 * (existing - 1 - std::max(leftOut, 0))));
    }
}

// Rows whose date or value cannot be read are skipped and counted; the rest import.
TEST(PriceImport, SkipsAndCountsRowsItCannotRead) {
    const char* csv = "Date,Close\n"
                      "2024-01-05,10.5\n"
                      "2024-13-01,11\n"  // no such month
                      "2024-01-12,n/a\n" // no value
                      "2024-01-19\n"     // a short row
                      "2024-01-26,0\n"   // no price
                      "2024-02-02,-3\n"
                      "yesterday,12\n"
                      "1400-02-02,12\n"                      // before any record can be
                      "2024-02-09 16:00:00,\"1,234.567\"\n"; // a time, grouping, a third decimal cut
    const PriceImport result = imported(ValueDatabase{}, csv);
    EXPECT_EQ(weeksOf(result.db), (std::vector<Week>{{ymd(2024, 2, 9), 1234.56}, {ymd(2024, 1, 5), 10.5}}));
    EXPECT_EQ(result.counts.skipped, 7);
    EXPECT_EQ(
        importSummary(result.counts),
        "2 weeks imported: 2 added, 0 replaced. 7 rows skipped: the date or the value could not be read.");
}

// A European export: semicolons, a byte-order mark, decimal commas, dates in the personal form,
// columns named in another language or by number.
TEST(PriceImport, SemicolonsByteOrderMarkAndPersonalDates) {
    const char* csv = "\xEF\xBB\xBF"
                      "Datum;Eröffnung;Schluss\r\n"
                      "05.01.2024;1,00;1.234,50\r\n"
                      "\"12.01.2024\";1,00;\"12,5\"\r\n";
    PriceImportOptions options;
    options.dateForm = shortDateFormFromPattern("dd.MM.yyyy");
    for (const auto& [date, value] : {std::pair{"datum", "SCHLUSS"}, std::pair{"1", " 3 "}}) {
        options.dateColumn = date;
        options.valueColumn = value;
        const PriceImport result = imported(ValueDatabase{}, csv, options);
        EXPECT_EQ(weeksOf(result.db),
                  (std::vector<Week>{{ymd(2024, 1, 12), 12.5}, {ymd(2024, 1, 5), 1234.5}}));
    }
}

// Nothing usable is message 13 and no database at all.
TEST(PriceImport, NoUsableRowIsMessage13) {
    PriceImportOptions byNumber;
    byNumber.valueColumn = "4";
    const std::pair<const char*, PriceImportOptions> cases[] = {
        {"", {}},
        {"Date,Close\n", {}},
        {"Date,Close\nsoon,later\n", {}},
        {"Day,Price\n2024-01-05,10\n", {}},        // no such heading
        {"Date,Close\n2024-01-05,10\n", byNumber}, // no fourth column
    };
    for (const auto& [csv, options] : cases) {
        const auto result = importPrices(ValueDatabase{}, csv, options);
        EXPECT_FALSE(result) << csv;
        EXPECT_EQ(result.message, Msg::BadFile) << csv;
    }
}

TEST(PriceImport, SummaryWordsEachCount) {
    EXPECT_EQ(importSummary({1, 0, 0, 0}), "1 week imported: 1 added, 0 replaced.");
    EXPECT_EQ(importSummary({900, 100, 1, 12}),
              "1000 weeks imported: 900 added, 100 replaced. 1 row skipped: the date or the value could not "
              "be read. 12 weeks left out, the oldest: a database holds at most 1000 records.");
}
