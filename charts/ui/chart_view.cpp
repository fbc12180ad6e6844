#include "charts/ui/chart_view.h"

#include "app/ui/twips.h"
#include "charts/render/chart_painter.h"

#include <QPainter>
#include <QVBoxLayout>

namespace brisk {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("Graph1");
    setAccessibleName(tr("Chart"));
    setMinimumSize(200, 150);
}

void ChartView::setChart(ChartData chart) {
    m_chart = std::move(chart);
    // A screen reader has only the name to tell what the drawing shows.
    const QString title = QString::fromStdString(m_chart.title).trimmed();
    setAccessibleName(title.isEmpty() ? tr("Chart") : tr("Chart: %1").arg(title));
    update();
}

void ChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintChart(painter, rect(), m_chart);
}

void layOutChartWindow(QWidget* window, ChartView* view, QLayout* buttons) {
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(twips(150), twips(90), twips(150), twips(90));
    layout->addWidget(view, 1);
    layout->addLayout(buttons);
}

} // namespace brisk
