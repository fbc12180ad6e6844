#include "app/core/entry_format.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

namespace brisk {

std::string amountText(double value, std::string_view currencySymbol, std::string_view mask, int width) {
    return RightAlign(std::string(currencySymbol) + Format(value, mask), width, Overflow::KeepWhole);
}

std::string percentText(double value, std::string_view mask, int width) {
    return RightAlign(Format(value, mask), width, Overflow::KeepWhole) + "%";
}

std::string wholeText(double value, std::string_view mask, int width) {
    return RightAlign(Format(value, mask), width, Overflow::KeepWhole);
}

} // namespace brisk
