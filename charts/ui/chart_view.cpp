#include "charts/ui/chart_view.h"

#include "charts/render/chart_painter.h"

#include <QPainter>

namespace brisk {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("Graph1");
    setMinimumSize(200, 150);
}

void ChartView::setChart(ChartData chart) {
    m_chart = std::move(chart);
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChart(painter, rect(), m_chart);
}

} // namespace brisk
