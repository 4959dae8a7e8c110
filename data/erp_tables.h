#pragma once

#include <string>
#include <vector>

namespace dbaccess {
class RecordSet;
}

namespace data::erp {

// The ERP tables the program reads, as the database finds them by its search path.
const std::vector<std::string> &tablesRead();

// Which of those the connected database lacks, in the order above: all of them for a
// database that is not an Odoo one.
std::vector<std::string> missingTables(dbaccess::RecordSet &rs);

} // namespace data::erp
