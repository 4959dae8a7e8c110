#include "data/erp_queries.h"

namespace data::erp {

namespace {

const std::string orderLineColumns =
    "select sl.id,sl.product_id,sl.qty_to_invoice,sl.name as line_name,so.name,"
    "so.commitment_date,so.date_order,so.name as order_name,c.name as customerName ";

std::string text(long long value) { return std::to_string(value); }

} // namespace

std::string companyName(int companyId)
{
    return "SELECT name FROM res_company WHERE id=" + text(companyId);
}

std::string pendingLines(int companyId)
{
    return orderLineColumns +
           "from sale_order_line as sl JOIN sale_order as so ON sl.order_id=so.id JOIN "
           "res_partner as c ON so.partner_id=c.id where sl.company_id=" +
           text(companyId) + " and sl.state='sale' and sl.qty_to_invoice>0 order by sl.id";
}

std::string dispatchLines(int companyId)
{
    return orderLineColumns +
           "from sale_order_line as sl JOIN brontalo_schedule as s on sl.id=s.solineid JOIN "
           "sale_order as so ON sl.order_id=so.id JOIN res_partner as c ON so.partner_id=c.id "
           "where sl.company_id=" +
           text(companyId) +
           " and sl.state='sale' and sl.qty_to_invoice>0 and s.status>0 order by sl.id";
}

std::string workCentreQueue(int companyId, int workCentreSlot)
{
    return "select j.solineid as id,j.runHours,j.comment,j.id as schedid,j.status,j.startdate,"
           "sl.product_id,sl.qty_to_invoice, sl.name as line_name,so.name,so.commitment_date,"
           "so.date_order,so.name as order_name,c.name as customerName from brontalo_schedule as "
           "j JOIN sale_order_line as sl ON j.solineid=sl.id JOIN sale_order as so ON "
           "sl.order_id=so.id JOIN res_partner as c ON so.partner_id=c.id where sl.company_id=" +
           text(companyId) + " and j.workcenterid=" + text(workCentreSlot) +
           " and j.status>0 order by j.sequence,j.id LIMIT 27";
}

std::string searchList(int companyId)
{
    return "select so.name,sl.name as line_name,c.name as customerName,sl.id as solineid from "
           "sale_order_line as sl JOIN sale_order as so ON sl.order_id=so.id JOIN res_partner "
           "as c ON so.partner_id=c.id where sl.company_id=" +
           text(companyId) +
           " and exists(select 1 from brontalo_schedule as j where j.solineid=sl.id and "
           "j.status>0) order by so.name,sl.id";
}

std::string openLinesToPlan(int companyId)
{
    return "select sl.id,sl.product_id,sl.qty_to_invoice,so.commitment_date,so.date_order from "
           "sale_order_line as sl JOIN sale_order as so ON sl.order_id=so.id where "
           "sl.company_id=" +
           text(companyId) + " and sl.state='sale' and sl.qty_to_invoice>0 order by sl.id";
}

} // namespace data::erp
