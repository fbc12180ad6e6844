#include "valuedb/core/averages.h"

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
        f.earnChanges.push_back(Currency::fromDoubleOrFail(db.earnings[k - 1].amount / below - 1).toDouble());
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

std::map<std::string, std::string> periodTexts(int records, int weekMode) {
    std::map<std::string, std::string> t;
    const char* names[7] = {"Label4", "Label5", "Label6", "Label7", "Label8", "Label34", "Label28"};
    for (int p = 0; p < 7; ++p)
        t[names[p]] = " " + std::to_string(kAveragePeriods[p]) + (weekMode ? " Data values" : " Weeks");
    t["Label52"] = plainNumber(records) + (weekMode ? " Values (All)" : " Weeks (All)");
    t["WeekPoints"] = weekMode ? "Change to Weeks" : "Change to Data Values";
    return t;
}

std::map<std::string, std::string> sheetTexts(const SheetFigures& f, const ValueDatabase& typed,
                                              const std::string& symbol, int weekMode) {
    ValueDatabase db = typed;
    db.compactEarnings();
    std::map<std::string, std::string> t = periodTexts(f.records, weekMode);
    const char* averageLabels[7] = {"Label11", "Label12", "Label13", "Label14",
                                    "Label15", "Label35", "Label29"};
    for (int p = 0; p < 7; ++p)
        t[averageLabels[p]] = Format(f.averages[p], "####,,###.00") + " ";
    t["Label2"] = db.DbTitle;
    t["Label53"] = Format(f.avgAll, "####,,###.00") + " ";
    t["Label16"] = f.direction + " ";
    t["Label41"] = Format(f.last, "####,,###.00") + "  ";
    t["Label19"] = Format(f.high, "####,,###.00") + "  ";
    t["Label20"] = Format(f.low, "####,,###.00") + "  ";
    t["Label27"] = Format(f.highLowDiff, "###,,###.00%");
    t["Label37"] = Format(f.highLastDiff, "#,,###.00%");
    t["Label38"] = Format(f.lowLastDiff, "####.00%");
    t["Label42"] = " Annual Earnings " + (f.latestYear ? std::to_string(f.latestYear) : std::string());
    t["Label43"] = f.hasEarnings ? symbol + Format(f.latestEarnings, "#,,###.00") + "  " : "";
    const char* changeCaptions[4] = {"Label23", "Label44", "Label46", "Label47"};
    const char* changeValues[4] = {"Label24", "Label31", "Label32", "Label33"};
    for (int k = 2; k <= kMaxEarnings; ++k) {
        const EarningsRow& row = db.earnings[k - 1];
        const bool shown = row.year != 0 && k - 2 < static_cast<int>(f.earnChanges.size());
        t[changeCaptions[k - 2]] =
            shown ? " Change " + std::to_string(row.year) + " - " + std::to_string(db.earnings[k - 2].year)
                  : "";
        t[changeValues[k - 2]] = shown ? Format(f.earnChanges[k - 2], "###.00%") : "";
    }
    if (f.hasEarnings) {
        t["Label17"] = Format(f.riskPct, "###.00%");
        t["Label10"] = " Risk at" + plainNumber(db.EarningsFactor) + " times Earnings";
        t["Label49"] = f.riskPct > 0   ? " Could Rise to:"
                       : f.riskPct < 0 ? " Could Drop to:"
                                       : " Could Remain at:";
        t["Label50"] = Format(f.target, "##,,###.00") + "  ";
        t["Label22"] = Format(f.peRatio, "###,,###.00") + "  ";
    } else {
        for (const char* name : {"Label17", "Label10", "Label49", "Label50", "Label22"})
            t[name] = "";
    }
    return t;
}

} // namespace brisk
