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
// run need not read every line the shop ever sold. The program never creates it: it
// does not change the ERP's tables. A database administrator may (see the README), and
// the reads use it where it exists.
std::string openLineIndex();
// The schedule indexes, each only when missing.
void ensureScheduleIndexes(dbaccess::Database &database);

} // namespace data
