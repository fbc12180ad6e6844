#include "retirement/core/retirement_printouts.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

namespace {

// What differs between the three reports; the layout around it is one design.
struct YearReport {
    std::string title;
    int titleColumn;
    std::vector<std::pair<std::string, PrintPiece>> inputs; // label at column 2, value where it goes
    std::string rule, heading;
    Planner planner;
    std::vector<PrintColumn> columns; // the year first, then the figures
    std::vector<PrintPiece> before;   // a line before the first year (the 401(k) starting balance)
};

std::string money(double value) {
    return Format(value, mask::WideAmount);
}

// The year as it stands at column 2, then the figures right-aligned in their columns.
std::vector<PrintColumn> yearColumns(std::vector<PrintColumn> figures) {
    figures.insert(figures.begin(), {"year", 2, 0, mask::Years});
    return figures;
}

Printout yearReport(const YearReport& report, const YearTable& years, const PrintContext& context) {
    Printout p(context.fontChoice);
    p.SetPrinterFont();
    p.printAt(2, context.header);
    p.emptyLine(2);
    p.printAt(report.titleColumn, report.title);
    p.emptyLine(2);
    for (const auto& [label, value] : report.inputs) {
        p.print({{2, label}, value});
        p.emptyLine();
    }
    auto headings = [&] {
        p.printAt(2, report.rule);
        p.printAt(2, report.heading);
        p.emptyLine();
    };
    headings();
    if (!report.before.empty()) p.print(report.before);
    TablePrintLayout layout;
    layout.columns = report.columns;
    // Each later page repeats the header line above the rule and the heading.
    layout.pageTop = [&](Printout&) {
        p.emptyLine(3);
        p.printAt(2, context.header);
        headings();
    };
    const ResultTable table = yearResultTable(years, report.planner);
    printTableRows(p, table, layout, context);
    p.emptyLine();
    printTableTotals(p, table, layout, context);
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

PrintPiece amountAt(int column, double value, const std::string& symbol,
                    const char* mask = mask::WideAmount) {
    return {column, RightAlign(moneyText(symbol, value, mask), 16, Overflow::KeepWhole)};
}
// A percentage input; the income planner's option-dependent figures are kept as money.
template <class Kind> PrintPiece rateAt(int column, Fixed<Kind> percent) {
    return {column,
            RightAlign(Format(percent.toDouble() / 100, mask::FractionPercent), 15, Overflow::KeepWhole)};
}
template <class Kind> PrintPiece yearsAt(int column, Fixed<Kind> years) {
    return {column, RightAlign(Format(years.toDouble(), mask::Years), 16)};
}

} // namespace

Printout retirementPrintout(const RetireInputs& in, const YearTable& table, const PrintContext& context) {
    const std::string& c = context.currencySymbol;
    YearReport r{"Retirement Income Calculation",
                 27,
                 {},
                 std::string(72, '_'),
                 "Year         Interest/Growth          Annual Income        Current Value",
                 Planner::Income,
                 yearColumns({{"interest", 17, 13}, {"withdrawn", 39, 14}, {"value", 61, 13}}),
                 {}};
    r.inputs.push_back(
        {"Current Value of your Investments on Retirement", amountAt(51, in.value.toDouble(), c)});
    r.inputs.push_back({"Annual Interest/Growth Rate (%)", rateAt(52, in.rate)});
    if (in.option == RetireOption::Fixed) {
        r.inputs.push_back({"Monthly Amount of Cash Withdrawn", amountAt(51, in.monthly.toDouble(), c)});
        r.inputs.push_back({"Increase Annual Amount Withdrawn by %", rateAt(52, in.yearlyIncrease)});
    } else {
        r.inputs.push_back(
            {"Annual Income Withdrawn as a (%) of Current Value", rateAt(52, in.withdrawnPercent)});
        r.inputs.push_back({"Time in Years", yearsAt(51, in.years)});
    }
    return yearReport(r, table, context);
}

Printout capitalPrintout(const CapitalInputs& in, const YearTable& table, const PrintContext& context) {
    const bool income = in.option == CapitalOption::Income;
    YearReport r{income ? "Amount of Annual Income Required" : "Amount of Annual Investment Required",
                 22,
                 {},
                 std::string(72, '_'),
                 "Year        Annual Investment      Interest/Growth         Current Value",
                 Planner::Capital,
                 yearColumns({{"investment", 17, 13}, {"interest", 39, 13}, {"value", 61, 13}}),
                 {}};
    r.inputs.push_back(
        {income ? "Amount of Income required on Retirement." : "Amount of Capital required on Retirement.",
         amountAt(52, (income ? in.yearlyIncome : in.capital).toDouble(), context.currencySymbol,
                  mask::NarrowAmount)});
    r.inputs.push_back({"Annual Interest/Growth Rate(%).", rateAt(53, in.rate)});
    r.inputs.push_back({"At the end of how many Years.", yearsAt(52, in.term)});
    return yearReport(r, table, context);
}

Printout plan401kPrintout(const Plan401kInputs& in, const YearTable& table, const PrintContext& context) {
    const std::string& c = context.currencySymbol;
    YearReport r{
        "Investment Growth - 401K Plan",
        25,
        {},
        " _______________________________________________________________________",
        " Year   Annual Salary   Contributions   Interest/Growth    Current Value",
        Planner::Plan401k,
        yearColumns({{"salary", 11, 12}, {"contribution", 24, 13}, {"interest", 44, 15}, {"value", 61, 13}}),
        {}};
    r.inputs = {{"Current balance in your 401K account", amountAt(52, in.balance.toDouble(), c)},
                {"Your current annual salary", amountAt(52, in.salary.toDouble(), c)},
                {"Your annual 401K rate of contribution", rateAt(53, in.contribution)},
                {"The company contribution rate", rateAt(53, in.company)},
                {"Estimated rate of annual salary raises", rateAt(53, in.raise)},
                {"Annual rate of return on your 401K", rateAt(53, in.returnRate)},
                {"Estimated rate of annual inflation", rateAt(53, in.inflation)},
                {"The number of years to retirement", yearsAt(52, in.years)}};
    if (table.startValue > 1) r.before = {{61, RightAlign(money(table.startValue), 13, Overflow::KeepWhole)}};
    return yearReport(r, table, context);
}

} // namespace brisk
