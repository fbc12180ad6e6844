// The investment growth planner (planning and comparisons) and the annual compound growth finder.
#pragma once

#include <QWidget>

class QStackedWidget;

namespace brisk {

class EntryBox;
class QuickHelp;
class ResultGrid;
class TextArea;

class SavingsCalc : public QWidget {
    Q_OBJECT
  public:
    explicit SavingsCalc(QWidget* parent = nullptr);
    void SCalc_Click();
    void SPrinter_Click();
    void SGraphs_Click();
    void SExit_Click();
    QString gridText(int row, int col) const;
    int gridRows() const;

  private:
    void ClearResults();
    void SetupGrid();
    bool comparisons() const;

    ResultGrid* m_grid;
    TextArea* m_helpText;
    QuickHelp* m_help;
};

class FindCompoundCalc : public QWidget {
    Q_OBJECT
  public:
    explicit FindCompoundCalc(QWidget* parent = nullptr);
    void FCalc_Click();
    void FPrinter_Click();
    void FGraphs_Click();
    void FExit_Click();
    QString gridText(int row, int col) const;

  private:
    void clearStep();

    EntryBox* m_name;
    ResultGrid* m_grid;
    QuickHelp* m_help;
};

} // namespace brisk
