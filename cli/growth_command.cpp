// brisklane-calc growth and compound: the investment growth planner (with comparison examples) and
// the annual compound growth finder.
#include "app/core/figure_format.h"
#include "app/core/mask_format.h"
#include "cli/command.h"
#include "growth/core/growth_chart.h"
#include "growth/core/growth_printout.h"

#include <QJsonArray>
#include <QMap>

namespace brisk {

namespace {

const QMap<QString, Contributions> kFrequencyNames = {{"annually", Contributions::Annually},
                                                      {"quarterly", Contributions::Quarterly},
                                                      {"monthly", Contributions::Monthly}};

// Sets one input by its option name: 0, or the message of a value that does not fit.
Msg setInput(SavingsInputs& in, const QString& key, const QString& value) {
    if (key == "frequency") {
        if (!kFrequencyNames.contains(value)) return Msg::WrongEntry;
        in.frequency = kFrequencyNames[value];
        return Msg::None;
    }
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    // Money, a percentage or the years, each kept in its own fixed-point type.
    auto store = [&](auto& field) {
        const auto figure = ok ? std::decay_t<decltype(field)>::fromDouble(number) : std::nullopt;
        if (figure) field = *figure;
        return figure.has_value();
    };
    const bool stored = key == "lump"        ? store(in.lumpSum)
                        : key == "amount"    ? store(in.amount)
                        : key == "rate"      ? store(in.rate)
                        : key == "increase"  ? store(in.increase)
                        : key == "inflation" ? store(in.inflation)
                        : key == "term"      ? store(in.term)
                                             : false;
    if (!stored) return Msg::WrongEntry;
    if (key == "term" && number > kSavingsYearLimit) return Msg::YearLimit40;
    return key == "term" && number < 0 ? Msg::WrongEntry : Msg::None;
}

const QStringList kGrowthOptions = {"lump", "amount", "frequency", "rate", "increase", "inflation", "term"};

// The inputs of the options named, over the defaults; the first that does not fit.
std::pair<Msg, QString> growthInputs(const QCommandLineParser& parser, const QStringList& names,
                                     SavingsInputs& in) {
    for (const QString& key : names)
        if (parser.isSet(key))
            if (const Msg message = setInput(in, key, parser.value(key)); message != Msg::None)
                return {message, optionText(parser, key)};
    return {Msg::None, {}};
}

int runGrowth(const QCommandLineParser& parser, const CliContext& context) {
    SavingsInputs base;
    if (const auto [message, option] = growthInputs(parser, kGrowthOptions, base); message != Msg::None)
        return failWith(message, option);
    const PrintContext print{context.header.toStdString(),
                             context.settings.CurrencySymbol,
                             context.settings.PrinterFontChoice,
                             {}};
    const QStringList specs = parser.values("example");
    if (specs.isEmpty()) {
        const auto plan = calculateSavings(base);
        if (!plan)
            return failWith(plan.message,
                            optionGiving(parser, kGrowthOptions, plan.message, [&](const QStringList& given) {
                                SavingsInputs in;
                                growthInputs(parser, given, in);
                                return calculateSavings(in).message;
                            }));
        if (!context.printoutPath.isEmpty()) {
            // A term of 0 computes its one period but no whole year: the window prints nothing either.
            if (plan->yearEndValues.empty()) return failWith(Msg::NothingToPrint);
            if (const int status = writePrintout(context, savingsPrintout(base, *plan.value, print),
                                                 "Investment Growth Calculation"))
                return status;
        }
        if (const int status = handOver(context, [&] { return planChart(*plan.value); })) return status;
        writeResultTable(context, planTable(*plan.value),
                         {{"periods", static_cast<int>(plan->periods.size())},
                          {"total_invested", centsNumber(plan->totalInvested)},
                          {"total_interest", centsNumber(plan->totalInterest())},
                          {"final_value", centsNumber(plan->finalValue)}});
        return 0;
    }
    // Comparisons: each example starts from the options and changes what it names.
    if (specs.size() > kMaxExamples) return failWith(Msg::ExampleLimit, "--example " + specs[kMaxExamples]);
    std::vector<SavingsExample> listed;
    for (int n = 1; n <= specs.size(); ++n) {
        SavingsInputs in = base;
        for (const QString& pair : specs[n - 1].split(',', Qt::SkipEmptyParts)) {
            const QStringList kv = pair.split('=');
            if (kv.size() != 2) return failWith(Msg::WrongEntry, "--example " + specs[n - 1]);
            if (const Msg message = setInput(in, kv[0].trimmed(), kv[1].trimmed()); message != Msg::None)
                return failWith(message, "--example " + specs[n - 1]);
        }
        const auto plan = calculateSavings(in);
        if (!plan) return failWith(plan.message, "--example " + specs[n - 1]);
        listed.push_back({in, *plan.value});
    }
    if (const int status = handOver(context, [&] { return comparisonsChart(listed); })) return status;
    if (!context.printoutPath.isEmpty())
        if (const int status = writePrintout(context, comparisonsPrintout(comparisonsTable(listed), print),
                                             "Investment Growth Comparisons"))
            return status;
    writeResultTable(context, comparisonsTable(listed));
    return 0;
}

const QStringList kCompoundOptions = {"cost", "value", "term"};

// The inputs of the options named, over the defaults; the first that is not a figure.
QString compoundInputs(const QCommandLineParser& parser, const QStringList& names, FinderInputs& in) {
    for (const QString& key : names) {
        if (!parser.isSet(key)) continue;
        const auto number = numberOption(parser, key);
        if (key == "term") {
            const auto years = number ? Years::fromDouble(*number) : std::nullopt;
            if (!years) return optionText(parser, key);
            in.term = *years;
            continue;
        }
        const auto currency = number ? Currency::fromDouble(*number) : std::nullopt;
        if (!currency) return optionText(parser, key);
        (key == "cost" ? in.cost : in.value) = *currency;
    }
    return {};
}

int runCompound(const QCommandLineParser& parser, const CliContext& context) {
    FinderInputs in;
    in.name = parser.value("name").toStdString();
    if (const QString wrong = compoundInputs(parser, kCompoundOptions, in); !wrong.isEmpty())
        return failWith(Msg::WrongEntry, wrong);
    const auto row = findCompoundGrowth(in);
    if (!row)
        return failWith(row.message,
                        optionGiving(parser, kCompoundOptions, row.message, [&](const QStringList& given) {
                            FinderInputs alone;
                            compoundInputs(parser, given, alone);
                            return findCompoundGrowth(alone).message;
                        }));
    const std::string& symbol = context.settings.CurrencySymbol;
    if (!context.printoutPath.isEmpty()) {
        const PrintContext print{
            context.header.toStdString(), symbol, context.settings.PrinterFontChoice, {}};
        if (const int status = writePrintout(context, finderPrintout(finderTable({*row.value}), print),
                                             "Annual Compounding Comparisons"))
            return status;
    }
    const double rate = QString::fromStdString(Format(row->rate * 100, mask::FourPlaces)).toDouble();
    const double gain = QString::fromStdString(Format(row->totalGain * 100, mask::Cents)).toDouble();
    if (const int status = handOver(context, [&] { return finderChart({*row.value}); })) return status;
    if (context.format == "text" && !context.quiet()) {
        printOut("Annual compound growth: " + Format(row->rate, mask::GainPercent4) +
                 "\nTotal gain/loss:        " + Format(row->totalGain, mask::GainPercent) + "\n\n");
    }
    writeResultTable(context, finderPathTable(*row.value), {{"rate", rate}, {"total_gain", gain}});
    return 0;
}

} // namespace

CliCommand growthCommand() {
    return {
        "growth",
        "The investment growth planner: a lump sum and a regular contribution, period by period. With "
        "--example blocks, a comparison of up to 22 plans.",
        [](QCommandLineParser& parser) {
            parser.addOptions({
                {"lump", "The lump sum invested at the start.", "AMOUNT"},
                {"amount", "The amount invested at each contribution period.", "AMOUNT"},
                {"frequency", "annually, quarterly or monthly.", "FREQUENCY"},
                {"rate", "The annual interest/growth rate in percent.", "PERCENT"},
                {"increase", "The yearly increase of the contribution in percent.", "PERCENT"},
                {"inflation", "The annual inflation rate in percent.", "PERCENT"},
                {"term", "Years invested (at most 40).", "YEARS"},
                {"example",
                 "A comparison example: key=value pairs (lump, amount, frequency, rate, increase, inflation, "
                 "term) separated by commas, over the options above. Repeatable.",
                 "SPEC"},
            });
        },
        runGrowth,
    };
}

CliCommand compoundCommand() {
    return {
        "compound",
        "The annual compound growth rate from a cost, a later value and a term in years.",
        [](QCommandLineParser& parser) {
            parser.addOptions({
                {"cost", "The purchase cost.", "AMOUNT"},
                {"value", "The present or future value.", "AMOUNT"},
                {"term", "The term in years (at most 50).", "YEARS"},
                {"name", "The investment's name, for the printout.", "TEXT"},
            });
        },
        runCompound,
    };
}

} // namespace brisk
