// The chart window of the calculators, and the printing of a chart.
#pragma once

#include <QWidget>

// moc reads no further than the class; the core header's C++20 library includes are beyond it.
#ifndef Q_MOC_RUN
#include "charts/core/chart_handover.h"
#endif

class QLabel;
class QPushButton;

namespace brisk {

class ChartView;
struct ChartData;
struct ProgramState;

class ChartWindow : public QWidget {
    Q_OBJECT
  public:
    // Shows `chart`, a calculator's result, in the user's currency.
    ChartWindow(ProgramState& program, ChartHandover chart, QWidget* parent = nullptr);
    int ChartKind() const { return m_kind; }
    ChartView* chartView() const { return m_view; }
    void Compare2D();
    void Compare3D();
    void showKind(int kind);
    void print();
    void closeChart();

  private:
    ProgramState& m_program;
    const ChartHandover m_chart;
    int m_kind = 0;
    ChartView* m_view;
};

// Prints a chart on its own page, after asking whether to print and whether in colour.
void printChart(const ChartData& chart, QWidget* parent);

// Makes the calculators' "Show Graph" open the chart window.
void registerChartWindows();

} // namespace brisk
