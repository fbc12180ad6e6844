#include "growth/core/compound_finder.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/whole_number.h"
#include "growth/core/figure_row.h"

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

ResultTable finderPathTable(const FinderRow& row) {
    ResultTable table;
    table.columns = {{"year", "Year", FigureKind::Count}, {"value", "Value", FigureKind::Count}};
    for (std::size_t k = 0; k < row.path.size(); ++k)
        table.rows.push_back({static_cast<std::int64_t>(k + 1), row.path[k]});
    return table;
}

ResultTable finderTable(const std::vector<FinderRow>& rows) {
    ResultTable table;
    table.columns = {{"name", "Name of Investment", FigureKind::Text},
                     {"term", "Term in Years", FigureKind::Count},
                     {"cost", "Cost of Investment", FigureKind::Money},
                     {"value", "Current or Future Value", FigureKind::Money},
                     // Percentages of the fractions the finder works in: 14.87 is 14.87%.
                     {"rate", "Annual Compound", FigureKind::Rate, mask::GrowthRate},
                     {"total_gain", "Total Gain/Loss", FigureKind::Rate, mask::ShortAmount}};
    for (const FinderRow& row : rows)
        table.rows.push_back({row.inputs.name, row.inputs.term.toDouble(), row.inputs.cost.toDouble(),
                              row.inputs.value.toDouble(), row.rate * 100, row.totalGain * 100});
    return table;
}

} // namespace brisk
