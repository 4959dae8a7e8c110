#pragma once

#include <QPixmap>
#include <QPoint>

#include <array>
#include <cstdint>
#include <vector>

class QPainter;

// Everything the floor plan shows, gathered so that painting needs no database and
// no window: the background, the lines of a route, the highlight and the icons.
struct FloorPlanScene
{
    int selectedWc = 0;
    std::int64_t selectedLineId = 0;
    std::array<int, 10> routePathSteps{};
    std::vector<QPoint> iconPlaces;     // per slot, the icon's top-left corner
    std::vector<QPixmap> iconPictures;  // per slot, normal or highlighted icon
};

// Paints the plan in drawing order; later slots cover earlier ones where icons overlap.
void paintFloorPlan(QPainter &painter, const FloorPlanScene &scene);
