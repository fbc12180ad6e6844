// The one chart component: draws a chart's data as 2D bars, 3D bars (an oblique projection with
// shaded sides) or a pie, in colour or black-and-white patterns, on any paint device: the screen,
// an image, or a printer page (where it stays vector drawing).
#pragma once

#include "charts/core/chart_data.h"

#include <QRectF>

#include <optional>
#include <string>

class QPainter;

namespace brisk {

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart);

// Draws the chart into `path`, replacing it whole: a landscape PDF page for a .pdf name, otherwise
// a PNG image. Nothing on success; otherwise why it failed.
std::optional<std::string> writeChartFile(const ChartData& chart, const std::string& path);

} // namespace brisk
