#include "data/planning.h"

#include "data/each_row.h"

#include "data/erp_queries.h"
#include "data/jobs.h"
#include "data/list_rows.h"
#include "dbaccess/error.h"
#include "dbaccess/record_set.h"
#include "dbaccess/startup.h"

#include <span>

namespace data::planning {

namespace {
constexpr int planningLockKey = 0x42524f4e; // "BRON"
}

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

std::string insertJobs()
{
    // Every value travels in an array as text and is cast to its column's type; the
    // ordinal keeps the ids in the order the jobs are given.
    return "insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,"
           "runhours) select j.slot,0," +
           std::to_string(jobs::Scheduled) +
           ",j.line,j.start,j.hours from unnest(CAST(? AS integer[]),CAST(? AS integer[]),"
           "CAST(? AS date[]),CAST(? AS numeric[])) with ordinality as j(slot,line,start,hours,n) "
           "order by j.n";
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

std::vector<OpenLine> readUnplannedLines(dbaccess::Database &database, int companyId)
{
    const auto first = readFirstOpenLine(database.rsMain, companyId);
    if (!first)
        return {};
    // Columns of the query: id, product_id, qty_to_invoice, commitment_date, date_order.
    OpenResult rs(database.rsMain, erp::unplannedOpenLines(companyId, *first));
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

// Appends one element to the text of an array: "{a,b,…".
void append(std::string &array, const std::string &element)
{
    array += array.empty() ? '{' : ',';
    array += element;
}

void writeJobs(dbaccess::Database &database, std::span<const LineJobs> lines)
{
    std::string slots, lineIds, starts, hours;
    for (const LineJobs &line : lines) {
        const std::string lineId = std::to_string(line.lineId);
        for (const NewJob &job : line.jobs) {
            append(slots, std::to_string(job.workCentreSlot));
            append(lineIds, lineId);
            append(starts, job.startDate.isoText());
            append(hours, job.runHours.toString());
        }
    }
    if (slots.empty())
        return;
    database.rsEdit.execute(insertJobs(),
                            {slots + '}', lineIds + '}', starts + '}', hours + '}'});
}

} // namespace

void insertJobsOfLine(dbaccess::Database &database, const LineJobs &line)
{
    writeJobs(database, {&line, 1});
}

void lockPlanningRun(dbaccess::Database &database, int companyId)
{
    // The first key says "a planning run of Brontalo", the second whose.
    eachRow(database.rsMain,
            "select pg_advisory_xact_lock(" + std::to_string(planningLockKey) + "," +
                std::to_string(companyId) + ")",
            [] {});
}

namespace {

// Runs `write`; inside a transaction a failed statement would spoil every later one, so
// there it is undone to a savepoint and the transaction goes on.
template <typename Write> void undoneWhenItFails(dbaccess::Database &database, Write write)
{
    const bool inTransaction = database.connection.inTransaction();
    if (inTransaction)
        database.rsEdit.execute("SAVEPOINT brontalo_jobs");
    try {
        write();
    } catch (const dbaccess::Error &) {
        if (inTransaction)
            database.rsEdit.execute("ROLLBACK TO SAVEPOINT brontalo_jobs");
        throw;
    }
}

} // namespace

void insertJobsOfLines(dbaccess::Database &database, const std::vector<LineJobs> &lines)
{
    try {
        undoneWhenItFails(database, [&] { writeJobs(database, lines); });
    } catch (const dbaccess::Error &error) {
        if (lines.size() <= 1 || error.connectionLost())
            throw;
        // The statement wrote nothing: redo it line by line to keep the lines before
        // the faulty one and to report the faulty line's own error.
        for (const LineJobs &line : lines)
            undoneWhenItFails(database, [&] { insertJobsOfLine(database, line); });
    }
}

} // namespace data::planning
