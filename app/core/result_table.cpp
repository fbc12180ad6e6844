#include "app/core/result_table.h"
#include "app/core/figure_format.h"

#include "app/core/mask_format.h"

namespace brisk {

namespace {

// The masks a kind is shown in when its column names none.
std::string_view defaultMask(FigureKind kind) {
    switch (kind) {
    case FigureKind::Money:
        return mask::WideAmount;
    case FigureKind::Rate:
        return mask::RateWithZero;
    case FigureKind::Count:
        return mask::Whole;
    case FigureKind::Date:
    case FigureKind::Text:
        break;
    }
    return {};
}

} // namespace

std::optional<std::size_t> ResultTable::column(std::string_view id) const {
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].id == id) return i;
    return std::nullopt;
}

std::vector<double> ResultTable::series(std::string_view id) const {
    std::vector<double> values;
    const auto at = column(id);
    if (!at) return values;
    values.reserve(rows.size());
    for (const TableRow& row : rows)
        values.push_back(*at < row.size() ? cellNumber(row[*at]).value_or(0) : 0);
    return values;
}

std::optional<double> cellNumber(const TableCell& cell) {
    if (const auto* figure = std::get_if<double>(&cell)) return *figure;
    if (const auto* whole = std::get_if<std::int64_t>(&cell)) return static_cast<double>(*whole);
    return std::nullopt;
}

void appendPlainText(std::string& out, const TableCell& cell, FigureKind kind) {
    if (const auto* figure = std::get_if<double>(&cell))
        FormatTo(out, *figure,
                 kind == FigureKind::Money   ? mask::Cents
                 : kind == FigureKind::Rate  ? mask::PlainRate
                 : kind == FigureKind::Count ? mask::Whole
                                             : mask::PlainNumber);
    else if (const auto* whole = std::get_if<std::int64_t>(&cell))
        out += std::to_string(*whole);
    else if (const auto* date = std::get_if<Date>(&cell))
        out += isoDateText(*date);
    else if (const auto* text = std::get_if<std::string>(&cell))
        out += *text;
}

std::string plainText(const TableCell& cell, FigureKind kind) {
    std::string text;
    appendPlainText(text, cell, kind);
    return text;
}

std::string displayText(const TableCell& cell, const TableColumn& column, const ShortDateForm& dates) {
    const std::string_view mask = column.mask.empty() ? defaultMask(column.kind) : column.mask;
    if (const auto* figure = std::get_if<double>(&cell)) {
        std::string text = Format(*figure, mask);
        // A rate carries its percent sign unless its mask already makes one.
        if (column.kind == FigureKind::Rate && !text.empty() && mask.find('%') == std::string_view::npos)
            text += '%';
        return text;
    }
    if (const auto* whole = std::get_if<std::int64_t>(&cell))
        return Format(static_cast<double>(*whole), mask);
    if (const auto* date = std::get_if<Date>(&cell)) return shortDateText(*date, dates);
    if (const auto* text = std::get_if<std::string>(&cell)) return *text;
    return {};
}

} // namespace brisk
