// The trend graph's pages: 26 records a page, newest page first, and what Back and Forward show.
#pragma once

#include "charts/core/chart_data.h"
#include "valuedb/core/value_database.h"

namespace brisk {

inline constexpr int kTrendPageSize = 26;

struct TrendPage {
    int first = 1; // record numbers, 1 the newest
    int last = 0;
    int points() const { return std::max(last - first + 1, 2); } // a single record is drawn as two points
    bool operator==(const TrendPage&) const = default;
};

TrendPage firstTrendPage(int records);
// The older page after `page`, or `page` itself when it already reaches the oldest record.
TrendPage olderPage(const TrendPage& page, int records);
// The newer page before `page`, or `page` itself at the newest record.
TrendPage newerPage(const TrendPage& page);
// The page's chart: the database title, the values, and the dates as "d-m-yy".
ChartData trendChart(const ValueDatabase& db, const TrendPage& page, bool threeD, bool colour);

} // namespace brisk
