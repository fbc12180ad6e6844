#include "valuedb/core/averages.h"
#include "app/core/figure_format.h"

#include "app/core/currency.h"
#include "app/core/mask_format.h"

#include <cmath>

namespace brisk {

namespace {

// The runtime's number-to-text form: a leading blank for a positive number.
std::string plainNumber(double value) {
    std::string text = Currency::fromDouble(value).value_or(Currency()).toPlainString();
    return value >= 0 ? " " + text : text;
}

} // namespace

SheetOutcome computeSheet(const ValueDatabase& typed, const ShortDateForm& form) {
    ValueDatabase db = typed;
    db.compactEarnings(); // the filled earnings rows, latest first, as they are saved
    SheetOutcome out;
    const int n = db.RecordCount();
    if (n < 2) {
        out.figures = Outcome<SheetFigures>::failure(Msg::TwoWeeksForRatios);
        return out;
    }
    SheetFigures f;
    f.records = n;
    f.high = f.low = f.last = db.records.front().value;
    double sum = 0;
    for (int i = 1; i <= n; ++i) {
        const double v = db.records[i - 1].value;
        sum += v;
        f.high = std::max(f.high, v);
        f.low = std::min(f.low, v);
        for (int p = 0; p < 7; ++p)
            if (i == kAveragePeriods[p]) f.averages[p] = sum / kAveragePeriods[p];
    }
    f.avgAll = sum / n;
    const auto failed = [&] {
        out.detail = shortDateText(db.records.back().date, form);
        out.figures = Outcome<SheetFigures>::failure(Msg::CheckDataValues);
        return out;
    };
    // The figures divide by the low, the high and the price/earnings ratio: none may be zero.
    if (f.low == 0 || f.high == 0) return failed();
    f.highLowDiff = f.high / f.low - 1;
    f.lowLastDiff = f.last / f.low - 1;
    f.highLastDiff = f.last / f.high - 1;
    const EarningsRow& latest = db.earnings[0];
    f.latestYear = latest.year;
    f.latestEarnings = latest.amount;
    f.hasEarnings = latest.amount != 0;
    if (f.hasEarnings) {
        f.peRatio = f.last / latest.amount;
        if (f.peRatio == 0) return failed();
        f.riskPct = db.EarningsFactor / f.peRatio - 1;
        f.target = f.last + f.riskPct * f.last;
    }
    for (int k = 1; k < db.EarnCount; ++k) {
        const double below = db.earnings[k].amount;
        if (below == 0) return failed();
        // Kept to four decimals, as a currency value: a change too large for one is a data error.
        const auto change = Currency::fromDouble(db.earnings[k - 1].amount / below - 1);
        if (!change) return failed();
        f.earnChanges.push_back(change->toDouble());
    }
    const double avg2 = f.averages[0], avg8 = f.averages[3];
    f.direction = avg8 == 0     ? "Need 8 Points"
                  : avg2 > avg8 ? "Upswing"
                  : avg2 < avg8 ? "Downswing"
                                : "Sideways";
    for (double v : {f.avgAll, f.highLowDiff, f.lowLastDiff, f.highLastDiff, f.peRatio, f.riskPct, f.target})
        if (!std::isfinite(v)) return failed();
    out.figures = {f, Msg::None};
    return out;
}

PeriodTexts periodTexts(int records, SheetPeriods periods) {
    const bool values = periods == SheetPeriods::Values;
    PeriodTexts t;
    for (int p = 0; p < 7; ++p)
        t.periods[p] = " " + std::to_string(kAveragePeriods[p]) + (values ? " Data values" : " Weeks");
    t.all = plainNumber(records) + (values ? " Values (All)" : " Weeks (All)");
    t.toggle = values ? "Change to Weeks" : "Change to Data Values";
    return t;
}

SheetTexts sheetTexts(const SheetFigures& f, const ValueDatabase& typed, const std::string& symbol,
                      SheetPeriods periods) {
    ValueDatabase db = typed;
    db.compactEarnings();
    SheetTexts t;
    t.periods = periodTexts(f.records, periods);
    for (int p = 0; p < 7; ++p)
        t.averages[p] = Format(f.averages[p], mask::WideAmount) + " ";
    t.title = db.DbTitle;
    t.averageAll = Format(f.avgAll, mask::WideAmount) + " ";
    t.direction = f.direction + " ";
    t.last = Format(f.last, mask::WideAmount) + "  ";
    t.high = Format(f.high, mask::WideAmount) + "  ";
    t.low = Format(f.low, mask::WideAmount) + "  ";
    t.highLowDiff = Format(f.highLowDiff, mask::WideChangePercent);
    t.highLastDiff = Format(f.highLastDiff, mask::GainPercent);
    t.lowLastDiff = Format(f.lowLastDiff, mask::ChangePercent);
    t.earningsCaption = " Annual Earnings " + (f.latestYear ? std::to_string(f.latestYear) : std::string());
    t.latestEarnings = f.hasEarnings ? moneyText(symbol, f.latestEarnings, mask::ShortAmount) + "  " : "";
    for (int k = 2; k <= kMaxEarnings; ++k) {
        const EarningsRow& row = db.earnings[k - 1];
        if (row.year == 0 || k - 2 >= static_cast<int>(f.earnChanges.size())) continue;
        t.changes[k - 2] = {" Change " + std::to_string(row.year) + " - " +
                                std::to_string(db.earnings[k - 2].year),
                            Format(f.earnChanges[k - 2], mask::FractionPercent)};
    }
    if (f.hasEarnings) {
        t.risk = Format(f.riskPct, mask::FractionPercent);
        t.riskCaption = " Risk at" + plainNumber(db.EarningsFactor) + " times Earnings";
        t.targetCaption = f.riskPct > 0   ? " Could Rise to:"
                          : f.riskPct < 0 ? " Could Drop to:"
                                          : " Could Remain at:";
        t.target = Format(f.target, mask::NarrowAmount) + "  ";
        t.peRatio = Format(f.peRatio, mask::Amount) + "  ";
        t.riskBelowZero = f.riskPct < 0;
    }
    return t;
}

} // namespace brisk
