#include "data/session.h"

#include "data/each_row.h"
#include "data/erp_queries.h"
#include "dbaccess/startup.h"

namespace data {

std::optional<std::string> findCompanyName(dbaccess::RecordSet &rs, int companyId)
{
    std::optional<std::string> name;
    eachRow(rs, erp::companyName(companyId), [&] {
        if (!name)
            name = rs.field(0).toText();
    });
    return name;
}

std::string readCompanyName(dbaccess::Database &database, int companyId)
{
    return findCompanyName(database.rsMain, companyId).value_or(std::string());
}

} // namespace data
