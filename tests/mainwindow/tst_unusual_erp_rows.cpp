// Unusual and broken ERP rows through every view of the real window: the pending list
// and the planning run, a work centre's queue with a selected row and its route, the
// order detail, the production list, dispatch, purchases, the load forecast and the
// search. Each case shows something sensible or nothing, and never ends the program.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/search_list.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QLineEdit>
#include <QtTest>

using testsupport::clickAtWindow;
using testsupport::middleOf;

class TestUnusualErpRows : public testsupport::WindowTest
{
    Q_OBJECT

private:
    void pressButton(int index) { clickAtWindow(&w(), middleOf(w().btnMenu[index])); }

    // Every view once, with the row of the case's line where a view has rows.
    void everyView()
    {
        hoverLogo();                 // planning run and pending lines
        view(1);                     // the first step's queue
        clickAtWindow(&w(), middleOf(w().lblRowSO[0]));   // its route on the plan
        clickAtWindow(&w(), middleOf(w().lblRowDesc[0])); // the order detail
        pressButton(6);              // production list
        pressButton(5);              // dispatch
        pressButton(8);              // purchases
        pressButton(14);             // load forecast, shown and hidden
        pressButton(14);
        clickAtWindow(&w(), middleOf(w().txtSearch));
        QTest::keyClicks(w().txtSearch, QStringLiteral("S0"));
        if (!w().lblSearchList[0]->caption().isEmpty())
            clickAtWindow(&w(), middleOf(w().lblSearchList[0])); // the jump
    }

private slots:

    void everyViewTakesIt_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("said"); // a message the case gives, or empty for none
        QTest::newRow("customer without a name")
            << "update res_partner set type='delivery',name=NULL where name='Customer'" << "";
        QTest::newRow("line without a description")
            << "alter table sale_order_line alter column name drop not null;"
               "update sale_order_line set name=NULL" << "";
        QTest::newRow("planned line whose order was deleted")
            << "PLANNED;delete from sale_order_line;delete from sale_order" << "";
        QTest::newRow("planned line whose product was deleted")
            << "PLANNED;set session_replication_role=replica;delete from product_product where "
               "id=(select product_id from sale_order_line limit 1);"
               "set session_replication_role=origin" << "";
        QTest::newRow("a job pointing at another company's line")
            << "PLANNED;update sale_order_line set company_id=2;update sale_order set company_id=2"
            << "";
        QTest::newRow("a quantity of a million million")
            << "update sale_order_line set qty_to_invoice=1e12,product_uom_qty=1e12"
            << "not planned, and stay in the list of pending lines:\nthe line of order S00001: "
               "its quantity needs 1000000000000 hours";
        QTest::newRow("a negative quantity")
            << "update sale_order_line set qty_to_invoice=-3,product_uom_qty=-3" << "";
        QTest::newRow("due in the year 1")
            << "update sale_order set commitment_date='0001-01-01 10:00'"
            << "its due date leaves no working day before it to start";
        QTest::newRow("due in the year 9999")
            << "update sale_order set commitment_date='9999-12-31 10:00'" << "";
        QTest::newRow("a unit name that is no JSON object")
            << "update uom_uom set name='\"Units\"'::jsonb;"
               "insert into uom_uom(name,category_id,factor,rounding,uom_type,active) select "
               "'42'::jsonb,category_id,2,0.01,'bigger',true from uom_uom limit 1;"
               "update mrp_bom_line set product_uom_id=(select max(id) from uom_uom)" << "";
        QTest::newRow("a product named in one other language only")
            << "update product_template set name='{\"de_DE\": \"Tisch\"}'" << "";
        QTest::newRow("a description of 10,000 characters")
            << "update sale_order_line set name=repeat('Oak table, extending. ',455)" << "";
        QTest::newRow("control characters in texts")
            << "update sale_order_line set name=E'Frame\\x01\\x1b[31m\\tred\\x7f';"
               "update res_partner set name=E'Bell\\x07 & Co' where name='Customer';"
               "update sale_order set name=E'S\\x0800001'" << "";
    }
    void everyViewTakesIt()
    {
        QFETCH(QString, change);
        QFETCH(QString, said);
        // A routed product with a bill, stock and two open lines of company 1.
        const int frame = f->frameShop(2);
        f->erp.company(2, "Second Site");
        f->ownTablesNow();
        f->fresh.exec("insert into brontalo_productroute(product_id,routeid) values (" +
                      std::to_string(frame) + ",1)");

        QStringList statements = change.split(';', Qt::SkipEmptyParts);
        if (statements.value(0) == QLatin1String("PLANNED")) {
            // The change comes after the lines were planned.
            statements.removeFirst();
            f->start();
            hoverLogo();
            QCOMPARE(sql("select count(*) from brontalo_schedule"), std::string("6"));
        }
        for (const QString &statement : statements)
            f->fresh.exec(statement.toStdString());
        if (!f->window)
            f->start();
        everyView();
        everyView(); // and again, on what the first round left

        if (said.isEmpty()) {
            QCOMPARE(f->messages.problems.join("\n---\n"), QString());
        } else {
            QVERIFY(!f->messages.problems.isEmpty());
            for (const QString &message : f->messages.problems)
                QVERIFY2(message.contains(said), qPrintable(message));
        }
        // The window still answers: a queue shows, and its rows are whole.
        clickAtWindow(&w(), testsupport::inWindow(w().picCanvas, testsupport::iconCentre(g(), 2)));
        view(2);
        QCOMPARE(w().lblTitle[0]->caption(), QStringLiteral("milling"));
        for (int r = 0; r < 27; ++r)
            QCOMPARE(w().lblRowSO[r]->caption().isEmpty(), w().lblRowHrs[r]->tag.isEmpty());
    }
};

QTEST_MAIN(TestUnusualErpRows)
#include "tst_unusual_erp_rows.moc"
