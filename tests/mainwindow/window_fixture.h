#pragma once

#include "mainwindow/frm_main.h"
#include "mainwindow/global.h"
#include "mainwindow/messages.h"
#include "tests/support/erp_fixture.h"
#include "tests/support/test_database.h"

#include <QMouseEvent>
#include <QStringList>

#include <functional>
#include <memory>

namespace testsupport {

// Records what the window would have said in message boxes, and answers questions.
class RecordedMessages final : public Messages
{
public:
    RecordedMessages() { Messages::install(this); }
    ~RecordedMessages() override { Messages::install(nullptr); }
    void problem(QWidget *, const QString &message) override { problems << message; }
    bool confirm(QWidget *, const QString &question) override
    {
        questions << question;
        return answerYes;
    }

    QStringList problems;
    QStringList questions;
    bool answerYes = true;
};

// A fresh database with the ERP tables, and the real main window started on it for a
// fixed working date: the own tables are created and the window loaded as at start-up.
class WindowFixture final
{
public:
    explicit WindowFixture(dbaccess::Date today, int companyId = 1);

    // Shows the window; before this, ERP rows may be added through `erp`.
    FrmMain &start();

    FreshDatabase fresh;
    ErpFixture erp{fresh};
    Global g;
    RecordedMessages messages;
    std::unique_ptr<FrmMain> window;
};

// Pointer events as the window system delivers them, at a control's own pixels.
void press(QWidget *target, QPointF at, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget *target, QPointF at, Qt::MouseButton button = Qt::LeftButton);
void move(QWidget *target, QPointF at, Qt::MouseButtons buttons = Qt::NoButton);

} // namespace testsupport
