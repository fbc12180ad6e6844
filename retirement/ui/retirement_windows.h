// The three retirement planner windows, built on one shape: entry boxes above a year table with
// its totals row, and the column of commands.
#pragma once

#include "app/ui/calculator_window.h"

#include <functional>

namespace brisk {

struct YearTable;
enum class Planner;

class YearTableWindow : public CalculatorWindow {
    Q_OBJECT
  protected:
    YearTableWindow(const QString& name, const QString& letter, const QString& caption);
    // The fields four to a row beside the window's options, over the year table.
    void finishLayout(QWidget* options, const QStringList& headings, const QList<int>& widen);
    void showTable(const YearTable& table, Planner planner, bool balanceRow);

    void dropResults() override;
    bool hasResults() const override;
    void resetState() override;
};

class RetirementWindow : public YearTableWindow {
    Q_OBJECT
  public:
    explicit RetirementWindow(QWidget* parent = nullptr);
    void chooseOption(bool fixed);

  protected:
    void computeResults() override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;
};

class CapitalRequiredWindow : public YearTableWindow {
    Q_OBJECT
  public:
    explicit CapitalRequiredWindow(QWidget* parent = nullptr);
    void CRChoseCalc(bool income);

  protected:
    void computeResults() override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;
};

class Plan401kWindow : public YearTableWindow {
    Q_OBJECT
  public:
    explicit Plan401kWindow(QWidget* parent = nullptr);

  protected:
    void computeResults() override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;
};

} // namespace brisk
