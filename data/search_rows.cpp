#include "data/search_rows.h"

#include "data/each_row.h"
#include "data/erp_queries.h"
#include "data/jobs.h"
#include "dbaccess/record_set.h"

namespace data {

std::string firstCharacters(const std::string &text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

std::vector<SearchEntry> readSearchEntries(dbaccess::RecordSet &rs, int companyId)
{
    std::vector<SearchEntry> entries;
    eachRow(rs, erp::searchList(companyId), [&] {
        SearchEntry entry;
        entry.text = rs.field(0).toText() + " " + firstCharacters(rs.field(1).toText(), 35);
        if (!rs.field(2).isNull())
            entry.text += " " + rs.field(2).toText();
        entry.lineId = rs.field(3).toInt();
        entries.push_back(std::move(entry));
    });
    return entries;
}

std::optional<JumpTarget> readJumpTarget(dbaccess::RecordSet &rs, std::int64_t lineId)
{
    std::optional<JumpTarget> target;
    eachRow(rs, jobs::firstLiveJobOfLine(lineId), [&] {
        if (!target)
            target = JumpTarget{int(rs.field("workcenterid").toInt()), rs.field("startdate").toDate()};
    });
    return target;
}

} // namespace data
