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

// The statement-per-step form, for comparison: one query for the route type and one
// for the route per line, one insert per step through the updatable set, and the
// planned line ids searched one by one. It plans the same rows.
engine::AutoScheduleResult statementPerStep(Database &db)
{
    std::vector<std::int64_t> scheduled;
    db.rsMain.open(data::jobs::linesWithAnyJob());
    for (; !db.rsMain.eof(); db.rsMain.moveNext())
        scheduled.push_back(db.rsMain.field(0).toInt());
    db.rsMain.close();

    engine::AutoScheduleResult result;
    auto &rsMain = db.rsMain;
    auto &rsAux = db.rsAux;
    auto &rsEdit = db.rsEdit;
    rsMain.open(data::erp::openLinesToPlan(companyId));
    for (; !rsMain.eof(); rsMain.moveNext()) {
        const std::int64_t lineId = rsMain.field("id").toInt();
        if (std::find(scheduled.begin(), scheduled.end(), lineId) != scheduled.end())
            continue;
        rsAux.open("select routeid from brontalo_productroute where product_id=" +
                   std::to_string(rsMain.field("product_id").toInt()));
        std::int64_t routeId = 0;
        if (rsAux.recordCount() > 0)
            routeId = rsAux.field("routeid").toInt();
        rsAux.close();
        if (routeId <= 0)
            continue;
        const Date due = engine::dueDateOf(rsMain.field("commitment_date"),
                                           rsMain.field("date_order"), currentDate);
        rsAux.open("select * from brontalo_route where id=" + std::to_string(routeId) +
                   " order by sequence");
        if (rsAux.recordCount() == 0) {
            rsAux.close();
            continue;
        }
        rsEdit.open("select * from brontalo_schedule");
        auto stepSlot = [&](int k) {
            const auto &v = rsAux.field("step" + std::to_string(k));
            return v.isNull() ? 0 : int(v.toInt());
        };
        int n = 1;
        for (int k = 2; k <= 10 && stepSlot(k) > 0; ++k)
            n = k;
        std::vector<Date> dates(n + 1);
        Date d = due;
        for (int a = n; a >= 0; --a) {
            dates[a] = d;
            d = engine::previousWorkingDay(d);
        }
        const auto quantity = rsMain.field("qty_to_invoice").toDecimal();
        for (int l = 1; l <= n && stepSlot(l) > 0; ++l) {
            data::planning::RouteStep step;
            step.slot = stepSlot(l);
            const auto &rate = rsAux.field("runrate" + std::to_string(l));
            const auto &least = rsAux.field("minhours" + std::to_string(l));
            if (!rate.isNull())
                step.runRate = rate.toDecimal();
            if (!least.isNull())
                step.minHours = least.toDecimal();
            rsEdit.addNew();
            rsEdit.setField("sequence", 0);
            rsEdit.setField("status", data::jobs::Scheduled);
            rsEdit.setField("solineid", lineId);
            rsEdit.setField("workcenterid", step.slot);
            rsEdit.setField("runhours", engine::runHoursOf(quantity, step));
            rsEdit.setField("startdate", dates[l - 1]);
            rsEdit.update();
            ++result.jobsInserted;
            if (l == 1)
                ++result.linesPlanned;
        }
        rsEdit.close();
        rsAux.close();
    }
    rsMain.close();
    return result;
}

struct Timed
{
    double seconds = 0;
    engine::AutoScheduleResult result;
};

Timed timed(const std::function<engine::AutoScheduleResult()> &run)
{
    const auto start = std::chrono::steady_clock::now();
    Timed t;
    t.result = run();
    t.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return t;
}

// Runs both forms from the same state: each plans, its new rows are kept for the
// comparison and then removed again.
void compare(BenchDatabase &bench, const std::string &title)
{
    const std::string newRows =
        " from brontalo_schedule where id>" +
        std::to_string(count(bench, "select coalesce(max(id),0) from brontalo_schedule"));
    const std::string rowColumns =
        "select solineid,workcenterid,sequence,status,startdate,runhours";

    const Timed ours =
        timed([&] { return engine::AutoSchedule(bench.db(), companyId, currentDate); });
    bench.exec("create table bench_ours as " + rowColumns + newRows);
    bench.exec("delete" + newRows);
    bench.exec("vacuum analyze brontalo_schedule");

    const Timed perStep = timed([&] { return statementPerStep(bench.db()); });
    const long long differing =
        count(bench, "select count(*) from ((" + rowColumns + newRows +
                    " except all select * from bench_ours) union all (select * from bench_ours "
                    "except all " +
                    rowColumns + newRows + ")) d");
    bench.exec("delete" + newRows);
    bench.exec("drop table bench_ours");

    std::printf("%s\n", title.c_str());
    std::printf("  statement per step: %8.3f s  (%d lines, %d jobs)\n", perStep.seconds,
                perStep.result.linesPlanned, perStep.result.jobsInserted);
    std::printf("  AutoSchedule:       %8.3f s  (%d lines, %d jobs)\n", ours.seconds,
                ours.result.linesPlanned, ours.result.jobsInserted);
    std::printf("  ratio:              %8.1f x\n", perStep.seconds / ours.seconds);
    std::printf("  same rows written:  %s\n", differing == 0 ? "yes" : "NO");
}

} // namespace

int main()
{
    try {
        BenchDatabase bench;
        buildPlant(bench);

        addOpenLines(bench, 10'000);
        compare(bench, "10,000 open lines, none planned (200 products, 3-step routes)");

        // 100,000 planned lines (three jobs each), then 1,000 new ones to plan.
        addOpenLines(bench, 90'000);
        engine::AutoSchedule(bench.db(), companyId, currentDate);
        addOpenLines(bench, 1'000);
        bench.exec("vacuum analyze");
        const long long planned =
            count(bench, "select count(distinct solineid) from brontalo_schedule");
        compare(bench, "\n" + std::to_string(planned) +
                           " lines already planned, 1,000 open lines to plan");
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_auto_schedule: %s\n", error.what());
        return 1;
    }
    return 0;
}
