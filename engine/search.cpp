#include "engine/search.h"

namespace engine {

std::vector<std::size_t> FilterSearchList(const std::vector<std::string> &keys,
                                          std::string_view query, std::size_t limit)
{
    std::vector<std::size_t> found;
    if (query.empty())
        return found;
    for (std::size_t k = 0; k < keys.size() && found.size() < limit; ++k)
        if (std::string_view(keys[k]).find(query) != std::string_view::npos)
            found.push_back(k);
    return found;
}

} // namespace engine
