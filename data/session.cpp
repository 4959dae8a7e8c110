#include "data/session.h"

#include "data/each_row.h"
#include "data/erp_queries.h"
#include "dbaccess/startup.h"

namespace data {

std::string readCompanyName(dbaccess::Database &database, int companyId)
{
    std::string name;
    bool first = true;
    eachRow(database.rsMain, erp::companyName(companyId), [&] {
        if (first)
            name = database.rsMain.field(0).toText();
        first = false;
    });
    return name;
}

} // namespace data
