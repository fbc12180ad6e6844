// Value database files: any bytes either load as a whole database or are refused.
#include "valuedb/core/value_database.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const auto db = brisk::parseZrk(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!db) return 0;
    // What loads, saves and loads back the same.
    const std::string bytes = brisk::zrkBytes(*db.value);
    const auto again = brisk::parseZrk(bytes);
    if (!again || brisk::zrkBytes(*again.value) != bytes) std::abort();
    return 0;
}
