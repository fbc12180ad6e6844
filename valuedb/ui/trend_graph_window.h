// The value database's trend graph: the weekly values, a page of 26 records at a time.
#pragma once

#include <QWidget>

class QPushButton;

namespace brisk {

class ChartView;
struct TrendPage;

class TrendGraphWindow : public QWidget {
    Q_OBJECT
  public:
    explicit TrendGraphWindow(QWidget* parent = nullptr);
    void showOlderPage();
    void showNewerPage();
    void print();
    void closeTrendGraph();
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

} // namespace brisk
