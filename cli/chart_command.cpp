#include "cli/chart_command.h"

#include "charts/core/chart_data.h"
#include "charts/render/chart_painter.h"

#include <QTextStream>

#include <algorithm>

namespace brisk {

void addChartOptions(QCommandLineParser& parser) {
    parser.addOption(
        {"kind", "The chart kind, 1 to 7 (the first chart of the calculator when not given).", "KIND"});
    parser.addOption({"output", "The file to draw into: .png or .pdf.", "FILE"});
}

int writeChartFile(const ChartData& chart, const QString& path) {
    if (const auto error = brisk::writeChartFile(chart, path.toStdString())) {
        QTextStream(stderr) << "The chart could not be written to " << path << ": " << QString::fromStdString(*error)
                            << '\n';
        return 2;
    }
    return 0;
}

int runChart(const CliCommand& calculator, const QCommandLineParser& parser, CliContext& context) {
    const QString output = parser.value("output");
    if (output.isEmpty()) {
        QTextStream(stderr) << "--output FILE.png or FILE.pdf is needed\n";
        return 2;
    }
    ChartHandover handover;
    int calcMode = 0;
    context.chart = &handover;
    context.chartCalcMode = &calcMode;
    if (const int status = calculator.run(parser, context)) return status;
    if (handover.GraphPointCount == 0) return failWith(2);
    int kind = firstKind(handover.GraphCaller, calcMode);
    if (parser.isSet("kind")) {
        kind = parser.value("kind").toInt();
        const auto kinds = offeredKinds(handover.GraphCaller, calcMode);
        if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) {
            QTextStream(stderr) << "This calculator's charts are kinds:";
            for (int k : kinds)
                QTextStream(stderr) << ' ' << k;
            QTextStream(stderr) << '\n';
            return 2;
        }
    }
    return writeChartFile(prepareChart(handover, kind, context.settings.CurrencySymbol), output);
}

} // namespace brisk
