// The value database: one investment's weekly values (newest first) with up to five years of
// earnings and a times-earnings factor; its .zrk file; the sort, the extract and the editor's rules.
#pragma once

#include "app/core/dates.h"
#include "app/core/messages.h"
#include "app/core/outcome.h"
#include "app/core/result_table.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brisk {

inline constexpr int kMaxRecords = 1000;
inline constexpr int kMaxEarnings = 5;
// A record whose date is this marker is dropped by the sort; no real record may carry it.
inline const Date kDeletionMarker{std::chrono::year(1500), std::chrono::month(2), std::chrono::day(19)};

// Messages of the database besides the numbered ones.
std::string valueDbMessageText(Msg message, std::string_view detail = {}, std::string_view today = {});

struct ValueRecord {
    std::optional<int> number; // as the last sort numbered it; empty for a record added since
    Date date;
    double value = 0; // at most two decimals
};

struct EarningsRow {
    int year = 0;
    double amount = 0;
    bool filled() const { return year != 0 && amount != 0; }
};

struct ValueDatabase {
    std::vector<ValueRecord> records;                 // records[0] is record 1, the newest week
    std::array<EarningsRow, kMaxEarnings> earnings{}; // rows 1 to 5 as typed, latest year first
    int EarnCount = 0;
    std::string DbTitle;
    float EarningsFactor = 10;
    int DbChanged = 0;

    int RecordCount() const { return static_cast<int>(records.size()); }
    // EarnCount from the rows whose year and amount are both set, moved up to close gaps.
    void compactEarnings();
};

// The records, newest first: each one's number, date and value.
ResultTable recordTable(const ValueDatabase& db);

// A value as the database keeps it: cut (not rounded) after two decimals.
double cutToCents(double value);

std::string zrkBytes(const ValueDatabase& db);
// Message 13 for anything that is not a whole database file.
Outcome<ValueDatabase> parseZrk(std::string_view bytes);

// Newest first by a Shell sort, numbered 1 to n; a deletion marker left last is dropped.
void sortRecords(ValueDatabase& db);
// Keeps records low to high (record numbers, inclusive), renumbered, titled "Extracted".
// Message 47 when low is above high.
Outcome<ValueDatabase> extractRecords(const ValueDatabase& db, int low, int high);

// The editor's rules; each returns 0 or the message that refuses the change.
// A date on or before the deletion marker is no date a user can mean: message 30.
Msg addRecord(ValueDatabase& db, std::optional<Date> date, double value);
Msg correctRecord(ValueDatabase& db, int recordNumber, std::optional<Date> date, double value);
Msg insertRecord(ValueDatabase& db, std::optional<Date> date, double value);
Msg deleteRecord(ValueDatabase& db, int recordNumber);

} // namespace brisk
