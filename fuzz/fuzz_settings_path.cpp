// The personal settings, if accepted, through the printout they head: the user's name as the header
// and the currency symbol in every figure, in the font they choose.
#include "app/core/personal_settings.h"
#include "mortgage/core/mortgage_printout.h"
#include "mortgage/core/schedule.h"
#include "path_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace brisk;
    const auto settings = parsePersonalSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!settings) return 0;
    static const MortgageInputs in = MortgageInputs::defaults(MortgageKind::Loan);
    static const Schedule schedule = *calculateSchedule(in).value;
    const Printout printout = mortgagePrintout(
        in, schedule, {settings->UserName, settings->CurrencySymbol, settings->PrinterFontChoice, {}});
    fuzzing::checkPrintout(printout, {settings->UserName, settings->CurrencySymbol});
    // The header and the symbol never change the paging: a header is one line, whatever it holds.
    static const auto pagesOf = [](int font) {
        return mortgagePrintout(in, schedule, {"", "$", font, {}}).pages().size();
    };
    static const std::size_t pages[4] = {pagesOf(0), pagesOf(1), pagesOf(2), pagesOf(3)};
    if (printout.pages().size() != pages[printout.fontChoice()]) std::abort();
    return 0;
}
