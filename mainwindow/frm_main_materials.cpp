// The purchases view: what components must be bought, how many and by when, shown in
// the rows of the job list.
#include "mainwindow/frm_main.h"

#include "dbaccess/startup.h"
#include "engine/job_list.h"
#include "engine/materials.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "mainwindow/month_names.h"

#include "platform/wait_cursor.h"

void FrmMain::ListMaterialRequirements()
{
    g.hoverFrozen = true;
    pnlDispatchCover->hide();
    if (g.selectedWc >= 1 && g.selectedWc <= 89) {
        if (g.isSlot(g.selectedWc)) {
            const std::size_t s = std::size_t(g.selectedWc - 1);
            lblWcName[s]->setForeground(QColor(128, 128, 128));
            lblWcName[s]->setBold(false);
            lblWcName[s]->move(lblWcName[s]->x(), g.wcPosY[s] + layout::nameLabelBelow);
        }
        g.selectedWc = engine::views::pending;
        RedrawFloorPlan();
    }
    pnlRawmat->show();
    lblTitle[0]->setCaption(QStringLiteral("purchases"));
    lblTitle[5]->setCaption(QStringLiteral("materials purchase requirements"));
    lblRowTotal->clear();
    for (QWidget *w : std::initializer_list<QWidget *>{btnMenu[4], imgJobPanel, imgAlert[2],
                                                       txtRunHrs, btnMenu[18], pnlMenu[0]})
        w->hide();
    lblTitle[1]->clear();
    clearRows();

    const WaitCursor wait;
    const auto rows = engine::ListMaterialRequirements(*g.database, g.companyId, localMonthNames());
    for (std::size_t n = 0; n < rows.size() && n < std::size_t(layout::rowCount); ++n) {
        lblRowSO[n]->setCaption(QString::fromStdString(rows[n].referenceCode));
        lblRowSO[n]->setForeground(Qt::black);
        lblRowHrs[n]->setCaption(QString::fromStdString(rows[n].quantity));
        lblRowDesc[n]->setCaption(QString::fromStdString(rows[n].neededByText));
        lblRowCust[n]->setCaption(QString::fromStdString(rows[n].pendingPurchase));
    }
}
