#include "app/render/pdf_output.h"

#include "app/core/atomic_file.h"
#include "app/core/printout.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageRanges>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace brisk {

namespace {

// Printouts are laid out in character columns: a fixed-pitch face. "Courier New" is matched to a
// metric-compatible face (Liberation Mono) where it is not installed.
QFont printoutFont(int fontChoice) {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace, QFont::PreferMatch);
    font.setFixedPitch(true);
    font.setBold(false);
    font.setPointSize(fontPointSize(fontChoice));
    return font;
}

// The PDF is made in memory and then written by the one atomic writer, so a failed or killed
// printout never leaves a half-written file in place of the previous one.
WriteOutcome writePdf(const std::string& path, const QString& title, QPageLayout::Orientation orientation,
                      int dpi, const std::function<bool(QPdfWriter&)>& draw) {
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly))
            return WriteOutcome::failure("The printout could not be made.");
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator("Brisklane");
        writer.setResolution(dpi);
        writer.setPageLayout(QPageLayout(localPageSize(), orientation, QMarginsF(12.7, 12.7, 12.7, 12.7),
                                         QPageLayout::Millimeter));
        if (!draw(writer)) return WriteOutcome::failure("The printout could not be made.");
    }
    if (pdf.isEmpty()) return WriteOutcome::failure("The printout could not be made.");
    return writeFileAtomically(path, std::string_view(pdf.constData(), pdf.size()));
}

} // namespace

QPageSize localPageSize() {
    const QLocale::Territory territory = QLocale::system().territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada ||
                        territory == QLocale::Mexico || territory == QLocale::Philippines;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

std::vector<int> pagesToDraw(int pageCount, const QPagedPaintDevice& device, PageCopies copies) {
    const QPageRanges ranges = device.pageRanges();
    std::vector<int> chosen;
    for (int page = 1; page <= pageCount; ++page)
        if (ranges.isEmpty() || ranges.contains(page)) chosen.push_back(page);
    const int count = std::max(1, copies.count);
    std::vector<int> order;
    if (copies.collate) {
        for (int copy = 0; copy < count; ++copy)
            order.insert(order.end(), chosen.begin(), chosen.end());
    } else {
        for (int page : chosen)
            order.insert(order.end(), count, page);
    }
    return order;
}

bool renderPrintout(const Printout& printout, QPagedPaintDevice& device, PageCopies copies) {
    const std::vector<int> order = pagesToDraw(static_cast<int>(printout.pages().size()), device, copies);
    if (order.empty()) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QFont font(printoutFont(printout.fontChoice()), &device);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    std::size_t mostLines = 1;
    for (const PrintPage& page : printout.pages())
        mostLines = std::max(mostLines, page.lines.size());
    // A page is laid out for 80 columns of its font; where the paper is narrower, the whole page
    // is drawn smaller rather than cut at the right. A longer line (a long header) keeps the font
    // and is cut at the page's edge.
    const qreal charWidth = metrics.horizontalAdvance('0');
    const qreal scale = std::min<qreal>(1.0, device.width() / (kPrintedLineWidth * charWidth));
    const int fitting = std::max(kPrintedLineWidth, static_cast<int>(device.width() / scale / charWidth));
    painter.scale(scale, scale);
    const qreal areaHeight = device.height() / scale; // the paint rectangle, in drawing units
    // The font's own line spacing, closed up where a page holds more lines than fit.
    const qreal lineHeight = std::min(metrics.lineSpacing(), areaHeight / mostLines);
    bool first = true;
    for (int number : order) {
        const PrintPage& page = printout.pages()[number - 1];
        if (!first && !device.newPage()) return false;
        first = false;
        qreal y = metrics.ascent();
        for (const PrintLine& line : page.lines) {
            painter.drawText(QPointF(0, y), QString::fromStdString(line.text()).left(fitting));
            y += lineHeight;
        }
    }
    return painter.end();
}

bool renderDrawing(QPagedPaintDevice& device, const PageDrawing& draw, PageCopies copies) {
    const std::vector<int> order = pagesToDraw(1, device, copies);
    if (order.empty()) return false;
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t copy = 0; copy < order.size(); ++copy) {
        if (copy > 0 && !device.newPage()) return false;
        painter.save();
        draw(painter, QRectF(0, 0, device.width(), device.height()));
        painter.restore();
    }
    return painter.end();
}

WriteOutcome writePdfAtomically(const std::string& path, const QString& title,
                                QPageLayout::Orientation orientation, int dpi, const PageDrawing& draw) {
    return writePdf(path, title, orientation, dpi,
                    [&draw](QPdfWriter& writer) { return renderDrawing(writer, draw); });
}

WriteOutcome writePrintoutPdf(const Printout& printout, const std::string& path, const QString& title) {
    return writePdf(path, title, QPageLayout::Portrait, 600,
                    [&printout](QPdfWriter& writer) { return renderPrintout(printout, writer); });
}

} // namespace brisk
