#pragma once

#include <stdexcept>
#include <string>

namespace dbaccess {

// A failed database operation or value conversion. The message is the database
// layer's own text (ODBC diagnostics, or what could not be converted), shown to
// the user as it stands.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string &message, std::string sqlState = {})
        : std::runtime_error(message), m_sqlState(std::move(sqlState))
    {
    }

    // The five-character state of the first diagnostic record, when there was one.
    const std::string &sqlState() const { return m_sqlState; }
    // The connection to the server is gone: a communication failure (state class 08)
    // or the server ending the session (57P01 to 57P03: shut down, restarted, ended by
    // an administrator).
    bool connectionLost() const
    {
        return m_sqlState.rfind("08", 0) == 0 || m_sqlState == "57P01" ||
               m_sqlState == "57P02" || m_sqlState == "57P03";
    }

private:
    std::string m_sqlState;
};

} // namespace dbaccess
