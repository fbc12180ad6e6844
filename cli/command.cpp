#include "cli/command.h"
#include "app/core/figure_format.h"

#include "app/core/atomic_file.h"
#include "app/core/dates.h"
#include "app/core/mask_format.h"
#include "app/core/messages.h"
#include "app/core/printout.h"
#include "app/core/record_file.h"
#include "app/render/pdf_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace brisk {

std::string cents(double value) {
    std::string text;
    appendCents(text, value);
    return text;
}
void appendCents(std::string& text, double value) {
    FormatTo(text, value, mask::Cents);
}
double centsNumber(double value) {
    return QString::fromStdString(cents(value)).toDouble();
}

QString argumentText(std::string_view bytes) {
    QString text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        // The longest run that is UTF-8 is taken whole; a byte that starts no sequence stands alone.
        std::size_t end = i;
        while (end < bytes.size()) {
            const auto c = static_cast<unsigned char>(bytes[end]);
            const std::size_t length = c < 0x80         ? 1
                                       : (c >> 5) == 6  ? 2
                                       : (c >> 4) == 14 ? 3
                                       : (c >> 3) == 30 ? 4
                                                        : 0;
            if (length == 0 || end + length > bytes.size() || !isValidUtf8(bytes.substr(end, length))) break;
            end += length;
        }
        text += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(end - i));
        if (end < bytes.size()) text += QChar(0xDC00 + static_cast<unsigned char>(bytes[end++]));
        i = end;
    }
    return text;
}

std::string argumentBytes(const QString& text) {
    std::string bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool kept = i < text.size() && text[i].unicode() >= 0xDC80 && text[i].unicode() <= 0xDCFF &&
                          (i == 0 || !text[i - 1].isHighSurrogate());
        if (i < text.size() && !kept) continue;
        bytes += text.mid(start, i - start).toStdString();
        if (kept) bytes += static_cast<char>(text[i].unicode() - 0xDC00);
        start = i + 1;
    }
    return bytes;
}

std::filesystem::path localPath(const QString& argument) {
    return std::filesystem::path(argumentBytes(argument));
}

namespace {
int outputError = 0; // the first failed write's error
} // namespace

void printOut(std::string_view bytes) {
    if (bytes.empty() || outputError) return;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) outputError = errno ? errno : EIO;
}
void printOut(const QString& text) {
    printOut(argumentBytes(text));
}
void printErr(const QString& text) {
    const std::string bytes = argumentBytes(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stderr);
    std::fflush(stderr);
}

bool finishOutput() {
    if (std::fflush(stdout) != 0 && !outputError) outputError = errno ? errno : EIO;
    if (std::ferror(stdout) && !outputError) outputError = EIO;
    if (!outputError) return true;
    printErr(QString("The output could not be written: %1.\n")
                 .arg(QString::fromLocal8Bit(std::strerror(outputError))));
    return false;
}

QString optionText(const QCommandLineParser& parser, const QString& name) {
    const QStringList values = parser.values(name);
    return values.isEmpty() ? "--" + name : "--" + name + ' ' + values.last();
}

QString optionGiving(const QCommandLineParser& parser, const QStringList& names, Msg message,
                     const std::function<Msg(const QStringList& given)>& check) {
    QStringList given;
    for (const QString& name : names) {
        if (!parser.isSet(name)) continue;
        given << name;
        if (check(given) == message) return optionText(parser, name);
    }
    return {};
}

int failWith(Msg message, const QString& option) {
    return failWith(message, {}, option);
}

int failWith(Msg message, const MessageArgs& args, const QString& option) {
    MessageArgs withToday = args;
    // Message 30 names the date form the command line takes, with today's date.
    const std::string todayText = isoDateText(today());
    if (withToday.today.empty()) withToday.today = todayText;
    const QString text = QString::fromStdString(MessageText(message, withToday));
    printErr((option.isEmpty() ? QString() : option + ": ") + text +
             QString(" (message %1)\n").arg(static_cast<int>(message)));
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

namespace {

QJsonValue jsonCell(const TableCell& cell, FigureKind kind) {
    if (std::holds_alternative<std::monostate>(cell)) return QJsonValue();
    const std::string text = plainText(cell, kind);
    if (std::holds_alternative<double>(cell) || std::holds_alternative<std::int64_t>(cell))
        return QString::fromStdString(text).toDouble(); // the figure the CSV holds
    return QString::fromStdString(text);
}

QJsonObject jsonRow(const ResultTable& table, const std::vector<std::size_t>& columns, const TableRow& row,
                    bool skipEmpty) {
    QJsonObject object;
    for (std::size_t c : columns) {
        const TableCell empty;
        const TableCell& cell = c < row.size() ? row[c] : empty;
        if (skipEmpty && std::holds_alternative<std::monostate>(cell)) continue;
        object[QString::fromStdString(table.columns[c].id)] = jsonCell(cell, table.columns[c].kind);
    }
    return object;
}

} // namespace

void writeResultTable(const CliContext& context, const ResultTable& table, QJsonObject summary) {
    if (context.quiet()) return;
    std::vector<std::size_t> columns;
    for (std::size_t c = 0; c < table.columns.size(); ++c)
        if (table.columns[c].use != ColumnUse::WindowOnly) columns.push_back(c);
    const auto cellText = [&](const TableRow& row, std::size_t c) {
        return c < row.size() ? plainText(row[c], table.columns[c].kind) : std::string();
    };
    if (context.format == "json") {
        QJsonArray rows;
        for (const TableRow& row : table.rows)
            rows.append(jsonRow(table, columns, row, false));
        summary["rows"] = rows;
        if (table.totals) summary["totals"] = jsonRow(table, columns, *table.totals, true);
        printOut(QJsonDocument(summary).toJson(QJsonDocument::Indented).toStdString());
        return;
    }
    TextTable text;
    for (std::size_t c : columns)
        text.header.push_back(table.columns[c].id);
    if (context.format == "csv") {
        // A schedule runs to thousands of rows: written as it is made, without a table of strings.
        std::string out = csvText(text, "\n");
        out.reserve(table.rows.size() * 80);
        for (const TableRow& row : table.rows) {
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (i > 0) out += ',';
                const std::size_t c = columns[i];
                if (c >= row.size()) continue;
                if (table.columns[c].kind == FigureKind::Text)
                    appendCsvField(out, plainText(row[c], FigureKind::Text));
                else
                    appendPlainText(out, row[c], table.columns[c].kind); // figures and dates need no quotes
            }
            out += '\n';
        }
        printOut(out);
        return;
    }
    for (const TableRow& row : table.rows) {
        text.rows.emplace_back();
        for (std::size_t c : columns)
            text.rows.back().push_back(cellText(row, c));
    }
    printOut(alignedText(text));
}

void writeTable(const CliContext& context, const TextTable& table, QJsonObject summary,
                const QString& rowsKey) {
    if (context.quiet()) return;
    // Tables can be long: their text goes to standard output as the UTF-8 bytes it already is.
    auto write = [](const std::string& text) { printOut(text); };
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
    context.finalWrites.push_back([path = context.printoutPath, printout, title] {
        const std::filesystem::path file = localPath(path);
        const auto written = path.endsWith(".pdf", Qt::CaseInsensitive)
                                 ? writePrintoutPdf(printout, file.string(), title)
                                 : writeFileAtomically(file, printout.plainText());
        if (written) return 0;
        printErr("--printout " + path + ": " + QString::fromStdString(written.error()) + '\n');
        return 2;
    });
    return 0;
}

} // namespace brisk
