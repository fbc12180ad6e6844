// The chart window of the calculators, and the printing of a chart.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace brisk {

class ChartView;
struct ChartData;

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    explicit ChartWindow(QWidget* parent = nullptr);
    int ChartKind() const { return m_kind; }
    ChartView* chartView() const { return m_view; }
    void Compare2D();
    void Compare3D();
    void showKind(int kind);
    void print();
    void closeChart();

  private:
    int m_kind = 0;
    ChartView* m_view;
};

// Prints a chart on its own page, after asking whether to print and whether in colour.
void printChart(const ChartData& chart, QWidget* parent);

// Makes the calculators' "Show Graph" open the chart window.
void registerChartWindows();

} // namespace brisk
