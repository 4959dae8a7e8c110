#pragma once

#include "engine/colour.h"

#include <QColor>

// An engine colour as the window draws it.
inline QColor toQColor(engine::Rgb c) { return QColor(c.red, c.green, c.blue); }
