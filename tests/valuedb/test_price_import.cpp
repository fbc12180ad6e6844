// Price history from CSV exports, reduced to a value a week and merged into a database. The files
// are written here in the published layouts of finance portals and brokers; the weeks expected are
// computed here from the rows (a reference loop: the latest row of each Monday-to-Sunday week, its
// price rounded half to even in integer arithmetic), never by the import's own code. 30 Dec 2024 is
// a Monday.
#include "valuedb/core/price_import.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <fstream>
#include <map>
#include <unistd.h>

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

void PrintTo(const Week& week, std::ostream* out) {
    *out << isoDateText(week.date) << " " << week.value;
}

std::vector<Week> weeksOf(const ValueDatabase& db) {
    std::vector<Week> out;
    for (const ValueRecord& r : db.records)
        out.push_back({r.date, r.value});
    return out;
}

PriceImport imported(const ValueDatabase& db, std::string_view csv, PriceImportOptions options = {}) {
    const PriceTable table = readPriceTable(csv, options);
    EXPECT_FALSE(table.problem) << csv << "\n" << (table.problem ? table.problem->text : "");
    return table.problem ? PriceImport{} : mergePrices(db, table);
}

// A day's price as a portal writes it, in millionths: 104.599998 is 104599998.
struct DailyPrice {
    Date date;
    std::int64_t micros;
};

// Trading days (Monday to Friday) from 23 Dec 2024 to 17 Jan 2025, with a Sunday row once, at
// prices whose digits beyond the cent round up, down, and to even from odd and from even cents; one
// week above a million, to be grouped.
std::vector<DailyPrice> dailyPrices() {
    const std::int64_t beyondTheCent[] = {9'998, 5'000, 5'000, 4'999, 5'001, 0};
    std::vector<DailyPrice> rows;
    int k = 0;
    for (sys_days d = sys_days(ymd(2024, 12, 23)); d <= sys_days(ymd(2025, 1, 17)); d += days(1), ++k) {
        const weekday wd(d);
        if (wd == Saturday || (wd == Sunday && Date(d) != ymd(2025, 1, 5))) continue;
        const std::int64_t cents = 10'459 + 137 * k + (k == 9 ? 100'000'000 : 0);
        rows.push_back({Date(d), cents * 10'000 + beyondTheCent[k % 6]});
    }
    return rows;
}

// The reference: each week's latest row, its price as written (`decimals` of them) rounded to the
// cent, half to even.
std::vector<Week> expectedWeeks(const std::vector<DailyPrice>& rows, int decimals) {
    std::map<sys_days, DailyPrice> weeks;
    for (const DailyPrice& row : rows) {
        const sys_days d(row.date);
        const sys_days monday = d - (weekday(d) - Monday);
        if (!weeks.contains(monday) || weeks[monday].date < row.date) weeks[monday] = row;
    }
    std::int64_t unwritten = 1;
    for (int i = decimals; i < 6; ++i)
        unwritten *= 10;
    std::vector<Week> out;
    for (auto it = weeks.rbegin(); it != weeks.rend(); ++it) {
        const std::int64_t written = it->second.micros - it->second.micros % unwritten;
        const std::int64_t whole = written / 10'000, rest = written % 10'000;
        const std::int64_t cents = whole + (rest > 5'000 || (rest == 5'000 && whole % 2 == 1));
        out.push_back({it->second.date, static_cast<double>(cents) / 100});
    }
    return out;
}

std::string twoDigits(unsigned n) {
    return (n < 10 ? "0" : "") + std::to_string(n);
}

const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string dayOf(Date d) {
    return twoDigits(static_cast<unsigned>(d.day()));
}
std::string monthOf(Date d) {
    return twoDigits(static_cast<unsigned>(d.month()));
}
std::string yearOf(Date d) {
    return std::to_string(static_cast<int>(d.year()));
}
std::string monthName(Date d) {
    return kMonths[static_cast<unsigned>(d.month()) - 1];
}

// The price with its six decimals, grouped by thousands with `group`, the decimal mark `mark`.
std::string priceText(std::int64_t micros, char mark, const std::string& group = "", int decimals = 6) {
    std::string whole = std::to_string(micros / 1'000'000);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0 && !group.empty(); at -= 3)
        whole.insert(static_cast<std::size_t>(at), group);
    std::string fraction = std::to_string(1'000'000 + micros % 1'000'000).substr(1);
    return whole + mark + fraction.substr(0, static_cast<std::size_t>(decimals));
}

struct Layout {
    const char* name;
    const char* header;
    std::function<std::string(const DailyPrice&)> row;
    int decimals = 6; // of the prices as written
    PriceImportOptions options = {};
    bool newestFirst = true;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << layout.name;
}

class PriceLayouts : public testing::TestWithParam<Layout> {};

TEST_P(PriceLayouts, EachWeekToTheCentAndTheDay) {
    const Layout& layout = GetParam();
    auto rows = dailyPrices();
    std::string csv = layout.header;
    if (layout.newestFirst) std::reverse(rows.begin(), rows.end());
    for (const DailyPrice& row : rows)
        csv += layout.row(row);
    // The locale is never asked: a German one changes nothing.
    for (const char* locale : {"C", "de_DE.UTF-8"}) {
        std::setlocale(LC_ALL, locale);
        EXPECT_EQ(weeksOf(imported(ValueDatabase{}, csv, layout.options).db),
                  expectedWeeks(rows, layout.decimals))
            << csv;
    }
    std::setlocale(LC_ALL, "C");
}

INSTANTIATE_TEST_SUITE_P(
    PriceImport, PriceLayouts,
    testing::Values(
        // A portal's daily history: ISO dates, six decimals, an adjusted close beside the close.
        Layout{"portal_daily", "Date,Open,High,Low,Close,Adj Close,Volume\n",
               [](const DailyPrice& p) {
                   return isoDateText(p.date) + ",1.0,1.0,1.0," + priceText(p.micros, '.') + ",2.5,1000\n";
               }},
        // An exchange's layout: "Close/Last" with a dollar sign, month first, a day above 12 tells.
        Layout{"close_last", "Date,Close/Last,Volume,Open,High,Low\r\n",
               [](const DailyPrice& p) {
                   return monthOf(p.date) + "/" + dayOf(p.date) + "/" + yearOf(p.date) + ",$" +
                          priceText(p.micros, '.', ",", 2) + ",100,$1.00,$1.00,$1.00\r\n";
               },
               2},
        // Quoted month names and grouped thousands under "Price".
        Layout{"month_names", "\"Date\",\"Price\",\"Open\",\"High\",\"Low\",\"Vol.\",\"Change %\"\n",
               [](const DailyPrice& p) {
                   return "\"" + monthName(p.date) + " " + dayOf(p.date) + ", " + yearOf(p.date) + "\",\"" +
                          priceText(p.micros, '.', ",", 3) +
                          "\",\"1.00\",\"1.00\",\"1.00\",\"1.2M\",\"0.5%\"\n";
               },
               3},
        // A European broker: semicolons, day first with dots, decimal commas grouped by points.
        Layout{"european",
               "\xEF\xBB\xBF"
               "Datum;Er\xC3\xB6"
               "ffnung;Schluss;Volumen\r\n",
               [](const DailyPrice& p) {
                   return dayOf(p.date) + "." + monthOf(p.date) + "." + yearOf(p.date) + ";1,00;" +
                          priceText(p.micros, ',', ".", 4) + ";1.000\r\n";
               },
               4},
        // A UK fund: day first with slashes, the net asset value in pence and pounds, a pound sign.
        Layout{"uk_fund",
               "Date,NAV,Currency\n",
               [](const DailyPrice& p) {
                   return dayOf(p.date) + "/" + monthOf(p.date) + "/" + yearOf(p.date) + ",\xC2\xA3" +
                          priceText(p.micros, '.') + ",GBP\n";
               },
               6,
               {},
               false},
        // Tabs, "04-Dec-2026" and a euro sign after the value, named by the command line's options.
        Layout{"tabs",
               "Day\tFund\tLast price\n",
               [](const DailyPrice& p) {
                   return dayOf(p.date) + "-" + monthName(p.date) + "-" + yearOf(p.date) + "\tX\t" +
                          priceText(p.micros, '.') + " \xE2\x82\xAC\n";
               },
               6,
               {.dateColumn = "day", .valueColumn = "3"}}),
    [](const testing::TestParamInfo<Layout>& info) { return info.param.name; });

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
    const PriceImport result = imported(ValueDatabase{}, csv);
    EXPECT_EQ(
        weeksOf(result.db),
        (std::vector<Week>{{ymd(2025, 1, 7), 17.07}, {ymd(2025, 1, 5), 17.05}, {ymd(2024, 12, 29), 16.29}}));
    for (int i = 0; i < result.db.RecordCount(); ++i)
        EXPECT_EQ(result.db.records[i].number, i + 1);
    EXPECT_EQ(result.counts.added, 3);
    EXPECT_EQ(result.db.DbChanged, 1);
}

// A week the database has is replaced (date and value); other records, the title and the earnings
// stay as they were; the preview's weeks say which.
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
    ASSERT_EQ(result.weeks.size(), 2u);
    EXPECT_EQ(result.weeks[0].fate, ImportedWeek::Fate::Added);
    EXPECT_EQ(result.weeks[1].fate, ImportedWeek::Fate::Replaced);
    EXPECT_EQ(result.weeks[1].replaced->value, 10.00);
    EXPECT_EQ(result.db.DbTitle, "XYZ Fund");
    EXPECT_EQ(result.db.earnings[0].amount, 1.25);
    EXPECT_EQ(result.db.EarningsFactor, 12);
}

// At most 1,000 records: the counts say what the database keeps, and the database's own records
// given up are counted apart from the file's weeks left out; on both sides of the limit.
TEST(PriceImport, TheThousandLimitCountsWhatIsKept) {
    struct Case {
        int own, fileWeeks, overlap; // the file's oldest `overlap` weeks are weeks the database has
        int added, replaced, leftOut, ownDropped;
    } cases[] = {
        {0, 1100, 0, 1000, 0, 100, 0}, {0, 1000, 0, 1000, 0, 0, 0}, {0, 1001, 0, 1000, 0, 1, 0},
        {990, 21, 0, 21, 0, 0, 11},    {990, 10, 0, 10, 0, 0, 0},   {990, 11, 0, 11, 0, 0, 1},
        {990, 21, 5, 16, 5, 0, 6},
    };
    const Date newest = ymd(2024, 12, 27); // a Friday
    for (const Case& c : cases) {
        ValueDatabase db;
        for (int i = 0; i < c.own; ++i)
            db.records.push_back({i + 1, addDays(newest, -7 * i), 5.0});
        std::string csv = "Date,Close\n";
        for (int i = 0; i < c.fileWeeks; ++i)
            csv += isoDateText(addDays(newest, 7 * (c.fileWeeks - c.overlap - i))) + ",6\n";
        const PriceImport result = imported(db, csv);
        const auto& n = result.counts;
        const std::string label = std::to_string(c.own) + "+" + std::to_string(c.fileWeeks);
        EXPECT_EQ(n.added, c.added) << label;
        EXPECT_EQ(n.replaced, c.replaced) << label;
        EXPECT_EQ(n.leftOut, c.leftOut) << label;
        EXPECT_EQ(n.ownDropped, c.ownDropped) << label;
        EXPECT_EQ(n.held, std::min(kMaxRecords, c.own + c.fileWeeks - c.overlap)) << label;
        EXPECT_EQ(result.db.RecordCount(), n.held) << label;
        EXPECT_EQ(static_cast<int>(result.dropped.size()), c.ownDropped) << label;
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
                      "2024-02-09 16:00:00,\"1,234.565\"\n"; // a time, grouping, half to even
    const PriceImport result = imported(ValueDatabase{}, csv);
    EXPECT_EQ(weeksOf(result.db), (std::vector<Week>{{ymd(2024, 2, 9), 1234.56}, {ymd(2024, 1, 5), 10.5}}));
    EXPECT_EQ(result.counts.skipped, 7);
    EXPECT_EQ(importSummary(result.counts),
              "2 weeks imported: 2 added, 0 replaced. The database holds 2 records. 7 rows skipped: the date "
              "or the price could not be read (the first is row 3).");
}

// Numbers-only dates that read both ways are not guessed: the order must be said, and then each
// reads as told. A file whose dates tell both orders apart is refused as mixed.
TEST(PriceImport, AmbiguousDatesAreAskedNotGuessed) {
    const char* csv = "Date,Close\n04/05/2026,10\n05/06/2026,11\n";
    const PriceTable unsaid = readPriceTable(csv, {});
    ASSERT_TRUE(unsaid.problem);
    EXPECT_EQ(unsaid.problem->kind, PriceFileProblem::Kind::AmbiguousDates);
    EXPECT_EQ(unsaid.problem->text,
              "The dates read both day first and month first (row 2 has \"04/05/2026\").");
    EXPECT_EQ(weeksOf(imported({}, csv, {.dateOrder = DateOrder::DayMonthYear}).db),
              (std::vector<Week>{{ymd(2026, 6, 5), 11}, {ymd(2026, 5, 4), 10}}));
    EXPECT_EQ(weeksOf(imported({}, csv, {.dateOrder = DateOrder::MonthDayYear}).db),
              (std::vector<Week>{{ymd(2026, 5, 6), 11}, {ymd(2026, 4, 5), 10}}));
    // One day above 12 settles the whole file, on either side.
    EXPECT_EQ(weeksOf(imported({}, "Date,Close\n04/05/2026,10\n13/05/2026,11\n").db).back().date,
              ymd(2026, 5, 4));
    EXPECT_EQ(weeksOf(imported({}, "Date,Close\n04/05/2026,10\n05/13/2026,11\n").db).back().date,
              ymd(2026, 4, 5));
    const PriceTable mixed = readPriceTable("Date,Close\n13/05/2026,10\n05/14/2026,11\n", {});
    ASSERT_TRUE(mixed.problem);
    EXPECT_EQ(mixed.problem->kind, PriceFileProblem::Kind::MixedDates);
    EXPECT_EQ(dateOrderNamed("dmy"), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrderNamed("MDY"), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrderNamed("YMD"), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrderNamed("DM"), std::nullopt);
}

// A file without prices says what is wrong with it: what was looked for and what was found.
TEST(PriceImport, EachProblemSaysWhatIsWrong) {
    using Kind = PriceFileProblem::Kind;
    const struct {
        const char* csv;
        PriceImportOptions options;
        Kind kind;
        const char* text;
    } cases[] = {
        {"", {}, Kind::NoColumn, "The file is empty: no headings, no prices."},
        {"Date,Close\n", {}, Kind::NoDates, "The file has headings but no prices."},
        {"Day,Open,Volume\n2024-01-05,10,5\n",
         {},
         Kind::NoColumn,
         "No column of prices: looked for Close, Close/Last, Price, Last, Value, NAV and Adj Close; the "
         "file's headings are \"Day\", \"Open\", \"Volume\"."},
        {"Date,Close\n2024-01-05,10\n",
         {.valueColumn = "4"},
         Kind::NoColumn,
         "No column \"4\" for the prices; the file's headings are \"Date\", \"Close\"."},
        {"When,Close\nsoon,10\n",
         {},
         Kind::NoColumn,
         "No column of dates: looked for Date and for dates in the first row; the file's headings are "
         "\"When\", \"Close\"."},
        {"Date,Close\nsoon,later\n2024-13-40,1\n",
         {},
         Kind::NoDates,
         "No date could be read in column \"Date\": row 2 has \"soon\"; dates are read as 2026-12-04, "
         "04.12.2026, 04/12/2026, 12/04/2026, Dec 04, 2026 or 04-Dec-2026."},
        {"Date,Close\n2024-01-05,n/a\n",
         {},
         Kind::NoValues,
         "No price could be read in column \"Close\": row 2 has \"n/a\"."},
    };
    for (const auto& c : cases) {
        const PriceTable table = readPriceTable(c.csv, c.options);
        ASSERT_TRUE(table.problem) << c.csv;
        EXPECT_EQ(table.problem->kind, c.kind) << c.csv;
        EXPECT_EQ(table.problem->text, c.text);
        EXPECT_TRUE(table.points.empty());
    }
    EXPECT_EQ(readPriceFile("/nonexistent/prices.csv", {}).problem->kind, Kind::Unreadable);
}

// Lines above the headings (a broker's account and period) are passed over, and rows keep the
// numbers of their lines in the file; a column found stays found when the other is not.
TEST(PriceImport, APreambleAboveTheHeadingsIsPassedOver) {
    const char* csv = "Account: 1234,\nPeriod: 2026,\nDate,Close\n2026-12-04,10\nfoo,1\n";
    const PriceTable table = readPriceTable(csv, {});
    ASSERT_FALSE(table.problem);
    ASSERT_EQ(table.points.size(), 1u);
    EXPECT_EQ(table.points[0].line, 4);
    EXPECT_EQ(table.firstSkippedLine, 5);
    const PriceTable noPrices = readPriceTable("Day,Open,Volume\n2024-01-05,10,5\n", {});
    EXPECT_EQ(noPrices.dateColumn, 0u);
    EXPECT_EQ(noPrices.valueColumn, std::nullopt);
}

// Prices are rounded to the cent, half to even, from their text: never cut, never through a double.
TEST(PriceImport, PricesRoundHalfToEvenFromTheirText) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"104.599998", 104.60},
        {"104.594999", 104.59},
        {"0.125", 0.12},
        {"0.135", 0.14},
        {"0.1250001", 0.13},
        {"1,245.30", 1245.30},
        {"$105.61", 105.61},
        {"105.61 USD", 105.61},
        {"262144.045", 262144.04},
        {".5", 0.5},
        {"1'234.50", 1234.50},
        {"0.004", 0},
        {"99999999999.99", 99999999999.99},
        {"100000000000.01", 0},
    };
    for (const auto& c : cases) {
        const PriceTable table =
            readPriceTable(std::string("Date,Close\n2024-01-05,\"") + c.text + "\"\n", {});
        if (c.value == 0) {
            EXPECT_TRUE(table.problem) << c.text;
            continue;
        }
        ASSERT_EQ(table.points.size(), 1u) << c.text;
        EXPECT_EQ(valueFromCents(table.points[0].cents), c.value) << c.text;
    }
}

// The editor's cut to cents, over a sweep of values from 262,144 up where a product with 100 loses
// a cent, against the cut made on the decimal digits in integer arithmetic.
TEST(PriceImport, TheCutToCentsKeepsEveryCentOfLargeValues) {
    for (std::int64_t cents = 26'214'400; cents < 26'214'400 + 200'000; ++cents) {
        for (const int third : {0, 9}) {
            const std::string text =
                std::to_string(cents / 100) + "." + twoDigits(cents % 100) + std::to_string(third);
            const double typed = std::strtod(text.c_str(), nullptr);
            const std::string centsText = std::to_string(cents / 100) + "." + twoDigits(cents % 100);
            ASSERT_EQ(cutToCents(typed), std::strtod(centsText.c_str(), nullptr)) << text;
        }
    }
    EXPECT_EQ(cutToCents(14.379), 14.37);
    EXPECT_EQ(cutToCents(-14.379), -14.37);
    EXPECT_EQ(cutToCents(0.009), 0);
}

// A file of exactly the largest size read is read whole; a byte more is refused unread (64 MiB,
// far beyond any export of one investment's daily prices). Made sparse: no bytes are written.
TEST(PriceImport, TheSizeLimitAtItsEdge) {
    constexpr std::uintmax_t kLargest = 64u << 20;
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("brisk-prices-" + std::to_string(::getpid()) + ".csv");
    std::ofstream(file) << "Date,Close\n";
    std::filesystem::resize_file(file, kLargest);
    const auto read = priceFileText(file);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), kLargest);
    EXPECT_TRUE(read->starts_with("Date,Close\n"));
    std::filesystem::resize_file(file, kLargest + 1);
    EXPECT_FALSE(priceFileText(file));
    EXPECT_EQ(readPriceFile(file, {}).problem->kind, PriceFileProblem::Kind::Unreadable);
    std::filesystem::remove(file);
}

TEST(PriceImport, SummaryWordsEachCount) {
    EXPECT_EQ(importSummary({.added = 1, .held = 1}),
              "1 week imported: 1 added, 0 replaced. The database holds 1 record.");
    EXPECT_EQ(importSummary({.added = 21, .ownDropped = 11, .held = 1000}, Tense::Planned),
              "21 weeks to import: 21 to add, 0 to replace. The database will hold 1000 records. 11 of the "
              "database's own oldest records to be given up: a database holds at most 1000 records.");
    EXPECT_EQ(importSummary({.added = 900,
                             .replaced = 100,
                             .skipped = 1,
                             .firstSkippedLine = 4,
                             .leftOut = 12,
                             .held = 1000}),
              "1000 weeks imported: 900 added, 100 replaced. The database holds 1000 records. 1 row skipped: "
              "the date or the price could not be read (the first is row 4). 12 older weeks of the file left "
              "out: a database holds at most 1000 records.");
}

} // namespace
