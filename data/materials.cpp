#include "data/materials.h"

#include "data/bills.h"
#include "data/each_row.h"
#include "dbaccess/record_set.h"

namespace data::materials {

namespace {

std::string text(long long value) { return std::to_string(value); }

// An integer array literal for "= ANY(…)": '{12,40,41}'::integer[].
std::string idArray(const std::vector<std::int64_t> &ids)
{
    std::string list = "'{";
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (i > 0)
            list += ',';
        list += std::to_string(ids[i]);
    }
    return list + "}'::integer[]";
}

QuantityByProduct readQuantities(dbaccess::RecordSet &rs, const std::string &sql)
{
    QuantityByProduct quantities;
    eachRow(rs, sql, [&] {
        const dbaccess::Value &quantity = rs.field(1);
        if (!quantity.isNull())
            quantities[rs.field(0).toInt()] = quantity.toDecimal();
    });
    return quantities;
}

} // namespace

std::string plannedWork(int companyId)
{
    const std::string lineInBillUnit = bills::inUnit("s.qty_to_invoice", "lu", "bu");
    return "select bom.bom_id,sum(" + lineInBillUnit +
           ") as quantity,bom.product_qty,j.startdate from sale_order_line as s JOIN "
           "product_product as p on s.product_id=p.id JOIN uom_uom as lu on lu.id=s.product_uom "
           "JOIN (" +
           bills::chosenBills(companyId, "p.id in (select product_id from sale_order_line where "
                                         "company_id=" + text(companyId) +
                                         " and state='sale' and qty_to_invoice>0)") +
           ") as bom on bom.product_id=s.product_id JOIN uom_uom as bu on "
           "bu.id=bom.product_uom_id JOIN LATERAL (select min(startdate) as startdate from "
           "brontalo_schedule where status>0 and solineid=s.id) as j on j.startdate is not null "
           "where s.company_id=" +
           text(companyId) +
           " and s.state='sale' and s.qty_to_invoice>0 and p.active=true group by "
           "bom.bom_id,bom.product_qty,j.startdate";
}

std::string billLines(const std::vector<std::int64_t> &billIds)
{
    return "select m.bom_id,m.product_id," + bills::inUnit("m.product_qty", "lu", "cu") +
           " as product_qty,p.default_code from mrp_bom_line as m JOIN product_product as p on "
           "p.id=m.product_id JOIN product_template as t on t.id=p.product_tmpl_id JOIN uom_uom "
           "as lu on lu.id=m.product_uom_id JOIN uom_uom as cu on cu.id=t.uom_id where "
           "m.bom_id=ANY(" +
           idArray(billIds) + ") and p.active=true";
}

std::string stockOnHand(int companyId, const std::vector<std::int64_t> &productIds)
{
    return "select q.product_id,sum(q.quantity) as quantity from stock_quant as q JOIN "
           "stock_location as l on l.id=q.location_id where l.usage='internal' and "
           "l.company_id=" +
           text(companyId) + " and q.product_id=ANY(" + idArray(productIds) +
           ") group by q.product_id";
}

std::string pendingPurchases(int companyId, const std::vector<std::int64_t> &productIds)
{
    const std::string remaining = "(pl.product_qty-coalesce(pl.qty_received,0))";
    return "select pl.product_id,sum(" + bills::inUnit(remaining, "pu", "cu") +
           ") as pending from purchase_order_line as pl JOIN uom_uom as "
           "pu on pu.id=pl.product_uom JOIN product_product as p on p.id=pl.product_id JOIN "
           "product_template as t on t.id=p.product_tmpl_id JOIN uom_uom as cu on "
           "cu.id=t.uom_id where pl.company_id=" +
           text(companyId) + " and pl.state in('purchase','done') and " + remaining +
           ">0 and pl.product_id=ANY(" + idArray(productIds) + ") group by pl.product_id";
}

std::vector<PlannedWork> readPlannedWork(dbaccess::RecordSet &rs, int companyId)
{
    std::vector<PlannedWork> work;
    eachRow(rs, plannedWork(companyId), [&] {
        work.push_back({rs.field(0).toInt(), rs.field(1).toDecimal(), rs.field(2).toDecimal(),
                        rs.field(3).toDate()});
    });
    return work;
}

std::vector<BillLine> readBillLines(dbaccess::RecordSet &rs,
                                    const std::vector<std::int64_t> &billIds)
{
    std::vector<BillLine> lines;
    if (billIds.empty())
        return lines;
    eachRow(rs, billLines(billIds), [&] {
        lines.push_back({rs.field(0).toInt(), rs.field(1).toInt(), rs.field(2).toDecimal(),
                         rs.field(3).toText()});
    });
    return lines;
}

QuantityByProduct readStockOnHand(dbaccess::RecordSet &rs, int companyId,
                                  const std::vector<std::int64_t> &productIds)
{
    if (productIds.empty())
        return {};
    return readQuantities(rs, stockOnHand(companyId, productIds));
}

QuantityByProduct readPendingPurchases(dbaccess::RecordSet &rs, int companyId,
                                       const std::vector<std::int64_t> &productIds)
{
    if (productIds.empty())
        return {};
    return readQuantities(rs, pendingPurchases(companyId, productIds));
}

} // namespace data::materials
