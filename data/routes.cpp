#include "data/routes.h"

#include "data/each_row.h"
#include "dbaccess/error.h"
#include "dbaccess/record_set.h"

namespace data::routes {

namespace {

std::string numbered(const char *column, int step)
{
    return column + std::to_string(step);
}

std::optional<dbaccess::Decimal> optionalDecimal(const dbaccess::Value &value)
{
    return value.isNull() ? std::nullopt : std::optional(value.toDecimal());
}

// Assigns the steps 1 … m and, for a row being changed, empties the steps after them.
void assignSteps(dbaccess::RecordSet &rsEdit, const std::vector<Step> &steps, bool clearRest)
{
    if (steps.size() > std::size_t(maxSteps))
        throw dbaccess::Error("a route has at most " + std::to_string(maxSteps) + " steps");
    for (int k = 1; k <= maxSteps; ++k) {
        if (k <= int(steps.size())) {
            const Step &step = steps[std::size_t(k - 1)];
            rsEdit.setField(numbered("step", k), step.slot);
            rsEdit.setField(numbered("runrate", k), step.runRate);
            rsEdit.setField(numbered("minhours", k), step.minHours);
        } else if (clearRest) {
            for (const char *column : {"step", "runrate", "minhours"})
                rsEdit.setField(numbered(column, k), dbaccess::Value());
        }
    }
}

} // namespace

dbaccess::Decimal largestStepNumber()
{
    return *dbaccess::Decimal::parse("999999.999");
}

std::string routeRow(std::int64_t routeId)
{
    return "select * from brontalo_route where id=" + std::to_string(routeId);
}

std::string allRoutes()
{
    return "select * from brontalo_route";
}

std::string productRoute(std::int64_t productId, std::int64_t routeId)
{
    return "select * from brontalo_productroute where product_id=" + std::to_string(productId) +
           " and routeid=" + std::to_string(routeId);
}

bool assignProductRoute(dbaccess::RecordSet &rsEdit, std::int64_t productId, std::int64_t routeId)
{
    OpenResult open(rsEdit, productRoute(productId, routeId));
    if (rsEdit.recordCount() > 0)
        return false;
    rsEdit.addNew();
    rsEdit.setField("product_id", productId);
    rsEdit.setField("routeid", routeId);
    rsEdit.update();
    return true;
}

std::optional<StoredRates> readStoredRates(dbaccess::RecordSet &rs, std::int64_t routeId)
{
    std::optional<StoredRates> rates;
    eachRow(rs, routeRow(routeId), [&] {
        StoredRates row;
        for (int k = 1; k <= maxSteps; ++k) {
            row.runRate[std::size_t(k - 1)] = optionalDecimal(rs.field(numbered("runrate", k)));
            row.minHours[std::size_t(k - 1)] = optionalDecimal(rs.field(numbered("minhours", k)));
        }
        rates = row;
    });
    return rates;
}

std::int64_t createRoute(dbaccess::RecordSet &rsEdit, int sequence, const std::string &name,
                         const std::vector<Step> &steps)
{
    OpenResult open(rsEdit, allRoutes());
    rsEdit.addNew();
    rsEdit.setField("sequence", sequence);
    rsEdit.setField("name", name);
    rsEdit.setField("active", 1);
    assignSteps(rsEdit, steps, false);
    rsEdit.update();
    return rsEdit.field("id").toInt();
}

bool applyRoute(dbaccess::RecordSet &rsEdit, std::int64_t routeId, const std::string &name,
                const std::vector<Step> &steps)
{
    OpenResult open(rsEdit, routeRow(routeId));
    if (rsEdit.recordCount() == 0)
        return false;
    rsEdit.setField("name", name);
    assignSteps(rsEdit, steps, true);
    rsEdit.update();
    return true;
}

} // namespace data::routes
