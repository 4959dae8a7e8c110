#include "platform/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace {

bool hasSegoe()
{
    static const bool has = QFontDatabase::families().contains(QStringLiteral("Segoe UI"));
    return has;
}

} // namespace

QFont uiFont(double points, Face face, bool bold)
{
    QFont font;
    if (hasSegoe()) {
        switch (face) {
        case Face::Regular:
            font.setFamily(QStringLiteral("Segoe UI"));
            break;
        case Face::Semilight:
            font.setFamily(QStringLiteral("Segoe UI Semilight"));
            break;
        case Face::Semibold:
            font.setFamily(QStringLiteral("Segoe UI Semibold"));
            break;
        }
    } else {
        font.setFamily(QStringLiteral("Open Sans"));
        if (face == Face::Semilight)
            font.setWeight(QFont::Light);
        else if (face == Face::Semibold)
            font.setWeight(QFont::DemiBold);
    }
    font.setPointSizeF(points);
    if (bold)
        font.setWeight(QFont::Bold);
    return font;
}
