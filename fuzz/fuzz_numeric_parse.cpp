// The leading-number parse and the entry parse, with the masks the boxes show their values with.
#include "app/core/currency.h"
#include "app/core/mask_format.h"
#include "app/core/numeric_parse.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = brisk::Val(text);
    brisk::parseEntryText(text, "$");
    brisk::parseEntryText(text, text.substr(0, std::min<std::size_t>(size, 3)));
    if (!std::isfinite(value)) return 0;
    // A value the box stores shows, and reads back as the same figure to the cent.
    const auto stored = brisk::Currency::fromDouble(value);
    if (!stored) return 0;
    const std::string shown = brisk::Format(stored->toDouble(), "####,,###.00");
    const double back = brisk::parseEntryText(shown, "$");
    if (std::fabs(back - stored->toDouble()) > 0.005 + std::fabs(stored->toDouble()) * 1e-12) std::abort();
    brisk::Format(value, std::string(text.substr(0, std::min<std::size_t>(size, 16))));
    return 0;
}
