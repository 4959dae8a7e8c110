#pragma once

#include <memory>
#include <string>

namespace dbaccess {

// The program's one ODBC connection. Every statement commits on its own.
class Connection final
{
public:
    Connection();
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Throws dbaccess::Error with the driver's message when the connection fails.
    void open(const std::string &connectionString);
    bool isOpen() const;
    // True when the driver knows the connection to the server is gone (the server
    // restarted, or the session was ended), or nothing is open.
    bool isDead() const;
    void close();

    static constexpr long loginTimeoutSeconds = 10;

    // The connection handle (SQLHDBC) for the record sets of this layer.
    void *handle() const;

    // True between the start and the end of a Transaction on this connection.
    bool inTransaction() const { return m_inTransaction; }

private:
    friend class Transaction;
    void *m_dbc = nullptr;
    bool m_inTransaction = false;
};

// Statements sent on the connection while it lives form one transaction: all of them
// count once `commit` succeeded, none of them when it goes away without (an error, a
// lost connection). Afterwards every statement commits on its own again.
class Transaction final
{
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    // Throws dbaccess::Error when the database could not commit.
    void commit();

private:
    void end(bool keep);

    Connection &m_connection;
    bool m_open = true;
};

} // namespace dbaccess
