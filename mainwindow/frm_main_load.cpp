// The window's load: the work centres and route types from the database, the labels
// that depend on them and the capacity panel's header.
#include "mainwindow/frm_main.h"

#include "data/plant.h"
#include "dbaccess/startup.h"
#include "engine/date_text.h"
#include "mainwindow/floor_canvas.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "mainwindow/month_names.h"
#include "mainwindow/route_types_panel.h"
#include "platform/dark_title_bar.h"
#include "routepath/frm_route_path.h"
#include "mainwindow/route_types_panel.h"
#include "platform/fonts.h"

namespace {

constexpr int maxWorkCentres = 20;
constexpr int maxRouteTypes = 15;

QString fromUtf8(const std::string &text) { return QString::fromStdString(text); }

} // namespace

void FrmMain::Load()
{
    SetDarkTitleBar(this, true);
    lblRowTotal->clear();
    for (int index : {0, 1, 4, 5, 8})
        lblTitle[index]->clear();
    g.selectedRoute = 99;
    for (int i = 0; i < engine::calendarSlotCount; ++i) {
        lblBlockCapacity[i]->clear();
        lblBlockAvailHrs[i]->clear();
    }

    QStringList leftOut;
    const int workCentresRead = loadWorkCentres();
    if (workCentresRead > maxWorkCentres)
        leftOut << QStringLiteral("%1 of %2 active work centres").arg(workCentresRead - maxWorkCentres).arg(workCentresRead);
    const int routeTypesRead = loadRouteTypes();
    if (routeTypesRead > maxRouteTypes)
        leftOut << QStringLiteral("%1 of %2 active route types").arg(routeTypesRead - maxRouteTypes).arg(routeTypesRead);

    for (Control *block : imgDayBlock)
        block->hide();
    for (Control *entry : lblSearchList)
        entry->clear();
    for (int r = 0; r < layout::billLineCount; ++r) {
        lblComponent[r]->clear();
        lblBomQty[r]->clear();
        lblBomUom[r]->clear();
    }
    layOutCapacityHeader();
    RedrawFloorPlan();

    if (!leftOut.isEmpty())
        showProblem(this, QStringLiteral("Brontalo shows the first 20 active work centres and the "
                                         "first 15 active route types. Left out: ") +
                              leftOut.join(QStringLiteral(" and ")) + QStringLiteral("."));
}

int FrmMain::loadWorkCentres()
{
    const auto centres = data::readActiveWorkCentres(g.database->rsMain);
    g.wcTable.clear();
    g.wcIconStyle.clear();
    g.wcPosX.clear();
    g.wcPosY.clear();
    // Two icon holders stand on the plan before any work centre is read; a later one
    // starts where the first holder stands.
    QPoint holder[2] = {layout::firstIconHolder, layout::secondIconHolder};
    const int shown = std::min<int>(int(centres.size()), maxWorkCentres);
    for (int i = 0; i < shown; ++i) {
        const auto &wc = centres[std::size_t(i)];
        QPoint place = i < 2 ? holder[i] : holder[0];
        if (wc.posX && *wc.posX > 0)
            place.setX(int(*wc.posX));
        if (wc.posY && *wc.posY > 0)
            place.setY(int(*wc.posY));
        if (i == 0)
            holder[0] = place;
        g.wcTable.push_back(wc);
        g.wcIconStyle.push_back(wc.iconStyle >= 0 && wc.iconStyle < 20 ? wc.iconStyle : 0);
        g.wcPosX.push_back(place.x());
        g.wcPosY.push_back(place.y());
    }
    m_iconFocused.assign(std::size_t(shown), false);
    for (Control *label : lblWcName)
        delete label;
    for (Control *label : lblWcDate)
        delete label;
    for (Control *label : lblGanttWc)
        delete label;
    lblWcName.clear();
    lblWcDate.clear();
    lblGanttWc.clear();
    for (int i = 0; i < shown; ++i) {
        makeWorkCentreLabels(i, fromUtf8(centres[std::size_t(i)].name));
        placeWorkCentreLabels(i);
    }
    if (!lblDispatchedToday) {
        lblDispatchedToday = makeControl(picCanvas, QStringLiteral("lblWcName_98"), QRect());
        lblDispatchedToday->setCaption(QStringLiteral("dispatched today"));
        lblDispatchedToday->hide();
    }
    for (int e = 0; e < layout::moveEntryCount; ++e)
        lblMovePath[e]->setCaption(e < shown ? fromUtf8(centres[std::size_t(e)].name) : QString());
    return int(centres.size());
}

int FrmMain::loadRouteTypes()
{
    const auto routes = data::readActiveRouteTypes(g.database->rsMain);
    g.routeStepTable.clear();
    for (std::size_t i = 0; i < routes.size() && i < std::size_t(maxRouteTypes); ++i)
        g.routeStepTable.push_back(routes[i].steps);
    routeTypes->load(routes);
    return int(routes.size());
}

void FrmMain::makeWorkCentreLabels(int i, const QString &name)
{
    auto *nameLabel = makeControl(picCanvas, QStringLiteral("lblWcName_%1").arg(i), QRect());
    nameLabel->setFont(uiFont(9));
    nameLabel->setForeground(QColor(128, 128, 128));
    nameLabel->setCaption(name);
    nameLabel->adjustSize();
    auto *dateLabel =
        makeControl(picCanvas, QStringLiteral("lblWcDate_%1").arg(i), QRect(0, 0, 60, 14));
    dateLabel->setFont(uiFont(8, Face::Semibold));
    dateLabel->setForeground(QColor(36, 77, 202));
    lblWcName.push_back(nameLabel);
    lblWcDate.push_back(dateLabel);
    nameLabel->show();
    dateLabel->show();

    // One row of the capacity panel below the one before.
    const int f = Control::fineUnitsPerPixel;
    auto *ganttName = makeControl(pnlGantt, QStringLiteral("lblGanttWc_%1").arg(i),
                                  QRect(layout::ganttNameLeft,
                                        (layout::ganttNameTopFine + layout::ganttNameStepFine * i) / f,
                                        70, 14));
    ganttName->setFont(uiFont(9));
    ganttName->setForeground(QColor(128, 128, 128));
    ganttName->showOnOneLine();
    ganttName->setCaption(name);
    ganttName->show();
    lblGanttWc.push_back(ganttName);
}

void FrmMain::placeWorkCentreLabels(int i)
{
    centreNameLabel(i);
    Control *name = lblWcName[std::size_t(i)];
    name->move(name->x(), g.wcPosY[std::size_t(i)] + layout::nameLabelBelow);
    lblWcDate[std::size_t(i)]->move(g.wcPosX[std::size_t(i)] + layout::dateLabelRight,
                                    name->y() + layout::dateLabelBelowName);
}

// Centres a work centre's name under its icon, keeping the label's height on the plan.
void FrmMain::centreNameLabel(int i)
{
    Control *name = lblWcName[std::size_t(i)];
    name->move(g.wcPosX[std::size_t(i)] + layout::nameLabelCentre - name->width() / 2, name->y());
}

int FrmMain::addWorkCentreSlot(QPoint iconAt, int iconStyle)
{
    const int k = iconHolderCount();
    g.wcTable.push_back({});
    g.wcIconStyle.push_back(iconStyle);
    g.wcPosX.push_back(iconAt.x());
    g.wcPosY.push_back(iconAt.y());
    m_iconFocused.push_back(false);
    makeWorkCentreLabels(k, QString());
    placeWorkCentreLabels(k);
    return k;
}

void FrmMain::showWorkCentreName(int i, const QString &name)
{
    Control *nameLabel = lblWcName[std::size_t(i)];
    nameLabel->setCaption(name);
    nameLabel->adjustSize();
    centreNameLabel(i);
    lblGanttWc[std::size_t(i)]->setCaption(name);
    if (i < layout::moveEntryCount)
        lblMovePath[std::size_t(i)]->setCaption(name);
    if (FrmRoutePath *editor = routeTypes->routePathEditor())
        editor->showWorkCentreName(i, name);
}

void FrmMain::layOutCapacityHeader()
{
    const int f = Control::fineUnitsPerPixel;
    const auto &names = localMonthNames();
    lblTitle[3]->setCaption(QString::fromStdString(engine::monthText(g.currentDate, names)));
    int secondMonthLeftFine = layout::secondMonthHiddenLeftFine;
    int bandLeftFine = layout::weekendBandDesignLeftFine;
    for (int d = 0; d < engine::calendarSlotCount; ++d) {
        const dbaccess::Date date = g.currentDate.addDays(d);
        const int leftFine = layout::ganttDateLeftFine + layout::ganttDateStepFine * d;
        lblGanttDate[d]->setCaption(QString::number(date.day()));
        lblGanttDate[d]->setForeground(d > 0 && date.isWeekend() ? QColor(144, 144, 144)
                                                                 : QColor(0, 0, 0));
        if (d > 0 && date.isSaturday() && bandLeftFine > 11000)
            bandLeftFine = leftFine - 160;
        if (date.day() == 1) {
            lblTitle[14]->setCaption(QString::fromStdString(engine::monthText(date, names)));
            if (d > 2)
                secondMonthLeftFine = leftFine;
        }
    }
    imgAlert[0]->move(bandLeftFine / f, layout::weekendBandTopFine / f);
    lblTitle[14]->move(secondMonthLeftFine / f, lblTitle[14]->y());
}
