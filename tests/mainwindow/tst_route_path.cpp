// The route path editor in the real windows, worked as a user works it while it stands
// modal over the main window: ticking work centres (with their preview on the floor
// plan), numbering and naming them, creating and changing route types.
#include "mainwindow/layout.h"
#include "mainwindow/route_types_panel.h"
#include "routepath/frm_route_path.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QtTest>

using testsupport::clickAtWindow;
using testsupport::inWindow;
using testsupport::moveInWindow;
using Icon = Messages::Icon;

namespace {

using Steps = std::array<int, 10>;

QPoint middleOf(const QWidget *control)
{
    return inWindow(control, control->rect().center());
}

} // namespace

class TestRoutePath : public testsupport::WindowTest
{
    Q_OBJECT

private:
    FrmRoutePath *editor() { return w().routeTypes->routePathEditor(); }
    bool editorShown() { return editor() && !editor()->isHidden(); }
    void openFromPlan()
    {
        if (w().pnlMenu[2]->isHidden())
            clickAtWindow(&w(), middleOf(w().btnMenu[16]));
    }
    void openNew()
    {
        openFromPlan();
        clickAtWindow(&w(), middleOf(w().btnMenu[13]));
    }
    void openEdit(int entry)
    {
        openFromPlan();
        clickAtWindow(&w(), middleOf(w().lblRoutePath[entry]));
        clickAtWindow(&w(), middleOf(w().btnMenu[17]));
    }
    void tick(int row) { clickAtWindow(editor(), middleOf(editor()->chkWcSelect[row])); }
    void type(QLineEdit *box, const QString &text)
    {
        clickAtWindow(editor(), middleOf(box));
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void pressCreate() { clickAtWindow(editor(), middleOf(editor()->btnCreate)); }
    void pressApply() { clickAtWindow(editor(), middleOf(editor()->btnApply)); }
    std::vector<int> highlighted() { return testsupport::highlightedSlots(w()); }
    std::string routeCount() { return sql("select count(*) from brontalo_route"); }
    // Steps 1 … 4 of a route as "slot/rate/minimum", NULL as "-".
    std::string firstSteps(const std::string &id)
    {
        std::string columns;
        for (int k = 1; k <= 4; ++k) {
            const std::string n = std::to_string(k);
            columns += std::string(columns.empty() ? "" : ",") + "concat_ws('/',coalesce(step" + n +
                       "::text,'-'),coalesce(runrate" + n + "::text,'-'),coalesce(minhours" + n +
                       "::text,'-'))";
        }
        return sql("select concat_ws(' '," + columns + ") from brontalo_route where id=" + id);
    }
    void addWorkCentres(int count)
    {
        for (int k = 0; k < count; ++k)
            f->fresh.exec("insert into brontalo_workcenter(sequence,iconstyle,name,active,"
                          "dailyworkhours,saturdayworked,sundayworked,runrate,posx,posy) values (" +
                          std::to_string(7 + k) + ",2,'extra " + std::to_string(k + 1) +
                          "',true,8,false,false,1," + std::to_string(100 + 60 * k) + ",400)");
    }
    void addRouteTypes(int count)
    {
        for (int k = 0; k < count; ++k)
            f->fresh.exec(
                "insert into brontalo_route(sequence,name,active,step1,runrate1) values (" +
                std::to_string(4 + k) + ",'Route " + std::to_string(k + 4) + "',true,1,1)");
    }

private slots:
    void ticksShowTheRouteOnTheMainWindowWhileItWaits()
    {
        f->start();
        openNew();
        QVERIFY(editorShown());
        QVERIFY(editor()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(editor()->size(), QSize(433, 457));
        QCOMPARE(editor()->lblTitle[2]->caption(), QStringLiteral("New Route path:"));
        QCOMPARE(editor()->lblWorkcenter[1]->caption(), QStringLiteral("milling"));
        QCOMPARE(editor()->lblWorkcenter[6]->caption(), QString());
        QVERIFY(editor()->chkWcSelect[6]->isHidden());

        for (int row : {3, 0, 5})
            tick(row);
        QCOMPARE(g().routePathSteps, (Steps{1, 4, 6}));
        QCOMPARE(highlighted(), (std::vector<int>{1, 4, 6}));
        QCOMPARE(g().selectedLineId, std::int64_t(1));
        QVERIFY(!editor()->txtRunspeed[3]->isHidden());
        type(editor()->txtRunspeed[3], QStringLiteral("7"));
        tick(3); // unticked again: its boxes hide and keep what was typed
        QVERIFY(editor()->txtRunspeed[3]->isHidden());
        QCOMPARE(editor()->txtRunspeed[3]->text(), QStringLiteral("7"));
        QCOMPARE(g().routePathSteps, (Steps{1, 6}));
        QCOMPARE(highlighted(), (std::vector<int>{1, 6}));

        // A row without a work centre takes no tick.
        clickAtWindow(editor(), middleOf(editor()->lblWorkcenter[9]));
        QCOMPARE(g().routePathSteps, (Steps{1, 6}));

        // The main window takes no press while the editor is shown.
        clickAtWindow(&w(), middleOf(w().btnMenu[14]));
        QVERIFY(w().pnlGantt->isHidden());
        clickAtWindow(&w(), inWindow(w().pnlMenu[2], QPoint(40, 435)));
        QVERIFY(!w().pnlMenu[2]->isHidden());
    }

    void pressesOnTheTitleBarsCrossClose_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("closes");
        QTest::newRow("the close cross") << QPoint(413, 15) << true;
        QTest::newRow("the title bar right of the middle") << QPoint(230, 2) << true;
        QTest::newRow("the title bar's left end") << QPoint(60, 15) << false;
        QTest::newRow("just below the title bar") << QPoint(427, 35) << false;
    }
    void pressesOnTheTitleBarsCrossClose()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, closes);
        f->start();
        openNew();
        clickAtWindow(editor(), at);
        QCOMPARE(editor()->isHidden(), closes);
        QCOMPARE(routeCount(), std::string("3"));
    }

    void aNewRouteTypeStartsWithNoSteps()
    {
        f->start();
        openFromPlan();
        moveInWindow(&w(), middleOf(w().lblRoutePath[0]));
        QCOMPARE(g().routePathSteps, (Steps{1, 2, 6}));
        clickAtWindow(&w(), middleOf(w().btnMenu[13]));
        QCOMPARE(g().routePathSteps, Steps{});
        QVERIFY(highlighted().empty());
        QCOMPARE(g().selectedLineId, std::int64_t(0));
        type(editor()->txtPathName, QStringLiteral("Fresh"));
        pressCreate(); // nothing ticked: nothing is stored and the window stays
        QVERIFY(editorShown());
        QCOMPARE(routeCount(), std::string("3"));
        QVERIFY(f->messages.notices.isEmpty());
    }

    void createStoresTheStepsInSequenceOrder()
    {
        f->start();
        openNew();
        tick(1); // milling
        tick(4); // QA
        type(editor()->txtSequence[1], QStringLiteral("7"));
        type(editor()->txtRunspeed[1], QStringLiteral("12.5"));
        type(editor()->txtMinHrs[1], QStringLiteral("2"));
        type(editor()->txtSequence[4], QStringLiteral("3"));
        type(editor()->txtRunspeed[4], QStringLiteral("40"));
        type(editor()->txtPathName, QStringLiteral("  Door Frames "));
        pressCreate();

        QVERIFY(editor()->isHidden());
        const std::string id = sql("select id from brontalo_route where name='Door Frames'");
        QVERIFY(!id.empty());
        QCOMPARE(sql("select sequence||':'||active from brontalo_route where id=" + id),
                 std::string("4:true"));
        QCOMPARE(firstSteps(id), std::string("5/40.000/0.000 2/12.500/2.000 -/-/- -/-/-"));
        QCOMPARE(w().lblRoutePath[3]->caption(), QStringLiteral("Door Frames"));
        QCOMPARE(w().lblRoutePath[3]->tag.toStdString(), id);
        QCOMPARE(g().selectedRoute, 3);
        QCOMPARE(w().lblRoutePath[3]->background(), QColor(Qt::white));
        QCOMPARE(g().routeStepTable.at(3), (std::vector<int>{5, 2}));
        QCOMPARE(editor()->txtSequence[4]->text(), QStringLiteral("1"));
        QCOMPARE(editor()->txtSequence[1]->text(), QStringLiteral("2"));

        // An edit right away opens the new route type.
        clickAtWindow(&w(), middleOf(w().btnMenu[17]));
        QVERIFY(editorShown());
        QCOMPARE(editor()->lblTitle[2]->caption(), QStringLiteral("Route path:"));
        QVERIFY(editor()->btnCreate->isHidden());
        QCOMPARE(editor()->txtPathName->text(), QStringLiteral("Door Frames"));
        QCOMPARE(editor()->tickedSlots(), (std::vector<int>{2, 5}));
        QCOMPARE(editor()->txtSequence[4]->text(), QStringLiteral("1"));
        QCOMPARE(editor()->txtRunspeed[4]->text(), QStringLiteral("40"));
        QCOMPARE(editor()->txtMinHrs[4]->text(), QStringLiteral("0"));
        QCOMPARE(editor()->txtSequence[1]->text(), QStringLiteral("2"));
        QCOMPARE(editor()->txtRunspeed[1]->text(), QStringLiteral("12.5"));
        QCOMPARE(editor()->txtMinHrs[1]->text(), QStringLiteral("2"));
        QCOMPARE(g().routePathSteps, (Steps{5, 2}));
    }

    void applyThatShortensARouteEmptiesItsLaterSteps()
    {
        f->ownTablesNow();
        f->fresh.exec("insert into brontalo_route(sequence,name,active,step1,step2,step3,step4,"
                      "runrate1,runrate2,runrate3,runrate4,minhours1,minhours2,minhours3,minhours4)"
                      " values (4,'Long Route',true,1,2,3,4,1.5,2,3,4,0.25,1,1,1)");
        f->start();
        openEdit(3);
        QCOMPARE(editor()->tickedSlots(), (std::vector<int>{1, 2, 3, 4}));
        QCOMPARE(editor()->txtRunspeed[0]->text(), QStringLiteral("1.5"));
        QCOMPARE(editor()->txtMinHrs[0]->text(), QStringLiteral("0.25"));
        tick(2);
        tick(3);
        pressApply();

        QVERIFY(editor()->isHidden());
        const std::string id = w().lblRoutePath[3]->tag.toStdString();
        QCOMPARE(firstSteps(id), std::string("1/1.500/0.250 2/2.000/1.000 -/-/- -/-/-"));
        QCOMPARE(sql("select name from brontalo_route where id=" + id), std::string("Long Route"));
        QCOMPARE(g().routeStepTable.at(3), (std::vector<int>{1, 2}));
        QCOMPARE(w().lblRoutePath[3]->caption(), QStringLiteral("Long Route"));
    }

    void namesAreCheckedBeforeAnythingIsStored_data()
    {
        QTest::addColumn<int>("entry"); // -1: a new route type
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message"); // empty: stored
        QTest::addColumn<int>("icon");
        const int exclamation = int(Icon::Exclamation);
        const int critical = int(Icon::Critical);
        QTest::newRow("no name") << -1 << ""
                                 << "Requires route path name" << exclamation;
        QTest::newRow("only blanks") << -1 << "   "
                                     << "Requires route path name" << exclamation;
        QTest::newRow("another's name in other letters") << -1 << " window frame MANUFACTURE"
                                                         << "Duplicate path name" << critical;
        QTest::newRow("an edit to another's name") << 1 << "Special welding"
                                                   << "Duplicate path name" << critical;
        QTest::newRow("an edit emptying the name") << 1 << ""
                                                   << "Requires route path name" << exclamation;
        QTest::newRow("an edit keeping its own name in capitals") << 0 << "WINDOW FRAME MANUFACTURE"
                                                                  << "" << 0;
    }
    void namesAreCheckedBeforeAnythingIsStored()
    {
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(int, icon);
        f->start();
        if (entry < 0) {
            openNew();
            tick(0);
        } else {
            openEdit(entry);
        }
        const std::string before =
            sql("select string_agg(name, ',' order by id) from brontalo_route");
        type(editor()->txtPathName, name);
        type(editor()->txtSequence[0], QStringLiteral("1")); // the focus leaves the name
        entry < 0 ? pressCreate() : pressApply();

        if (message.isEmpty()) {
            QVERIFY(f->messages.notices.isEmpty());
            QVERIFY(editor()->isHidden());
            QCOMPARE(sql("select name from brontalo_route where id=1"), name.toStdString());
            QCOMPARE(w().lblRoutePath[0]->caption(), name);
            return;
        }
        QCOMPARE(f->messages.notices.size(), 1);
        QCOMPARE(f->messages.notices[0].text, message);
        QCOMPARE(int(f->messages.notices[0].icon), icon);
        QVERIFY(editorShown());
        QCOMPARE(editor()->focusWidget(), editor()->txtPathName);
        QCOMPARE(sql("select string_agg(name, ',' order by id) from brontalo_route"), before);
    }

    void anEleventhTickIsRefused()
    {
        f->ownTablesNow();
        addWorkCentres(5);
        f->start();
        openNew();
        for (int row = 0; row < 10; ++row)
            tick(row);
        tick(10);
        QCOMPARE(f->messages.notices.size(), 1);
        QVERIFY(f->messages.notices[0].text.contains(QStringLiteral("at most 10 steps")));
        QVERIFY(!editor()->isTicked(10));
        QVERIFY(editor()->txtSequence[10]->isHidden());
        QCOMPARE(g().routePathSteps, (Steps{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        tick(9); // one fewer: the eleventh work centre can be ticked
        tick(10);
        QCOMPARE(g().routePathSteps, (Steps{1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));
    }

    void createWithAFullListStoresNothing()
    {
        f->ownTablesNow();
        addRouteTypes(12);
        f->start();
        QCOMPARE(w().lblRoutePath[14]->caption(), QStringLiteral("Route 15"));
        openNew();
        tick(0);
        type(editor()->txtPathName, QStringLiteral("One too many"));
        pressCreate();
        QCOMPARE(f->messages.notices.size(), 1);
        QVERIFY(f->messages.notices[0].text.contains(QStringLiteral("full")));
        QVERIFY(editorShown());
        QCOMPARE(routeCount(), std::string("15"));
    }

    void applyToARouteWhoseRowIsGoneSaysSo()
    {
        f->start();
        openEdit(0);
        f->fresh.exec("delete from brontalo_route where id=1");
        type(editor()->txtPathName, QStringLiteral("Renamed"));
        pressApply();
        QCOMPARE(f->messages.notices.size(), 1);
        QVERIFY(f->messages.notices[0].text.contains(QStringLiteral("no longer")));
        QVERIFY(editorShown());
        QCOMPARE(w().lblRoutePath[0]->caption(), QStringLiteral("Window Frame Manufacture"));
        QCOMPARE(g().routeStepTable.at(0), (std::vector<int>{1, 2, 6}));
    }

    void ratesAndMinimumsOutsideTheColumnAreRefused_data()
    {
        QTest::addColumn<bool>("rate"); // the runspeed box, else the minimum hours
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("says");
        QTest::newRow("no number") << true << "abc"
                                   << "The runspeed of milling, \"abc\", is not a number";
        QTest::newRow("negative") << false << "-1"
                                  << "The minimum hours of milling, \"-1\", is below 0";
        QTest::newRow("too large") << true << "1000000"
                                   << "The runspeed of milling, \"1000000\", is above 999999.999";
    }
    void ratesAndMinimumsOutsideTheColumnAreRefused()
    {
        QFETCH(bool, rate);
        QFETCH(QString, typed);
        QFETCH(QString, says);
        f->start();
        openNew();
        tick(0);
        tick(1);
        type(editor()->txtRunspeed[0], QStringLiteral("12abc")); // read as 12
        QLineEdit *box = rate ? editor()->txtRunspeed[1] : editor()->txtMinHrs[1];
        type(box, typed);
        type(editor()->txtPathName, QStringLiteral("Checked"));
        pressCreate();
        QCOMPARE(f->messages.notices.size(), 1);
        QVERIFY2(f->messages.notices[0].text.startsWith(says),
                 qPrintable(f->messages.notices[0].text));
        QVERIFY(editorShown());
        QCOMPARE(editor()->focusWidget(), box);
        QCOMPARE(routeCount(), std::string("3"));
        QCOMPARE(w().lblRoutePath[3]->caption(), QString());

        // Mended, the route is stored with the leading number of the first row.
        type(box, QStringLiteral(""));
        pressCreate();
        QVERIFY(editor()->isHidden());
        QCOMPARE(firstSteps(w().lblRoutePath[3]->tag.toStdString()),
                 std::string("1/12.000/0.000 2/0.000/0.000 -/-/- -/-/-"));
    }
};

QTEST_MAIN(TestRoutePath)
#include "tst_route_path.moc"
