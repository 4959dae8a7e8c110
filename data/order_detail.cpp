#include "data/order_detail.h"

#include "data/bills.h"
#include "data/each_row.h"
#include "data/translated_names.h"
#include "dbaccess/record_set.h"

namespace data::order_detail {

namespace {

std::string text(long long value) { return std::to_string(value); }

} // namespace

std::string lineBill(long long lineId, int companyId)
{
    return "select sl.product_id," + translatedName("pu.name") +
           " as product_unit,bom.bom_id,bom.product_qty," +
           bills::inUnit("sl.qty_to_invoice", "lu", "bu") +
           " as quantity from sale_order_line as sl JOIN product_product as p on "
           "p.id=sl.product_id JOIN product_template as t on t.id=p.product_tmpl_id JOIN "
           "uom_uom as pu on pu.id=t.uom_id LEFT JOIN uom_uom as lu on lu.id=sl.product_uom "
           "LEFT JOIN (" +
           bills::chosenBills(companyId) +
           ") as bom on bom.product_id=p.id and p.active=true LEFT JOIN uom_uom as bu on "
           "bu.id=bom.product_uom_id where sl.id=" +
           text(lineId);
}

std::string componentsOfBill(long long billId, std::size_t limit)
{
    return "select p.default_code,m.product_qty," + translatedName("u.name") +
           " as unit_name,count(*) over () as line_count from mrp_bom_line as m JOIN "
           "product_product as p on p.id=m.product_id JOIN uom_uom as u on "
           "u.id=m.product_uom_id where m.bom_id=" +
           text(billId) + " and p.active=true order by m.sequence,m.id limit " +
           text(static_cast<long long>(limit));
}

std::optional<LineBill> readLineBill(dbaccess::RecordSet &rs, long long lineId, int companyId,
                                     const std::string &language)
{
    std::optional<LineBill> found;
    eachRow(rs, lineBill(lineId, companyId), {language}, [&] {
        LineBill line;
        line.productId = rs.field(0).toInt();
        line.productUnit = rs.field(1).toText();
        if (!rs.field(2).isNull() && !rs.field(4).isNull()) {
            line.billId = rs.field(2).toInt();
            line.billQuantity = rs.field(3).toDecimal();
            line.lineQuantity = rs.field(4).toDecimal();
        }
        found = line;
    });
    return found;
}

Components readComponents(dbaccess::RecordSet &rs, long long billId, std::size_t limit,
                          const std::string &language)
{
    Components components;
    eachRow(rs, componentsOfBill(billId, limit), {language}, [&] {
        components.first.push_back(
            {rs.field(0).toText(), rs.field(1).toDecimal(), rs.field(2).toText()});
        components.count = std::size_t(rs.field(3).toInt());
    });
    return components;
}

} // namespace data::order_detail
