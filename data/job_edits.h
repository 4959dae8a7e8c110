#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
class RecordSet;
}

namespace data {

// A live job of the selected line at a loaded work centre.
struct RouteStop
{
    int slot = 0;
    dbaccess::Date start;
};

// The live jobs of a line at the loaded work centres, in work-centre order.
std::vector<RouteStop> readLineRoute(dbaccess::RecordSet &rs, std::int64_t lineId,
                                     int loadedWorkCentres);

// Writes a job's run hours and/or comment through the updatable set, each changed
// field with its own row write, typed text only as a bound value. False when the job
// no longer exists; then nothing is written.
bool saveJobEdits(dbaccess::RecordSet &rsEdit, std::int64_t jobId,
                  const std::optional<dbaccess::Decimal> &runHours,
                  const std::optional<std::string> &comment);

} // namespace data
