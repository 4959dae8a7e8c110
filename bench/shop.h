#pragma once

#include "dbaccess/date.h"
#include "tests/support/test_database.h"

#include <string>

namespace bench {

// The shape of a shop as it looks after some years of use. Jobs are never deleted:
// a line of the past has its three jobs either removed or completed and left live;
// its quantity is invoiced, so it is no open line any more.
struct ShopShape
{
    int removedHistoryLines = 0;   // past lines whose three jobs were all removed
    int completedHistoryLines = 0; // past lines whose three jobs stay live, completed
    int openLines = 0;             // lines still to invoice, five to an order
    bool openLinesPlanned = false; // three jobs each, mostly scheduled, some done
};

// 10,000 open lines, none planned, and no history: the first planning run of a shop.
inline constexpr ShopShape newShop{0, 0, 10'000, false};
// Two years on: 10,000 open lines planned, about 100,000 live jobs (completed ones
// included) and 340,000 removed ones.
inline constexpr ShopShape twoYearShop{113'334, 23'333, 10'000, true};

inline constexpr int shopWorkCentres = 20;
inline constexpr int shopProducts = 200;

// Fills a fresh database: company 1, 500 customers, 200 products, 20 work centres,
// 12 three-step route types (one per product), the orders and lines of `shape` with
// their jobs, then the schedule indexes the program creates at start-up and fresh
// planner statistics. Past orders spread over two years before `today`; open orders
// were taken in the last weeks and are due from ten days ago to seven weeks ahead.
void buildShop(testsupport::FreshDatabase &fresh, const ShopShape &shape, dbaccess::Date today);

// The shape as a short text for the report, e.g. "10,000 open lines planned, 100,000
// live and 340,000 removed jobs".
std::string describe(const ShopShape &shape);

// Numbers with thousands separators: 340000 → "340,000".
std::string grouped(long long number);

} // namespace bench
