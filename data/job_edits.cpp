#include "data/job_edits.h"

#include "data/each_row.h"
#include "data/jobs.h"
#include "dbaccess/record_set.h"

namespace data {

std::vector<RouteStop> readLineRoute(dbaccess::RecordSet &rs, std::int64_t lineId,
                                     int loadedWorkCentres)
{
    std::vector<RouteStop> stops;
    eachRow(rs, jobs::liveJobsOfLine(lineId, loadedWorkCentres), [&] {
        stops.push_back(
            {int(rs.field("workcenterid").toInt()), rs.field("scheduledStart").toDate()});
    });
    return stops;
}

bool saveJobEdits(dbaccess::RecordSet &rsEdit, std::int64_t jobId,
                  const std::optional<dbaccess::Decimal> &runHours,
                  const std::optional<std::string> &comment)
{
    OpenResult open(rsEdit, jobs::jobRow(jobId));
    const bool found = rsEdit.recordCount() > 0;
    if (found && runHours) {
        rsEdit.setField("runhours", *runHours);
        rsEdit.update();
    }
    if (found && comment) {
        rsEdit.setField("comment", *comment);
        rsEdit.update();
    }
    return found;
}

} // namespace data
