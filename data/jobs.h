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

// Every line that has a job row, whatever its status, and the lines that still have a
// scheduled, in-progress or paused job: the lists the pending and dispatch views left
// out before the database did it. Only the benchmarks read them, in the row-by-row forms.
std::string linesWithAnyJob();
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

// Live jobs of one work-centre slot starting before `before`, one row each: the strip's
// load as it was read before the database summed it (benchmarks and tests compare).
std::string liveJobsOfWorkCentreBefore(int workCentreSlot, dbaccess::Date before);
// Live hours of one work-centre slot summed per calendar slot by the database, for the
// strip: a job counts in the first slot whose end (`slotEnds`, ascending) is after its
// start, so one that started before the strip in slot 0, and one that starts on or
// after the last end nowhere. Columns: slot index, hours; one row per slot with jobs.
std::string liveHoursPerSlot(int workCentreSlot, const std::vector<dbaccess::Date> &slotEnds);
// All live jobs starting before `before`, one row each: the load forecast's read in
// the row-by-row form of its benchmark.
std::string liveJobsBefore(dbaccess::Date before);
// The live jobs of work-centre slots 1 … `slots` starting before `before`, summed per
// slot and start day by the database, overdue jobs on `from`: at most one row per slot
// and day, however many jobs there are. Each slot is one range of the strip's index.
std::string liveHoursPerDay(dbaccess::Date from, dbaccess::Date before, int slots);
// Live jobs of one line at the loaded work centres, for showing its route.
std::string liveJobsOfLine(long long lineId, int loadedWorkCentres);
// The live job of a line at the lowest work-centre slot, for the search jump.
std::string firstLiveJobOfLine(long long lineId);

// A date as SQL text: 'yyyy/mm/dd' between single quotes.
std::string sqlDate(dbaccess::Date date);

} // namespace data::jobs
