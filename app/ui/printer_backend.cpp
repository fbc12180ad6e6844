#include "app/ui/printer_backend.h"

#include "app/core/printout.h"
#include "app/render/pdf_output.h"
#include "app/ui/program_state.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
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

// The hourglass while pages are drawn, not while a dialog waits for the user.
struct WaitCursor {
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

bool noPrinter() {
    return QPrinterInfo::defaultPrinter().isNull() || qEnvironmentVariableIsSet("BRISKLANE_PRINT_TO_PDF");
}

void report(const PrintOutcome& outcome, QWidget* parent) {
    if (outcome.cancelled) return;
    if (!outcome.ok) {
        QMessageBox::warning(parent, "Printout", outcome.error);
    } else if (!outcome.pdfPath.isEmpty()) {
        QMessageBox::information(
            parent, "Printout",
            QString("No printer is installed, so the printout was saved as a PDF file:\n%1")
                .arg(QDir::toNativeSeparators(outcome.pdfPath)));
    }
}

// A printer that makes its copies itself gets one; for one that does not (a PDF file) each copy is
// drawn.
PageCopies copiesToDraw(const QPrinter& printer) {
    if (printer.supportsMultipleCopies()) return {};
    return {printer.copyCount(), printer.collateCopies()};
}

// The print dialog over `printer` for a document of `pageCount` pages, and then the pages it
// chose, drawn by `render`. Its Preview button shows the pages as they will print; printing from
// the preview prints them there and closes the dialog.
PrintOutcome printThroughDialog(QPrinter& printer, int pageCount,
                                const std::function<bool(QPrinter&)>& render, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("PrintDialog");
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageCount > 1);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setMinMax(1, pageCount);
    bool printedInPreview = false;
    bool previewFailed = false;
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        QPushButton* preview = buttons->addButton("Pre&view...", QDialogButtonBox::ActionRole);
        preview->setObjectName("Preview");
        QObject::connect(preview, &QPushButton::clicked, &dialog, [&] {
            QPrintPreviewDialog view(&printer, &dialog);
            view.setObjectName("PrintPreview");
            QObject::connect(&view, &QPrintPreviewDialog::paintRequested, &view,
                             [&](QPrinter* target) { previewFailed = !render(*target); });
            if (view.exec() == QDialog::Accepted) {
                printedInPreview = true;
                dialog.reject();
            }
        });
    }
    PrintOutcome outcome;
    if (dialog.exec() != QDialog::Accepted) {
        outcome.cancelled = !printedInPreview;
        outcome.ok = printedInPreview && !previewFailed;
    } else {
        const WaitCursor waiting;
        outcome.ok = render(printer);
    }
    if (!outcome.ok && !outcome.cancelled) {
        outcome.error =
            printer.outputFormat() == QPrinter::PdfFormat
                ? QString("The file %1 could not be written.")
                      .arg(QDir::toNativeSeparators(printer.outputFileName()))
                : QString("The printer %1 did not accept the printout.").arg(printer.printerName());
    }
    return outcome;
}

} // namespace

PrintOutcome printDrawing(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw,
                          QWidget* parent) {
    if (noPrinter()) {
        const WaitCursor waiting;
        const QString path = pdfPathFor(title);
        return pdfOutcome(path,
                          writePdfAtomically(path.toStdString(), title, QPageLayout::Landscape, 300, draw));
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setPageOrientation(QPageLayout::Landscape);
    return printThroughDialog(
        printer, 1, [&draw](QPrinter& target) { return renderDrawing(target, draw, copiesToDraw(target)); },
        parent);
}

void printDrawingAndReport(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw,
                           QWidget* parent) {
    const PrintOutcome outcome = printDrawing(title, draw, parent);
    report(outcome, parent);
}

PrintOutcome printWidgetImage(QWidget* widget, const QString& title, QWidget* parent) {
    return printDrawing(
        title,
        [widget](QPainter& painter, const QRectF& page) {
            const double scale = std::min(page.width() / widget->width(), page.height() / widget->height());
            painter.scale(scale, scale);
            widget->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
        },
        parent);
}

void printWidgetAndReport(QWidget* widget, const QString& title, QWidget* parent) {
    const PrintOutcome outcome = printWidgetImage(widget, title, parent);
    report(outcome, parent);
}

PrintOutcome printPrintout(const Printout& printout, const QString& title, QWidget* parent) {
    if (noPrinter()) {
        const WaitCursor waiting;
        const QString path = pdfPathFor(title);
        return pdfOutcome(path, writePrintoutPdf(printout, path.toStdString(), title));
    }
    QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    printer.setDocName(title);
    return printPrintoutOn(printer, printout, parent);
}

PrintOutcome printPrintoutOn(QPrinter& printer, const Printout& printout, QWidget* parent) {
    return printThroughDialog(
        printer, static_cast<int>(printout.pages().size()),
        [&printout](QPrinter& target) { return renderPrintout(printout, target, copiesToDraw(target)); },
        parent);
}

void printAndReport(const Printout& printout, const QString& title, QWidget* parent) {
    const PrintOutcome outcome = printPrintout(printout, title, parent);
    report(outcome, parent);
}

} // namespace brisk
