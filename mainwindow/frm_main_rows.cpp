// Actions on single rows of the job list: selecting a row and showing its line's route,
// ticks, the status cycle, the reorder arrows, moving ticked jobs and the edit boxes.
#include "mainwindow/frm_main.h"

#include "data/job_edits.h"
#include "data/jobs.h"
#include "dbaccess/startup.h"
#include "engine/date_text.h"
#include "engine/job_list.h"
#include "mainwindow/layout.h"
#include "mainwindow/month_names.h"
#include "mainwindow/order_detail_panel.h"
#include "pictures/picture_store.h"

#include <QLineEdit>

namespace {

int number(const QString &text) { return text.toInt(); }

// The status a row's picture stands for: the click goes by the picture shown, not by
// the database.
int statusShownBy(int picture)
{
    for (int status : {data::jobs::InProgress, data::jobs::Paused, data::jobs::Completed})
        if (engine::statusPicture(status) == picture)
            return status;
    return data::jobs::Scheduled;
}

} // namespace

void FrmMain::connectRowEvents()
{
    for (int r = 0; r < layout::rowCount; ++r) {
        for (Control *cell : {lblRowSO[r], lblRowDue[r], lblRowQty[r], lblRowCust[r]})
            cell->onPress = [this, r](Qt::MouseButton, QPointF) {
                guarded([&] { SelectJobRow(r); }, QStringLiteral("selecting the row"));
            };
        lblRowDesc[r]->onPress = [this, r](Qt::MouseButton, QPointF) {
            guarded([&] { m_orderDetail->pressDescription(r); },
                    QStringLiteral("opening the order's details"));
        };
        lblRowHrs[r]->onPress = [this, r](Qt::MouseButton, QPointF) {
            guarded([&] { openRunHoursBox(r); }, QStringLiteral("opening the run hours"));
        };
        lblRowNote[r]->onPress = [this, r](Qt::MouseButton, QPointF) {
            guarded([&] { openCommentBox(r); }, QStringLiteral("opening the comment"));
        };
        imgRowCheck[r]->onPress = [this, r](Qt::MouseButton, QPointF) {
            imgRowCheck[r]->hide();
            txtRunHrs->hide();
            btnMenu[18]->hide();
        };
        imgStatus[r]->onPress = [this, r](Qt::MouseButton, QPointF) {
            guarded([&] { nextStatus(r); }, QStringLiteral("changing the job's status"));
        };
        lblRowSeq[r]->onMove = [this, r](Qt::MouseButtons, QPointF) { placeReorderArrows(r); };
        lblRowDesc[r]->onMove = [this](Qt::MouseButtons, QPointF) { imgAlert[2]->hide(); };
        lblRowHrs[r]->onMove = [this](Qt::MouseButtons, QPointF) { imgAlert[2]->hide(); };
    }
    imgAlert[2]->onPress = [this](Qt::MouseButton, QPointF fine) {
        guarded([&] { reorder(fine.y() / Control::fineUnitsPerPixel > 8); },
                QStringLiteral("moving the job in the queue"));
    };
    for (int e = 0; e < layout::moveEntryCount; ++e) {
        lblMovePath[e]->onMove = [this, e](Qt::MouseButtons, QPointF) { highlightMoveEntry(e); };
        lblMovePath[e]->onPress = [this, e](Qt::MouseButton, QPointF) {
            guarded([&] { moveTickedJobs(e); }, QStringLiteral("moving the ticked jobs"));
        };
    }
    for (auto [box, tag] : {std::pair{txtRunHrs, &txtRunHrsTag}, std::pair{txtComment, &txtCommentTag}}) {
        connect(box, &QLineEdit::textChanged, this, [this, box = box, tag = tag] {
            if (!box->isHidden())
                btnMenu[18]->setVisible(box->text() != *tag);
        });
        connect(box, &QLineEdit::returnPressed, this,
                [this] {
                    guarded([&] { pressMenu(18, QPointF(15, 15)); },
                            QStringLiteral("saving the run hours and comment"));
                });
    }
}

void FrmMain::SelectJobRow(int row)
{
    imgJobPanel->hide();
    lblTitle[1]->clear();
    if (g.selectedWc == engine::views::pending || !rowShowsLine(row))
        return;
    const std::int64_t lineId = lblRowSO[row]->tag.toLongLong();
    const bool sameLine = lineId == g.selectedLineId;
    // The selected row itself: nothing changes, so that what is typed in its boxes
    // stays there (hours typed, then a click on the row's note to add a comment).
    if (sameLine && row == g.selectedRow && lblRowHrs[row]->tag.toLongLong() == editedJobId)
        return;
    // Another row of the selected line (a line with two jobs in one work centre) is
    // selected all the same, so that the edit boxes address this row's job; only the
    // route, which is the same, is not read again.
    g.selectedLineId = lineId;
    g.selectedRow = row;
    if (!sameLine) {
        g.routePathSteps.fill(0);
        resetRoutePictures();
    }
    for (int j = 0; j < layout::rowCount; ++j)
        imgRowCheck[j]->setVisible(j == row);
    txtRunHrs->hide();
    txtComment->hide();
    loadEditBoxes(row);
    btnMenu[18]->hide();
    g.dayLocked = true;
    g.hoverFrozen = true;
    if (sameLine)
        return;

    const auto stops = data::readLineRoute(g.database->rsMain, lineId, iconHolderCount());
    for (std::size_t k = 0; k < stops.size() && k < g.routePathSteps.size(); ++k) {
        const int w = stops[k].slot;
        g.routePathSteps[k] = w;
        if (w < 1 || w > iconHolderCount())
            continue;
        setIconHighlighted(w - 1, true);
        if (w != g.selectedWc) {
            Control *date = lblWcDate[std::size_t(w - 1)];
            date->setCaption(
                QString::fromStdString(engine::dayMonthText(stops[k].start, localMonthNames())));
            date->tag = QString::fromStdString(stops[k].start.isoText());
        }
    }
    RedrawFloorPlan();
}

void FrmMain::loadEditBoxes(int row)
{
    const int boxTop = lblRowHrs[row]->y() - 4;
    txtRunHrs->move(txtRunHrs->x(), boxTop);
    txtRunHrs->setText(lblRowHrs[row]->caption());
    txtRunHrsTag = txtRunHrs->text();
    txtComment->move(txtComment->x(), boxTop);
    txtComment->setText(lblRowNote[row]->caption());
    txtCommentTag = txtComment->text();
    btnMenu[18]->move(btnMenu[18]->x(), boxTop);
    editedJobId = lblRowHrs[row]->tag.toLongLong();
}

bool FrmMain::rowCarriesJob(int row) const { return lblRowHrs[row]->tag.toLongLong() > 0; }

// An emptied row keeps no line: clicks on it do nothing.
bool FrmMain::rowShowsLine(int row) const { return lblRowSO[row]->tag.toLongLong() > 0; }

void FrmMain::openRunHoursBox(int row)
{
    if (g.selectedWc == engine::views::pending)
        return;
    SelectJobRow(row);
    if (!rowCarriesJob(row))
        return; // rows of the dispatch view carry no job to edit
    txtRunHrs->show();
    txtRunHrs->setFocus();
}

void FrmMain::openCommentBox(int row)
{
    if (lblTitle[0]->caption() == QLatin1String("purchases") || !rowShowsLine(row))
        return;
    const bool pending = g.selectedWc == engine::views::pending;
    btnMenu[12]->setVisible(pending);
    pnlMenu[2]->setVisible(pending);
    if (!pending)
        SelectJobRow(row);
    g.selectedRow = row;
    if (g.selectedWc > 0 && g.selectedLineId > 0 && rowCarriesJob(row)) {
        txtComment->show();
        txtComment->setFocus();
    }
}

void FrmMain::nextStatus(int row)
{
    if (lblRowSO[row]->caption().isEmpty() || !rowCarriesJob(row))
        return;
    const int status = data::jobs::nextStatusOnClick(statusShownBy(imgStatus[row]->pictureId()));
    // The picture changes only once the database holds the new state.
    g.database->rsEdit.open(data::jobs::setStatus(lblRowHrs[row]->tag.toLongLong(), status));
    const int picture = engine::statusPicture(status);
    imgStatus[row]->setPicture(PictureStore::instance().status(picture), picture);
    imgStatus[row]->setToolTip(QString::fromStdString(data::jobs::statusText(status)));
}

void FrmMain::placeReorderArrows(int row)
{
    if (number(lblRowSeq[1]->caption()) == 0)
        return;
    if (number(lblRowSeq[row]->caption()) == 0 || g.selectedWc == engine::views::dispatch)
        return;
    imgAlert[2]->move(imgAlert[2]->x(), lblRowSeq[row]->y());
    arrowRow = row;
    if (!imgAlert[2]->isHidden())
        return;
    imgAlert[2]->setVisible(g.calendarMode == engine::Daily && !productionListMode());
}

void FrmMain::reorder(bool down)
{
    const int a = arrowRow;
    const int d = down ? 1 : -1;
    if (down ? (a >= layout::rowCount - 1 || !rowCarriesJob(a + 1)) : a < 1) {
        RefreshJobList(true);
        return;
    }
    // Every shown job gets its displayed number, the two swap theirs, all in one
    // statement: a failure leaves the queue exactly as it was.
    std::vector<data::jobs::QueuePosition> positions;
    for (int j = 0; j < layout::rowCount; ++j) {
        if (j == a || j == a + d)
            continue;
        if (number(lblRowSeq[j]->caption()) <= 0)
            break;
        positions.push_back({lblRowHrs[j]->tag.toLongLong(), number(lblRowSeq[j]->caption())});
    }
    positions.push_back({lblRowHrs[a]->tag.toLongLong(), number(lblRowSeq[a + d]->caption())});
    positions.push_back({lblRowHrs[a + d]->tag.toLongLong(), number(lblRowSeq[a]->caption())});
    g.database->rsEdit.open(data::jobs::setSequences(positions));
    RefreshJobList(true);
}

void FrmMain::highlightMoveEntry(int entry)
{
    if (moveHover == entry)
        return;
    for (Control *e : lblMovePath)
        e->setBackground(layout::panelEntryBackground);
    moveHover = entry;
    lblMovePath[entry]->setBackground(Qt::white);
}

void FrmMain::moveTickedJobs(int entry)
{
    if (entry >= iconHolderCount())
        return;
    const int target = entry + 1;
    moveHover = target;
    std::int64_t lastMoved = 0;
    for (int j = 0; j < layout::rowCount; ++j) {
        if (imgRowCheck[j]->isHidden() || !rowCarriesJob(j))
            continue;
        lastMoved = lblRowHrs[j]->tag.toLongLong();
        g.database->rsEdit.open(data::jobs::setWorkCentre(lastMoved, target));
    }
    for (int &step : g.routePathSteps) {
        if (step == g.selectedWc) {
            step = target;
            break;
        }
    }
    g.selectedWc = target;
    RefreshJobList(true);
    RedrawFloorPlan();
    if (lastMoved == 0)
        return;
    for (int j = 0; j < layout::rowCount; ++j) {
        if (lblRowHrs[j]->tag.toLongLong() == lastMoved) {
            imgRowCheck[j]->show();
            break;
        }
    }
}
