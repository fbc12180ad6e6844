#include "retirement/core/retirement_printouts.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

namespace {

struct Column {
    int column, width;
};

// What differs between the three reports; the layout around it is one design.
struct YearReport {
    std::string title;
    int titleColumn;
    std::vector<std::pair<std::string, PrintPiece>> inputs; // label at column 2, value where it goes
    std::string rule, heading;
    std::vector<Column> columns;    // year first, then the figures
    std::vector<PrintPiece> before; // a line before the first year (the 401(k) starting balance)
};

std::string money(double value) {
    return Format(value, "####,,###.00");
}

Printout yearReport(const YearReport& report, const YearTable& table, const PrintContext& context,
                    bool salary) {
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
    auto figures = [&](const YearRow& row, const std::string& prefix) {
        std::vector<double> values;
        if (salary) values.push_back(row.salary);
        values.insert(values.end(), {row.first, row.second, row.value});
        std::vector<PrintPiece> pieces;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const Column& c = report.columns[i + 1];
            pieces.push_back({c.column, RightAlign(prefix + money(values[i]), c.width, Overflow::KeepWhole)});
        }
        return pieces;
    };
    // The counter runs from the first printed line of the page.
    p.setCounter(static_cast<int>(p.pages().back().lines.size()));
    for (const YearRow& row : table.rows) {
        std::vector<PrintPiece> pieces{{report.columns[0].column, Format(row.year, "###")}};
        for (PrintPiece& piece : figures(row, ""))
            pieces.push_back(std::move(piece));
        p.print(std::move(pieces));
        if (p.countLine()) {
            p.breakPage();
            p.emptyLine(3);
            p.printAt(2, context.header);
            headings();
            p.setCounter(static_cast<int>(p.pages().back().lines.size()));
        }
    }
    p.emptyLine();
    std::vector<PrintPiece> totals{{2, "Total:"}};
    auto shown = figures(table.totals, context.currencySymbol);
    if (salary) shown.erase(shown.begin()); // no salary total
    for (PrintPiece& piece : shown)
        totals.push_back(std::move(piece));
    p.print(std::move(totals));
    p.emptyLine(2);
    p.printPageNumber(40);
    p.EndPrintout();
    return p;
}

PrintPiece amountAt(int column, double value, const std::string& symbol, const char* mask = "####,,###.00") {
    return {column, RightAlign(symbol + Format(value, mask), 16, Overflow::KeepWhole)};
}
PrintPiece rateAt(int column, Currency percent) {
    return {column, RightAlign(Format(percent.toDouble() / 100, "###.00%"), 15, Overflow::KeepWhole)};
}
PrintPiece yearsAt(int column, Currency years) {
    return {column, RightAlign(Format(years.toDouble(), "###"), 16)};
}

} // namespace

Printout retirementPrintout(const RetireInputs& in, const YearTable& table, const PrintContext& context) {
    const std::string& c = context.currencySymbol;
    YearReport r{"Retirement Income Calculation",
                 27,
                 {},
                 std::string(72, '_'),
                 "Year         Interest/Growth          Annual Income        Current Value",
                 {{2, 3}, {17, 13}, {39, 14}, {61, 13}},
                 {}};
    r.inputs.push_back(
        {"Current Value of your Investments on Retirement", amountAt(51, in.value.toDouble(), c)});
    r.inputs.push_back({"Annual Interest/Growth Rate (%)", rateAt(52, in.rate)});
    if (in.option == RetireOption::Fixed) {
        r.inputs.push_back({"Monthly Amount of Cash Withdrawn", amountAt(51, in.drawn.toDouble(), c)});
        r.inputs.push_back({"Increase Annual Amount Withdrawn by %", rateAt(52, in.fourth)});
    } else {
        r.inputs.push_back({"Annual Income Withdrawn as a (%) of Current Value", rateAt(52, in.drawn)});
        r.inputs.push_back({"Time in Years", yearsAt(51, in.fourth)});
    }
    return yearReport(r, table, context, false);
}

Printout capitalPrintout(const CapitalInputs& in, const YearTable& table, const PrintContext& context) {
    const bool income = in.option == CapitalOption::Income;
    YearReport r{income ? "Amount of Annual Income Required" : "Amount of Annual Investment Required",
                 22,
                 {},
                 std::string(72, '_'),
                 "Year        Annual Investment      Interest/Growth         Current Value",
                 {{2, 3}, {17, 13}, {39, 13}, {61, 13}},
                 {}};
    r.inputs.push_back(
        {income ? "Amount of Income required on Retirement." : "Amount of Capital required on Retirement.",
         amountAt(52, in.amount.toDouble(), context.currencySymbol, "##,,###.00")});
    r.inputs.push_back({"Annual Interest/Growth Rate(%).", rateAt(53, in.rate)});
    r.inputs.push_back({"At the end of how many Years.", yearsAt(52, in.term)});
    return yearReport(r, table, context, false);
}

Printout plan401kPrintout(const Plan401kInputs& in, const YearTable& table, const PrintContext& context) {
    const std::string& c = context.currencySymbol;
    YearReport r{"Investment Growth - 401K Plan",
                 25,
                 {},
                 " _______________________________________________________________________",
                 " Year   Annual Salary   Contributions   Interest/Growth    Current Value",
                 {{2, 4}, {11, 12}, {24, 13}, {44, 15}, {61, 13}},
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
    return yearReport(r, table, context, true);
}

} // namespace brisk
