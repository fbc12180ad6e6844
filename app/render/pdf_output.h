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

class QPagedPaintDevice;
class QPainter;

namespace brisk {

class Printout;

// Draws every page of the printout on the device, in the font of its font choice.
bool renderPrintout(const Printout& printout, QPagedPaintDevice& device);

// Letter paper where it is the custom, A4 elsewhere.
QPageSize localPageSize();

using PageDrawing = std::function<void(QPainter&, const QRectF&)>;
// One page drawn by `draw` on the device (a PDF writer or a printer).
bool renderDrawing(QPagedPaintDevice& device, const PageDrawing& draw);

// One PDF page drawn by `draw`, replacing `path` whole. Nothing on success; otherwise why it failed.
WriteOutcome writePdfAtomically(const std::string& path, const QString& title,
                                QPageLayout::Orientation orientation, int dpi, const PageDrawing& draw);
WriteOutcome writePrintoutPdf(const Printout& printout, const std::string& path, const QString& title);

} // namespace brisk
