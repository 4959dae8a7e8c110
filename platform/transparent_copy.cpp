#include "platform/transparent_copy.h"

#include <QBitmap>
#include <QHash>
#include <QPainter>

QPixmap withoutKeyColour(const QPixmap &source)
{
    static QHash<qint64, QPixmap> keyed;
    const auto found = keyed.constFind(source.cacheKey());
    if (found != keyed.constEnd())
        return *found;
    QPixmap copy = source;
    copy.setMask(source.createMaskFromColor(QColor(255, 0, 0), Qt::MaskInColor));
    keyed.insert(source.cacheKey(), copy);
    return copy;
}

void TransparentBlt(QPainter &painter, int dx, int dy, int w, int h, const QPixmap &source,
                    int sx, int sy)
{
    if (source.isNull() || w <= 0 || h <= 0)
        return;
    painter.drawPixmap(dx, dy, withoutKeyColour(source), sx, sy, w, h);
}
