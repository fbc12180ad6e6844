// The texts of a schedule as the window, the printout and the command line show them.
#pragma once

#include "app/core/dates.h"
#include "app/core/figure_format.h"
#include "app/core/result_table.h"
#include "mortgage/core/schedule.h"

#include <string>

namespace brisk {

// The first column of a row: payment number and year, the year of annual totals, or the date.
std::string firstColumnText(const Schedule& s, const ScheduleRow& row, const ShortDateForm& form);
// The days in year as shown: "Normal" where the frequency does not use them.
std::string daysInYearText(const Schedule& s);
// The summary figures in their display shapes.
std::string rateFactorText(const Schedule& s);                      // "0.########"
std::string finalPaymentText(const Schedule& s, MortgageKind mode); // "###.00"

// The schedule as a table: every payment (or the annual totals), with the balance and the
// cumulative figures of the last row as its totals.
ResultTable scheduleTable(const Schedule& s, const ShortDateForm& form);

} // namespace brisk
