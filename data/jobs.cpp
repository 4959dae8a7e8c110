#include "data/jobs.h"

#include <cstdio>

namespace data::jobs {

int nextStatusOnClick(int status)
{
    switch (status) {
    case InProgress:
        return Paused;
    case Paused:
        return Completed;
    default:
        return InProgress;
    }
}

std::string statusText(int status)
{
    switch (status) {
    case InProgress:
        return "in progress";
    case Paused:
        return "paused";
    case Completed:
        return "completed";
    default:
        return {};
    }
}

std::string linesWithAnyJob() { return "select distinct solineid from brontalo_schedule"; }

std::string linesWithUnfinishedJobs()
{
    return "select distinct solineid from brontalo_schedule where status in(1,2,3)";
}

std::string setStatus(long long jobId, int status)
{
    return "update brontalo_schedule set status=" + std::to_string(status) +
           " where id=" + std::to_string(jobId);
}

std::string setSequences(const std::vector<QueuePosition> &positions)
{
    std::string values;
    for (const QueuePosition &p : positions)
        values += (values.empty() ? "(" : ",(") + std::to_string(p.jobId) + "," +
                  std::to_string(p.position) + ")";
    return "update brontalo_schedule as j set sequence=v.position from (values " + values +
           ") as v(id,position) where j.id=v.id";
}

std::string setWorkCentre(long long jobId, int workCentreSlot)
{
    return "update brontalo_schedule set workcenterid=" + std::to_string(workCentreSlot) +
           " where id=" + std::to_string(jobId);
}

std::string jobRow(long long jobId)
{
    return "select * from brontalo_schedule where id=" + std::to_string(jobId);
}

std::string sqlDate(dbaccess::Date date)
{
    char text[16];
    std::snprintf(text, sizeof text, "'%04d/%02d/%02d'", date.year(), date.month(), date.day());
    return text;
}

std::string liveJobsOfWorkCentreBefore(int workCentreSlot, dbaccess::Date before)
{
    return "select startdate as scheduledStart,runhours from brontalo_schedule where status>0 "
           "and workcenterid=" +
           std::to_string(workCentreSlot) + " and startdate<" + sqlDate(before) +
           " order by startdate,sequence";
}

std::string liveHoursPerSlot(int workCentreSlot, const std::vector<dbaccess::Date> &slotEnds)
{
    std::string slot = "case";
    for (std::size_t i = 0; i < slotEnds.size(); ++i)
        slot += " when startdate<" + sqlDate(slotEnds[i]) + " then " + std::to_string(i);
    slot += " end";
    return "select " + slot + " as slot,sum(runhours) as runhours from brontalo_schedule where "
           "status>0 and workcenterid=" + std::to_string(workCentreSlot) + " and startdate<" +
           sqlDate(slotEnds.back()) + " group by 1";
}

std::string liveJobsBefore(dbaccess::Date before)
{
    return "select workcenterid,startdate,runhours from brontalo_schedule where startdate<" +
           sqlDate(before) + " and status>0";
}

std::string liveHoursPerDay(dbaccess::Date from, dbaccess::Date before, int slots)
{
    std::string slotList;
    for (int slot = 1; slot <= slots; ++slot)
        slotList += (slot > 1 ? "," : "") + std::to_string(slot);
    // Summed per slot and start day first, in the order the strip's index holds the
    // jobs, which needs no hashing; the few sums of days before `from` then add up.
    return "select workcenterid,greatest(startdate," + sqlDate(from) +
           ") as startdate,sum(runhours) as runhours from (select workcenterid,startdate,"
           "sum(runhours) as runhours from brontalo_schedule where workcenterid in(" +
           slotList + ") and startdate<" + sqlDate(before) +
           " and status>0 group by 1,2) as day group by 1,2";
}

std::string liveJobsOfLine(long long lineId, int loadedWorkCentres)
{
    return "select workcenterid,startdate as scheduledStart from brontalo_schedule where "
           "status>0 and workcenterid<=" +
           std::to_string(loadedWorkCentres) + " and solineid=" + std::to_string(lineId) +
           " order by workcenterid";
}

std::string firstLiveJobOfLine(long long lineId)
{
    return "select workcenterid, startdate from brontalo_schedule where status>0 and solineid=" +
           std::to_string(lineId) + " order by workcenterID,startdate,id LIMIT 1";
}

} // namespace data::jobs
