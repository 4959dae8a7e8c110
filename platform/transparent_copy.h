#pragma once

#include <QPixmap>

class QPainter;

// Copies the w × h rectangle at (sx, sy) of `source` to (dx, dy) of the painter's
// device, leaving out every pixel of the key colour RGB(255,0,0).
void TransparentBlt(QPainter &painter, int dx, int dy, int w, int h, const QPixmap &source,
                    int sx = 0, int sy = 0);

// `source` with its RGB(255,0,0) pixels made transparent. Kept per picture, so copying
// the same picture again costs no per-pixel work.
QPixmap withoutKeyColour(const QPixmap &source);
