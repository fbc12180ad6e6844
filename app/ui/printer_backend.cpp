#include "app/ui/printer_backend.h"

#include "app/core/printout.h"
#include "app/render/pdf_output.h"
#include "app/ui/program_state.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QVBoxLayout>

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
    QString name = QString("%1 %2").arg(title, stamp);
    name.replace('/', '-');
    // A second printout of the same title within the second gets a name of its own, not the first's.
    QString path = QDir(folder).filePath(name + ".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(QString("%1 (%2).pdf").arg(name).arg(n));
    return path;
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

// The screen reader's names for the print dialog's controls that Qt leaves unnamed or names alike.
void nameControls(QPrintDialog& dialog) {
    for (const auto& [object, name] : {std::pair{"from", "Pages from"},
                                       {"to", "Pages to"},
                                       {"pageRangeEdit", "Pages"},
                                       {"fileBrowser", "Choose the file"}})
        if (auto* control = dialog.findChild<QWidget*>(object)) control->setAccessibleName(name);
}

enum class PreviewChoice { Print, Back, Cancel };

// The pages `printer` is set to print, one copy, as `render` draws them, with Print (the default), Back to
// the print dialog, and Cancel.
PreviewChoice showPreview(QPrinter& printer, const std::function<bool(QPrinter&, PageCopies)>& render,
                          QWidget* parent) {
    QDialog view(parent);
    view.setObjectName("PrintPreview");
    view.setWindowTitle("Print Preview");
    auto* pages = new QPrintPreviewWidget(&printer, &view);
    pages->setAccessibleName("Pages as they will print");
    QObject::connect(pages, &QPrintPreviewWidget::paintRequested, &view,
                     [&](QPrinter* target) { render(*target, {}); });
    auto* buttons = new QDialogButtonBox(&view);
    QPushButton* print = buttons->addButton("&Print", QDialogButtonBox::AcceptRole);
    print->setObjectName("PreviewPrint");
    QPushButton* back = buttons->addButton("&Back", QDialogButtonBox::ActionRole);
    back->setObjectName("PreviewBack");
    buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("PreviewCancel");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &view, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &view, &QDialog::reject);
    constexpr int backToTheDialog = 2;
    QObject::connect(back, &QPushButton::clicked, &view, [&view] { view.done(backToTheDialog); });
    auto* layout = new QVBoxLayout(&view);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    print->setDefault(true);
    print->setFocus();
    view.resize(view.screen()->availableGeometry().size() * 3 / 4);
    const int result = view.exec();
    return result == QDialog::Accepted ? PreviewChoice::Print
           : result == backToTheDialog ? PreviewChoice::Back
                                       : PreviewChoice::Cancel;
}

// The print dialog over `printer` for a document of `pageCount` pages, and then the pages it
// chose, drawn by `render`. Its Preview button takes the dialog's choices, as Print does, and shows
// those pages: Print there prints them so, Back returns to the dialog.
PrintOutcome printThroughDialog(QPrinter& printer, int pageCount,
                                const std::function<bool(QPrinter&, PageCopies)>& render, QWidget* parent) {
    PrintOutcome outcome;
    for (;;) {
        QPrintDialog dialog(&printer, parent);
        dialog.setObjectName("PrintDialog");
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageCount > 1);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setMinMax(1, pageCount);
        nameControls(dialog);
        bool preview = false;
        if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
            QPushButton* button = buttons->addButton("Pre&view...", QDialogButtonBox::ActionRole);
            button->setObjectName("Preview");
            QObject::connect(button, &QPushButton::clicked, &dialog, [&] {
                preview = true;
                dialog.accept(); // the choices reach the printer only when the dialog is accepted
            });
        }
        const PreviewChoice choice = dialog.exec() != QDialog::Accepted ? PreviewChoice::Cancel
                                     : preview                          ? showPreview(printer, render, parent)
                                                                        : PreviewChoice::Print;
        if (choice == PreviewChoice::Cancel) {
            outcome.cancelled = true;
            return outcome;
        }
        if (choice == PreviewChoice::Print) break;
    }
    {
        const WaitCursor waiting;
        outcome.ok = render(printer, copiesToDraw(printer));
    }
    if (!outcome.ok) {
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
        printer, 1,
        [&draw](QPrinter& target, PageCopies copies) { return renderDrawing(target, draw, copies); }, parent);
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
        [&printout](QPrinter& target, PageCopies copies) { return renderPrintout(printout, target, copies); },
        parent);
}

void printAndReport(const Printout& printout, const QString& title, QWidget* parent) {
    const PrintOutcome outcome = printPrintout(printout, title, parent);
    report(outcome, parent);
}

} // namespace brisk
