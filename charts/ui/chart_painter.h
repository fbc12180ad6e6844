// The one chart component: draws a chart's data as 2D bars, 3D bars (an oblique projection with
// shaded sides) or a pie, in colour or black-and-white patterns, on any paint device: the screen,
// an image, or a printer page (where it stays vector drawing).
#pragma once

// moc reads no further than the class; the core header's C++20 library includes are beyond it.
#ifndef Q_MOC_RUN
#include "charts/core/chart_data.h"
#endif

#include <QRectF>
#include <QWidget>

class QPainter;

namespace brisk {

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart);

// The chart on screen.
class ChartView : public QWidget {
    Q_OBJECT
  public:
    explicit ChartView(QWidget* parent = nullptr);
    void setChart(ChartData chart);
    const ChartData& chart() const { return m_chart; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ChartData m_chart;
};

} // namespace brisk
