#include "engine/job_list.h"

#include "data/erp_queries.h"
#include "data/jobs.h"
#include "dbaccess/startup.h"
#include "engine/date_text.h"

#include <algorithm>

namespace engine {

using dbaccess::Decimal;

namespace {

bool isWorkCentreRowView(int selectedWc) { return selectedWc > 0 && selectedWc < 90; }

Rgb statusBackground(int status)
{
    switch (status) {
    case data::jobs::InProgress:
        return colours::inProgress;
    case data::jobs::Paused:
        return colours::paused;
    case data::jobs::Completed:
        return colours::completed;
    default:
        return colours::white;
    }
}

} // namespace

int statusPicture(int status)
{
    switch (status) {
    case data::jobs::InProgress:
        return 0;
    case data::jobs::Paused:
        return 1;
    case data::jobs::Completed:
        return 2;
    default:
        return 3;
    }
}

namespace {

JobRowView rowView(const JobListRequest &request, const data::OrderLineRow &row, int index,
                   Decimal &total)
{
    JobRowView view;
    view.order = row.orderName;
    view.lineId = row.lineId;
    if (const auto due = row.commitmentDate ? row.commitmentDate : row.orderDate)
        view.due = dueDateText(*due, *request.monthNames);
    view.quantity = row.quantity.rounded(0).toString();
    if (isWorkCentreRowView(request.selectedWc)) {
        if (!request.productionList) {
            int n = row.startDate ? request.currentDate.daysTo(*row.startDate) : 0;
            if (n < 0)
                n = 0;
            view.orderColour = n == request.selectedDay ? colours::dayGreen : colours::silver;
        }
        if (row.runHours) {
            const Decimal hours = row.runHours->rounded(1);
            view.hours = hours.toString();
            total += hours;
        }
        if (request.calendarMode == Daily)
            view.position = std::to_string(index + 1);
        if (row.comment)
            view.note = *row.comment;
        view.jobId = row.jobId;
        if (request.productionList)
            view.statusPicture = statusPicture(row.status);
        else
            view.positionBackground = statusBackground(row.status);
    } else if (request.selectedWc == views::pending) {
        view.note = "[Select Route type]";
    }
    view.description = row.lineName;
    view.productId = row.productId;
    view.customer = row.customerName;
    return view;
}

// Capacity of one slot in whole hours, each step rounded half to even.
Decimal slotCapacity(const JobListRequest &request, const CalendarSlot &slot, int index)
{
    const WorkCentreCapacity &wc = request.capacity;
    if (slot.end > slot.start.addDays(1)) {
        Decimal c = (Decimal::fromInt(5) * wc.dailyHours).rounded(0);
        if (wc.saturdayWorked)
            c = (c + wc.dailyHours).rounded(0);
        if (wc.sundayWorked)
            c = (c + wc.dailyHours).rounded(0);
        return c;
    }
    const dbaccess::Date day = request.currentDate.addDays(index);
    if ((day.isSunday() && !wc.sundayWorked) || (day.isSaturday() && !wc.saturdayWorked))
        return {};
    return wc.dailyHours.rounded(0);
}

std::array<StripSlotView, calendarSlotCount>
stripLook(const JobListRequest &request, const CalendarDays &days,
          const std::array<Decimal, calendarSlotCount> &booked)
{
    std::array<StripSlotView, calendarSlotCount> strip;
    Decimal bookedSum;
    Decimal capacitySum;
    const Decimal one = Decimal::fromInt(1);
    const Decimal two = Decimal::fromInt(2);
    const Decimal eight = Decimal::fromInt(8);
    for (int i = 0; i < calendarSlotCount; ++i) {
        StripSlotView &view = strip[i];
        const Decimal c = slotCapacity(request, days[i], i);
        const Decimal b = booked[i];
        view.capacityText = c < one ? std::string() : c.toString();
        bookedSum += b;
        capacitySum += c;

        if (b.rounded(2) > c) {
            view.picture = 4;
            view.freeText = "(" + (b - c).rounded(0).toString() + ")";
            view.freeColour = colours::overdueRed;
        } else if (b == c && c > Decimal()) {
            view.picture = 0;
        } else if (b.isZero() && c < two) {
            view.picture = 5;
        } else if (b.isZero() && c < eight) {
            view.picture = 6;
        } else if (b.isZero()) {
            view.picture = 2;
        } else if (c > Decimal()) {
            view.picture = 1;
            view.freeText = "(" + (c - b).rounded(0).toString() + ")";
            view.freeColour = colours::freeGreen;
        }

        const dbaccess::Date day = request.currentDate.addDays(i);
        if (request.calendarMode == Daily && day.isWeekend())
            view.captionColour = colours::silver;
        else if (bookedSum > capacitySum)
            view.captionColour = colours::overdueRed;
        else
            view.captionColour = colours::darkGrey;
    }
    return strip;
}

} // namespace

SlotHours bookedHoursPerSlot(const CalendarDays &days, const std::vector<data::BookedJob> &jobs)
{
    SlotHours booked{};
    for (const auto &job : jobs) {
        // Slot ends ascend, so the first slot ending after the start is found by bisection.
        const auto slot = std::upper_bound(days.begin(), days.end(), job.start,
                                           [](dbaccess::Date start, const CalendarSlot &s) {
                                               return start < s.end;
                                           });
        if (slot != days.end())
            booked[std::size_t(slot - days.begin())] += job.runHours;
    }
    return booked;
}

SlotHours readBookedHours(dbaccess::RecordSet &rs, int workCentreSlot, const CalendarDays &days)
{
    std::vector<dbaccess::Date> ends;
    for (const CalendarSlot &slot : days)
        ends.push_back(slot.end);
    SlotHours booked{};
    for (const auto &slot :
         data::readSlotHours(rs, data::jobs::liveHoursPerSlot(workCentreSlot, ends)))
        if (slot.slot >= 0 && slot.slot < calendarSlotCount)
            booked[std::size_t(slot.slot)] += slot.hours;
    return booked;
}

JobListResult buildJobList(const JobListRequest &request, const CalendarDays &days,
                           const std::vector<data::OrderLineRow> &rows,
                           const data::LineIdSet &excluded, const SlotHours &booked)
{
    JobListResult result;
    const bool excludes =
        request.selectedWc == views::pending || request.selectedWc == views::dispatch;
    Decimal total;
    std::int64_t previousId = 0;
    for (const auto &row : rows) {
        if (int(result.rows.size()) >= jobListRowCount)
            break;
        if (request.selectedWc == views::dispatch && row.lineId == previousId)
            continue;
        previousId = row.lineId;
        if (excludes && excluded.contains(row.lineId))
            continue;
        result.rows.push_back(rowView(request, row, int(result.rows.size()), total));
    }
    if (total > Decimal() && !request.productionList && request.selectedWc < views::dispatchedToday)
        result.total = "Total Hrs: " + total.toString();

    if (request.selectedWc >= 1) {
        result.booked = booked;
        result.strip = stripLook(request, days, result.booked);
    }
    return result;
}

JobListResult RefreshJobList(dbaccess::Database &database, const JobListRequest &request,
                             const CalendarDays &days)
{
    auto &rs = database.rsMain;
    std::vector<data::OrderLineRow> rows;
    if (request.selectedWc == views::pending || request.selectedWc == views::dispatch) {
        // Without an open line both lists are empty.
        if (const auto first = data::readFirstOpenLine(rs, request.companyId))
            rows = data::readOrderLines(
                rs,
                request.selectedWc == views::pending
                    ? data::erp::pendingLines(request.companyId, *first)
                    : data::erp::dispatchLines(request.companyId, *first),
                false);
    } else {
        rows = data::readOrderLines(
            rs, data::erp::workCentreQueue(request.companyId, request.selectedWc), true);
    }

    SlotHours booked{};
    if (request.selectedWc >= 1)
        booked = readBookedHours(rs, request.selectedWc, days);
    return buildJobList(request, days, rows, {}, booked);
}

} // namespace engine
