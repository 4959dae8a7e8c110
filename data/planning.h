#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"
#include "dbaccess/value.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace dbaccess {
struct Database;
}

// What the auto-scheduler reads and writes. Each read is a query or two for the whole
// run, held in memory with hashed look-ups; the jobs of a line are only ever written
// in the same statement, so a line has all its jobs or none.
namespace data::planning {

inline constexpr int maxRouteSteps = 10;

struct RouteStep
{
    int slot = 0; // work-centre slot; NULL reads as 0, and anything not above 0 is empty
    std::optional<dbaccess::Decimal> runRate;  // units per hour
    std::optional<dbaccess::Decimal> minHours; // least hours booked for the step
};
using RouteSteps = std::array<RouteStep, maxRouteSteps>;

// An open sales-order line with what planning needs of it.
struct OpenLine
{
    std::int64_t id = 0;
    std::optional<std::int64_t> productId;
    dbaccess::Decimal quantity;
    dbaccess::Value commitmentDate; // timestamp or NULL
    dbaccess::Value orderDate;      // timestamp or NULL
};

// One job row to insert: sequence 0, status scheduled.
struct NewJob
{
    int workCentreSlot = 0;
    dbaccess::Date startDate;
    dbaccess::Decimal runHours;

    bool operator==(const NewJob &) const = default;
};

// The jobs planned for one line.
struct LineJobs
{
    std::int64_t lineId = 0;
    std::vector<NewJob> jobs;
};

// The route type of every product, oldest assignment row first.
std::string productRoutes();
// Steps, run rates and minimum hours of every route type.
std::string routeSteps();
// Inserts any number of jobs in one statement, in the order given: four parameters,
// each an array as text ('{1,2}'), of the slots, line ids, start dates and run hours.
std::string insertJobs();
// Lines whose jobs go into one statement: a run of 10,000 lines takes two.
inline constexpr std::size_t linesPerStatement = 5000;

// Product id → route id of the product's assignment row with the lowest id (0 when
// that row's route id is NULL). Rows without a product are left out.
std::unordered_map<std::int64_t, std::int64_t> readProductRoutes(dbaccess::Database &database);
// Route id → its ten steps.
std::unordered_map<std::int64_t, RouteSteps> readRoutes(dbaccess::Database &database);
// The company's open lines that have no job row at all, in ascending line id.
std::vector<OpenLine> readUnplannedLines(dbaccess::Database &database, int companyId);

// Waits until no other planning run of the company holds its lock, and holds it until
// the end of the transaction it is taken in: two program instances that plan at the
// same moment plan one after the other, and the second finds the first's jobs.
void lockPlanningRun(dbaccess::Database &database, int companyId);

// Inserts the jobs of one line in a single statement, so that a failure leaves the
// line without any row. Does nothing for an empty list.
void insertJobsOfLine(dbaccess::Database &database, const LineJobs &line);
// Inserts the jobs of several lines (up to `linesPerStatement`) in a single statement.
// Should it fail, it wrote nothing, and the lines are inserted again one statement
// each, in order: the lines before the failing one end up planned, and that line's own
// error is thrown.
void insertJobsOfLines(dbaccess::Database &database, const std::vector<LineJobs> &lines);

} // namespace data::planning
