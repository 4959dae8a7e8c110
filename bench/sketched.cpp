#include "bench/sketched.h"

#include "data/erp_queries.h"
#include "data/jobs.h"
#include "data/list_rows.h"
#include "data/planning.h"
#include "dbaccess/startup.h"
#include "engine/date_text.h"

#include <algorithm>
#include <vector>

namespace bench {

using dbaccess::Date;

namespace {

std::vector<std::int64_t> lineIdArray(dbaccess::RecordSet &rs, const std::string &sql)
{
    std::vector<std::int64_t> ids;
    rs.open(sql);
    for (; !rs.eof(); rs.moveNext())
        if (!rs.field(0).isNull())
            ids.push_back(rs.field(0).toInt());
    rs.close();
    return ids;
}

bool searched(const std::vector<std::int64_t> &ids, std::int64_t id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

} // namespace

engine::AutoScheduleResult statementPerStepPlanning(dbaccess::Database &db, int companyId,
                                                   Date currentDate)
{
    const auto scheduled = lineIdArray(db.rsMain, data::jobs::linesWithAnyJob());

    engine::AutoScheduleResult result;
    auto &rsMain = db.rsMain;
    auto &rsAux = db.rsAux;
    auto &rsEdit = db.rsEdit;
    rsMain.open(data::erp::openLinesToPlan(companyId));
    for (; !rsMain.eof(); rsMain.moveNext()) {
        const std::int64_t lineId = rsMain.field("id").toInt();
        if (searched(scheduled, lineId))
            continue;
        rsAux.open("select routeid from brontalo_productroute where product_id=" +
                   std::to_string(rsMain.field("product_id").toInt()));
        std::int64_t routeId = 0;
        if (rsAux.recordCount() > 0)
            routeId = rsAux.field("routeid").toInt();
        rsAux.close();
        if (routeId <= 0)
            continue;
        const Date due = engine::dueDateOf(rsMain.field("commitment_date"),
                                           rsMain.field("date_order"), currentDate);
        rsAux.open("select * from brontalo_route where id=" + std::to_string(routeId) +
                   " order by sequence");
        if (rsAux.recordCount() == 0) {
            rsAux.close();
            continue;
        }
        rsEdit.open("select * from brontalo_schedule");
        auto stepSlot = [&](int k) {
            const auto &v = rsAux.field("step" + std::to_string(k));
            return v.isNull() ? 0 : int(v.toInt());
        };
        int n = 1;
        for (int k = 2; k <= 10 && stepSlot(k) > 0; ++k)
            n = k;
        std::vector<Date> dates(n + 1);
        Date d = due;
        for (int a = n; a >= 0; --a) {
            dates[a] = d;
            d = engine::previousWorkingDay(d);
        }
        const auto quantity = rsMain.field("qty_to_invoice").toDecimal();
        for (int l = 1; l <= n && stepSlot(l) > 0; ++l) {
            data::planning::RouteStep step;
            step.slot = stepSlot(l);
            const auto &rate = rsAux.field("runrate" + std::to_string(l));
            const auto &least = rsAux.field("minhours" + std::to_string(l));
            if (!rate.isNull())
                step.runRate = rate.toDecimal();
            if (!least.isNull())
                step.minHours = least.toDecimal();
            rsEdit.addNew();
            rsEdit.setField("sequence", 0);
            rsEdit.setField("status", data::jobs::Scheduled);
            rsEdit.setField("solineid", lineId);
            rsEdit.setField("workcenterid", step.slot);
            rsEdit.setField("runhours", engine::runHoursOf(quantity, step));
            rsEdit.setField("startdate", dates[l - 1]);
            rsEdit.update();
            ++result.jobsInserted;
            if (l == 1)
                ++result.linesPlanned;
        }
        rsEdit.close();
        rsAux.close();
    }
    rsMain.close();
    return result;
}

engine::JobListResult rowByRowJobList(dbaccess::Database &db, const engine::JobListRequest &request,
                                      const engine::CalendarDays &days)
{
    namespace views = engine::views;
    auto &rs = db.rsMain;
    std::vector<std::int64_t> excluded;
    std::vector<data::OrderLineRow> rows;
    if (request.selectedWc == views::pending) {
        excluded = lineIdArray(rs, data::jobs::linesWithAnyJob());
        rows = data::readOrderLines(rs, data::erp::openLinesWithNames(request.companyId), false);
    } else if (request.selectedWc == views::dispatch) {
        excluded = lineIdArray(rs, data::jobs::linesWithUnfinishedJobs());
        rows = data::readOrderLines(rs, data::erp::openLinesPerLiveJob(request.companyId), false);
    } else {
        rows = data::readOrderLines(
            rs, data::erp::workCentreQueue(request.companyId, request.selectedWc), true);
    }
    // The excluded lines searched one by one, up to the 27 rows the list shows.
    std::vector<data::OrderLineRow> shown;
    std::int64_t previous = 0;
    for (auto &row : rows) {
        if (int(shown.size()) == engine::jobListRowCount)
            break;
        if (request.selectedWc == views::dispatch && row.lineId == previous)
            continue;
        previous = row.lineId;
        if (!searched(excluded, row.lineId))
            shown.push_back(std::move(row));
    }
    engine::SlotHours booked{};
    if (request.selectedWc >= 1)
        booked = engine::bookedHoursPerSlot(
            days, data::readBookedJobs(rs, data::jobs::liveJobsOfWorkCentreBefore(
                                               request.selectedWc,
                                               days[engine::calendarSlotCount - 1].end)));
    return engine::buildJobList(request, days, shown, {}, booked);
}

} // namespace bench
