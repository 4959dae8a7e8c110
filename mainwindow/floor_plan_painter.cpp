#include "mainwindow/floor_plan_painter.h"

#include "mainwindow/layout.h"
#include "pictures/picture_store.h"
#include "platform/transparent_copy.h"

#include <QPainter>
#include <QPen>

void paintFloorPlan(QPainter &painter, const FloorPlanScene &scene)
{
    const auto &pictures = PictureStore::instance();
    painter.drawPixmap(0, 0, pictures.floorPlan());
    const int slotCount = int(scene.iconPlaces.size());
    auto centreOf = [&](int slot) {
        return scene.iconPlaces[std::size_t(slot - 1)] +
               QPoint(layout::routeLineOffset, layout::routeLineOffset);
    };

    if (scene.selectedLineId > 0) {
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(layout::routeLineColour, layout::routeLineWidth, Qt::SolidLine,
                            Qt::RoundCap));
        for (int k = 0; k + 1 < int(scene.routePathSteps.size()); ++k) {
            const int a = scene.routePathSteps[std::size_t(k)];
            const int b = scene.routePathSteps[std::size_t(k + 1)];
            if (a > 0 && b > 0 && a <= slotCount && b <= slotCount)
                painter.drawLine(centreOf(a), centreOf(b));
        }
        painter.restore();
    }

    if (scene.selectedWc >= 1 && scene.selectedWc <= slotCount && scene.selectedLineId != 1) {
        const QPoint at = scene.iconPlaces[std::size_t(scene.selectedWc - 1)] + layout::focusOffset;
        TransparentBlt(painter, at.x(), at.y(), layout::focusSize.width(),
                       layout::focusSize.height(), pictures.robotFocus());
    }

    for (int i = 0; i < slotCount; ++i) {
        const QPixmap &picture = scene.iconPictures[std::size_t(i)];
        const QPoint at = scene.iconPlaces[std::size_t(i)];
        TransparentBlt(painter, at.x(), at.y(), picture.width(), picture.height(), picture);
    }
}
