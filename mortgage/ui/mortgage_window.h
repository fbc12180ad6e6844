// The mortgage and loan calculator window.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace brisk {

class EntryBox;
class ResultGrid;
class TextArea;

class MortgageCalc : public QWidget {
    Q_OBJECT
  public:
    explicit MortgageCalc(QWidget* parent = nullptr);

    // The commands, as their buttons run them.
    void MCalc_Click();
    void MPrinter_Click();
    void MSaveFile_Click();
    void MLoadFile_Click();
    void MGraphs_Click();
    void MHelp_Click();
    void MExit_Click();
    void MDateNumber_Click();
    void MAddPrePay_Click();
    void MShowIRF_Click();

    // Reads a file into the window and calculates; false (message 13 shown) when it is refused.
    bool loadFile(const QString& path);
    bool saveFile(const QString& path);
    QString gridText(int row, int col) const;

  private:
    void ClearMortgageResults();
    void showInputs();
    void showResults();
    void fillGrid();
    void recalculateIfShown();
    void updateExtraIndicator();
    bool isLoan() const;

    EntryBox* m_principal;
    EntryBox* m_rate;
    EntryBox* m_term;
    EntryBox* m_compounding;
    EntryBox* m_frequency;
    QRadioButton* m_all;
    QRadioButton* m_annual;
    QPushButton* m_help;
    QPushButton* m_dateNumber;
    QPushButton* m_graphs;
    QLabel* m_extraIndicator;
    QLabel* m_includes;
    ResultGrid* m_grid;
    TextArea* m_helpText;
    QStackedWidget* m_gridOrHelp;
};

} // namespace brisk
