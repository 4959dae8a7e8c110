// The shop-wide load forecast: hours per work-centre slot and day against capacity,
// first from plain job rows, then read from the schedule.
#include "data/own_tables.h"
#include "engine/load_forecast.h"
#include "tests/support/test_database.h"

#include <gtest/gtest.h>

#include <vector>

using dbaccess::Date;
using dbaccess::Decimal;
using engine::ForecastCell;
using engine::ForecastJob;
using engine::WorkCentreCapacity;

namespace {

Decimal dec(const char *text) { return *Decimal::parse(text); }

// 2026-03-09 is a Monday: day 5 is a Saturday, day 6 a Sunday.
const Date monday = Date::fromYmd(2026, 3, 9);

const WorkCentreCapacity eightHours{dec("8"), false, false};

// --- Which block a loaded cell shows ----------------------------------------------------

struct PictureCase
{
    const char *name;
    WorkCentreCapacity workCentre;
    int day;
    const char *load;
    int picture;
};

void PrintTo(const PictureCase &c, std::ostream *os) { *os << c.name; }

class BlockPicture : public testing::TestWithParam<PictureCase>
{
};

TEST_P(BlockPicture, ComparesLoadAndCapacityEachRoundedHalfToEven)
{
    const PictureCase &c = GetParam();
    const std::vector<WorkCentreCapacity> plant{c.workCentre};
    const auto forecast =
        engine::computeLoadForecast({{1, monday.addDays(c.day), dec(c.load)}}, plant, monday);
    EXPECT_EQ(forecast.cells, (std::vector<ForecastCell>{{1, c.day, c.picture}}));
}

INSTANTIATE_TEST_SUITE_P(
    LoadForecast, BlockPicture,
    testing::Values(
        PictureCase{"Load7_4RoundsTo7BelowEight", eightHours, 0, "7.4", engine::BelowCapacity},
        PictureCase{"Load7_5RoundsTo8AtCapacity", eightHours, 0, "7.5", engine::AtCapacity},
        PictureCase{"Load8AtCapacity", eightHours, 0, "8", engine::AtCapacity},
        PictureCase{"Load8_4AboveCapacity", eightHours, 0, "8.4", engine::AboveCapacity},
        PictureCase{"Load8_5RoundsToEven8ButExceedsIt", eightHours, 0, "8.5",
                    engine::AboveCapacity},
        PictureCase{"Capacity7_5RoundsTo8SoLoad7_9IsAt", {dec("7.5"), false, false}, 0, "7.9",
                    engine::AtCapacity},
        PictureCase{"AnyLoadOnAnUnworkedSaturdayIsAbove", eightHours, 5, "0.5",
                    engine::AboveCapacity},
        PictureCase{"AnyLoadOnAnUnworkedSundayIsAbove", eightHours, 6, "0.5",
                    engine::AboveCapacity},
        PictureCase{"WorkedSaturdayHasTheDailyHours", {dec("8"), true, false}, 5, "6",
                    engine::BelowCapacity},
        PictureCase{"WorkedSaturdayDoesNotOpenSunday", {dec("8"), true, false}, 6, "6",
                    engine::AboveCapacity},
        PictureCase{"ZeroHourWorkCentreIsAlwaysAbove", {dec("0"), true, true}, 2, "0.1",
                    engine::AboveCapacity}),
    [](const auto &info) { return std::string(info.param.name); });

// --- Totals per slot and day --------------------------------------------------------------

TEST(LoadForecast, TotalsHoursPerSlotAndDayAndDrawsOnlyTheFirstFifteenSlots)
{
    const std::vector<WorkCentreCapacity> plant(16, eightHours);
    const std::vector<ForecastJob> jobs{
        {2, monday.addDays(1), dec("3")},
        {2, monday.addDays(1), dec("2.25")}, // same slot and day: one block of 5.25
        {1, monday.addDays(-9), dec("4")},   // overdue: day 0
        {1, monday, dec("4.5")},             // with it 8.5 on day 0
        {3, monday.addDays(22), dec("1")},   // the last day
        {3, monday.addDays(23), dec("9")},   // after the 23 days
        {16, monday.addDays(2), dec("6")},   // totalled, not drawn
        {17, monday, dec("5")},              // no such slot
        {0, monday, dec("5")},
        {99, monday, dec("5")},
    };
    const auto forecast = engine::computeLoadForecast(jobs, plant, monday);

    EXPECT_EQ(forecast.slotCount, 16);
    EXPECT_EQ(forecast.loadAt(1, 0), dec("8.5"));
    EXPECT_EQ(forecast.loadAt(2, 1), dec("5.25"));
    EXPECT_EQ(forecast.loadAt(3, 22), dec("1"));
    EXPECT_EQ(forecast.loadAt(16, 2), dec("6"));
    Decimal total;
    for (const Decimal &hours : forecast.load)
        total += hours;
    EXPECT_EQ(total, dec("20.75")) << "nothing else is counted anywhere";

    EXPECT_EQ(forecast.cells, (std::vector<ForecastCell>{{1, 0, engine::AboveCapacity},
                                                         {2, 1, engine::BelowCapacity},
                                                         {3, 22, engine::BelowCapacity}}));
}

// --- Read from the schedule ---------------------------------------------------------------

class ForecastFromSchedule : public testsupport::DatabaseTest
{
protected:
    void SetUp() override { data::EnsureOwnTables(db()); }

    void job(int slot, int status, int dayFromMonday, const char *hours)
    {
        exec("insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,"
             "runhours) values (" +
             std::to_string(slot) + ",0," + std::to_string(status) + ",1,'" +
             monday.addDays(dayFromMonday).isoText() + "'," + hours + ")");
    }

};

TEST_F(ForecastFromSchedule, CountsLiveJobsOfEveryStateAndOverdueOnesOnTheFirstDay)
{
    job(1, 1, -30, "2");  // overdue scheduled job
    job(1, 3, 0, "3");    // paused
    job(1, 4, 0, "1.5");  // completed jobs stay live
    job(1, 0, 0, "40");   // removed: not counted
    job(1, 2, 3, "9");    // in progress
    job(1, 1, 23, "50");  // after the 23 days

    const std::vector<WorkCentreCapacity> seedPlant(6, eightHours);
    const auto forecast = engine::ForecastLoad(db(), seedPlant, monday);
    EXPECT_EQ(forecast.loadAt(1, 0), dec("6.5"));
    EXPECT_EQ(forecast.loadAt(1, 3), dec("9"));
    EXPECT_EQ(forecast.cells, (std::vector<ForecastCell>{{1, 0, engine::BelowCapacity},
                                                         {1, 3, engine::AboveCapacity}}));
    EXPECT_FALSE(db().rsMain.isOpen());
}

TEST_F(ForecastFromSchedule, WorkCentreOfAJobIsItsSlotNotItsId)
{
    // Milling (id 2) is deactivated: assembly (id 3, 4 hours a day) moves to slot 2 and
    // packing (id 6) to slot 5; no work centre holds slot 6 any more.
    exec("update brontalo_workcenter set active=false where id=2");
    exec("update brontalo_workcenter set dailyworkhours=4 where id=3");
    job(2, 1, 1, "5");
    job(6, 1, 1, "3");
    const std::vector<WorkCentreCapacity> slots = {eightHours, {dec("4"), false, false},
                                                   eightHours, eightHours, eightHours};

    const auto forecast = engine::ForecastLoad(db(), slots, monday);
    ASSERT_EQ(forecast.slotCount, 5);
    EXPECT_EQ(forecast.loadAt(2, 1), dec("5"));
    EXPECT_EQ(forecast.loadAt(5, 1), Decimal()) << "slot 6 is not loaded";
    EXPECT_EQ(forecast.cells,
              (std::vector<ForecastCell>{{2, 1, engine::AboveCapacity}}))
        << "5 hours against assembly's 4, not milling's 8";
}

} // namespace
