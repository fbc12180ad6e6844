#include "cli/chart_command.h"

#include "charts/core/chart_data.h"
#include "charts/ui/chart_painter.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTextStream>

#include <algorithm>

namespace brisk {

void addChartOptions(QCommandLineParser& parser) {
    parser.addOption(
        {"kind", "The chart kind, 1 to 7 (the first chart of the calculator when not given).", "KIND"});
    parser.addOption({"output", "The file to draw into: .png or .pdf.", "FILE"});
}

int writeChartFile(const ChartData& chart, const QString& path) {
    bool ok = false;
    if (path.endsWith(".pdf", Qt::CaseInsensitive)) {
        QPdfWriter writer(path);
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                         QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
        QPainter painter;
        if (painter.begin(&writer)) {
            paintChart(painter, QRectF(0, 0, writer.width(), writer.height()), chart);
            ok = painter.end();
        }
    } else {
        QImage image(1600, 1000, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780 * 2); // 192 dpi: the text keeps a readable size on the larger image
        image.setDotsPerMeterY(3780 * 2);
        QPainter painter(&image);
        paintChart(painter, image.rect(), chart);
        painter.end();
        ok = image.save(path);
    }
    if (!ok) {
        QTextStream(stderr) << "The chart could not be written to " << path << '\n';
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
