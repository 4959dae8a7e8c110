#pragma once

#include "dbaccess/record_set.h"

#include <string>
#include <vector>

namespace data {

// Opens a set and closes it again however the work on it ends, so that an error
// half-way leaves the shared set free for the next event.
class OpenResult final
{
public:
    OpenResult(dbaccess::RecordSet &rs, const std::string &sql,
               const std::vector<dbaccess::Value> &parameters = {})
        : m_rs(rs)
    {
        m_rs.open(sql, parameters);
    }
    ~OpenResult() { m_rs.close(); }
    OpenResult(const OpenResult &) = delete;
    OpenResult &operator=(const OpenResult &) = delete;
    dbaccess::RecordSet *operator->() { return &m_rs; }

private:
    dbaccess::RecordSet &m_rs;
};

// Opens `sql` in `rs`, hands every row to `read` and closes the set again, also when
// reading fails, so that the shared set is free for the next event.
// `parameters` are bound to the query's "?" marks.
template <typename Read>
void eachRow(dbaccess::RecordSet &rs, const std::string &sql,
             const std::vector<dbaccess::Value> &parameters, Read read)
{
    OpenResult open(rs, sql, parameters);
    if (rs.recordCount() > 0)
        for (rs.moveFirst(); !rs.eof(); rs.moveNext())
            read();
}

template <typename Read> void eachRow(dbaccess::RecordSet &rs, const std::string &sql, Read read)
{
    eachRow(rs, sql, {}, read);
}

} // namespace data
