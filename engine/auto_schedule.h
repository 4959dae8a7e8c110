#pragma once

#include "data/planning.h"
#include "dbaccess/date.h"
#include "dbaccess/decimal.h"
#include "dbaccess/value.h"

#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
struct Database;
}

namespace engine {

// The date a line is due: the commitment date, else the order date, else
// `currentDate`. A timestamp counts by its date alone.
dbaccess::Date dueDateOf(const dbaccess::Value &commitmentDate, const dbaccess::Value &orderDate,
                         dbaccess::Date currentDate);

// Steps of a route: they run from step 1 up to the step before the first empty one.
// Step 1 always counts, even when empty (such a route then plans nothing).
int routeStepCount(const data::planning::RouteSteps &route);

// Hours of one job: quantity / run rate (no rate or rate 0 gives 0), raised to the
// step's minimum and to at least 0.08, to the three places the schedule stores.
dbaccess::Decimal runHoursOf(dbaccess::Decimal quantity, const data::planning::RouteStep &step);

// The jobs of one line, planned backwards from `dueDate`: the last step starts on the
// working day before the due date, each earlier step on the working day before the
// next one. Empty when the route's first step is empty.
std::vector<data::planning::NewJob> planLine(dbaccess::Date dueDate, dbaccess::Decimal quantity,
                                             const data::planning::RouteSteps &route);

// Why a line's planned jobs cannot be stored, or nothing: hours beyond what a job's
// runhours column holds (999999.999), or a start before the year 1.
std::optional<std::string> whyJobsCannotBeStored(const std::vector<data::planning::NewJob> &jobs);

// An open line the run left unplanned because its jobs could not be stored.
struct LineNotPlanned
{
    std::int64_t lineId = 0;
    std::string reason;
};

struct AutoScheduleResult
{
    int linesPlanned = 0;
    int jobsInserted = 0;
    std::vector<LineNotPlanned> notPlanned; // tried again by every later run
};

// Plans every open line of `companyId` that has no job row yet, whatever the status
// of its rows, along its product's route type, in ascending line id. Lines whose
// product has no route type (or a route id not above 0, or no such route) are left
// for a later run. Each line's jobs are written whole or not at all; an error stops
// the run, and the lines planned before it stay planned.
AutoScheduleResult AutoSchedule(dbaccess::Database &db, int companyId, dbaccess::Date currentDate);

} // namespace engine
