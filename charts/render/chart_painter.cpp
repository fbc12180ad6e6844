#include "charts/render/chart_painter.h"
#include "app/core/figure_format.h"

#include "app/render/pdf_output.h"

#include "app/core/mask_format.h"

#include "app/core/atomic_file.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>

namespace brisk {

namespace {

const QColor kColours[] = {QColor(31, 119, 180),  QColor(255, 127, 14),  QColor(44, 160, 44),
                           QColor(214, 39, 40),   QColor(148, 103, 189), QColor(140, 86, 75),
                           QColor(227, 119, 194), QColor(127, 127, 127), QColor(188, 189, 34),
                           QColor(23, 190, 207)};
const Qt::BrushStyle kPatterns[] = {Qt::Dense3Pattern, Qt::BDiagPattern, Qt::CrossPattern,
                                    Qt::Dense6Pattern, Qt::FDiagPattern, Qt::DiagCrossPattern,
                                    Qt::HorPattern,    Qt::VerPattern};

QBrush fillFor(const ChartData& c, int index, bool varied) {
    if (c.colour) return QBrush(kColours[(varied ? index : 0) % 10]);
    return QBrush(Qt::black, kPatterns[(varied ? index : 0) % 8]);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// A round step for the value axis: 1, 2 or 5 times a power of ten.
double niceStep(double range, int ticks) {
    if (!(range > 0)) return 1;
    const double raw = range / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) return m * power;
    return 10 * power;
}

QString axisNumber(double v) {
    return QString::fromStdString(Format(v, mask::WideFigure).back() == '.' ? Format(v, mask::WideWhole)
                                                                            : Format(v, mask::WideFigure));
}

void paintBars(QPainter& p, QRectF area, const ChartData& c) {
    const QFontMetricsF fm(p.font());
    const int n = static_cast<int>(c.values.size());
    const bool three = c.type == ChartType::Bar3D;
    double low = 0, high = 0;
    for (double v : c.values) {
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (high == low) high = low + 1; // all zero: an empty axis, not a division by zero
    const double step = niceStep(high - low, 5);
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;

    // Room for the value axis on the left and the labels below; long labels stand upright.
    double axisWidth = 0;
    for (double v = low; v <= high + step / 2; v += step)
        axisWidth = std::max(axisWidth, fm.horizontalAdvance(axisNumber(v)));
    const double depth = three ? std::min(area.width(), area.height()) * 0.04 : 0;
    QRectF plot(area.left() + axisWidth + fm.height() * 0.6, area.top() + depth + fm.height() * 0.3, 0, 0);
    double widest = 0;
    for (const std::string& l : c.labels)
        widest = std::max(widest, fm.horizontalAdvance(text(l)));
    const double slotGuess = (area.right() - plot.left() - depth) / std::max(n, 1);
    const bool upright = widest > slotGuess * 0.95;
    const double labelRoom =
        upright ? std::min(widest, area.height() * 0.3) + fm.height() * 0.5 : fm.height() * 1.4;
    plot.setRight(area.right() - depth - fm.height() * 0.3);
    plot.setBottom(area.bottom() - labelRoom);
    const auto yOf = [&](double v) { return plot.bottom() - (v - low) / (high - low) * plot.height(); };

    p.setPen(QPen(QColor(200, 200, 200), 0));
    for (double v = low; v <= high + step / 2; v += step) {
        const double y = yOf(v);
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right() + depth, y - depth));
        p.setPen(Qt::black);
        p.drawText(QRectF(area.left(), y - fm.height() / 2, axisWidth, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, axisNumber(v));
        p.setPen(QPen(QColor(200, 200, 200), 0));
    }
    p.setPen(QPen(Qt::black, 0));
    p.drawLine(plot.bottomLeft(), plot.topLeft());
    p.drawLine(QPointF(plot.left(), yOf(std::max(low, 0.0))), QPointF(plot.right(), yOf(std::max(low, 0.0))));

    const double slot = plot.width() / std::max(n, 1);
    const double barWidth = slot * 0.7;
    for (int i = 0; i < n; ++i) {
        const double v = std::isfinite(c.values[i]) ? c.values[i] : 0;
        const double x = plot.left() + slot * i + (slot - barWidth) / 2;
        const double y0 = yOf(std::max(low, 0.0)), y1 = yOf(v);
        const QRectF bar(QPointF(x, std::min(y0, y1)), QPointF(x + barWidth, std::max(y0, y1)));
        const QBrush brush = fillFor(c, i, c.legend);
        if (three) {
            const double d = std::min(depth, barWidth * 0.6);
            QPolygonF top({bar.topLeft(), bar.topLeft() + QPointF(d, -d), bar.topRight() + QPointF(d, -d),
                           bar.topRight()});
            QPolygonF side({bar.topRight(), bar.topRight() + QPointF(d, -d),
                            bar.bottomRight() + QPointF(d, -d), bar.bottomRight()});
            p.setPen(QPen(Qt::black, 0));
            QBrush lighter = brush, darker = brush;
            if (c.colour) {
                lighter.setColor(brush.color().lighter(135));
                darker.setColor(brush.color().darker(140));
            }
            p.setBrush(lighter);
            p.drawPolygon(top);
            p.setBrush(darker);
            p.drawPolygon(side);
        }
        p.setPen(QPen(Qt::black, 0));
        p.setBrush(brush);
        p.drawRect(bar);
        if (i < static_cast<int>(c.labels.size()) && !c.labels[i].empty()) {
            const QString label = text(c.labels[i]);
            p.setPen(Qt::black);
            if (upright) {
                p.save();
                p.translate(x + barWidth / 2 + fm.ascent() / 2, plot.bottom() + fm.height() * 0.3);
                p.rotate(-90);
                p.drawText(QRectF(-labelRoom, -fm.height(), labelRoom - fm.height() * 0.2, fm.height()),
                           Qt::AlignRight | Qt::AlignVCenter,
                           fm.elidedText(label, Qt::ElideRight, labelRoom));
                p.restore();
            } else {
                p.drawText(
                    QRectF(plot.left() + slot * i, plot.bottom() + fm.height() * 0.2, slot, fm.height()),
                    Qt::AlignHCenter | Qt::AlignTop, label);
            }
        }
    }
}

void paintPie(QPainter& p, QRectF area, const ChartData& c) {
    const QFontMetricsF fm(p.font());
    double total = 0;
    for (double v : c.values)
        if (std::isfinite(v) && v > 0) total += v;
    double legendWidth = 0;
    for (const std::string& l : c.labels)
        legendWidth = std::max(legendWidth, fm.horizontalAdvance(text(l)));
    legendWidth = std::min(legendWidth + fm.height() * 2, area.width() * 0.45);
    const double size = std::min(area.width() - legendWidth - fm.height(), area.height());
    const QRectF pie(area.left(), area.top() + (area.height() - size) / 2, size, size);
    p.setPen(QPen(Qt::black, 0));
    if (total <= 0) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(pie);
    }
    double angle = 90 * 16;
    for (int i = 0; i < static_cast<int>(c.values.size()) && total > 0; ++i) {
        const double v = std::isfinite(c.values[i]) ? std::max(c.values[i], 0.0) : 0;
        const double span = -v / total * 360 * 16;
        p.setBrush(fillFor(c, i, true));
        p.drawPie(pie, static_cast<int>(angle), static_cast<int>(std::round(span)));
        angle += span;
    }
    // The legend: one swatch and name a row, in as many columns as the height needs.
    const double rowHeight = fm.height() * 1.2;
    const int perColumn = std::max(1, static_cast<int>(area.height() / rowHeight));
    for (int i = 0; i < static_cast<int>(c.labels.size()); ++i) {
        const double x = pie.right() + fm.height() + (i / perColumn) * (legendWidth / 2);
        const double y = area.top() + (i % perColumn) * rowHeight;
        p.setBrush(fillFor(c, i, true));
        p.drawRect(QRectF(x, y + rowHeight * 0.2, fm.height() * 0.7, fm.height() * 0.7));
        p.drawText(QPointF(x + fm.height(), y + fm.ascent()),
                   fm.elidedText(text(c.labels[i]), Qt::ElideRight, legendWidth - fm.height()));
    }
}

} // namespace

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    QFont titleFont = painter.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    const QFontMetricsF titleMetrics(titleFont, painter.device());
    const QFontMetricsF fm(painter.font(), painter.device());
    QRectF inner = area.adjusted(fm.height(), fm.height() * 0.5, -fm.height(), -fm.height() * 0.5);
    painter.save();
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), titleMetrics.height()), Qt::AlignCenter,
                     text(chart.title));
    painter.restore();
    inner.setTop(inner.top() + titleMetrics.height() * 1.3);
    if (!chart.axisTitle.empty() && chart.type != ChartType::Pie) {
        painter.setPen(Qt::black);
        painter.drawText(QRectF(inner.left(), inner.top(), inner.width(), fm.height()), Qt::AlignLeft,
                         text(chart.axisTitle));
        inner.setTop(inner.top() + fm.height() * 1.2);
    }
    if (chart.type == ChartType::Pie)
        paintPie(painter, inner, chart);
    else
        paintBars(painter, inner, chart);
    painter.restore();
}

std::vector<std::string> chartFileKinds() {
    std::vector<std::string> kinds;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        kinds.push_back(format.toLower().toStdString());
    kinds.push_back("pdf");
    std::sort(kinds.begin(), kinds.end());
    kinds.erase(std::unique(kinds.begin(), kinds.end()), kinds.end());
    return kinds;
}

std::string chartFileKind(const std::string& path) {
    const std::string name = std::filesystem::path(path).filename().string();
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0) return {};
    std::string kind = name.substr(dot + 1);
    std::transform(kind.begin(), kind.end(), kind.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto kinds = chartFileKinds();
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end() ? kind : std::string();
}

WriteOutcome writeChartFile(const ChartData& chart, const std::string& path) {
    const std::string kind = chartFileKind(path);
    if (kind.empty()) {
        std::string kinds;
        for (const std::string& k : chartFileKinds())
            kinds += " ." + k;
        return WriteOutcome::failure("a chart is drawn into a file whose name ends in one of" + kinds);
    }
    if (kind == "pdf")
        return writePdfAtomically(
            path, QString::fromStdString(chart.title), QPageLayout::Landscape, 300,
            [&chart](QPainter& painter, const QRectF& page) { paintChart(painter, page, chart); });
    QImage image(1600, 1000, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780 * 2); // 192 dpi: the text keeps a readable size on the larger image
    image.setDotsPerMeterY(3780 * 2);
    QPainter painter(&image);
    paintChart(painter, image.rect(), chart);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, kind.c_str()))
        return WriteOutcome::failure("The image could not be made as " + kind + ".");
    return writeFileAtomically(path, std::string_view(bytes.constData(), bytes.size()));
}

} // namespace brisk
