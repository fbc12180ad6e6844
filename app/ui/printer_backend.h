// The one printer back end: draws a printout page model on the default printer, or, where no
// printer is installed, into a PDF file in the user's documents folder.
#pragma once

#include <QRectF>
#include <QString>

#include <functional>

class QPainter;
class QWidget;

namespace brisk {

class Printout;

struct PrintOutcome {
    bool ok = false;
    QString pdfPath; // set when the printout went to a PDF file
    QString error;
};

// The default printer when there is one; otherwise a new PDF file in the documents folder.
PrintOutcome printPrintout(const Printout& printout, const QString& title);
// Prints, then tells the user where a PDF went or why printing failed.
void printAndReport(const Printout& printout, const QString& title, QWidget* parent);

// A drawing on one page (landscape): `draw` paints into the page's rectangle, on the default printer
// or, without one, into a new PDF in the documents folder.
PrintOutcome printDrawing(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw);
void printDrawingAndReport(const QString& title, const std::function<void(QPainter&, const QRectF&)>& draw,
                           QWidget* parent);

// The image of a window as it is shown, fitted to the page width (drawn, so text stays text).
PrintOutcome printWidgetImage(QWidget* widget, const QString& title);
void printWidgetAndReport(QWidget* widget, const QString& title, QWidget* parent);

} // namespace brisk
