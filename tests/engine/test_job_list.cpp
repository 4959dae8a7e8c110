// Building the job list from rows already read: which rows show, what they show, the
// total, and the booked hours against capacity on the calendar strip.
#include "engine/job_list.h"

#include <gtest/gtest.h>

using dbaccess::Date;
using dbaccess::Decimal;
using engine::JobListRequest;

namespace {

const Date friday = Date::fromYmd(2026, 12, 11);

Decimal dec(const char *text) { return *Decimal::parse(text); }

data::OrderLineRow line(std::int64_t id, const char *order = "S00001")
{
    data::OrderLineRow row;
    row.lineId = id;
    row.productId = 500 + id;
    row.quantity = dec("12.5");
    row.lineName = "Casement window";
    row.orderName = order;
    row.customerName = "Harbour Homes";
    row.orderDate = Date::fromYmd(2026, 3, 2);
    return row;
}

data::OrderLineRow job(std::int64_t jobId, const char *hours, int status = 1,
                       Date start = friday)
{
    data::OrderLineRow row = line(jobId + 1000);
    row.jobId = jobId;
    row.runHours = dec(hours);
    row.status = status;
    row.startDate = start;
    return row;
}

JobListRequest request(int selectedWc)
{
    JobListRequest r;
    r.selectedWc = selectedWc;
    r.currentDate = friday;
    r.capacity = {dec("8"), false, false};
    return r;
}

engine::CalendarDays daily() { return engine::FillCalendarStrip(friday, engine::Daily); }

TEST(JobList, PendingViewLeavesOutPlannedLinesAndStopsAt27)
{
    std::vector<data::OrderLineRow> rows;
    for (int id = 1; id <= 30; ++id)
        rows.push_back(line(id));
    rows[3].commitmentDate = Date::fromYmd(2026, 3, 9);
    const auto result = engine::buildJobList(request(engine::views::pending), daily(), rows,
                                             {2, 5}, {});
    ASSERT_EQ(result.rows.size(), 27u);
    EXPECT_EQ(result.rows[0].lineId, 1);
    EXPECT_EQ(result.rows[1].lineId, 3);
    EXPECT_EQ(result.rows[26].lineId, 29);
    for (const auto &row : result.rows) {
        EXPECT_EQ(row.note, "[Select Route type]");
        EXPECT_EQ(row.hours, "");
        EXPECT_EQ(row.jobId, 0);
    }
    EXPECT_EQ(result.rows[2].due, "9-Mar-26") << "the commitment date wins over the order date";
    EXPECT_EQ(result.rows[0].due, "2-Mar-26");
    engine::MonthNames german = engine::MonthNames::english();
    german.abbreviated[2] = "Mär";
    JobListRequest inGerman = request(engine::views::pending);
    inGerman.monthNames = &german;
    EXPECT_EQ(engine::buildJobList(inGerman, daily(), rows, {}, {}).rows[0].due, "2-Mär-26")
        << "due dates follow the user's month names";
    EXPECT_EQ(result.rows[0].quantity, "12") << "12.5 rounds half to even";
    EXPECT_EQ(result.total, "");
    EXPECT_FALSE(result.strip.has_value()) << "the pending view has no strip";
}

TEST(JobList, DispatchViewShowsALineOnceAndOnlyWhenAllItsJobsAreDone)
{
    // The dispatch query returns a line once per live job.
    const std::vector<data::OrderLineRow> rows = {line(1), line(1), line(1), line(2), line(2),
                                                  line(3)};
    JobListRequest r = request(engine::views::dispatch);
    r.capacity = {}; // the dispatch view is no work centre
    const auto result = engine::buildJobList(r, daily(), rows, {2}, {});
    ASSERT_EQ(result.rows.size(), 2u);
    EXPECT_EQ(result.rows[0].lineId, 1);
    EXPECT_EQ(result.rows[1].lineId, 3);
    EXPECT_EQ(result.rows[0].note, "");
    ASSERT_TRUE(result.strip.has_value()) << "the dispatch view still works out a strip";
    EXPECT_EQ((*result.strip)[0].capacityText, "");
}

TEST(JobList, WorkCentreRowsShowHoursStatusAndDayMarks)
{
    JobListRequest r = request(2);
    r.selectedDay = 3;
    std::vector<data::OrderLineRow> rows = {
        job(1, "1.04", 1, friday.addDays(3)), job(2, "1.06", 2, friday.addDays(-3)),
        job(3, "0", 3, friday.addDays(1)), job(4, "2.25", 4, friday.addDays(3))};
    rows[1].comment = "rush";
    const auto result = engine::buildJobList(r, daily(), rows, {}, {});
    ASSERT_EQ(result.rows.size(), 4u);
    EXPECT_EQ(result.rows[0].hours, "1");
    EXPECT_EQ(result.rows[1].hours, "1.1");
    EXPECT_EQ(result.rows[3].hours, "2.2") << "2.25 rounds half to even";
    EXPECT_EQ(result.total, "Total Hrs: 4.3") << "the total adds the rounded hours";
    EXPECT_EQ(result.rows[0].orderColour, engine::colours::dayGreen);
    EXPECT_EQ(result.rows[1].orderColour, engine::colours::silver);
    EXPECT_EQ(result.rows[3].orderColour, engine::colours::dayGreen);
    EXPECT_EQ(result.rows[1].note, "rush");
    EXPECT_EQ(result.rows[2].position, "3");
    EXPECT_EQ(result.rows[0].jobId, 1);
    EXPECT_EQ(result.rows[0].positionBackground, engine::colours::white);
    EXPECT_EQ(result.rows[1].positionBackground, engine::colours::inProgress);
    EXPECT_EQ(result.rows[2].positionBackground, engine::colours::paused);
    EXPECT_EQ(result.rows[3].positionBackground, engine::colours::completed);

    r.selectedDay = 0;
    const auto today = engine::buildJobList(r, daily(), rows, {}, {});
    EXPECT_EQ(today.rows[1].orderColour, engine::colours::dayGreen)
        << "a job that started before today counts as today";

    r.calendarMode = engine::Weekly;
    const auto weekly = engine::buildJobList(r, daily(), rows, {}, {});
    EXPECT_EQ(weekly.rows[0].position, "") << "no row numbers on the weekly strip";
    EXPECT_EQ(weekly.rows[1].positionBackground, engine::colours::inProgress);

    r.productionList = true;
    const auto production = engine::buildJobList(r, daily(), rows, {}, {});
    EXPECT_EQ(production.total, "");
    EXPECT_EQ(production.rows[0].orderColour, engine::colours::black);
    EXPECT_EQ(production.rows[1].statusPicture, 0);
    EXPECT_EQ(production.rows[0].statusPicture, 3);
    EXPECT_EQ(production.rows[1].positionBackground, engine::colours::white);
}

TEST(JobList, StripShowsBookedHoursAgainstCapacity)
{
    // Daily strip from a Friday, 8 hours a day, no weekend work.
    const engine::CalendarDays days = daily();
    const std::vector<data::BookedJob> booked = {
        {friday, dec("3")},                 // slot 0: 3 of 8
        {friday.addDays(-5), dec("0.5")},   // before the strip: counts in slot 0
        {friday.addDays(3), dec("12")},     // Monday: overbooked
        {friday.addDays(4), dec("8")},      // Tuesday: exactly full
        {friday.addDays(1), dec("1")},      // Saturday: no capacity
        {friday.addDays(20), dec("8")},     // slot 20: counted like any other
        {friday.addDays(23), dec("4")},     // after the strip: nowhere
    };
    const auto result =
        engine::buildJobList(request(2), days, {}, {}, engine::bookedHoursPerSlot(days, booked));
    ASSERT_TRUE(result.strip.has_value());
    const auto &strip = *result.strip;
    EXPECT_EQ(result.booked[0], dec("3.5"));
    EXPECT_EQ(strip[0].capacityText, "8");
    EXPECT_EQ(strip[0].picture, 1);
    EXPECT_EQ(strip[0].freeText, "(4)") << "8 − 3.5 = 4.5 rounds half to even";
    EXPECT_EQ(strip[0].freeColour, engine::colours::freeGreen);
    EXPECT_EQ(strip[1].capacityText, "");
    EXPECT_EQ(strip[1].picture, 4) << "any load on an unworked Saturday is overbooked";
    EXPECT_EQ(strip[2].picture, 5) << "a free Sunday";
    EXPECT_EQ(strip[2].freeText, std::nullopt);
    EXPECT_EQ(strip[3].picture, 4);
    EXPECT_EQ(strip[3].freeText, "(4)");
    EXPECT_EQ(strip[3].freeColour, engine::colours::overdueRed);
    EXPECT_EQ(strip[4].picture, 0);
    EXPECT_EQ(strip[4].freeText, std::nullopt);
    EXPECT_EQ(strip[5].picture, 2) << "a free eight-hour day";
    EXPECT_EQ(result.booked[20], dec("8")) << "late slots get their hours too";
    EXPECT_EQ(strip[20].picture, 0);
    EXPECT_EQ(result.booked[22], dec("0"));

    EXPECT_EQ(strip[1].captionColour, engine::colours::silver);
    EXPECT_EQ(strip[3].captionColour, engine::colours::overdueRed)
        << "by Monday 16.5 hours are booked against 16";
    EXPECT_EQ(strip[4].captionColour, engine::colours::overdueRed);
    EXPECT_EQ(strip[5].captionColour, engine::colours::darkGrey)
        << "by Wednesday the capacity so far has caught up";
}

TEST(JobList, AnEmptyStripShowsTheCapacityOfItsSlots)
{
    struct Case
    {
        const char *name;
        int mode;
        const char *dailyHours;
        bool saturdayWorked;
        int slot;
        const char *capacity;
        int picture;
    };
    // Weekly from Friday 11 December, daily from Monday 14 December. Capacities round
    // half to even; free days below 2 hours, below 8 hours and from 8 hours differ.
    const Case cases[] = {
        {"week of 5 × 7.5 → 38, and a Saturday → 46", engine::Weekly, "7.5", true, 1, "46", 2},
        {"the short first week gets a full week", engine::Weekly, "7.5", true, 0, "46", 2},
        {"week of five 6-hour days", engine::Weekly, "6", false, 1, "30", 2},
        {"1.4 hours round to 1", engine::Daily, "1.4", false, 0, "1", 5},
        {"1.5 hours round to 2", engine::Daily, "1.5", false, 0, "2", 6},
        {"2 hours", engine::Daily, "2", false, 0, "2", 6},
        {"7.4 hours round to 7", engine::Daily, "7.4", false, 0, "7", 6},
        {"7.5 hours round to 8", engine::Daily, "7.5", false, 0, "8", 2},
        {"8 hours", engine::Daily, "8", false, 0, "8", 2},
        {"no hours show no capacity", engine::Daily, "0", false, 0, "", 5},
    };
    for (const auto &c : cases) {
        const Date today = c.mode == engine::Weekly ? friday : Date::fromYmd(2026, 12, 14);
        JobListRequest r = request(1);
        r.currentDate = today;
        r.calendarMode = c.mode;
        r.capacity = {dec(c.dailyHours), c.saturdayWorked, false};
        const auto result =
            engine::buildJobList(r, engine::FillCalendarStrip(today, c.mode), {}, {}, {});
        ASSERT_TRUE(result.strip.has_value());
        EXPECT_EQ((*result.strip)[std::size_t(c.slot)].capacityText, c.capacity) << c.name;
        EXPECT_EQ((*result.strip)[std::size_t(c.slot)].picture, c.picture) << c.name;
    }
}

} // namespace
