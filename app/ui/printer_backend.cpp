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
        for (const PrintLine& line : page.lines) widest = std::max(widest, charCount(line.text()));
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

PrintOutcome writePrintoutPdf(const Printout& printout, const QString& path, const QString& title) {
    QPdfWriter writer(path);
    writer.setTitle(title);
    writer.setCreator("Brisklane");
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(localPageSize(), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                                     QPageLayout::Millimeter));
    PrintOutcome outcome;
    outcome.pdfPath = path;
    outcome.ok = renderPrintout(printout, writer);
    if (!outcome.ok) outcome.error = QString("The file %1 could not be written.").arg(path);
    return outcome;
}

PrintOutcome printPrintout(const Printout& printout, const QString& title) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() || qEnvironmentVariableIsSet("BRISKLANE_PRINT_TO_PDF")) {
        QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty()) folder = program().dataFolder;
        QDir().mkpath(folder);
        const QString stamp = QDateTime::currentDateTime().toString("yyyy-MM-dd hh.mm.ss");
        QString name = QString("%1 %2.pdf").arg(title, stamp);
        name.replace('/', '-');
        return writePrintoutPdf(printout, QDir(folder).filePath(name), title);
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(title);
    PrintOutcome outcome;
    outcome.ok = renderPrintout(printout, printer);
    if (!outcome.ok) outcome.error = QString("The printer %1 did not accept the printout.").arg(info.printerName());
    return outcome;
}

void printAndReport(const Printout& printout, const QString& title, QWidget* parent) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const PrintOutcome outcome = printPrintout(printout, title);
    QGuiApplication::restoreOverrideCursor();
    if (!outcome.ok) {
        QMessageBox::warning(parent, "Printout", outcome.error);
    } else if (!outcome.pdfPath.isEmpty()) {
        QMessageBox::information(parent, "Printout",
                                 QString("No printer is installed, so the printout was saved as a PDF file:\n%1")
                                     .arg(QDir::toNativeSeparators(outcome.pdfPath)));
    }
}

} // namespace brisk
