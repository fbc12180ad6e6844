// The one printer back end: draws a printout page model on a printer the user picks in the print
// dialog, or, where no printer is installed, into a PDF file in the user's documents folder.
#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QWidget;

namespace brisk {

class Printout;

struct PrintOutcome {
    bool ok = false;
    bool cancelled = false; // the user closed the print dialog: nothing was printed
    QString pdfPath;        // set when the printout went to a PDF file because there is no printer
    QString error;
};

// The print dialog over the default printer when there is one (printer, copies, pages, a PDF file,
// a preview); otherwise a new PDF file in the documents folder.
PrintOutcome printPrintout(const Printout& printout, const QString& title, QWidget* parent = nullptr);
// Prints, then tells the user where a PDF went or why printing failed.
void printAndReport(const Printout& printout, const QString& title, QWidget* parent);
// The print dialog over `printer`, then the pages chosen there.
PrintOutcome printPrintoutOn(QPrinter& printer, const Printout& printout, QWidget* parent);

// A drawing on one page (landscape): `draw` paints into the page's rectangle, on the printer chosen
// in the print dialog or, without one, into a new PDF in the documents folder.
PrintOutcome printDrawing(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw,
                          QWidget* parent = nullptr);
void printDrawingAndReport(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw,
                           QWidget* parent);

// The image of a window as it is shown, fitted to the page width (drawn, so text stays text).
PrintOutcome printWidgetImage(QWidget* widget, const QString& title, QWidget* parent = nullptr);
void printWidgetAndReport(QWidget* widget, const QString& title, QWidget* parent);

} // namespace brisk
