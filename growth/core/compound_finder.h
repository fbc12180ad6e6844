// The annual compound growth finder: the yearly rate that turns a cost into a later value over a
// term, the total gain, and the path of the value year by year.
#pragma once

#include "app/core/currency.h"
#include "app/core/outcome.h"
#include "app/core/result_table.h"

#include <string>
#include <vector>

namespace brisk {

inline constexpr int kFinderYearLimit = 50;
inline constexpr int kFinderRowsFirstPage = 12;

struct FinderInputs {
    Currency cost = Currency::fromWhole(10000);
    Currency value = Currency::fromWhole(20000);
    Years term = Years::fromWhole(5);
    std::string name = "XYZ mutual fund.";
};

struct FinderRow {
    FinderInputs inputs;
    double rate = 0;          // g, a fraction a year
    double totalGain = 0;     // G, a fraction over the term
    std::vector<double> path; // whole units of value at the end of years 1 .. T
};

// Message 4 for a term of 51 years or more, 3 for a zero or negative figure.
Outcome<FinderRow> findCompoundGrowth(const FinderInputs& inputs);

// The value at the end of each year of the term, in whole units.
ResultTable finderPathTable(const FinderRow& row);
// Every run of the finder, one a row: its name, term, cost and value, the annual rate and the total
// gain as percentages.
ResultTable finderTable(const std::vector<FinderRow>& rows);

} // namespace brisk
