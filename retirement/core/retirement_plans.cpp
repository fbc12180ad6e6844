#include "retirement/core/retirement_plans.h"
#include "app/core/figure_format.h"

#include "app/core/whole_number.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace brisk {

namespace {

double currencyOf(double value) {
    return Currency::fromDoubleOrFail(value).toDouble();
}

void requireFinite(std::initializer_list<double> values) {
    for (double v : values)
        if (!std::isfinite(v)) throw CalcFailure();
}

// The income of a year: the value times the rate drawn, cut to whole cents, plus 0.0005.
double RetireWithdrawal(double value, double drawn) {
    return currencyOf((std::floor(value * drawn * 100) + 0.05) / 100);
}
// The value at the year's end, cut the same way.
double RetireYearEnd(double value, float rate, double drawn) {
    // Only r itself is single precision: 1 + r is taken in double, as every other figure.
    return (std::floor(value * (1.0 + static_cast<double>(rate) - drawn) * 100) + 0.05) / 100;
}

YearTable percentageOption(const RetireInputs& in, float r) {
    YearTable t;
    const double w = in.withdrawnPercent.toDouble() / 100;
    double V = in.value.toDouble();
    t.startValue = V;
    double TI = 0, TW = 0, E = 0;
    const int years = toInt16OrFail(in.years.toDouble());
    for (int k = 1; k <= years; ++k) {
        const double I = RetireWithdrawal(V, w);
        if (I > V) throw CalcFailure(Msg::CannotComplete);
        E = RetireYearEnd(V, r, w);
        const double G = V * r;
        TI += G;
        requireFinite({E, G});
        t.rows.push_back({.year = k, .withdrawn = I, .interest = G, .value = E});
        V = currencyOf(E);
        TW += I;
    }
    t.totals = {.year = years, .withdrawn = TW, .interest = TI, .value = E};
    return t;
}

YearTable fixedOption(const RetireInputs& in, float r) {
    YearTable t;
    double m = in.monthly.toDouble();
    double A = 12 * m;
    const double g = currencyOf(in.yearlyIncrease.toDouble() / 100);
    const float q = static_cast<float>(std::pow(static_cast<double>(r) + 1, 1.0 / 12) - 1);
    double V = in.value.toDouble();
    t.startValue = V;
    if (A > V) throw CalcFailure(Msg::CannotComplete);
    double TI = 0, TW = 0, D = V;
    auto month = [&](double& H) {
        const double i = V * q;
        D = (V + currencyOf(i)) - m;
        H += i;
        TI += i;
        V = currencyOf(D);
    };
    int k = 1;
    bool fiftyYears = false;
    double test = D;
    do {
        double H = 0;
        for (int n = 0; n < 12; ++n)
            month(H);
        t.rows.push_back({.year = k, .withdrawn = A, .interest = H, .value = D});
        TW += A;
        // The test carries the next year's raise on the year-end value, as the planner always has;
        // only the figures shown must be real money.
        const double s = m * g;
        m += m * g;
        A += A * g;
        test = D + s;
        requireFinite({D, m, A, TI});
        if (++k == kRetireYearLimit + 1) {
            fiftyYears = true;
            break;
        }
    } while (test > A);
    if (!fiftyYears) {
        // The capital runs out in this year: its whole months, then what is left is withdrawn.
        if (m <= 0) throw CalcFailure();
        const double B = V;
        const int months = toInt16OrFail(std::floor(B / m));
        double H = 0;
        for (int n = 0; n < months; ++n)
            month(H);
        const double residue = D - V;
        t.rows.push_back({.year = k, .withdrawn = B + H, .interest = H, .value = residue});
        TW += B + H;
        D = residue;
    }
    t.totals = {.year = t.years(), .withdrawn = TW, .interest = TI, .value = t.rows.back().value};
    return t;
}

} // namespace

int gridRowsFor(int years) {
    return std::max(25, years + 4);
}

std::string RetireYearsText(int years) {
    return (years >= 0 ? " " : "") + std::to_string(years);
}

Outcome<YearTable> calculateRetirement(const RetireInputs& in) {
    if (in.option == RetireOption::Percentage && in.years.toDouble() >= kRetireYearLimit + 1)
        return Outcome<YearTable>::failure(Msg::YearLimit50);
    return trapCalc([&] {
        const float r = static_cast<float>(in.rate.toDouble() / 100);
        return in.option == RetireOption::Percentage ? percentageOption(in, r) : fixedOption(in, r);
    });
}

Outcome<YearTable> calculateCapital(const CapitalInputs& in) {
    const auto n = toInt16(in.term.toDouble());
    if (!n || *n >= kRetireYearLimit + 1) return Outcome<YearTable>::failure(Msg::YearLimit50);
    const double R = in.rate.toDouble();
    if (R <= 0 || *n <= 0) return Outcome<YearTable>::failure(Msg::WrongEntry);
    return trapCalc([&] {
        YearTable t;
        const double C = in.option == CapitalOption::Income ? in.yearlyIncome.toDouble() * (100 / R)
                                                            : in.capital.toDouble();
        const double i = R / 100;
        const double P = C / ((1 + i) * ((std::pow(1 + i, *n) - 1) / i));
        double V = 0, TP = 0, TI = 0;
        for (int k = 1; k <= *n; ++k) {
            const double G = (V + P) * i;
            const double shown = k == 1 ? P * i : std::floor(G * 100 + 0.5) / 100;
            V = (V + P) + G;
            TP += P;
            TI += G;
            requireFinite({P, V, G});
            t.rows.push_back({.year = k, .paidIn = P, .interest = shown, .value = V});
        }
        t.totals = {.year = *n + 1, .paidIn = TP, .interest = TI, .value = V};
        return t;
    });
}

Outcome<YearTable> calculate401k(const Plan401kInputs& in) {
    const auto n = toInt16(in.years.toDouble());
    if (!n || *n >= kRetireYearLimit + 1) return Outcome<YearTable>::failure(Msg::YearLimit50);
    if (*n <= 0) return Outcome<YearTable>::failure(Msg::WrongEntry);
    return trapCalc([&] {
        YearTable t;
        const double B = in.balance.toDouble();
        double S = in.salary.toDouble();
        const float r = static_cast<float>(in.returnRate.toDouble() / 100);
        const double c = (in.contribution.toDouble() + in.company.toDouble()) / 100;
        const double a = in.raise.toDouble() / 100;
        const double f = in.inflation.toDouble() / 100;
        t.startValue = B;
        double C = c * S;
        const double G1 = currencyOf((B + C) * r);
        double V = B + G1 + C;
        V = V - V * f;
        t.rows.push_back({.year = 1, .salary = S, .paidIn = C, .interest = G1, .value = V});
        double X = V + C;
        double TC = B + C;
        for (int k = 2; k <= *n; ++k) {
            S = S + S * a;
            C = currencyOf(C + C * a);
            const double G = currencyOf(X * r);
            V = X + G;
            V = V - V * f;
            TC += C;
            requireFinite({S, V});
            t.rows.push_back({.year = k, .salary = S, .paidIn = C, .interest = G, .value = V});
            // The year's new contribution level is compounded from the year after.
            X = V + C;
        }
        t.totals = {.year = *n, .paidIn = TC, .interest = V - TC, .value = V};
        return t;
    });
}

ResultTable yearResultTable(const YearTable& table, Planner planner) {
    ResultTable out;
    const auto money = [](const char* id, const char* heading) {
        return TableColumn{id, heading, FigureKind::Money, mask::WideAmount};
    };
    out.columns.push_back({"year", "Year Number", FigureKind::Count});
    switch (planner) {
    case Planner::Income:
        out.columns.push_back(money("interest", "Interest/Growth Compounded"));
        out.columns.push_back(money("withdrawn", "Annual Income Withdrawn"));
        break;
    case Planner::Capital:
        out.columns.push_back(money("investment", "Annual Investment"));
        out.columns.push_back(money("interest", "Interest/Growth Compounded"));
        break;
    case Planner::Plan401k:
        out.columns.push_back(money("salary", "Annual Salary"));
        out.columns.push_back(money("contribution", "Combined Contributions"));
        out.columns.push_back(money("interest", "Interest/Growth Compounded"));
        break;
    }
    out.columns.push_back(money("value", "Current Value"));
    const bool salary = planner == Planner::Plan401k;
    const auto cells = [salary, planner](const YearRow& row, bool totals) {
        TableRow line(salary ? 5 : 4);
        if (!totals) line[0] = std::int64_t{row.year};
        if (salary && !totals) line[1] = row.salary;
        std::size_t c = salary ? 2 : 1;
        const auto figures = planner == Planner::Income ? std::array{row.interest, row.withdrawn, row.value}
                                                        : std::array{row.paidIn, row.interest, row.value};
        for (double figure : figures)
            line[c++] = figure;
        return line;
    };
    for (const YearRow& row : table.rows)
        out.rows.push_back(cells(row, false));
    out.totals = cells(table.totals, true);
    return out;
}

} // namespace brisk
