// Times the load forecast against the form that reads every live job and looks its
// work centre up by a linear search over the 100 rows of the work-centre table, on a
// plant of 20 work centres with 100,000 live jobs.
//
// Needs the private PostgreSQL server and its test template (scripts/pg.sh start,
// scripts/prepare-test-template.sh); reads BRONTALO_TEST_PG_HOST, _PORT, _USER and
// _PASSWORD like the tests. Makes its own database and drops it again.
#include "data/jobs.h"
#include "data/own_tables.h"
#include "dbaccess/record_set.h"
#include "dbaccess/startup.h"
#include "engine/load_forecast.h"
#include "tests/support/test_database.h"
#include "bench/best_of.h"
#include "bench/report.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <vector>

using dbaccess::Database;
using dbaccess::Date;
using dbaccess::Decimal;
using engine::WorkCentreCapacity;

namespace {

const Date currentDate = Date::fromYmd(2026, 3, 9);
constexpr int workCentreCount = 20;

// 100,000 live jobs from 60 days before the working date to 70 after (the past ones
// completed and not removed, as a shop leaves them), over slots 1–20 and a few on 99,
// and 10,000 removed ones.
void fill(Database &db)
{
    data::EnsureOwnTables(db);
    db.rsEdit.execute("insert into brontalo_workcenter(sequence,iconstyle,name,active,"
                      "dailyworkhours,saturdayworked,sundayworked,runrate) select g,g%20,"
                      "'centre '||g,true,7.5+(g%3)*0.5,g%4=0,false,1 from generate_series(7,20) g");
    db.rsEdit.execute(
        "insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,runhours) "
        "select case when g%97=0 then 99 else 1+(g*7)%20 end,0,case when g>100000 then 0 else "
        "1+g%4 end,1+(g-1)/10,date '2026-03-09'+((1+(g-1)/10)*13)%120-60+(g-1)%10,"
        "0.5+(g%16)*0.25 from generate_series(1,110000) g");
    data::ensureScheduleIndexes(db); // as the program does at start-up
    db.rsEdit.execute("vacuum analyze brontalo_schedule");
}

struct WcRow
{
    std::int64_t id = 0;
    WorkCentreCapacity capacity;
};

// The work-centre table of the window: the loaded work centres in slot order.
std::array<WcRow, 100> loadWorkCentres(Database &db)
{
    std::array<WcRow, 100> table{};
    auto &rs = db.rsMain;
    rs.open("select * from brontalo_workcenter where active=true order by sequence");
    std::size_t i = 0;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++i)
        table[i] = {rs.field("id").toInt(),
                    {rs.field("dailyworkhours").toDecimal(),
                     rs.field("saturdayworked").toInt() == 1,
                     rs.field("sundayworked").toInt() == 1}};
    rs.close();
    return table;
}

// Every live job read on its own, its work centre found by a linear search.
std::size_t rowByRowForecast(Database &db, const std::array<WcRow, 100> &table)
{
    static Decimal load[100][engine::forecastDayCount];
    for (auto &row : load)
        std::fill(std::begin(row), std::end(row), Decimal());
    auto &rs = db.rsMain;
    rs.open(data::jobs::liveJobsBefore(currentDate.addDays(engine::forecastDayCount)));
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const std::int64_t w = rs.field("workcenterid").toInt();
        const int d = std::max(0, currentDate.daysTo(rs.field("startdate").toDate()));
        for (std::size_t s = 0; s < table.size(); ++s)
            if (table[s].id == w) {
                load[s][d] += rs.field("runhours").toDecimal();
                break;
            }
    }
    rs.close();
    std::size_t blocks = 0;
    for (int s = 0; s < engine::forecastDrawnSlots; ++s)
        for (int d = 0; d < engine::forecastDayCount; ++d)
            if (load[s][d] > Decimal()) {
                engine::loadPicture(load[s][d],
                                    engine::capacityOn(table[s].capacity, currentDate.addDays(d)));
                ++blocks;
            }
    return blocks;
}

} // namespace

int main()
{
    try {
        testsupport::FreshDatabase fresh;
        Database &db = fresh.db();
        std::printf("filling the schedule …\n");
        fill(db);
        const auto table = loadWorkCentres(db);
        std::vector<WorkCentreCapacity> plant;
        for (int s = 0; s < workCentreCount; ++s)
            plant.push_back(table[s].capacity);

        std::size_t oursBlocks = 0, rowByRowBlocks = 0;
        const double ours = bestOf(
            10, [&] { return engine::ForecastLoad(db, plant, currentDate).cells.size(); },
            oursBlocks);
        const double rowByRow =
            bestOf(5, [&] { return rowByRowForecast(db, table); }, rowByRowBlocks);
        std::printf("load forecast, best of 10 / 5 runs:\n");
        std::printf("  summed by the database, slot array: %8.1f ms (%zu blocks)\n", ours,
                    oursBlocks);
        std::printf("  every job read, linear search:      %8.1f ms (%zu blocks)\n", rowByRow,
                    rowByRowBlocks);
        std::printf("  ratio:                              %8.1fx\n", rowByRow / ours);
        bench::report({"Load forecast", "100,000 live and 10,000 removed jobs", ours, rowByRow,
                       "< 10 ms", ours < 10, oursBlocks == rowByRowBlocks});
        return 0;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_forecast: %s\n", error.what());
        return 1;
    }
}
