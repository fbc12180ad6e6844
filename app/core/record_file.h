// Comma-separated sequential records, the format of every file the program keeps: strings in double
// quotes, numbers in invariant form, dates as #yyyy-mm-dd#, empty fields, records ended by CR LF.
#pragma once

#include "app/core/currency.h"
#include "app/core/dates.h"

#include <optional>
#include <string>
#include <string_view>

namespace brisk {

struct RecordField {
    enum class Kind { Empty, Quoted, Bare, Date, Boolean };
    Kind kind = Kind::Empty;
    std::string text; // the string, the bare token, or the text between the # signs
    std::optional<Date> date;
};

// Reads fields one after another; commas and line ends both end a field. Any typed read that does
// not fit the field returns nothing, so a caller rejects the file as a whole.
class RecordReader {
  public:
    // A field whose bytes are not UTF-8 is taken as Windows-1252, as older files were written.
    explicit RecordReader(std::string_view bytes);

    bool atEnd() const; // nothing but blanks and line ends remain
    std::optional<RecordField> next();

    std::optional<std::string> readString();
    std::optional<double> readNumber(); // an empty field reads as 0
    std::optional<Currency> readCurrency();
    std::optional<std::int16_t> readInt16(); // rounded half to even
    std::optional<Date> readDate();          // #yyyy-mm-dd#, or a quoted yyyy-mm-dd

  private:
    void endField();
    std::string m_data;
    std::size_t m_pos = 0;
};

class RecordWriter {
  public:
    // A double quote cannot stand inside a quoted field; it is left out.
    RecordWriter& text(std::string_view value);
    RecordWriter& number(double value); // shortest form that reads back the same double
    RecordWriter& single(float value);  // shortest form that reads back the same single
    // A money field; a percentage or a term is kept in the same form.
    template <class Kind> RecordWriter& currency(Fixed<Kind> value) { return fixedField(value.raw()); }
    RecordWriter& integer(long long value);
    RecordWriter& date(Date value);
    RecordWriter& empty();
    RecordWriter& endRecord();
    const std::string& bytes() const { return m_bytes; }

  private:
    RecordWriter& fixedField(std::int64_t raw);
    void separate();
    std::string m_bytes;
    bool m_inRecord = false;
};

bool isValidUtf8(std::string_view bytes);
std::string utf8FromWindows1252(std::string_view bytes);

} // namespace brisk
