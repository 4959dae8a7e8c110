#pragma once

#include "data/plant.h"
#include "mainwindow/control.h"
#include "routepath/route_path_host.h"

#include <array>
#include <vector>

class FrmMain;
class FrmRoutePath;
struct Global;

// The route-types panel pnlMenu(2): the active route types, a preview of each on the
// floor plan while the pointer is over its entry, assigning the chosen one to the
// product of a pending line (which plans the line), and the way into the route path
// editor for a new route type or the chosen one.
class RouteTypesPanel final : private RoutePathHost
{
public:
    RouteTypesPanel(FrmMain &window, Global &global);

    // Fills the entries from the route types read at start; entries beyond them are empty.
    void load(const std::vector<data::RouteType> &routes);

    void PreviewRouteType(int index); // pointer over an entry
    void chooseEntry(int index);      // press on an entry
    void assign();                    // btnMenu(12)
    void newRouteType();              // btnMenu(13)
    void editRouteType();             // btnMenu(17)
    void openFromFloorPlan();         // btnMenu(16): the panel without assign

    // The route path editor, once it has been opened.
    FrmRoutePath *routePathEditor() const { return m_editor; }

    // Controls, by the names the program documents them by.
    Control *pnlMenu = nullptr;  // pnlMenu(2)
    Control *lblTitle = nullptr; // lblTitle(10)
    std::array<Control *, 15> lblRoutePath{};
    Control *btnAssign = nullptr; // btnMenu(12)
    Control *btnNew = nullptr;    // btnMenu(13)
    Control *btnEdit = nullptr;   // btnMenu(17)

    // Set by the first press on an entry; from then on only presses choose an entry.
    bool routeListPinned = false;

private:
    FrmRoutePath &editor();
    void markSelected(int index);
    bool entryChosen() const;

    QStringList workCentreNames() const override;
    void showRouteOnPlan(const std::array<int, 10> &steps) override;
    std::vector<RouteEntry> routeEntries() const override;
    void setRouteEntry(int entry, const RouteEntry &route) override;
    void selectRouteEntry(int entry) override;

    FrmMain &w;
    Global &g;
    FrmRoutePath *m_editor = nullptr; // owned by the main window, made on first use
};
