// The route-types panel in the real window: previewing route types on the floor plan,
// choosing and pinning an entry, and assigning the chosen one to a pending line's
// product, which plans the line.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/layout.h"
#include "mainwindow/route_types_panel.h"
#include "pictures/picture_store.h"
#include "routepath/frm_route_path.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QtTest>

using testsupport::clickAtWindow;
using testsupport::iconCentre;
using testsupport::inWindow;
using testsupport::moveInWindow;

namespace {

using Steps = std::array<int, 10>;

QPoint middleOf(const QWidget *control)
{
    return inWindow(control, control->rect().center());
}

// Middle of the route line between two seed work centres (icon corner + 35).
QPoint lineMiddle(QPoint from, QPoint to)
{
    return (from + to) / 2 + QPoint(35, 35);
}

const QPoint cnc(127, 140), milling(240, 78), packing(766, 716);
// A point of the highlight drawn under milling while it is selected, clear of its icon
// and of the route lines through it.
const QPoint underMilling(240 - 45 + 89, 78 - 7 + 88);

} // namespace

class TestRouteTypes : public testsupport::WindowTest
{
    Q_OBJECT

private:
    QPoint onCanvas(QPoint at) { return inWindow(w().picCanvas, at); }
    void view(int slot) { moveInWindow(&w(), onCanvas(iconCentre(g(), slot))); }
    void openFromPlan() { clickAtWindow(&w(), middleOf(w().btnMenu[16])); }
    void openFromPendingLine(int row)
    {
        moveInWindow(&w(), onCanvas({50, 30})); // the logo: the pending lines
        clickAtWindow(&w(), middleOf(w().lblRowNote[row]));
    }
    void hoverEntry(int i) { moveInWindow(&w(), middleOf(w().lblRoutePath[i])); }
    void clickEntry(int i) { clickAtWindow(&w(), middleOf(w().lblRoutePath[i])); }
    QRgb planPixel(QPoint at) { return w().picCanvas->layer().toImage().pixel(at); }
    static QRgb floorPixel(QPoint at)
    {
        return PictureStore::instance().floorPlan().toImage().pixel(at);
    }
    std::vector<int> highlighted() { return testsupport::highlightedSlots(w()); }
    std::string productOf(int line)
    {
        return sql("select product_id from sale_order_line where id=" + std::to_string(line));
    }
    // The line's jobs as "slot:start:hours:status:sequence".
    std::string jobsOf(int line)
    {
        return sql("select string_agg(workcenterid||':'||startdate||':'||runhours||':'||status||"
                   "':'||sequence, ' ' order by workcenterid) from brontalo_schedule where "
                   "solineid=" +
                   std::to_string(line));
    }
    bool searchFinds(int line)
    {
        for (const auto &entry : g().searchTable)
            if (entry.lineId == line)
                return true;
        return false;
    }

private slots:
    void hoverPreviewsTheRouteWithoutTheSelectionHighlight()
    {
        f->start();
        view(2);
        QVERIFY(planPixel(underMilling) != floorPixel(underMilling)); // milling is selected
        openFromPlan();
        QVERIFY(!w().pnlMenu[2]->isHidden());
        QVERIFY(w().btnMenu[12]->isHidden());
        QVERIFY(!w().btnMenu[17]->isHidden());

        hoverEntry(0);
        QCOMPARE(w().lblRoutePath[0]->caption(), QStringLiteral("Window Frame Manufacture"));
        QCOMPARE(g().selectedRoute, 0);
        QCOMPARE(w().lblRoutePath[0]->background(), QColor(Qt::white));
        QCOMPARE(w().lblRoutePath[1]->background(), layout::panelEntryBackground);
        QCOMPARE(g().routePathSteps, (Steps{1, 2, 6}));
        QCOMPARE(g().selectedLineId, std::int64_t(1));
        QCOMPARE(highlighted(), (std::vector<int>{1, 2, 6}));
        const QRgb line = layout::routeLineColour.rgb();
        QCOMPARE(planPixel(lineMiddle(cnc, milling)), line);
        QCOMPARE(planPixel(lineMiddle(milling, packing)), line);
        QCOMPARE(planPixel(lineMiddle(cnc, packing)), floorPixel(lineMiddle(cnc, packing)));
        QCOMPARE(g().selectedWc, 2);
        QCOMPARE(planPixel(underMilling), floorPixel(underMilling));

        // The floor plan takes no hover while the panel is open.
        view(4);
        QCOMPARE(g().selectedWc, 2);
        QCOMPARE(g().routePathSteps, (Steps{1, 2, 6}));

        // A press on the panel's background closes it; the preview stays on the plan.
        clickAtWindow(&w(), inWindow(w().pnlMenu[2], QPoint(40, 435)));
        QVERIFY(w().pnlMenu[2]->isHidden());
        QCOMPARE(g().routePathSteps, (Steps{1, 2, 6}));
        QCOMPARE(planPixel(lineMiddle(milling, packing)), line);
    }

    void hoverOverAnEmptyEntrySelectsItAndLeavesThePlan()
    {
        f->start();
        openFromPlan();
        hoverEntry(1);
        const QImage shown = w().picCanvas->layer().toImage();
        hoverEntry(5);
        QCOMPARE(g().selectedRoute, 5);
        QCOMPARE(w().lblRoutePath[5]->background(), QColor(Qt::white));
        QCOMPARE(w().lblRoutePath[1]->background(), layout::panelEntryBackground);
        QCOMPARE(g().routePathSteps, Steps{});
        QCOMPARE(highlighted(), (std::vector<int>{4, 6}));
        QCOMPARE(w().picCanvas->layer().toImage(), shown);
    }

    void aClickPinsTheChoiceForTheRestOfTheRun()
    {
        f->start();
        openFromPlan();
        hoverEntry(0);
        clickEntry(1);
        QVERIFY(w().routeTypes->routeListPinned);
        QCOMPARE(g().selectedRoute, 1);
        QCOMPARE(g().routePathSteps, (Steps{4, 6}));
        hoverEntry(2);
        QCOMPARE(g().selectedRoute, 1);
        QCOMPARE(g().routePathSteps, (Steps{4, 6}));
        clickEntry(2);
        QCOMPARE(g().selectedRoute, 2);
        QCOMPARE(g().routePathSteps, (Steps{4, 5, 6}));
        QCOMPARE(highlighted(), (std::vector<int>{4, 5, 6}));

        // Closed and opened again, the list is still pinned.
        clickAtWindow(&w(), inWindow(w().pnlMenu[2], QPoint(40, 435)));
        openFromPlan();
        hoverEntry(0);
        QCOMPARE(g().selectedRoute, 2);
        QVERIFY(w().routeTypes->routeListPinned);
    }

    void assignFromThePendingListPlansTheLine_data()
    {
        QTest::addColumn<int>("storedBefore"); // route id the product holds already; 0 none
        QTest::addColumn<std::string>("pairs");
        QTest::newRow("a new pair is written") << 0 << std::string("1");
        QTest::newRow("a pair that exists is not written again") << 1 << std::string("1");
        QTest::newRow("the product keeps its other route type") << 2 << std::string("1,2");
    }
    void assignFromThePendingListPlansTheLine()
    {
        QFETCH(int, storedBefore);
        QFETCH(std::string, pairs);
        const auto lines = f->openLines(1); // 5 units, due Friday 18 December
        f->start();
        openFromPendingLine(0);
        QCOMPARE(w().lblRowSO[0]->tag, QString::number(lines[0]));
        QVERIFY(!w().pnlMenu[2]->isHidden());
        QVERIFY(!w().btnMenu[12]->isHidden());
        QCOMPARE(g().selectedRow, 0);
        // Another planner may have tied the product to a route type meanwhile.
        if (storedBefore)
            f->fresh.exec("insert into brontalo_productroute(product_id,routeid) values (" +
                          productOf(lines[0]) + "," + std::to_string(storedBefore) + ")");

        clickEntry(0);
        clickAtWindow(&w(), middleOf(w().btnMenu[12]));

        QCOMPARE(sql("select string_agg(routeid::text, ',' order by routeid) from "
                     "brontalo_productroute where product_id=" +
                     productOf(lines[0])),
                 pairs);
        if (storedBefore != 2) {
            // Window Frame Manufacture: cnc, milling, packing at rate 1, backwards from Friday.
            QCOMPARE(jobsOf(lines[0]), std::string("1:2026-12-15:5.000:1:0 2:2026-12-16:5.000:1:0 "
                                                   "6:2026-12-17:5.000:1:0"));
        } else {
            QCOMPARE(sql("select count(*) from brontalo_schedule where solineid=" +
                         std::to_string(lines[0])),
                     std::string("2")); // General Welding came first for the product
        }
        QVERIFY(w().pnlMenu[2]->isHidden());
        QVERIFY(!g().hoverFrozen);
        QCOMPARE(g().selectedWc, 0);
        QCOMPARE(w().lblRowSO[0]->caption(), QString()); // the line is no longer pending
        QVERIFY(searchFinds(lines[0]));
        QVERIFY(f->messages.problems.isEmpty());
    }

    void assignNeedsAChosenEntryAndAProduct()
    {
        const auto lines = f->openLines(1);
        f->start();
        openFromPendingLine(0);
        clickAtWindow(&w(), middleOf(w().btnMenu[12])); // no entry chosen yet
        QVERIFY(!w().pnlMenu[2]->isHidden());
        clickEntry(0);
        // The row the panel was opened for no longer holds a line.
        g().selectedRow = 5;
        clickAtWindow(&w(), middleOf(w().btnMenu[12]));
        QVERIFY(!w().pnlMenu[2]->isHidden());
        QCOMPARE(sql("select count(*) from brontalo_productroute"), std::string("0"));
        QCOMPARE(sql("select count(*) from brontalo_schedule"), std::string("0"));
        QVERIFY(f->messages.problems.isEmpty());
        QCOMPARE(w().lblRowSO[0]->tag, QString::number(lines[0]));
    }

    void editNeedsAChosenEntry()
    {
        f->start();
        openFromPlan();
        clickAtWindow(&w(), middleOf(w().btnMenu[17]));
        QVERIFY(!w().routeTypes->routePathEditor());
        hoverEntry(7); // an empty entry
        clickAtWindow(&w(), middleOf(w().btnMenu[17]));
        QVERIFY(!w().routeTypes->routePathEditor());
    }

    void withoutActiveRouteTypesTheEntriesAreEmpty()
    {
        f->ownTablesNow();
        f->fresh.exec("update brontalo_route set active=false");
        f->start();
        for (Control *entry : w().lblRoutePath) {
            QCOMPARE(entry->caption(), QString());
            QCOMPARE(entry->tag, QString());
        }
        openFromPlan();
        hoverEntry(0);
        QCOMPARE(g().routePathSteps, Steps{});
        QVERIFY(highlighted().empty());
    }
};

QTEST_MAIN(TestRouteTypes)
#include "tst_route_types.moc"
