// How a calculation reports that it cannot go on: the numbered message the user is shown.
#pragma once

#include "app/core/messages.h"

#include <stdexcept>

namespace brisk {

// Thrown deep inside a calculation (an overflowing conversion, say) and caught at the calculation's
// boundary, which returns the message as a value; it never crosses into the UI.
class CalcFailure : public std::runtime_error {
  public:
    explicit CalcFailure(Msg message = Msg::WrongEntry)
        : std::runtime_error("calculation failure"), m_message(message) {}
    Msg message() const { return m_message; }

  private:
    Msg m_message;
};

} // namespace brisk
