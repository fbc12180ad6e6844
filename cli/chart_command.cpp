#include "cli/chart_command.h"

#include "app/core/atomic_file.h"
#include "charts/core/chart_data.h"
#include "charts/render/chart_painter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace brisk {

void addChartOptions(QCommandLineParser& parser) {
    parser.addOption(
        {"kind", "The chart kind, 1 to 7 (the first chart of the calculator when not given).", "KIND"});
    parser.addOption(
        {"output",
         "The file to draw into: an image (.png, .jpg, ...) or .pdf; .json writes the chart's figures.",
         "FILE"});
}

namespace {

// The figures a chart draws, for a spreadsheet or a test to read.
std::string chartJson(const ChartData& chart) {
    QJsonArray values, labels;
    for (double v : chart.values)
        values.append(v);
    for (const std::string& label : chart.labels)
        labels.append(QString::fromStdString(label));
    const char* type = chart.type == ChartType::Pie     ? "pie"
                       : chart.type == ChartType::Bar3D ? "bars3d"
                                                        : "bars2d";
    const QJsonObject object{{"title", QString::fromStdString(chart.title)},
                             {"axis_title", QString::fromStdString(chart.axisTitle)},
                             {"type", type},
                             {"values", values},
                             {"labels", labels}};
    return QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace

QStringList chartOutputKinds() {
    QStringList kinds;
    for (const std::string& kind : chartFileKinds())
        kinds << QString::fromStdString(kind);
    kinds << "json";
    kinds.sort();
    return kinds;
}

std::optional<QString> chartOutputError(const QString& path) {
    if (path.endsWith(".json", Qt::CaseInsensitive) || !chartFileKind(argumentBytes(path)).empty())
        return std::nullopt;
    return "--output " + path + ": a chart is written to a file whose name ends in ." +
           chartOutputKinds().join(", .");
}

int writeChartOutput(const ChartData& chart, const QString& path) {
    if (const auto error = chartOutputError(path)) {
        printErr(*error + '\n');
        return 2;
    }
    const std::filesystem::path file = localPath(path);
    const auto written = path.endsWith(".json", Qt::CaseInsensitive)
                             ? writeFileAtomically(file, chartJson(chart))
                             : writeChartFile(chart, file.string());
    if (!written) {
        printErr("The chart could not be written to " + path + ": " +
                 QString::fromStdString(written.error()) + '\n');
        return 2;
    }
    return 0;
}

int runChart(const CliCommand& calculator, const QCommandLineParser& parser, CliContext& context) {
    const QString output = parser.value("output");
    if (output.isEmpty()) {
        printErr("--output FILE is needed: the file to draw the chart into\n");
        return 2;
    }
    if (const auto error = chartOutputError(output)) {
        printErr(*error + '\n');
        return 2;
    }
    ChartHandover handover;
    context.chart = &handover;
    if (const int status = calculator.run(parser, context)) return status;
    if (handover.GraphPointCount == 0) return failWith(Msg::NothingToGraph);
    int kind = firstKind(handover.GraphCaller, handover.CalcMode);
    if (parser.isSet("kind")) {
        kind = parser.value("kind").toInt();
        const auto kinds = offeredKinds(handover.GraphCaller, handover.CalcMode);
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) {
            QString text = optionText(parser, "kind") + ": this calculator's charts are kinds:";
            for (int k : kinds)
                text += QString(" %1").arg(k);
            printErr(text + '\n');
            return 2;
        }
    }
    return writeChartOutput(prepareChart(handover, kind, context.settings.CurrencySymbol), output);
}

} // namespace brisk
