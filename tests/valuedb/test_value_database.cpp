// The value database: its file, the editor's rules, the sort and extract, the sheet.
#include "valuedb/core/averages.h"
#include "valuedb/core/value_database.h"

#include <gtest/gtest.h>
#include <random>

#include <algorithm>
#include <numeric>

using namespace brisk;
using namespace std::chrono;

namespace {

Date day0() {
    return Date{year(2002), month(3), day(1)};
}
const ShortDateForm iso;

// Weekly values, the first given the newest, ending at 2002-03-01.
ValueDatabase weekly(std::vector<double> newestFirst) {
    ValueDatabase db;
    for (std::size_t i = 0; i < newestFirst.size(); ++i)
        db.records.push_back(
            {static_cast<int>(i) + 1, addDays(day0(), -7 * static_cast<int>(i)), newestFirst[i]});
    return db;
}

// The same with its earnings, latest first.
ValueDatabase withEarnings(std::vector<double> newestFirst, std::vector<EarningsRow> earnings) {
    ValueDatabase db = weekly(std::move(newestFirst));
    for (std::size_t k = 0; k < earnings.size(); ++k)
        db.earnings[k] = earnings[k];
    db.EarnCount = static_cast<int>(earnings.size());
    return db;
}

} // namespace

TEST(ZrkFile, RoundTripNewestFirstAndTheLayout) {
    ValueDatabase db = weekly({14.37, 13.9, 12});
    db.DbTitle = "XYZ Fund";
    EXPECT_EQ(zrkBytes(db),
              "3,0,\"XYZ Fund\",10\r\n1,#2002-03-01#,14.37\r\n2,#2002-02-22#,13.9\r\n3,#2002-02-15#,12\r\n");
    db.earnings[0] = {2001, 1.25};
    db.earnings[2] = {1999, 0.9}; // a gap: the filled rows are saved in order
    db.records[0].number.reset();
    const auto back = parseZrk(zrkBytes(db));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->EarnCount, 2);
    EXPECT_EQ(back->earnings[1].year, 1999);
    EXPECT_EQ(back->records[0].date, day0());
    EXPECT_FALSE(back->records[0].number.has_value());
    EXPECT_EQ(back->records[2].value, 12.0);
    EXPECT_EQ(zrkBytes(*back.value), zrkBytes(*parseZrk(zrkBytes(*back.value)).value));
}

TEST(ZrkFile, DamagedFilesAreRefused) {
    std::string full = "1001,0,\"big\",10\r\n";
    for (int i = 0; i < 1001; ++i)
        full += ",#2002-03-01#,1\r\n";
    for (const std::string& bad :
         {std::string(""), std::string("3,0,\"t\",10\r\n,#2002-03-01#,1\r\n"), full,
          std::string("1,6,\"t\",10\r\n"), std::string("1,0,\"t\",10\r\n,#2002-02-30#,1\r\n"),
          std::string("1,0,\"t\",10\r\n,#2002-03-01#,abc\r\n"),
          std::string("1,0,\"t\",10\r\n,#1500-02-19#,5\r\n"),
          std::string("\"t\",1,0,10\r\n,#2002-03-01#,1\r\n"), std::string("\x01\xff\x00", 3)})
        EXPECT_EQ(parseZrk(bad).message, Msg::BadFile) << bad.substr(0, 40);
    // A title holding a double quote, written by another program, still loads.
    EXPECT_TRUE(parseZrk("1,0,\"A \"B\" fund\",10\r\n,#2002-03-01#,1\r\n"));
}

TEST(Editor, AddingCorrectingInsertingDeleting) {
    ValueDatabase db;
    EXPECT_EQ(addRecord(db, day0(), 0), Msg::NoCompleteRecord);
    EXPECT_EQ(addRecord(db, std::nullopt, 5), Msg::WrongDate);
    EXPECT_EQ(addRecord(db, kDeletionMarker, 5), Msg::WrongDate);
    ASSERT_EQ(addRecord(db, day0(), 12.345), Msg::None);
    EXPECT_EQ(db.records[0].value, 12.34);
    EXPECT_EQ(db.DbChanged, 1);
    ASSERT_EQ(addRecord(db, addDays(day0(), 7), 14.37), Msg::None);
    EXPECT_EQ(db.records[0].value, 14.37); // cut, not 14.36
    EXPECT_EQ(correctRecord(db, 1, addDays(day0(), 8), 15),
              Msg::DateAfterLastRecord); // later than the newest
    EXPECT_EQ(correctRecord(db, 3, day0(), 15), Msg::NoSuchRecord);
    db.DbChanged = 0;
    ASSERT_EQ(correctRecord(db, 2, addDays(day0(), -7), 11), Msg::None);
    EXPECT_EQ(db.DbChanged, 1);
    ASSERT_EQ(insertRecord(db, addDays(day0(), 3), 13), Msg::None);
    EXPECT_EQ(db.RecordCount(), 3);
    EXPECT_EQ(db.records[1].value, 13.0); // sorted in by date
    EXPECT_EQ(db.records[1].number, 2);
    ASSERT_EQ(deleteRecord(db, 2), Msg::None);
    ASSERT_EQ(db.RecordCount(), 2);
    EXPECT_EQ(db.records[1].value, 11.0);
}

TEST(Editor, AFullDatabaseRefusesAnotherRecord) {
    ValueDatabase db;
    for (int i = 0; i < kMaxRecords; ++i)
        db.records.push_back({i + 1, addDays(day0(), -i), 1});
    EXPECT_EQ(addRecord(db, addDays(day0(), 1), 5), Msg::DatabaseFull);
    EXPECT_EQ(db.RecordCount(), kMaxRecords);
    EXPECT_TRUE(parseZrk(zrkBytes(db))); // and it loads back
}

TEST(SortAndExtract, NewestFirstNumberedAndARange) {
    ValueDatabase db;
    for (int d : {3, 9, 1, 7, 5})
        db.records.push_back({std::nullopt, addDays(day0(), d), double(d)});
    sortRecords(db);
    const double expected[] = {9, 7, 5, 3, 1};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(db.records[i].value, expected[i]);
        EXPECT_EQ(db.records[i].number, i + 1);
    }
    ValueDatabase ten = weekly({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    const auto part = extractRecords(ten, 3, 5);
    ASSERT_TRUE(part);
    ASSERT_EQ(part->RecordCount(), 3);
    EXPECT_EQ(part->records[0].value, 8.0);
    EXPECT_EQ(part->records[2].number, 3);
    EXPECT_EQ(part->DbTitle, "Extracted");
    EXPECT_EQ(extractRecords(ten, 6, 5).message, Msg::LowAboveHigh);
}

// Any order in: newest first out, numbered 1 to n, deleted records gone. The expected order comes
// from the dates themselves (std::sort), over orders the sort's gaps treat differently.
TEST(SortAndExtract, AnyOrderEndsNewestFirst) {
    std::mt19937 random(11);
    for (int n : {1, 2, 7, 33, 130, 1000}) {
        for (const char* order : {"oldest first", "newest first", "shuffled"}) {
            std::vector<int> days(n);
            std::iota(days.begin(), days.end(), 0);
            if (std::string(order) == "newest first") std::reverse(days.begin(), days.end());
            if (std::string(order) == "shuffled") std::shuffle(days.begin(), days.end(), random);
            ValueDatabase db;
            for (int d : days)
                db.records.push_back({std::nullopt, addDays(day0(), 7 * d), 1.0 + d});
            if (n > 2) db.records[1].date = kDeletionMarker; // a deleted record
            const int kept = n > 2 ? n - 1 : n;
            std::vector<Date> expected;
            for (const auto& r : db.records)
                if (r.date != kDeletionMarker) expected.push_back(r.date);
            std::sort(expected.rbegin(), expected.rend());
            sortRecords(db);
            ASSERT_EQ(db.RecordCount(), kept) << n << " " << order;
            for (int i = 0; i < kept; ++i) {
                EXPECT_EQ(db.records[i].date, expected[i]) << n << " " << order << " " << i;
                EXPECT_EQ(db.records[i].number, i + 1);
            }
        }
    }
}

TEST(Sheet, TheUpswingExample) {
    const ValueDatabase db = weekly({10, 9, 8, 7, 6, 5, 4, 3});
    const auto sheet = computeSheet(db, iso);
    ASSERT_TRUE(sheet.figures);
    const SheetFigures& f = *sheet.figures.value;
    EXPECT_EQ(f.averages[0], 9.5);
    EXPECT_EQ(f.averages[3], 6.5);
    const SheetTexts t = sheetTexts(f, db, "$", SheetPeriods::Weeks);
    EXPECT_EQ(t.highLastDiff, ".00%");
    EXPECT_EQ(t.lowLastDiff, "233.33%");
    EXPECT_EQ(t.averages[0], "9.50 ");
    EXPECT_EQ(t.averages[4], ".00 "); // 26 weeks: not reached
    EXPECT_EQ(t.periods.all, " 8 Weeks (All)");
    EXPECT_EQ(sheetTexts(f, db, "$", SheetPeriods::Values).periods.periods[0], " 2 Data values");
    EXPECT_EQ(t.riskCaption, "");
}

// The direction from the 2 and the 8 latest values, either side of equal and with too few; fewer
// than 8 values average what there is, and values below 1 still give the true high.
TEST(Sheet, MarketDirection) {
    const struct {
        std::vector<double> values;
        const char* direction;
    } cases[] = {{{10, 9, 8, 7, 6, 5, 4, 3}, "Upswing"},
                 {{3, 4, 5, 6, 7, 8, 9, 10}, "Downswing"},
                 {{5, 5, 5, 5, 5, 5, 5, 5}, "Sideways"},
                 {{1, 2, 3, 4, 5, 6, 7}, "Need 8 Points"}};
    for (const auto& c : cases)
        EXPECT_EQ(computeSheet(weekly(c.values), iso).figures->direction, c.direction) << c.direction;
    EXPECT_EQ(computeSheet(weekly({1, 2, 3, 4, 5, 6, 7}), iso).figures->avgAll, 4.0);
    EXPECT_EQ(computeSheet(weekly({0.2, 0.5, 0.9, 0.1}), iso).figures->high, 0.9);
    EXPECT_EQ(computeSheet(weekly({5}), iso).figures.message, Msg::TwoWeeksForRatios);
}

// The worked examples at 10 times earnings of 2, and both edges at zero: a risk of exactly 0
// remains, and a factor of 0 keeps the leading blank a number from nothing but a minus sign has.
TEST(Sheet, RiskFigures) {
    struct Case {
        double last, factor;
        const char *pe, *risk, *direction, *riskCaption, *target;
    };
    for (const Case& c :
         {Case{16, 10, "8.00  ", "25.00%", " Could Rise to:", " Risk at 10 times Earnings", "20.00  "},
          Case{30, 10, "15.00  ", "-33.33%", " Could Drop to:", " Risk at 10 times Earnings", "20.00  "},
          Case{16, 8, "8.00  ", ".00%", " Could Remain at:", " Risk at 8 times Earnings", "16.00  "},
          Case{16, 0, "8.00  ", "-100.00%", " Could Drop to:", " Risk at 0 times Earnings", ".00  "}}) {
        ValueDatabase db = withEarnings({c.last, 10, 10}, {{2001, 2}, {2000, 1.6}});
        db.EarningsFactor = static_cast<float>(c.factor);
        const auto sheet = computeSheet(db, iso);
        ASSERT_TRUE(sheet.figures);
        const SheetTexts t = sheetTexts(*sheet.figures.value, db, "$", SheetPeriods::Weeks);
        EXPECT_EQ(t.peRatio, c.pe);
        EXPECT_EQ(t.risk, c.risk);
        EXPECT_EQ(t.targetCaption, c.direction);
        EXPECT_EQ(t.target, c.target);
        EXPECT_EQ(t.riskCaption, c.riskCaption);
        EXPECT_EQ(t.riskBelowZero, c.risk[0] == '-');
        EXPECT_EQ(t.changes[0].caption, " Change 2000 - 2001");
        EXPECT_EQ(t.changes[0].value, "25.00%");
        EXPECT_EQ(t.changes[1].caption, "");
    }
}

TEST(Sheet, DivisionsByZeroAreMessage27WithTheDate) {
    const auto zero = computeSheet(weekly({5, 0, 3}), iso);
    EXPECT_EQ(zero.figures.message, Msg::CheckDataValues);
    EXPECT_EQ(zero.detail, "2002-02-15");
    // An earnings row without an amount is not a row: nothing divides by it.
    const ValueDatabase db = withEarnings({5, 4, 3}, {{2001, 2}, {2000, 0}});
    const auto sheet = computeSheet(db, iso);
    ASSERT_TRUE(sheet.figures);
    EXPECT_TRUE(sheet.figures->earnChanges.empty());
}

// Earnings changes are kept to four decimals; one too large for a currency value is message 27,
// not the end of the program. On both sides of the limit (922,337,203,685,477.5807).
TEST(Sheet, AnEarningsChangeTooLargeIsMessage27) {
    ValueDatabase db = withEarnings({5, 4, 3}, {{2001, 1e15}, {2000, 0.5}});
    const auto tooLarge = computeSheet(db, iso);
    EXPECT_EQ(tooLarge.figures.message, Msg::CheckDataValues);
    EXPECT_EQ(tooLarge.detail, "2002-02-15");
    db.earnings[0] = {2001, 4.6e14};
    const auto fits = computeSheet(db, iso);
    ASSERT_TRUE(fits.figures);
    EXPECT_DOUBLE_EQ(fits.figures->earnChanges[0], 9.2e14 - 1);
}

// The 4-decimal rounding of the changes, and the fourth change of five earnings rows.
TEST(Sheet, EarningsChangesToFourDecimals) {
    const ValueDatabase db =
        withEarnings({5, 4, 3}, {{2005, 3}, {2004, 2.5}, {2003, 2}, {2002, 1.5}, {2001, 1.2}});
    const auto sheet = computeSheet(db, iso);
    ASSERT_TRUE(sheet.figures);
    // 3/2.5 - 1 = 0.2; 2.5/2 - 1 = 0.25; 2/1.5 - 1 = 0.33333 -> 0.3333; 1.5/1.2 - 1 = 0.25
    EXPECT_EQ(sheet.figures->earnChanges, (std::vector<double>{0.2, 0.25, 0.3333, 0.25}));
    const SheetTexts t = sheetTexts(*sheet.figures.value, db, "$", SheetPeriods::Weeks);
    EXPECT_EQ(t.changes[3].caption, " Change 2001 - 2002");
    EXPECT_EQ(t.changes[3].value, "25.00%");
    EXPECT_EQ(t.changes[2].value, "33.33%");
    EXPECT_EQ(t.earningsCaption, " Annual Earnings 2005");
    EXPECT_EQ(t.latestEarnings, "$3.00  ");
}
