#include "bench/shop.h"

#include "data/own_tables.h"
#include "data/jobs.h"

#include <cstdio>
#include <cstdlib>

namespace bench {

namespace {

std::string n(long long value) { return std::to_string(value); }

// The ERP rows every shop has: the company, customers, one unit and the products.
void buildErpBasics(testsupport::FreshDatabase &fresh)
{
    for (const char *sql : {
             "insert into res_currency(id,name,symbol,rounding,decimal_places,active) values "
             "(1,'EUR','€',0.01,2,true)",
             "insert into res_partner(id,name,type,is_company,active,customer_rank) select g,"
             "case when g=1 then 'Frames Ltd' else 'Customer '||g end,'contact',true,true,"
             "case when g=1 then 0 else 1 end from generate_series(1,500) g",
             "insert into res_company(id,name,partner_id,currency_id,active) values "
             "(1,'Frames Ltd',1,1,true)",
             "insert into uom_category(id,name) values (1,'{\"en_US\": \"Unit\"}')",
             "insert into uom_uom(id,name,category_id,factor,rounding,uom_type,active) values "
             "(1,'{\"en_US\": \"Units\"}',1,1,0.01,'reference',true)",
             "insert into product_category(id,name,complete_name) values (1,'All','All')",
         })
        fresh.exec(sql);
    fresh.exec("insert into product_template(id,name,type,detailed_type,categ_id,uom_id,uom_po_id,"
               "sale_ok,purchase_ok,active,default_code) select g,jsonb_build_object('en_US',"
               "'Frame type '||g),'product','product',1,1,1,true,true,true,'FR-'||g from "
               "generate_series(1," +
               n(shopProducts) + ") g");
    fresh.exec("insert into product_product(id,product_tmpl_id,default_code,active) select id,id,"
               "default_code,true from product_template");
}

// Work centres 7–20 beside the six seeded ones; route type 4 + r for r = 0…11 runs
// through work centres 1 + r, 1 + (r + 7) % 20 and 1 + (r + 14) % 20; product p has
// route type 4 + p % 12. With the three seeded ones that is the 15 the window shows.
void buildPlant(testsupport::FreshDatabase &fresh)
{
    data::EnsureOwnTables(fresh.db());
    fresh.exec("insert into brontalo_workcenter(sequence,iconstyle,name,active,dailyworkhours,"
               "saturdayworked,sundayworked,runrate,posx,posy) select g,g%20,'centre '||g,true,"
               "8,false,false,1,60+(g%5)*180,100+(g/5)*150 from generate_series(7," +
               n(shopWorkCentres) + ") g");
    fresh.exec("insert into brontalo_route(id,sequence,name,active,step1,step2,step3,runrate1,"
               "runrate2,runrate3,minhours2) select 4+r,10+r,'Route '||r,true,1+r,1+(r+7)%20,"
               "1+(r+14)%20,5+r,10,NULL,1.5 from generate_series(0,11) r");
    fresh.exec("insert into brontalo_productroute(product_id,routeid) select id,4+id%12 from "
               "product_product order by id");
}

} // namespace

void buildShop(testsupport::FreshDatabase &fresh, const ShopShape &shape, dbaccess::Date today)
{
    buildErpBasics(fresh);
    buildPlant(fresh);

    const long long history = shape.removedHistoryLines + shape.completedHistoryLines;
    const long long lines = history + shape.openLines;
    const long long orders = (lines + 4) / 5;
    const long long historyOrders = (history + 4) / 5;
    const long long openOrders = orders - historyOrders;
    // Past orders over the two years up to seven weeks ago, open ones over those weeks;
    // due four weeks after the order, or on the order date when nothing was promised.
    const std::string todayText = data::jobs::sqlDate(today);
    const long long historyStep = historyOrders > 0 ? 680 * 1440 / historyOrders : 0;
    const long long openStep = openOrders > 0 ? 50 * 1440 / openOrders : 0;
    fresh.exec(
        "insert into sale_order(id,name,state,company_id,partner_id,partner_invoice_id,"
        "partner_shipping_id,currency_id,date_order,commitment_date,invoice_status,"
        "amount_untaxed,amount_tax,amount_total,locked,create_uid,create_date,write_date) "
        "select o,'S'||lpad(o::text,6,'0'),'sale',1,2+o%499,2+o%499,2+o%499,1,d,"
        "case when o%4=0 then null else d+interval '28 days 5 hours' end,"
        "case when o<=" + n(historyOrders) + " then 'invoiced' else 'to invoice' end,"
        "1000,190,1190,false,null,d,d from generate_series(1," + n(orders) + ") o, lateral "
        "(select case when o<=" + n(historyOrders) + " then date " + todayText +
        "-730+(o-1)*" + n(historyStep) + "*interval '1 minute' else date " + todayText +
        "-50+(o-" + n(historyOrders) + "-1)*" + n(openStep) +
        "*interval '1 minute' end+interval '8 hours' as d) t");
    fresh.exec(
        "insert into sale_order_line(id,order_id,sequence,company_id,currency_id,"
        "order_partner_id,state,product_id,product_uom,product_uom_qty,name,price_unit,discount,"
        "price_subtotal,price_tax,price_total,price_reduce_taxexcl,price_reduce_taxinc,"
        "customer_lead,qty_delivered_method,qty_delivered,qty_invoiced,qty_to_invoice,"
        "invoice_status,untaxed_amount_invoiced,untaxed_amount_to_invoice,is_downpayment,"
        "is_expense,create_date,write_date) select g,1+(g-1)/5,10*((g-1)%5),1,1,"
        "2+(1+(g-1)/5)%499,'sale',1+g%" + n(shopProducts) + ",1,q,'Frame type '||(1+g%" +
        n(shopProducts) + ")||', casement '||g,120,0,120*q,22.8*q,142.8*q,120,142.8,0,'stock_move',"
        "case when g<=" + n(history) + " then q else 0 end,case when g<=" + n(history) +
        " then q else 0 end,case when g<=" + n(history) + " then 0 else q end,"
        "case when g<=" + n(history) + " then 'invoiced' else 'to invoice' end,"
        "case when g<=" + n(history) + " then 120*q else 0 end,case when g<=" + n(history) +
        " then 0 else 120*q end,false,false,now(),now() from generate_series(1," + n(lines) +
        ") g, lateral (select 1+g%50 as q) t");
    fresh.exec("select setval('sale_order_id_seq',(select max(id) from sale_order))");
    fresh.exec("select setval('sale_order_line_id_seq',(select max(id) from sale_order_line))");

    // Three jobs per line along its product's route, starting three days before the
    // due date. Open lines: every 33rd done, and a first step done, running or paused
    // here and there; every ninth line was reordered in its queues.
    const std::string firstOpen = n(history + 1);
    const std::string lastPlanned = n(shape.openLinesPlanned ? lines : history);
    fresh.exec(
        "insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,runhours) "
        "select 1+(sl.product_id%12+7*k)%20,case when sl.id%9=0 then 1+k else 0 end,"
        "case when sl.id<=" + n(shape.removedHistoryLines) + " then 0 when sl.id<" + firstOpen +
        " then 4 when sl.id%33=0 then 4 when k=0 and sl.id%7=0 then 4 when k=0 and sl.id%11=0 "
        "then 2 when k=0 and sl.id%13=0 then 3 else 1 end,sl.id,coalesce(so.commitment_date,"
        "so.date_order)::date-3+k,0.5+((sl.id*3+k)%16)*0.25 from sale_order_line sl join "
        "sale_order so on so.id=sl.order_id, generate_series(0,2) k where sl.id<=" + lastPlanned +
        " order by sl.id,k");
    data::ensureScheduleIndexes(fresh.db());
    // The open-line index the README advises a database administrator to create; the
    // program never creates it. BRONTALO_BENCH_WITHOUT_OPEN_LINE_INDEX measures without.
    if (!std::getenv("BRONTALO_BENCH_WITHOUT_OPEN_LINE_INDEX"))
        fresh.exec(data::openLineIndex());
    fresh.exec("vacuum analyze");
}

std::string grouped(long long number)
{
    const std::string digits = std::to_string(number);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string describe(const ShopShape &shape)
{
    const long long history = shape.removedHistoryLines + shape.completedHistoryLines;
    if (history == 0)
        return grouped(shape.openLines) + " open lines, " +
               (shape.openLinesPlanned ? "planned" : "none planned") + ", no history";
    const long long live = 3LL * shape.completedHistoryLines +
                           (shape.openLinesPlanned ? 3LL * shape.openLines : 0);
    return grouped(shape.openLines) + " open lines" +
           (shape.openLinesPlanned ? " planned, " : ", ") + grouped(live) + " live and " +
           grouped(3LL * shape.removedHistoryLines) + " removed jobs";
}

} // namespace bench
