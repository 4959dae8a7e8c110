// The main window on a real database: the seed plant's load, hovering, pinning and
// dragging on the floor plan, the calendar strip, and the job-list views.
#include "data/own_tables.h"
#include "mainwindow/floor_canvas.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "mainwindow/work_centre_editor.h"
#include "tests/mainwindow/window_fixture.h"

#include <QtTest>

using dbaccess::Date;
using testsupport::iconCentre;
using testsupport::WindowFixture;

namespace {

const Date friday = testsupport::WindowTest::workingDate();

} // namespace

class TestFrmMain : public testsupport::WindowTest
{
    Q_OBJECT

private:

    std::vector<int> openLines(int count) { return f->openLines(count); }
    void ownTablesNow() { f->ownTablesNow(); }
    void addJob(int line, int slot, const QString &hours, int status = 1, int sequence = 0,
                Date start = friday)
    {
        f->addJob(line, slot, hours, status, sequence, start);
    }

    // `routedCount` lines of a product with the seed route type 1 (cnc, milling, packing,
    // one unit an hour), then one line of a product without a route type; one order of
    // five units each, due Friday 18 December.
    struct LinesToPlan
    {
        std::vector<int> routed;
        int unrouted = 0;
    };
    LinesToPlan linesToPlan(int routedCount)
    {
        f->erp.company(1, "Frames Ltd");
        const int frame = f->erp.product("Casement window");
        const int sash = f->erp.product("Sash window");
        const int order = f->erp.order(1, "2026-12-18 14:30:00");
        LinesToPlan lines;
        for (int i = 0; i < routedCount; ++i)
            lines.routed.push_back(f->erp.line(order, frame, "5"));
        lines.unrouted = f->erp.line(order, sash, "5");
        ownTablesNow();
        f->fresh.exec("insert into brontalo_productroute(product_id,routeid) values (" +
                      std::to_string(frame) + ",1)");
        return lines;
    }

private slots:

    void loadsTheSeedPlant()
    {
        f = std::make_unique<WindowFixture>(friday, 2);
        f->erp.company(1, "Frames Ltd");
        f->erp.company(2, "Second Site");
        f->start();
        struct Place { QPoint icon; int nameCentre; int nameTop; QPoint date; };
        // Each name is centred under its icon, 65 pixels below the icon's top; the date
        // label stands 22 pixels in from the icon's left, 12 pixels under the name.
        const Place places[] = {{{127, 140}, 164, 205, {149, 217}}, {{240, 78}, 277, 143, {262, 155}},
                                {{409, 55}, 446, 120, {431, 132}},  {{741, 186}, 778, 251, {763, 263}},
                                {{515, 468}, 552, 533, {537, 545}}, {{766, 716}, 803, 781, {788, 793}}};
        QCOMPARE(w().iconHolderCount(), 6);
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(QPoint(g().wcPosX[i], g().wcPosY[i]), places[i].icon);
            const Control *name = w().lblWcName[std::size_t(i)];
            const double centre = name->x() + name->width() / 2.0;
            QVERIFY2(qAbs(centre - places[i].nameCentre) <= 0.5,
                     qPrintable(QStringLiteral("name %1 centred at %2").arg(i).arg(centre)));
            QCOMPARE(name->y(), places[i].nameTop);
            QCOMPARE(w().lblWcDate[std::size_t(i)]->pos(), places[i].date);
        }
        QCOMPARE(w().lblWcName[4]->caption(), QStringLiteral("QA"));
        QCOMPARE(w().lblMovePath[5]->caption(), QStringLiteral("packing"));
        QCOMPARE(w().lblMovePath[6]->caption(), QString());
        QCOMPARE(w().lblGanttWc.size(), std::size_t(6));
        QCOMPARE(w().lblRoutePath[2]->caption(), QStringLiteral("Special Welding"));
        QCOMPARE(w().lblRoutePath[2]->tag, QStringLiteral("3"));
        QCOMPARE(w().lblRoutePath[3]->caption(), QString());
        QCOMPARE(g().routeStepTable[1], (std::vector<int>{4, 6}));
        QCOMPARE(w().lblTitle[16]->caption(), QStringLiteral("Second Site"));
        QCOMPARE(g().selectedWc, 98);
        for (int r = 0; r < 27; ++r)
            QVERIFY(w().lblRowSO[r]->caption().isEmpty() && w().lblRowNote[r]->caption().isEmpty());
        QCOMPARE(w().lblCalBlock[0]->caption(), QStringLiteral("Dec 11"));
        QVERIFY(w().imgDayBlock[0]->isHidden());
        QVERIFY(f->messages.problems.isEmpty());
    }

    void messagesGoToTheFixtureInUseAndNowhereElse()
    {
        f = std::make_unique<WindowFixture>(friday, 2); // made before the first one goes
        f->start();
        testsupport::press(w().btnMenu[3], QPointF(5, 5)); // the work-centre editor
        w().workCentreEditor().txtWorkhours->setText(QStringLiteral("abc"));
        testsupport::press(w().btnMenu[7], QPointF(5, 5)); // refused, with a message
        QCOMPARE(f->messages.problems.size(), 1);

        f.reset();
        QEXPECT_FAIL("", "with no fixture left, a message fails the test", Continue);
        showProblem(nullptr, QStringLiteral("said to nobody"));
    }

    void aDatabaseWithoutTheErpTablesIsSaidOnceAndLeftAlone_data()
    {
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("named");
        QTest::newRow("not an Odoo database at all")
            << "drop schema public cascade; create schema public"
            << "sale_order_line, sale_order, res_partner, res_company, product_product, "
               "product_template, mrp_bom, mrp_bom_line, uom_uom, stock_quant, "
               "stock_location, purchase_order_line";
        QTest::newRow("an Odoo database without manufacturing")
            << "drop table mrp_bom_line, mrp_bom cascade" << "mrp_bom, mrp_bom_line";
    }
    void aDatabaseWithoutTheErpTablesIsSaidOnceAndLeftAlone()
    {
        QFETCH(QString, dropped);
        QFETCH(QString, named);
        f->fresh.exec(dropped.toStdString());
        f->start();
        QVERIFY(!f->prepared);
        QCOMPARE(f->messages.problems.size(), 1);
        const QString &said = f->messages.problems[0];
        QVERIFY2(said.contains(QStringLiteral("has no table ") + named + QStringLiteral(".")),
                 qPrintable(said));
        QVERIFY(said.contains(QStringLiteral("BrontaloSetup")));
        QVERIFY(said.contains(QString::fromStdString("\"" + f->fresh.name() + "\"")));
        QCOMPARE(sql("select count(*) from pg_class where relname like 'brontalo%'"),
                 std::string("0"));
    }

    void loadsTheFirstTwentyWorkCentresAndSaysWhatIsLeftOut()
    {
        f->ownTablesNow();
        f->fresh.exec("insert into brontalo_workcenter(sequence,iconstyle,name,active,"
                      "dailyworkhours,saturdayworked,sundayworked,runrate) select g,g%20,'centre "
                      "'||g,true,8,false,false,1 from generate_series(7,22) g");
        f->fresh.exec("insert into brontalo_route(sequence,name,active,step1) select g,'route "
                      "'||g,true,1 from generate_series(4,16) g");
        f->start();
        QCOMPARE(w().iconHolderCount(), 20);
        QCOMPARE(g().loadedWorkCentres(), 20);
        QCOMPARE(w().lblMovePath[19]->caption(), QStringLiteral("centre 20"));
        QCOMPARE(w().lblRoutePath[14]->caption(), QStringLiteral("route 15"));
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].contains(QStringLiteral("2 of 22 active work centres")));
        QVERIFY(f->messages.problems[0].contains(QStringLiteral("1 of 16 active route types")));
    }

    void hoverSelectsAndReselects()
    {
        f->start();
        FloorCanvas *canvas = w().picCanvas;
        testsupport::move(canvas, iconCentre(g(), 2));
        QCOMPARE(g().selectedWc, 2);
        QCOMPARE(w().lblTitle[0]->caption(), QStringLiteral("milling"));
        QCOMPARE(w().lblTitle[8]->caption(), QStringLiteral("milling"));
        QVERIFY(w().lblWcName[1]->isBold());
        QCOMPARE(w().lblWcName[1]->y(), 78 + 82);
        QVERIFY(!w().imgDayBlock[5]->isHidden());

        testsupport::move(canvas, QPointF(600, 40));
        QCOMPARE(g().selectedWc, 2); // empty floor keeps the selection

        testsupport::move(canvas, iconCentre(g(), 1));
        QCOMPARE(g().selectedWc, 1);
        QVERIFY(!w().lblWcName[1]->isBold());
        QCOMPARE(w().lblWcName[1]->y(), 78 + 65);
        QCOMPARE(w().lblTitle[0]->caption(), QStringLiteral("cnc"));

        // The highlight lies under the selected icon: a corner of it is no longer floor.
        const QImage before = w().picCanvas->layer().toImage();
        testsupport::move(canvas, iconCentre(g(), 5));
        const QImage after = w().picCanvas->layer().toImage();
        const QPoint underQa(515 - 45 + 89, 468 - 7 + 88);
        QVERIFY(before.pixel(underQa) != after.pixel(underQa));
    }

    void hitRuleTakesTheLowerSlotWhereBoxesOverlap_data()
    {
        QTest::addColumn<QPointF>("at");
        QTest::addColumn<int>("selected");
        // Slot 2 is moved to overlap slot 1, whose box runs from (127,140) to (202,215).
        QTest::newRow("overlap goes to the lower slot") << QPointF(180, 190) << 1;
        QTest::newRow("only slot 2 covers this") << QPointF(220, 220) << 2;
        QTest::newRow("left edge itself is outside") << QPointF(127, 150) << 0;
        QTest::newRow("right edge itself is outside") << QPointF(202, 150) << 0;
        QTest::newRow("just inside the top edge") << QPointF(130, 140.5) << 1;
    }
    void hitRuleTakesTheLowerSlotWhereBoxesOverlap()
    {
        QFETCH(QPointF, at);
        QFETCH(int, selected);
        f->start();
        g().wcPosX[1] = 170;
        g().wcPosY[1] = 180;
        QCOMPARE(w().FindIconAt(at.x(), at.y()) + 1, selected);
    }

    void pressPinsAndUnpinsTheSelection()
    {
        f->start();
        FloorCanvas *canvas = w().picCanvas;
        testsupport::move(canvas, iconCentre(g(), 1));
        testsupport::press(canvas, iconCentre(g(), 1));
        QVERIFY(g().hoverFrozen);
        testsupport::move(canvas, iconCentre(g(), 2));
        QCOMPARE(g().selectedWc, 1);

        testsupport::press(canvas, iconCentre(g(), 2)); // another icon: only unpins
        QVERIFY(!g().hoverFrozen);
        QCOMPARE(g().selectedWc, 1);
        testsupport::move(canvas, iconCentre(g(), 2));
        QCOMPARE(g().selectedWc, 2);

        testsupport::press(canvas, iconCentre(g(), 2));
        testsupport::press(canvas, iconCentre(g(), 2));
        QVERIFY(!g().hoverFrozen);
    }

    void dragMovesTheIconAndReleaseStoresItOnce()
    {
        f->start();
        f->fresh.exec("create table place_writes(n serial, posx int, posy int)");
        f->fresh.exec("create function log_place() returns trigger language plpgsql as $$ begin "
                      "insert into place_writes(posx,posy) values (new.posx,new.posy); "
                      "return new; end $$");
        f->fresh.exec("create trigger log_place after update on brontalo_workcenter for each row "
                      "execute function log_place()");
        FloorCanvas *canvas = w().picCanvas;
        testsupport::move(canvas, iconCentre(g(), 3));
        w().pnlMenu[1]->show(); // the editor is open while its panel is shown

        testsupport::move(canvas, QPointF(500, 400), Qt::LeftButton);
        QCOMPARE(g().wcPosX[2], 463);
        QCOMPARE(g().wcPosY[2], 363);
        QCOMPARE(w().lblWcName[2]->y(), 445);
        QCOMPARE(w().lblWcDate[2]->x(), 485);
        testsupport::move(canvas, QPointF(500.5, 400), Qt::LeftButton);
        QCOMPARE(g().wcPosX[2], 464); // 463.5 rounds to the even neighbour
        QCOMPARE(f->fresh.scalar("select count(*) from place_writes"), std::string("0"));

        testsupport::release(canvas, QPointF(500.5, 400));
        QCOMPARE(f->fresh.scalar("select posx||','||posy from brontalo_workcenter where id=3"),
                 std::string("464,363"));
        QCOMPARE(f->fresh.scalar("select count(*) from place_writes"), std::string("2"));
        testsupport::release(canvas, QPointF(500.5, 400));
        QCOMPARE(f->fresh.scalar("select count(*) from place_writes"), std::string("2"));
        QVERIFY(f->messages.problems.isEmpty());
    }

    void panelsCloseOnTheirTitleBars_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("closes");
        QTest::newRow("editor title bar") << 1 << QPoint(200, 10) << true;
        QTest::newRow("editor cancel button") << 1 << QPoint(100, 495) << true;
        QTest::newRow("editor body") << 1 << QPoint(200, 300) << false;
        QTest::newRow("route types anywhere") << 2 << QPoint(100, 300) << true;
        QTest::newRow("move-to close cross") << 5 << QPoint(250, 10) << true;
        QTest::newRow("move-to title left") << 5 << QPoint(100, 10) << false;
        QTest::newRow("search list never") << 3 << QPoint(10, 10) << false;
    }
    void panelsCloseOnTheirTitleBars()
    {
        QFETCH(int, panel);
        QFETCH(QPoint, at);
        QFETCH(bool, closes);
        f->start();
        w().pnlMenu[std::size_t(panel)]->show();
        testsupport::press(w().pnlMenu[std::size_t(panel)], at);
        QCOMPARE(w().pnlMenu[std::size_t(panel)]->isHidden(), closes);
    }

    void stripSwitchesBetweenDaysAndWeeks()
    {
        f->start();
        QCOMPARE(w().lblCalBlock[0]->foreground(), QColor(0, 0, 0));
        QCOMPARE(w().lblCalBlock[1]->foreground(), QColor(192, 192, 192)); // Saturday
        QCOMPARE(g().calendarDays[0].captionColour, engine::colours::darkGrey);

        view(1);
        testsupport::move(w().imgDayBlock[4], QPointF(3, 3));
        QCOMPARE(g().selectedDay, 4);
        QVERIFY(w().lblCalBlock[4]->isBold());
        QCOMPARE(w().lblTitle[5]->caption(), QStringLiteral("Dec 15"));

        testsupport::move(w().picCanvas, QPointF(400, 750)); // the clock opens the chooser
        QVERIFY(!w().pnlMenu[0]->isHidden());
        testsupport::press(w().lblTitle[7], QPointF(5, 5));
        QCOMPARE(g().calendarMode, int(engine::Weekly));
        QCOMPARE(g().selectedDay, 4);
        QCOMPARE(g().calendarDays[0].end, Date::fromYmd(2026, 12, 14));
        QCOMPARE(w().lblCalBlock[1]->caption(), QStringLiteral("Dec 14"));
        QVERIFY(w().pnlMenu[0]->isHidden());

        testsupport::press(w().imgDayBlock[4], QPointF(3, 3)); // lock
        testsupport::move(w().imgDayBlock[6], QPointF(3, 3));
        QCOMPARE(g().selectedDay, 4);
    }

    void pendingViewListsUnplannedLines()
    {
        const auto lines = openLines(30);
        ownTablesNow();
        addJob(lines[1], 1, "2", 0); // removed jobs still count as planned
        addJob(lines[4], 2, "2");
        f->start();
        view(2);
        testsupport::move(w().imgDayBlock[3], QPointF(3, 3));
        hoverLogo();
        QCOMPARE(g().selectedWc, 0);
        QCOMPARE(g().selectedDay, 0);
        QCOMPARE(w().lblTitle[0]->caption(), QStringLiteral("sales orders"));
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[0]);
        QCOMPARE(w().lblRowSO[1]->tag.toInt(), lines[2]);
        QCOMPARE(w().lblRowSO[26]->tag.toInt(), lines[28]);
        QCOMPARE(w().lblRowNote[26]->caption(), QStringLiteral("[Select Route type]"));
        QCOMPARE(w().lblRowDue[0]->caption(), QStringLiteral("18-Dec-26")); // a week on
        QCOMPARE(w().lblRowHrs[0]->caption(), QString());
        QCOMPARE(w().lblRowTotal->caption(), QString());
        QVERIFY(w().imgDayBlock[0]->isHidden());
        QCOMPARE(w().btnMenu[0]->pictureId(), 1);
    }

    void logoHoverPlansEveryRoutedLineBeforeListingThePending()
    {
        const auto lines = linesToPlan(201); // more than the planner writes in one statement
        f->start();
        view(2);
        hoverLogo();
        QCOMPARE(g().selectedWc, 0);
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines.unrouted);
        QCOMPARE(w().lblRowSO[1]->caption(), QString());
        QCOMPARE(sql("select count(distinct solineid)||':'||min(solineid)||'-'||max(solineid) "
                     "from brontalo_schedule"),
                 "201:" + std::to_string(lines.routed.front()) + "-" +
                     std::to_string(lines.routed.back()));
        // Every planned line has its route's three jobs, once.
        QCOMPARE(sql("select string_agg(distinct jobs, ' | ') from (select string_agg("
                     "workcenterid||'@'||startdate||':'||runhours, ' ' order by id) as jobs from "
                     "brontalo_schedule group by solineid) as per_line"),
                 std::string("1@2026-12-15:5.000 2@2026-12-16:5.000 6@2026-12-17:5.000"));
        QVERIFY(f->messages.problems.isEmpty());
    }

    void aFailedPlanningRunShowsThePendingListThenSaysWhy()
    {
        const auto lines = linesToPlan(1);
        // Packing, the route's last step, takes no new jobs in this database.
        f->fresh.exec("alter table brontalo_schedule add constraint no_packing "
                      "check (workcenterid<>6)");
        f->start();
        view(2);
        QStringList underTheMessage;
        f->messages.onProblem = [&](const QString &) {
            underTheMessage << w().lblTitle[0]->caption() << w().lblRowSO[0]->tag
                            << w().lblRowSO[1]->tag;
        };
        hoverLogo();
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].contains(QStringLiteral("no_packing")));
        QCOMPARE(underTheMessage, (QStringList{QStringLiteral("sales orders"),
                                               QString::number(lines.routed[0]),
                                               QString::number(lines.unrouted)}));
        QCOMPARE(sql("select count(*) from brontalo_schedule"), std::string("0"));
    }

    void viewsListTheLinesOfTheCompany_data()
    {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("jobStatus"); // of each line's one job on milling; -1: no job
        // Of the lines: 0 open, 1 of the second company, 2 of a draft order, 3 invoiced.
        QTest::addColumn<QList<int>>("listed");
        QTest::newRow("pending: open lines only")
            << int(engine::views::pending) << -1 << QList<int>{0};
        QTest::newRow("dispatch: open lines only")
            << int(engine::views::dispatch) << 4 << QList<int>{0};
        QTest::newRow("queue: every job of the company's lines") << 2 << 1 << QList<int>{0, 2, 3};
    }
    void viewsListTheLinesOfTheCompany()
    {
        QFETCH(int, shown);
        QFETCH(int, jobStatus);
        QFETCH(QList<int>, listed);
        f->erp.company(1, "Frames Ltd");
        f->erp.company(2, "Second Site");
        const int product = f->erp.product("Casement window");
        const std::string due = "2026-12-18 14:30:00";
        const int draftOrder = f->erp.order(1, due);
        f->fresh.exec("update sale_order set state='draft' where id=" + std::to_string(draftOrder));
        const std::vector<int> lines = {f->erp.line(f->erp.order(1, due), product, "5"),
                                        f->erp.line(f->erp.order(2, due), product, "5"),
                                        f->erp.line(draftOrder, product, "5", "draft"),
                                        f->erp.line(f->erp.order(1, due), product, "5")};
        f->fresh.exec("update sale_order_line set qty_to_invoice=0 where id=" +
                      std::to_string(lines[3])); // invoiced in full
        ownTablesNow();
        if (jobStatus >= 0)
            for (int line : lines)
                addJob(line, 2, "1", jobStatus);
        f->start();
        if (shown == engine::views::dispatch) {
            testsupport::press(w().btnMenu[5], QPointF(5, 5));
        } else {
            view(2);
            if (shown == engine::views::pending)
                hoverLogo();
        }
        QCOMPARE(g().selectedWc, shown);
        QList<int> rows;
        for (int r = 0; r < 27 && !w().lblRowSO[r]->caption().isEmpty(); ++r)
            rows << int(std::find(lines.begin(), lines.end(), w().lblRowSO[r]->tag.toInt()) -
                        lines.begin());
        QCOMPARE(rows, listed);
    }

    void dispatchViewListsFinishedLinesOnce()
    {
        const auto lines = openLines(3);
        ownTablesNow();
        for (int slot : {1, 2, 6})
            addJob(lines[0], slot, "1", 4);
        addJob(lines[1], 1, "1", 4);
        addJob(lines[1], 2, "1", 4);
        addJob(lines[1], 6, "1", 3);
        addJob(lines[2], 1, "1", 0); // only removed jobs: not listed
        f->start();
        w().RefreshJobList(true);
        QCOMPARE(w().lblTitle[0]->caption(), QStringLiteral("dispatch"));
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[0]);
        QCOMPARE(w().lblRowSO[1]->caption(), QString());
        QVERIFY(!w().pnlDispatchCover->isHidden());
        QCOMPARE(w().lblTitle[5]->caption(), QStringLiteral("pending"));
    }

    void workCentreQueueShowsTheFirst27InQueueOrder()
    {
        const auto lines = openLines(30);
        ownTablesNow();
        std::vector<int> jobs;
        for (int i = 0; i < 30; ++i)
            jobs.push_back(f->addJob(lines[std::size_t(i)], 2, "1", 1, i < 2 ? 5 : 0));
        f->start();
        view(2);
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[2]);
        QCOMPARE(w().lblRowSO[26]->tag.toInt(), lines[28]);
        QCOMPARE(w().lblRowSeq[26]->caption(), QStringLiteral("27"));
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 27"));
        QCOMPARE(w().lblRowHrs[0]->tag.toInt(), jobs[2]);
        QCOMPARE(w().lblRowHrs[26]->tag.toInt(), jobs[28]);
    }

    void totalAddsTheRoundedHours()
    {
        const auto lines = openLines(2);
        ownTablesNow();
        addJob(lines[0], 4, "1.04");
        addJob(lines[1], 4, "1.06", 2);
        f->start();
        view(4);
        QCOMPARE(w().lblRowHrs[0]->caption(), QStringLiteral("1"));
        QCOMPARE(w().lblRowHrs[1]->caption(), QStringLiteral("1.1"));
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 2.1"));
        QCOMPARE(w().lblRowSeq[1]->background(), QColor(40, 167, 69));
        QCOMPARE(w().lblRowSO[0]->foreground(), QColor(0, 128, 0));
    }

    void stripShowsTheBookedHoursOfLiveJobs()
    {
        // QA works 8 hours on weekdays; 10 hours are booked today, and a removed job of
        // 40 hours counts for nothing.
        const auto lines = openLines(3);
        ownTablesNow();
        addJob(lines[0], 5, "10");
        addJob(lines[1], 5, "8", 1, 0, friday.addDays(19)); // a late slot counts as well
        addJob(lines[2], 5, "40", 0);
        f->start();
        view(5);
        QCOMPARE(w().imgDayBlock[0]->pictureId(), 4);
        QCOMPARE(w().lblBlockAvailHrs[0]->caption(), QStringLiteral("(2)"));
        QCOMPARE(w().lblBlockAvailHrs[0]->foreground(), QColor(192, 0, 0));
        QCOMPARE(w().lblBlockCapacity[0]->caption(), QStringLiteral("8"));
        QCOMPARE(w().lblBlockCapacity[1]->caption(), QString()); // Saturday
        QCOMPARE(w().imgDayBlock[19]->pictureId(), 0);
        QCOMPARE(w().imgDayBlock[16]->pictureId(), 5); // a free Sunday
        QCOMPARE(w().imgDayBlock[20]->pictureId(), 2); // a free weekday
        QCOMPARE(w().lblRowSO[2]->caption(), QString()); // nor is it in the queue
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frm_main.moc"
