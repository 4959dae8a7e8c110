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

private:
    void *m_dbc = nullptr;
};

} // namespace dbaccess
