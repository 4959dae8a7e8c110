// The order search in the real window: typing into txtSearch lists the entries that
// hold the text whatever its letter case, and a press on an entry jumps to its line's
// work centre, calendar slot and row. The entries follow the planning while the
// program runs.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/layout.h"
#include "mainwindow/search_list.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QtTest>

using testsupport::clickAtWindow;
using testsupport::ErpFixture;
using testsupport::inWindow;
using testsupport::middleOf;
using testsupport::moveInWindow;

class TestSearch : public testsupport::WindowTest
{
    Q_OBJECT

private:
    int product = 0;
    std::string productIn; // the database the product was made in: each test has its own

    // A line of an order named `order`, with a live job at `slot` starting `daysAhead`
    // (no job for slot 0). A customer of nothing is a partner without a name (an address).
    int orderLine(const std::string &order, const std::string &description,
                  const std::optional<std::string> &customer, int slot = 1, int daysAhead = 0)
    {
        if (productIn != f->fresh.name()) {
            productIn = f->fresh.name();
            f->erp.company(1, "Frames Ltd");
            product = f->erp.product("Casement window");
            f->ownTablesNow();
        }
        const int buyer = f->erp.partner(customer.value_or("nameless"));
        if (!customer)
            f->fresh.exec("update res_partner set type='delivery',name=NULL where id=" + std::to_string(buyer));
        const int orderId = f->erp.order(1, workingDate().addDays(20).isoText() + " 10:00:00",
                                         ErpFixture::defaultOrderDate, buyer);
        f->fresh.exec("update sale_order set name=" + ErpFixture::text(order) +
                      " where id=" + std::to_string(orderId));
        const int line = f->erp.line(orderId, product, "5");
        f->fresh.exec("update sale_order_line set name=" + ErpFixture::text(description) +
                      " where id=" + std::to_string(line));
        if (slot > 0)
            f->addJob(line, slot, "1", 1, 0, workingDate().addDays(daysAhead));
        return line;
    }

    QLineEdit *box() { return w().txtSearch; }
    SearchList &list() { return *w().searchList(); }
    // Types into the box as a user does: a press in it (the first clears the prompt),
    // then the keys, in place of what it held.
    void type(const QString &text)
    {
        clickAtWindow(&w(), middleOf(box()));
        box()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box(), Qt::Key_Backspace);
        for (const QChar c : text) {
            // Letters beyond ASCII come as a keyboard layout gives them: text on a key
            // that has no code of its own.
            if (c.unicode() < 128)
                QTest::keyClick(box(), c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    QStringList shownEntries()
    {
        QStringList shown;
        for (Control *entry : list().lblSearchList)
            if (!entry->caption().isEmpty())
                shown << entry->caption();
        return shown;
    }
    QStringList shownOrders()
    {
        QStringList orders;
        for (const QString &entry : shownEntries())
            orders << entry.section(' ', 0, 0);
        return orders;
    }
    void pressEntry(int e) { clickAtWindow(&w(), middleOf(list().lblSearchList[e])); }
    void view(int slot)
    {
        moveInWindow(&w(), inWindow(w().picCanvas, testsupport::iconCentre(g(), slot)));
    }
    void chooseWeekly()
    {
        moveInWindow(&w(), inWindow(w().picCanvas, {397, 754})); // opens the chooser
        clickAtWindow(&w(), middleOf(w().lblTitle[7]));
        QCOMPARE(g().calendarMode, int(engine::Weekly));
    }
    int tickedRow()
    {
        for (int r = 0; r < layout::rowCount; ++r)
            if (!w().imgRowCheck[r]->isHidden())
                return r;
        return -1;
    }

private slots:

    void typingFindsEntriesWhateverTheLetterCase_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("orders");
        const QStringList so12 = {"SO12", "SO120", "SO7"};
        QTest::newRow("so12 in small letters") << "so12" << so12;
        QTest::newRow("SO12 in capitals") << "SO12" << so12;
        QTest::newRow("mixed case") << "sO12" << so12;
        QTest::newRow("a customer with umlauts") << "müller" << QStringList{"SO12"};
        QTest::newRow("every letter in capitals") << "MÜLLER & SØN" << QStringList{"SO12"};
        QTest::newRow("a plain z is not ż") << "zabka" << QStringList{"SO8"};
        QTest::newRow("ż finds Ż") << "żabka" << QStringList{"SO120"};
        QTest::newRow("Ż finds Ż") << "ŻABKA" << QStringList{"SO120"};
        QTest::newRow("blanks round the text") << "  so7 " << QStringList{"SO7"};
        QTest::newRow("a line break in a description is a blank") << "oak  inlay"
                                                                  << QStringList{};
        QTest::newRow("across a line break") << "spare glass" << QStringList{"SO7"};
    }
    void typingFindsEntriesWhateverTheLetterCase()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, orders);
        orderLine("SO12", "Casement window", "Müller & Søn");
        orderLine("SO120", "Sash window", "Żabka");
        orderLine("SO7", "Spare\nglass for so12", std::nullopt);
        orderLine("SO8", "Door", "Zabka Ltd");
        f->start();
        type(typed);
        QVERIFY(!list().pnlMenu3->isHidden());
        QCOMPARE(shownOrders(), orders);
        QVERIFY(f->messages.problems.isEmpty());
    }

    void entriesShowOrderDescriptionAndCustomer()
    {
        const std::string description = "Fenêtre à deux vantaux en chêne massif, vitrage triple";
        const std::string customer = "Möbelhaus Müller & Söhne Innenausstattung GmbH & Co. KG, Łódź";
        orderLine("SO12", description, customer);
        orderLine("SO13", "Casement window", std::nullopt);
        orderLine("SO14", "Not planned", "Nobody", 0);
        f->start();
        type("so1");
        // 35 characters of the description, whatever their bytes.
        QCOMPARE(shownEntries(),
                 (QStringList{"SO12 Fenêtre à deux vantaux en chêne mas " +
                                  QString::fromStdString(customer),
                              "SO13 Casement window"}));
        Control *first = list().lblSearchList[0];
        QCOMPARE(first->tag.toLongLong(), std::int64_t(std::stoll(sql(
                                              "select id from sale_order_line where name like 'Fen%'"))));
        QCOMPARE(first->toolTip(), first->caption());
        QVERIFY(first->shownText().endsWith(QChar(0x2026))); // cut to fit, on one line
    }

    void onlyBlanksHideTheList()
    {
        orderLine("SO12", "Casement window", "Müller & Søn");
        f->start();
        type("so");
        QVERIFY(!list().pnlMenu3->isHidden());
        type("   ");
        QVERIFY(list().pnlMenu3->isHidden());
        type("so");
        QVERIFY(!list().pnlMenu3->isHidden());
        type("");
        QVERIFY(list().pnlMenu3->isHidden());
    }

    void moreThanTwentyMatchesShowTheFirstTwentyByOrderName()
    {
        for (int n = 25; n >= 1; --n)
            orderLine(QStringLiteral("SO%1").arg(100 + n).toStdString(), "Casement window", "Shop");
        f->start();
        type("so1");
        QStringList first20;
        for (int n = 1; n <= 20; ++n)
            first20 << QStringLiteral("SO%1").arg(100 + n);
        QCOMPARE(shownOrders(), first20);

        // A narrower search empties the entries below its hits; they lead nowhere.
        type("so125");
        QCOMPARE(shownOrders(), QStringList{"SO125"});
        const int viewBefore = g().selectedWc;
        pressEntry(5);
        QCOMPARE(g().selectedWc, viewBefore);
        QCOMPARE(g().selectedLineId, std::int64_t(0));
        QVERIFY(!list().pnlMenu3->isHidden());
        QCOMPARE(box()->text(), QStringLiteral("so125"));
    }

    void everyPlannedLineIsSearchable()
    {
        orderLine("SO1", "Casement window", "Shop");
        f->fresh.exec(
            "insert into sale_order(name,state,company_id,partner_id,partner_invoice_id,"
            "partner_shipping_id,currency_id,date_order,commitment_date) select "
            "'SX'||lpad(g::text,5,'0'),state,company_id,partner_id,partner_invoice_id,"
            "partner_shipping_id,currency_id,date_order,commitment_date from sale_order, "
            "generate_series(1,1200) g");
        f->fresh.exec("insert into sale_order_line(order_id,name,company_id,state,product_id,"
                      "product_uom,product_uom_qty,qty_to_invoice,qty_delivered,qty_invoiced,"
                      "price_unit,customer_lead) select o.id,'Sash '||o.name,1,'sale',l.product_id,"
                      "l.product_uom,1,1,0,0,0,0 from sale_order o, sale_order_line l where "
                      "o.name like 'SX%'");
        f->fresh.exec("insert into brontalo_schedule(workcenterid,sequence,status,solineid,"
                      "startdate,runhours) select 2,0,1,id,'2026-12-14',1 from sale_order_line "
                      "where name like 'Sash %'");
        f->start();
        QCOMPARE(g().searchTable.size(), std::size_t(1201));
        type("sx01200");
        QCOMPARE(shownEntries(), QStringList{"SX01200 Sash SX01200 Shop"});
    }

    void theJumpLandsOnTheLinesFirstWorkCentreAndStartSlot_data()
    {
        QTest::addColumn<bool>("weekly");
        QTest::addColumn<QList<QPoint>>("jobs"); // (slot, days ahead) of the line's jobs
        QTest::addColumn<int>("ahead"); // other lines queued before it at its first slot
        QTest::addColumn<int>("viewed");
        QTest::addColumn<int>("day"); // -1: no slot chosen, the day stays as it was (5)
        QTest::addColumn<int>("row"); // the row selected; -1 none
        QTest::newRow("jobs at slots 3 and 1 show slot 1")
            << false << QList<QPoint>{{3, 4}, {1, 2}} << 0 << 1 << 2 << 0;
        QTest::newRow("a start 30 days ahead chooses no slot")
            << false << QList<QPoint>{{2, 30}} << 0 << 2 << -1 << -1;
        QTest::newRow("a past start jumps to slot 0")
            << false << QList<QPoint>{{4, -6}} << 0 << 4 << 0 << 0;
        QTest::newRow("weekly: 10 days ahead is the week slot holding the day")
            << true << QList<QPoint>{{2, 10}} << 0 << 2 << 2 << 0;
        QTest::newRow("weekly: 3 days ahead is next Monday's week")
            << true << QList<QPoint>{{2, 3}} << 0 << 2 << 1 << 0;
        QTest::newRow("the line's row is the 26th of the queue")
            << false << QList<QPoint>{{2, 1}} << 25 << 2 << 1 << 25;
        QTest::newRow("beyond the 27 rows shown the day is chosen, no row")
            << false << QList<QPoint>{{2, 1}} << 27 << 2 << 1 << -1;
    }
    void theJumpLandsOnTheLinesFirstWorkCentreAndStartSlot()
    {
        QFETCH(bool, weekly);
        QFETCH(QList<QPoint>, jobs);
        QFETCH(int, ahead);
        QFETCH(int, viewed);
        QFETCH(int, day);
        QFETCH(int, row);
        for (int n = 0; n < ahead; ++n)
            orderLine("SA" + std::to_string(100 + n), "Ahead in the queue", "Shop", viewed, 1);
        const int line = orderLine("SO12", "Casement window", "Müller & Søn", 0);
        for (const QPoint &job : jobs)
            f->addJob(line, job.x(), "1", 1, 1, workingDate().addDays(job.y()));
        f->start();
        view(6);
        if (weekly)
            chooseWeekly();
        moveInWindow(&w(), middleOf(w().imgDayBlock[5]));
        clickAtWindow(&w(), middleOf(w().imgDayBlock[5])); // and locked there
        QCOMPARE(g().selectedDay, 5);
        QVERIFY(g().dayLocked);

        type("so12");
        pressEntry(0);
        QCOMPARE(g().selectedWc, viewed);
        QCOMPARE(g().selectedDay, day < 0 ? 5 : day);
        QCOMPARE(tickedRow(), row);
        if (row >= 0) {
            QCOMPARE(g().selectedRow, row);
            QCOMPARE(g().routePathSteps[0], viewed);
        }
        QCOMPARE(g().selectedLineId, std::int64_t(line));
        // A chosen slot stays while the pointer crosses the strip; without one the strip
        // follows the pointer again.
        QCOMPARE(g().dayLocked, day >= 0);
        QVERIFY(g().hoverFrozen);
        QVERIFY(list().pnlMenu3->isHidden());
        QCOMPARE(box()->text(), QString());
        QVERIFY(f->messages.problems.isEmpty());
    }

    void aLineWithoutLiveJobsJumpsToTheFirstDay()
    {
        const int line = orderLine("SO12", "Casement window", "Shop", 3, 4);
        f->start();
        view(5);
        moveInWindow(&w(), middleOf(w().imgDayBlock[5]));
        f->fresh.exec("update brontalo_schedule set status=0 where solineid=" + std::to_string(line));
        type("so12");
        pressEntry(0);
        QCOMPARE(g().selectedWc, 5); // the view stays
        QCOMPARE(g().selectedDay, 0);
        QCOMPARE(tickedRow(), -1);
        QVERIFY(list().pnlMenu3->isHidden());
    }

    void linesPlannedOrRemovedWhileRunningAreFoundOrNot()
    {
        orderLine("SO12", "Casement window", "Shop", 2, 1);
        const int later = orderLine("SO13", "Sash window", "Shop", 0);
        f->fresh.exec("insert into brontalo_productroute(product_id,routeid) values (" +
                      std::to_string(product) + ",1)");
        f->start();
        type("so13");
        QCOMPARE(shownEntries(), QStringList());

        view(1);
        moveInWindow(&w(), inWindow(w().picCanvas, {50, 30})); // the logo plans open lines
        QVERIFY(sql("select count(*) from brontalo_schedule where solineid=" +
                    std::to_string(later)) != "0");
        type("so13");
        QCOMPARE(shownOrders(), QStringList{"SO13"});
        pressEntry(0);
        QCOMPARE(g().selectedLineId, std::int64_t(later));

        // Removing the line's only job at this work centre leaves it in the search as
        // long as it has others; removing a line's last live job takes it out.
        type("so12");
        pressEntry(0);
        QCOMPARE(g().selectedWc, 2);
        const int row = tickedRow();
        QVERIFY(row >= 0);
        testsupport::press(w().btnMenu[4], QPointF(40, 5)); // the bin half: remove
        QCOMPARE(sql("select count(*) from brontalo_schedule where status>0 and solineid=(select "
                     "id from sale_order_line where name='Casement window')"),
                 std::string("0"));
        type("so12");
        QCOMPARE(shownEntries(), QStringList());
    }

    void thePromptGoesAtTheFirstPressOnly()
    {
        orderLine("SO12", "Casement window", "Shop");
        f->start();
        QCOMPARE(box()->text(), QStringLiteral("Search.."));
        QVERIFY(list().promptShown());
        clickAtWindow(&w(), middleOf(box()));
        QCOMPARE(box()->text(), QString());
        QVERIFY(!list().promptShown());
        QVERIFY(list().pnlMenu3->isHidden());
        box()->ensurePolished();
        QCOMPARE(box()->palette().color(QPalette::Text), QColor(0, 0, 0));
        QTest::keyClicks(box(), "so1");
        clickAtWindow(&w(), middleOf(box()));
        QCOMPARE(box()->text(), QStringLiteral("so1"));
    }

    void theArrowShowsOrHidesTheListAndThePointerMarksAnEntry()
    {
        orderLine("SO12", "Casement window", "Shop");
        orderLine("SO13", "Sash window", "Shop");
        f->start();
        type("so1");
        const QPoint arrow(1355, 75);
        QCOMPARE(w().childAt(arrow), nullptr);
        clickAtWindow(&w(), arrow);
        QVERIFY(list().pnlMenu3->isHidden());
        clickAtWindow(&w(), arrow);
        QVERIFY(!list().pnlMenu3->isHidden());

        const QColor marked(235, 235, 235);
        const QColor white(255, 255, 255);
        moveInWindow(&w(), middleOf(list().lblSearchList[1]));
        for (int e = 0; e < 3; ++e)
            QCOMPARE(list().lblSearchList[e]->background(), e == 1 ? marked : white);
        // An entry a narrower search empties loses its mark.
        QTest::keyClick(box(), '2');
        QCOMPARE(shownOrders(), QStringList{"SO12"});
        QCOMPARE(list().lblSearchList[1]->background(), white);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QCOMPARE(list().lblSearchList[1]->background(), marked);
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
