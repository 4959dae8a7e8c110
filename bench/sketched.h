#pragma once

#include "dbaccess/date.h"
#include "engine/auto_schedule.h"
#include "engine/calendar_strip.h"
#include "engine/job_list.h"

namespace dbaccess {
struct Database;
}

// The statement-per-row forms the program's routines are measured against: every
// planned line id read into an array and searched one by one, a query for the route
// type and one for the route per line, one insert per job through the updatable set,
// every open line read for the pending and dispatch views, every live job of the
// work centre read for the strip. They produce what the program's own routines do.
namespace bench {

engine::AutoScheduleResult statementPerStepPlanning(dbaccess::Database &db, int companyId,
                                                   dbaccess::Date currentDate);

engine::JobListResult rowByRowJobList(dbaccess::Database &db,
                                      const engine::JobListRequest &request,
                                      const engine::CalendarDays &days);

} // namespace bench
