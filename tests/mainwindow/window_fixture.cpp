#include "tests/mainwindow/window_fixture.h"

#include "data/own_tables.h"
#include "mainwindow/floor_canvas.h"
#include "mainwindow/startup_sequence.h"
#include "tests/support/erp_stock_fixture.h"

#include <QCoreApplication>
#include <QTest>

namespace testsupport {

namespace {

class UnrecordedMessages final : public Messages
{
public:
    void problem(QWidget *, const QString &message) override
    {
        fail(QStringLiteral("message box nobody records: ") + message);
    }
    bool confirm(QWidget *, const QString &question) override
    {
        fail(QStringLiteral("question nobody answers: ") + question);
        return false;
    }
    void notify(QWidget *, Icon, const QString &message) override
    {
        fail(QStringLiteral("message box nobody records: ") + message);
    }

private:
    static void fail(const QString &what)
    {
        QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    }
};

} // namespace

Messages &unrecordedMessages()
{
    static UnrecordedMessages messages;
    return messages;
}

RecordedMessages::RecordedMessages() { Messages::install(this); }

RecordedMessages::~RecordedMessages()
{
    if (&Messages::current() == this)
        Messages::install(&unrecordedMessages());
}

void RecordedMessages::problem(QWidget *, const QString &message)
{
    problems << message;
    if (onProblem)
        onProblem(message);
}

bool RecordedMessages::confirm(QWidget *, const QString &question)
{
    questions << question;
    return answerYes;
}

void RecordedMessages::notify(QWidget *, Icon icon, const QString &message)
{
    notices.push_back({icon, message});
}

WindowFixture::WindowFixture(dbaccess::Date today, int companyId)
{
    g.currentDate = today;
    g.companyId = std::int16_t(companyId);
    g.database = &fresh.db();
}

FrmMain &WindowFixture::start()
{
    window = std::make_unique<FrmMain>(g);
    prepared = prepareMainWindow(g, *window);
    window->show();
    return *window;
}

std::vector<int> WindowFixture::openLines(int count)
{
    erp.company(1, "Frames Ltd");
    const int product = erp.product("Casement window");
    const std::string due = g.currentDate.addDays(7).isoText() + " 14:30:00";
    std::vector<int> lines;
    for (int i = 0; i < count; ++i)
        lines.push_back(erp.line(erp.order(1, due), product, "5"));
    return lines;
}

int WindowFixture::frameShop(int count)
{
    erp.company(1, "Frames Ltd");
    ErpStockFixture stock(fresh, erp);
    const int frame = erp.product("Casement window", "CW-1");
    const int glass = erp.product("Glass pane", "GL-1");
    stock.billLine(stock.bill(frame, "1"), glass, "2");
    stock.quant(glass, stock.location("WH/Stock", "internal", 1), "3");
    const std::string due = g.currentDate.addDays(7).isoText() + " 10:00:00";
    for (int i = 0; i < count; ++i)
        erp.line(erp.order(1, due), frame, "5");
    return frame;
}

void WindowFixture::ownTablesNow() { data::EnsureOwnTables(fresh.db()); }

int WindowFixture::addJob(int line, int slot, const QString &hours, int status, int sequence,
                          std::optional<dbaccess::Date> start)
{
    const std::string day = start.value_or(g.currentDate).isoText();
    return std::stoi(fresh.scalar(
        QStringLiteral("insert into brontalo_schedule(workcenterid,sequence,status,solineid,"
                       "startdate,runhours) values (%1,%2,%3,%4,'%5',%6) returning id")
            .arg(slot)
            .arg(sequence)
            .arg(status)
            .arg(line)
            .arg(QString::fromStdString(day))
            .arg(hours)
            .toStdString()));
}

void WindowTest::view(int slot) { move(w().picCanvas, iconCentre(g(), slot)); }

void WindowTest::hoverLogo() { move(w().picCanvas, QPointF(50, 30)); }

QPoint iconCentre(const Global &g, int slot)
{
    return QPoint(g.wcPosX[std::size_t(slot - 1)] + 37, g.wcPosY[std::size_t(slot - 1)] + 37);
}

std::vector<int> highlightedSlots(const FrmMain &window)
{
    std::vector<int> slotsShown;
    for (int i = 0; i < window.iconHolderCount(); ++i)
        if (window.iconHighlighted(i))
            slotsShown.push_back(i + 1);
    return slotsShown;
}

namespace {

void send(QWidget *target, QEvent::Type type, QPointF at, Qt::MouseButton button,
          Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

void press(QWidget *target, QPointF at, Qt::MouseButton button)
{
    send(target, QEvent::MouseButtonPress, at, button, button);
}

void release(QWidget *target, QPointF at, Qt::MouseButton button)
{
    send(target, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void move(QWidget *target, QPointF at, Qt::MouseButtons buttons)
{
    send(target, QEvent::MouseMove, at, Qt::NoButton, buttons);
}

} // namespace testsupport
