#pragma once

// Text conversions between the program's UTF-8 and the driver's wide characters.
// Internal to the database layer.

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>

namespace dbaccess::odbc {

std::basic_string<SQLWCHAR> toWide(std::string_view utf8);
std::string toUtf8(const SQLWCHAR *text, std::size_t length);

} // namespace dbaccess::odbc
