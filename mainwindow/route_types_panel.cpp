#include "mainwindow/route_types_panel.h"

#include "data/routes.h"
#include "dbaccess/startup.h"
#include "engine/auto_schedule.h"
#include "platform/fonts.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/global.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "pictures/picture_store.h"
#include "routepath/frm_route_path.h"
#include "platform/wait_cursor.h"

namespace {

constexpr int noRoute = 99;

} // namespace

RouteTypesPanel::RouteTypesPanel(FrmMain &window, Global &global) : w(window), g(global)
{
    pnlMenu = w.makeControl(&w, QStringLiteral("pnlMenu_2"), layout::routeTypes);
    pnlMenu->setPicture(PictureStore::instance().panel(PictureStore::Panel::RouteTypes));
    pnlMenu->hide();

    lblTitle = w.makeControl(pnlMenu, QStringLiteral("lblTitle_10"), layout::routeTypesTitle);
    lblTitle->setFont(uiFont(12, Face::Semilight));
    lblTitle->setCaption(QStringLiteral("Route types"));
    for (int i = 0; i < layout::routeEntryCount; ++i) {
        Control *entry =
            w.makeControl(pnlMenu, QStringLiteral("lblRoutePath_%1").arg(i),
                          layout::routeEntry.translated(0, layout::panelEntryStep * i));
        entry->setFont(uiFont(11.25, Face::Semilight));
        entry->setBackground(layout::panelEntryBackground);
        entry->setCursor(Qt::PointingHandCursor);
        entry->showOnOneLine();
        entry->onMove = [this, i](Qt::MouseButtons, QPointF) {
            w.guarded([&] { PreviewRouteType(i); }, QStringLiteral("showing the route type"));
        };
        entry->onPress = [this, i](Qt::MouseButton, QPointF) {
            w.guarded([&] { chooseEntry(i); }, QStringLiteral("choosing the route type"));
        };
        lblRoutePath[std::size_t(i)] = entry;
    }
    // Assign stands in front of Edit, which it covers wholly while both are shown.
    btnEdit = w.makeButton(17, pnlMenu, layout::editRouteButton, QStringLiteral("edit route type"));
    btnAssign =
        w.makeButton(12, pnlMenu, layout::assignRouteButton, QStringLiteral("assign route type"));
    btnNew = w.makeButton(13, pnlMenu, layout::newRouteButton, QStringLiteral("add route type"));
}

void RouteTypesPanel::load(const std::vector<data::RouteType> &routes)
{
    for (int i = 0; i < layout::routeEntryCount; ++i) {
        const bool filled = i < int(routes.size());
        Control *entry = lblRoutePath[std::size_t(i)];
        entry->setCaption(filled ? QString::fromStdString(routes[std::size_t(i)].name) : QString());
        entry->tag = filled ? QString::number(routes[std::size_t(i)].id) : QString();
    }
}

void RouteTypesPanel::markSelected(int index)
{
    for (Control *entry : lblRoutePath)
        entry->setBackground(layout::panelEntryBackground);
    g.selectedRoute = index;
    lblRoutePath[std::size_t(index)]->setBackground(Qt::white);
}

void RouteTypesPanel::PreviewRouteType(int index)
{
    if (routeListPinned || index == g.selectedRoute)
        return;
    markSelected(index);
    g.routePathSteps.fill(0);
    const auto &table = g.routeStepTable;
    const std::vector<int> none;
    const auto &steps = std::size_t(index) < table.size() ? table[std::size_t(index)] : none;
    if (steps.empty() || steps[0] == 0)
        return; // no route to show: the plan stays as it is
    std::array<int, 10> shown{};
    for (std::size_t j = 0; j < steps.size() && j < shown.size(); ++j)
        shown[j] = steps[j];
    w.showRouteTypeOnPlan(shown);
}

void RouteTypesPanel::chooseEntry(int index)
{
    routeListPinned = true;
    if (index == g.selectedRoute)
        return;
    routeListPinned = false;
    PreviewRouteType(index);
    routeListPinned = true;
}

bool RouteTypesPanel::entryChosen() const
{
    return g.selectedRoute >= 0 && g.selectedRoute < layout::routeEntryCount &&
           !lblRoutePath[std::size_t(g.selectedRoute)]->caption().isEmpty();
}

void RouteTypesPanel::assign()
{
    if (!entryChosen() || g.selectedRow < 0 || g.selectedRow >= layout::rowCount)
        return;
    const std::int64_t productId = w.lblRowDesc[std::size_t(g.selectedRow)]->tag.toLongLong();
    if (productId <= 0)
        return; // the row holds no line, so there is no product to give a route type
    const std::int64_t routeId = lblRoutePath[std::size_t(g.selectedRoute)]->tag.toLongLong();
    const WaitCursor wait;
    data::routes::assignProductRoute(g.database->rsEdit, productId, routeId);
    pnlMenu->hide();
    const auto planned = engine::AutoSchedule(*g.database, g.companyId, g.currentDate);
    g.hoverFrozen = false;
    w.RefreshJobList(true);
    w.afterPlanning(planned);
}

void RouteTypesPanel::newRouteType()
{
    for (int i = 0; i < w.iconHolderCount(); ++i)
        w.setIconHighlighted(i, false);
    g.selectedLineId = 0;
    // A new route type starts with no steps, not with the route last shown.
    g.routePathSteps.fill(0);
    w.RedrawFloorPlan();
    editor().OpenRoutePathEditor(true, noRoute);
}

void RouteTypesPanel::editRouteType()
{
    if (!entryChosen())
        return;
    editor().OpenRoutePathEditor(false, g.selectedRoute);
}

void RouteTypesPanel::openFromFloorPlan()
{
    btnAssign->hide();
    w.pnlMenu[1]->hide();
    pnlMenu->show();
}

FrmRoutePath &RouteTypesPanel::editor()
{
    if (!m_editor)
        m_editor = new FrmRoutePath(*this, *g.database, &w);
    return *m_editor;
}

QStringList RouteTypesPanel::workCentreNames() const
{
    QStringList names;
    for (int i = 0; i < w.iconHolderCount(); ++i)
        names << w.lblWcName[std::size_t(i)]->caption();
    return names;
}

void RouteTypesPanel::showRouteOnPlan(const std::array<int, 10> &steps)
{
    w.showRouteTypeOnPlan(steps);
}

std::vector<RoutePathHost::RouteEntry> RouteTypesPanel::routeEntries() const
{
    std::vector<RouteEntry> entries;
    for (int i = 0; i < layout::routeEntryCount; ++i) {
        const Control *entry = lblRoutePath[std::size_t(i)];
        const auto &table = g.routeStepTable;
        entries.push_back(
            {entry->caption(), entry->tag.toLongLong(),
             std::size_t(i) < table.size() ? table[std::size_t(i)] : std::vector<int>()});
    }
    return entries;
}

void RouteTypesPanel::setRouteEntry(int entry, const RouteEntry &route)
{
    Control *label = lblRoutePath[std::size_t(entry)];
    label->setCaption(route.name);
    label->tag = QString::number(route.id);
    if (g.routeStepTable.size() <= std::size_t(entry))
        g.routeStepTable.resize(std::size_t(entry) + 1);
    g.routeStepTable[std::size_t(entry)] = route.steps;
}

void RouteTypesPanel::selectRouteEntry(int entry)
{
    markSelected(entry);
}
