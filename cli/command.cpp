#include "cli/command.h"

#include "app/core/atomic_file.h"
#include "app/core/dates.h"
#include "app/core/mask_format.h"
#include "app/core/messages.h"
#include "app/core/printout.h"
#include "app/render/pdf_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace brisk {

std::vector<CliCommand>& cliCommands() {
    static std::vector<CliCommand> commands;
    return commands;
}

std::string cents(double value) {
    std::string text;
    appendCents(text, value);
    return text;
}
void appendCents(std::string& text, double value) {
    FormatTo(text, value, "0.00");
}
double centsNumber(double value) {
    return QString::fromStdString(cents(value)).toDouble();
}

int failWith(Msg message) {
    // Message 30 names the date form the command line takes, with today's date.
    const std::string todayText = isoDateText(today());
    QTextStream(stderr) << QString::fromStdString(MessageText(message, {.today = todayText})) << '\n';
    return 2;
}

int handOver(const CliContext& context, const std::function<Outcome<ChartHandover>()>& makeChart) {
    if (!context.chart) return 0;
    const auto chart = makeChart();
    if (!chart) return failWith(chart.message);
    *context.chart = *chart;
    return 0;
}

std::optional<double> numberOption(const QCommandLineParser& parser, const QString& name) {
    bool ok = false;
    const double value = parser.value(name).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt; // "nan" and "inf" are no figures
    return value;
}

void writeTable(const CliContext& context, const TextTable& table, QJsonObject summary,
                const QString& rowsKey) {
    if (context.quiet()) return;
    // Tables can be long: their text goes to standard output as the UTF-8 bytes it already is.
    auto write = [](const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); };
    if (context.format == "csv") {
        write(csvText(table, "\n"));
    } else if (context.format == "json") {
        if (!rowsKey.isEmpty()) {
            QJsonArray rows;
            for (const auto& row : table.rows) {
                QJsonObject object;
                for (std::size_t i = 0; i < row.size() && i < table.header.size(); ++i) {
                    bool isNumber = false;
                    const double number = QString::fromStdString(row[i]).toDouble(&isNumber);
                    const QString key = QString::fromStdString(table.header[i]);
                    object[key] = isNumber ? QJsonValue(number) : QJsonValue(QString::fromStdString(row[i]));
                }
                rows.append(object);
            }
            summary[rowsKey] = rows;
        }
        write(QJsonDocument(summary).toJson(QJsonDocument::Indented).toStdString());
    } else {
        write(alignedText(table));
    }
}

int writePrintout(const CliContext& context, const Printout& printout, const QString& title) {
    if (context.printoutPath.endsWith(".pdf", Qt::CaseInsensitive)) {
        if (const auto error = writePrintoutPdf(printout, context.printoutPath.toStdString(), title)) {
            QTextStream(stderr) << context.printoutPath << ": " << QString::fromStdString(*error) << '\n';
            return 2;
        }
        return 0;
    }
    if (const auto error = writeFileAtomically(context.printoutPath.toStdString(), printout.plainText())) {
        QTextStream(stderr) << context.printoutPath << ": " << QString::fromStdString(*error) << '\n';
        return 2;
    }
    return 0;
}

} // namespace brisk
