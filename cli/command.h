// The frame of brisklane-calc: the subcommands, their shared options and the output writers.
#pragma once

#include "app/core/outcome.h"
#include "app/core/personal_settings.h"
#include "app/core/text_table.h"
#include "charts/core/chart_handover.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace brisk {

class Printout;

struct CliContext {
    PersonalSettings settings; // from --settings, or the user's own file
    QString format = "text";   // text, csv or json
    QString printoutPath;      // --printout
    QString header;            // --header: the printout's header line
    // Set by brisklane-calc chart: the calculator fills the hand-over instead of printing its table.
    ChartHandover* chart = nullptr;
    bool quiet() const { return chart != nullptr; }
};

struct CliCommand {
    QString name;
    QString summary;
    std::function<void(QCommandLineParser&)> addOptions;
    // The exit status: 0, or 2 after a numbered message on standard error.
    std::function<int(const QCommandLineParser&, const CliContext&)> run;
};

// Every subcommand, in the order --help lists them.
std::vector<CliCommand>& cliCommands();
struct RegisterCommand {
    explicit RegisterCommand(CliCommand command) { cliCommands().push_back(std::move(command)); }
};

// Money as the command line writes it: to the cent, plain decimals; and the same as a JSON number.
std::string cents(double value);
void appendCents(std::string& text, double value);
double centsNumber(double value);

// Prints the numbered message on standard error; returns the exit status 2.
int failWith(Msg message);
// For brisklane-calc chart: the calculator's chart into the hand-over, or its message; made only
// when a chart is asked for. The exit status.
int handOver(const CliContext& context, const std::function<Outcome<ChartHandover>()>& makeChart);
// A number given on the command line, in plain invariant form; nothing when it is not one.
std::optional<double> numberOption(const QCommandLineParser& parser, const QString& name);

// Writes a result table in the chosen format: aligned text, CSV, or JSON with `summary` and, when
// `rowsKey` is not empty, the rows as objects under that key.
void writeTable(const CliContext& context, const TextTable& table, QJsonObject summary = {},
                const QString& rowsKey = "rows");
// Writes the printout to --printout: a PDF for a .pdf name, otherwise plain text pages separated
// by form feeds. Returns the exit status.
int writePrintout(const CliContext& context, const Printout& printout, const QString& title);

} // namespace brisk
