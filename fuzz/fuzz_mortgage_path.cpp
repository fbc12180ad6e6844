// A mortgage or loan file, if accepted, through all the program does with it: the schedule, its
// printout in every font, the saved file, and the chart.
#include "mortgage/core/mortgage_chart.h"
#include "mortgage/core/mortgage_file.h"
#include "mortgage/core/mortgage_printout.h"
#include "mortgage/core/schedule.h"
#include "path_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace brisk;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ShortDateForm form;
    for (MortgageKind mode : {MortgageKind::Mortgage, MortgageKind::Loan}) {
        const auto in = parseMortgageFile(bytes, mode, form);
        if (!in) continue;
        const auto schedule = calculateSchedule(*in.value);
        if (!schedule) continue;
        // What calculates saves, and what is saved loads.
        if (!parseMortgageFile(mortgageFileBytes(*in.value, form), mode, form)) std::abort();
        for (int font = 0; font <= 3; ++font)
            fuzzing::checkPrintout(mortgagePrintout(*in.value, *schedule.value, {"Header", "$", font, form}));
        if (const auto chart = mortgageChart(*in.value, *schedule.value)) fuzzing::checkHandover(*chart);
    }
    return 0;
}
