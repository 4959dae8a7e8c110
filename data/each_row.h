#pragma once

#include "dbaccess/record_set.h"

#include <string>

namespace data {

// Opens `sql` in `rs`, hands every row to `read` and closes the set again, also when
// reading fails, so that the shared set is free for the next event.
template <typename Read>
void eachRow(dbaccess::RecordSet &rs, const std::string &sql, Read read)
{
    rs.open(sql);
    try {
        if (rs.recordCount() > 0)
            for (rs.moveFirst(); !rs.eof(); rs.moveNext())
                read();
    } catch (...) {
        rs.close();
        throw;
    }
    rs.close();
}

} // namespace data
