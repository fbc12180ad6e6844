#include "valuedb/core/trend_pages.h"

#include <algorithm>

namespace brisk {

TrendPage firstTrendPage(int records) {
    return {1, std::min(records, kTrendPageSize)};
}

TrendPage olderPage(const TrendPage& page, int records) {
    if (page.last >= records) return page;
    return {page.last + 1, std::min(page.last + kTrendPageSize, records)};
}

TrendPage newerPage(const TrendPage& page) {
    if (page.first <= 1) return page;
    const int first = std::max(page.first - kTrendPageSize, 1);
    return {first, first + kTrendPageSize - 1};
}

ChartData trendChart(const ValueDatabase& db, const TrendPage& page, bool threeD, bool colour) {
    ChartData c;
    c.title = db.DbTitle;
    c.type = threeD ? ChartType::Bar3D : ChartType::Bar2D;
    c.colour = colour;
    for (int i = page.first; i <= page.last && i <= db.RecordCount(); ++i) {
        c.values.push_back(db.records[i - 1].value);
        c.labels.push_back(FormatDate(db.records[i - 1].date, "d-m-yy"));
    }
    while (static_cast<int>(c.values.size()) < page.points()) {
        c.values.push_back(0);
        c.labels.push_back("");
    }
    return c;
}

} // namespace brisk
