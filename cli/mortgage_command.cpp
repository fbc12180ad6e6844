// brisklane-calc mortgage: the amortization schedule of a mortgage or a personal loan.
#include "app/core/atomic_file.h"
#include "app/core/figure_format.h"
#include "app/core/mask_format.h"
#include "cli/command.h"
#include "mortgage/core/mortgage_chart.h"
#include "mortgage/core/mortgage_file.h"
#include "mortgage/core/mortgage_printout.h"
#include "mortgage/core/schedule_text.h"

#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace brisk {

namespace {

const QMap<QString, CompoundingKind> kCompoundingNames = {{"monthly", CompoundingKind::Monthly},
                                                          {"bimonthly", CompoundingKind::Bimonthly},
                                                          {"quarterly", CompoundingKind::Quarterly},
                                                          {"semiannual", CompoundingKind::Semiannual},
                                                          {"annual", CompoundingKind::Annual}};
const QMap<QString, FrequencyKind> kFrequencyNames = {
    {"monthly", FrequencyKind::Monthly},          {"semimonthly", FrequencyKind::Semimonthly},
    {"2weeks", FrequencyKind::TwoWeeks},          {"1week", FrequencyKind::OneWeek},
    {"biweekly-acc", FrequencyKind::BiweeklyAcc}, {"weekly-acc", FrequencyKind::WeeklyAcc}};
const QMap<QString, int> kDaysNames = {{"365.25", 0}, {"365", 1}, {"364", 2}, {"363", 3}};

// The command line writes dates as yyyy-mm-dd, whatever the locale.
const ShortDateForm kIsoDates;

// A message and the option at fault.
struct OptionFault {
    Msg message = Msg::None;
    QString option;
};

// Reads the options over the inputs; the first that does not fit, with its message. `applied` is
// told each option once it is in the inputs; returning true stops there.
OptionFault applyOptions(const QCommandLineParser& parser, MortgageInputs& in,
                         const std::function<bool(const QString&)>& applied = {}) {
    const bool loan = in.MortgageMode == MortgageKind::Loan;
    auto fault = [&](const QString& name, Msg message = Msg::WrongEntry) {
        return OptionFault{message, optionText(parser, name)};
    };
    auto stopAfter = [&](const QString& name) { return parser.isSet(name) && applied && applied(name); };
    auto currencyOf = [&]<class Kind>(const QString& name, Fixed<Kind>& out, double scale = 1) {
        if (!parser.isSet(name)) return true;
        const auto value = numberOption(parser, name);
        const auto currency = value && *value >= 0 ? Fixed<Kind>::fromDouble(*value * scale) : std::nullopt;
        if (currency) out = *currency;
        return currency.has_value();
    };
    if (!currencyOf("principal", in.principal)) return fault("principal");
    if (stopAfter("principal")) return {};
    if (!currencyOf("rate", in.rate)) return fault("rate");
    if (stopAfter("rate")) return {};
    if (!currencyOf("term", in.termYears, loan ? 1.0 / 12 : 1.0)) return fault("term");
    if (parser.isSet("term")) in.eraseExtraPayments(); // as the window does when the term changes
    if (stopAfter("term")) return {};
    if (parser.isSet("compounding")) {
        if (!kCompoundingNames.contains(parser.value("compounding"))) return fault("compounding");
        in.compounding = kCompoundingNames[parser.value("compounding")];
    }
    if (stopAfter("compounding")) return {};
    if (parser.isSet("frequency")) {
        if (!kFrequencyNames.contains(parser.value("frequency"))) return fault("frequency");
        in.frequency = kFrequencyNames[parser.value("frequency")];
    }
    if (stopAfter("frequency")) return {};
    if (parser.isSet("days")) {
        if (!kDaysNames.contains(parser.value("days"))) return fault("days");
        in.DaysChoice = kDaysNames[parser.value("days")];
    }
    if (stopAfter("days")) return {};
    if (parser.isSet("increase")) {
        const auto percent = numberOption(parser, "increase");
        if (!percent || *percent < 0) return fault("increase");
        if (*percent > 100) return fault("increase", Msg::PercentLimit);
        in.ExtraPercent = static_cast<float>(*percent / 100);
    }
    if (stopAfter("increase")) return {};
    in.numberExtraYears();
    for (const QString& extra : parser.values("extra")) {
        const QStringList parts = extra.split('=');
        bool yearOk = false, amountOk = false;
        const int year = parts.size() == 2 ? parts[0].toInt(&yearOk) : 0;
        const double amount = parts.size() == 2 ? parts[1].toDouble(&amountOk) : 0;
        const auto currency = Currency::fromDouble(amount);
        if (!yearOk || !amountOk || !currency || amount < 0 || year < 1 || year > in.extraYears())
            return {Msg::WrongEntry, "--extra " + extra};
        in.ExtraPayments[year] = {Currency::fromWhole(year), *currency};
    }
    in.ExtraPaymentCount = in.countExtraPayments();
    if (stopAfter("extra")) return {};
    if (parser.isSet("annual"))
        in.CalcMode = ShowPayments::Annual;
    else if (!parser.isSet("load"))
        in.CalcMode = ShowPayments::All;
    if (parser.isSet("start-date")) {
        const auto date = parseIsoDate(parser.value("start-date").toStdString());
        if (!date) return fault("start-date", Msg::WrongDate);
        in.StartDate = date;
        in.ViewDates = true;
    }
    return {};
}

// The option that made the inputs wrong: the first after which they give the final message.
QString optionAtFault(const QCommandLineParser& parser, MortgageInputs in, Msg message) {
    if (validate(in) == message) return optionText(parser, "load"); // the file itself
    QString found;
    applyOptions(parser, in, [&](const QString& name) {
        if (validate(in) != message) return false;
        found = optionText(parser, name);
        return true;
    });
    return found.isEmpty() && parser.isSet("start-date") ? optionText(parser, "start-date") : found;
}

int runMortgage(const QCommandLineParser& parser, const CliContext& context) {
    const MortgageKind mode = parser.isSet("loan") ? MortgageKind::Loan : MortgageKind::Mortgage;
    MortgageInputs in = MortgageInputs::defaults(mode);
    in.CalcMode = ShowPayments::All;
    if (parser.isSet("load")) {
        // The window saves the start date in the user's short date form: read in that form first.
        const ShortDateForm localDates =
            shortDateFormFromPattern(QLocale::system().dateFormat(QLocale::ShortFormat).toStdString());
        const auto bytes = readFileStart(localPath(parser.value("load")), 1 << 20);
        const auto loaded = bytes ? parseMortgageFile(*bytes, mode, localDates)
                                  : Outcome<MortgageInputs>::failure(Msg::BadFile);
        if (!loaded) return failWith(Msg::BadFile, optionText(parser, "load"));
        in = *loaded.value;
    }
    const MortgageInputs start = in;
    if (const OptionFault fault = applyOptions(parser, in); fault.message != Msg::None)
        return failWith(fault.message, fault.option);
    if (const auto message = validate(in)) return failWith(*message, optionAtFault(parser, start, *message));
    const auto outcome = calculateSchedule(in);
    if (!outcome) return failWith(outcome.message);
    const Schedule& s = *outcome.value;

    if (parser.isSet("save")) {
        context.finalWrites.push_back(
            [path = parser.value("save"), bytes = mortgageFileBytes(in, kIsoDates), mode] {
                if (writeFileAtomically(localPath(path), bytes)) return 0;
                return failWith(mode == MortgageKind::Loan ? Msg::BadLoanName : Msg::BadMortgageName,
                                "--save " + path);
            });
    }
    if (!context.printoutPath.isEmpty()) {
        const PrintContext print{context.header.toStdString(), context.settings.CurrencySymbol,
                                 context.settings.PrinterFontChoice, kIsoDates};
        if (const int status =
                writePrintout(context, mortgagePrintout(in, s, print),
                              mode == MortgageKind::Loan ? "Personal Loan Table" : "Mortgage Table"))
            return status;
    }
    QJsonObject summary{{"payment", centsNumber(s.payment)},
                        {"payments_per_year", s.paymentsPerYear},
                        {"rate_factor", s.periodicRate},
                        {"payment_increase", centsNumber(s.paymentIncrease)},
                        {"final_payment_time",
                         QString::fromStdString(Format(s.finalPaymentTime(mode), mask::Cents)).toDouble()},
                        {"total_paid", centsNumber(s.totalPaid)},
                        {"interest_savings", centsNumber(s.interestSavings)},
                        {"row_count", s.GridRowCount()}};
    if (const int status = handOver(context, [&] { return mortgageChart(in, s); })) return status;
    if (context.format == "text" && !context.quiet()) {
        const std::string& c = context.settings.CurrencySymbol;
        QString text;
        QTextStream out(&text);
        out << "Payment:                 " << QString::fromStdString(moneyText(c, s.payment, mask::Amount))
            << '\n'
            << "Payments each year:      " << s.paymentsPerYear << '\n'
            << "Interest rate factor:    " << QString::fromStdString(rateFactorText(s)) << '\n'
            << (mode == MortgageKind::Loan ? "Months to final payment:" : "Years to final payment: ") << ' '
            << QString::fromStdString(finalPaymentText(s, mode)) << '\n'
            << "Total paid:              " << QString::fromStdString(moneyText(c, s.totalPaid, mask::Amount))
            << '\n'
            << "Total interest savings:  "
            << QString::fromStdString(moneyText(c, s.interestSavings, mask::Amount)) << "\n\n";
        out.flush();
        printOut(text);
    }
    writeResultTable(context, scheduleTable(s, kIsoDates), summary);
    return 0;
}

} // namespace

CliCommand mortgageCommand() {
    return {
        "mortgage",
        "The amortization schedule of a mortgage (term in years) or, with --loan, a personal loan (term in "
        "months).",
        [](QCommandLineParser& parser) {
            parser.addOptions({
                {"loan", "A personal loan: the term is in months."},
                {"principal", "The principal amount.", "AMOUNT"},
                {"rate", "The annual interest rate in percent.", "PERCENT"},
                {"term", "The term: years (at most 40), or months for a loan (at most 480).", "TERM"},
                {"compounding", "monthly, bimonthly, quarterly, semiannual or annual.", "PERIOD"},
                {"frequency", "monthly, semimonthly, 2weeks, 1week, biweekly-acc or weekly-acc.",
                 "FREQUENCY"},
                {"days", "Days in a year for two-weekly and weekly payments: 365.25, 365, 364 or 363.",
                 "DAYS"},
                {"increase", "Raises every payment by this percentage.", "PERCENT"},
                {"extra", "An additional payment at the start of a payment year (repeatable).",
                 "YEAR=AMOUNT"},
                {"annual", "Annual totals instead of every payment."},
                {"start-date", "The date of the first payment; the schedule then shows dates.", "YYYY-MM-DD"},
                {"load", "Starts from a saved .umd (or, with --loan, .uld) file; other options override it.",
                 "FILE"},
                {"save", "Saves the inputs as a .umd or .uld file.", "FILE"},
            });
        },
        runMortgage,
    };
}

} // namespace brisk
