// How a calculation reports that it cannot go on: the numbered message the user is shown.
#pragma once

#include <stdexcept>

namespace brisk {

// Message 3, "Wrong or missing entry, try again.": an input or a result out of range.
inline constexpr int kMsgWrongEntry = 3;

// Thrown deep inside a calculation (an overflowing conversion, say) and caught at the calculation's
// boundary, which returns the message as a value; it never crosses into the UI.
class CalcFailure : public std::runtime_error {
  public:
    explicit CalcFailure(int message = kMsgWrongEntry)
        : std::runtime_error("calculation failure"), m_message(message) {}
    int message() const { return m_message; }

  private:
    int m_message;
};

} // namespace brisk
