#pragma once

#include "dbaccess/decimal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
class RecordSet;
}

// Route types and the route type of each product: the statements of the route-types
// panel and of the route path editor.
namespace data::routes {

// A route type has the steps step1 … step10.
inline constexpr int maxSteps = 10;

// The largest rate or minimum the columns numeric(9,3) hold.
dbaccess::Decimal largestStepNumber();

// One step of a route as it is stored: the work-centre slot, its production rate
// (units per hour) and its minimum run time (hours).
struct Step
{
    int slot = 0;
    dbaccess::Decimal runRate;
    dbaccess::Decimal minHours;
};

// The rates and minimum hours a route row holds, step 1 … 10 at index 0 … 9; NULL
// columns are empty.
struct StoredRates
{
    std::array<std::optional<dbaccess::Decimal>, maxSteps> runRate;
    std::array<std::optional<dbaccess::Decimal>, maxSteps> minHours;
};

std::string routeRow(std::int64_t routeId);
std::string allRoutes();
std::string productRoute(std::int64_t productId, std::int64_t routeId);

// Ties a product to a route type unless that pair is stored already; true when a row
// was written. The product's other route types stay.
bool assignProductRoute(dbaccess::RecordSet &rsEdit, std::int64_t productId, std::int64_t routeId);

// The stored rates of a route, or nothing when its row is gone.
std::optional<StoredRates> readStoredRates(dbaccess::RecordSet &rs, std::int64_t routeId);

// Stores a new active route type with its steps in route order and gives the id the
// database assigned it. The name goes in as a bound value.
std::int64_t createRoute(dbaccess::RecordSet &rsEdit, int sequence, const std::string &name,
                         const std::vector<Step> &steps);

// Renames a route type and gives it these steps in one row write; the steps after the
// new last one (step, rate and minimum) become NULL. False when the row is gone; then
// nothing is written.
bool applyRoute(dbaccess::RecordSet &rsEdit, std::int64_t routeId, const std::string &name,
                const std::vector<Step> &steps);

} // namespace data::routes
