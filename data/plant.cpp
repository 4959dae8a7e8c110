#include "data/plant.h"

#include "data/each_row.h"
#include "dbaccess/record_set.h"
#include "dbaccess/startup.h"

namespace data {

std::string activeWorkCentres()
{
    return "select * from brontalo_workcenter where active=true order by sequence";
}

std::string activeRouteTypes()
{
    return "select * from brontalo_route where active=true order by sequence";
}

namespace {

std::optional<std::int64_t> optionalInt(const dbaccess::Value &value)
{
    return value.isNull() ? std::nullopt : std::optional<std::int64_t>(value.toInt());
}

int flag(const dbaccess::Value &value)
{
    return value.isNull() ? 0 : int(value.toInt());
}

} // namespace

std::vector<WorkCentre> readActiveWorkCentres(dbaccess::RecordSet &rs)
{
    std::vector<WorkCentre> centres;
    eachRow(rs, activeWorkCentres(), [&] {
        WorkCentre wc;
        wc.id = rs.field("ID").toInt();
        wc.iconStyle = rs.isNull("iconstyle") ? 0 : int(rs.field("iconstyle").toInt());
        wc.name = rs.field("name").toText();
        wc.dailyHours = rs.isNull("dailyworkhours") ? dbaccess::Decimal()
                                                    : rs.field("dailyworkhours").toDecimal();
        wc.saturdayWorked = flag(rs.field("saturdayworked"));
        wc.sundayWorked = flag(rs.field("sundayworked"));
        if (!rs.isNull("runrate"))
            wc.runRate = rs.field("runrate").toDecimal();
        wc.posX = optionalInt(rs.field("posX"));
        wc.posY = optionalInt(rs.field("posY"));
        centres.push_back(std::move(wc));
    });
    return centres;
}

std::vector<RouteType> readActiveRouteTypes(dbaccess::RecordSet &rs)
{
    std::vector<RouteType> routes;
    eachRow(rs, activeRouteTypes(), [&] {
        RouteType route;
        route.id = rs.field("id").toInt();
        route.name = rs.field("name").toText();
        for (int j = 1; j <= 10; ++j) {
            const auto &step = rs.field("step" + std::to_string(j));
            if (step.isNull())
                break;
            route.steps.push_back(int(step.toInt()));
        }
        routes.push_back(std::move(route));
    });
    return routes;
}

void storeIconPlace(dbaccess::RecordSet &rsEdit, std::int64_t workCentreId, int x, int y)
{
    OpenResult open(rsEdit,
                    "select * from brontalo_workcenter where id=" + std::to_string(workCentreId));
    if (rsEdit.recordCount() == 0)
        return; // the work centre is gone: nothing to store
    if (rsEdit.isNull("posx")) {
        rsEdit.setField("posx", x);
        rsEdit.setField("posy", y);
        rsEdit.update();
    } else if (rsEdit.field("posx").toInt() != x) {
        rsEdit.setField("posx", x);
        rsEdit.update();
    }
    if (rsEdit.isNull("posy") || rsEdit.field("posy").toInt() != y) {
        rsEdit.setField("posy", y);
        rsEdit.update();
    }
}

std::int64_t saveWorkCentre(dbaccess::Database &database, const WorkCentreEdit &edit)
{
    auto &rsEdit = database.rsEdit;
    OpenResult open(rsEdit,
                    "select * from brontalo_workcenter where id=" + std::to_string(edit.id));
    if (rsEdit.recordCount() == 0) {
        std::int64_t sequence = 1;
        eachRow(database.rsMain,
                "select coalesce(max(sequence),0)+1 from brontalo_workcenter",
                [&] { sequence = database.rsMain.field(0).toInt(); });
        rsEdit.addNew();
        rsEdit.setField("sequence", sequence);
        rsEdit.setField("active", 1);
    }
    rsEdit.setField("iconstyle", edit.iconStyle);
    rsEdit.setField("name", edit.name);
    rsEdit.setField("dailyworkhours", edit.dailyHours);
    rsEdit.setField("saturdayworked", edit.saturdayWorked);
    rsEdit.setField("sundayworked", edit.sundayWorked);
    rsEdit.setField("runrate", edit.runRate);
    rsEdit.setField("posx", edit.posX);
    rsEdit.setField("posy", edit.posY);
    rsEdit.update();
    return rsEdit.field("id").toInt();
}

} // namespace data
