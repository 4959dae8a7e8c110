#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

// What the route path editor reads from and changes on the window that opens it: the
// names of the work centres, the route shown on the floor plan and the entries of the
// route-types list. The editor knows the main window only through this.
class RoutePathHost
{
public:
    struct RouteEntry
    {
        QString name;           // empty for an entry without a route type
        std::int64_t id = 0;    // its row in brontalo_route
        std::vector<int> steps; // work-centre slots in route order
    };

    virtual ~RoutePathHost() = default;

    // The loaded work centres' names, slot 1 first.
    virtual QStringList workCentreNames() const = 0;
    // Shows these slots on the floor plan as a route-type preview: their icons
    // highlighted and joined by lines in this order; 0 = no step.
    virtual void showRouteOnPlan(const std::array<int, 10> &steps) = 0;
    // The route-types list, entry 0 first, empty entries included.
    virtual std::vector<RouteEntry> routeEntries() const = 0;
    // A route type just stored: its entry shows it, and its steps replace that row of
    // the in-memory route table.
    virtual void setRouteEntry(int entry, const RouteEntry &route) = 0;
    // Makes an entry the selected one, so that the next edit or assign uses it.
    virtual void selectRouteEntry(int entry) = 0;
};
