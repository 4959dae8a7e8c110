// The floor plan: drawing it, and the pointer on it — hover selects a work centre,
// a click pins or re-targets the selection, and with the editor open the selected icon
// is dragged and its place stored on release.
#include "mainwindow/frm_main.h"

#include "data/plant.h"
#include "dbaccess/leading_number.h"
#include "dbaccess/startup.h"
#include "engine/auto_schedule.h"
#include "engine/calendar_strip.h"
#include "mainwindow/floor_canvas.h"
#include "mainwindow/floor_plan_painter.h"
#include "mainwindow/layout.h"
#include "pictures/picture_store.h"

#include <QPainter>

namespace {

// The pointer zones are open rectangles: every comparison is strict.
bool insideOpen(const QRect &zone, QPointF at)
{
    return at.x() > zone.left() && at.x() < zone.left() + zone.width() && at.y() > zone.top() &&
           at.y() < zone.top() + zone.height();
}

} // namespace

FloorPlanScene FrmMain::floorPlanScene() const
{
    FloorPlanScene scene;
    scene.selectedWc = g.selectedWc;
    scene.selectedLineId = g.selectedLineId;
    scene.routePathSteps = g.routePathSteps;
    const auto &pictures = PictureStore::instance();
    for (int i = 0; i < iconHolderCount(); ++i) {
        scene.iconPlaces.emplace_back(g.wcPosX[std::size_t(i)], g.wcPosY[std::size_t(i)]);
        const int style = g.wcIconStyle[std::size_t(i)];
        scene.iconPictures.push_back(m_iconFocused[std::size_t(i)] ? pictures.focus(style)
                                                                   : pictures.robot(style));
    }
    return scene;
}

void FrmMain::RedrawFloorPlan()
{
    if (g.selectedWc == engine::views::dispatch)
        return;
    QPainter painter(&picCanvas->layer());
    paintFloorPlan(painter, floorPlanScene());
    painter.end();
    picCanvas->update();
}

void FrmMain::showRouteTypeOnPlan(const std::array<int, 10> &steps)
{
    g.routePathSteps = steps;
    resetRoutePictures();
    for (int s : steps)
        if (s >= 1 && s <= iconHolderCount())
            setIconHighlighted(s - 1, true);
    g.selectedLineId = 1;
    RedrawFloorPlan();
}

void FrmMain::setIconHighlighted(int slotIndex, bool highlighted)
{
    m_iconFocused.at(std::size_t(slotIndex)) = highlighted;
}

int FrmMain::FindIconAt(double x, double y) const
{
    for (int i = 0; i < iconHolderCount(); ++i) {
        const double left = g.wcPosX[std::size_t(i)];
        const double top = g.wcPosY[std::size_t(i)];
        if (left < x && x < left + layout::iconHitSize && top < y && y < top + layout::iconHitSize)
            return i;
    }
    return -1;
}

void FrmMain::canvasPress(Qt::MouseButton button, QPointF at)
{
    if (button == Qt::RightButton && g.selectedWc > 0 && pnlMenu[2]->isHidden()) {
        if (g.selectedWc == engine::views::dispatch)
            g.selectedWc = 1;
        if (g.isSlot(g.selectedWc))
            OpenWorkCentreEditor();
        return;
    }
    const int i = FindIconAt(at.x(), at.y());
    if (i < 0)
        return;
    if (i + 1 == g.selectedWc) {
        g.hoverFrozen = !g.hoverFrozen;
        return;
    }
    g.hoverFrozen = false;
    Control *date = lblWcDate[std::size_t(i)];
    if (!date->caption().isEmpty()) {
        // A step of the shown route: jump to that work centre on the day its job starts.
        hideStatusPictures();
        g.selectedWc = i + 1;
        RefreshJobList(true);
        RedrawFloorPlan();
        const auto start = dbaccess::Date::fromIsoText(date->tag.toStdString());
        const int d = start ? engine::slotOfDate(g.currentDate, *start, g.calendarMode) : 0;
        g.dayLocked = false;
        chooseDaySlot(d);
        g.dayLocked = true;
        g.hoverFrozen = true;
        for (int r = 0; r <= 22; ++r) {
            if (!lblRowSO[r]->tag.isEmpty() && lblRowSO[r]->tag.toLongLong() == g.selectedLineId) {
                g.selectedLineId = 0;
                SelectJobRow(r);
                break;
            }
        }
        return;
    }
    if (pnlMenu[1]->isHidden())
        return;
    g.selectedWc = i + 1;
    RefreshJobList(true);
    RedrawFloorPlan();
    FillWorkCentreEditor();
}

void FrmMain::canvasMove(Qt::MouseButtons buttons, QPointF at)
{
    pnlMenu[3]->hide();
    if (!pnlMenu[2]->isHidden())
        return;
    if (at.x() < layout::logoZone.width() && at.y() < layout::logoZone.height()) {
        logoHover();
        return;
    }
    const bool editorOpen = !pnlMenu[1]->isHidden();
    if ((buttons & Qt::LeftButton) && editorOpen) {
        if (!g.isSlot(g.selectedWc))
            return; // nothing selected to drag
        const std::size_t s = std::size_t(g.selectedWc - 1);
        g.wcPosX[s] = int(dbaccess::roundHalfEven(at.x() - layout::dragOffset));
        g.wcPosY[s] = int(dbaccess::roundHalfEven(at.y() - layout::dragOffset));
        RedrawFloorPlan();
        placeDraggedLabels(int(s));
        return;
    }
    if (insideOpen(layout::chooserZone, at)) {
        pnlMenu[0]->show();
        return;
    }
    if (editorOpen || g.hoverFrozen)
        return;
    // Clearing a shown route and selecting a new icon need one repaint between them.
    bool redraw = false;
    if (g.selectedLineId > 0) {
        g.selectedLineId = 0;
        resetRoutePictures();
        redraw = true;
    }
    pnlMenu[0]->hide();
    const int i = FindIconAt(at.x(), at.y());
    if (i < 0)
        picCanvas->unsetCursor();
    else
        picCanvas->setCursor(Qt::PointingHandCursor);
    if (i >= 0 && i + 1 != g.selectedWc) {
        g.selectedWc = i + 1;
        hideStatusPictures();
        RefreshJobList(true);
        redraw = true;
    }
    if (redraw)
        RedrawFloorPlan();
}

void FrmMain::canvasRelease(Qt::MouseButton button, QPointF)
{
    if (button != Qt::LeftButton || pnlMenu[1]->isHidden() || !g.isSlot(g.selectedWc))
        return;
    const std::size_t s = std::size_t(g.selectedWc - 1);
    if (g.wcTable[s].id <= 0)
        return; // not stored yet: the editor's save stores its place
    data::storeIconPlace(g.database->rsEdit, g.wcTable[s].id, g.wcPosX[s], g.wcPosY[s]);
}

void FrmMain::resetRoutePictures()
{
    for (int i = 0; i < iconHolderCount(); ++i) {
        m_iconFocused[std::size_t(i)] = false;
        lblWcDate[std::size_t(i)]->clear();
    }
}

void FrmMain::placeDraggedLabels(int i)
{
    Control *name = lblWcName[std::size_t(i)];
    name->move(g.wcPosX[std::size_t(i)] + layout::nameLabelCentre - name->width() / 2,
               g.wcPosY[std::size_t(i)] + layout::selectedNameLabelBelow);
    lblWcDate[std::size_t(i)]->move(g.wcPosX[std::size_t(i)] + layout::dateLabelRight,
                                    name->y() - layout::dateLabelAboveDraggedName);
}

void FrmMain::panelPress(int index, QPointF at)
{
    const double x = at.x();
    const double y = at.y();
    bool close = false;
    switch (index) {
    case 1:
        close = y < 28 || (y > 477 && x < 135);
        break;
    case 2:
        close = true;
        break;
    case 5:
        close = y < 30 && x > 230;
        break;
    default:
        break;
    }
    if (close)
        pnlMenu[std::size_t(index)]->hide();
}
