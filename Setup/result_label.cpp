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

QString ResultLabel::shownLine() const
{
    // Blanks inside the text stay as they are ("Success!  Company name = " has two).
    QString line = text();
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar breakOrTab : {QLatin1Char('\r'), QLatin1Char('\n'), QLatin1Char('\t')})
        line.replace(breakOrTab, QLatin1Char(' '));
    // A message says first what failed and last why; the cut goes in the middle.
    return fontMetrics().elidedText(line, Qt::ElideMiddle, width());
}

void ResultLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(colour());
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, shownLine());
}
