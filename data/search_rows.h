#pragma once

#include "dbaccess/date.h"

#include <cstdint>
#include <optional>
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

// One entry per line with a live job of the company, in order-name order (lines of one
// order by id), however many there are. The text is
// the order name, a blank and the first 35 characters of the line description,
// followed by a blank and the customer name when there is one.
std::vector<SearchEntry> readSearchEntries(dbaccess::RecordSet &rs, int companyId);

// Where a search jump lands: the line's live job at the lowest work-centre slot (the
// earliest of them there).
struct JumpTarget
{
    int slot = 0;
    dbaccess::Date start;
};

// Nothing when the line has no live job.
std::optional<JumpTarget> readJumpTarget(dbaccess::RecordSet &rs, std::int64_t lineId);

// The first `count` characters of a UTF-8 text (characters, not bytes).
std::string firstCharacters(const std::string &text, std::size_t count);

} // namespace data
