// Times the auto-scheduler (reads once per run, many lines per insert) against the
// statement-per-step form (two queries per line, one insert per step, planned lines
// searched one by one) on a shop of 10,000 open lines, and on a shop where 100,000
// lines are already planned. Both start from the same state and must write the same rows.
//
// Needs the private PostgreSQL server and its test template (scripts/pg.sh start,
// scripts/prepare-test-template.sh); reads BRONTALO_TEST_PG_HOST, _PORT, _USER and
// _PASSWORD like the tests. Makes its own database and drops it again.
#include "data/erp_queries.h"
#include "data/jobs.h"
#include "data/own_tables.h"
#include "data/planning.h"
#include "dbaccess/error.h"
#include "dbaccess/settings_file.h"
#include "dbaccess/startup.h"
#include "engine/auto_schedule.h"
#include "engine/date_text.h"
#include "bench/report.h"
#include "bench/shop.h"
#include "bench/sketched.h"
#include "tests/support/test_database.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

using dbaccess::Database;
using dbaccess::Date;

namespace {

constexpr int companyId = 1;
constexpr int productCount = 200;
constexpr int routeCount = 20;
const Date currentDate = Date::fromYmd(2026, 3, 2);

using BenchDatabase = testsupport::FreshDatabase;

long long count(BenchDatabase &bench, const std::string &sql) { return std::stoll(bench.scalar(sql)); }

// The company, 200 products, 20 three-step route types over the six seeded work
// centres, one route type per product; no sales lines yet.
void buildPlant(BenchDatabase &bench)
{
    data::EnsureOwnTables(bench.db());
    data::ensureScheduleIndexes(bench.db()); // as the program does at start-up
    for (const char *sql : {
             "insert into res_currency(name,symbol) values ('EUR','€')",
             "insert into res_partner(name,type) values ('Shop','contact'),('Customer','contact')",
             "insert into res_company(id,name,partner_id,currency_id) values (1,'Shop',1,1)",
             "insert into uom_category(name) values ('{\"en_US\": \"Unit\"}')",
             "insert into uom_uom(name,category_id,factor,rounding,uom_type,active) values "
             "('{\"en_US\": \"Units\"}',1,1,0.01,'reference',true)",
             "insert into product_category(name) values ('All')",
         })
        bench.exec(sql);
    bench.exec("insert into product_template(name,type,detailed_type,categ_id,uom_id,uom_po_id,"
               "active) select jsonb_build_object('en_US','Product '||g),'product','product',1,"
               "1,1,true from generate_series(1," +
               std::to_string(productCount) + ") g");
    bench.exec("insert into product_product(product_tmpl_id,active) select id,true from "
               "product_template order by id");
    bench.exec("insert into brontalo_route(sequence,name,active,step1,step2,step3,runrate1,"
               "runrate2,runrate3,minhours2) select 10+g,'Route '||g,true,1+g%3,3+g%2,6,"
               "5+g,0,NULL,1.5 from generate_series(1," +
               std::to_string(routeCount) + ") g");
    bench.exec("insert into brontalo_productroute(product_id,routeid) select p.id,"
               "(select min(id) from brontalo_route where sequence>10)+p.id%" +
               std::to_string(routeCount) + " from product_product p order by p.id");
}

// `lineCount` open lines of the company after the existing ones, five per order,
// spread over the products; a quarter of the orders have no commitment date.
void addOpenLines(BenchDatabase &bench, int lineCount)
{
    const long long lastOrder = count(bench, "select coalesce(max(id),0) from sale_order");
    const std::string first = std::to_string(lastOrder + 1);
    const std::string orders = std::to_string((lineCount + 4) / 5);
    bench.exec("insert into sale_order(name,state,company_id,partner_id,partner_invoice_id,"
               "partner_shipping_id,date_order,commitment_date) select 'S'||lpad(g::text,6,'0'),"
               "'sale',1,2,2,2,timestamp '2026-02-02 09:00'+g*interval '37 minutes',"
               "case when g%4=0 then null else timestamp '2026-04-01 14:30'+(g%90)*interval "
               "'1 day' end from generate_series(" +
               first + "," + first + "+" + orders + "-1) g");
    bench.exec("insert into sale_order_line(order_id,company_id,state,product_id,product_uom,"
               "product_uom_qty,qty_to_invoice,name,price_unit,customer_lead) select " +
               first + "+(g-1)/5,1,'sale',1+g%" + std::to_string(productCount) +
               ",1,1+g%50,1+g%50,'Line '||g,0,0 from generate_series(1," +
               std::to_string(lineCount) + ") g");
    bench.exec("analyze");
}

// Runs both forms from the same state, ours five times: each plans, its new rows
// are kept for the comparison and then removed again. Returns the row for the table.
bench::Row compare(BenchDatabase &bench, const std::string &title)
{
    const std::string newRows =
        " from brontalo_schedule where id>" +
        std::to_string(count(bench, "select coalesce(max(id),0) from brontalo_schedule"));
    const std::string rowColumns =
        "select solineid,workcenterid,sequence,status,startdate,runhours";
    auto removeNewRows = [&] {
        bench.exec("delete" + newRows);
        bench.exec("vacuum analyze brontalo_schedule");
    };

    engine::AutoScheduleResult ours;
    const bench::Figures oursTime = bench::timeRounds(
        5, [&](int) { removeNewRows(); },
        [&](int) { ours = engine::AutoSchedule(bench.db(), companyId, currentDate); });
    bench.exec("create table bench_ours as " + rowColumns + newRows);
    removeNewRows();

    engine::AutoScheduleResult perStep;
    const bench::Figures perStepTime = bench::timeRounds(1, [&](int) {
        perStep = bench::statementPerStepPlanning(bench.db(), companyId, currentDate);
    });
    const long long differing =
        count(bench, "select count(*) from ((" + rowColumns + newRows +
                    " except all select * from bench_ours) union all (select * from bench_ours "
                    "except all " +
                    rowColumns + newRows + ")) d");
    removeNewRows();
    bench.exec("drop table bench_ours");

    std::printf("%s\n", title.c_str());
    std::printf("  statement per step: %9.1f ms  (%d lines, %d jobs)\n", perStepTime.median,
                perStep.linesPlanned, perStep.jobsInserted);
    std::printf("  AutoSchedule:       %9.1f ms  (%d lines, %d jobs; median of 5)\n",
                oursTime.median, ours.linesPlanned, ours.jobsInserted);
    std::printf("  ratio:              %9.1f x\n", perStepTime.median / oursTime.median);
    std::printf("  same rows written:  %s\n", differing == 0 ? "yes" : "NO");
    bench::Row row;
    row.oursMs = oursTime.median;
    row.naiveMs = perStepTime.median;
    row.sameResult = differing == 0 && ours.jobsInserted == perStep.jobsInserted;
    return row;
}

} // namespace

int main()
{
    try {
        BenchDatabase bench;
        buildPlant(bench);

        addOpenLines(bench, 10'000);
        bench::Row first =
            compare(bench, "10,000 open lines, none planned (200 products, 3-step routes)");
        first.action = "  planning run alone, below the window";
        first.data = "10,000 open lines, none planned";
        first.target = "-";
        first.met = true;
        bench::report(first);

        // 100,000 planned lines (three jobs each), then 1,000 new ones to plan.
        addOpenLines(bench, 90'000);
        engine::AutoSchedule(bench.db(), companyId, currentDate);
        addOpenLines(bench, 1'000);
        bench.exec("vacuum analyze");
        const long long planned =
            count(bench, "select count(distinct solineid) from brontalo_schedule");
        bench::Row history = compare(bench, "\n" + std::to_string(planned) +
                                                " lines already planned, 1,000 open lines to plan");
        history.action = "Planning run with history";
        history.data = bench::grouped(planned) + " lines planned, 1,000 new";
        history.target = "<= 0.1 s";
        history.met = history.oursMs <= 100;
        bench::report(history);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_auto_schedule: %s\n", error.what());
        return 1;
    }
    return 0;
}
