#pragma once

#include <string>

namespace dbaccess {
struct Database;
}

namespace data {

// The name of ERP company `companyId`, empty when there is no such company or its
// name is NULL.
std::string readCompanyName(dbaccess::Database &database, int companyId);

} // namespace data
