// The three retirement planner windows, built on one shape: entry boxes above a year table with
// its totals row, and the column of commands.
#pragma once

#include "app/ui/calculator_window.h"
#include "retirement/ui/retirement_document.h"

#include <functional>

namespace brisk {

enum class Planner;

class YearTableWindow : public CalculatorWindow {
    Q_OBJECT
  protected:
    // `table`: the document's year table, which the window shows.
    YearTableWindow(ProgramState& program, CalculatorDocument* document, std::optional<YearTable>& table,
                    const QString& name, const QString& letter, const QString& caption);
    // The fields four to a row beside the window's options, over the year table.
    void finishLayout(QWidget* options, const QStringList& headings, const QList<int>& widen);
    void showTable(const YearTable& table, Planner planner, bool balanceRow);

    void dropResults() override;
    bool hasResults() const override;

  private:
    std::optional<YearTable>& m_table;
};

class RetirementWindow : public YearTableWindow {
    Q_OBJECT
  public:
    RetirementWindow(ProgramState& program, RetirementDocument* document, QWidget* parent = nullptr);
    RetirementDocument& document() const { return *m_doc; }
    void chooseOption(bool fixed);

  protected:
    void computeResults() override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;

  private:
    RetirementDocument* m_doc;
};

class CapitalRequiredWindow : public YearTableWindow {
    Q_OBJECT
  public:
    CapitalRequiredWindow(ProgramState& program, CapitalDocument* document, QWidget* parent = nullptr);
    CapitalDocument& document() const { return *m_doc; }
    void chooseOption(bool income);

  protected:
    void computeResults() override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;

  private:
    CapitalDocument* m_doc;
};

class Plan401kWindow : public YearTableWindow {
    Q_OBJECT
  public:
    Plan401kWindow(ProgramState& program, Plan401kDocument* document, QWidget* parent = nullptr);
    Plan401kDocument& document() const { return *m_doc; }

  protected:
    void computeResults() override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;

  private:
    Plan401kDocument* m_doc;
};

} // namespace brisk
