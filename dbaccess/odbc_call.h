#pragma once

// Small helpers around ODBC calls, internal to the database layer.

#include <sql.h>
#include <sqlext.h>

#include <string>

namespace dbaccess::odbc {

// The process-wide environment handle, made on first use.
SQLHENV environment();

// The diagnostic records of a handle, joined into one message, and the state of the
// first of them.
struct Diagnostics
{
    std::string message;
    std::string sqlState;
};
Diagnostics diagnostics(SQLSMALLINT handleType, SQLHANDLE handle);

// Throws dbaccess::Error with `what` and the handle's diagnostics unless `rc` succeeded.
void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const std::string &what);

// A statement handle that is freed when it goes out of scope.
class Statement final
{
public:
    explicit Statement(SQLHDBC dbc);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    SQLHSTMT get() const { return m_stmt; }

private:
    SQLHSTMT m_stmt = SQL_NULL_HSTMT;
};

} // namespace dbaccess::odbc
