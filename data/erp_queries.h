#pragma once

#include <string>

// The texts of the queries on the ERP's tables, in one place. Ids and the company
// are written as plain decimal text; nothing typed by the user goes in here.
namespace data::erp {

// Name of the company the program works for.
std::string companyName(int companyId);

// Open lines of the company, for the pending sales-order view.
std::string pendingLines(int companyId);
// Open lines joined to each of their live jobs, for the dispatch view.
std::string dispatchLines(int companyId);
// The first 27 live jobs of one work-centre slot, in queue order.
std::string workCentreQueue(int companyId, int workCentreSlot);
// One row per line that has a live job, for the search list.
std::string searchList(int companyId);
// Open lines with their due dates, for the auto-scheduler.
std::string openLinesToPlan(int companyId);

} // namespace data::erp
