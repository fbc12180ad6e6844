#include "growth/core/compound_finder.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"
#include "app/core/whole_number.h"

#include <cmath>

namespace brisk {

Outcome<FinderRow> findCompoundGrowth(const FinderInputs& in) {
    const double C = in.cost.toDouble(), V = in.value.toDouble(), T = in.term.toDouble();
    if (T >= kFinderYearLimit + 1) return Outcome<FinderRow>::failure(Msg::YearLimit50);
    if (C <= 0 || V <= 0 || T <= 0) return Outcome<FinderRow>::failure(Msg::WrongEntry);
    return trapCalc([&] {
        FinderRow row;
        row.inputs = in;
        row.rate = std::exp(std::log(V / C) / T) - 1;
        row.totalGain = (V - C) / C;
        if (!std::isfinite(row.rate) || !std::isfinite(row.totalGain)) throw CalcFailure();
        double value = C;
        for (int k = 1; k <= toInt16OrFail(T); ++k) {
            value += row.rate * value;
            row.path.push_back(std::floor(value));
        }
        return row;
    });
}

std::vector<std::string> finderCells(const FinderRow& row, const std::string& symbol) {
    const FinderInputs& in = row.inputs;
    return {in.name,
            Currency::fromDoubleOrFail(in.term.toDouble()).toPlainString(),
            symbol + Format(in.cost.toDouble(), "####,,###.00"),
            symbol + Format(in.value.toDouble(), "####,,###.00"),
            Format(row.rate, "#,,###.000%"),
            Format(row.totalGain, "#,,###.00%")};
}

std::string finderPrintText(const FinderRow& row, const std::string& symbol) {
    const FinderInputs& in = row.inputs;
    auto field = [](const std::string& text, int width) {
        return RightAlign(text, width, Overflow::KeepWhole);
    };
    std::string text;
    if (!in.name.empty()) text += "\r\n " + in.name;
    text += "\r\n" + field(Format(in.term.toDouble(), "###"), 5) + std::string(6, ' ') +
            field(symbol + Format(in.cost.toDouble(), "####,,###.00"), 14) + std::string(5, ' ') +
            field(symbol + Format(in.value.toDouble(), "####,,###.00"), 14) + std::string(7, ' ') +
            field(Format(row.rate, "#,,###.0000%"), 12) + std::string(4, ' ') +
            field(Format(row.totalGain, "#,,###.0000%"), 12) + "\r\n";
    return text + " " + std::string(78, '_') + " \r\n";
}

} // namespace brisk
