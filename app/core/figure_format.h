// How the program shows its figures: every display mask, named by what it shows, and the texts of
// money (with the currency symbol), percentages and whole numbers. Masks are read by Format
// (mask_format.h); the number of "#" places also sets how wide an entry box is.
#pragma once

#include <string>
#include <string_view>

namespace brisk {

namespace mask {
// Money. "#" places drop a zero whole part (".50"); "0" places keep it.
inline constexpr char Amount[] = "###,,###.00";      // results and most amount boxes
inline constexpr char WideAmount[] = "####,,###.00"; // to the principal's hundreds of millions
inline constexpr char NarrowAmount[] = "##,,###.00"; // a payment or an additional amount
inline constexpr char ShortAmount[] = "#,,###.00";   // earnings, the finder's gain column
inline constexpr char Total[] = "####,,##0.00";      // totals show their zero (0.00)
inline constexpr char WideTotal[] = "#####,,##0.00"; // the comparisons' totals
inline constexpr char WideFigure[] = "#,,##0.##";    // a chart axis: as many decimals as it has
inline constexpr char WideWhole[] = "#,,##0";        // a chart axis in whole units
// Percentages typed and kept as numbers of percent (7.5 is 7.5%).
inline constexpr char Percent[] = "###.00";
inline constexpr char ShortPercent[] = "##.00";
inline constexpr char InterestRate[] = "###.000";    // a mortgage's rate
inline constexpr char RateWithZero[] = "##0.000";    // a rate below 1 keeps its zero (0.125)
inline constexpr char GrowthRate[] = "#,,###.000";   // the finder's rate column
inline constexpr char GrowthRate4[] = "#,,###.0000"; // and as it prints
// Fractions shown as percentages: the "%" multiplies by 100.
inline constexpr char FractionPercent[] = "###.00%";
inline constexpr char ChangePercent[] = "####.00%";
inline constexpr char WideChangePercent[] = "###,,###.00%";
inline constexpr char GainPercent[] = "#,,###.00%";
inline constexpr char GainPercent4[] = "#,,###.0000%";
// Whole numbers.
inline constexpr char TwoDigits[] = "##";
inline constexpr char Years[] = "###";               // a term, a period, a year number
inline constexpr char Number[] = "####";             // a calendar year, a record number
inline constexpr char GroupedWhole[] = "#,,###";     // a long term
inline constexpr char DaysInYear[] = "###.##";       // 365.25 or 365
inline constexpr char PeriodicRate[] = "0.########"; // a payment's share of the yearly rate
// Plain figures for data (CSV, JSON, the database editor): no grouping, the point always.
inline constexpr char Whole[] = "0";
inline constexpr char Cents[] = "0.00";
inline constexpr char FourPlaces[] = "0.0000";
inline constexpr char PlainRate[] = "0.00##";
inline constexpr char PlainNumber[] = "0.##########";
} // namespace mask

// The currency symbol before the figure in the mask: "$1,234.50".
std::string moneyText(std::string_view currencySymbol, double value, std::string_view mask);
// The same right-aligned in `width` characters (wider figures are kept whole): an entry box's text.
std::string amountText(double value, std::string_view currencySymbol, std::string_view mask, int width);
// The figure with the percent mask right-aligned in `width`, then "%".
std::string percentText(double value, std::string_view mask, int width);
// A whole number with its mask, right-aligned in `width`.
std::string wholeText(double value, std::string_view mask, int width);

// The largest figure a mask shows in full: every digit place before the point a 9 and every
// decimal place a 9 ("##0.00" gives 999.99); what a box must be wide enough to show.
double largestMaskValue(std::string_view mask);

} // namespace brisk
