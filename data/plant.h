#pragma once

#include "dbaccess/decimal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
struct Database;
class RecordSet;
} // namespace dbaccess

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

// What the work-centre editor stores of one work centre.
struct WorkCentreEdit
{
    std::int64_t id = 0; // 0: not stored yet
    int iconStyle = 0;
    std::string name; // as typed
    dbaccess::Decimal dailyHours;
    int saturdayWorked = 0; // 1 or 0
    int sundayWorked = 0;
    dbaccess::Decimal runRate;
    int posX = 0;
    int posY = 0;
};

// Writes the work centre's row through the updatable set, the typed name as a bound
// value, and gives its id. A work centre without a stored row gets a new one: active,
// and with a sequence one more than the highest stored (active or not), so that it
// sorts after every other at the next start and keeps the slot it has now. The
// sequence and active flag of a stored row are never changed.
std::int64_t saveWorkCentre(dbaccess::Database &database, const WorkCentreEdit &edit);

} // namespace data
