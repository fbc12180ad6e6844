// The one chart component: draws a chart's data as 2D bars, 3D bars (an oblique projection with
// shaded sides) or a pie, in colour or black-and-white patterns, on any paint device: the screen,
// an image, or a printer page (where it stays vector drawing).
#pragma once

#include "app/core/atomic_file.h"
#include "charts/core/chart_data.h"

#include <QRectF>

#include <optional>
#include <string>
#include <vector>

class QPainter;

namespace brisk {

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart);

// The kinds of file a chart is drawn into, by their name's ending: "pdf" and every image format
// Qt can write here ("png", "jpg", "bmp", ...), in lower case.
std::vector<std::string> chartFileKinds();
// The kind a file name asks for, in lower case; empty when it names none of chartFileKinds().
std::string chartFileKind(const std::string& path);

// Draws the chart into `path`, replacing it whole: a landscape PDF page for a .pdf name, otherwise
// an image in the format its name ends in. Nothing on success; otherwise why it failed (a name of
// no kind it can draw is refused, naming the kinds).
WriteOutcome writeChartFile(const ChartData& chart, const std::string& path);

} // namespace brisk
