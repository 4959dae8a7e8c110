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
    void close();

    // The connection handle (SQLHDBC) for the record sets of this layer.
    void *handle() const;

private:
    void *m_dbc = nullptr;
};

} // namespace dbaccess
