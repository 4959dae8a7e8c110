// Filtering the search entries by what is typed: a plain substring test on keys that
// come in one letter case, the first twenty in the entries' order.
#include "engine/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> keys{
    "s00012 casement window müller & søn",
    "s00120 sash window żabka",
    "s00007 spare glass for s00012",
    "s00008 door zabka ltd",
    "s00009 παράθυρο ελλάς",
};

struct FilterCase
{
    const char *name;
    std::string query;
    std::vector<std::size_t> found;
};

void PrintTo(const FilterCase &c, std::ostream *os) { *os << c.name; }

class Filter : public testing::TestWithParam<FilterCase>
{
};

TEST_P(Filter, FindsTheEntriesHoldingTheQueryInTheirOrder)
{
    EXPECT_EQ(engine::FilterSearchList(keys, GetParam().query), GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Search, Filter,
    testing::Values(
        FilterCase{"OrderNumberAnywhereInTheText", "s00012", {0, 2}},
        FilterCase{"PartOfAnOrderNumber", "s0012", {1}},
        FilterCase{"DescriptionInTheMiddle", "sash", {1}},
        FilterCase{"CustomerAtTheEnd", "müller & søn", {0}},
        FilterCase{"AccentedLetterIsNotItsPlainLetter", "zabka", {3}},
        FilterCase{"AccentedLetterFindsItself", "żabka", {1}},
        FilterCase{"GreekLetters", "ελλάς", {4}},
        FilterCase{"NothingMatches", "s00013", {}},
        FilterCase{"EmptyQueryFindsNothing", "", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Search, ShowsTheFirstTwentyMatchesInOrder)
{
    std::vector<std::string> many;
    for (int i = 0; i < 30; ++i)
        many.push_back(i % 3 == 0 ? "other " + std::to_string(i) : "s0 line " + std::to_string(i));
    const auto found = engine::FilterSearchList(many, "s0");
    ASSERT_EQ(found.size(), 20u);
    EXPECT_EQ(found.front(), 1u);
    EXPECT_EQ(found[1], 2u);
    EXPECT_EQ(found[2], 4u);
    EXPECT_EQ(found.back(), 29u); // the 20 of 30 entries that are not every third
    EXPECT_EQ(engine::FilterSearchList(many, "s0", 3), (std::vector<std::size_t>{1, 2, 4}));
}

} // namespace
