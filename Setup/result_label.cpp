#include "Setup/result_label.h"

#include <QPainter>

ResultLabel::ResultLabel(QWidget *parent) : QLabel(parent) {}

void ResultLabel::showText(const QString &text, const QColor &colour)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
    setText(text);
    setToolTip(text);
    setAccessibleDescription(text);
}

QColor ResultLabel::colour() const
{
    return palette().color(QPalette::WindowText);
}

void ResultLabel::paintEvent(QPaintEvent *)
{
    // A message says first what failed and last why; the cut goes in the middle.
    const QString line = text().simplified();
    QPainter painter(this);
    painter.setPen(colour());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(line, Qt::ElideMiddle, width()));
}
