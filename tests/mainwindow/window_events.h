#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace testsupport {

// Pointer events given to the window system at a place of the top-level window, in its
// own pixels: the toolkit finds the control under the pointer, so what stands in front
// and which control takes the event is what a test of these sees.
void pressAtWindow(QWidget *window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void clickAtWindow(QWidget *window, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void moveInWindow(QWidget *window, QPoint at);

// The window place of a point given in a control's own pixels.
QPoint inWindow(const QWidget *control, QPoint at);
// The window place of a control's middle.
QPoint middleOf(const QWidget *control);

} // namespace testsupport
