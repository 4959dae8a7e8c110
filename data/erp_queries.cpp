#include "data/erp_queries.h"

namespace data::erp {

namespace {

const std::string orderLineColumns =
    "select sl.id,sl.product_id,sl.qty_to_invoice,sl.name as line_name,so.name,"
    "so.commitment_date,so.date_order,so.name as order_name,c.name as customerName ";

std::string text(long long value) { return std::to_string(value); }

const std::string namesOfLine =
    "from sale_order_line as sl JOIN sale_order as so ON sl.order_id=so.id JOIN res_partner as "
    "c ON so.partner_id=c.id";

// The rows a list shows: the job list has 27.
constexpr int listRows = 27;

// The filter of an open line of the company: confirmed, with a quantity left to invoice.
// The start-up's partial index on sale_order_line holds exactly these lines.
std::string openLine(int companyId)
{
    return " where sl.company_id=" + text(companyId) +
           " and sl.state='sale' and sl.qty_to_invoice>0";
}

// The open lines from `firstOpenLine` on.
std::string fromFirstOpenLine(int companyId, long long firstOpenLine)
{
    return openLine(companyId) + " and sl.id>=" + text(firstOpenLine);
}

// The jobs of line sl, looked for from `firstOpenLine` on; `condition` narrows them by
// status.
std::string jobsOfLine(long long firstOpenLine, const std::string &condition = {})
{
    return "select 1 from brontalo_schedule as s where s.solineid=sl.id and s.solineid>=" +
           text(firstOpenLine) + condition;
}

} // namespace

std::string companyName(int companyId)
{
    return "SELECT name FROM res_company WHERE id=" + text(companyId);
}

std::string openLinesWithNames(int companyId)
{
    return orderLineColumns + namesOfLine + openLine(companyId) + " order by sl.id";
}

std::string firstOpenLine(int companyId)
{
    return "select min(sl.id) from sale_order_line as sl" + openLine(companyId);
}

std::string pendingLines(int companyId, long long firstOpenLine)
{
    return orderLineColumns + namesOfLine + fromFirstOpenLine(companyId, firstOpenLine) +
           " and not exists(" + jobsOfLine(firstOpenLine) + ") order by sl.id LIMIT " +
           text(listRows);
}

std::string openLinesPerLiveJob(int companyId)
{
    return orderLineColumns +
           "from sale_order_line as sl JOIN brontalo_schedule as s on sl.id=s.solineid JOIN "
           "sale_order as so ON sl.order_id=so.id JOIN res_partner as c ON so.partner_id=c.id "
           "where sl.company_id=" +
           text(companyId) +
           " and sl.state='sale' and sl.qty_to_invoice>0 and s.status>0 order by sl.id";
}

std::string dispatchLines(int companyId, long long firstOpenLine)
{
    return orderLineColumns + namesOfLine + fromFirstOpenLine(companyId, firstOpenLine) +
           " and exists(" + jobsOfLine(firstOpenLine, " and s.status>0") + ") and not exists(" +
           jobsOfLine(firstOpenLine, " and s.status in(1,2,3)") + ") order by sl.id LIMIT " +
           text(listRows);
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
           "sale_order_line as sl JOIN sale_order as so ON sl.order_id=so.id" +
           openLine(companyId) + " order by sl.id";
}

std::string unplannedOpenLines(int companyId, long long firstOpenLine)
{
    return "select sl.id,sl.product_id,sl.qty_to_invoice,so.commitment_date,so.date_order from "
           "sale_order_line as sl JOIN sale_order as so ON sl.order_id=so.id" +
           fromFirstOpenLine(companyId, firstOpenLine) + " and not exists(" +
           jobsOfLine(firstOpenLine) + ") order by sl.id";
}

} // namespace data::erp
