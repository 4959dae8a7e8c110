// The window when the database goes away under it: the program's session ended by the
// server, and the server "restarting" (every connection cut and new ones refused for a
// while, played by a relay between the program and the server). Each action that
// meets the loss says so once, nothing stays half shown, the program connects again
// with the same settings, and what was typed in an open box is still there to be saved.
#include "mainwindow/floor_canvas.h"
#include "tests/mainwindow/window_fixture.h"
#include "tests/support/tcp_proxy.h"

#include <QLineEdit>
#include <QtTest>

namespace {

std::string scalarOn(dbaccess::Database &database, const std::string &sql)
{
    dbaccess::RecordSet rs(database.connection);
    rs.open(sql);
    std::string value = rs.recordCount() > 0 ? rs.field(0).toText() : std::string();
    rs.close();
    return value;
}

} // namespace

class TestConnectionLoss : public testsupport::WindowTest
{
    Q_OBJECT

private:
    // The program's own connection, apart from the fixture's, on `port` (the server's
    // own when empty).
    std::unique_ptr<dbaccess::Database> programDatabase(const std::string &port = {})
    {
        auto database = std::make_unique<dbaccess::Database>();
        database->settings = f->fresh.settings();
        if (!port.empty())
            database->settings.port = port;
        database->connection.open(dbaccess::connectionString(database->settings));
        return database;
    }
    std::vector<int> twoQueues()
    {
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        f->addJob(lines[0], 2, "1.5");
        f->addJob(lines[1], 3, "2");
        return lines;
    }
    void endSession(dbaccess::Database &program)
    {
        const std::string pid = scalarOn(program, "select pg_backend_pid()");
        QCOMPARE(sql("select pg_terminate_backend(" + pid + ")"), std::string("1"));
        // The server ends it at once; wait until it is gone.
        for (int i = 0; i < 100; ++i) {
            if (sql("select count(*) from pg_stat_activity where pid=" + pid) == "0")
                break;
            QTest::qWait(20);
        }
    }

private slots:

    void anEndedSessionIsSaidOnceAndTheNextActionWorks()
    {
        const auto lines = twoQueues();
        auto program = programDatabase();
        g().database = program.get();
        f->start();
        view(2);
        const std::string before = scalarOn(*program, "select pg_backend_pid()");
        endSession(*program);

        view(3); // meets the loss
        QCOMPARE(f->messages.problems.size(), 1);
        const QString said = f->messages.problems[0];
        QVERIFY2(said.startsWith(QStringLiteral("The connection to the database was lost, so "
                                                "showing the work centre under the pointer was "
                                                "not done.")),
                 qPrintable(said));
        QVERIFY(said.contains(QStringLiteral("connected again")));
        QVERIFY(scalarOn(*program, "select pg_backend_pid()") != before); // the same settings
        // Shown afresh for the work centre now selected: no empty queue under old totals.
        QCOMPARE(g().selectedWc, 3);
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[1]);
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 2"));

        view(2);
        QCOMPARE(f->messages.problems.size(), 1);
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[0]);
    }

    void typedHoursSurviveALostConnection()
    {
        twoQueues();
        auto program = programDatabase();
        g().database = program.get();
        f->start();
        view(2);
        testsupport::press(w().lblRowHrs[0], QPointF(5, 5));
        w().txtRunHrs->selectAll();
        QTest::keyClicks(w().txtRunHrs, QStringLiteral("6.5"));
        endSession(*program);

        QTest::keyClick(w().txtRunHrs, Qt::Key_Return); // the save meets the loss
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].contains(
            QStringLiteral("so saving the run hours and comment was not done")));
        QVERIFY(!w().txtRunHrs->isHidden());
        QCOMPARE(w().txtRunHrs->text(), QStringLiteral("6.5"));
        QCOMPARE(w().txtRunHrs->y(), w().lblRowHrs[0]->y() - 4);

        QTest::keyClick(w().txtRunHrs, Qt::Key_Return);
        QCOMPARE(f->messages.problems.size(), 1);
        QCOMPARE(sql("select runhours from brontalo_schedule where workcenterid=2"),
                 std::string("6.5"));
        QCOMPARE(w().lblRowHrs[0]->caption(), QStringLiteral("6.5"));
    }

    void whileTheServerIsDownEachActionSaysSoOnce()
    {
        const auto lines = twoQueues();
        testsupport::TcpProxy relay(std::stoi(f->fresh.settings().port));
        auto program = programDatabase(std::to_string(relay.port()));
        g().database = program.get();
        f->start();
        view(2);

        relay.cutAll(true); // the server goes down
        view(3);
        QCOMPARE(f->messages.problems.size(), 1);
        QVERIFY(f->messages.problems[0].contains(QStringLiteral("does not answer now")));
        for (int slot : {2, 3}) { // each later action says so once and does nothing
            view(slot);
            QVERIFY(f->messages.problems.last().startsWith(
                QStringLiteral("The database at server")));
        }
        QCOMPARE(f->messages.problems.size(), 3);

        relay.acceptAgain(); // and comes back
        view(2);
        QCOMPARE(f->messages.problems.size(), 4);
        QVERIFY2(f->messages.problems.last().startsWith(
                     QStringLiteral("Brontalo is connected to the database again")),
                 qPrintable(f->messages.problems.last()));
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[1]); // slot 3, still the selected one
        view(2);
        QCOMPARE(f->messages.problems.size(), 4);
        QCOMPARE(w().lblRowSO[0]->tag.toInt(), lines[0]);
        QCOMPARE(w().lblRowTotal->caption(), QStringLiteral("Total Hrs: 1.5"));
    }
};

QTEST_MAIN(TestConnectionLoss)
#include "tst_connection_loss.moc"
