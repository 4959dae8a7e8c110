#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"
#include "engine/job_list.h"

#include <span>
#include <vector>

namespace dbaccess {
struct Database;
class RecordSet;
} // namespace dbaccess

namespace engine {

// The capacity panel: 23 days from the working date, one row per work centre, of
// which the first 15 are drawn.
inline constexpr int forecastDayCount = 23;
inline constexpr int forecastDrawnSlots = 15;

// The pictures of a load block.
enum LoadPicture : int
{
    AtCapacity = 0,
    BelowCapacity = 1,
    AboveCapacity = 2,
};

// Live hours booked on one work-centre slot for one start date. Several rows may
// name the same slot and date; they add up.
struct ForecastJob
{
    int slot = 0; // the job's workcenterid: 1-based work-centre slot
    dbaccess::Date start;
    dbaccess::Decimal runHours;
};

// One block to draw: row slot − 1, column day.
struct ForecastCell
{
    int slot = 0;
    int day = 0;
    int picture = AtCapacity;

    bool operator==(const ForecastCell &) const = default;
};

struct LoadForecast
{
    int slotCount = 0;
    // Hours per slot and day, row by row: slot s, day d at (s − 1) × 23 + d.
    std::vector<dbaccess::Decimal> load;
    // The blocks of the drawn rows, slot by slot and day by day, in drawing order.
    std::vector<ForecastCell> cells;

    dbaccess::Decimal loadAt(int slot, int day) const
    {
        return load[std::size_t(slot - 1) * forecastDayCount + std::size_t(day)];
    }
};

// Daily hours of the work centre, or 0 on a Saturday or Sunday it does not work.
dbaccess::Decimal capacityOn(const WorkCentreCapacity &workCentre, dbaccess::Date date);

// Below capacity if the capacity exceeds the load rounded to whole hours, above if the
// load exceeds the capacity rounded, at capacity otherwise (halves round to even).
LoadPicture loadPicture(dbaccess::Decimal load, dbaccess::Decimal capacity);

// Totals the jobs per slot and day (jobs before `currentDate` count on day 0, jobs of
// slots that are not loaded and jobs after the 23 days nowhere) and picks the block
// of every loaded cell of the first 15 slots. `workCentres` holds slot s at s − 1.
LoadForecast computeLoadForecast(const std::vector<ForecastJob> &jobs,
                                 std::span<const WorkCentreCapacity> workCentres,
                                 dbaccess::Date currentDate);

// The live hours of every company on work-centre slots 1 … `slots` starting before the
// end of the 23 days, summed per slot and day by the database (overdue ones on the
// first). Jobs of other slots are left in the database: the forecast has no row for them.
std::vector<ForecastJob> readForecastJobs(dbaccess::RecordSet &rs, dbaccess::Date currentDate,
                                          int slots);

// Reads the live jobs through rsMain and computes the forecast.
LoadForecast ForecastLoad(dbaccess::Database &database,
                          std::span<const WorkCentreCapacity> workCentres,
                          dbaccess::Date currentDate);

} // namespace engine
