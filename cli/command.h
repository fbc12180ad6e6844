// The frame of brisklane-calc: the subcommands, their shared options and the output writers.
#pragma once

#include "app/core/messages.h"
#include "app/core/outcome.h"
#include "app/core/personal_settings.h"
#include "app/core/result_table.h"
#include "app/core/text_table.h"
#include "charts/core/chart_handover.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace brisk {

class Printout;

struct CliContext {
    PersonalSettings settings; // from --settings, or the user's own file
    QString format = "text";   // text, csv or json
    QString printoutPath;      // --printout
    QString header;            // --header: the printout's header line
    // Files written only when the command has succeeded and its output has reached standard
    // output (--printout, --save): a command that fails writes none of them.
    mutable std::vector<std::function<int()>> finalWrites;
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

// The subcommands, each made by its own file; main.cpp lists them in the order --help shows.
CliCommand formatCommand();
CliCommand mortgageCommand();
CliCommand growthCommand();
CliCommand compoundCommand();
CliCommand retirementCommand();
CliCommand capitalCommand();
CliCommand plan401kCommand();
CliCommand valuedbCommand();

// Money as the command line writes it: to the cent, plain decimals; and the same as a JSON number.
std::string cents(double value);
void appendCents(std::string& text, double value);
double centsNumber(double value);

// Command-line arguments keep the bytes the user gave: bytes that are not UTF-8 (a Latin-1 file
// name) stand in the text as U+DC80..U+DCFF and become the same bytes again.
QString argumentText(std::string_view bytes);
std::string argumentBytes(const QString& text);
std::filesystem::path localPath(const QString& argument);

// Standard output and standard error. Every write to standard output is checked; finishOutput()
// flushes it and says on standard error when any write failed (a full disk, a closed pipe).
void printOut(std::string_view bytes);
void printOut(const QString& text);
void printErr(const QString& text);
bool finishOutput();

// An option and its value as the user gave them, to name it in a message: "--term 41".
QString optionText(const QCommandLineParser& parser, const QString& name);

// The option at fault for a message the inputs as a whole give: the first of `names` (in the order
// they are applied) that, given with those before it, gives the message; empty when none does
// alone. `check` calculates from the defaults with the options named.
QString optionGiving(const QCommandLineParser& parser, const QStringList& names, Msg message,
                     const std::function<Msg(const QStringList& given)>& check);

// Prints the numbered message on standard error, after the option at fault when there is one,
// with its number; returns the exit status 2.
int failWith(Msg message, const QString& option = {});
// The same for a message joined with values.
int failWith(Msg message, const MessageArgs& args, const QString& option = {});
// For brisklane-calc chart: the calculator's chart into the hand-over, or its message; made only
// when a chart is asked for. The exit status.
int handOver(const CliContext& context, const std::function<Outcome<ChartHandover>()>& makeChart);
// A number given on the command line, in plain invariant form; nothing when it is not one.
std::optional<double> numberOption(const QCommandLineParser& parser, const QString& name);

// Writes a result table in the chosen format: aligned text, CSV, or JSON with `summary` and, when
// `rowsKey` is not empty, the rows as objects under that key.
void writeTable(const CliContext& context, const TextTable& table, QJsonObject summary = {},
                const QString& rowsKey = "rows");
// Writes a result table's data (its columns but those the window alone shows) in the chosen format:
// aligned text, CSV, or JSON with `summary`, the rows as objects keyed by column id under "rows"
// (figures as numbers) and the totals as an object of their own under "totals".
void writeResultTable(const CliContext& context, const ResultTable& table, QJsonObject summary = {});
// Writes the printout to --printout, once the command has succeeded: a PDF for a .pdf name,
// otherwise plain text pages separated by form feeds. Returns the exit status.
int writePrintout(const CliContext& context, const Printout& printout, const QString& title);

} // namespace brisk
