#include "app/ui/printer_backend.h"

#include "app/core/printout.h"
#include "app/core/text_align.h"
#include "app/ui/program_state.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

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

QPageSize localPageSize() {
    const QLocale::Territory territory = QLocale::system().territory();
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada ||
                        territory == QLocale::Mexico || territory == QLocale::Philippines;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

// The widest line a printout is laid out for, in characters.
constexpr int kPrintoutColumns = 80;

} // namespace

bool renderPrintout(const Printout& printout, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QFont font(printoutFont(printout.fontChoice()), &device);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    std::size_t mostLines = 1;
    int widest = kPrintoutColumns;
    for (const PrintPage& page : printout.pages()) {
        mostLines = std::max(mostLines, page.lines.size());
        for (const PrintLine& line : page.lines)
            widest = std::max(widest, charCount(line.text()));
    }
    // A page is laid out for 80 columns of its font; where the paper is narrower, the whole page
    // is drawn smaller rather than cut at the right.
    const qreal scale = std::min<qreal>(1.0, device.width() / (widest * metrics.horizontalAdvance('0')));
    painter.scale(scale, scale);
    const qreal areaHeight = device.height() / scale; // the paint rectangle, in drawing units
    // The font's own line spacing, closed up where a page holds more lines than fit.
    const qreal lineHeight = std::min(metrics.lineSpacing(), areaHeight / mostLines);
    bool first = true;
    for (const PrintPage& page : printout.pages()) {
        if (!first && !device.newPage()) return false;
        first = false;
        qreal y = metrics.ascent();
        for (const PrintLine& line : page.lines) {
            painter.drawText(QPointF(0, y), QString::fromStdString(line.text()));
            y += lineHeight;
        }
    }
    return painter.end();
}

namespace {

bool renderDrawing(QPagedPaintDevice& device, const std::function<void(QPainter&, const QRectF&)>& draw) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    draw(painter, QRectF(0, 0, device.width(), device.height()));
    return painter.end();
}

// Where a printout goes when no printer is installed: a new PDF file in the documents folder.
QString pdfPathFor(const QString& title) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty()) folder = program().dataFolder;
    QDir().mkpath(folder);
    const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss");
    QString name = QString("%1 %2.pdf").arg(title, stamp);
    name.replace('/', '-');
    return QDir(folder).filePath(name);
}

bool noPrinter() {
    return QPrinterInfo::defaultPrinter().isNull() || qEnvironmentVariableIsSet("BRISKLANE_PRINT_TO_PDF");
}

void report(const PrintOutcome& outcome, QWidget* parent) {
    if (!outcome.ok) {
        QMessageBox::warning(parent, "Printout", outcome.error);
    } else if (!outcome.pdfPath.isEmpty()) {
        QMessageBox::information(
            parent, "Printout",
            QString("No printer is installed, so the printout was saved as a PDF file:\n%1")
                .arg(QDir::toNativeSeparators(outcome.pdfPath)));
    }
}

} // namespace

PrintOutcome printDrawing(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw) {
    PrintOutcome outcome;
    if (noPrinter()) {
        outcome.pdfPath = pdfPathFor(title);
        QPdfWriter writer(outcome.pdfPath);
        writer.setTitle(title);
        writer.setCreator("Brisklane");
        writer.setResolution(300);
        writer.setPageLayout(QPageLayout(localPageSize(), QPageLayout::Landscape,
                                         QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
        outcome.ok = renderDrawing(writer, draw);
    } else {
        QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
        printer.setDocName(title);
        printer.setPageOrientation(QPageLayout::Landscape);
        outcome.ok = renderDrawing(printer, draw);
    }
    if (!outcome.ok) outcome.error = "The printout could not be made.";
    return outcome;
}

void printDrawingAndReport(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw,
                           QWidget* parent) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = printDrawing(title, draw);
    QGuiApplication::restoreOverrideCursor();
    report(outcome, parent);
}

PrintOutcome printWidgetImage(QWidget* widget, const QString& title) {
    return printDrawing(title, [widget](QPainter& painter, const QRectF& page) {
        const double scale = std::min(page.width() / widget->width(), page.height() / widget->height());
        painter.scale(scale, scale);
        widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    });
}

void printWidgetAndReport(QWidget* widget, const QString& title, QWidget* parent) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = printWidgetImage(widget, title);
    QGuiApplication::restoreOverrideCursor();
    report(outcome, parent);
}

PrintOutcome writePrintoutPdf(const Printout& printout, const QString& path, const QString& title) {
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator("Brisklane");
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(localPageSize(), QPageLayout::Portrait,
                                     QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter));
    PrintOutcome outcome;
    outcome.pdfPath = path;
    outcome.ok = renderPrintout(printout, writer);
    if (!outcome.ok) outcome.error = QString("The file %1 could not be written.").arg(path);
    return outcome;
}

PrintOutcome printPrintout(const Printout& printout, const QString& title) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (noPrinter()) return writePrintoutPdf(printout, pdfPathFor(title), title);
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    PrintOutcome outcome;
    outcome.ok = renderPrintout(printout, printer);
    if (!outcome.ok)
        outcome.error = QString("The printer %1 did not accept the printout.").arg(info.printerName());
    return outcome;
}

void printAndReport(const Printout& printout, const QString& title, QWidget* parent) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = printPrintout(printout, title);
    QGuiApplication::restoreOverrideCursor();
    report(outcome, parent);
}

} // namespace brisk
