#include "valuedb/core/value_database.h"

#include "app/core/messages.h"
#include "app/core/record_file.h"
#include "app/core/whole_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

namespace brisk {

std::string valueDbMessageText(Msg message, std::string_view detail, std::string_view today) {
    if (message == Msg::DatabaseFull)
        return "The database is full: it holds " + std::to_string(kMaxRecords) +
               " records. Save it, then extract a range of records to go on.";
    return MessageText(message, {.detail = detail, .today = today});
}

void ValueDatabase::compactEarnings() {
    std::array<EarningsRow, kMaxEarnings> compact{};
    int n = 0;
    for (const EarningsRow& row : earnings)
        if (row.filled()) compact[n++] = row;
    earnings = compact;
    EarnCount = n;
}

double cutToCents(double value) {
    // Cut on the shortest decimal text that reads back as the value, which is the text typed: a
    // product with 100 is off by more than any fixed guard for larger values (262144.04 * 100 is
    // just below 26214404).
    if (!std::isfinite(value) || std::abs(value) >= 1e15) return value; // no cents to cut
    if (std::abs(value) < 0.01) return 0;
    std::array<char, 32> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    std::string_view digits(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    if (const auto point = digits.find('.'); point != std::string_view::npos && digits.size() > point + 3)
        digits = digits.substr(0, point + 3);
    double cut = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), cut);
    return cut;
}

std::string zrkBytes(const ValueDatabase& db) {
    ValueDatabase saved = db;
    saved.compactEarnings(); // every filled row, whether or not the ratios were asked for
    RecordWriter w;
    w.integer(saved.RecordCount())
        .integer(saved.EarnCount)
        .text(saved.DbTitle)
        .single(saved.EarningsFactor)
        .endRecord();
    for (int j = 0; j < saved.EarnCount; ++j)
        w.integer(saved.earnings[j].year).number(saved.earnings[j].amount).endRecord();
    for (const ValueRecord& r : saved.records) {
        if (r.number)
            w.integer(*r.number);
        else
            w.empty();
        w.date(r.date).number(r.value).endRecord();
    }
    return w.bytes();
}

Outcome<ValueDatabase> parseZrk(std::string_view bytes) {
    const auto bad = Outcome<ValueDatabase>::failure(Msg::BadFile);
    RecordReader r(bytes);
    const auto count = r.readInt16(), earnCount = r.readInt16();
    const auto title = r.readString();
    const auto factor = r.readNumber();
    if (!count || !earnCount || !title || !factor) return bad;
    if (*count < 0 || *count > kMaxRecords || *earnCount < 0 || *earnCount > kMaxEarnings) return bad;
    ValueDatabase db;
    db.DbTitle = *title;
    db.EarningsFactor = static_cast<float>(*factor);
    if (!std::isfinite(db.EarningsFactor)) return bad;
    db.EarnCount = *earnCount;
    for (int j = 0; j < *earnCount; ++j) {
        const auto year = r.readNumber(), amount = r.readNumber();
        if (!year || !amount) return bad;
        const auto wholeYear = toInt16(*year);
        if (!wholeYear) return bad;
        db.earnings[j] = {*wholeYear, *amount};
    }
    for (int i = 0; i < *count; ++i) {
        const auto number = r.next();
        const auto date = r.readDate();
        const auto value = r.readNumber();
        if (!number || !date || !value || *date <= kDeletionMarker) return bad;
        ValueRecord record{std::nullopt, *date, *value};
        if (number->kind == RecordField::Kind::Bare) {
            const auto n = toInt32(std::strtod(number->text.c_str(), nullptr));
            if (!n) return bad;
            record.number = *n;
        } else if (number->kind != RecordField::Kind::Empty) {
            return bad;
        }
        db.records.push_back(record);
    }
    return {db, Msg::None};
}

void sortRecords(ValueDatabase& db) {
    auto& rows = db.records;
    const int n = db.RecordCount();
    for (int gap = n / 2; gap > 0; gap /= 2) {
        for (int i = gap; i < n; ++i) {
            // Rows a gap apart change places while the upper one is older, newest first.
            for (int j = i - gap; j >= 0 && rows[j].date < rows[j + gap].date; j -= gap)
                std::swap(rows[j], rows[j + gap]);
        }
    }
    for (int i = 0; i < n; ++i)
        rows[i].number = i + 1;
    if (!rows.empty() && rows.back().date == kDeletionMarker) rows.pop_back();
}

Outcome<ValueDatabase> extractRecords(const ValueDatabase& db, int low, int high) {
    if (low > high) return Outcome<ValueDatabase>::failure(Msg::LowAboveHigh);
    ValueDatabase out = db;
    out.records.clear();
    for (int i = std::max(low, 1); i <= std::min(high, db.RecordCount()); ++i) {
        ValueRecord r = db.records[i - 1];
        r.number = static_cast<int>(out.records.size()) + 1;
        out.records.push_back(r);
    }
    out.DbTitle = "Extracted";
    return {out, Msg::None};
}

namespace {

Msg checkEntry(std::optional<Date> date, double value) {
    if (value == 0 || !std::isfinite(value)) return Msg::NoCompleteRecord;
    if (!date || *date <= kDeletionMarker) return Msg::WrongDate;
    return Msg::None;
}

// A corrected or inserted record may not be newer than the newest one: message 10.
bool laterThanNewest(const ValueDatabase& db, Date date) {
    return !db.records.empty() && date > db.records.front().date;
}

} // namespace

Msg addRecord(ValueDatabase& db, std::optional<Date> date, double value) {
    if (const Msg message = checkEntry(date, value); message != Msg::None) return message;
    if (db.RecordCount() >= kMaxRecords) return Msg::DatabaseFull;
    db.records.insert(db.records.begin(), {std::nullopt, *date, cutToCents(value)});
    db.DbChanged = 1;
    return Msg::None;
}

Msg correctRecord(ValueDatabase& db, int recordNumber, std::optional<Date> date, double value) {
    if (recordNumber < 1 || recordNumber > db.RecordCount()) return Msg::NoSuchRecord;
    if (const Msg message = checkEntry(date, value); message != Msg::None) return message;
    if (laterThanNewest(db, *date)) return Msg::DateAfterLastRecord;
    db.records[recordNumber - 1].date = *date;
    db.records[recordNumber - 1].value = cutToCents(value);
    db.DbChanged = 1;
    sortRecords(db);
    return Msg::None;
}

Msg insertRecord(ValueDatabase& db, std::optional<Date> date, double value) {
    if (const Msg message = checkEntry(date, value); message != Msg::None) return message;
    if (laterThanNewest(db, *date)) return Msg::DateAfterLastRecord;
    if (db.RecordCount() >= kMaxRecords) return Msg::DatabaseFull;
    db.records.push_back({std::nullopt, *date, cutToCents(value)});
    db.DbChanged = 1;
    sortRecords(db);
    return Msg::None;
}

Msg deleteRecord(ValueDatabase& db, int recordNumber) {
    if (recordNumber < 1 || recordNumber > db.RecordCount()) return Msg::NoSuchRecord;
    db.records[recordNumber - 1].date = kDeletionMarker;
    db.DbChanged = 1;
    sortRecords(db);
    return Msg::None;
}

ResultTable recordTable(const ValueDatabase& db) {
    ResultTable table;
    table.columns = {{"record", "Record", FigureKind::Count},
                     {"date", "Date", FigureKind::Date},
                     {"value", "Data Value", FigureKind::Money}};
    for (int i = 1; i <= db.RecordCount(); ++i)
        table.rows.push_back({std::int64_t{i}, db.records[i - 1].date, db.records[i - 1].value});
    return table;
}

} // namespace brisk
