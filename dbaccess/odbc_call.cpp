#include "dbaccess/odbc_call.h"

#include "dbaccess/error.h"
#include "dbaccess/odbc_text.h"

namespace dbaccess::odbc {

SQLHENV environment()
{
    static const SQLHENV env = [] {
        SQLHENV h = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h)))
            throw Error("the ODBC driver manager could not be initialised");
        SQLSetEnvAttr(h, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return h;
    }();
    return env;
}

Diagnostics diagnostics(SQLSMALLINT handleType, SQLHANDLE handle)
{
    std::string message;
    std::string firstState;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLWCHAR text[2048] = {};
        SQLINTEGER nativeError = 0;
        SQLSMALLINT length = 0;
        const SQLRETURN rc = SQLGetDiagRecW(handleType, handle, record, state, &nativeError, text,
                                            SQLSMALLINT(sizeof text / sizeof text[0]), &length);
        if (!SQL_SUCCEEDED(rc))
            break;
        if (record == 1)
            firstState = toUtf8(state, 5);
        if (!message.empty())
            message += "\n";
        std::size_t n = 0;
        while (n < sizeof text / sizeof text[0] && text[n] != 0)
            ++n;
        message += toUtf8(text, n);
    }
    return {message, firstState};
}

void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const std::string &what)
{
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA)
        return;
    const Diagnostics detail = diagnostics(handleType, handle);
    throw Error(detail.message.empty() ? what : what + ": " + detail.message, detail.sqlState);
}

Statement::Statement(SQLHDBC dbc)
{
    check(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &m_stmt), SQL_HANDLE_DBC, dbc,
          "could not prepare a database statement");
}

Statement::~Statement()
{
    if (m_stmt != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, m_stmt);
}

} // namespace dbaccess::odbc
