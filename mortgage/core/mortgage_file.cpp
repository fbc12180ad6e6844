#include "mortgage/core/mortgage_file.h"

#include "app/core/record_file.h"

#include <cmath>

namespace brisk {

namespace {

// Beyond these no real mortgage or loan goes; a file with more is damaged.

bool between(double value, double low, double high) {
    return value >= low && value <= high;
}

} // namespace

std::string mortgageFileBytes(const MortgageInputs& in, const ShortDateForm& dateForm) {
    RecordWriter w;
    const int lines = in.extraYears();
    w.currency(in.principal)
        .currency(in.rate)
        .currency(in.termYears)
        .text(compoundingOf(in.compounding).item)
        .text(frequencyOf(in.frequency).item)
        .text(in.StartDate ? shortDateText(*in.StartDate, dateForm) : "")
        .integer(in.ViewDates ? 1 : 0)
        .integer(in.DaysChoice)
        .integer(static_cast<int>(in.CalcMode))
        .integer(lines)
        .integer(in.ExtraPaymentCount)
        .integer(static_cast<int>(in.MortgageMode))
        .single(in.days().DaysInYear)
        .text("O")
        .single(in.ExtraPercent)
        .endRecord();
    for (int i = 1; i <= lines; ++i)
        w.currency(in.ExtraPayments[i].year).currency(in.ExtraPayments[i].amount).endRecord();
    return w.bytes();
}

Outcome<MortgageInputs> parseMortgageFile(std::string_view bytes, MortgageKind mode,
                                          const ShortDateForm& dateForm) {
    const auto bad = Outcome<MortgageInputs>::failure(Msg::BadFile);
    RecordReader r(bytes);
    MortgageInputs in = MortgageInputs::defaults(mode);
    const auto principal = r.readCurrency(), rate = r.readCurrency(), term = r.readCurrency();
    const auto compounding = r.readString(), frequency = r.readString(), start = r.readString();
    const auto viewDates = r.readInt16(), daysChoice = r.readInt16(), calcMode = r.readInt16();
    const auto lines = r.readInt16(), extraCount = r.readInt16(), fileMode = r.readInt16();
    const auto daysInYear = r.readNumber();
    const auto marker = r.readString();
    const auto extraPercent = r.readNumber();
    if (!principal || !rate || !term || !compounding || !frequency || !start || !viewDates || !daysChoice ||
        !calcMode || !lines || !extraCount || !fileMode || !daysInYear || !marker || !extraPercent)
        return bad;
    const double yearLimit = mode == MortgageKind::Loan ? kLoanMonthLimit / 12.0 : kMortgageYearLimit;
    if (*fileMode != static_cast<int>(mode) || *marker != "O" || !findCompounding(*compounding) ||
        !findFrequency(*frequency) || !between(principal->toDouble(), 0, kMostPrincipal) ||
        !between(rate->toDouble(), 0, kMostRate) || !between(term->toDouble(), 0, yearLimit + 0.005) ||
        !between(*viewDates, 0, 1) || !between(*daysChoice, 0, 4) || !between(*calcMode, 1, 2) ||
        !between(*lines, 0, kMaxExtraYears) || !between(*extraCount, 0, kMaxExtraYears) ||
        !between(*extraPercent, 0, 1))
        return bad;
    in.principal = *principal;
    in.rate = Percent::fromRaw(rate->raw());
    in.termYears = Years::fromRaw(term->raw());
    in.compounding = findCompounding(*compounding)->kind;
    in.frequency = findFrequency(*frequency)->kind;
    if (!start->empty()) {
        in.StartDate = parseFileDate(*start, dateForm);
        if (!in.StartDate) return bad;
    }
    in.ViewDates = *viewDates == 1;
    in.DaysChoice = *daysChoice == 4 ? 0 : *daysChoice; // older files count 365.25 days as 4
    in.CalcMode = ShowPayments(*calcMode);
    in.ExtraPaymentCount = *extraCount;
    in.ExtraPercent = static_cast<float>(*extraPercent);
    for (int i = 1; i <= *lines; ++i) {
        const auto year = r.readCurrency(), amount = r.readCurrency();
        if (!year || !amount || !between(amount->toDouble(), 0, kMostPrincipal)) return bad;
        in.ExtraPayments[i] = {*year, *amount};
    }
    return {in, Msg::None};
}

} // namespace brisk
