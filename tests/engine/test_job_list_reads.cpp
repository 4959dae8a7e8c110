// The job list's reads against the database: which lines the pending and dispatch
// views show, now that the database leaves out the others and stops at 27, and the
// strip's hours per slot as the database sums them.
#include "data/jobs.h"
#include "data/list_rows.h"
#include "data/own_tables.h"
#include "dbaccess/startup.h"
#include "engine/calendar_strip.h"
#include "engine/job_list.h"
#include "tests/support/erp_fixture.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using dbaccess::Date;
using dbaccess::Decimal;

namespace {

class JobListReads : public testsupport::DatabaseTest
{
protected:
    void SetUp() override
    {
        data::EnsureOwnTables(db());
        data::ensureScheduleIndexes(db()); // as at start-up: the plans use them
        erp.company(1, "Shop");
        erp.company(2, "Other shop");
        product = erp.product("Window frame");
    }

    // A line of `companyId` with one job per status, at work centre 1; open unless
    // its quantity is all invoiced.
    int line(const std::vector<int> &jobStatuses, bool open = true, int companyId = 1)
    {
        const int id = erp.line(erp.order(companyId, "2026-03-20 10:00:00"), product, "5");
        if (!open)
            exec("update sale_order_line set qty_to_invoice=0 where id=" + std::to_string(id));
        for (int status : jobStatuses)
            job(id, 1, status, today, "1");
        return id;
    }
    void job(int lineId, int slot, int status, Date start, const std::string &hours)
    {
        exec("insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,"
             "runhours) values (" +
             std::to_string(slot) + ",0," + std::to_string(status) + "," +
             std::to_string(lineId) + ",'" + start.isoText() + "'," + hours + ")");
    }
    std::vector<std::int64_t> shown(int view)
    {
        engine::JobListRequest request;
        request.companyId = 1;
        request.selectedWc = view;
        request.currentDate = today;
        std::vector<std::int64_t> lines;
        for (const auto &row :
             engine::RefreshJobList(db(), request, engine::FillCalendarStrip(today, engine::Daily)).rows)
            lines.push_back(row.lineId);
        EXPECT_FALSE(db().rsMain.isOpen());
        return lines;
    }

    testsupport::ErpFixture erp{fresh};
    const Date today = Date::fromYmd(2026, 3, 9);
    int product = 0;
};

TEST_F(JobListReads, PendingAndDispatchShowTheLinesTheirJobsCallFor)
{
    struct Case
    {
        const char *name;
        std::vector<int> jobs;
        bool open;
        int company;
        bool pending;
        bool dispatch;
    };
    // In line id order; the first open line is one whose jobs were all removed, and an
    // invoiced line with completed jobs comes before it.
    const Case cases[] = {
        {"invoiced, its jobs completed", {4, 4}, false, 1, false, false},
        {"every job removed", {0, 0, 0}, true, 1, false, false},
        {"no job yet", {}, true, 1, true, false},
        {"every job completed", {4, 4, 4}, true, 1, false, true},
        {"completed and paused", {4, 4, 3}, true, 1, false, false},
        {"completed and removed", {4, 0}, true, 1, false, true},
        {"scheduled", {1}, true, 1, false, false},
        {"in progress and completed", {2, 4}, true, 1, false, false},
        {"another company's, no job", {}, true, 2, false, false},
        {"invoiced, no job", {}, false, 1, false, false},
        {"another line with no job", {}, true, 1, true, false},
    };
    std::vector<std::int64_t> pending, dispatch;
    for (const Case &c : cases) {
        const int id = line(c.jobs, c.open, c.company);
        if (c.pending)
            pending.push_back(id);
        if (c.dispatch)
            dispatch.push_back(id);
    }
    EXPECT_EQ(shown(engine::views::pending), pending);
    EXPECT_EQ(shown(engine::views::dispatch), dispatch);
}

TEST_F(JobListReads, BothViewsShowTheFirst27LinesOnceEach)
{
    std::vector<std::int64_t> unplanned, done;
    for (int i = 0; i < 30; ++i) {
        unplanned.push_back(line({}));
        done.push_back(line({4, 4, 4}));
        line({1, 4});
    }
    unplanned.resize(27);
    done.resize(27);
    EXPECT_EQ(shown(engine::views::pending), unplanned);
    EXPECT_EQ(shown(engine::views::dispatch), done);
}

// The strip in both modes, from a Monday: in the weekly mode slot 0 is empty, so a job
// on the working date belongs to slot 1.
class StripHours : public JobListReads, public ::testing::WithParamInterface<int>
{
};

TEST_P(StripHours, DatabaseSumsEqualTheSumsOfTheJobsOneByOne)
{
    const auto days = engine::FillCalendarStrip(today, GetParam());
    const int id = line({});
    job(id, 2, 4, today.addDays(-400), "7.125"); // completed long ago: overdue, slot 0
    job(id, 2, 1, today.addDays(-1), "2");
    job(id, 2, 3, today, "1.5");
    for (int i = 1; i < engine::calendarSlotCount; ++i) {
        job(id, 2, 1 + i % 4, days[i].start, "0.25");
        job(id, 2, 1, days[i].end.addDays(-1), "1.001");
    }
    job(id, 2, 1, days[engine::calendarSlotCount - 1].end, "50"); // after the strip
    job(id, 2, 0, today, "40");                                    // removed
    job(id, 3, 1, today, "30");                                    // another work centre
    exec("insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate) "
         "values (2,0,1," + std::to_string(id) + ",'" + today.isoText() + "')"); // no hours

    auto &rs = db().rsMain;
    const auto summed = engine::readBookedHours(rs, 2, days);
    const auto oneByOne = engine::bookedHoursPerSlot(
        days, data::readBookedJobs(rs, data::jobs::liveJobsOfWorkCentreBefore(
                                           2, days[engine::calendarSlotCount - 1].end)));
    EXPECT_EQ(summed, oneByOne);

    Decimal total;
    for (const Decimal &hours : summed)
        total += hours;
    const int lastSlot = engine::calendarSlotCount - 1;
    EXPECT_EQ(total, *Decimal::parse("10.625") + Decimal::fromInt(lastSlot) *
                                                     *Decimal::parse("1.251"))
        << "every live job of the work centre before the strip's end, and nothing else";
    const Decimal onTheDay = GetParam() == engine::Daily ? *Decimal::parse("1.5") : Decimal();
    EXPECT_EQ(summed[0], *Decimal::parse("9.125") + onTheDay) << "overdue jobs count in slot 0";
    EXPECT_FALSE(rs.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Modes, StripHours, ::testing::Values(engine::Daily, engine::Weekly),
                         [](const auto &info) {
                             return info.param == engine::Daily ? "Daily" : "WeeklyFromAMonday";
                         });

} // namespace
