#pragma once

// The shop the window benchmarks run on: 20 work centres, 10,000 orders of one line
// each, and 100,000 live jobs (ten per line, over all work centres, starting from a
// month before to half a year after `benchToday`).
#include "data/own_tables.h"
#include "dbaccess/startup.h"
#include "tests/support/erp_fixture.h"
#include "tests/support/test_database.h"

inline const dbaccess::Date benchToday = dbaccess::Date::fromYmd(2026, 3, 9);

inline void fillShop(testsupport::FreshDatabase &fresh)
{
    testsupport::ErpFixture erp(fresh);
    erp.company(1, "Frames Ltd");
    const int product = erp.product("Casement window");
    const int order = erp.order(1, "2026-03-20 10:00:00");
    erp.line(order, product, "5");
    auto &db = fresh.db();
    data::EnsureOwnTables(db);
    db.rsEdit.execute("insert into brontalo_workcenter(sequence,iconstyle,name,active,"
                      "dailyworkhours,saturdayworked,sundayworked,runrate,posx,posy) select g,g%20,"
                      "'centre '||g,true,8,false,false,1,60+(g%5)*180,100+(g/5)*150 "
                      "from generate_series(7,20) g");
    // 10,000 orders of one line each, copied from the first.
    db.rsEdit.execute("insert into sale_order(name,state,company_id,partner_id,partner_invoice_id,"
                      "partner_shipping_id,currency_id,date_order,commitment_date) select "
                      "'S'||lpad(g::text,6,'0'),state,company_id,partner_id,partner_invoice_id,"
                      "partner_shipping_id,currency_id,date_order,commitment_date+(g%60)*interval "
                      "'1 day' from sale_order, generate_series(2,10000) g");
    db.rsEdit.execute("insert into sale_order_line(order_id,name,company_id,state,product_id,"
                      "product_uom,product_uom_qty,qty_to_invoice,qty_delivered,qty_invoiced,"
                      "price_unit,customer_lead) select o.id,'Casement window '||o.id,1,'sale',"
                      "l.product_id,l.product_uom,1+o.id%20,1+o.id%20,0,0,0,0 from sale_order o, "
                      "sale_order_line l where o.id>1");
    db.rsEdit.execute(
        "insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,runhours) "
        "select 1+g%20,g%7,1+g%4,1+(g-1)/10,date '2026-03-09'+(g%180)-30,0.5+(g%16)*0.25 "
        "from generate_series(1,100000) g");
    db.rsEdit.execute("vacuum analyze");
}
