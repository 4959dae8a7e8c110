#pragma once

#include "data/list_rows.h"
#include "engine/calendar_strip.h"
#include "engine/colour.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
struct Database;
class RecordSet;
} // namespace dbaccess

namespace engine {

inline constexpr int jobListRowCount = 27;

// View codes of the job list.
namespace views {
inline constexpr int pending = 0;
inline constexpr int dispatch = 98;
inline constexpr int dispatchedToday = 99;
} // namespace views

// What a work centre offers per day.
struct WorkCentreCapacity
{
    dbaccess::Decimal dailyHours;
    bool saturdayWorked = false;
    bool sundayWorked = false;
};

// The selection and mode the job list is built for.
struct JobListRequest
{
    int companyId = 0;
    int selectedWc = 0;
    int selectedDay = 0;
    int calendarMode = Daily;
    bool productionList = false;
    dbaccess::Date currentDate;
    WorkCentreCapacity capacity; // of the selected work centre; zero when there is none
    const MonthNames *monthNames = &MonthNames::english(); // for the due dates
};

// One filled row of the list, ready to be copied onto the row's controls.
struct JobRowView
{
    std::string order;
    std::int64_t lineId = 0;
    Rgb orderColour = colours::black;
    std::string due;
    std::string quantity;
    std::string hours;
    std::int64_t jobId = 0; // 0: the row carries no job (pending and dispatch views)
    std::string position;
    Rgb positionBackground = colours::white;
    int statusPicture = 3; // 0 in progress, 1 paused, 2 completed, 3 scheduled
    std::string description;
    std::int64_t productId = 0;
    std::string customer;
    std::string note;

    bool operator==(const JobRowView &) const = default;
};

// The look of one calendar slot for the selected work centre.
struct StripSlotView
{
    std::string capacityText;             // empty below one hour
    std::optional<int> picture;           // day-block picture; nothing: keep the current one
    std::optional<std::string> freeText;  // "(n)"; nothing: keep the current text
    Rgb freeColour = colours::freeGreen;
    Rgb captionColour = colours::darkGrey;

    bool operator==(const StripSlotView &) const = default;
};

struct JobListResult
{
    std::vector<JobRowView> rows; // at most 27
    std::string total;            // "Total Hrs: …" or empty
    // Booked hours per slot, and the strip's look, for every view but the pending one.
    std::optional<std::array<StripSlotView, calendarSlotCount>> strip;
    std::array<dbaccess::Decimal, calendarSlotCount> booked{};

    bool operator==(const JobListResult &) const = default;
};

// The status picture of a job status: 0 in progress, 1 paused, 2 completed, 3 scheduled.
int statusPicture(int status);

using SlotHours = std::array<dbaccess::Decimal, calendarSlotCount>;

// Builds the list from rows already read. `excluded` holds lines the pending or
// dispatch view leaves out (the database leaves them out already when it reads the
// view); `booked` the live hours of the selected work centre per slot.
JobListResult buildJobList(const JobListRequest &request, const CalendarDays &days,
                           const std::vector<data::OrderLineRow> &rows,
                           const data::LineIdSet &excluded, const SlotHours &booked);

// The booked hours of each slot: a job counts in the first slot that ends after its
// start, so a job before the strip counts in slot 0 and one after it nowhere.
SlotHours bookedHoursPerSlot(const CalendarDays &days, const std::vector<data::BookedJob> &jobs);

// The live hours of one work-centre slot per strip slot, summed by the database by
// the same rule, however many jobs the work centre has had.
SlotHours readBookedHours(dbaccess::RecordSet &rs, int workCentreSlot, const CalendarDays &days);

// Reads the view's rows (the pending and dispatch lists: the first open line, then the
// list; a queue: one query; and one for the strip) and builds the list.
JobListResult RefreshJobList(dbaccess::Database &database, const JobListRequest &request,
                             const CalendarDays &days);

} // namespace engine
