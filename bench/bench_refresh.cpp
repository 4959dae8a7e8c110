// Times the hot path of the floor plan: hovering from icon to icon rebuilds the job
// list of a work centre (its queries plus the engine) and repaints the plan. With
// 100,000 live jobs over 20 work centres it prints the median and 95th percentile of
// each, first on the schedule table as defined (no indexes) and then with the indexes
// the program creates at start-up, and the ratio between the two.
//
// Needs the private PostgreSQL server and its test template (scripts/pg.sh start,
// scripts/prepare-test-template.sh); reads BRONTALO_TEST_PG_* like the tests. Makes
// its own database and drops it again.
#include "bench/bench_shop.h"
#include "bench/report.h"
#include "data/own_tables.h"
#include "dbaccess/startup.h"
#include "engine/calendar_strip.h"
#include "engine/job_list.h"
#include "mainwindow/floor_plan_painter.h"
#include "pictures/picture_store.h"
#include "tests/support/erp_fixture.h"
#include "tests/support/test_database.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using dbaccess::Date;

namespace {

const Date today = Date::fromYmd(2026, 3, 9);
constexpr int workCentres = 20;
constexpr int rounds = 200;


using bench::Figures;

Figures measure(const std::function<void(int)> &work) { return bench::timeRounds(rounds, work); }

Figures refreshFigures(dbaccess::Database &db, const engine::CalendarDays &days)
{
    return measure([&](int round) {
        engine::JobListRequest request;
        request.companyId = 1;
        request.selectedWc = 1 + round % workCentres;
        request.currentDate = today;
        request.capacity = {dbaccess::Decimal::fromInt(8), false, false};
        const auto result = engine::RefreshJobList(db, request, days);
        if (result.rows.size() != 27)
            std::fprintf(stderr, "unexpected list of %zu rows\n", result.rows.size());
    });
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testsupport::FreshDatabase fresh;
    std::printf("Filling 10,000 lines and 100,000 live jobs over %d work centres ...\n",
                workCentres);
    fillShop(fresh);
    auto &db = fresh.db();
    const auto days = engine::FillCalendarStrip(today, engine::Daily);

    const Figures plain = refreshFigures(db, days);
    data::ensureScheduleIndexes(db);
    db.rsEdit.execute("analyze brontalo_schedule");
    const Figures indexed = refreshFigures(db, days);

    // The paint of the plan into an offscreen picture, with a route and the highlight.
    FloorPlanScene scene;
    scene.selectedLineId = 42;
    scene.routePathSteps = {1, 2, 6, 9, 14, 0, 0, 0, 0, 0};
    const auto &pictures = PictureStore::instance();
    for (int i = 0; i < workCentres; ++i) {
        scene.iconPlaces.emplace_back(60 + (i % 5) * 180, 100 + (i / 5) * 150);
        scene.iconPictures.push_back(i % 3 == 0 ? pictures.focus(i) : pictures.robot(i));
    }
    QImage canvas(1040, 924, QImage::Format_RGB32);
    const Figures paint = measure([&](int round) {
        scene.selectedWc = 1 + round % workCentres;
        QPainter painter(&canvas);
        paintFloorPlan(painter, scene);
    });

    std::printf("\nwork-centre view refresh (queries + engine), %d hovers:\n", rounds);
    std::printf("  schedule table as defined:    median %7.2f ms   p95 %7.2f ms\n", plain.median,
                plain.p95);
    std::printf("  with the start-up indexes:    median %7.2f ms   p95 %7.2f ms\n", indexed.median,
                indexed.p95);
    std::printf("  ratio (as defined / indexed): median %.1fx   p95 %.1fx\n",
                plain.median / indexed.median, plain.p95 / indexed.p95);
    std::printf("floor plan paint into an offscreen image:\n");
    std::printf("  median %7.2f ms   p95 %7.2f ms\n", paint.median, paint.p95);
    std::printf("hover total (indexed refresh + paint), p95: %.2f ms (one frame is 16 ms)\n",
                indexed.p95 + paint.p95);
    bench::report({"  work-centre refresh, start-up indexes against none",
                   "100,000 live jobs, no history", indexed.median, plain.median, "-", true});
    return 0;
}
