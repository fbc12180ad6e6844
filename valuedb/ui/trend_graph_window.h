// The value database's trend graph: the weekly values, a page of 26 records at a time.
#pragma once

#include <QWidget>

class QPushButton;

namespace brisk {

class ChartView;
class DatabaseDocument;
struct ProgramState;
struct TrendPage;

// The window the graph returns to, whose caption comes back.
enum class TrendCaller { Menu, Averages };

class TrendGraphWindow : public QWidget {
    Q_OBJECT
  public:
    TrendGraphWindow(ProgramState& program, const DatabaseDocument& document,
                     TrendCaller caller = TrendCaller::Menu, QWidget* parent = nullptr);
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
    ProgramState& m_program;
    const DatabaseDocument& m_document;
    TrendCaller m_caller;
    int m_first = 1, m_last = 0;
    bool m_threeD = false;
    ChartView* m_view;
    QPushButton *m_forward, *m_prev, *m_oned, *m_threeDButton;
};

} // namespace brisk
