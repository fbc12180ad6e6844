#include "app/core/figure_format.h"

#include "app/core/mask_format.h"
#include "app/core/text_align.h"

#include <cmath>

namespace brisk {

std::string moneyText(std::string_view currencySymbol, double value, std::string_view mask) {
    return std::string(currencySymbol) + Format(value, mask);
}

std::string amountText(double value, std::string_view currencySymbol, std::string_view mask, int width) {
    return RightAlign(moneyText(currencySymbol, value, mask), width, Overflow::KeepWhole);
}

std::string percentText(double value, std::string_view mask, int width) {
    return RightAlign(Format(value, mask), width, Overflow::KeepWhole) + "%";
}

std::string wholeText(double value, std::string_view mask, int width) {
    return RightAlign(Format(value, mask), width, Overflow::KeepWhole);
}

double largestMaskValue(std::string_view mask) {
    const auto point = mask.find('.');
    const std::string_view whole = mask.substr(0, point);
    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view() : mask.substr(point + 1);
    const auto places = [](std::string_view part) {
        int n = 0;
        for (char c : part)
            n += c == '#' || c == '0';
        return n;
    };
    return std::pow(10.0, places(whole)) - std::pow(10.0, -places(decimals));
}

} // namespace brisk
