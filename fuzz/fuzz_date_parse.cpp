// Date parsing in the short date forms: a date read is valid and its text reads back as itself; a
// file's date reads in its writer's form first.
#include "app/core/dates.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const char* pattern : {"M/d/yy", "dd.MM.yyyy", "yyyy-MM-dd"}) {
        const brisk::ShortDateForm form = brisk::shortDateFormFromPattern(pattern);
        const auto date = brisk::parseDate(text, form);
        if (!date) continue;
        if (!date->ok()) std::abort();
        if (brisk::parseDate(brisk::shortDateText(*date, form), form) != date) std::abort();
        // A file's date reads in its writer's form first: the same date.
        if (brisk::parseFileDate(text, form) != date) std::abort();
        brisk::FormatDate(*date, "d-m-yy mmmm");
        brisk::addMonths(*date, 13);
    }
    // Read without its writer's form, a date is one that some order of its parts gives.
    if (const auto date = brisk::parseFileDate(text, {}); date && !date->ok()) std::abort();
    if (const auto iso = brisk::parseIsoDate(text); iso && brisk::isoDateText(*iso) != text) std::abort();
    return 0;
}
