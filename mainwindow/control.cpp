#include "mainwindow/control.h"

#include <QMouseEvent>

QString onOneLine(const QString &text)
{
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QChar::LineSeparator, QLatin1Char(' '));
    line.replace(QChar::ParagraphSeparator, QLatin1Char(' '));
    return line;
}

Control::Control(QWidget *parent, const QString &name) : QLabel(parent)
{
    setObjectName(name);
    setMouseTracking(true);
    // Captions show names and comments from the database as they are, never as markup.
    setTextFormat(Qt::PlainText);
    applyColours();
}

void Control::setCaption(const QString &text)
{
    m_caption = text;
    if (m_oneLine) {
        setToolTip(text);
        setAccessibleName(text);
    }
    showCaption();
}

void Control::showOnOneLine()
{
    m_oneLine = true;
    setWordWrap(false);
    setCaption(m_caption);
}

void Control::showCaption()
{
    if (!m_oneLine) {
        setText(m_caption);
        return;
    }
    const QString line = onOneLine(m_caption);
    setText(fontMetrics().elidedText(line, Qt::ElideRight, contentsRect().width()));
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
    event->accept();
    if (onPress)
        onPress(event->button(), event->position() * fineUnitsPerPixel);
}

void Control::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    if (onMove)
        onMove(event->buttons(), event->position() * fineUnitsPerPixel);
}

void Control::mouseReleaseEvent(QMouseEvent *event) { event->accept(); }

void Control::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (m_oneLine)
        showCaption();
}

void Control::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (m_oneLine && event->type() == QEvent::FontChange)
        showCaption();
}
