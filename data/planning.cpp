#include "data/planning.h"

#include "data/each_row.h"

#include "data/erp_queries.h"
#include "data/jobs.h"
#include "dbaccess/error.h"
#include "dbaccess/record_set.h"
#include "dbaccess/startup.h"

#include <span>

namespace data::planning {

namespace {

std::optional<dbaccess::Decimal> optionalDecimal(const dbaccess::Value &value)
{
    if (value.isNull())
        return std::nullopt;
    return value.toDecimal();
}

std::string numbered(const char *prefix)
{
    std::string columns;
    for (int n = 1; n <= maxRouteSteps; ++n)
        columns += std::string(",") + prefix + std::to_string(n);
    return columns;
}

} // namespace

std::string productRoutes()
{
    return "select product_id,routeid from brontalo_productroute order by id";
}

std::string routeSteps()
{
    return "select id" + numbered("step") + numbered("runrate") + numbered("minhours") +
           " from brontalo_route";
}

std::string insertJobs(std::size_t jobCount)
{
    // Every value travels as text and is cast to its column's type.
    const std::string row = "(CAST(? AS integer),0," + std::to_string(jobs::Scheduled) +
                            ",CAST(? AS integer),CAST(? AS date),CAST(? AS numeric))";
    std::string sql = "insert into brontalo_schedule(workcenterid,sequence,status,solineid,"
                      "startdate,runhours) values ";
    sql.reserve(sql.size() + jobCount * (row.size() + 1));
    for (std::size_t i = 0; i < jobCount; ++i)
        sql += (i == 0 ? "" : ",") + row;
    return sql;
}

std::unordered_map<std::int64_t, std::int64_t> readProductRoutes(dbaccess::Database &database)
{
    OpenResult rs(database.rsMain, productRoutes());
    std::unordered_map<std::int64_t, std::int64_t> routeOfProduct;
    for (; !rs->eof(); rs->moveNext()) {
        const auto &product = rs->field(0);
        const auto &route = rs->field(1);
        if (!product.isNull())
            routeOfProduct.try_emplace(product.toInt(), route.isNull() ? 0 : route.toInt());
    }
    return routeOfProduct;
}

std::unordered_map<std::int64_t, RouteSteps> readRoutes(dbaccess::Database &database)
{
    OpenResult rs(database.rsMain, routeSteps());
    std::unordered_map<std::int64_t, RouteSteps> routes;
    for (; !rs->eof(); rs->moveNext()) {
        RouteSteps steps;
        for (int k = 0; k < maxRouteSteps; ++k) {
            const auto &slot = rs->field(1 + k);
            steps[k].slot = slot.isNull() ? 0 : int(slot.toInt());
            steps[k].runRate = optionalDecimal(rs->field(1 + maxRouteSteps + k));
            steps[k].minHours = optionalDecimal(rs->field(1 + 2 * maxRouteSteps + k));
        }
        routes.emplace(rs->field(0).toInt(), steps);
    }
    return routes;
}

std::vector<OpenLine> readOpenLines(dbaccess::Database &database, int companyId)
{
    // Columns of the query: id, product_id, qty_to_invoice, commitment_date, date_order.
    OpenResult rs(database.rsMain, erp::openLinesToPlan(companyId));
    std::vector<OpenLine> lines;
    lines.reserve(rs->recordCount());
    for (; !rs->eof(); rs->moveNext()) {
        OpenLine line;
        line.id = rs->field(0).toInt();
        if (!rs->field(1).isNull())
            line.productId = rs->field(1).toInt();
        line.quantity = rs->field(2).toDecimal();
        line.commitmentDate = rs->field(3);
        line.orderDate = rs->field(4);
        lines.push_back(std::move(line));
    }
    return lines;
}

namespace {

void writeJobs(dbaccess::Database &database, std::span<const LineJobs> lines)
{
    std::size_t jobCount = 0;
    for (const LineJobs &line : lines)
        jobCount += line.jobs.size();
    if (jobCount == 0)
        return;
    std::vector<dbaccess::Value> parameters;
    parameters.reserve(jobCount * 4);
    for (const LineJobs &line : lines) {
        for (const NewJob &job : line.jobs) {
            parameters.emplace_back(job.workCentreSlot);
            parameters.emplace_back(line.lineId);
            parameters.emplace_back(job.startDate);
            parameters.emplace_back(job.runHours);
        }
    }
    database.rsEdit.execute(insertJobs(jobCount), parameters);
}

} // namespace

void insertJobsOfLine(dbaccess::Database &database, const LineJobs &line)
{
    writeJobs(database, {&line, 1});
}

void insertJobsOfLines(dbaccess::Database &database, const std::vector<LineJobs> &lines)
{
    try {
        writeJobs(database, lines);
    } catch (const dbaccess::Error &) {
        if (lines.size() <= 1)
            throw;
        // The statement wrote nothing: redo it line by line to keep the lines before
        // the faulty one and to report the faulty line's own error.
        for (const LineJobs &line : lines)
            insertJobsOfLine(database, line);
    }
}

} // namespace data::planning
