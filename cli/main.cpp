// brisklane-calc: the calculators of Brisklane from the command line.
#include "app/core/atomic_file.h"
#include "app/core/personal_settings.h"
#include "app/core/version.h"
#include "cli/chart_command.h"
#include "cli/command.h"

#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTextStream>

#include <memory>

using namespace brisk;

namespace {

QString usage() {
    QString text = "Usage: brisklane-calc <calculator> [options] [--format text|csv|json] [--printout FILE]\n"
                   "                      [--header TEXT] [--settings FILE]\n\nCalculators:\n";
    for (const CliCommand& command : cliCommands())
        text += QString("  %1  %2\n").arg(command.name, -10).arg(command.summary);
    text += "\n'brisklane-calc <calculator> --help' lists a calculator's options.\n"
            "'brisklane-calc chart <calculator> [options] [--kind 1..7] --output FILE.png|.pdf|.json' draws "
            "its chart.\n";
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

PersonalSettings loadSettings(const QString& path) {
    const auto bytes = readFileStart(path.toStdString(), 64 * 1024);
    const auto settings = bytes ? parsePersonalSettings(*bytes) : std::nullopt;
    return settings.value_or(PersonalSettings{});
}

} // namespace

int main(int argc, char** argv) {
    // A PDF printout needs fonts, and so a GUI application; it draws offscreen without a display.
    // Drawing (a PDF printout, a chart) needs a GUI application; it draws offscreen without a display.
    bool wantsPdf = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg(argv[i]);
        if (arg.endsWith(".pdf", Qt::CaseInsensitive) || arg.endsWith(".png", Qt::CaseInsensitive))
            wantsPdf = true;
    }
    if (wantsPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> application(wantsPdf ? new QGuiApplication(argc, argv)
                                                           : new QCoreApplication(argc, argv));
    QCoreApplication::setApplicationName("Brisklane");
    QCoreApplication::setApplicationVersion(kVersion);

    const QStringList arguments = QCoreApplication::arguments();
    QTextStream out(stdout), err(stderr);
    if (arguments.size() < 2 || arguments[1] == "--help" || arguments[1] == "-h") {
        out << usage();
        return arguments.size() < 2 ? 2 : 0;
    }
    if (arguments[1] == "--version") {
        out << "brisklane-calc " << kVersion << "\n";
        return 0;
    }
    // "chart <calculator> ..." runs the calculator for its chart.
    const bool chart = arguments[1] == "chart";
    QStringList commandArguments = arguments;
    if (chart) commandArguments.removeAt(1);
    if (commandArguments.size() < 2) {
        err << usage();
        return 2;
    }
    if (chart && (commandArguments[1] == "--help" || commandArguments[1] == "-h")) {
        out << "Usage: brisklane-calc chart <calculator> [options] [--kind 1..7] --output "
               "FILE.png|FILE.pdf|FILE.json\n"
               "Draws a calculator's chart, as the chart window shows it, into an image, a PDF page or\n"
               "(.json) its figures. 'brisklane-calc <calculator> --help' lists the calculator's options.\n";
        return 0;
    }
    const CliCommand* command = nullptr;
    for (const CliCommand& candidate : cliCommands())
        if (candidate.name == commandArguments[1]) command = &candidate;
    if (!command) {
        err << "Unknown calculator: " << commandArguments[1] << "\n\n" << usage();
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
        err << parser.errorText() << '\n';
        return 2;
    }
    if (parser.isSet("help")) {
        out << parser.helpText();
        return 0;
    }

    CliContext context;
    context.format = parser.value("format");
    if (context.format != "text" && context.format != "csv" && context.format != "json") {
        err << "Unknown format: " << context.format << " (text, csv or json)\n";
        return 2;
    }
    context.printoutPath = parser.value("printout");
    context.header = parser.value("header");
    const QString settingsPath = parser.isSet("settings")
                                     ? parser.value("settings")
                                     : QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                           .filePath(kSettingsFileName);
    context.settings = loadSettings(settingsPath);
    return chart ? runChart(*command, parser, context) : command->run(parser, context);
}
