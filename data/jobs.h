#pragma once

#include "dbaccess/date.h"

#include <string>
#include <vector>

// Scheduled jobs: their status codes and the statements that read and change them.
namespace data::jobs {

enum Status : int {
    Removed = 0,
    Scheduled = 1,
    InProgress = 2,
    Paused = 3,
    Completed = 4,
};

// The status a click on the row's status picture moves a job to:
// scheduled → in progress → paused → completed → in progress.
int nextStatusOnClick(int status);
// The tool tip of a status ("in progress", "paused", "completed"), empty otherwise.
std::string statusText(int status);

// Every line that has a job row, whatever its status.
std::string linesWithAnyJob();
// Lines that still have a scheduled, in-progress or paused job.
std::string linesWithUnfinishedJobs();

std::string setStatus(long long jobId, int status);
// One statement that gives each listed job its queue position, so that a failure
// leaves every position as it was. Ids and positions go in as decimal text.
struct QueuePosition
{
    long long jobId = 0;
    int position = 0;
};
std::string setSequences(const std::vector<QueuePosition> &positions);
std::string setWorkCentre(long long jobId, int workCentreSlot);
// The job's row for changing run hours and comment through the updatable set.
std::string jobRow(long long jobId);

// Live jobs of one work-centre slot starting before `before`, for the strip's load.
std::string liveJobsOfWorkCentreBefore(int workCentreSlot, dbaccess::Date before);
// All live jobs starting before `before`, for the load forecast.
std::string liveJobsBefore(dbaccess::Date before);
// The same jobs summed per work-centre slot and start day by the database, overdue
// jobs on `from`: at most one row per slot and day, however many jobs there are.
std::string liveHoursPerDay(dbaccess::Date from, dbaccess::Date before);
// Live jobs of one line at the loaded work centres, for showing its route.
std::string liveJobsOfLine(long long lineId, int loadedWorkCentres);
// The live job of a line at the lowest work-centre slot, for the search jump.
std::string firstLiveJobOfLine(long long lineId);

// A date as SQL text: 'yyyy/mm/dd' between single quotes.
std::string sqlDate(dbaccess::Date date);

} // namespace data::jobs
