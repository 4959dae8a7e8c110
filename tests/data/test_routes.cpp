// Route types in the database: assigning one to a product, creating one and changing
// one, through the program's updatable record set.
#include "data/own_tables.h"
#include "data/routes.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

using data::routes::Step;
using dbaccess::Decimal;
using testsupport::DatabaseTest;

namespace {

Decimal dec(const char *text)
{
    return *Decimal::parse(text);
}

class RoutesTest : public DatabaseTest
{
protected:
    void SetUp() override { data::EnsureOwnTables(db()); }

    // The steps of a route as "slot/rate/minimum" for steps 1 … 10, NULL as "-".
    std::string stepsOf(std::int64_t id)
    {
        std::string columns;
        for (int k = 1; k <= 10; ++k)
            columns += std::string(columns.empty() ? "" : ",") + "concat_ws('/',coalesce(step" +
                       std::to_string(k) + "::text,'-'),coalesce(runrate" + std::to_string(k) +
                       "::text,'-'),coalesce(minhours" + std::to_string(k) + "::text,'-'))";
        return scalar("select concat_ws(' '," + columns +
                      ") from brontalo_route where id=" + std::to_string(id));
    }
    std::string pairs()
    {
        return scalar("select string_agg(product_id||':'||routeid, ' ' order by id) from "
                      "brontalo_productroute");
    }
};

const std::string noSteps = "-/-/-";

TEST_F(RoutesTest, AssignAddsAPairOnceAndKeepsTheProductsOtherRouteTypes)
{
    EXPECT_TRUE(data::routes::assignProductRoute(db().rsEdit, 7, 1));
    EXPECT_FALSE(data::routes::assignProductRoute(db().rsEdit, 7, 1));
    EXPECT_TRUE(data::routes::assignProductRoute(db().rsEdit, 7, 2));
    EXPECT_EQ(pairs(), "7:1 7:2");
    EXPECT_FALSE(db().rsEdit.isOpen());
}

TEST_F(RoutesTest, CreateStoresTheStepsInRouteOrderAndTheNameAsTyped)
{
    const std::string name = "O'Brien's \"frame\"; drop table brontalo_route; --";
    const auto id = data::routes::createRoute(
        db().rsEdit, 4, name, {{5, dec("40"), dec("0")}, {2, dec("12.5"), dec("2")}});
    EXPECT_EQ(scalar("select max(id) from brontalo_route"), std::to_string(id));
    EXPECT_EQ(scalar("select name from brontalo_route where id=" + std::to_string(id)), name);
    EXPECT_EQ(
        scalar("select sequence||':'||active from brontalo_route where id=" + std::to_string(id)),
        "4:true");
    std::string expected = "5/40.000/0.000 2/12.500/2.000";
    for (int k = 3; k <= 10; ++k)
        expected += " " + noSteps;
    EXPECT_EQ(stepsOf(id), expected);
    EXPECT_FALSE(db().rsEdit.isOpen());
}

TEST_F(RoutesTest, ApplyThatShortensARouteEmptiesTheStepsAfterItsNewEnd)
{
    const auto id = data::routes::createRoute(db().rsEdit, 4, "Long",
                                              {{1, dec("1"), dec("1")},
                                               {2, dec("2"), dec("2")},
                                               {3, dec("3"), dec("3")},
                                               {4, dec("4"), dec("4")}});
    EXPECT_TRUE(data::routes::applyRoute(db().rsEdit, id, "Short",
                                         {{2, dec("5"), dec("0.5")}, {1, dec("6"), dec("0")}}));
    std::string expected = "2/5.000/0.500 1/6.000/0.000";
    for (int k = 3; k <= 10; ++k)
        expected += " " + noSteps;
    EXPECT_EQ(stepsOf(id), expected);
    EXPECT_EQ(
        scalar("select name||':'||sequence from brontalo_route where id=" + std::to_string(id)),
        "Short:4");
}

TEST_F(RoutesTest, ApplyOnARouteWhoseRowIsGoneWritesNothing)
{
    const std::string before =
        scalar("select string_agg(name, ',' order by id) from brontalo_route");
    EXPECT_FALSE(data::routes::applyRoute(db().rsEdit, 99, "Renamed", {{1, dec("1"), dec("0")}}));
    EXPECT_EQ(scalar("select string_agg(name, ',' order by id) from brontalo_route"), before);
    EXPECT_FALSE(db().rsEdit.isOpen());
}

TEST_F(RoutesTest, StoredRatesKeepNullsApartFromZeros)
{
    // The seed's "General Welding" has rates 1 and 1 for its two steps, no minimums.
    const auto rates = data::routes::readStoredRates(db().rsMain, 2);
    ASSERT_TRUE(rates);
    EXPECT_EQ(rates->runRate[0], dec("1"));
    EXPECT_EQ(rates->runRate[1], dec("1"));
    EXPECT_FALSE(rates->runRate[2]);
    EXPECT_FALSE(rates->minHours[0]);
    EXPECT_FALSE(data::routes::readStoredRates(db().rsMain, 99));
    EXPECT_FALSE(db().rsMain.isOpen());
}

} // namespace
