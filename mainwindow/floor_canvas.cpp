#include "mainwindow/floor_canvas.h"

#include <QMouseEvent>
#include <QPainter>

FloorCanvas::FloorCanvas(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picCanvas"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FloorCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawPixmap(event->rect(), m_layer, event->rect());
}

void FloorCanvas::mousePressEvent(QMouseEvent *event)
{
    if (onPress)
        onPress(event->button(), event->position());
}

void FloorCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (onMove)
        onMove(event->buttons(), event->position());
}

void FloorCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (onRelease)
        onRelease(event->button(), event->position());
}
