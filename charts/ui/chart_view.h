// The chart component on screen.
#pragma once

// moc reads no further than the class; the core header's C++20 library includes are beyond it.
#ifndef Q_MOC_RUN
#include "charts/core/chart_data.h"
#endif

#include <QWidget>

class QLayout;

namespace brisk {

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

// A chart window's layout: the chart above its row of buttons.
void layOutChartWindow(QWidget* window, ChartView* view, QLayout* buttons);

} // namespace brisk
