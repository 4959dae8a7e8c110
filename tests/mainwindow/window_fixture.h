#pragma once

#include "mainwindow/frm_main.h"
#include "mainwindow/global.h"
#include "mainwindow/messages.h"
#include "tests/support/erp_fixture.h"
#include "tests/support/test_database.h"

#include <QMouseEvent>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>
#include <memory>

namespace testsupport {

// Records what the window would have said in message boxes, and answers questions.
// The newest recorder takes the messages: a fixture that replaces another is made
// before the old one goes, so the old one leaves the new recorder installed.
class RecordedMessages final : public Messages
{
public:
    RecordedMessages();
    ~RecordedMessages() override;
    void problem(QWidget *, const QString &message) override;
    bool confirm(QWidget *, const QString &question) override;
    void notify(QWidget *, Icon icon, const QString &message) override;


    struct Notice
    {
        Icon icon;
        QString text;
    };
    QStringList problems;
    QList<Notice> notices;
    QStringList questions;
    bool answerYes = true;
    // Called as each message is shown, to look at the window while it stands.
    std::function<void(const QString &)> onProblem;
};

// Takes what the window says while no recorder is installed and fails the running
// test with it: a real message box would wait for a press that never comes.
Messages &unrecordedMessages();

// A fresh database with the ERP tables, and the real main window started on it for a
// fixed working date: the own tables are created and the window loaded as at start-up.
class WindowFixture final
{
public:
    explicit WindowFixture(dbaccess::Date today, int companyId = 1);

    // Shows the window; before this, ERP rows may be added through `erp`. `prepared`
    // tells whether the start found a database to plan for.
    FrmMain &start();
    bool prepared = false;

    // Company 1 with `count` open lines of one product, due a week after `today`.
    std::vector<int> openLines(int count);
    // Company 1 making casement windows (CW-1) of two glass panes (GL-1), three panes in
    // stock, with `count` open lines of 5 due a week after `today`. Returns the window.
    int frameShop(int count);
    // Creates the own tables before rows are added to them, as an earlier start would.
    void ownTablesNow();
    // A job straight into the schedule table; returns its id.
    int addJob(int line, int slot, const QString &hours, int status = 1, int sequence = 0,
               std::optional<dbaccess::Date> start = {});

    FreshDatabase fresh;
    ErpFixture erp{fresh};
    Global g;
    RecordedMessages messages;
    std::unique_ptr<FrmMain> window;
};

// Base of the window tests: every test function (and data row) gets a fresh window
// fixture for a Friday, 11 December 2026.
class WindowTest : public QObject
{
    Q_OBJECT

public:
    static dbaccess::Date workingDate() { return dbaccess::Date::fromYmd(2026, 12, 11); }
    FrmMain &w() { return *f->window; }
    Global &g() { return f->g; }
    std::string sql(const std::string &query) { return f->fresh.scalar(query); }
    // The pointer onto a work centre's icon, which shows its queue.
    void view(int slot);
    // The pointer onto the sales-order logo, which plans and shows the pending lines.
    void hoverLogo();

    std::unique_ptr<WindowFixture> f;

private slots:
    void initTestCase() { Messages::install(&unrecordedMessages()); }
    void init() { f = std::make_unique<WindowFixture>(workingDate()); }
    void cleanup() { f.reset(); }
};

// The middle of a work centre's icon on the floor plan, in canvas pixels.
QPoint iconCentre(const Global &g, int slot);
// The slots whose icons show their highlighted picture, in slot order.
std::vector<int> highlightedSlots(const FrmMain &window);

// Pointer events as the window system delivers them, at a control's own pixels.
void press(QWidget *target, QPointF at, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget *target, QPointF at, Qt::MouseButton button = Qt::LeftButton);
void move(QWidget *target, QPointF at, Qt::MouseButtons buttons = Qt::NoButton);

} // namespace testsupport
