#include "tests/mainwindow/window_events.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace testsupport {

void pressAtWindow(QWidget *window, QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(window->windowHandle(), button, Qt::NoModifier, at);
}

void clickAtWindow(QWidget *window, QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(window->windowHandle(), button, Qt::NoModifier, at);
}

void moveInWindow(QWidget *window, QPoint at)
{
    QTest::mouseMove(window->windowHandle(), at);
}

QPoint inWindow(const QWidget *control, QPoint at)
{
    return control->mapTo(control->window(), at);
}

QPoint middleOf(const QWidget *control) { return inWindow(control, control->rect().center()); }

} // namespace testsupport
