#include "growth/core/savings_plan.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/whole_number.h"
#include "growth/core/figure_row.h"

#include <cmath>

namespace brisk {

namespace {

double roundedToCurrency(double value) {
    return Currency::fromDoubleOrFail(value).toDouble();
}

void requireFinite(double value) {
    if (!std::isfinite(value)) throw CalcFailure();
}

// The rate per period that compounds to the annual rate over a year.
double periodicRate(Percent annualPercent, int p) {
    const double rate = std::pow(1 + annualPercent.toDouble() / 100, 1.0 / p) - 1;
    requireFinite(rate);
    return rate;
}

SavingsPlan runSavings(const SavingsInputs& in) {
    SavingsPlan plan;
    const int p = periodsPerYear(in.frequency);
    if (in.rate.toDouble() <= -100) throw CalcFailure();
    plan.periodsPerYear = p;
    plan.periodCount = toInt16OrFail(in.term.toDouble()) * p;
    // The interest rate is kept in single precision, as the planner's figures always were.
    const float r = static_cast<float>(periodicRate(in.rate, p));
    const double i = periodicRate(in.increase, p);
    const double f = periodicRate(in.inflation, p);

    Currency contribution = in.amount;
    const Currency first = in.lumpSum + in.amount;
    double interest = roundedToCurrency(first.toDouble() * r);
    double value = (first.toDouble() + interest) * (1 - f);
    Currency invested = first;
    plan.periods.push_back({1, first.toDouble(), interest, value});
    for (int k = 2; k <= plan.periodCount; ++k) {
        contribution = Currency::fromDoubleOrFail(contribution.toDouble() + contribution.toDouble() * i);
        const double balance = value + contribution.toDouble();
        interest = roundedToCurrency(balance * r);
        value = (balance + interest) * (1 - f);
        requireFinite(value);
        invested += contribution;
        plan.periods.push_back({k, contribution.toDouble(), interest, value});
    }
    requireFinite(value);
    plan.totalInvested = invested.toDouble();
    plan.finalValue = value;
    for (const SavingsPeriod& period : plan.periods)
        if (period.number % p == 0 && period.number <= plan.periodCount)
            plan.yearEndValues.push_back(period.value);
    return plan;
}

} // namespace

int periodsPerYear(Contributions frequency) {
    switch (frequency) {
    case Contributions::Annually:
        return 1;
    case Contributions::Quarterly:
        return 4;
    case Contributions::Monthly:
        break;
    }
    return 12;
}

std::optional<Contributions> contributionsNamed(std::string_view item) {
    for (const Contributions c : {Contributions::Annually, Contributions::Quarterly, Contributions::Monthly})
        if (item == frequencyName(c)) return c;
    return std::nullopt;
}

Outcome<SavingsPlan> calculateSavings(const SavingsInputs& inputs) {
    return trapCalc([&] { return runSavings(inputs); });
}

std::string exampleLabel(int n) {
    return "Row " + std::string(n >= 0 ? " " : "") + std::to_string(n);
}

ResultTable planTable(const SavingsPlan& plan) {
    ResultTable table;
    table.columns = {{"period", "Year Number", FigureKind::Count},
                     {"invested", "Invested Annually", FigureKind::Money},
                     {"interest", "Interest/Growth Compounded", FigureKind::Money},
                     {"value", "Current Value", FigureKind::Money}};
    for (const SavingsPeriod& p : plan.periods)
        table.rows.push_back({std::int64_t{p.number}, p.invested, p.interest, p.value});
    return table;
}

ResultTable comparisonsTable(const std::vector<SavingsExample>& examples) {
    ResultTable table;
    // The window lists the examples in their order without their numbers.
    table.columns = {{"example", "Example", FigureKind::Count, {}, ColumnUse::DataOnly},
                     {"periods", "Total Period", FigureKind::Count, mask::Years},
                     {"lump", "Lump Sum Investment", FigureKind::Money, mask::Amount},
                     {"amount", "Period Investment", FigureKind::Money, mask::Amount},
                     {"rate", "Interest/ Growth", FigureKind::Rate, mask::ShortPercent},
                     {"increase", "Increase Rate", FigureKind::Rate, mask::ShortPercent},
                     {"inflation", "Inflation Rate", FigureKind::Rate, mask::ShortPercent},
                     {"total_invested", "Total Invested", FigureKind::Money, mask::WideTotal},
                     {"final_value", "Current Value", FigureKind::Money, mask::WideTotal}};
    std::int64_t n = 0;
    for (const SavingsExample& e : examples)
        table.rows.push_back({++n, std::int64_t{e.plan.periodCount}, e.inputs.lumpSum.toDouble(),
                              e.inputs.amount.toDouble(), e.inputs.rate.toDouble(),
                              e.inputs.increase.toDouble(), e.inputs.inflation.toDouble(),
                              e.plan.totalInvested, e.plan.finalValue});
    return table;
}

} // namespace brisk
