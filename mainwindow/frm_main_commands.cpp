// The commands of the btnMenu images, dispatched by index, and the hover over the
// sales-order logo.
#include "mainwindow/frm_main.h"

#include "data/job_edits.h"
#include "data/jobs.h"
#include "dbaccess/leading_number.h"
#include "dbaccess/startup.h"
#include "engine/auto_schedule.h"
#include "engine/job_list.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "mainwindow/messages.h"
#include "mainwindow/route_types_panel.h"
#include "mainwindow/work_centre_editor.h"
#include "pictures/picture_store.h"

#include <optional>

void FrmMain::pressMenu(int index, QPointF at)
{
    hideStatusPictures();
    switch (index) {
    case 4:
        removeOrMoveTickedJobs(at);
        break;
    case 5:
        showDispatch();
        break;
    case 6:
        showProductionList();
        break;
    case 8:
        ListMaterialRequirements();
        break;
    case 14:
        toggleLoadForecast();
        break;
    case 18:
        saveRunHoursAndComment();
        break;
    case 3:
        // As a right press on the plan: the editor of the selected work centre.
        canvasPress(Qt::RightButton, QPointF(1, 1));
        break;
    case 7:
        workCentreEditor().Save();
        break;
    case 10:
        workCentreEditor().NewWorkCentre();
        break;
    case 12:
        routeTypes->assign();
        break;
    case 13:
        routeTypes->newRouteType();
        break;
    case 16:
        routeTypes->openFromFloorPlan();
        break;
    case 17:
        routeTypes->editRouteType();
        break;
    default:
        break; // 0, 9 and 11 only leave the production list
    }
}

void FrmMain::logoHover()
{
    if (g.selectedWc <= 0)
        return;
    hideStatusPictures();
    g.selectedWc = engine::views::pending;
    RedrawFloorPlan();
    engine::AutoScheduleResult planned;
    try {
        planned = engine::AutoSchedule(*g.database, g.companyId, g.currentDate);
    } catch (...) {
        // The pending list is shown all the same, so no queue stays on screen under it.
        RefreshJobList(true);
        throw;
    }
    RefreshJobList(true);
    afterPlanning(planned);
}

void FrmMain::afterPlanning(const engine::AutoScheduleResult &planned)
{
    // Lines planned now are searchable at once.
    if (planned.linesPlanned > 0)
        LoadSearchList();
    if (planned.notPlanned.empty())
        return;
    // Lines whose jobs cannot be stored stay in the pending list; say which and why.
    QStringList which;
    for (const auto &line : planned.notPlanned) {
        QString name = QStringLiteral("the line with id %1").arg(line.lineId);
        for (Control *order : lblRowSO)
            if (order->tag.toLongLong() == line.lineId)
                name = QStringLiteral("the line of order %1").arg(order->caption());
        which << name + QStringLiteral(": ") + QString::fromStdString(line.reason);
        if (which.size() == 10 && planned.notPlanned.size() > 10) {
            which << QStringLiteral("and %1 more").arg(planned.notPlanned.size() - 10);
            break;
        }
    }
    showProblem(this, QStringLiteral("These sales-order lines were not planned, and stay in the "
                                     "list of pending lines:\n") +
                          which.join(QStringLiteral("\n")));
}

void FrmMain::removeOrMoveTickedJobs(QPointF at)
{
    int firstTicked = -1;
    for (int r = 0; r < layout::rowCount && firstTicked < 0; ++r)
        if (!imgRowCheck[r]->isHidden())
            firstTicked = r;
    if (firstTicked < 0)
        return;
    if (at.x() < btnMenu[4]->width() * Control::fineUnitsPerPixel / 2.0) {
        pnlMenu[5]->show();
        return;
    }
    if (!Messages::current().confirm(this, QStringLiteral("Confirm remove this task?")))
        return;
    if (rowCarriesJob(firstTicked))
        g.database->rsEdit.open(data::jobs::setStatus(lblRowHrs[firstTicked]->tag.toLongLong(),
                                                      data::jobs::Removed));
    g.selectedLineId = 0;
    RefreshJobList(true);
    RedrawFloorPlan();
    LoadSearchList(); // a line without live jobs is no longer found
}

void FrmMain::showDispatch()
{
    g.selectedWc = engine::views::pending;
    RedrawFloorPlan();
    g.selectedWc = engine::views::dispatch;
    RefreshJobList(true);
}

void FrmMain::showProductionList()
{
    g.hoverFrozen = true;
    g.dayLocked = true;
    g.selectedDay = 0;
    if (g.selectedWc == engine::views::pending || g.selectedWc > 90) {
        g.selectedWc = 1;
        RedrawFloorPlan();
    }
    const QPixmap scheduled = PictureStore::instance().status(3);
    for (Control *status : imgStatus)
        status->setPicture(scheduled, 3);
    imgStatus[0]->show();
    RefreshJobList(true);
}

void FrmMain::toggleLoadForecast()
{
    if (pnlGantt->isHidden())
        ForecastLoad();
    pnlGantt->setVisible(pnlGantt->isHidden());
    g.selectedDay = 0;
}

void FrmMain::saveRunHoursAndComment()
{
    if (editedJobId <= 0)
        return; // the boxes hold no job: there is nothing to save it to
    const bool hoursChanged = txtRunHrs->text() != txtRunHrsTag;
    const bool commentChanged = txtComment->text() != txtCommentTag;
    std::optional<dbaccess::Decimal> hours;
    if (hoursChanged) {
        // An empty box stores 0 and "12abc" stores 12, but a text that does not start
        // with a number is a typing slip: it must not wipe the job's hours.
        const auto typed = dbaccess::leadingNumber(txtRunHrs->text().toStdString());
        if (!typed.found && !txtRunHrs->text().trimmed().isEmpty()) {
            showProblem(this, QStringLiteral("\"%1\" is not a number of hours. Nothing was saved.")
                                  .arg(txtRunHrs->text()));
            return;
        }
        // Stored with three places, rounded half to even here rather than by the database.
        hours = dbaccess::Decimal::fromDouble(typed.value).rounded(3);
    }
    std::optional<std::string> comment;
    if (commentChanged)
        comment = txtComment->text().toStdString();
    if (!data::saveJobEdits(g.database->rsEdit, editedJobId, hours, comment)) {
        showProblem(this, QStringLiteral("This job no longer exists; nothing was saved. The list "
                                         "is shown afresh."));
        RefreshJobList(true);
        return;
    }
    txtRunHrsTag = txtRunHrs->text();
    txtCommentTag = txtComment->text();
    btnMenu[18]->hide();
    int row = -1;
    for (int r = 0; r < layout::rowCount && row < 0; ++r)
        if (lblRowHrs[r]->tag.toLongLong() == editedJobId)
            row = r;
    if (row < 0) {
        // The job has left the list since the boxes were opened: show the list afresh.
        txtRunHrs->hide();
        txtComment->hide();
        RefreshJobList(true);
        return;
    }
    if (hours)
        lblRowHrs[row]->setCaption(txtRunHrs->text().trimmed().isEmpty()
                                       ? QString()
                                       : QString::fromStdString(hours->toString()));
    lblRowNote[row]->setCaption(txtComment->text());
    dbaccess::Decimal total;
    for (Control *hoursLabel : lblRowHrs)
        total += dbaccess::Decimal::fromDouble(
            dbaccess::leadingNumber(hoursLabel->caption().toStdString()).value);
    lblRowTotal->setCaption(QStringLiteral("Total Hrs: ") + QString::fromStdString(total.toString()));
    txtRunHrs->hide();
    txtComment->hide();
}
