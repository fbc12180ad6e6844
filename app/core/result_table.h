// A result table described once: its columns (what each holds, how it is shown and printed) and
// its typed rows. The window's grid, the printout, the command line's text, CSV and JSON and the
// charts all read this one description.
#pragma once

#include "app/core/dates.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brisk {

enum class FigureKind {
    Money, // to the cent
    Rate,  // a percentage, as the figure shows it (7.5 is 7.5%)
    Count, // a whole number: a period, a year, an example's number
    Date,
    Text,
};

// Where a column appears: a window may join figures the data keeps apart ("  12  2027" is the
// payment and its year).
enum class ColumnUse { Everywhere, WindowOnly, DataOnly };

struct TableColumn {
    std::string id;      // the command line's heading and the JSON key: "cumulative_interest"
    std::string heading; // the window's heading
    FigureKind kind = FigureKind::Money;
    std::string mask = {}; // the window's display mask; empty: the kind's own
    ColumnUse use = ColumnUse::Everywhere;
};

// A cell: empty, a figure, a whole number, a date or a text.
using TableCell = std::variant<std::monostate, double, std::int64_t, Date, std::string>;
using TableRow = std::vector<TableCell>;

struct ResultTable {
    std::vector<TableColumn> columns;
    std::vector<TableRow> rows;
    std::optional<TableRow> totals;       // below the rows, with empty cells where nothing is summed
    std::string totalsCaption = "Total:"; // the window's and the printout's caption of the totals

    // The column with this id; none when the table has no such column.
    std::optional<std::size_t> column(std::string_view id) const;
    // The column's figures, row by row (an empty cell is 0): a chart's series.
    std::vector<double> series(std::string_view id) const;
};

// The cell as the command line writes it: money to the cent, rates with two to four decimals,
// counts whole, ISO dates, text as it stands; an empty cell is empty.
std::string plainText(const TableCell& cell, FigureKind kind);
// The same, added to the end of `out` (a schedule of thousands of rows is written without a string a
// figure).
void appendPlainText(std::string& out, const TableCell& cell, FigureKind kind);
// The cell as the window and the printouts show it, through the column's mask (or its kind's); a
// rate with its percent sign.
std::string displayText(const TableCell& cell, const TableColumn& column, const ShortDateForm& dates);
// The figure of a cell: a number for money, rates and counts; none for a date, a text or nothing.
std::optional<double> cellNumber(const TableCell& cell);

} // namespace brisk
