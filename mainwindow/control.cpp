#include "mainwindow/control.h"

#include <QMouseEvent>

Control::Control(QWidget *parent, const QString &name) : QLabel(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    // Captions show names and comments from the database as they are, never as markup.
    setTextFormat(Qt::PlainText);
    applyColours();
}

void Control::setForeground(const QColor &colour)
{
    m_foreground = colour;
    applyColours();
}

void Control::setBackground(const QColor &colour)
{
    m_background = colour;
    applyColours();
}

void Control::setBold(bool bold)
{
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Control::setPicture(const QPixmap &picture, int pictureId)
{
    setPixmap(picture);
    m_pictureId = pictureId;
}

void Control::applyColours()
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, m_foreground);
    if (m_background.isValid()) {
        p.setColor(QPalette::Window, m_background);
        setAutoFillBackground(true);
    } else {
        setAutoFillBackground(false);
    }
    setPalette(p);
}

void Control::mousePressEvent(QMouseEvent *event)
{
    if (onPress) {
        event->accept();
        onPress(event->button(), event->position() * fineUnitsPerPixel);
        return;
    }
    QLabel::mousePressEvent(event);
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    if (onMove) {
        event->accept();
        onMove(event->buttons(), event->position() * fineUnitsPerPixel);
        return;
    }
    QLabel::mouseMoveEvent(event);
}
