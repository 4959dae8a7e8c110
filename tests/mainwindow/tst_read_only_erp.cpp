// A whole working session under a database role that may only read the ERP's tables
// and owns the program's own: start-up with the table creation, planning, every row
// action, saves, route-type and work-centre edits, materials, the forecast and the
// search. A statement that would touch an ERP table is refused by the server and would
// show as a message: there must be none.
#include "data/erp_tables.h"
#include "mainwindow/floor_canvas.h"
#include "mainwindow/route_types_panel.h"
#include "mainwindow/work_centre_editor.h"
#include "routepath/frm_route_path.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"
#include "tests/support/erp_stock_fixture.h"
#include "tests/support/temporary_role.h"

#include <QLineEdit>
#include <QtTest>

using testsupport::clickAtWindow;
using testsupport::inWindow;
using testsupport::middleOf;

class TestReadOnlyErp : public testsupport::WindowTest
{
    Q_OBJECT

private:
    void click(const QWidget *control) { clickAtWindow(&w(), middleOf(control)); }
    void clickAt(const QWidget *control, QPoint at) { clickAtWindow(&w(), inWindow(control, at)); }
    void type(QWidget *window, QLineEdit *box, const QString &text)
    {
        clickAtWindow(window, middleOf(box));
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    void tickRow(int row) { clickAtWindow(&w(), QPoint(1090, w().imgRowCheck[row]->y() + 5)); }

private slots:

    void aReadOnlyRoleWorksAWholeSession()
    {
        // The ERP rows, made by the database's owner.
        f->frameShop(3);
        testsupport::ErpStockFixture(f->fresh, f->erp)
            .purchaseLine(std::stoi(sql("select id from product_product where default_code='GL-1'")),
                          "10", {});

        // The role of the README: it reads the ERP tables and may create its own.
        testsupport::TemporaryRole planner(f->fresh, "planner", "pl;an}ner");
        f->fresh.exec("GRANT CONNECT ON DATABASE " + f->fresh.name() + " TO " + planner.name());
        f->fresh.exec("GRANT USAGE, CREATE ON SCHEMA public TO " + planner.name());
        std::string tables;
        for (const std::string &table : data::erp::tablesRead())
            tables += (tables.empty() ? "" : ",") + table;
        f->fresh.exec("GRANT SELECT ON " + tables + " TO " + planner.name());
        QCOMPARE(sql("select has_table_privilege('" + planner.name() +
                     "','sale_order_line','INSERT,UPDATE,DELETE')"),
                 std::string("0"));

        dbaccess::Database program;
        program.settings = planner.settings();
        program.connection.open(dbaccess::connectionString(program.settings));
        g().database = &program;
        f->start();
        QVERIFY(f->prepared);
        QCOMPARE(sql("select string_agg(distinct tableowner,',') from pg_tables where tablename "
                     "like 'brontalo%'"),
                 planner.name());

        // Planning: a route type assigned from the pending list.
        hoverLogo();
        click(w().lblRowNote[0]);
        click(w().lblRoutePath[0]);
        click(w().btnMenu[12]);
        QCOMPARE(sql("select count(*) from brontalo_schedule"), std::string("9"));

        // Row actions on the first step's queue.
        view(1);
        click(w().lblRowSO[0]);                     // the route on the plan
        click(w().lblRowDesc[1]);                   // the order detail
        QVERIFY(!w().imgJobPanel->isHidden());
        click(w().lblRowHrs[0]);                    // hours and comment, saved together
        w().txtRunHrs->selectAll();
        QTest::keyClicks(w().txtRunHrs, QStringLiteral("2.5"));
        click(w().lblRowNote[0]);
        QTest::keyClicks(w().txtComment, QStringLiteral("check the glass"));
        QTest::keyClick(w().txtComment, Qt::Key_Return);
        testsupport::move(w().lblRowSeq[1], QPointF(30, 30));
        click(w().imgAlert[2]);                     // the second job moves up
        click(w().btnMenu[6]);                      // production list and a status click
        click(w().imgStatus[0]);
        QCOMPARE(sql("select count(*) from brontalo_schedule where status=2"), std::string("1"));
        clickAt(w().picCanvas, testsupport::iconCentre(g(), 2)); // unpins, or jumps there
        testsupport::moveInWindow(&w(), inWindow(w().picCanvas, testsupport::iconCentre(g(), 2)));
        QCOMPARE(g().selectedWc, 2);
        const std::string moved = w().lblRowHrs[0]->tag.toStdString();
        if (w().imgRowCheck[0]->isHidden()) // the jump may have ticked it already
            tickRow(0);
        clickAt(w().btnMenu[4], {5, 10});           // the move half
        click(w().lblMovePath[3]);
        QCOMPARE(sql("select workcenterid from brontalo_schedule where id=" + moved),
                 std::string("4"));
        clickAt(w().btnMenu[4], {40, 10});          // the bin half, answered yes
        QCOMPARE(sql("select status from brontalo_schedule where id=" + moved), std::string("0"));

        // A new route type and a change to it.
        click(w().btnMenu[16]);
        click(w().btnMenu[13]);
        FrmRoutePath *editor = w().routeTypes->routePathEditor();
        QVERIFY(editor && !editor->isHidden());
        for (int row : {1, 4})
            clickAtWindow(editor, middleOf(editor->chkWcSelect[row]));
        type(editor, editor->txtPathName, QStringLiteral("Frame with QA"));
        clickAtWindow(editor, middleOf(editor->btnCreate));
        QVERIFY(editor->isHidden());
        click(w().btnMenu[17]);
        clickAtWindow(editor, middleOf(editor->chkWcSelect[5]));
        clickAtWindow(editor, middleOf(editor->btnApply));
        QCOMPARE(sql("select concat_ws(',',step1,step2,step3) from brontalo_route where "
                     "name='Frame with QA'"),
                 std::string("2,5,6"));
        clickAt(w().pnlMenu[2], {5, 300});          // closes the route types

        // Work centres: a change, a new one, a dragged icon.
        click(w().btnMenu[3]);
        WorkCentreEditor &centres = w().workCentreEditor();
        type(&w(), centres.txtWcname, QStringLiteral("CNC 1"));
        click(w().btnMenu[7]);
        click(w().btnMenu[10]);
        type(&w(), centres.txtWcname, QStringLiteral("band saw"));
        click(w().btnMenu[7]);
        testsupport::move(w().picCanvas, QPointF(600, 120), Qt::LeftButton);
        testsupport::release(w().picCanvas, QPointF(600, 120));
        click(w().btnMenu[7]);
        QCOMPARE(sql("select count(*) from brontalo_workcenter"), std::string("7"));
        clickAt(w().pnlMenu[1], {200, 10});         // closes the editor

        // The other views.
        click(w().btnMenu[5]);                      // dispatch
        click(w().btnMenu[8]);                      // purchases
        QCOMPARE(w().lblRowSO[0]->caption(), QStringLiteral("GL-1"));
        click(w().btnMenu[14]);                     // load forecast
        click(w().btnMenu[14]);
        click(w().txtSearch);
        QTest::keyClicks(w().txtSearch, QStringLiteral("s0000"));
        click(w().lblSearchList[0]);                // the jump

        QCOMPARE(f->messages.problems.join("\n"), QString());
        QCOMPARE(f->messages.notices.size(), 0);
        w().window()->close();
        f->window.reset(); // before the program's connection and the role go
    }
};

QTEST_MAIN(TestReadOnlyErp)
#include "tst_read_only_erp.moc"
