// The investment growth planner (planning and comparisons) and the annual compound growth finder.
#pragma once

#include "app/ui/calculator_window.h"

namespace brisk {

class SavingsWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit SavingsWindow(QWidget* parent = nullptr);

  protected:
    void computeResults() override;
    void dropResults() override;
    bool hasResults() const override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;
    void resetState() override;

  private:
    bool comparisons() const;
};

class CompoundFinderWindow : public CalculatorWindow {
    Q_OBJECT
  public:
    explicit CompoundFinderWindow(QWidget* parent = nullptr);

  protected:
    void computeResults() override;
    void dropResults() override;
    bool hasResults() const override;
    std::pair<Printout, QString> printout(const PrintContext& context) const override;
    QString helpText() const override;
    void resetState() override;
};

} // namespace brisk
