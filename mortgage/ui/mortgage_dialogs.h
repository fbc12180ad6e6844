// The mortgage window's three dialogs: additional payments, days in year, first payment date.
#pragma once

#include "app/core/dates.h"

#include <QDialog>

#include <memory>

class QButtonGroup;

namespace brisk {

class EntryBox;
class ResultGrid;
struct MortgageInputs;

// A yearly additional payment per year of the term, and a percentage increase of the payment.
// Changes are made on a copy: OK keeps them, closing the window drops them.
class ExtraPaymentsDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ExtraPaymentsDialog(QWidget* parent = nullptr);
    ~ExtraPaymentsDialog() override;
    void keepExtraPayments();
    void clearExtraPayments();
    ResultGrid* grid() const { return m_grid; }

  private:
    void showRows();
    std::unique_ptr<MortgageInputs> m_edited; // the copy the window works on
    int m_years;
    ResultGrid* m_grid;
    EntryBox* m_percent;
};

// The days in a year for two-weekly and weekly payment periods. The option checked counts from
// E&xit on; closing the window keeps the choice as it was.
class DaysInYearDialog : public QDialog {
    Q_OBJECT
  public:
    explicit DaysInYearDialog(QWidget* parent = nullptr);
    void accept() override;

  private:
    QButtonGroup* m_options;
};

// The date of the first payment: OK keeps the date typed, closing the window keeps the one before.
class StartDateDialog : public QDialog {
    Q_OBJECT
  public:
    explicit StartDateDialog(QWidget* parent = nullptr);
    void accept() override;

  private:
    EntryBox* m_date;
    Date m_startDate; // the date the window works on
};

} // namespace brisk
