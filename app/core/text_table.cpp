#include "app/core/text_table.h"

#include "app/core/text_align.h"

#include <algorithm>

namespace brisk {

namespace {

void appendCsvLine(std::string& out, const std::vector<std::string>& fields, std::string_view lineEnd) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out += ',';
        appendCsvField(out, fields[i]);
    }
    out += lineEnd;
}

} // namespace

void appendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

std::string csvText(const TextTable& table, std::string_view lineEnd) {
    std::string out;
    out.reserve((table.rows.size() + 1) * 80);
    appendCsvLine(out, table.header, lineEnd);
    for (const auto& row : table.rows)
        appendCsvLine(out, row, lineEnd);
    return out;
}

CsvRows parseCsv(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    CsvRows out;
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    out.separator = tabs > std::max(commas, semicolons) ? '\t' : semicolons > commas ? ';' : ',';

    std::vector<std::string> row;
    std::string field;
    bool inQuotes = false, rowHasText = false;
    const auto endField = [&] {
        row.push_back(std::move(field));
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        if (rowHasText || row.size() > 1) out.rows.push_back(std::move(row));
        row.clear();
        rowHasText = false;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes) {
            if (c != '"')
                field += c;
            else if (i + 1 < text.size() && text[i + 1] == '"')
                field += text[++i];
            else
                inQuotes = false;
        } else if (c == '"') {
            inQuotes = rowHasText = true;
        } else if (c == out.separator) {
            endField();
        } else if (c == '\n') {
            endRow();
        } else if (c != '\r') {
            field += c;
            rowHasText = true;
        }
    }
    if (rowHasText || !row.empty()) endRow();
    return out;
}

std::string alignedText(const TextTable& table) {
    std::vector<int> widths(table.header.size(), 0);
    auto widen = [&](const std::vector<std::string>& row) {
        if (row.size() > widths.size()) widths.resize(row.size(), 0);
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], charCount(row[i]));
    };
    widen(table.header);
    for (const auto& row : table.rows)
        widen(row);
    std::string out;
    auto line = [&](const std::vector<std::string>& row) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) out += "  ";
            out += RightAlign(row[i], widths[i], Overflow::KeepWhole);
        }
        out += '\n';
    };
    line(table.header);
    for (const auto& row : table.rows)
        line(row);
    return out;
}

} // namespace brisk
