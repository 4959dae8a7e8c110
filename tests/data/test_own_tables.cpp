// Creating the own tables and the demonstration plant, and the catalogue match that
// decides whether they exist.
#include "data/own_tables.h"
#include "data/session.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

using testsupport::DatabaseTest;

namespace {

class OwnTablesTest : public DatabaseTest
{
protected:
    std::string ownTables()
    {
        return scalar("select string_agg(tablename, ',' order by tablename) from pg_tables "
                      "where tablename like 'brontalo%'");
    }
};

TEST_F(OwnTablesTest, EmptyDatabaseGetsTheFourTablesAndTheSeedPlant)
{
    EXPECT_TRUE(data::EnsureOwnTables(db()));
    EXPECT_EQ(ownTables(),
              "brontalo_productroute,brontalo_route,brontalo_schedule,brontalo_workcenter");
    EXPECT_EQ(scalar("select string_agg(id||':'||name||'@'||posx||','||posy||' s'||iconstyle, ' ' "
                     "order by sequence) from brontalo_workcenter"),
              "1:cnc@127,140 s1 2:milling@240,78 s1 3:assembly@409,55 s13 4:welding@741,186 s5 "
              "5:QA@515,468 s6 6:packing@766,716 s19");
    EXPECT_EQ(scalar("select count(*) from brontalo_workcenter where active and dailyworkhours=8 "
                     "and not saturdayworked and not sundayworked and runrate=1"),
              "6");
    EXPECT_EQ(scalar("select string_agg(id||':'||name||':'||concat_ws('-',step1,step2,step3,step4),"
                     "' ' order by sequence) from brontalo_route"),
              "1:Window Frame Manufacture:1-2-6 2:General Welding:4-6 3:Special Welding:4-5-6");
    EXPECT_EQ(scalar("select string_agg(id||':'||concat_ws('-',runrate1,runrate2,runrate3,runrate4),"
                     "' ' order by sequence) from brontalo_route"),
              "1:1.000-1.000-1.000 2:1.000-1.000 3:1.000-1.000-1.000");
    EXPECT_EQ(scalar("select count(*) from brontalo_route where num_nonnulls(minhours1,minhours2,"
                     "minhours3,minhours4,step4,runrate4)=0"),
              "3");
    EXPECT_EQ(scalar("select count(*) from brontalo_productroute"), "0");
    EXPECT_EQ(scalar("select count(*) from brontalo_schedule"), "0");

    EXPECT_FALSE(data::EnsureOwnTables(db())) << "a second start creates nothing";
    EXPECT_EQ(scalar("select count(*) from brontalo_workcenter"), "6");
    EXPECT_EQ(scalar("select count(*) from brontalo_route"), "3");
}

// "step1 integer,…,step10 integer": ten numbered columns of one type.
std::string numbered(const std::string &prefix, const std::string &type)
{
    std::string columns;
    for (int n = 1; n <= 10; ++n)
        columns += "," + prefix + std::to_string(n) + " " + type;
    return columns;
}

TEST_F(OwnTablesTest, ColumnsHaveTheirTypesInOrderAndOnlyTheIdIsAKey)
{
    data::EnsureOwnTables(db());
    const auto columnsOf = [&](const std::string &table) {
        return scalar(
            "select string_agg(column_name||' '||case data_type when 'numeric' then 'numeric('||"
            "numeric_precision||','||numeric_scale||')' else data_type end||case is_nullable when "
            "'NO' then ' not null' else '' end||case is_identity when 'YES' then ' identity '||"
            "identity_generation else '' end||coalesce(' default '||column_default,''), ',' order "
            "by ordinal_position) from information_schema.columns where table_schema='public' and "
            "table_name='" + table + "'");
    };
    const std::string key = "id integer not null identity BY DEFAULT";
    EXPECT_EQ(columnsOf("brontalo_workcenter"),
              key + ",sequence integer,iconstyle integer,name character varying not null,active "
                    "boolean,dailyworkhours numeric(8,2),saturdayworked boolean,sundayworked "
                    "boolean,runrate numeric(9,3),posx integer,posy integer");
    EXPECT_EQ(columnsOf("brontalo_route"),
              key + ",sequence integer,name character varying not null,active boolean" +
                  numbered("step", "integer") + numbered("runrate", "numeric(9,3)") +
                  numbered("minhours", "numeric(9,3)"));
    EXPECT_EQ(columnsOf("brontalo_productroute"), key + ",product_id integer,routeid integer");
    EXPECT_EQ(columnsOf("brontalo_schedule"),
              key + ",workcenterid integer,sequence integer,status integer,solineid integer,"
                    "startdate date,runhours numeric(9,3),comment character varying");
    EXPECT_EQ(scalar("select string_agg(c.table_name||' '||c.constraint_type||' '||k.column_name,"
                     "',' order by c.table_name) from information_schema.table_constraints as c "
                     "join information_schema.key_column_usage as k using (constraint_schema,"
                     "constraint_name) where c.table_name like 'brontalo%'"),
              "brontalo_productroute PRIMARY KEY id,brontalo_route PRIMARY KEY id,"
              "brontalo_schedule PRIMARY KEY id,brontalo_workcenter PRIMARY KEY id");
}

// Whether a work-centre table is already there decides whether anything is created.
struct FoundTableCase
{
    const char *name;
    const char *before;        // statements run on the empty database
    bool created;              // EnsureOwnTables creates the tables
    const char *ownTables;     // schema.table of every table whose name starts brontalo_
    const char *workCentres;   // the work-centre table the program then uses
    const char *workCentreRows;
};

void PrintTo(const FoundTableCase &c, std::ostream *os) { *os << c.name; }

class FoundTable : public DatabaseTest, public testing::WithParamInterface<FoundTableCase>
{
};

TEST_P(FoundTable, DecidesWhetherTheTablesAreMade)
{
    const FoundTableCase &c = GetParam();
    exec(c.before);
    EXPECT_EQ(data::EnsureOwnTables(db()), c.created);
    EXPECT_EQ(scalar("select string_agg(schemaname||'.'||tablename, ',' order by tablename) from "
                     "pg_tables where lower(tablename) like 'brontalo%'"),
              c.ownTables);
    EXPECT_EQ(scalar(std::string("select count(*) from ") + c.workCentres), c.workCentreRows);
}

INSTANTIATE_TEST_SUITE_P(
    OwnTables, FoundTable,
    testing::Values(
        FoundTableCase{"ATableInAnotherSchemaCountsAsFound",
                       "CREATE SCHEMA plant; CREATE TABLE plant.brontalo_workcenter(id integer)",
                       false, "plant.brontalo_workcenter", "plant.brontalo_workcenter", "0"},
        FoundTableCase{"AnotherLetterCaseDoesNotCount",
                       "CREATE TABLE \"BRONTALO_WORKCENTER\"(id integer)", true,
                       "public.BRONTALO_WORKCENTER,public.brontalo_productroute,public.brontalo_route,"
                       "public.brontalo_schedule,public.brontalo_workcenter",
                       "public.brontalo_workcenter", "6"},
        FoundTableCase{"AFoundWorkCentreTableStopsEverythingElse",
                       "CREATE TABLE public.brontalo_workcenter(id integer, name character varying)",
                       false, "public.brontalo_workcenter", "public.brontalo_workcenter", "0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(OwnTablesTest, StartUpLeavesTheIndexesTheReadsUseAndOnlyThose)
{
    data::EnsureOwnTables(db());
    // Indexes an earlier start-up made that the strip's index now serves.
    exec("CREATE INDEX brontalo_schedule_start ON brontalo_schedule (workcenterid, startdate) "
         "WHERE status>0");
    exec("CREATE INDEX brontalo_schedule_day ON brontalo_schedule (startdate) INCLUDE "
         "(workcenterid, runhours) WHERE status>0");
    const std::string indexes =
        "select string_agg(tablename||'.'||indexname, ' ' order by tablename, indexname) from "
        "pg_indexes where indexname like 'brontalo%' and indexname not like '%pkey'";
    const std::string expected =
        "brontalo_schedule.brontalo_schedule_line brontalo_schedule.brontalo_schedule_line_start "
        "brontalo_schedule.brontalo_schedule_queue brontalo_schedule.brontalo_schedule_strip";
    data::ensureScheduleIndexes(db());
    EXPECT_EQ(scalar(indexes), expected);
    data::ensureScheduleIndexes(db());
    EXPECT_EQ(scalar(indexes), expected) << "a second start changes nothing";
    EXPECT_EQ(scalar("select count(*) from pg_indexes where tablename='sale_order_line' and "
                     "indexname like 'brontalo%'"),
              "0")
        << "the ERP's tables are never changed";
}


TEST_F(OwnTablesTest, CompanyNameIsThatOfTheConfiguredCompany)
{
    exec("INSERT INTO res_currency(id,name,symbol) VALUES (1,'EUR','E')");
    exec("INSERT INTO res_partner(id,name) VALUES (1,'First Shop'),(2,'Second Shop')");
    exec("INSERT INTO res_company(id,name,partner_id,currency_id) VALUES "
         "(1,'First Shop',1,1),(2,'Second Shop',2,1)");
    EXPECT_EQ(data::readCompanyName(db(), 2), "Second Shop");
    EXPECT_EQ(data::readCompanyName(db(), 1), "First Shop");
    EXPECT_EQ(data::readCompanyName(db(), 3), "");
}

} // namespace
