#include "engine/load_forecast.h"

#include "data/each_row.h"
#include "data/jobs.h"
#include "dbaccess/record_set.h"
#include "dbaccess/startup.h"

#include <algorithm>

namespace engine {

using dbaccess::Date;
using dbaccess::Decimal;

Decimal capacityOn(const WorkCentreCapacity &workCentre, Date date)
{
    if (date.isSaturday() && !workCentre.saturdayWorked)
        return {};
    if (date.isSunday() && !workCentre.sundayWorked)
        return {};
    return workCentre.dailyHours;
}

LoadPicture loadPicture(Decimal load, Decimal capacity)
{
    if (capacity > load.rounded(0))
        return BelowCapacity;
    if (load > capacity.rounded(0))
        return AboveCapacity;
    return AtCapacity;
}

LoadForecast computeLoadForecast(const std::vector<ForecastJob> &jobs,
                                 std::span<const WorkCentreCapacity> workCentres, Date currentDate)
{
    LoadForecast forecast;
    forecast.slotCount = int(workCentres.size());
    forecast.load.assign(workCentres.size() * forecastDayCount, Decimal());

    for (const ForecastJob &job : jobs) {
        if (job.slot < 1 || job.slot > forecast.slotCount)
            continue;
        int day = currentDate.daysTo(job.start);
        if (day < 0)
            day = 0;
        if (day >= forecastDayCount)
            continue;
        forecast.load[std::size_t(job.slot - 1) * forecastDayCount + std::size_t(day)] +=
            job.runHours;
    }

    const int drawn = std::min(forecast.slotCount, forecastDrawnSlots);
    for (int slot = 1; slot <= drawn; ++slot) {
        const WorkCentreCapacity &workCentre = workCentres[std::size_t(slot - 1)];
        for (int day = 0; day < forecastDayCount; ++day) {
            const Decimal load = forecast.loadAt(slot, day);
            if (load > Decimal())
                forecast.cells.push_back(
                    {slot, day,
                     loadPicture(load, capacityOn(workCentre, currentDate.addDays(day)))});
        }
    }
    return forecast;
}

std::vector<ForecastJob> readForecastJobs(dbaccess::RecordSet &rs, Date currentDate, int slots)
{
    std::vector<ForecastJob> jobs;
    if (slots < 1)
        return jobs;
    const auto sql =
        data::jobs::liveHoursPerDay(currentDate, currentDate.addDays(forecastDayCount), slots);
    data::eachRow(rs, sql, [&] {
        const dbaccess::Value &hours = rs.field(2);
        jobs.push_back({int(rs.field(0).toInt()), rs.field(1).toDate(),
                        hours.isNull() ? Decimal() : hours.toDecimal()});
    });
    return jobs;
}

LoadForecast ForecastLoad(dbaccess::Database &database,
                          std::span<const WorkCentreCapacity> workCentres, Date currentDate)
{
    return computeLoadForecast(
        readForecastJobs(database.rsMain, currentDate, int(workCentres.size())), workCentres,
        currentDate);
}

} // namespace engine
