// The investment growth planner (planning and comparisons) and the annual compound growth finder.
#pragma once

#include "app/ui/calculator_window.h"
#include "growth/ui/growth_document.h"

namespace brisk {

class SavingsWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    // The window owns `document`; its mode makes it the planner or the comparisons.
    SavingsWindow(ProgramState& program, SavingsDocument* document, QWidget* parent = nullptr);
    SavingsDocument& document() const { return *m_doc; }

  protected:
    void computeResults() override;
    void dropResults() override;
    bool hasResults() const override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;

  private:
    bool comparisons() const { return m_doc->comparisons(); }

    SavingsDocument* m_doc;
};

class CompoundFinderWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    CompoundFinderWindow(ProgramState& program, FinderDocument* document, QWidget* parent = nullptr);
    FinderDocument& document() const { return *m_doc; }

  protected:
    void computeResults() override;
    void dropResults() override;
    bool hasResults() const override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;

  private:
    const std::vector<FinderRow>& rows() const;

    FinderDocument* m_doc;
};

} // namespace brisk
