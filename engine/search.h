#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

// The search list shows this many entries at most.
inline constexpr std::size_t searchListEntries = 20;

// The positions of the first `limit` keys that contain `query` anywhere, in the keys'
// order; none for an empty query. Keys and query come in one letter case already (the
// window folds them where the texts are made), so that a letter of any alphabet
// matches whatever its case. Both are UTF-8, in which a character's bytes never stand
// inside another's: a match is always one of whole characters.
std::vector<std::size_t> FilterSearchList(const std::vector<std::string> &keys,
                                          std::string_view query,
                                          std::size_t limit = searchListEntries);

} // namespace engine
