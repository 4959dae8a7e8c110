#pragma once

#include <optional>
#include <string>

namespace dbaccess {
struct Database;
class RecordSet;
} // namespace dbaccess

namespace data {

// The name of ERP company `companyId`, read in `rs`: nothing when there is no such
// company, empty text when its name is NULL.
std::optional<std::string> findCompanyName(dbaccess::RecordSet &rs, int companyId);

// The name of ERP company `companyId`, empty when there is no such company or its
// name is NULL.
std::string readCompanyName(dbaccess::Database &database, int companyId);

} // namespace data
