// Randomised texts (fixed seeds) typed or pasted into every box of the main window and
// the route path editor: the program never fails on them, and what it stores is what
// the rules say — the leading number for hours and rates, the text as typed for names
// and comments — or it refuses with a message and stores nothing.
#include "dbaccess/leading_number.h"
#include "mainwindow/route_types_panel.h"
#include "mainwindow/work_centre_editor.h"
#include "routepath/frm_route_path.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"

#include <QLineEdit>
#include <QtTest>

#include <cmath>
#include <random>

using dbaccess::Decimal;
using testsupport::clickAtWindow;
using testsupport::middleOf;

namespace {

const QString numberish = QStringLiteral("0123456789.-+eE ,\t");
const QString wordish = QStringLiteral("abcXYZ äöüßŻłø€'\";\\%_{}<>&\u200b\u0001\t\n");

QString randomText(std::mt19937 &random, const QString &alphabet, int longest)
{
    std::uniform_int_distribution<int> length(0, longest);
    std::uniform_int_distribution<int> pick(0, int(alphabet.size()) - 1);
    QString text;
    for (int n = length(random); n > 0; --n)
        text += alphabet[pick(random)];
    return text;
}

// Half the texts look like numbers, the rest like anything.
QString randomEntry(std::mt19937 &random)
{
    return random() % 2 ? randomText(random, numberish, 10) : randomText(random, wordish, 14);
}

void paste(QLineEdit *box, const QString &text)
{
    box->selectAll();
    box->insert(text);
}

// What the leading-number rule makes of a typed text, to `places`, or nothing when it
// holds no number ("abc") or one outside [lowest, highest].
std::optional<Decimal> byTheRule(const QString &text, double lowest, double highest, int places)
{
    const auto read = dbaccess::leadingNumber(text.toStdString());
    if (!read.found && !text.trimmed().isEmpty())
        return std::nullopt;
    if (!(std::fabs(read.value) < 1e15))
        return std::nullopt;
    const Decimal value = Decimal::fromDouble(read.value).rounded(places);
    if (value < Decimal::fromDouble(lowest) || value > Decimal::fromDouble(highest))
        return std::nullopt;
    return value;
}

} // namespace

class TestTypedInput : public testsupport::WindowTest
{
    Q_OBJECT

private:
    void click(const QWidget *control) { clickAtWindow(&w(), middleOf(control)); }

private slots:

    void runHoursAndComments()
    {
        const auto lines = f->openLines(1);
        f->ownTablesNow();
        const int job = f->addJob(lines[0], 2, "2");
        f->start();
        view(2);
        std::mt19937 random(1);
        std::string stored = "2";
        int accepted = 0;
        for (int round = 0; round < 60; ++round) {
            const QString hours = randomEntry(random);
            const QString comment = randomText(random, wordish, 120);
            click(w().lblRowHrs[0]);
            paste(w().txtRunHrs, hours);
            click(w().lblRowNote[0]);
            paste(w().txtComment, comment);
            const int said = f->messages.problems.size();
            QTest::keyClick(w().txtComment, Qt::Key_Return);
            const auto rule = byTheRule(hours, -999999.999, 999999.999, 3);
            const std::string row =
                sql("select runhours||'|'||coalesce(comment,'') from brontalo_schedule where id=" +
                    std::to_string(job));
            if (!rule) {
                QVERIFY2(f->messages.problems.size() == said + 1, qPrintable(hours));
                QCOMPARE(sql("select runhours from brontalo_schedule where id=" + std::to_string(job)),
                         stored); // the hours as they were
                w().RefreshJobList(true);
                continue;
            }
            QVERIFY2(f->messages.problems.size() == said, qPrintable(hours));
            stored = rule->toString();
            ++accepted;
            QCOMPARE(QString::fromStdString(row),
                     QString::fromStdString(Decimal::parse(stored)->toFixed(3)) + '|' +
                         comment.left(100));
        }
        QVERIFY(accepted > 15 && accepted < 50); // both ways taken
    }

    void workCentreFields()
    {
        f->start();
        click(w().btnMenu[3]);
        WorkCentreEditor &editor = w().workCentreEditor();
        std::mt19937 random(2);
        int accepted = 0;
        for (int round = 0; round < 60; ++round) {
            const QString name = randomText(random, wordish, 20);
            const QString hours = randomEntry(random);
            const QString rate = randomEntry(random);
            paste(editor.txtWcname, name);
            paste(editor.txtWorkhours, hours);
            paste(editor.txtRunspeed, rate);
            const std::string before =
                sql("select concat_ws('|',name,dailyworkhours,runrate) from brontalo_workcenter where id=1");
            const int said = f->messages.problems.size();
            click(w().btnMenu[7]);
            const auto h = byTheRule(hours, 0, 24, 2);
            const auto r = byTheRule(rate, 0, 999999.999, 3);
            const std::string after =
                sql("select concat_ws('|',name,dailyworkhours,runrate) from brontalo_workcenter where id=1");
            if (!h || !r) {
                QCOMPARE(f->messages.problems.size(), said + 1);
                QCOMPARE(after, before);
                continue;
            }
            QCOMPARE(f->messages.problems.size(), said);
            QCOMPARE(QString::fromStdString(after),
                     name + '|' + QString::fromStdString(h->toFixed(2)) + '|' +
                         QString::fromStdString(r->toFixed(3)));
            QCOMPARE(w().lblWcName[0]->caption(), name);
            ++accepted;
        }
        QVERIFY(accepted > 5 && accepted < 55); // both ways taken
    }

    void routeTypeNames()
    {
        f->start();
        click(w().btnMenu[16]);
        std::mt19937 random(3);
        int created = 0;
        for (int round = 0; round < 40 && created < 12; ++round) {
            click(w().btnMenu[13]);
            FrmRoutePath *editor = w().routeTypes->routePathEditor();
            clickAtWindow(editor, middleOf(editor->chkWcSelect[std::size_t(round % 6)]));
            const QString name = randomText(random, wordish, 16);
            paste(editor->txtPathName, name);
            const int said = int(f->messages.notices.size());
            clickAtWindow(editor, middleOf(editor->btnCreate));
            const QString trimmed = name.trimmed();
            const std::string stored = sql("select count(*) from brontalo_route where name=" +
                                           testsupport::ErpFixture::text(trimmed.toStdString()));
            if (editor->isHidden()) { // created, with the name as typed but for the blanks around
                ++created;
                QCOMPARE(stored, std::string("1"));
                QVERIFY(!trimmed.isEmpty());
            } else { // refused: empty or another route type's name
                QCOMPARE(int(f->messages.notices.size()), said + 1);
                clickAtWindow(editor, QPoint(413, 15)); // closes it
            }
        }
        QVERIFY(created >= 10);
        QCOMPARE(f->messages.problems, QStringList());
    }

    void searchTexts()
    {
        const auto lines = f->openLines(25);
        f->ownTablesNow();
        for (int line : lines)
            f->addJob(line, 1, "1");
        f->start();
        std::mt19937 random(4);
        for (int round = 0; round < 100; ++round) {
            const QString text = randomText(random, QStringLiteral("sS0123 oOfLine\tä"), 6);
            paste(w().txtSearch, text);
            const QString folded = text.trimmed().toCaseFolded();
            int shown = 0;
            for (Control *entry : w().lblSearchList) {
                if (entry->caption().isEmpty())
                    continue;
                ++shown;
                QVERIFY2(entry->caption().toCaseFolded().contains(folded), qPrintable(text));
            }
            QVERIFY(shown <= 20);
            QCOMPARE(w().pnlMenu[3]->isHidden(), folded.isEmpty());
        }
        QCOMPARE(f->messages.problems, QStringList());
    }
};

QTEST_MAIN(TestTypedInput)
#include "tst_typed_input.moc"
