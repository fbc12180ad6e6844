// Mortgage and loan files: refused, or inputs that calculate without a crash and save back the same.
#include "mortgage/core/mortgage_file.h"
#include "mortgage/core/schedule.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const brisk::ShortDateForm form;
    for (brisk::MortgageKind mode : {brisk::MortgageKind::Mortgage, brisk::MortgageKind::Loan}) {
        const auto in = brisk::parseMortgageFile(bytes, mode, form);
        if (!in) continue;
        const std::string saved = brisk::mortgageFileBytes(*in.value, form);
        const auto again = brisk::parseMortgageFile(saved, mode, form);
        if (!again || brisk::mortgageFileBytes(*again.value, form) != saved) std::abort();
        brisk::calculateSchedule(*in.value);
    }
    return 0;
}
