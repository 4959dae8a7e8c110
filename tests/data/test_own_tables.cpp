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
    EXPECT_EQ(scalar("select count(*) from brontalo_route where minhours1 is null and "
                     "runrate3 is not distinct from (case when id=2 then null else 1 end)"),
              "3");
    EXPECT_EQ(scalar("select count(*) from brontalo_productroute"), "0");
    EXPECT_EQ(scalar("select count(*) from brontalo_schedule"), "0");

    EXPECT_FALSE(data::EnsureOwnTables(db())) << "a second start creates nothing";
    EXPECT_EQ(scalar("select count(*) from brontalo_workcenter"), "6");
    EXPECT_EQ(scalar("select count(*) from brontalo_route"), "3");
}

TEST_F(OwnTablesTest, ColumnsAreThoseOfTheDefinitions)
{
    data::EnsureOwnTables(db());
    EXPECT_EQ(scalar("select string_agg(column_name||' '||data_type, ',' order by ordinal_position) "
                     "from information_schema.columns where table_name='brontalo_schedule'"),
              "id integer,workcenterid integer,sequence integer,status integer,solineid integer,"
              "startdate date,runhours numeric,comment character varying");
    EXPECT_EQ(scalar("select count(*) from information_schema.columns where "
                     "table_name='brontalo_route'"),
              "34");
    EXPECT_EQ(scalar("select column_name from information_schema.columns where "
                     "table_name='brontalo_route' and ordinal_position=15"),
              "runrate1");
}

TEST_F(OwnTablesTest, FindsTheWorkCentreTableByExactNameInAnySchema)
{
    exec("CREATE SCHEMA plant");
    exec("CREATE TABLE plant.brontalo_workcenter(id integer)");
    EXPECT_FALSE(data::EnsureOwnTables(db())) << "a table in another schema counts as found";
    EXPECT_EQ(ownTables(), "brontalo_workcenter");
}

TEST_F(OwnTablesTest, AnotherLetterCaseDoesNotCount)
{
    exec("CREATE TABLE \"BRONTALO_WORKCENTER\"(id integer)");
    EXPECT_TRUE(data::EnsureOwnTables(db()));
    EXPECT_EQ(scalar("select count(*) from public.brontalo_workcenter"), "6");
}

TEST_F(OwnTablesTest, AFoundWorkCentreTableStopsEverythingElse)
{
    exec(data::createWorkCentreTable());
    EXPECT_FALSE(data::EnsureOwnTables(db()));
    EXPECT_EQ(ownTables(), "brontalo_workcenter");
    EXPECT_EQ(scalar("select count(*) from brontalo_workcenter"), "0");
}

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
        "brontalo_schedule.brontalo_schedule_queue brontalo_schedule.brontalo_schedule_strip "
        "sale_order_line.brontalo_open_lines";
    data::ensureScheduleIndexes(db());
    EXPECT_EQ(scalar(indexes), expected);
    data::ensureScheduleIndexes(db());
    EXPECT_EQ(scalar(indexes), expected) << "a second start changes nothing";
    EXPECT_EQ(scalar("select pg_get_expr(indpred, indrelid) from pg_index where "
                     "indexrelid='brontalo_open_lines'::regclass"),
              "(((state)::text = 'sale'::text) AND (qty_to_invoice > (0)::numeric))")
        << "the open lines, as the reads name them";
}

TEST(OwnTableStatements, AreTheExactDefinitionTexts)
{
    EXPECT_EQ(data::createWorkCentreTable(),
              "CREATE TABLE public.brontalo_workcenter(id integer GENERATED BY DEFAULT AS IDENTITY "
              "PRIMARY KEY,sequence integer,iconstyle integer,name character varying COLLATE "
              "pg_catalog.\"default\" NOT NULL,active boolean,dailyworkhours numeric(8,2),"
              "saturdayworked boolean,sundayworked boolean,runrate numeric(9,3),posX integer,posY "
              "integer);");
    EXPECT_EQ(data::createRouteTable(),
              "CREATE TABLE public.brontalo_route(id integer GENERATED BY DEFAULT AS IDENTITY "
              "PRIMARY KEY,sequence integer,name character varying COLLATE pg_catalog.\"default\" "
              "NOT NULL,active boolean,step1 integer,step2 integer,step3 integer,step4 integer,"
              "step5 integer,step6 integer,step7 integer,step8 integer,step9 integer,step10 "
              "integer,runrate1 numeric(9,3),runrate2 numeric(9,3),runrate3 numeric(9,3),runrate4 "
              "numeric(9,3),runrate5 numeric(9,3),runrate6 numeric(9,3),runrate7 numeric(9,3),"
              "runrate8 numeric(9,3),runrate9 numeric(9,3),runrate10 numeric(9,3),minhours1 "
              "numeric(9,3),minhours2 numeric(9,3),minhours3 numeric(9,3),minhours4 numeric(9,3),"
              "minhours5 numeric(9,3),minhours6 numeric(9,3),minhours7 numeric(9,3),minhours8 "
              "numeric(9,3),minhours9 numeric(9,3),minhours10 numeric(9,3));");
    EXPECT_EQ(data::createProductRouteTable(),
              "CREATE TABLE public.brontalo_productroute(id integer GENERATED BY DEFAULT AS "
              "IDENTITY PRIMARY KEY,product_id integer,routeid integer);");
    EXPECT_EQ(data::createScheduleTable(),
              "CREATE TABLE public.brontalo_schedule(id integer GENERATED BY DEFAULT AS IDENTITY "
              "PRIMARY KEY,workcenterid integer,sequence integer,status integer,solineid "
              "integer,startdate date,runhours numeric(9,3),comment character varying COLLATE "
              "pg_catalog.\"default\");");
    EXPECT_EQ(data::workCentreSeedRows().front(),
              "insert into brontalo_workcenter(sequence,iconstyle,name,active,dailyworkhours,"
              "saturdayworked,sundayworked,runrate,posx,posy) values "
              "(1,1,'cnc',True,8,False,False,1,127,140)");
    EXPECT_EQ(data::routeSeedRows().at(1),
              "insert into brontalo_route(sequence,name,active,step1,step2,runrate1,runrate2) "
              "values (2,'General Welding',True,4,6,1,1)");
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
