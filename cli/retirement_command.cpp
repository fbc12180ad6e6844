// brisklane-calc retirement, capital and 401k: the three retirement planners.
#include "app/core/mask_format.h"
#include "cli/command.h"

#include "retirement/core/retirement_chart.h"
#include "retirement/core/retirement_printouts.h"
#include <array>

namespace brisk {

namespace {

// Reads the named options into the inputs; the first that is not a figure gives message 3,
// named. `only`, when not empty, limits the options read to those it names.
std::pair<Msg, QString> readCurrencies(const QCommandLineParser& parser,
                                       std::initializer_list<std::pair<const char*, FigureSlot>> options,
                                       const QStringList& only = {}) {
    for (const auto& [name, slot] : options) {
        if (!parser.isSet(name) || (!only.isEmpty() && !only.contains(name))) continue;
        const auto number = numberOption(parser, name);
        const bool stored = std::visit(
            [&](auto* field) {
                const auto figure = number && *number >= 0
                                        ? std::decay_t<decltype(*field)>::fromDouble(*number)
                                        : std::nullopt;
                if (figure) *field = *figure;
                return figure.has_value();
            },
            slot);
        if (!stored) return {Msg::WrongEntry, optionText(parser, name)};
    }
    return {Msg::None, {}};
}

// Writes a planner's table and totals in the chosen format, and its printout when asked.
int report(const CliContext& context, const YearTable& t, Planner planner,
           const std::array<const char*, 3>& totalKeys, const Printout& printout, const QString& title) {
    if (!context.printoutPath.isEmpty())
        if (const int status = writePrintout(context, printout, title)) return status;
    const bool income = planner == Planner::Income;
    writeResultTable(context, yearResultTable(t, planner),
                     {{"years", t.years()},
                      {totalKeys[0], centsNumber(income ? t.totals.interest : t.totals.paidIn)},
                      {totalKeys[1], centsNumber(income ? t.totals.withdrawn : t.totals.interest)},
                      {totalKeys[2], centsNumber(t.totals.value)}});
    return 0;
}

PrintContext printContext(const CliContext& context) {
    return {context.header.toStdString(),
            context.settings.CurrencySymbol,
            context.settings.PrinterFontChoice,
            {}};
}

// A planner's inputs from the options named (all when `only` is empty), over its defaults.
std::pair<Msg, QString> retireInputs(const QCommandLineParser& parser, RetireInputs& in,
                                     const QStringList& only = {}) {
    const QString option = parser.value("option");
    if (option == "fixed") {
        in.option = RetireOption::Fixed;
        in.value = Currency::fromWhole(100000);
        return readCurrencies(parser,
                              {{"value", &in.value},
                               {"rate", &in.rate},
                               {"monthly", &in.monthly},
                               {"increase", &in.yearlyIncrease}},
                              only);
    }
    if (option == "percentage" || option.isEmpty())
        return readCurrencies(parser,
                              {{"value", &in.value},
                               {"rate", &in.rate},
                               {"withdraw", &in.withdrawnPercent},
                               {"term", &in.years}},
                              only);
    return {Msg::WrongEntry, optionText(parser, "option")};
}

int runRetirement(const QCommandLineParser& parser, const CliContext& context) {
    RetireInputs in;
    if (const auto [message, option] = retireInputs(parser, in); message != Msg::None)
        return failWith(message, option);
    const auto table = calculateRetirement(in);
    if (!table)
        return failWith(table.message,
                        optionGiving(parser, {"value", "rate", "withdraw", "term", "monthly", "increase"},
                                     table.message, [&](const QStringList& given) {
                                         RetireInputs alone;
                                         retireInputs(parser, alone, given);
                                         return calculateRetirement(alone).message;
                                     }));
    if (const int status = handOver(
            context, [&] { return retirementChart(*table.value, in.option == RetireOption::Fixed); }))
        return status;
    return report(
        context, *table.value, Planner::Income, {"total_interest", "total_withdrawn", "final_value"},
        retirementPrintout(in, *table.value, printContext(context)), "Retirement Income Calculation");
}

std::pair<Msg, QString> capitalInputs(const QCommandLineParser& parser, CapitalInputs& in,
                                      const QStringList& only = {}) {
    const QString option = parser.value("option");
    if (option == "income")
        in.option = CapitalOption::Income;
    else if (option != "capital" && !option.isEmpty())
        return {Msg::WrongEntry, optionText(parser, "option")};
    Currency& amount = in.option == CapitalOption::Income ? in.yearlyIncome : in.capital;
    return readCurrencies(parser, {{"amount", &amount}, {"rate", &in.rate}, {"term", &in.term}}, only);
}

int runCapital(const QCommandLineParser& parser, const CliContext& context) {
    CapitalInputs in;
    if (const auto [message, option] = capitalInputs(parser, in); message != Msg::None)
        return failWith(message, option);
    const auto table = calculateCapital(in);
    if (!table)
        return failWith(table.message, optionGiving(parser, {"amount", "rate", "term"}, table.message,
                                                    [&](const QStringList& given) {
                                                        CapitalInputs alone;
                                                        capitalInputs(parser, alone, given);
                                                        return calculateCapital(alone).message;
                                                    }));
    if (const int status = handOver(context, [&] { return capitalChart(*table.value); })) return status;
    return report(context, *table.value, Planner::Capital,
                  {"total_invested", "total_interest", "final_value"},
                  capitalPrintout(in, *table.value, printContext(context)), "Amount of Capital Required");
}

std::pair<Msg, QString> plan401kInputs(const QCommandLineParser& parser, Plan401kInputs& in,
                                       const QStringList& only = {}) {
    return readCurrencies(parser,
                          {{"balance", &in.balance},
                           {"salary", &in.salary},
                           {"contribution", &in.contribution},
                           {"company", &in.company},
                           {"raise", &in.raise},
                           {"return", &in.returnRate},
                           {"inflation", &in.inflation},
                           {"years", &in.years}},
                          only);
}

int run401k(const QCommandLineParser& parser, const CliContext& context) {
    Plan401kInputs in;
    if (const auto [message, option] = plan401kInputs(parser, in); message != Msg::None)
        return failWith(message, option);
    const auto table = calculate401k(in);
    if (!table)
        return failWith(table.message, optionGiving(parser,
                                                    {"balance", "salary", "contribution", "company", "raise",
                                                     "return", "inflation", "years"},
                                                    table.message, [&](const QStringList& given) {
                                                        Plan401kInputs alone;
                                                        plan401kInputs(parser, alone, given);
                                                        return calculate401k(alone).message;
                                                    }));
    if (const int status = handOver(context, [&] { return plan401kChart(*table.value); })) return status;
    return report(context, *table.value, Planner::Plan401k,
                  {"total_contributions", "total_interest", "final_value"},
                  plan401kPrintout(in, *table.value, printContext(context)), "Investment Growth - 401K Plan");
}

} // namespace

CliCommand retirementCommand() {
    return {
        "retirement",
        "Retirement income: a capital drawn down by a yearly percentage for a term, or by a fixed monthly "
        "amount raised each year.",
        [](QCommandLineParser& parser) {
            parser.addOptions(
                {{"option", "percentage (default) or fixed.", "OPTION"},
                 {"value", "The capital on retirement.", "AMOUNT"},
                 {"rate", "The annual interest/growth rate in percent.", "PERCENT"},
                 {"withdraw", "percentage: the percent of the value withdrawn each year.", "PERCENT"},
                 {"term", "percentage: the years (at most 50).", "YEARS"},
                 {"monthly", "fixed: the amount withdrawn each month.", "AMOUNT"},
                 {"increase", "fixed: the yearly increase of the amount in percent.", "PERCENT"}});
        },
        runRetirement,
    };
}

CliCommand capitalCommand() {
    return {
        "capital",
        "The level yearly investment that reaches a required capital, or the capital that yields a required "
        "income.",
        [](QCommandLineParser& parser) {
            parser.addOptions({{"option", "capital (default) or income.", "OPTION"},
                               {"amount", "The capital, or the yearly income, required.", "AMOUNT"},
                               {"rate", "The annual interest/growth rate in percent.", "PERCENT"},
                               {"term", "The years (at most 50).", "YEARS"}});
        },
        runCapital,
    };
}

CliCommand plan401kCommand() {
    return {
        "401k",
        "A 401(k) account year by year to retirement.",
        [](QCommandLineParser& parser) {
            parser.addOptions({{"balance", "The current balance.", "AMOUNT"},
                               {"salary", "The current annual salary.", "AMOUNT"},
                               {"contribution", "Your contribution, percent of salary.", "PERCENT"},
                               {"company", "The company's contribution, percent of salary.", "PERCENT"},
                               {"raise", "The yearly salary raise in percent.", "PERCENT"},
                               {"return", "The annual rate of return in percent.", "PERCENT"},
                               {"inflation", "The annual inflation rate in percent.", "PERCENT"},
                               {"years", "The years to retirement (at most 50).", "YEARS"}});
        },
        run401k,
    };
}

} // namespace brisk
