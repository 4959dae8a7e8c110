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
    explicit Error(const std::string &message) : std::runtime_error(message) {}
};

} // namespace dbaccess
