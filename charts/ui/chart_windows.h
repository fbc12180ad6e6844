// The chart window of the calculators and the value database's trend graph.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace brisk {

class ChartView;
struct TrendPage;

class GraphsAll : public QWidget {
    Q_OBJECT
  public:
    explicit GraphsAll(QWidget* parent = nullptr);
    int ChartKind() const { return m_kind; }
    ChartView* chartView() const { return m_view; }
    void Compare2D();
    void Compare3D();
    void showKind(int kind);
    void Ptr_Click();
    void ExitBut_Click();

  private:
    int m_kind = 0;
    ChartView* m_view;
};

class TrendGraph : public QWidget {
    Q_OBJECT
  public:
    explicit TrendGraph(QWidget* parent = nullptr);
    void Prev_Click();
    void Forward_Click();
    void Ptr_Click();
    void ExitBut_Click();
    ChartView* chartView() const { return m_view; }
    int pageFirst() const { return m_first; }
    int pageLast() const { return m_last; }

  private:
    void draw();
    void turnPage(const TrendPage& next, QPushButton* pressed, QPushButton* other);
    int m_first = 1, m_last = 0;
    bool m_threeD = false;
    ChartView* m_view;
    QPushButton *m_forward, *m_prev, *m_oned, *m_threeDButton;
};

// Makes the calculators' "Show Graph" and the database's trend graph open these windows.
void registerChartWindows();

} // namespace brisk
