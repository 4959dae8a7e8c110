#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dbaccess {
struct Database;
class RecordSet;
} // namespace dbaccess

namespace data {

// The program's own planning tables and the demonstration plant they start with.
std::string createWorkCentreTable();
std::string createRouteTable();
std::string createProductRouteTable();
std::string createScheduleTable();
const std::vector<std::string> &workCentreSeedRows();
const std::vector<std::string> &routeSeedRows();

// True when the catalogue lists a table named exactly "brontalo_workcenter"
// (letter case counts, any schema). Walks the open catalogue set from its first row.
bool catalogueHasWorkCentreTable(dbaccess::RecordSet &catalogue);

// Looks for the work-centre table; when it is missing, creates the four tables and
// seeds the work centres and route types, each statement on its own. Returns true
// when it created them. A failing statement throws and leaves what was sent before.
bool EnsureOwnTables(dbaccess::Database &database);

// Indexes that keep the job list, the strip and the planning run fast on a large
// schedule table. They are created beside the table definitions, never inside them,
// and only when missing.
const std::vector<std::string> &scheduleIndexes();
// A partial index on the ERP's sale_order_line holding only the open lines (confirmed,
// quantity left to invoice), so that the pending and dispatch views and the planning
// run need not read every line the shop ever sold. It adds no rows and changes none.
std::string openLineIndex();
// Asks whether the open-line index is missing and the program's database user may
// create it (owns the ERP table, as the ERP's own user does); one row when both hold.
std::string openLineIndexToCreate();
// The schedule indexes, then the open-line index where it is missing and allowed: a
// user who does not own the ERP's tables works without it, only slower.
void ensureScheduleIndexes(dbaccess::Database &database);

} // namespace data
