#include "app/ui/printer_backend.h"

#include "app/core/printout.h"
#include "app/render/pdf_output.h"
#include "app/ui/program_state.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>

namespace brisk {

namespace {

// The outcome of a printout saved as a PDF file because no printer is installed.
PrintOutcome pdfOutcome(const QString& path, const WriteOutcome& written) {
    PrintOutcome outcome;
    outcome.pdfPath = path;
    outcome.ok = written.ok();
    if (!written)
        outcome.error = QString("The file %1 could not be written: %2")
                            .arg(path, QString::fromStdString(written.error()));
    return outcome;
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
    if (noPrinter()) {
        const QString path = pdfPathFor(title);
        return pdfOutcome(path,
                          writePdfAtomically(path.toStdString(), title, QPageLayout::Landscape, 300, draw));
    }
    PrintOutcome outcome;
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(QPageLayout::Landscape);
    outcome.ok = renderDrawing(printer, draw);
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

PrintOutcome printPrintout(const Printout& printout, const QString& title) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (noPrinter()) {
        const QString path = pdfPathFor(title);
        return pdfOutcome(path, writePrintoutPdf(printout, path.toStdString(), title));
    }
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
