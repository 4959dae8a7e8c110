#pragma once

#include "dbaccess/decimal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
class RecordSet;
}

// The plant as the main window loads it: active work centres and route types.
namespace data {

struct WorkCentre
{
    std::int64_t id = 0;
    int iconStyle = 0;
    std::string name;
    dbaccess::Decimal dailyHours;
    int saturdayWorked = 0; // 1 or 0
    int sundayWorked = 0;
    std::optional<dbaccess::Decimal> runRate;
    std::optional<std::int64_t> posX; // stored place of the icon, if any
    std::optional<std::int64_t> posY;
};

struct RouteType
{
    std::int64_t id = 0;
    std::string name;
    // Work-centre slots of the steps, up to the first NULL step; a 0 is kept as 0.
    std::vector<int> steps;
};

std::string activeWorkCentres();
std::string activeRouteTypes();

std::vector<WorkCentre> readActiveWorkCentres(dbaccess::RecordSet &rs);
std::vector<RouteType> readActiveRouteTypes(dbaccess::RecordSet &rs);

// Writes a dragged icon's place to its work centre through the updatable set: both
// coordinates when none was stored yet, otherwise each one that changed, each as its
// own write. Nothing is written when the place is unchanged or the row is gone.
void storeIconPlace(dbaccess::RecordSet &rsEdit, std::int64_t workCentreId, int x, int y);

} // namespace data
