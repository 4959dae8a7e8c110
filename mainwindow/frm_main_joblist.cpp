// The job list: rebuilding it for the current view, the strip's load for the shown
// work centre, and the clicks on the window's background beside it.
#include "mainwindow/frm_main.h"

#include "data/search_rows.h"
#include "dbaccess/startup.h"
#include "engine/job_list.h"
#include "mainwindow/layout.h"
#include "mainwindow/month_names.h"
#include "mainwindow/qt_colour.h"
#include "mainwindow/work_centre_editor.h"
#include "mainwindow/search_list.h"
#include "pictures/picture_store.h"

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }

} // namespace

void FrmMain::clearRows()
{
    for (int i = 0; i < layout::rowCount; ++i) {
        imgRowCheck[i]->hide();
        for (Control *cell : {lblRowSO[i], lblRowDue[i], lblRowQty[i], lblRowHrs[i], lblRowSeq[i],
                              lblRowDesc[i], lblRowCust[i], lblRowNote[i]})
            cell->clear();
        // An emptied row carries no line, job or product any more, so clicks on it do nothing.
        for (Control *cell : {lblRowSO[i], lblRowHrs[i], lblRowDesc[i], lblRowNote[i]})
            cell->tag.clear();
        lblRowSeq[i]->setBackground(Qt::white);
    }
}

void FrmMain::RefreshJobList(bool resetWcLabels)
{
    for (QWidget *w : std::initializer_list<QWidget *>{pnlRawmat, imgJobPanel, pnlMenu[0], pnlMenu[5],
                                                       imgAlert[2], txtRunHrs, btnMenu[18]})
        w->hide();
    lblTitle[1]->clear();
    clearRows();
    if (resetWcLabels) {
        for (int i = 0; i < iconHolderCount(); ++i) {
            lblWcName[std::size_t(i)]->setForeground(toQColor(engine::colours::grey));
            lblWcName[std::size_t(i)]->setBold(false);
            lblWcName[std::size_t(i)]->move(lblWcName[std::size_t(i)]->x(),
                                            g.wcPosY[std::size_t(i)] + layout::nameLabelBelow);
            lblGanttWc[std::size_t(i)]->setForeground(toQColor(engine::colours::grey));
            lblGanttWc[std::size_t(i)]->setBold(false);
        }
        for (Control *free : lblBlockAvailHrs)
            free->clear();
    }
    for (auto &slot : g.calendarDays)
        slot.booked = {};
    btnMenu[4]->setVisible(g.selectedWc > 0 && g.selectedWc != engine::views::dispatchedToday &&
                           !productionListMode());
    btnMenu[9]->hide();

    setUpViewTitles();

    engine::JobListRequest request;
    request.companyId = g.companyId;
    request.selectedWc = g.selectedWc;
    request.selectedDay = g.selectedDay;
    request.calendarMode = g.calendarMode;
    request.productionList = productionListMode();
    request.currentDate = g.currentDate;
    request.capacity = g.capacityOf(g.selectedWc);
    request.monthNames = &localMonthNames();
    const auto result = engine::RefreshJobList(*g.database, request, g.calendarDays);

    pnlDispatchCover->setVisible(g.selectedWc == engine::views::dispatch);
    if (g.selectedWc == engine::views::dispatch) {
        lblTitle[5]->setCaption(QStringLiteral("pending"));
    } else if (productionListMode()) {
        lblTitle[5]->setCaption(QStringLiteral("production list"));
    } else {
        lblTitle[5]->setCaption(lblTitle[4]->caption());
    }
    for (int i = 1; i < layout::rowCount; ++i)
        imgStatus[i]->hide();
    showJobListResult(result, resetWcLabels);
}

void FrmMain::setUpViewTitles()
{
    const auto &pictures = PictureStore::instance();
    if (g.selectedWc == engine::views::pending) {
        for (int i = 0; i < engine::calendarSlotCount; ++i) {
            imgDayBlock[i]->hide();
            lblBlockCapacity[i]->clear();
        }
        g.selectedDay = 0;
        btnMenu[0]->setPicture(pictures.menuLogo(1), 1);
        btnMenu[9]->show();
        pnlMenu[3]->hide();
        lblCalBlock[0]->setForeground(Qt::black);
        lblTitle[0]->setCaption(QStringLiteral("sales orders"));
        lblTitle[4]->setCaption(QStringLiteral("pending"));
        return;
    }
    btnMenu[0]->setPicture(pictures.menuLogo(0), 0);
    if (g.selectedWc == engine::views::dispatch) {
        lblTitle[0]->setCaption(QStringLiteral("dispatch"));
        lblTitle[4]->setCaption(QStringLiteral("pending"));
        return;
    }
    for (Control *block : imgDayBlock)
        block->show();
    Control *name = g.isSlot(g.selectedWc) ? lblWcName[std::size_t(g.selectedWc - 1)]
                    : g.selectedWc == engine::views::dispatchedToday ? lblDispatchedToday
                                                                      : nullptr;
    lblTitle[0]->setCaption(name ? name->caption() : QString());
    workCentreEditor().txtWcname->setText(lblTitle[0]->caption());
    lblTitle[8]->setCaption(lblTitle[0]->caption());
    if (g.isSlot(g.selectedWc)) {
        const std::size_t s = std::size_t(g.selectedWc - 1);
        name->setForeground(Qt::black);
        name->setBold(true);
        name->move(name->x(), g.wcPosY[s] + layout::selectedNameLabelBelow);
        lblGanttWc[s]->setForeground(toQColor(engine::colours::selectedWorkCentre));
        lblGanttWc[s]->setBold(true);
    }
    lblTitle[4]->setCaption(lblCalBlock[std::size_t(g.selectedDay)]->caption());
}

void FrmMain::showJobListResult(const engine::JobListResult &result, bool)
{
    const auto &pictures = PictureStore::instance();
    for (std::size_t r = 0; r < result.rows.size(); ++r) {
        const auto &row = result.rows[r];
        lblRowSO[r]->setCaption(text(row.order));
        lblRowSO[r]->tag = QString::number(row.lineId);
        lblRowSO[r]->setForeground(toQColor(row.orderColour));
        lblRowDue[r]->setCaption(text(row.due));
        lblRowQty[r]->setCaption(text(row.quantity));
        lblRowHrs[r]->setCaption(text(row.hours));
        lblRowHrs[r]->tag = row.jobId > 0 ? QString::number(row.jobId) : QString();
        lblRowSeq[r]->setCaption(text(row.position));
        lblRowSeq[r]->setBackground(toQColor(row.positionBackground));
        lblRowDesc[r]->setCaption(text(row.description));
        lblRowDesc[r]->tag = QString::number(row.productId);
        lblRowCust[r]->setCaption(text(row.customer));
        lblRowNote[r]->setCaption(text(row.note));
        if (productionListMode() && row.jobId > 0) {
            imgStatus[r]->setPicture(pictures.status(row.statusPicture), row.statusPicture);
            imgStatus[r]->show();
        }
    }
    lblRowTotal->setCaption(text(result.total));
    if (result.strip)
        showStrip(result);
}

void FrmMain::showStrip(const engine::JobListResult &result)
{
    const auto &pictures = PictureStore::instance();
    for (int i = 0; i < engine::calendarSlotCount; ++i) {
        const auto &slot = (*result.strip)[std::size_t(i)];
        g.calendarDays[std::size_t(i)].booked = result.booked[std::size_t(i)];
        lblBlockCapacity[i]->setCaption(text(slot.capacityText));
        if (slot.picture)
            imgDayBlock[i]->setPicture(pictures.dayBlock(*slot.picture), *slot.picture);
        if (slot.freeText) {
            lblBlockAvailHrs[i]->setCaption(text(*slot.freeText));
            lblBlockAvailHrs[i]->setForeground(toQColor(slot.freeColour));
        }
        lblCalBlock[i]->setForeground(toQColor(slot.captionColour));
    }
}

void FrmMain::windowPress(QPointF at)
{
    if (lblTitle[0]->caption() == QLatin1String("purchases"))
        return;
    const double x = at.x();
    const double y = at.y();
    if (x > layout::tickColumnLeft && x < layout::tickColumnRight && y > layout::tickColumnTop) {
        int clicked = -1;
        for (int i = 1; i < layout::rowCount; ++i) {
            if (imgRowCheck[i]->y() > y) {
                clicked = i - 1;
                break;
            }
        }
        if (clicked < 0 || lblRowSO[clicked]->caption().isEmpty())
            return;
        imgRowCheck[clicked]->show();
        // Boxes that are showing keep what is typed in them and the job they were
        // opened for; only hidden ones move to the ticked row.
        if (txtRunHrs->isHidden() && txtComment->isHidden())
            loadEditBoxes(clicked);
        return;
    }
    const QRect &arrow = layout::searchArrow;
    if (x > arrow.left() && x < arrow.left() + arrow.width() && y > arrow.top() &&
        y < arrow.top() + arrow.height()) // an open rectangle: every comparison strict
        pnlMenu[3]->setVisible(pnlMenu[3]->isHidden());
}

void FrmMain::LoadSearchList()
{
    m_searchList->setEntries(data::readSearchEntries(g.database->rsMain, g.companyId));
}

void FrmMain::showAfterReconnect()
{
    const bool hoursShown = !txtRunHrs->isHidden();
    const bool commentShown = !txtComment->isHidden();
    const bool saveShown = !btnMenu[18]->isHidden();
    RefreshJobList(true);
    RedrawFloorPlan();
    LoadSearchList();
    // The boxes keep what was typed in them: they stand again beside their job.
    for (int r = 0; r < layout::rowCount && editedJobId > 0; ++r) {
        if (lblRowHrs[r]->tag.toLongLong() != editedJobId)
            continue;
        const int boxTop = lblRowHrs[r]->y() - 4;
        txtRunHrs->move(txtRunHrs->x(), boxTop);
        txtComment->move(txtComment->x(), boxTop);
        btnMenu[18]->move(btnMenu[18]->x(), boxTop);
        txtRunHrs->setVisible(hoursShown);
        txtComment->setVisible(commentShown);
        btnMenu[18]->setVisible(saveShown);
        g.selectedRow = r;
        break;
    }
}
