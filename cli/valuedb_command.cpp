// brisklane-calc valuedb: the value database's sheet, sort, extract and listing from a .zrk file.
#include "app/core/atomic_file.h"
#include "app/core/messages.h"
#include "cli/chart_command.h"
#include "cli/command.h"
#include "valuedb/core/averages.h"
#include "valuedb/core/database_printout.h"
#include "valuedb/core/price_import.h"
#include "valuedb/core/trend_pages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <filesystem>

namespace brisk {

namespace {

const ShortDateForm kIsoDates;

QJsonValue fraction(double value) {
    return QJsonValue(value);
}

// The sheet as JSON unless another --format is asked for.
int ratios(const ValueDatabase& db, const CliContext& context, bool json) {
    const SheetOutcome sheet = computeSheet(db, kIsoDates);
    if (!sheet.figures) return failWith(sheet.figures.message, {.detail = sheet.detail});
    const SheetFigures& f = *sheet.figures.value;
    const char* keys[7] = {"avg2", "avg4", "avg6", "avg8", "avg26", "avg52", "avg104"};
    QJsonObject out{{"records", f.records}};
    for (int p = 0; p < 7; ++p)
        out[keys[p]] = f.averages[p];
    out["avg_all"] = f.avgAll;
    out["high"] = f.high;
    out["low"] = f.low;
    out["last"] = f.last;
    out["high_low_diff"] = fraction(f.highLowDiff);
    out["low_last_diff"] = fraction(f.lowLastDiff);
    out["high_last_diff"] = fraction(f.highLastDiff);
    out["market_direction"] = QString::fromStdString(f.direction);
    out["pe_ratio"] = f.hasEarnings ? QJsonValue(f.peRatio) : QJsonValue();
    out["risk_pct"] = f.hasEarnings ? QJsonValue(f.riskPct) : QJsonValue();
    out["target_value"] = f.hasEarnings ? QJsonValue(f.target) : QJsonValue();
    QJsonArray changes;
    for (double c : f.earnChanges)
        changes.append(c);
    out["earn_changes"] = changes;
    if (json) {
        printOut(QJsonDocument(out).toJson(QJsonDocument::Indented).toStdString());
        return 0;
    }
    // Text and CSV: one figure a line, as name and value.
    TextTable table{{"figure", "value"}, {}};
    for (auto it = out.begin(); it != out.end(); ++it) {
        QString value = it->isString() ? it->toString()
                        : it->isNull() ? QString()
                                       : QString::number(it->toDouble(), 'g', 15);
        if (it->isArray()) {
            QStringList parts;
            for (const QJsonValue& v : it->toArray())
                parts << QString::number(v.toDouble(), 'g', 15);
            value = parts.join(' ');
        }
        table.rows.push_back({it.key().toStdString(), value.toStdString()});
    }
    writeTable(context, table);
    return 0;
}

int save(const ValueDatabase& db, const QCommandLineParser& parser) {
    const QString output = parser.value("output");
    if (output.isEmpty()) {
        printErr("--output FILE is needed: the .zrk file to write\n");
        return 2;
    }
    if (!writeFileAtomically(localPath(output), zrkBytes(db)))
        return failWith(Msg::BadDatabaseName, {.fileName = argumentBytes(output)}, "--output");
    return 0;
}

// Prices from a CSV file merged into the database (an empty one when FILE does not exist yet).
int import(const ValueDatabase& db, const QCommandLineParser& parser) {
    const QStringList args = parser.positionalArguments();
    if (args.size() < 4) {
        printErr("import needs the CSV file: valuedb FILE import PRICES.csv --output OUT.zrk\n");
        return 2;
    }
    PriceImportOptions options;
    options.dateColumn = parser.value("date-column").toStdString();
    options.valueColumn = parser.value("value-column").toStdString();
    if (parser.isSet("date-form")) {
        options.dateOrder = dateOrderNamed(parser.value("date-form").toStdString());
        if (!options.dateOrder) {
            printErr(optionText(parser, "date-form") + ": the order is YMD, DMY or MDY\n");
            return 2;
        }
    }
    const PriceTable table = readPriceFile(localPath(args[3]), options);
    if (table.problem) {
        using Kind = PriceFileProblem::Kind;
        QString hint;
        if (table.problem->kind == Kind::AmbiguousDates || table.problem->kind == Kind::MixedDates)
            hint = " Give the order with --date-form DMY or --date-form MDY.";
        else if (table.problem->kind == Kind::NoColumn && !table.headings.empty())
            hint = " Choose the columns with --date-column and --value-column.";
        printErr(args[3] + ": " + QString::fromStdString(table.problem->text) + hint + '\n');
        return 2;
    }
    const PriceImport result = mergePrices(db, table);
    if (const int status = save(result.db, parser)) return status;
    printOut(importSummary(result.counts) + '\n');
    return 0;
}

int runValueDb(const QCommandLineParser& parser, const CliContext& context) {
    const QStringList args = parser.positionalArguments();
    if (args.size() < 3) {
        printErr("valuedb needs a file and an action: valuedb FILE ratios|sort|extract|list|trend|import\n");
        return 2;
    }
    const QString action = args[2];
    ValueDatabase db; // an import may start a new file
    std::error_code noFile;
    if (action != "import" || std::filesystem::exists(localPath(args[1]), noFile)) {
        const auto bytes = readFileStart(localPath(args[1]), 1 << 20);
        const auto loaded = bytes ? parseZrk(*bytes) : Outcome<ValueDatabase>::failure(Msg::BadFile);
        if (!loaded) return failWith(Msg::BadFile, args[1]);
        db = *loaded;
    }
    if (!context.printoutPath.isEmpty()) {
        if (db.RecordCount() == 0) return failWith(Msg::NoDataToPrint, optionText(parser, "printout"));
        const PrintContext print{context.header.toStdString(), context.settings.CurrencySymbol,
                                 context.settings.PrinterFontChoice, kIsoDates};
        if (const int status = writePrintout(context, databasePrintout(db, print), "Value Database"))
            return status;
    }
    if (action == "import") return import(db, parser);
    if (action == "ratios") return ratios(db, context, !parser.isSet("format") || context.format == "json");
    if (action == "sort") {
        if (db.RecordCount() == 0) return failWith(Msg::NoDatabase, args[1]);
        sortRecords(db);
        return save(db, parser);
    }
    if (action == "extract") {
        bool lowOk = false, highOk = false;
        const int low = args.value(3).toInt(&lowOk), high = args.value(4).toInt(&highOk);
        const QString range = QString("extract %1 %2").arg(args.value(3), args.value(4)).trimmed();
        if (!lowOk || !highOk) return failWith(Msg::WrongEntry, range);
        if (low < 1 || high > db.RecordCount() || low > db.RecordCount() || high < 1)
            return failWith(Msg::OutOfRange, {.detail = std::to_string(db.RecordCount()), .lowText = " 1"},
                            range);
        const auto part = extractRecords(db, low, high);
        if (!part) return failWith(part.message, range);
        return save(*part.value, parser);
    }
    if (action == "trend") {
        TrendPage page = firstTrendPage(db.RecordCount());
        if (db.RecordCount() == 0) return failWith(Msg::NoData, args[1]);
        bool pageOk = false;
        const int wanted = parser.value("page").toInt(&pageOk);
        if (!pageOk || wanted < 1) return failWith(Msg::WrongEntry, optionText(parser, "page"));
        for (int n = wanted; n > 1; --n) {
            const TrendPage older = olderPage(page, db.RecordCount());
            if (older == page) { // no such page: the file has fewer
                printErr(QString("%1: the file has %2 pages of 26 records.\n")
                             .arg(optionText(parser, "page"))
                             .arg(wanted - n + 1));
                return 2;
            }
            page = older;
        }
        if (parser.value("output").isEmpty()) {
            printErr("--output FILE is needed: the file to draw the trend graph into\n");
            return 2;
        }
        return writeChartOutput(trendChart(db, page, parser.isSet("3d"), true), parser.value("output"));
    }
    if (action == "list") {
        writeResultTable(context, recordTable(db));
        return 0;
    }
    printErr("Unknown action: " + action + " (ratios, sort, extract, list, trend, import)\n");
    return 2;
}

} // namespace

CliCommand valuedbCommand() {
    return {
        "valuedb",
        "A value database (.zrk): 'FILE ratios' prints the averages and ratios sheet (JSON unless --format "
        "says otherwise), 'FILE sort --output OUT', "
        "'FILE extract LOW HIGH --output OUT', 'FILE list', 'FILE trend --page N --output FILE.png', "
        "'FILE import PRICES.csv --output OUT' (a value a week from a CSV file's dates and prices; FILE may "
        "be new).",
        [](QCommandLineParser& parser) {
            parser.addPositionalArgument("file", "The .zrk file.");
            parser.addPositionalArgument("action",
                                         "ratios, sort, extract LOW HIGH, list, trend or import PRICES.csv.");
            parser.addOption(
                {"output",
                 "The .zrk file that sort, extract and import write; the image (.png, .pdf) of trend.",
                 "FILE"});
            parser.addOption(
                {"date-column",
                 "import: the dates' column, by heading or number (1 the first); by default the one "
                 "headed Date.",
                 "NAME|N"});
            parser.addOption(
                {"value-column",
                 "import: the prices' column, by heading or number; by default the first of Close, "
                 "Close/Last, Price, Last, Value, NAV and Adj Close.",
                 "NAME|N"});
            parser.addOption(
                {"date-form",
                 "import: the order of dates written with numbers alone, when the file's own dates "
                 "do not tell (04/05/2026).",
                 "YMD|DMY|MDY"});
            parser.addOption({"page", "trend: the page of 26 records, 1 the newest.", "N", "1"});
            parser.addOption({"3d", "trend: three-dimensional bars."});
        },
        runValueDb,
    };
}

} // namespace brisk
