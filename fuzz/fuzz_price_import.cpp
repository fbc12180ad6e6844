// A price file, if the import accepts it, merged into a database of a few weeks and then through
// all the program does with a database; the import's own promises are checked on the way.
#include "database_path.h"
#include "valuedb/core/price_import.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace brisk;
    using namespace std::chrono;
    ValueDatabase db;
    db.DbTitle = "Held";
    for (int i = 0; i < 5; ++i)
        db.records.push_back({i + 1, addDays(Date{year(2024), month(1), day(5)}, -7 * i), 10.0 + i});
    PriceImportOptions options;
    options.dateForm = shortDateFormFromPattern("dd.MM.yyyy");
    const auto imported =
        importPrices(db, std::string_view(reinterpret_cast<const char*>(data), size), options);
    if (!imported) return 0;
    const PriceImport& result = *imported;
    const int weeks = result.counts.added + result.counts.replaced;
    if (weeks < 1 || result.db.RecordCount() > kMaxRecords || result.db.DbTitle != "Held" ||
        result.db.RecordCount() != 5 + result.counts.added - result.counts.leftOut)
        std::abort();
    for (int i = 0; i < result.db.RecordCount(); ++i) {
        const ValueRecord& r = result.db.records[i];
        if (r.number != i + 1 || !(r.value > 0) || (i > 0 && result.db.records[i - 1].date < r.date))
            std::abort();
    }
    fuzzing::checkDatabasePath(result.db);
    return 0;
}
