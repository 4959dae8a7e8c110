#include "dbaccess/connection.h"

#include "dbaccess/error.h"
#include "dbaccess/odbc_call.h"
#include "dbaccess/odbc_text.h"

namespace dbaccess {

Connection::Connection() = default;

Connection::~Connection() { close(); }

void Connection::open(const std::string &connectionString)
{
    close();
    SQLHDBC dbc = SQL_NULL_HDBC;
    const SQLHENV env = odbc::environment();
    odbc::check(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc), SQL_HANDLE_ENV, env,
                "could not prepare a database connection");
    // A server that does not answer fails the connection after a while instead of
    // holding the window for the system's own time-out.
    SQLSetConnectAttrW(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(loginTimeoutSeconds),
                       0);
    auto wide = odbc::toWide(connectionString);
    const SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, wide.data(), SQLSMALLINT(wide.size()),
                                           nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        const odbc::Diagnostics detail = odbc::diagnostics(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        throw Error(detail.message.empty() ? "the database connection could not be opened"
                                           : detail.message,
                    detail.sqlState);
    }
    m_dbc = dbc;
    // Every statement of the program is short and waited for by the user: parallel
    // workers cost more to start than they save on them, on a server the ERP's own
    // users share, so the session plans without them.
    try {
        odbc::Statement stmt(dbc);
        auto setting = odbc::toWide("SET max_parallel_workers_per_gather=0");
        odbc::check(SQLExecDirectW(stmt.get(), setting.data(), SQLINTEGER(setting.size())),
                    SQL_HANDLE_STMT, stmt.get(), "could not set up the database session");
    } catch (...) {
        close();
        throw;
    }
}

bool Connection::isDead() const
{
    if (!m_dbc)
        return true;
    SQLUINTEGER dead = SQL_CD_FALSE;
    const SQLRETURN rc = SQLGetConnectAttrW(m_dbc, SQL_ATTR_CONNECTION_DEAD, &dead, 0, nullptr);
    return SQL_SUCCEEDED(rc) && dead == SQL_CD_TRUE;
}

bool Connection::isOpen() const { return m_dbc != nullptr; }

void Connection::close()
{
    if (!m_dbc)
        return;
    SQLDisconnect(m_dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, m_dbc);
    m_dbc = nullptr;
}

void *Connection::handle() const
{
    if (!m_dbc)
        throw Error("the database connection is not open");
    return m_dbc;
}

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    const auto dbc = static_cast<SQLHDBC>(connection.handle());
    odbc::check(SQLSetConnectAttrW(dbc, SQL_ATTR_AUTOCOMMIT,
                                   reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                SQL_HANDLE_DBC, dbc, "could not start a transaction");
    connection.m_inTransaction = true;
}

Transaction::~Transaction()
{
    if (m_open)
        end(false);
}

void Transaction::commit() { end(true); }

void Transaction::end(bool keep)
{
    m_open = false;
    m_connection.m_inTransaction = false;
    if (!m_connection.isOpen())
        return;
    const auto dbc = static_cast<SQLHDBC>(m_connection.handle());
    const SQLRETURN ended = SQLEndTran(SQL_HANDLE_DBC, dbc, keep ? SQL_COMMIT : SQL_ROLLBACK);
    odbc::Diagnostics failure;
    if (!SQL_SUCCEEDED(ended))
        failure = odbc::diagnostics(SQL_HANDLE_DBC, dbc);
    // Back to one transaction per statement, whatever the end gave.
    SQLSetConnectAttrW(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    if (keep && !SQL_SUCCEEDED(ended))
        throw Error("the transaction could not be committed: " + failure.message,
                    failure.sqlState);
}

} // namespace dbaccess
