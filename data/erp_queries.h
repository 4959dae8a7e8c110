#pragma once

#include <string>

// The texts of the queries on the ERP's tables, in one place. Ids and the company
// are written as plain decimal text; nothing typed by the user goes in here.
namespace data::erp {

// Name of the company the program works for.
std::string companyName(int companyId);

// The lowest id of the company's open lines (NULL when it has none). The reads below
// take it as `firstOpenLine`: no line below it is open, so they look at the jobs from
// that line on only and leave years of history aside, and the database plans them
// knowing how many jobs that is. A line that was below it and opened since is left for
// the next read, never read with half its jobs.
std::string firstOpenLine(int companyId);

// The first 27 open lines of the company that have no job row at all (whatever its
// status), in line order: the pending sales-order view.
std::string pendingLines(int companyId, long long firstOpenLine);
// The first 27 open lines that have live jobs and all of them completed, in line
// order, once each: the dispatch view.
std::string dispatchLines(int companyId, long long firstOpenLine);
// Every open line, and every open line once per live job: the forms the two views
// were read in before, which left the exclusion and the limit to the program. Only
// the benchmarks read them, as the row-by-row forms.
std::string openLinesWithNames(int companyId);
std::string openLinesPerLiveJob(int companyId);
// The first 27 live jobs of one work-centre slot, in queue order.
std::string workCentreQueue(int companyId, int workCentreSlot);
// One row per line that has a live job, for the search list.
std::string searchList(int companyId);
// Open lines with their due dates, for the auto-scheduler: those without any job
// row, and (for the row-by-row form of the benchmarks) all of them.
std::string unplannedOpenLines(int companyId, long long firstOpenLine);
std::string openLinesToPlan(int companyId);

} // namespace data::erp
