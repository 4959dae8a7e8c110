#include "tests/mainwindow/window_fixture.h"

#include "mainwindow/startup_sequence.h"

#include <QCoreApplication>

namespace testsupport {

WindowFixture::WindowFixture(dbaccess::Date today, int companyId)
{
    g.currentDate = today;
    g.companyId = std::int16_t(companyId);
    g.database = &fresh.db();
}

FrmMain &WindowFixture::start()
{
    window = std::make_unique<FrmMain>(g);
    prepareMainWindow(g, *window);
    window->show();
    return *window;
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
