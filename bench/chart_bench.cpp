// A 41-bar 3D chart (the longest mortgage) drawn onto a 300 dpi printer page, as a PDF.
#include "bench/timing.h"
#include "charts/render/chart_painter.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <cstdio>

using namespace brisk;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ChartData chart;
    chart.title = "Mortgage balance at start of each Year";
    chart.type = ChartType::Bar3D;
    for (int y = 1; y <= 41; ++y) {
        chart.values.push_back(400000.0 * (1 - (y - 1) / 41.0));
        chart.labels.push_back(std::to_string(y));
    }
    qint64 bytes = 0;
    const double ms = medianMs(21, [&] {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(300);
        writer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&writer);
        paintChart(painter, QRectF(0, 0, writer.width(), writer.height()), chart);
        painter.end();
        bytes = buffer.size();
    });
    std::printf("41-bar 3D chart on a 300 dpi page: %.2f ms (median), %lld bytes of PDF\n", ms,
                static_cast<long long>(bytes));
    return 0;
}
