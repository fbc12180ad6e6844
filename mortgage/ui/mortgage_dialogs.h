// The mortgage window's three dialogs: additional payments, days in year, first payment date.
#pragma once

#include "app/core/dates.h"

#include <QDialog>

#include <memory>
#include <optional>

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
    ExtraPaymentsDialog(const MortgageInputs& inputs, QWidget* parent = nullptr);
    ~ExtraPaymentsDialog() override;
    // The inputs with the payments and the increase as OK left them; nothing when closed.
    std::optional<MortgageInputs> ask();
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
    // `choice`: the days in use (an index of kDaysChoices).
    DaysInYearDialog(int choice, QWidget* parent = nullptr);
    // The days chosen when left with Exit; nothing when closed.
    std::optional<int> ask();

  private:
    QButtonGroup* m_options;
};

// The date of the first payment: OK keeps the date typed, closing the window keeps the one before.
class StartDateDialog : public QDialog {
    Q_OBJECT
  public:
    // The date shown first is `date`, or `today` when none was set; typed and shown in `form`.
    StartDateDialog(std::optional<Date> date, Date today, const ShortDateForm& form,
                    QWidget* parent = nullptr);
    void accept() override;
    // The date kept with OK; nothing when closed.
    std::optional<Date> ask();

  private:
    EntryBox* m_date;
    Date m_startDate; // the date the window works on
    ShortDateForm m_form;
};

} // namespace brisk
