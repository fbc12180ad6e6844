// A value database file, if accepted, through all the program does with it.
#include "database_path.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace brisk;
    const auto loaded = parseZrk(std::string_view(reinterpret_cast<const char*>(data), size));
    if (loaded) fuzzing::checkDatabasePath(*loaded.value);
    return 0;
}
