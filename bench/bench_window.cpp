// Times what the user waits for in the real main window (offscreen), events delivered
// as the window system does and the repaint they cause included:
//   - the first planning run of a new shop: the pointer onto the sales-order door with
//     10,000 open lines and none planned, up to the pending list rebuilt;
//   - on a shop with two years of history (10,000 open lines planned, about 100,000 live
//     and 340,000 removed jobs): the start to a drawn window, a hover from work centre to
//     work centre (queue + strip + repaint), the return to the sales-order door (a
//     planning run with nothing new, then the pending list) and the dispatch view.
// Each action is also timed below the window, the program's routines against the
// statement-per-row forms, which must show the same.
//
// Needs the private PostgreSQL server and its test template (scripts/pg.sh start,
// scripts/prepare-test-template.sh); reads BRONTALO_TEST_PG_* like the tests. Makes
// its own databases and drops them again.
#include "bench/report.h"
#include "bench/shop.h"
#include "bench/sketched.h"
#include "dbaccess/startup.h"
#include "engine/auto_schedule.h"
#include "engine/calendar_strip.h"
#include "engine/job_list.h"
#include "mainwindow/floor_canvas.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/global.h"
#include "mainwindow/messages.h"
#include "mainwindow/startup_sequence.h"
#include "tests/support/test_database.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstdio>
#include <memory>
#include <stdexcept>

using dbaccess::Date;

namespace {

const Date today = Date::fromYmd(2026, 3, 9);
constexpr int companyId = 1;

// Any message box the window would show means a fault: the figures would be wrong.
class FailOnMessage final : public Messages
{
public:
    FailOnMessage() { Messages::install(this); }
    ~FailOnMessage() override { Messages::install(nullptr); }
    void problem(QWidget *, const QString &message) override
    {
        throw std::runtime_error("the window reported: " + message.toStdString());
    }
    bool confirm(QWidget *, const QString &) override { return true; }
};

// Counts the paints of one widget: the floor plan, to see that the repaint a hover causes
// falls inside the time measured.
class PaintCounter final : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

void send(QWidget *target, QEvent::Type type, QPointF at, Qt::MouseButton button)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

// The window started as the program starts it, on its own connection.
struct Window
{
    explicit Window(testsupport::FreshDatabase &fresh)
    {
        database.connection.open(dbaccess::connectionString(fresh.settings()));
        g.database = &database;
        g.currentDate = today;
        g.companyId = companyId;
        window = std::make_unique<FrmMain>(g);
        prepareMainWindow(g, *window);
        window->canvas()->installEventFilter(&canvasPaints);
        window->show();
        drawn();
    }

    // Lets the window handle what the event left queued, its repaint included.
    void drawn() { QCoreApplication::processEvents(); }

    QPointF iconCentre(int slot) const
    {
        return QPointF(g.wcPosX[std::size_t(slot - 1)] + 37, g.wcPosY[std::size_t(slot - 1)] + 37);
    }
    void hover(int slot) { send(window->canvas(), QEvent::MouseMove, iconCentre(slot), Qt::NoButton); }
    void onDoor() { send(window->canvas(), QEvent::MouseMove, QPointF(50, 30), Qt::NoButton); }
    void pressDispatch()
    {
        send(window->btnMenu.at(5), QEvent::MouseButtonPress, QPointF(5, 5), Qt::LeftButton);
    }
    std::vector<std::int64_t> shownLines() const
    {
        std::vector<std::int64_t> lines;
        for (Control *so : window->lblRowSO)
            if (!so->caption().isEmpty())
                lines.push_back(so->tag.toLongLong());
        return lines;
    }

    dbaccess::Database database;
    Global g;
    PaintCounter canvasPaints;
    std::unique_ptr<FrmMain> window;
};

std::vector<std::int64_t> linesOf(const engine::JobListResult &result)
{
    std::vector<std::int64_t> lines;
    for (const auto &row : result.rows)
        lines.push_back(row.lineId);
    return lines;
}

engine::JobListRequest requestFor(int view)
{
    engine::JobListRequest request;
    request.companyId = companyId;
    request.selectedWc = view;
    request.currentDate = today;
    if (view >= 1 && view <= bench::shopWorkCentres)
        request.capacity = {dbaccess::Decimal::fromInt(8), false, false};
    return request;
}

long long count(testsupport::FreshDatabase &fresh, const std::string &sql)
{
    return std::stoll(fresh.scalar(sql));
}

void printFigures(const char *what, const bench::Figures &f)
{
    std::printf("  %-52s median %9.2f ms   p95 %9.2f ms\n", what, f.median, f.p95);
}

// The first planning run of a new shop, through the window and below it.
void firstPlanningRun()
{
    testsupport::FreshDatabase fresh;
    std::printf("Filling a new shop: %s …\n", bench::describe(bench::newShop).c_str());
    bench::buildShop(fresh, bench::newShop, today);
    const std::string rowColumns = "select solineid,workcenterid,sequence,status,startdate,runhours";
    auto reset = [&] {
        fresh.exec("delete from brontalo_schedule");
        fresh.exec("vacuum analyze brontalo_schedule");
    };

    Window w(fresh);
    std::vector<std::int64_t> pendingShown;
    const bench::Figures window = bench::timeRounds(
        5,
        [&](int) {
            w.hover(1);
            w.drawn();
            reset();
        },
        [&](int) {
            w.onDoor();
            w.drawn();
            pendingShown = w.shownLines();
        });
    fresh.exec("create table bench_ours as " + rowColumns + " from brontalo_schedule");
    const long long written = count(fresh, "select count(*) from bench_ours");
    reset();

    const auto days = engine::FillCalendarStrip(today, engine::Daily);
    engine::JobListResult sketchedList;
    const bench::Figures sketched = bench::timeRounds(1, [&](int) {
        bench::statementPerStepPlanning(w.database, companyId, today);
        sketchedList = bench::rowByRowJobList(w.database, requestFor(engine::views::pending), days);
    });
    const long long differing = count(
        fresh, "select count(*) from ((" + rowColumns + " from brontalo_schedule except all select "
               "* from bench_ours) union all (select * from bench_ours except all " + rowColumns +
               " from brontalo_schedule)) d");
    const bool same = differing == 0 && pendingShown == linesOf(sketchedList);

    std::printf("first planning run, %lld jobs written:\n", written);
    printFigures("window: pointer onto the door to the pending list", window);
    printFigures("statement per step, then the pending list read row by row", sketched);
    std::printf("  same jobs and pending list: %s\n", same ? "yes" : "NO");
    bench::report({"Planning run, pointer onto the sales-order door to the pending list",
                   bench::describe(bench::newShop), window.median, sketched.median,
                   "<= 0.3 s and >= 25x the statement-per-step form",
                   window.median <= 300 && sketched.median / window.median >= 25, same});
}

// The actions of a shop with two years of history.
void historyActions()
{
    testsupport::FreshDatabase fresh;
    const std::string shape = bench::describe(bench::twoYearShop);
    std::printf("\nFilling a shop with history: %s …\n", shape.c_str());
    bench::buildShop(fresh, bench::twoYearShop, today);
    const auto days = engine::FillCalendarStrip(today, engine::Daily);

    // Start: connect, the start-up sequence, show and the first paint.
    const bench::Figures start = bench::timeRounds(5, [&](int) { Window started(fresh); });
    std::printf("start to a drawn window:\n");
    printFigures("connect, start-up, show, first paint", start);
    bench::report({"Start to a drawn window", shape, start.median, std::nullopt, "< 0.5 s",
                   start.median < 500});

    Window w(fresh);
    // Below the window: the program's reads against the row-by-row forms, which must
    // build the same lists.
    bool same = true;
    for (int view : {engine::views::pending, engine::views::dispatch, 1, 7, 20})
        same = same && engine::RefreshJobList(w.database, requestFor(view), days) ==
                           bench::rowByRowJobList(w.database, requestFor(view), days);

    constexpr int hovers = 200;
    const int paintsBefore = w.canvasPaints.paints;
    const bench::Figures hover = bench::timeRounds(hovers, [&](int round) {
        w.hover(1 + round % bench::shopWorkCentres);
        w.drawn();
    });
    const bool repainted = w.canvasPaints.paints - paintsBefore >= hovers;
    const bench::Figures hoverOurs = bench::timeRounds(hovers, [&](int round) {
        engine::RefreshJobList(w.database, requestFor(1 + round % bench::shopWorkCentres), days);
    });
    const bench::Figures hoverSketched = bench::timeRounds(40, [&](int round) {
        bench::rowByRowJobList(w.database, requestFor(1 + round % bench::shopWorkCentres), days);
    });
    std::printf("hover from work centre to work centre, %d hovers:\n", hovers);
    printFigures("window: queue + strip + repaint", hover);
    printFigures("job list and strip read (program)", hoverOurs);
    printFigures("job list and strip read row by row", hoverSketched);
    std::printf("  every hover repainted the floor plan inside the time: %s\n", repainted ? "yes" : "NO");

    // The door: the window shows a work centre, the pointer moves onto the door.
    const long long jobsBefore = count(fresh, "select count(*) from brontalo_schedule");
    std::vector<std::int64_t> pendingShown;
    auto showWorkCentre = [&](int round) {
        w.hover(1 + round % bench::shopWorkCentres);
        w.drawn();
    };
    const bench::Figures door = bench::timeRounds(40, showWorkCentre, [&](int) {
        w.onDoor();
        w.drawn();
        pendingShown = w.shownLines();
    });
    const bench::Figures doorOurs = bench::timeRounds(40, [&](int) {
        engine::AutoSchedule(w.database, companyId, today);
        engine::RefreshJobList(w.database, requestFor(engine::views::pending), days);
    });
    engine::JobListResult sketchedPending;
    const bench::Figures doorSketched = bench::timeRounds(1, [&](int) {
        bench::statementPerStepPlanning(w.database, companyId, today);
        sketchedPending = bench::rowByRowJobList(w.database, requestFor(engine::views::pending), days);
    });
    const bool nothingNew = count(fresh, "select count(*) from brontalo_schedule") == jobsBefore;
    std::printf("return to the sales-order door (planning run with nothing new + pending list):\n");
    printFigures("window: pointer onto the door", door);
    printFigures("planning run + pending list (program)", doorOurs);
    printFigures("statement per step + pending list row by row", doorSketched);

    const bench::Figures dispatch = bench::timeRounds(40, showWorkCentre, [&](int) {
        w.pressDispatch();
        w.drawn();
    });
    const bench::Figures dispatchOurs = bench::timeRounds(40, [&](int) {
        engine::RefreshJobList(w.database, requestFor(engine::views::dispatch), days);
    });
    const bench::Figures dispatchSketched = bench::timeRounds(5, [&](int) {
        bench::rowByRowJobList(w.database, requestFor(engine::views::dispatch), days);
    });
    std::printf("dispatch view:\n");
    printFigures("window: press on the dispatch button", dispatch);
    printFigures("dispatch list (program)", dispatchOurs);
    printFigures("dispatch list row by row", dispatchSketched);
    std::printf("  program and row-by-row forms show the same: %s\n", same ? "yes" : "NO");

    bench::report({"Hover from work centre to work centre (queue + strip + repaint)", shape,
                   hover.median, std::nullopt, "< 16 ms", hover.median < 16, same && repainted});
    bench::report({"  job list and strip read, below the window", shape, hoverOurs.median,
                   hoverSketched.median, "-", true, same});
    bench::report({"Return to the sales-order door (planning run + pending list)", shape,
                   door.median, std::nullopt, "< 25 ms", door.median < 25,
                   same && nothingNew && pendingShown == linesOf(sketchedPending)});
    bench::report({"  planning run + pending list, below the window", shape, doorOurs.median,
                   doorSketched.median, "-", true, same && nothingNew});
    bench::report({"Dispatch view", shape, dispatch.median, std::nullopt, "< 25 ms",
                   dispatch.median < 25, same});
    bench::report({"  dispatch list, below the window", shape, dispatchOurs.median,
                   dispatchSketched.median, "-", true, same});
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FailOnMessage messages;
    try {
        firstPlanningRun();
        historyActions();
    } catch (const std::exception &error) {
        std::fprintf(stderr, "bench_window: %s\n", error.what());
        return 1;
    }
    return 0;
}
