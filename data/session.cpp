#include "data/session.h"

#include "data/erp_queries.h"
#include "dbaccess/startup.h"

namespace data {

std::string readCompanyName(dbaccess::Database &database, int companyId)
{
    auto &rs = database.rsMain;
    rs.open(erp::companyName(companyId));
    std::string name;
    if (rs.recordCount() >= 1)
        name = rs.field(0).toText();
    rs.close();
    return name;
}

} // namespace data
