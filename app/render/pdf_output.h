// Printouts and drawings as PDF pages, with QtGui alone: the desktop program's PDF fallback and the
// command line draw their files here, and the printer back end draws printouts on a printer the
// same way.
#pragma once

#include "app/core/atomic_file.h"

#include <QPageLayout>
#include <QRectF>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace brisk {

class Printout;

// How many of each page to draw, for a device that does not make copies itself: whole copies one
// after another (collated), or each page so many times before the next.
struct PageCopies {
    int count = 1;
    bool collate = true;
};

// The pages to draw of a document of `pageCount` pages, numbered from 1: those in the device's page
// ranges (all when it has none), each as often as `copies` says.
std::vector<int> pagesToDraw(int pageCount, const QPagedPaintDevice& device, PageCopies copies = {});

// Draws the pages of the printout the device's page ranges choose (every page when it names none),
// in the font of its font choice.
bool renderPrintout(const Printout& printout, QPagedPaintDevice& device, PageCopies copies = {});

// Letter paper where it is the custom, A4 elsewhere.
QPageSize localPageSize();

using PageDrawing = std::function<void(QPainter&, const QRectF&)>;
// One page drawn by `draw` on the device (a PDF writer or a printer), as many times as `copies` says.
bool renderDrawing(QPagedPaintDevice& device, const PageDrawing& draw, PageCopies copies = {});

// One PDF page drawn by `draw`, replacing `path` whole. Nothing on success; otherwise why it failed.
WriteOutcome writePdfAtomically(const std::string& path, const QString& title,
                                QPageLayout::Orientation orientation, int dpi, const PageDrawing& draw);
WriteOutcome writePrintoutPdf(const Printout& printout, const std::string& path, const QString& title);

} // namespace brisk
