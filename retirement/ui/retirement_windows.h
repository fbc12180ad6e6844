// The three retirement planner windows, built on one shape: entry boxes above a year table with
// its totals row, and the column of commands.
#pragma once

#include <QWidget>

#include <functional>

class QGridLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace brisk {

class EntryBox;
class QuickHelp;
class ResultGrid;
class TextArea;
struct YearTable;

class YearTableWindow : public QWidget {
    Q_OBJECT
  public:
    void Calc_Click();
    void Printer_Click();
    void Graphs_Click();
    void Exit_Click();
    QString gridText(int row, int col) const;
    int gridRows() const;

  protected:
    // `letter` names the commands ("R" gives RCalc, RHelp ...).
    YearTableWindow(const QString& name, const QString& letter, const QString& caption);
    EntryBox* addField(const QString& name, const QString& caption, int kind, const QString& mask, int width,
                       const QStringList& items);
    void finishLayout(QWidget* options, const QStringList& headings, const QList<int>& widen);
    void ClearResults();
    void showTable(const YearTable& table, bool salary, bool balanceRow);
    // Above 50 years: message 4 and the box set to 50 (where `applies` says the box counts years).
    void limitYears(EntryBox* box, std::function<bool()> applies = {});

    virtual void calculate() = 0;
    virtual void print() = 0;
    virtual QString helpText() const = 0;

    QList<EntryBox*> m_boxes;
    QList<QLabel*> m_captions;
    ResultGrid* m_grid = nullptr;
    QuickHelp* m_help = nullptr;

  private:
    QString m_letter;
};

class RetireCalc : public YearTableWindow {
    Q_OBJECT
  public:
    explicit RetireCalc(QWidget* parent = nullptr);
    void chooseOption(bool fixed);

  protected:
    void calculate() override;
    void print() override;
    QString helpText() const override;
};

class CapitalReqdCalc : public YearTableWindow {
    Q_OBJECT
  public:
    explicit CapitalReqdCalc(QWidget* parent = nullptr);
    void CRChoseCalc(bool income);

  protected:
    void calculate() override;
    void print() override;
    QString helpText() const override;
};

class Plan401KCalc : public YearTableWindow {
    Q_OBJECT
  public:
    explicit Plan401KCalc(QWidget* parent = nullptr);

  protected:
    void calculate() override;
    void print() override;
    QString helpText() const override;
};

} // namespace brisk
