#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace dbaccess {
class RecordSet;
}

namespace data {

// An entry of the order search: the text searched in and the line it leads to.
struct SearchEntry
{
    std::string text;
    std::int64_t lineId = 0;
};

// One entry per line with a live job of the company, in order-name order. The text is
// the order name, a blank and the first 35 characters of the line description,
// followed by a blank and the customer name when there is one.
std::vector<SearchEntry> readSearchEntries(dbaccess::RecordSet &rs, int companyId);

// The first `count` characters of a UTF-8 text (characters, not bytes).
std::string firstCharacters(const std::string &text, std::size_t count);

} // namespace data
