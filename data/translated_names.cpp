#include "data/translated_names.h"

namespace data {

std::string translatedName(const std::string &column)
{
    return "(case jsonb_typeof(" + column + ") when 'object' then coalesce(" + column +
           "->>cast(? as text)," + column +
           "->>'en_US',(select e.value from jsonb_each_text(" + column +
           ") with ordinality as e(key,value,n) order by e.n limit 1)) when 'string' then " +
           column + "#>>array[]::text[] end)";
}

} // namespace data
