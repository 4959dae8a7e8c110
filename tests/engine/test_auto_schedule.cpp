// Planning open sales-order lines backwards along their product's route: the pure
// planning of one line, then whole runs against the database.
#include "data/own_tables.h"
#include "dbaccess/error.h"
#include "engine/auto_schedule.h"
#include "engine/date_text.h"
#include "tests/support/erp_fixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include <optional>
#include <string>
#include <vector>

using data::planning::NewJob;
using data::planning::RouteStep;
using data::planning::RouteSteps;
using dbaccess::Date;
using dbaccess::Decimal;
using dbaccess::Timestamp;
using dbaccess::Value;

namespace dbaccess {
// Dates in failure messages as 2026-03-09 rather than their bytes.
void PrintTo(const Date &date, std::ostream *os) { *os << date.isoText(); }
} // namespace dbaccess

namespace {

Decimal dec(const char *text)
{
    return *Decimal::parse(text);
}

std::optional<Decimal> optionalDec(const char *text)
{
    return text ? std::optional<Decimal>(dec(text)) : std::nullopt;
}

RouteSteps routeOf(std::initializer_list<int> slots)
{
    RouteSteps route;
    int k = 0;
    for (int slot : slots)
        route[k++] = {slot, dec("1"), std::nullopt};
    return route;
}

std::string caseName(const auto &info)
{
    return info.param.name;
}

// 2026-03-09 is a Monday.
const Date monday = Date::fromYmd(2026, 3, 9);
const Date wednesday = Date::fromYmd(2026, 3, 11);
const Date friday = Date::fromYmd(2026, 3, 13);
const Date previousFriday = Date::fromYmd(2026, 3, 6);
const Date currentDate = Date::fromYmd(2026, 3, 5); // a Thursday

// --- Due date and the start of the last step -----------------------------------------

struct DueDateCase
{
    const char *name;
    Value commitmentDate;
    Value orderDate;
    Date expectedDue;
    Date expectedLastStart;
};

void PrintTo(const DueDateCase &c, std::ostream *os)
{
    *os << c.name;
}

class DueDate : public testing::TestWithParam<DueDateCase>
{
};

TEST_P(DueDate, LastStepStartsOnTheWorkingDayBeforeIt)
{
    const DueDateCase &c = GetParam();
    const Date due = engine::dueDateOf(c.commitmentDate, c.orderDate, currentDate);
    EXPECT_EQ(due, c.expectedDue);
    const auto jobs = engine::planLine(due, dec("1"), routeOf({3}));
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].startDate, c.expectedLastStart);
}

INSTANTIATE_TEST_SUITE_P(
    AutoSchedule, DueDate,
    testing::Values(DueDateCase{"WeekdayGivesTheDayBefore", Timestamp{wednesday, 9 * 3600}, Value(),
                                wednesday, wednesday.addDays(-1)},
                    DueDateCase{"SaturdayGivesFriday", Timestamp{friday.addDays(1), 0}, Value(),
                                friday.addDays(1), friday},
                    DueDateCase{"SundayGivesFriday", Timestamp{friday.addDays(2), 0}, Value(),
                                friday.addDays(2), friday},
                    DueDateCase{"MondayGivesTheFridayBefore", Timestamp{monday, 0}, Value(), monday,
                                previousFriday},
                    DueDateCase{"TimeOfDayIsDropped",
                                Timestamp{wednesday, 23 * 3600 + 59 * 60 + 59}, Value(), wednesday,
                                wednesday.addDays(-1)},
                    DueDateCase{"CommitmentDateWinsOverOrderDate", Timestamp{wednesday, 0},
                                Timestamp{monday, 0}, wednesday, wednesday.addDays(-1)},
                    DueDateCase{"WithoutCommitmentTheOrderDate", Value(), Timestamp{monday, 3600},
                                monday, previousFriday},
                    DueDateCase{"WithoutAnyDateTheCurrentDate", Value(), Value(), currentDate,
                                currentDate.addDays(-1)}),
    caseName<testing::TestParamInfo<DueDateCase>>);

// --- How many steps a route has ------------------------------------------------------

struct StepCountCase
{
    const char *name;
    RouteSteps route;
    std::vector<int> expectedSlots;
    std::vector<Date> expectedStarts; // of a line due on `wednesday`
};

void PrintTo(const StepCountCase &c, std::ostream *os)
{
    *os << c.name;
}

class StepCount : public testing::TestWithParam<StepCountCase>
{
};

TEST_P(StepCount, PlansOneJobPerStepUpToTheFirstEmptyOne)
{
    const StepCountCase &c = GetParam();
    std::vector<int> slots;
    std::vector<Date> starts;
    for (const NewJob &job : engine::planLine(wednesday, dec("1"), c.route)) {
        slots.push_back(job.workCentreSlot);
        starts.push_back(job.startDate);
    }
    EXPECT_EQ(slots, c.expectedSlots);
    EXPECT_EQ(starts, c.expectedStarts);
}

Date march(int day) { return Date::fromYmd(2026, 3, day); }

INSTANTIATE_TEST_SUITE_P(
    AutoSchedule, StepCount,
    testing::Values(StepCountCase{"EmptyFirstStepPlansNothing", routeOf({0, 2, 6}), {}, {}},
                    StepCountCase{"NegativeFirstStepPlansNothing", routeOf({-1, 2}), {}, {}},
                    StepCountCase{"OneStep", routeOf({4}), {4}, {march(10)}},
                    StepCountCase{"GapAtStepThreeEndsTheRoute",
                                  routeOf({1, 2, 0, 4, 5, 6}),
                                  {1, 2},
                                  {march(9), march(10)}},
                    // Back from Wednesday 11 March over the weekend of 7 and 8 March and the
                    // one of 28 February and 1 March.
                    StepCountCase{"TenStepsStartTenWorkingDaysBeforeTheDueDate",
                                  routeOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}),
                                  {1, 2, 3, 4, 5, 6, 7, 8, 9, 10},
                                  {Date::fromYmd(2026, 2, 25), Date::fromYmd(2026, 2, 26),
                                   Date::fromYmd(2026, 2, 27), march(2), march(3), march(4),
                                   march(5), march(6), march(9), march(10)}}),
    caseName<testing::TestParamInfo<StepCountCase>>);

// --- Run hours of one job ------------------------------------------------------------

struct RunHoursCase
{
    const char *name;
    const char *quantity;
    const char *runRate;  // nullptr: NULL
    const char *minHours; // nullptr: NULL
    const char *expected;
};

void PrintTo(const RunHoursCase &c, std::ostream *os)
{
    *os << c.name;
}

class RunHours : public testing::TestWithParam<RunHoursCase>
{
};

TEST_P(RunHours, QuantityOverRateRaisedToMinimumAndFloor)
{
    const RunHoursCase &c = GetParam();
    const RouteStep step{1, optionalDec(c.runRate), optionalDec(c.minHours)};
    EXPECT_EQ(engine::runHoursOf(dec(c.quantity), step), dec(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    AutoSchedule, RunHours,
    testing::Values(
        RunHoursCase{"NullRateGivesTheFloor", "50", nullptr, nullptr, "0.08"},
        RunHoursCase{"ZeroRateGivesTheFloor", "50", "0", nullptr, "0.08"},
        RunHoursCase{"ZeroRateRaisedToTheMinimum", "50", "0", "1", "1"},
        RunHoursCase{"TinyQuotientRaisedToTheFloor", "10", "1000", nullptr, "0.08"},
        RunHoursCase{"MinimumBelowTheFloorStillGivesTheFloor", "10", "1000", "0.05", "0.08"},
        RunHoursCase{"MinimumAboveTheQuotientReplacesIt", "10", "10", "2.5", "2.5"},
        RunHoursCase{"MinimumBelowTheQuotientHasNoEffect", "50", "10", "1", "5"},
        RunHoursCase{"FractionalQuantityAndRate", "7.5", "2.5", nullptr, "3"},
        RunHoursCase{"RoundedToThreePlacesHalfToEvenDown", "10.125", "10", nullptr, "1.012"},
        RunHoursCase{"RoundedToThreePlacesHalfToEvenUp", "10.135", "10", nullptr, "1.014"},
        RunHoursCase{"RoundedOnceFromTheExactQuotient", "2.001000001", "2", nullptr, "1.001"}),
    caseName<testing::TestParamInfo<RunHoursCase>>);

TEST(AutoSchedule, WorkedExampleComesOutExactly)
{
    RouteSteps route;
    route[0] = {1, dec("10"), std::nullopt};
    route[1] = {2, dec("0"), dec("1")};
    route[2] = {6, std::nullopt, std::nullopt};
    const std::vector<NewJob> expected = {
        {1, previousFriday, dec("5")},
        {2, monday, dec("1")},
        {6, monday.addDays(1), dec("0.08")},
    };
    EXPECT_EQ(engine::planLine(wednesday, dec("50"), route), expected);
}

// --- Whole runs against the database -------------------------------------------------

class AutoScheduleRun : public testsupport::DatabaseTest
{
protected:
    void SetUp() override
    {
        data::EnsureOwnTables(db());
        erp.company(1, "Shop");
        erp.company(2, "Other shop");
        // The worked example as stored: slots 1, 2, 6; rates 10, 0, NULL; minimums NULL, 1, NULL.
        exampleRoute = route("step1,step2,step3,runrate1,runrate2,minhours2", "1,2,6,10,0,1");
        frame = erp.product("Window frame");
        assignRoute(frame, exampleRoute);
    }

    // A route type from a list of its columns and a list of their values.
    int route(const std::string &columns, const std::string &values)
    {
        return erp.insert(
            "brontalo_route",
            {{"sequence", "9"}, {"name", "'Test route'"}, {"active", "true"}, {columns, values}});
    }
    void assignRoute(int productId, const std::string &routeId)
    {
        exec("insert into brontalo_productroute(product_id,routeid) values (" +
             std::to_string(productId) + "," + routeId + ")");
    }
    void assignRoute(int productId, int routeId)
    {
        assignRoute(productId, std::to_string(routeId));
    }

    int openLine(int productId, int companyId = 1)
    {
        return erp.line(erp.order(companyId, dueWednesday), productId, "50");
    }

    // The line's jobs as "slot@start:hours" in id order.
    std::string jobsOf(int lineId)
    {
        return scalar("select string_agg(workcenterid||'@'||startdate||':'||runhours, ' ' "
                      "order by id) from brontalo_schedule where solineid=" +
                      std::to_string(lineId));
    }
    std::string plannedLines()
    {
        return scalar("select string_agg(distinct solineid::text, ',') from brontalo_schedule");
    }
    std::string jobCount() { return scalar("select count(*) from brontalo_schedule"); }

    engine::AutoScheduleResult run() { return engine::AutoSchedule(db(), 1, today); }

    testsupport::ErpFixture erp{fresh};
    const std::optional<std::string> dueWednesday = "2026-03-11 23:30:00";
    const Date today = Date::fromYmd(2026, 3, 2);
    int exampleRoute = 0;
    int frame = 0;
};

TEST_F(AutoScheduleRun, PlansOpenLinesInOrderAndASecondRunInsertsNothing)
{
    const int dueLine = openLine(frame);
    const int orderDatedLine = erp.line(erp.order(1, std::nullopt, "2026-03-16 08:15:00"), frame,
                                        "20"); // a Monday, no commitment

    const auto first = run();
    EXPECT_EQ(first.linesPlanned, 2);
    EXPECT_EQ(first.jobsInserted, 6);
    EXPECT_EQ(jobsOf(dueLine), "1@2026-03-06:5.000 2@2026-03-09:1.000 6@2026-03-10:0.080");
    EXPECT_EQ(jobsOf(orderDatedLine), "1@2026-03-11:2.000 2@2026-03-12:1.000 6@2026-03-13:0.080");
    EXPECT_EQ(scalar("select count(*) from brontalo_schedule where sequence=0 and status=1 "
                     "and comment is null"),
              "6");
    EXPECT_EQ(scalar("select (select max(id) from brontalo_schedule where solineid=" +
                     std::to_string(dueLine) +
                     ")<(select min(id) from brontalo_schedule where solineid=" +
                     std::to_string(orderDatedLine) + ")"),
              "1")
        << "lines are planned in ascending line id";

    const auto second = run();
    EXPECT_EQ(second.linesPlanned, 0);
    EXPECT_EQ(second.jobsInserted, 0);
    EXPECT_EQ(jobCount(), "6");
}

TEST_F(AutoScheduleRun, OnlyOpenLinesOfTheCompanyArePlanned)
{
    const int open = openLine(frame);
    const int order = erp.order(1, dueWednesday);
    erp.line(order, frame, "50", "draft");
    erp.line(order, frame, "50", "sent");
    erp.line(order, frame, "50", "cancel");
    const int invoiced = erp.line(order, frame, "50");
    exec("update sale_order_line set qty_to_invoice=0 where id=" + std::to_string(invoiced));
    const int otherCompany = openLine(frame, 2);

    EXPECT_EQ(run().linesPlanned, 1);
    EXPECT_EQ(plannedLines(), std::to_string(open));

    EXPECT_EQ(engine::AutoSchedule(db(), 2, today).linesPlanned, 1);
    EXPECT_EQ(jobsOf(otherCompany), jobsOf(open)) << "planned only when its company runs";
}

TEST_F(AutoScheduleRun, LineWithAnyJobRowIsNeverPlannedAgain)
{
    const int removed = openLine(frame);
    const int completedOnce = openLine(frame);
    run();
    exec("update brontalo_schedule set status=0 where solineid=" + std::to_string(removed));
    exec("update brontalo_schedule set status=0 where solineid=" + std::to_string(completedOnce) +
         " and workcenterid<>6");
    exec("update brontalo_schedule set status=4 where solineid=" + std::to_string(completedOnce) +
         " and workcenterid=6");

    EXPECT_EQ(run().linesPlanned, 0);
    EXPECT_EQ(jobCount(), "6");
}

TEST_F(AutoScheduleRun, LinesWithoutAUsableRouteAreRetriedOnEveryRun)
{
    const int noRouteType = erp.product("Unassigned");
    const int zeroRoute = erp.product("Route zero");
    assignRoute(zeroRoute, 0);
    const int nullRoute = erp.product("Route NULL");
    assignRoute(nullRoute, "NULL");
    const int missingRoute = erp.product("Route gone");
    assignRoute(missingRoute, 999);
    const int emptyFirstStep = erp.product("Empty first step");
    assignRoute(emptyFirstStep, route("step2,step3", "2,6"));
    std::vector<int> waiting;
    for (int product : {noRouteType, zeroRoute, nullRoute, missingRoute, emptyFirstStep})
        waiting.push_back(openLine(product));

    EXPECT_EQ(run().linesPlanned, 0);
    EXPECT_EQ(run().linesPlanned, 0);
    EXPECT_EQ(jobCount(), "0");

    assignRoute(noRouteType, exampleRoute);
    exec("update brontalo_route set step1=4 where step1 is null");
    const auto later = run();
    EXPECT_EQ(later.linesPlanned, 2);
    EXPECT_EQ(jobsOf(waiting[0]), "1@2026-03-06:5.000 2@2026-03-09:1.000 6@2026-03-10:0.080");
    EXPECT_EQ(jobsOf(waiting[4]), "4@2026-03-06:0.080 2@2026-03-09:0.080 6@2026-03-10:0.080");
}

TEST_F(AutoScheduleRun, LinesBeyondOneStatementAreAllPlannedOnceInLineOrder)
{
    const int lines = int(data::planning::linesPerStatement) + 2;
    exec("insert into sale_order_line(order_id,name,company_id,state,product_id,product_uom,"
         "product_uom_qty,qty_to_invoice,price_unit,customer_lead) select " +
         std::to_string(erp.order(1, dueWednesday)) + ",'Line '||g,1,'sale'," +
         std::to_string(frame) + "," + std::to_string(erp.defaultUnit()) +
         ",50,50,0,0 from generate_series(1," + std::to_string(lines) + ") g");

    const auto result = run();
    EXPECT_EQ(result.linesPlanned, lines);
    EXPECT_EQ(result.jobsInserted, 3 * lines);
    EXPECT_EQ(jobCount(), std::to_string(3 * lines));
    EXPECT_EQ(scalar("select count(*) from (select solineid from brontalo_schedule group by 1 "
                     "having count(*)<>3 or string_agg(workcenterid||'@'||startdate||':'||"
                     "runhours,' ' order by id)<>'1@2026-03-06:5.000 2@2026-03-09:1.000 "
                     "6@2026-03-10:0.080') as wrong"),
                     "0")
        << "every line has its three jobs once, the last statement's lines too";
    EXPECT_EQ(scalar("select count(*) from (select row_number() over (order by id) as byId,"
                     "row_number() over (order by solineid,id) as byLine from brontalo_schedule) "
                     "as o where byId<>byLine"),
              "0")
        << "job ids follow the lines' order across statements";
}

TEST_F(AutoScheduleRun, OldestRouteAssignmentOfAProductDecides)
{
    const int twice = erp.product("Assigned twice");
    assignRoute(twice, 2); // seeded General Welding: slots 4, 6
    assignRoute(twice, exampleRoute);
    const int line = openLine(twice);
    run();
    EXPECT_EQ(jobsOf(line), "4@2026-03-09:50.000 6@2026-03-10:50.000");
}

TEST_F(AutoScheduleRun, LineIsPlannedWholeOrNotAtAll)
{
    // Slot 7 breaks a rule of this database only: the third step of this route fails.
    exec("alter table brontalo_schedule add constraint six_slots check (workcenterid<=6)");
    const int failing = erp.product("Third step fails");
    assignRoute(failing, route("step1,step2,step3", "1,2,7"));
    const int before = openLine(frame);
    const int broken = openLine(failing);
    const int after = openLine(frame);

    EXPECT_THROW(run(), dbaccess::Error);
    EXPECT_EQ(plannedLines(), std::to_string(before)) << "earlier lines stay planned";
    EXPECT_EQ(jobsOf(broken), "");

    exec("alter table brontalo_schedule drop constraint six_slots");
    const auto next = run();
    EXPECT_EQ(next.linesPlanned, 2);
    EXPECT_EQ(next.jobsInserted, 6);
    EXPECT_EQ(jobsOf(broken), "1@2026-03-06:0.080 2@2026-03-09:0.080 7@2026-03-10:0.080");
    EXPECT_EQ(jobsOf(after), jobsOf(before));
}

TEST_F(AutoScheduleRun, TwoPlannersAtOnceNeverPlanALineTwice)
{
    // Two program instances, each with its own connection, reach the sales-order door at
    // the same moment, round after round, while new lines keep coming in.
    auto instance = [&] {
        auto database = std::make_unique<dbaccess::Database>();
        database->settings = fresh.settings();
        database->connection.open(dbaccess::connectionString(database->settings));
        return database;
    };
    const auto first = instance();
    const auto second = instance();
    constexpr int rounds = 25;
    constexpr int newLinesPerRound = 40;
    int planned = 0;
    const std::string order = std::to_string(erp.order(1, dueWednesday));
    const std::string unit = std::to_string(erp.defaultUnit());
    for (int round = 0; round < rounds; ++round) {
        exec("insert into sale_order_line(order_id,name,company_id,state,product_id,product_uom,"
             "product_uom_qty,qty_to_invoice,qty_delivered,qty_invoiced,price_unit,customer_lead) "
             "select " + order + ",'line',1,'sale'," + std::to_string(frame) + "," + unit +
             ",5,5,0,0,0,0 from generate_series(1," + std::to_string(newLinesPerRound) + ")");
        std::atomic<int> ready{0};
        engine::AutoScheduleResult results[2];
        std::string failures[2];
        auto plan = [&](dbaccess::Database *database, int k) {
            ++ready;
            while (ready < 2) {
            }
            try {
                results[k] = engine::AutoSchedule(*database, 1, today);
            } catch (const std::exception &error) {
                failures[k] = error.what();
            }
        };
        std::thread a(plan, first.get(), 0);
        std::thread b(plan, second.get(), 1);
        a.join();
        b.join();
        ASSERT_EQ(failures[0] + failures[1], "");
        // Between them the two runs planned every new line, and each exactly once.
        EXPECT_EQ(results[0].linesPlanned + results[1].linesPlanned, newLinesPerRound)
            << "round " << round;
        planned += newLinesPerRound;
    }
    EXPECT_EQ(scalar("select count(*) from (select solineid from brontalo_schedule group by "
                     "solineid having count(*)<>3) as twice"),
              "0");
    EXPECT_EQ(jobCount(), std::to_string(3 * planned));
}

} // namespace
