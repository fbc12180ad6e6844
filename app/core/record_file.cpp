#include "app/core/record_file.h"

#include "app/core/whole_number.h"

#include <charconv>
#include <cmath>

namespace brisk {

bool isValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const unsigned char c = bytes[i];
        int extra;
        if (c < 0x80)
            extra = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            extra = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            extra = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            extra = 3;
        else
            return false;
        if (i + extra >= bytes.size() && extra > 0) return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += extra + 1;
    }
    return true;
}

std::string utf8FromWindows1252(std::string_view bytes) {
    // 0x80-0x9F differ from Latin-1; the rest map straight to their code points.
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    std::string out;
    for (unsigned char c : bytes) {
        char32_t cp = c >= 0x80 && c < 0xA0 ? high[c - 0x80] : c;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::optional<double> strictNumber(std::string_view token) {
    if (!token.empty() && token.front() == '+') token.remove_prefix(1);
    if (token.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

RecordReader::RecordReader(std::string_view bytes) : m_data(bytes) {}

namespace {
// Each field is decoded on its own: UTF-8 where it is, Windows-1252 (as older files were written)
// where it is not, so one stray byte cannot turn the file's other titles into mojibake.
std::string decoded(std::string_view raw) {
    return isValidUtf8(raw) ? std::string(raw) : utf8FromWindows1252(raw);
}
} // namespace

bool RecordReader::atEnd() const {
    for (std::size_t i = m_pos; i < m_data.size(); ++i)
        if (!isBlank(m_data[i]) && !isLineEnd(m_data[i])) return false;
    return true;
}

// Steps past what follows a field up to and including its delimiter: a comma or a line end.
void RecordReader::endField() {
    while (m_pos < m_data.size() && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
        ++m_pos;
    if (m_pos >= m_data.size()) return;
    if (m_data[m_pos] == ',') {
        ++m_pos;
        return;
    }
    if (m_data[m_pos] == '\r') ++m_pos;
    if (m_pos < m_data.size() && m_data[m_pos] == '\n') ++m_pos;
}

std::optional<RecordField> RecordReader::next() {
    // Line ends between records are not fields.
    while (m_pos < m_data.size() && (isBlank(m_data[m_pos]) || isLineEnd(m_data[m_pos])))
        ++m_pos;
    if (m_pos >= m_data.size()) return std::nullopt;
    RecordField field;
    const char first = m_data[m_pos];
    if (first == '"' || first == '#') {
        const auto close = m_data.find(first, m_pos + 1);
        if (close == std::string::npos) return std::nullopt; // unterminated: the file is damaged
        field.text = decoded(std::string_view(m_data).substr(m_pos + 1, close - m_pos - 1));
        m_pos = close + 1;
        if (first == '"') {
            field.kind = RecordField::Kind::Quoted;
        } else if (field.text == "TRUE" || field.text == "FALSE") {
            field.kind = RecordField::Kind::Boolean;
        } else if (field.text == "NULL") {
            field.kind = RecordField::Kind::Empty;
        } else {
            field.kind = RecordField::Kind::Date;
            // A date may carry a time of day after a blank; the program keeps whole days.
            field.date = parseIsoDate(std::string_view(field.text).substr(0, field.text.find(' ')));
            if (!field.date) return std::nullopt;
        }
    } else {
        const std::size_t start = m_pos;
        while (m_pos < m_data.size() && m_data[m_pos] != ',' && !isLineEnd(m_data[m_pos]))
            ++m_pos;
        std::string_view token(m_data.data() + start, m_pos - start);
        while (!token.empty() && isBlank(token.back()))
            token.remove_suffix(1);
        field.text = decoded(token);
        field.kind = token.empty() ? RecordField::Kind::Empty : RecordField::Kind::Bare;
    }
    endField();
    return field;
}

std::optional<std::string> RecordReader::readString() {
    auto field = next();
    if (!field) return std::nullopt;
    return field->kind == RecordField::Kind::Date ? isoDateText(*field->date) : field->text;
}

std::optional<double> RecordReader::readNumber() {
    auto field = next();
    if (!field) return std::nullopt;
    switch (field->kind) {
    case RecordField::Kind::Empty:
        return 0.0;
    case RecordField::Kind::Boolean:
        return field->text == "TRUE" ? -1.0 : 0.0;
    case RecordField::Kind::Date:
        return std::nullopt;
    case RecordField::Kind::Quoted:
    case RecordField::Kind::Bare:
        break;
    }
    std::string_view token = field->text;
    while (!token.empty() && isBlank(token.front()))
        token.remove_prefix(1);
    return strictNumber(token);
}

std::optional<Currency> RecordReader::readCurrency() {
    const auto number = readNumber();
    if (!number) return std::nullopt;
    return Currency::fromDouble(*number);
}

std::optional<std::int16_t> RecordReader::readInt16() {
    const auto number = readNumber();
    if (!number) return std::nullopt;
    return toInt16(*number);
}

std::optional<Date> RecordReader::readDate() {
    auto field = next();
    if (!field) return std::nullopt;
    if (field->kind == RecordField::Kind::Date) return field->date;
    if (field->kind == RecordField::Kind::Quoted || field->kind == RecordField::Kind::Bare)
        return parseIsoDate(field->text);
    return std::nullopt;
}

void RecordWriter::separate() {
    if (m_inRecord) m_bytes += ',';
    m_inRecord = true;
}

RecordWriter& RecordWriter::text(std::string_view value) {
    separate();
    m_bytes += '"';
    for (char c : value)
        if (c != '"') m_bytes += c;
    m_bytes += '"';
    return *this;
}

namespace {
// The shortest text that reads back as the same number of that width.
template <typename F> void appendShortest(std::string& out, F value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)error;
    out.append(buffer, end);
}
} // namespace

RecordWriter& RecordWriter::number(double value) {
    separate();
    appendShortest(m_bytes, value);
    return *this;
}

RecordWriter& RecordWriter::single(float value) {
    separate();
    appendShortest(m_bytes, value);
    return *this;
}

RecordWriter& RecordWriter::fixedField(std::int64_t raw) {
    separate();
    m_bytes += Currency::fromRaw(raw).toPlainString();
    return *this;
}

RecordWriter& RecordWriter::integer(long long value) {
    separate();
    m_bytes += std::to_string(value);
    return *this;
}

RecordWriter& RecordWriter::date(Date value) {
    separate();
    m_bytes += '#' + isoDateText(value) + '#';
    return *this;
}

RecordWriter& RecordWriter::empty() {
    separate();
    return *this;
}

RecordWriter& RecordWriter::endRecord() {
    m_bytes += "\r\n";
    m_inRecord = false;
    return *this;
}

} // namespace brisk
