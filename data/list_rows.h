#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

namespace dbaccess {
class RecordSet;
}

namespace data {

// One row of the order-line or work-centre queue queries of the job list.
struct OrderLineRow
{
    std::int64_t lineId = 0;
    std::int64_t productId = 0;
    dbaccess::Decimal quantity;
    std::string lineName;
    std::string orderName;
    std::string customerName;
    std::optional<dbaccess::Date> commitmentDate; // by its date; time of day dropped
    std::optional<dbaccess::Date> orderDate;

    // Work-centre queue only.
    std::int64_t jobId = 0;
    int status = 0;
    std::optional<dbaccess::Decimal> runHours;
    std::optional<std::string> comment;
    std::optional<dbaccess::Date> startDate;
};

// A live job of one work centre: when it starts and how long it runs.
struct BookedJob
{
    dbaccess::Date start;
    dbaccess::Decimal runHours;
};

// Live hours of the shown work centre in one slot of the strip.
struct SlotHours
{
    int slot = 0;
    dbaccess::Decimal hours;
};

using LineIdSet = std::unordered_set<std::int64_t>;

// Each reader opens the set on the query, reads every row and closes it again.
std::vector<OrderLineRow> readOrderLines(dbaccess::RecordSet &rs, const std::string &sql,
                                         bool withJobs);
std::vector<BookedJob> readBookedJobs(dbaccess::RecordSet &rs, const std::string &sql);
std::vector<SlotHours> readSlotHours(dbaccess::RecordSet &rs, const std::string &sql);
// The lowest id of the company's open lines, nothing when it has none.
std::optional<std::int64_t> readFirstOpenLine(dbaccess::RecordSet &rs, int companyId);

} // namespace data
