#pragma once

#include "data/plant.h"
#include "data/search_rows.h"
#include "dbaccess/date.h"
#include "engine/calendar_strip.h"
#include "engine/job_list.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace dbaccess {
struct Database;
}

// The shared state of the main program: the selections every handler reads and writes,
// and the tables the window's load fills from the database.
struct Global
{
    dbaccess::Database *database = nullptr;
    dbaccess::Date currentDate;   // today at start, fixed for the run
    std::int16_t companyId = 0;   // ERP company the program plans for
    std::string companyName;      // its name, shown at the top right

    // View of the job list: 0 pending lines, 1…20 a work-centre queue (the selected
    // work centre), 98 dispatch, 99 "dispatched today".
    int selectedWc = 0;
    int selectedDay = 0;              // chosen slot of the calendar strip, 0…22
    std::int64_t selectedLineId = 0;  // line whose route is shown; 1 = route-type preview
    int selectedRow = 0;              // job-list row last selected
    int selectedRoute = 99;           // route-types entry last chosen; 99 = none
    bool dayLocked = false;           // hovering the strip does not change selectedDay
    bool hoverFrozen = false;         // hovering the floor plan does not change the selection
    int calendarMode = engine::Daily;
    engine::CalendarDays calendarDays{};
    std::array<int, 10> routePathSteps{}; // slots of the route drawn on the plan; 0 = empty

    // Per work-centre slot s at index s − 1, as loaded.
    std::vector<data::WorkCentre> wcTable;
    std::vector<int> wcIconStyle;
    std::vector<int> wcPosX;
    std::vector<int> wcPosY;
    // Per active route type, its steps (work-centre slots).
    std::vector<std::vector<int>> routeStepTable;
    std::vector<data::SearchEntry> searchTable;
    std::vector<std::string> searchKeys; // per entry, the text the search matches

    int loadedWorkCentres() const { return int(wcTable.size()); }
    bool isSlot(int value) const { return value >= 1 && value <= loadedWorkCentres(); }
    // Capacity of a view's work centre; zero for views that are not a loaded slot.
    engine::WorkCentreCapacity capacityOf(int selected) const;
};
