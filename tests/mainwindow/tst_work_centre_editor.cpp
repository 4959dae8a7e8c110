// The work-centre editor in the real window: loading a work centre, the icon grid and
// weekend boxes, checks before the save, the row the save writes, new work centres in
// the next slot, and the floor plan's editing mode.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/route_types_panel.h"
#include "mainwindow/work_centre_editor.h"
#include "routepath/frm_route_path.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QLineEdit>
#include <QtTest>

using testsupport::clickAtWindow;
using testsupport::iconCentre;
using testsupport::inWindow;
using testsupport::moveInWindow;

namespace {

QPoint middleOf(const QWidget *control) { return inWindow(control, control->rect().center()); }

} // namespace

class TestWorkCentreEditor : public testsupport::WindowTest
{
    Q_OBJECT

private:
    WorkCentreEditor &editor() { return w().workCentreEditor(); }
    void click(const QWidget *control) { clickAtWindow(&w(), middleOf(control)); }
    void type(QLineEdit *box, const QString &text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    std::string row(int id)
    {
        return sql("select concat_ws('|',sequence,iconstyle,name,active,dailyworkhours,"
                   "saturdayworked,sundayworked,runrate,posx,posy) from brontalo_workcenter "
                   "where id=" + std::to_string(id));
    }

private slots:

    void opensOnTheSelectedWorkCentreOrTheFirst()
    {
        f->start(); // the dispatch view: no work centre selected
        click(w().btnMenu[3]);
        QVERIFY(!w().pnlMenu[1]->isHidden());
        QCOMPARE(g().selectedWc, 1);
        QCOMPARE(editor().txtWcname->text(), QStringLiteral("cnc"));
        QCOMPARE(editor().txtWorkhours->text(), QStringLiteral("8")); // stored as 8.00
        QCOMPARE(editor().txtRunspeed->text(), QStringLiteral("1"));
        QCOMPARE(editor().pickedIconStyle(), 1);
        QCOMPARE(editor().imgRobot[1]->frameShape(), QFrame::Box);
        QCOMPARE(editor().imgRobot[0]->frameShape(), QFrame::NoFrame);
        QVERIFY(!editor().weekendTicked(0) && !editor().weekendTicked(1));
        QCOMPARE(w().btnMenu[7]->pos(), QPoint(139, 486));
        QVERIFY(!w().btnMenu[10]->isHidden());

        // A press on another icon while the editor is open loads that one.
        clickAtWindow(&w(), inWindow(w().picCanvas, iconCentre(g(), 4)));
        QCOMPARE(g().selectedWc, 4);
        QCOMPARE(editor().txtWcname->text(), QStringLiteral("welding"));
        QCOMPARE(editor().pickedIconStyle(), 5);
    }

    void weekendCaptionsToggleLikeTheirBoxes()
    {
        f->start();
        click(w().btnMenu[3]);
        click(editor().lblWeekend[0]); // "Sat"
        QVERIFY(editor().weekendTicked(0));
        click(editor().chkWeekend[0]);
        QVERIFY(!editor().weekendTicked(0));
        click(editor().chkWeekend[1]);
        click(editor().lblWeekend[1]); // "Sun"
        QVERIFY(!editor().weekendTicked(1));
        click(editor().lblWeekend[1]);
        QVERIFY(editor().weekendTicked(1));
        QCOMPARE(editor().chkWeekend[1]->pictureId(), 1);
    }

    void savingChangesExactlyTheEditedColumns()
    {
        f->start();
        moveInWindow(&w(), inWindow(w().picCanvas, iconCentre(g(), 3)));
        click(w().btnMenu[3]);
        const std::string before = row(3);
        QCOMPARE(before, std::string("3|13|assembly|t|8.00|f|f|1.000|409|55"));
        click(editor().imgRobot[7]);
        type(editor().txtWcname, QStringLiteral("  Assembly bench 2 "));
        type(editor().txtWorkhours, QStringLiteral("7.123"));
        type(editor().txtRunspeed, QStringLiteral("12.3456abc"));
        click(editor().lblWeekend[0]);
        click(w().btnMenu[7]);
        QVERIFY(f->messages.problems.isEmpty());
        QCOMPARE(row(3), std::string("3|7|  Assembly bench 2 |t|7.12|t|f|12.346|409|55"));
        QCOMPARE(sql("select count(*) from brontalo_workcenter"), std::string("6"));

        // Held as typed, shown to two places when loaded again.
        QCOMPARE(g().wcTable[2].dailyHours.toString(), std::string("7.123"));
        QCOMPARE(g().wcIconStyle[2], 7);
        clickAtWindow(&w(), inWindow(w().picCanvas, iconCentre(g(), 1)));
        clickAtWindow(&w(), inWindow(w().picCanvas, iconCentre(g(), 3)));
        QCOMPARE(editor().txtWorkhours->text(), QStringLiteral("7.12"));
        QCOMPARE(editor().txtRunspeed->text(), QStringLiteral("12.346"));

        // Every list of work-centre names shows the new name.
        QCOMPARE(w().lblWcName[2]->caption(), QStringLiteral("  Assembly bench 2 "));
        QCOMPARE(w().lblGanttWc[2]->caption(), QStringLiteral("  Assembly bench 2 "));
        QCOMPARE(w().lblMovePath[2]->caption(), QStringLiteral("  Assembly bench 2 "));
        Control *name = w().lblWcName[2];
        QCOMPARE(name->x() + name->width() / 2, 409 + 37); // centred under the icon
    }

    void refusedValuesChangeNothing_data()
    {
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("field");
        QTest::newRow("hours with no number") << "abc" << "1" << "Hours per day";
        QTest::newRow("more than a day") << "24.5" << "1" << "Hours per day";
        QTest::newRow("negative hours") << "-1" << "1" << "Hours per day";
        QTest::newRow("rate with no number") << "8" << "fast" << "Runspeed";
        QTest::newRow("rate beyond the column") << "8" << "1000000" << "Runspeed";
        QTest::newRow("negative rate") << "8" << "-0.5" << "Runspeed";
    }
    void refusedValuesChangeNothing()
    {
        QFETCH(QString, hours);
        QFETCH(QString, rate);
        QFETCH(QString, field);
        f->start();
        click(w().btnMenu[3]);
        type(editor().txtWcname, QStringLiteral("renamed"));
        click(editor().imgRobot[4]);
        type(editor().txtWorkhours, hours);
        type(editor().txtRunspeed, rate);
        click(w().btnMenu[7]);
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].startsWith(field));
        QCOMPARE(row(1), std::string("1|1|cnc|t|8.00|f|f|1.000|127|140"));
        QCOMPARE(w().lblWcName[0]->caption(), QStringLiteral("cnc"));
        QCOMPARE(g().wcIconStyle[0], 1);
        QCOMPARE(g().wcTable[0].dailyHours.toString(), std::string("8"));
    }

    void aFailedWriteLeavesTheWindowAsItWas()
    {
        f->ownTablesNow();
        f->fresh.exec("create function refuse_change() returns trigger language plpgsql as $$ "
                      "begin raise exception 'work centres are locked'; end $$");
        f->fresh.exec("create trigger refuse_change before update on brontalo_workcenter for "
                      "each row execute function refuse_change()");
        f->start();
        click(w().btnMenu[3]);
        type(editor().txtWcname, QStringLiteral("renamed"));
        type(editor().txtWorkhours, QStringLiteral("6"));
        click(editor().imgRobot[4]);
        click(w().btnMenu[7]);
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].contains(QStringLiteral("work centres are locked")));
        QCOMPARE(w().lblWcName[0]->caption(), QStringLiteral("cnc"));
        QCOMPARE(w().lblMovePath[0]->caption(), QStringLiteral("cnc"));
        QCOMPARE(g().wcIconStyle[0], 1);
        QCOMPARE(g().wcTable[0].dailyHours.toString(), std::string("8"));
    }

    void aNewWorkCentreKeepsItsSlotAfterARestart()
    {
        // Stored sequences with gaps, and an inactive work centre after them.
        f->ownTablesNow();
        f->fresh.exec("update brontalo_workcenter set sequence=case id when 4 then 5 when 5 "
                      "then 8 when 6 then 9 else sequence end");
        f->fresh.exec("insert into brontalo_workcenter(sequence,iconstyle,name,active,"
                      "dailyworkhours,saturdayworked,sundayworked,runrate) values "
                      "(12,0,'old saw',false,8,false,false,1)");
        f->start();
        click(w().btnMenu[3]);
        click(w().btnMenu[10]);
        QCOMPARE(g().selectedWc, 7);
        QCOMPARE(w().iconHolderCount(), 7);
        QCOMPARE(QPoint(g().wcPosX[6], g().wcPosY[6]), QPoint(930, 24));
        QCOMPARE(w().btnMenu[7]->pos(), QPoint(62, 419));
        QCOMPARE(editor().txtWcname->text(), QString());

        // Dragged before it is stored: the release writes nothing, the save stores the place.
        FloorCanvas *canvas = w().picCanvas;
        testsupport::move(canvas, QPointF(600, 120), Qt::LeftButton);
        testsupport::release(canvas, QPointF(600, 120));
        QCOMPARE(sql("select count(*) from brontalo_workcenter"), std::string("7"));
        type(editor().txtWcname, QStringLiteral("band saw"));
        click(w().btnMenu[7]);
        QVERIFY(f->messages.problems.isEmpty());
        const int id = std::stoi(sql("select max(id) from brontalo_workcenter"));
        QCOMPARE(g().wcTable[6].id, std::int64_t(id));
        QCOMPARE(row(id), std::string("13|1|band saw|t|8.00|f|f|1.000|563|83"));
        QCOMPARE(w().btnMenu[7]->pos(), QPoint(139, 486));

        // A second save updates the same row.
        type(editor().txtWcname, QStringLiteral("band saw 1"));
        click(w().btnMenu[7]);
        QCOMPARE(sql("select count(*) from brontalo_workcenter"), std::string("8"));
        QCOMPARE(sql("select name from brontalo_workcenter where id=" + std::to_string(id)),
                 std::string("band saw 1"));

        // At the next start it is slot 7 again, after the six before it.
        f->start();
        QCOMPARE(w().iconHolderCount(), 7);
        QCOMPARE(w().lblWcName[6]->caption(), QStringLiteral("band saw 1"));
        QCOMPARE(w().lblWcName[5]->caption(), QStringLiteral("packing"));
        QCOMPARE(QPoint(g().wcPosX[6], g().wcPosY[6]), QPoint(563, 83));
    }

    void savedNamesReachTheRoutePathEditorsRows()
    {
        f->start();
        click(w().btnMenu[16]); // the route types, then the editor of a new one, closed again
        click(w().btnMenu[13]);
        FrmRoutePath *routeEditor = w().routeTypes->routePathEditor();
        QVERIFY(routeEditor && !routeEditor->isHidden());
        clickAtWindow(routeEditor, QPoint(413, 15));
        QVERIFY(routeEditor->isHidden());
        clickAtWindow(&w(), inWindow(w().pnlMenu[2], {5, 300})); // closes the route types

        click(w().btnMenu[3]);
        QVERIFY(editor().isOpen());
        type(editor().txtWcname, QStringLiteral("CNC mill 1"));
        click(w().btnMenu[7]);
        QCOMPARE(f->messages.problems, QStringList());
        QCOMPARE(w().lblWcName[0]->caption(), QStringLiteral("CNC mill 1"));
        click(w().btnMenu[10]);
        type(editor().txtWcname, QStringLiteral("band saw"));
        click(w().btnMenu[7]);
        QCOMPARE(routeEditor->lblWorkcenter[0]->caption(), QStringLiteral("CNC mill 1"));
        QCOMPARE(routeEditor->lblWorkcenter[6]->caption(), QStringLiteral("band saw"));
        QVERIFY(!routeEditor->chkWcSelect[6]->isHidden());
    }

    void theTwentiethWorkCentreIsTheLast()
    {
        f->ownTablesNow();
        f->fresh.exec("insert into brontalo_workcenter(sequence,iconstyle,name,active,"
                      "dailyworkhours,saturdayworked,sundayworked,runrate) select g,g%20,"
                      "'centre '||g,true,8,false,false,1 from generate_series(7,19) g");
        f->start();
        click(w().btnMenu[3]);
        QVERIFY(!w().btnMenu[10]->isHidden());
        click(w().btnMenu[10]);
        QCOMPARE(g().selectedWc, 20);
        QCOMPARE(w().iconHolderCount(), 20);
        QVERIFY(w().btnMenu[10]->isHidden());
        w().pressMenu(10, QPointF(15, 15)); // Add+ with 20 work centres does nothing
        QCOMPARE(w().iconHolderCount(), 20);
        QCOMPARE(g().selectedWc, 20);
    }
};

QTEST_MAIN(TestWorkCentreEditor)
#include "tst_work_centre_editor.moc"
