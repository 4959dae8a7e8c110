// Times the materials purchase requirements against the statement-per-row form with
// nested linear scans, on a shop of 10,000 open lines over 500 products, 7,300 bills
// of 3 to 8 components (about 40,000 bill lines), 100,000 live jobs, 2,000 stock
// quants and 3,000 purchase lines.
//
// Needs the private PostgreSQL server and its test template (scripts/pg.sh start,
// scripts/prepare-test-template.sh); reads BRONTALO_TEST_PG_HOST, _PORT, _USER and
// _PASSWORD like the tests. Makes its own database and drops it again.
#include "data/own_tables.h"
#include "dbaccess/record_set.h"
#include "dbaccess/startup.h"
#include "engine/date_text.h"
#include "engine/materials.h"
#include "tests/support/test_database.h"
#include "bench/best_of.h"
#include "bench/report.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

using dbaccess::Database;
using dbaccess::Date;
using dbaccess::Decimal;

namespace {

constexpr int companyId = 1;

// Units 1 (reference) and dozens 2; kilograms 3 (reference) and grams 4. Templates
// and products share ids: 1–500 are sold, 501–5800 other made items, 5801–7800
// components (every tenth kept in kilograms and put on bills in grams).
const char *const shop[] = {
    "insert into res_currency(id,name,symbol) values (1,'EUR','€')",
    "insert into res_partner(id,name,type) values (1,'Shop','contact'),(2,'Sister','contact'),"
    "(3,'Customer','contact'),(4,'Vendor','contact')",
    "insert into res_company(id,name,partner_id,currency_id) values (1,'Shop',1,1),"
    "(2,'Sister',2,1)",
    "insert into uom_category(id,name) values (1,'{\"en_US\":\"Unit\"}'),"
    "(2,'{\"en_US\":\"Weight\"}')",
    "insert into uom_uom(id,name,category_id,factor,rounding,uom_type) values "
    "(1,'{\"en_US\":\"Units\"}',1,1,0.01,'reference'),"
    "(2,'{\"en_US\":\"Dozens\"}',1,0.08333333333333333,0.01,'bigger'),"
    "(3,'{\"en_US\":\"kg\"}',2,1,0.001,'reference'),"
    "(4,'{\"en_US\":\"g\"}',2,1000,0.01,'smaller')",
    "insert into product_category(id,name) values (1,'All')",
    "insert into product_template(id,name,type,detailed_type,categ_id,uom_id,uom_po_id,active) "
    "select g,jsonb_build_object('en_US','Item '||g),'product','product',1,"
    "case when g>5800 and g%10=0 then 3 else 1 end,case when g>5800 and g%10=0 then 3 else 1 "
    "end,true from generate_series(1,7800) g",
    "insert into product_product(id,product_tmpl_id,default_code,active) select g,g,"
    "case when g>5800 then 'C-'||lpad(g::text,5,'0') end,true from generate_series(1,7800) g",
    // Per sold product: the bill in use, an archived one, the sister company's and a
    // later one by sequence; one bill for every other made item.
    "insert into mrp_bom(id,active,type,product_tmpl_id,product_qty,product_uom_id,sequence,"
    "ready_to_produce,company_id,consumption) select g,g<=500 or g>1000,'normal',"
    "case when g<=2000 then (g-1)%500+1 else g-1500 end,1+g%3,1,"
    "case when g<=500 then 1 when g<=1500 then 0 when g<=2000 then 5 else 1 end,'asap',"
    "case when g>1000 and g<=1500 then 2 else 1 end,'flexible' from generate_series(1,7300) g",
    "insert into mrp_bom_line(bom_id,product_id,product_tmpl_id,company_id,product_qty,"
    "product_uom_id) select b.id,c.id,c.id,b.company_id,case when c.id%10=0 then 250 else "
    "1+(b.id+k)%4 end,case when c.id%10=0 then 4 else 1 end from mrp_bom b cross join lateral "
    "generate_series(0,2+b.id%6) k join lateral (select 5801+(b.id*7919+k*104729)%2000 as id) c "
    "on true",
    "insert into sale_order(id,name,state,company_id,partner_id,partner_invoice_id,"
    "partner_shipping_id,date_order) select g,'S'||lpad(g::text,5,'0'),'sale',1,3,3,3,"
    "'2026-02-01 09:00' from generate_series(1,2000) g",
    "insert into sale_order_line(id,order_id,name,company_id,state,product_id,product_uom,"
    "product_uom_qty,qty_to_invoice,price_unit,customer_lead) select g,1+(g-1)/5,'Line '||g,1,"
    "'sale',1+(g*37)%500,1,1+g%20,1+g%20,1,0 from generate_series(1,10000) g",
    "insert into stock_location(id,name,usage,company_id) values (1,'WH/Stock','internal',1),"
    "(2,'WH/Shelf','internal',1),(3,'Vendors','supplier',null),(4,'Customers','customer',null),"
    "(5,'SIS/Stock','internal',2)",
    "insert into stock_quant(product_id,location_id,company_id,quantity,reserved_quantity,"
    "in_date) select 5801+(g*13)%2000,1+g%5,case 1+g%5 when 5 then 2 when 3 then null when 4 "
    "then null else 1 end,case when 1+g%5=3 then -(g%40) else g%60 end,0,'2026-03-01' from "
    "generate_series(1,2000) g",
    "insert into purchase_order(id,name,partner_id,company_id,currency_id,date_order,state) "
    "select g,'P'||lpad(g::text,5,'0'),4,case when g%10=0 then 2 else 1 end,1,'2026-03-01',"
    "(array['draft','sent','to approve','purchase','done','cancel'])[1+g%6] from "
    "generate_series(1,500) g",
    "insert into purchase_order_line(order_id,name,product_id,product_uom,product_qty,"
    "qty_received,price_unit,date_planned,company_id,state) select o.id,'Line '||g,p.id,"
    "case when p.id%10=0 then 4 when g%7=0 then 2 else 1 end,case when p.id%10=0 then 100*(1+g%24)"
    " else 1+g%24 end,g%5,1,'2026-03-20',o.company_id,o.state from generate_series(1,3000) g "
    "join purchase_order o on o.id=1+g%500 join lateral (select 5801+(g*31)%2000 as id) p on true",
};

// 100,000 live jobs, ten per line, from 60 days before the working date to 70 after,
// and 10,000 removed ones.
const char *const jobs =
    "insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,runhours) "
    "select 1+(g*7)%20,0,case when g>100000 then 0 else 1+g%4 end,1+((g-1)/10)%10000,"
    "date '2026-03-09'+((1+(g-1)/10)*13)%120-60+(g-1)%10,0.5+(g%16)*0.25 "
    "from generate_series(1,110000) g";

void fill(Database &db)
{
    data::EnsureOwnTables(db);
    for (const char *sql : shop)
        db.rsEdit.execute(sql);
    db.rsEdit.execute(jobs);
    data::ensureScheduleIndexes(db); // as the program does at start-up
    db.rsEdit.execute("vacuum analyze");
}

// --- The form with linear scans and a statement per component and per row ----------------

std::string lowered(std::string text)
{
    for (char &c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

std::size_t scanningMaterials(Database &db)
{
    auto &rs = db.rsMain;
    const std::string company = std::to_string(companyId);

    std::vector<std::pair<std::int64_t, Decimal>> billList;
    rs.open("select product_tmpl_id,product_qty from mrp_bom where company_id=" + company +
            " and product_qty>0 and active=true");
    for (rs.moveFirst(); !rs.eof(); rs.moveNext())
        billList.push_back({rs.field("product_tmpl_id").toInt(),
                            rs.field("product_qty").toDecimal()});
    rs.close();

    struct OrderRow
    {
        std::int64_t id, product, templateId;
        Decimal quantity, billQuantity;
        std::optional<Date> start;
    };
    std::vector<OrderRow> orderLines;
    rs.open("select s.id,s.product_id,s.qty_to_invoice,p.product_tmpl_id from sale_order_line "
            "as s JOIN product_product as p on s.product_id=p.id where s.company_id=" +
            company + " and s.state='sale' and s.qty_to_invoice>0 and p.active=true order by s.id");
    for (rs.moveFirst(); !rs.eof() && orderLines.size() < 10000; rs.moveNext()) {
        OrderRow row{rs.field("id").toInt(), rs.field("product_id").toInt(),
                     rs.field("product_tmpl_id").toInt(), rs.field("qty_to_invoice").toDecimal(),
                     Decimal::fromInt(1), std::nullopt};
        for (const auto &[templateId, quantity] : billList)
            if (templateId == row.templateId) {
                row.billQuantity = quantity;
                break;
            }
        orderLines.push_back(row);
    }
    rs.close();

    rs.open("select solineid,startdate from brontalo_schedule where status>0 order by "
            "solineid,startdate");
    std::int64_t previous = -1;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const std::int64_t line = rs.field("solineid").toInt();
        if (line == previous)
            continue;
        previous = line;
        for (auto &row : orderLines)
            if (row.id == line) {
                row.start = rs.field("startdate").toDate();
                break;
            }
    }
    rs.close();

    struct Requirement
    {
        std::int64_t component;
        Decimal quantity;
        Date neededBy;
        std::string code;
    };
    std::vector<Requirement> requirements;
    rs.open("select b.product_tmpl_id,m.product_id,m.product_qty,p.default_code from "
            "mrp_bom_line as m JOIN mrp_bom as b on b.id=m.bom_id JOIN product_product as p on "
            "p.id=m.product_id where m.company_id=" +
            company + " and p.active=true order by m.product_id,b.product_tmpl_id");
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const std::int64_t templateId = rs.field("product_tmpl_id").toInt();
        const OrderRow *line = nullptr;
        for (const auto &row : orderLines)
            if (row.templateId == templateId && row.start) {
                line = &row;
                break;
            }
        if (!line)
            continue;
        const std::int64_t component = rs.field("product_id").toInt();
        const Decimal quantity =
            line->billQuantity * (line->quantity * rs.field("product_qty").toDecimal());
        for (std::size_t i = 0; i < 10000; ++i) {
            if (i == requirements.size()) {
                requirements.push_back(
                    {component, quantity, *line->start, rs.field("default_code").toText()});
                break;
            }
            if (requirements[i].component == component &&
                requirements[i].neededBy == *line->start) {
                requirements[i].quantity += quantity;
                break;
            }
        }
    }
    rs.close();

    std::vector<std::string> sorter;
    for (const auto &r : requirements)
        sorter.push_back(r.code + '\t' + engine::sortKeyText(r.neededBy) +
                         std::to_string(r.component) + '\t' + r.quantity.toFixed(3));
    std::stable_sort(sorter.begin(), sorter.end(), [](const std::string &a, const std::string &b) {
        return lowered(a) < lowered(b);
    });

    std::size_t shown = 0;
    std::string lastComponent;
    Decimal stock;
    for (const std::string &entry : sorter) {
        const auto tab = entry.find('\t');
        const auto secondTab = entry.find('\t', tab + 1);
        const std::string component = entry.substr(tab + 9, secondTab - tab - 9);
        Decimal required = *Decimal::parse(entry.substr(secondTab + 1));
        if (component != lastComponent) {
            lastComponent = component;
            stock = Decimal();
            rs.open("select quantity from stock_quant where product_id=" + component +
                    " order by id DESC LIMIT 1");
            if (rs.recordCount() > 0 && !rs.field("quantity").isNull() &&
                rs.field("quantity").toDecimal() > Decimal())
                stock = rs.field("quantity").toDecimal();
            rs.close();
        }
        if (required > stock) {
            required -= stock;
            stock = Decimal();
        } else {
            stock -= required;
            required = Decimal();
        }
        if (required > Decimal()) {
            rs.open("select (product_qty - qty_received) as tqty from purchase_order_line where "
                    "product_id=" +
                    component);
            Decimal pending;
            for (rs.moveFirst(); !rs.eof(); rs.moveNext())
                if (!rs.field("tqty").isNull() && rs.field("tqty").toDecimal() > Decimal())
                    pending += rs.field("tqty").toDecimal();
            rs.close();
            if (++shown > 26)
                break;
        }
    }
    return shown;
}

} // namespace

int main()
{
    try {
        testsupport::FreshDatabase fresh;
        Database &db = fresh.db();
        std::printf("filling the shop …\n");
        fill(db);

        std::size_t oursRows = 0, scanRows = 0;
        const double ours = bestOf(
            5, [&] { return engine::ListMaterialRequirements(db, companyId).size(); }, oursRows);
        const double scanning = bestOf(2, [&] { return scanningMaterials(db); }, scanRows);
        std::printf("materials requirements, best of 5 / 2 runs:\n");
        std::printf("  hashed, five queries:           %9.1f ms (%zu rows)\n", ours, oursRows);
        std::printf("  linear scans, query per row:    %9.1f ms (%zu rows)\n", scanning,
                    scanRows);
        std::printf("  ratio:                          %9.1fx\n", scanning / ours);
        bench::report({"Materials requirements", "10,000 lines, about 40,000 bill lines", ours,
                       scanning, "< 50 ms", ours < 50, oursRows == scanRows});
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_materials: %s\n", error.what());
        return 1;
    }
}
