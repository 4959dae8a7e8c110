// Working the queues in the real window: selecting rows and showing their route, the
// status cycle, reordering, moving, removing, saving hours and comments, and the
// commands for the load forecast and the purchases view.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/layout.h"
#include "pictures/picture_store.h"
#include "tests/mainwindow/window_fixture.h"
#include "tests/support/erp_stock_fixture.h"

#include <QtTest>

using dbaccess::Date;
using testsupport::iconCentre;
using testsupport::WindowFixture;

namespace {

const Date friday = testsupport::WindowTest::workingDate();

} // namespace

class TestJobActions : public testsupport::WindowTest
{
    Q_OBJECT

private:

    void pressButton(int index, QPointF at = QPointF(5, 5))
    {
        testsupport::press(w().btnMenu[index], at);
    }
    std::string statusOf(int job)
    {
        return sql("select status from brontalo_schedule where id=" + std::to_string(job));
    }

private slots:

    void selectingARowShowsItsRoute()
    {
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        f->addJob(lines[0], 1, "1", 4, 0, friday.addDays(-1));
        f->addJob(lines[0], 2, "1", 2, 0, friday);
        f->addJob(lines[0], 6, "1", 1, 0, friday.addDays(3));
        f->addJob(lines[0], 4, "1", 0, 0, friday.addDays(1)); // removed: not on the route
        f->addJob(lines[1], 2, "1");
        f->start();
        view(2);
        testsupport::press(w().lblRowSO[0], QPointF(15, 15));
        QCOMPARE(g().selectedLineId, std::int64_t(lines[0]));
        QCOMPARE(g().routePathSteps, (std::array<int, 10>{1, 2, 6, 0, 0, 0, 0, 0, 0, 0}));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(w().iconHighlighted(i), i == 0 || i == 1 || i == 5);
        QCOMPARE(w().lblWcDate[0]->caption(), QStringLiteral("10 Dec"));
        QCOMPARE(w().lblWcDate[1]->caption(), QString()); // the viewed work centre
        QCOMPARE(w().lblWcDate[5]->caption(), QStringLiteral("14 Dec"));
        QCOMPARE(w().lblWcDate[3]->caption(), QString());
        QVERIFY(!w().imgRowCheck[0]->isHidden());
        QVERIFY(g().hoverFrozen && g().dayLocked);

        // Pressing the date under slot 6 jumps there, on the day its job starts.
        testsupport::press(w().picCanvas, iconCentre(g(), 6));
        QCOMPARE(g().selectedWc, 6);
        QCOMPARE(g().selectedDay, 3);
        QCOMPARE(g().selectedLineId, std::int64_t(lines[0]));
        QVERIFY(!w().imgRowCheck[0]->isHidden());
    }

    void secondJobOfTheSameLineIsSelectedToo()
    {
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        const int first = f->addJob(lines[0], 3, "1");
        const int second = f->addJob(lines[0], 3, "2");
        f->start();
        view(3);
        testsupport::press(w().lblRowSO[0], QPointF(5, 5));
        testsupport::press(w().lblRowHrs[1], QPointF(5, 5));
        QCOMPARE(g().selectedRow, 1);
        QVERIFY(w().imgRowCheck[0]->isHidden());
        QVERIFY(!w().imgRowCheck[1]->isHidden());
        QVERIFY(!w().txtRunHrs->isHidden());
        QCOMPARE(w().txtRunHrs->y(), 170); // 4 pixels above the second row at 174
        w().txtRunHrs->setText(QStringLiteral("4.5"));
        QTest::keyClick(w().txtRunHrs, Qt::Key_Return);
        QCOMPARE(sql("select runhours from brontalo_schedule where id=" + std::to_string(second)),
                 std::string("4.5"));
        QCOMPARE(sql("select runhours from brontalo_schedule where id=" + std::to_string(first)),
                 std::string("1"));
    }

    void statusClicksCycleAndTheDatabaseFollows()
    {
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        const int job = f->addJob(lines[0], 1, "2");
        f->start();
        view(1);
        pressButton(6); // the production list shows the status pictures
        QVERIFY(!w().imgStatus[0]->isHidden());
        QCOMPARE(w().imgStatus[0]->pictureId(), 3);
        const QStringList tips = {"in progress", "paused", "completed", "in progress"};
        const std::vector<std::string> stored = {"2", "3", "4", "2"};
        for (int click = 0; click < 4; ++click) {
            testsupport::press(w().imgStatus[0], QPointF(10, 10));
            QCOMPARE(statusOf(job), stored[std::size_t(click)]);
            QCOMPARE(w().imgStatus[0]->toolTip(), tips[click]);
        }
        QCOMPARE(w().lblRowTotal->caption(), QString()); // no total in the production list
    }

    void reorderArrowsRenumberTheQueue()
    {
        const auto lines = f->openLines(5);
        f->ownTablesNow();
        std::vector<int> jobs;
        for (int line : lines)
            jobs.push_back(f->addJob(line, 2, "1"));
        f->start();
        view(2);
        testsupport::move(w().lblRowSeq[2], QPointF(30, 30));
        QVERIFY(!w().imgAlert[2]->isHidden());
        QCOMPARE(w().imgAlert[2]->y(), 205); // level with the third row
        testsupport::press(w().imgAlert[2], QPointF(5, 3)); // upper half
        QCOMPARE(sql("select string_agg(sequence::text, ',' order by id) from brontalo_schedule"),
                 std::string("1,3,2,4,5"));
        QCOMPARE(w().lblRowHrs[1]->tag.toInt(), jobs[2]);
        QVERIFY(w().imgAlert[2]->isHidden());

        testsupport::move(w().lblRowSeq[4], QPointF(30, 30));
        testsupport::press(w().imgAlert[2], QPointF(5, 12)); // lower half, last row
        QCOMPARE(sql("select string_agg(sequence::text, ',' order by id) from brontalo_schedule"),
                 std::string("1,3,2,4,5"));
    }

    void tickedJobsMoveToAnotherWorkCentre()
    {
        const auto lines = f->openLines(3);
        f->ownTablesNow();
        const int a = f->addJob(lines[0], 2, "1");
        f->addJob(lines[1], 2, "1");
        const int c = f->addJob(lines[2], 2, "1");
        f->start();
        view(2);
        testsupport::press(&w(), QPointF(1090, w().imgRowCheck[0]->y() + 5)); // tick column
        testsupport::press(&w(), QPointF(1090, w().imgRowCheck[2]->y() + 5));
        pressButton(4, QPointF(5, 5)); // the move half
        QVERIFY(!w().pnlMenu[5]->isHidden());
        testsupport::press(w().lblMovePath[3], QPointF(30, 30));
        QCOMPARE(sql("select string_agg(id||':'||workcenterid, ',' order by id) from brontalo_schedule"),
                 std::to_string(a) + ":4," + std::to_string(a + 1) + ":2," + std::to_string(c) + ":4");
        QCOMPARE(g().selectedWc, 4);
        QVERIFY(w().pnlMenu[5]->isHidden());
        QVERIFY(w().imgRowCheck[0]->isHidden());
        QVERIFY(!w().imgRowCheck[1]->isHidden()); // the later of the two moved jobs
        QCOMPARE(w().lblRowHrs[1]->tag.toInt(), c);
    }

    void removeAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered yes") << true;
        QTest::newRow("answered no") << false;
    }
    void removeAsksFirst()
    {
        QFETCH(bool, yes);
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        const int first = f->addJob(lines[0], 1, "1");
        const int second = f->addJob(lines[1], 1, "1");
        f->start();
        view(1);
        testsupport::press(&w(), QPointF(1090, w().imgRowCheck[0]->y() + 5));
        testsupport::press(&w(), QPointF(1090, w().imgRowCheck[1]->y() + 5));
        f->messages.answerYes = yes;
        pressButton(4, QPointF(40, 5)); // the bin half
        QCOMPARE(f->messages.questions, QStringList{QStringLiteral("Confirm remove this task?")});
        QCOMPARE(statusOf(first), std::string(yes ? "0" : "1"));
        QCOMPARE(statusOf(second), std::string("1"));
        QCOMPARE(w().lblRowSO[1]->caption(), yes ? QString() : QStringLiteral("S00002"));
        QCOMPARE(w().imgRowCheck[0]->isHidden(), yes); // the list is rebuilt only after yes
    }

    void savingWritesOnlyWhatChangedAndTotalsTheCaptions()
    {
        const auto lines = f->openLines(3);
        f->ownTablesNow();
        f->addJob(lines[0], 5, "1.5");
        f->addJob(lines[1], 5, "2");
        const int quarter = f->addJob(lines[2], 5, "0.25");
        const auto stored = [&] {
            return sql("select runhours||'|'||coalesce(comment,'-') from brontalo_schedule "
                       "where id=" + std::to_string(quarter));
        };
        f->start();
        view(5);
        // The list shows 0.25 hours as 0.2: saving a comment must leave the hours alone.
        testsupport::press(w().lblRowNote[2], QPointF(5, 5));
        QVERIFY(!w().txtComment->isHidden());
        QVERIFY(w().btnMenu[18]->isHidden());
        w().txtComment->setText(QStringLiteral("Glass 'low-E' ; check \\ edges"));
        QVERIFY(!w().btnMenu[18]->isHidden());
        pressButton(18);
        QCOMPARE(stored(), std::string("0.250|Glass 'low-E' ; check \\ edges"));
        QCOMPARE(w().lblRowNote[2]->caption(), QStringLiteral("Glass 'low-E' ; check \\ edges"));
        QCOMPARE(w().lblRowHrs[2]->caption(), QStringLiteral("0.2"));
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 3.7")); // 1.5 + 2 + 0.2
        QVERIFY(w().txtComment->isHidden());

        // Typed in, the same hours count as 0.25.
        testsupport::press(w().lblRowHrs[2], QPointF(5, 5));
        w().txtRunHrs->setText(QStringLiteral("0.25"));
        pressButton(18);
        QCOMPARE(w().lblRowHrs[2]->caption(), QStringLiteral("0.25"));
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 3.75"));
        QVERIFY(f->messages.problems.isEmpty());
    }

    void runHoursFollowTheLeadingNumberRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("refused");
        QTest::newRow("a number") << "3.25" << "3.25" << false;
        QTest::newRow("trailing text") << "12abc" << "12" << false;
        QTest::newRow("empty stores 0") << "" << "0" << false;
        QTest::newRow("no number at all") << "abc" << "2" << true;
        QTest::newRow("a tie rounds to the even thousandth") << "2.0005" << "2" << false;
        QTest::newRow("another tie") << "2.0025" << "2.002" << false;
        QTest::newRow("too large for the column") << "1000000" << "2" << true;
        QTest::newRow("too small for a double stores 0") << "1e-400" << "0" << false;
        QTest::newRow("too large for a double") << "1e400" << "2" << true;
    }
    void runHoursFollowTheLeadingNumberRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(bool, refused);
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        const int job = f->addJob(lines[0], 5, "2");
        f->start();
        view(5);
        testsupport::press(w().lblRowHrs[0], QPointF(5, 5));
        w().txtRunHrs->setText(typed);
        QTest::keyClick(w().txtRunHrs, Qt::Key_Return);
        QCOMPARE(sql("select runhours from brontalo_schedule where id=" + std::to_string(job)),
                 stored.toStdString());
        QCOMPARE(f->messages.problems.size(), refused ? 1 : 0);
    }

    void anOpenCommentBoxKeepsItsJobThroughARebuild()
    {
        const auto lines = f->openLines(3);
        f->ownTablesNow();
        std::vector<int> jobs;
        for (int line : lines)
            jobs.push_back(f->addJob(line, 2, "1"));
        f->start();
        view(2);
        testsupport::press(w().lblRowNote[1], QPointF(5, 5)); // the comment of the second job
        testsupport::move(w().lblRowSeq[2], QPointF(30, 30));
        testsupport::press(w().imgAlert[2], QPointF(5, 3)); // the third job moves up
        QCOMPARE(w().lblRowHrs[1]->tag.toInt(), jobs[2]);
        QVERIFY(!w().txtComment->isHidden());
        w().txtComment->setText(QStringLiteral("check the hinges"));
        QTest::keyClick(w().txtComment, Qt::Key_Return);
        QCOMPARE(sql("select string_agg(coalesce(comment,'-'), ',' order by id) from "
                     "brontalo_schedule"),
                 std::string("-,check the hinges,-"));
        QCOMPARE(w().lblRowNote[2]->caption(), QStringLiteral("check the hinges"));
        QCOMPARE(w().lblRowNote[1]->caption(), QString());
    }

    void savingAJobThatWasRemovedMeanwhileSaysSo()
    {
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        const int job = f->addJob(lines[0], 5, "2");
        f->start();
        view(5);
        testsupport::press(w().lblRowHrs[0], QPointF(5, 5));
        f->fresh.exec("delete from brontalo_schedule where id=" + std::to_string(job));
        w().txtRunHrs->setText(QStringLiteral("7"));
        QTest::keyClick(w().txtRunHrs, Qt::Key_Return);
        QCOMPARE(f->messages.problems.size(), 1);
        QCOMPARE(w().lblRowHrs[0]->caption(), QString()); // rebuilt: the row is gone
    }

    // A dispatch row carries its line but no job, so a press selects the line and
    // opens no box; a row a rebuild emptied carries nothing, so a press does nothing.
    void pressesOnRowsWithoutAJobOpenNoBox_data()
    {
        QTest::addColumn<bool>("dispatch");
        QTest::newRow("dispatch row") << true;
        QTest::newRow("row emptied by a rebuild") << false;
    }
    void pressesOnRowsWithoutAJobOpenNoBox()
    {
        QFETCH(bool, dispatch);
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        int row = 0;
        if (dispatch) {
            f->addJob(lines[0], 1, "2", 4);
        } else {
            f->addJob(lines[0], 2, "1");
            f->addJob(lines[1], 2, "1");
            f->addJob(lines[0], 3, "1");
            row = 1;
        }
        f->start();
        if (dispatch) {
            pressButton(5);
            QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[0]);
        } else {
            view(2);
            view(3); // row 1, filled on milling, is emptied
        }
        testsupport::press(w().lblRowSO[row], QPointF(5, 5));
        testsupport::press(w().lblRowHrs[row], QPointF(5, 5));
        testsupport::press(w().lblRowNote[row], QPointF(5, 5));
        QVERIFY(w().txtRunHrs->isHidden());
        QVERIFY(w().txtComment->isHidden());
        QVERIFY(w().pnlMenu[2]->isHidden());
        QCOMPARE(w().imgRowCheck[row]->isHidden(), !dispatch);
        QCOMPARE(g().selectedLineId, std::int64_t(dispatch ? lines[0] : 0));
    }

    void hoursAndACommentTypedInTurnAreSavedTogether()
    {
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        const int job = f->addJob(lines[0], 5, "2");
        f->start();
        view(5);
        testsupport::press(w().lblRowHrs[0], QPointF(5, 5));
        w().txtRunHrs->selectAll();
        QTest::keyClicks(w().txtRunHrs, QStringLiteral("3.5"));
        // A click on the same row's note to add a comment keeps the typed hours.
        testsupport::press(w().lblRowNote[0], QPointF(5, 5));
        QCOMPARE(w().txtRunHrs->text(), QStringLiteral("3.5"));
        QVERIFY(!w().txtRunHrs->isHidden());
        QTest::keyClicks(w().txtComment, QStringLiteral("oil twice"));
        QTest::keyClick(w().txtComment, Qt::Key_Return);
        QCOMPARE(sql("select runhours||'|'||comment from brontalo_schedule where id=" +
                     std::to_string(job)),
                 std::string("3.500|oil twice"));
        QCOMPARE(w().lblRowHrs[0]->caption(), QStringLiteral("3.5"));
    }

    void aTickColumnClickKeepsWhatIsTypedInTheBoxes()
    {
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        const int first = f->addJob(lines[0], 5, "2");
        const int second = f->addJob(lines[1], 5, "1");
        f->start();
        view(5);
        testsupport::press(w().lblRowHrs[0], QPointF(5, 5));
        w().txtRunHrs->setText(QStringLiteral("6"));
        testsupport::press(&w(), QPointF(1090, w().imgRowCheck[1]->y() + 5)); // tick row 1
        QVERIFY(!w().imgRowCheck[1]->isHidden());
        QCOMPARE(w().txtRunHrs->text(), QStringLiteral("6"));
        QCOMPARE(w().txtRunHrs->y(), w().lblRowHrs[0]->y() - 4);
        QTest::keyClick(w().txtRunHrs, Qt::Key_Return);
        QCOMPARE(sql("select string_agg(id||':'||runhours, ',' order by id) from brontalo_schedule"),
                 std::to_string(first) + ":6.000," + std::to_string(second) + ":1.000");
        QCOMPARE(w().lblRowHrs[0]->caption(), QStringLiteral("6"));
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 7"));
    }

    void aFailedReorderLeavesTheQueueAsItWas()
    {
        const auto lines = f->openLines(4);
        f->ownTablesNow();
        std::vector<int> jobs;
        for (int line : lines)
            jobs.push_back(f->addJob(line, 2, "1"));
        // The database refuses a new position for the last job.
        f->fresh.exec("create function refuse_last() returns trigger language plpgsql as $$ "
                      "begin raise exception 'queue locked'; end $$");
        f->fresh.exec("create trigger refuse_last before update on brontalo_schedule for each "
                      "row when (new.id=" + std::to_string(jobs[3]) +
                      ") execute function refuse_last()");
        f->start();
        view(2);
        testsupport::move(w().lblRowSeq[1], QPointF(30, 30));
        testsupport::press(w().imgAlert[2], QPointF(5, 3)); // the second job moves up
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].contains(QStringLiteral("queue locked")));
        QCOMPARE(sql("select string_agg(sequence::text, ',' order by id) from brontalo_schedule"),
                 std::string("0,0,0,0"));
    }

    void loadForecastPicksBlocksByCapacity()
    {
        // Slot 1 works 8 hours, no weekends; the working date is a Friday.
        const auto lines = f->openLines(5);
        f->ownTablesNow();
        const char *loads[] = {"7.4", "7.5", "8", "8.4"};
        const int days[] = {0, 3, 4, 5}; // Friday, Monday, Tuesday, Wednesday
        for (int k = 0; k < 4; ++k)
            f->addJob(lines[std::size_t(k)], 1, loads[k], 1, 0, friday.addDays(days[k]));
        f->addJob(lines[4], 1, "0.5", 3, 0, friday.addDays(1)); // an unworked Saturday
        f->start();
        pressButton(14);
        QVERIFY(!w().pnlGantt->isHidden());
        // Blocks stand in the first work centre's row, 33 pixels apart from day 0 at x 77.
        std::map<int, int> pictureAt;
        for (Control *block : w().imgGanttBlock) {
            if (block->isHidden())
                continue;
            QCOMPARE(block->y(), 40);
            pictureAt[block->x()] = block->pictureId();
        }
        QCOMPARE(pictureAt, (std::map<int, int>{{77, 1}, {110, 2}, {176, 0}, {209, 0}, {242, 2}}));
        pressButton(14);
        QVERIFY(w().pnlGantt->isHidden());
    }

    void purchasesViewListsShortfalls()
    {
        // Stock 30 against needs of 20 and 25 on two dates leaves 15 on the later date.
        f->erp.company(1, "Frames Ltd");
        testsupport::ErpStockFixture stock(f->fresh, f->erp);
        const int units = f->erp.defaultUnit();
        const int frame = stock.product("Casement window", "CW-1", units);
        const int glass = stock.product("Glass pane", "A-100", units);
        stock.billLine(stock.bill(frame, "1"), glass, "1");
        const int shelf = stock.location("WH/Stock", "internal", 1);
        stock.quant(glass, shelf, "30");
        stock.purchaseLine(glass, "40", {});
        const int early = f->erp.line(f->erp.order(1, "2026-12-20 10:00:00"), frame, "20");
        const int late = f->erp.line(f->erp.order(1, "2026-12-22 10:00:00"), frame, "25");
        f->ownTablesNow();
        f->addJob(early, 1, "1", 1, 0, friday.addDays(3));
        f->addJob(late, 1, "1", 1, 0, friday.addDays(10));
        f->start();
        view(1);
        pressButton(8);
        QCOMPARE(w().lblTitle[0]->caption(), QStringLiteral("purchases"));
        QCOMPARE(g().selectedWc, 0);
        QVERIFY(g().hoverFrozen);
        QCOMPARE(w().lblRowSO[0]->caption(), QStringLiteral("A-100"));
        QCOMPARE(w().lblRowHrs[0]->caption(), QStringLiteral("15"));
        QCOMPARE(w().lblRowDesc[0]->caption(), QStringLiteral("21-Dec-26"));
        QCOMPARE(w().lblRowCust[0]->caption(), QStringLiteral("[po pending qty: 40]"));
        QCOMPARE(w().lblRowSO[1]->caption(), QString());
        QVERIFY(!w().pnlRawmat->isHidden());
        QCOMPARE(w().lblRowTotal->caption(), QString());
    }
};

QTEST_MAIN(TestJobActions)
#include "tst_job_actions.moc"
