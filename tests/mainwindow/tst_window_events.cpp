// Pointer events given to the window as the window system gives them: what stands in
// front takes the press, and a press or move on a control without a handler of its own
// ends there. Stored texts are shown on one line.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/layout.h"
#include "mainwindow/route_types_panel.h"
#include "routepath/frm_route_path.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QtTest>

using dbaccess::Date;
using testsupport::clickAtWindow;
using testsupport::iconCentre;
using testsupport::inWindow;
using testsupport::middleOf;
using testsupport::moveInWindow;

namespace {

const Date friday = testsupport::WindowTest::workingDate();

} // namespace

class TestWindowEvents : public testsupport::WindowTest
{
    Q_OBJECT

private:
    QPoint onCanvas(QPoint at) { return inWindow(w().picCanvas, at); }
    void view(int slot) { moveInWindow(&w(), onCanvas(iconCentre(g(), slot))); }

private slots:

    void applyStandsInFrontOfEdit()
    {
        f->openLines(1);
        f->start();
        view(1);
        moveInWindow(&w(), onCanvas({50, 30})); // the logo: the pending lines
        clickAtWindow(&w(), middleOf(w().lblRowNote[0])); // opens the route types, Apply shown
        QVERIFY(!w().pnlMenu[2]->isHidden());
        QVERIFY(!w().btnMenu[12]->isHidden());
        const QPoint apply = middleOf(w().btnMenu[12]);
        QVERIFY(w().btnMenu[17]->geometry().contains(w().pnlMenu[2]->mapFrom(&w(), apply)));

        // Apply takes the press: the chosen route type is assigned and the panel closes.
        clickAtWindow(&w(), middleOf(w().lblRoutePath[0]));
        clickAtWindow(&w(), apply);
        QCOMPARE(sql("select count(*) from brontalo_productroute"), std::string("1"));
        QVERIFY(w().pnlMenu[2]->isHidden());
        FrmRoutePath *editor = w().routeTypes->routePathEditor();
        QVERIFY(!editor || editor->isHidden());

        // Opened from the floor plan, Apply is hidden and the same place is Edit's.
        clickAtWindow(&w(), middleOf(w().btnMenu[16]));
        QVERIFY(w().btnMenu[12]->isHidden());
        clickAtWindow(&w(), apply);
        editor = w().routeTypes->routePathEditor();
        QVERIFY(editor && !editor->isHidden());
        QCOMPARE(editor->txtPathName->text(), QStringLiteral("Window Frame Manufacture"));
        QCOMPARE(sql("select count(*) from brontalo_productroute"), std::string("1"));
        QVERIFY(f->messages.problems.isEmpty());
    }

    void pressesOnTheCapacityPanelsContentsKeepItOpen_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<bool>("closes");
        QTest::newRow("weekend band") << "imgAlert_0" << false;
        QTest::newRow("a work-centre name") << "lblGanttWc_2" << false;
        QTest::newRow("a day number") << "lblGanttDate_4" << false;
        QTest::newRow("a load block") << "imgGanttBlock_0" << false;
        QTest::newRow("the month") << "lblTitle_3" << false;
        QTest::newRow("the panel's own background") << "pnlGantt" << true;
    }
    void pressesOnTheCapacityPanelsContentsKeepItOpen()
    {
        QFETCH(QString, control);
        QFETCH(bool, closes);
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        f->addJob(lines[0], 1, "3", 1, 0, friday.addDays(3));
        f->start();
        clickAtWindow(&w(), middleOf(w().btnMenu[14]));
        QVERIFY(!w().pnlGantt->isHidden());
        const QWidget *target = w().findChild<QWidget *>(control);
        QVERIFY(target);
        // A place of the control that nothing else covers.
        QPoint at = target == w().pnlGantt ? inWindow(w().pnlGantt, {3, 3}) : middleOf(target);
        if (target == w().findChild<QWidget *>(QStringLiteral("imgAlert_0")))
            at = inWindow(target, {5, 150}); // the band itself, below the rows of names
        QCOMPARE(w().childAt(at), target);
        clickAtWindow(&w(), at);
        QCOMPARE(w().pnlGantt->isHidden(), closes);
    }

    void canvasLabelsKeepPointerEventsFromTheCanvas()
    {
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        f->addJob(lines[0], 1, "1");
        f->addJob(lines[0], 2, "1");
        f->start();
        view(2);
        clickAtWindow(&w(), middleOf(w().lblRowSO[0])); // shows the line's route, pinned
        QCOMPARE(g().selectedLineId, std::int64_t(lines[0]));
        clickAtWindow(&w(), onCanvas(iconCentre(g(), 2))); // a press on the selected icon unpins
        QVERIFY(!g().hoverFrozen);

        // Over the name and date labels and the viewed work centre's title the plan's
        // hover does not run: the route stays and no icon is selected.
        for (const QWidget *label : std::initializer_list<const QWidget *>{
                 w().lblWcName[0], w().lblWcDate[0], w().lblWcName[2], w().lblTitle[8]}) {
            QCOMPARE(w().childAt(middleOf(label)), label);
            moveInWindow(&w(), middleOf(label));
            QCOMPARE(g().selectedLineId, std::int64_t(lines[0]));
            QCOMPARE(g().selectedWc, 2);
        }
        // A right press on a label opens nothing; on the plan itself it opens the editor.
        clickAtWindow(&w(), middleOf(w().lblWcName[3]), Qt::RightButton);
        QVERIFY(w().pnlMenu[1]->isHidden());
        clickAtWindow(&w(), onCanvas({600, 40}), Qt::RightButton);
        QVERIFY(!w().pnlMenu[1]->isHidden());
        w().pnlMenu[1]->hide();

        moveInWindow(&w(), onCanvas({600, 40})); // the bare floor clears the route
        QCOMPARE(g().selectedLineId, std::int64_t(0));
    }

    void hiddenTickMarksLetPressesThroughToTheTickColumn()
    {
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        f->addJob(lines[0], 3, "1");
        f->addJob(lines[1], 3, "1");
        f->start();
        view(3);
        clickAtWindow(&w(), middleOf(w().imgRowCheck[1]));
        QVERIFY(!w().imgRowCheck[1]->isHidden());
        clickAtWindow(&w(), middleOf(w().imgRowCheck[1])); // a shown tick unticks itself
        QVERIFY(w().imgRowCheck[1]->isHidden());
        QVERIFY(w().imgRowCheck[0]->isHidden());
    }

    void storedTextsAreShownOnOneLine()
    {
        const QString description = QStringLiteral(
            "[FG-TABLE-OAK] Oak Dining Table\nSolid oak top, extending to seat ten, oiled");
        const QString customer =
            QStringLiteral("Möbelhaus Müller & Söhne Innenausstattung GmbH & Co. KG, Łódź");
        const QString comment = QStringLiteral("Glue the legs\r\nthen sand and oil the top twice");
        f->erp.company(1, "Frames Ltd");
        const int product = f->erp.product("Oak Dining Table", "FG-TABLE-OAK");
        const int buyer = f->erp.partner(customer.toStdString());
        const int line = f->erp.line(f->erp.order(1, "2026-12-18 10:00:00",
                                                  testsupport::ErpFixture::defaultOrderDate, buyer),
                                     product, "2");
        f->fresh.exec("update sale_order_line set name=" +
                      testsupport::ErpFixture::text(description.toStdString()) +
                      " where id=" + std::to_string(line));
        f->ownTablesNow();
        const int job = f->addJob(line, 4, "2");
        f->fresh.exec("update brontalo_schedule set comment=" +
                      testsupport::ErpFixture::text(comment.toStdString()) +
                      " where id=" + std::to_string(job));
        f->start();
        view(4);

        struct Shown
        {
            Control *cell;
            QString stored;
        };
        for (const Shown &s : {Shown{w().lblRowDesc[0], description},
                               Shown{w().lblRowCust[0], customer},
                               Shown{w().lblRowNote[0], comment}}) {
            const QString shown = s.cell->shownText();
            QCOMPARE(s.cell->caption(), s.stored);
            QCOMPARE(s.cell->toolTip(), s.stored);
            QCOMPARE(s.cell->accessibleName(), s.stored);
            QVERIFY2(!shown.contains('\n') && !shown.contains('\r'), qPrintable(shown));
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
            QVERIFY(s.cell->fontMetrics().horizontalAdvance(shown) <= s.cell->contentsRect().width());
            const QString oneLine = QString(s.stored).replace("\r\n", " ").replace('\n', ' ');
            QVERIFY(oneLine.startsWith(shown.chopped(1)));
        }
        QCOMPARE(w().lblRowDesc[0]->tag, QString::number(product)); // the Tag stays the id
        QCOMPARE(w().lblRowDesc[0]->shownText().left(32), QStringLiteral("[FG-TABLE-OAK] Oak Dining Table "));

        // The comment box opens with the whole stored comment, not what the row shows.
        clickAtWindow(&w(), middleOf(w().lblRowNote[0]));
        QCOMPARE(w().txtComment->text(), comment);
    }
};

QTEST_MAIN(TestWindowEvents)
#include "tst_window_events.moc"
