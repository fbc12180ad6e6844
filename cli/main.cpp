// brisklane-calc: the calculators of Brisklane from the command line.
#include "app/core/personal_settings.h"
#include "app/core/version.h"
#include "cli/chart_command.h"
#include "cli/command.h"

#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>

#include <memory>

using namespace brisk;

namespace {

// Every subcommand, in the order --help lists them: the README's order.
const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> commands{
        formatCommand(),     mortgageCommand(), growthCommand(),   compoundCommand(),
        retirementCommand(), capitalCommand(),  plan401kCommand(), valuedbCommand(),
    };
    return commands;
}

QString usage() {
    QString text = "Usage: brisklane-calc <calculator> [options] [--format text|csv|json] [--printout FILE]\n"
                   "                      [--header TEXT] [--settings FILE]\n\nCalculators:\n";
    for (const CliCommand& command : cliCommands())
        text += QString("  %1  %2\n").arg(command.name, -10).arg(command.summary);
    text += "\n'brisklane-calc <calculator> --help' lists a calculator's options.\n"
            "'brisklane-calc chart <calculator> [options] [--kind 1..7] --output FILE' draws its chart into\n"
            "a file whose name ends in ." +
            chartOutputKinds().join(", .") + ".\n";
    return text;
}

void addSharedOptions(QCommandLineParser& parser) {
    parser.addOption({"format", "Output: text (default), csv or json.", "FORMAT", "text"});
    parser.addOption(
        {"printout", "Writes the printout to FILE: a PDF for a .pdf name, else plain text pages.", "FILE"});
    parser.addOption({"header", "The one-line header of the printout.", "TEXT"});
    parser.addOption(
        {"settings", "The personal settings file to use (currency symbol, printer font).", "FILE"});
}

// Everything after the application is made; the exit status.
int run(const QStringList& arguments) {
    if (arguments.size() < 2) {
        printErr(usage());
        return 2;
    }
    if (arguments[1] == "--help" || arguments[1] == "-h") {
        printOut(usage());
        return 0;
    }
    if (arguments[1] == "--version") {
        printOut(QString("brisklane-calc %1\n").arg(kVersion));
        return 0;
    }
    // "chart <calculator> ..." runs the calculator for its chart.
    const bool chart = arguments[1] == "chart";
    QStringList commandArguments = arguments;
    if (chart) commandArguments.removeAt(1);
    if (commandArguments.size() < 2) {
        printErr(usage());
        return 2;
    }
    if (chart && (commandArguments[1] == "--help" || commandArguments[1] == "-h")) {
        printOut(
            QString("Usage: brisklane-calc chart <calculator> [options] [--kind 1..7] --output FILE\n"
                    "Draws a calculator's chart, as the chart window shows it, into an image (.%1), a PDF "
                    "page or\n(.json) its figures. 'brisklane-calc <calculator> --help' lists the "
                    "calculator's options.\n")
                .arg(chartOutputKinds().join(", .")));
        return 0;
    }
    const CliCommand* command = nullptr;
    for (const CliCommand& candidate : cliCommands())
        if (candidate.name == commandArguments[1]) command = &candidate;
    if (!command) {
        printErr("Unknown calculator: " + commandArguments[1] + "\n\n" + usage());
        return 2;
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(command->summary);
    parser.addHelpOption();
    parser.addPositionalArgument(command->name, "The calculator.");
    addSharedOptions(parser);
    command->addOptions(parser);
    if (chart) addChartOptions(parser);
    if (!parser.parse(commandArguments)) {
        printErr(parser.errorText() + '\n');
        return 2;
    }
    if (parser.isSet("help")) {
        printOut(parser.helpText());
        return 0;
    }

    CliContext context;
    context.format = parser.value("format");
    if (context.format != "text" && context.format != "csv" && context.format != "json") {
        printErr(optionText(parser, "format") + ": the format is text, csv or json\n");
        return 2;
    }
    context.printoutPath = parser.value("printout");
    context.header = parser.value("header");
    if (parser.isSet("settings")) {
        // A file named on the command line must be there and be a settings file.
        const auto settings = readPersonalSettings(localPath(parser.value("settings")));
        if (!settings) return failWith(Msg::BadFile, optionText(parser, "settings"));
        context.settings = *settings;
    } else {
        // The user's own file: its defaults until the first settings are saved.
        const QString own = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                .filePath(kSettingsFileName);
        context.settings = readPersonalSettings(localPath(own)).value_or(PersonalSettings{});
    }
    const int status = chart ? runChart(*command, parser, context) : command->run(parser, context);
    if (status != 0) return status;
    // The output first: a command whose output is lost writes no file either.
    if (!finishOutput()) return 2;
    for (const auto& write : context.finalWrites)
        if (const int written = write()) return written;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Drawing (a PDF printout, a chart, a trend graph) needs a GUI application, which draws offscreen
    // without a display.
    bool draws = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg = QByteArray(argv[i]).toLower();
        const QByteArray output = arg.startsWith("--output=")         ? arg.mid(9)
                                  : arg == "--output" && i + 1 < argc ? QByteArray(argv[i + 1]).toLower()
                                                                      : QByteArray();
        // An --output is drawn unless it is a chart's figures (.json) or a database (.zrk).
        if (arg.endsWith(".pdf") || arg.endsWith(".png") ||
            (!output.isEmpty() && !output.endsWith(".json") && !output.endsWith(".zrk")))
            draws = true;
    }
    if (draws && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application(draws ? new QGuiApplication(argc, argv)
                                                        : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName("Brisklane");
    QCoreApplication::setApplicationVersion(kVersion);

    // The arguments as given, byte for byte (QCoreApplication::arguments() loses what is not UTF-8).
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << argumentText(argv[i]);
    const int status = run(arguments);
    if (status != 0) {
        std::fflush(stdout);
        return status;
    }
    return finishOutput() ? 0 : 2;
}
