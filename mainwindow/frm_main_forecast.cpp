// The capacity panel: the load of every work centre on the next 23 days.
#include "mainwindow/frm_main.h"

#include "dbaccess/startup.h"
#include "engine/load_forecast.h"
#include "mainwindow/layout.h"
#include "pictures/picture_store.h"

void FrmMain::ForecastLoad()
{
    std::vector<engine::WorkCentreCapacity> capacities;
    for (int slot = 1; slot <= iconHolderCount(); ++slot)
        capacities.push_back(g.capacityOf(slot));
    const auto forecast = engine::ForecastLoad(*g.database, capacities, g.currentDate);

    for (Control *block : imgGanttBlock)
        block->hide();
    const auto &pictures = PictureStore::instance();
    const int shift = layout::ganttBlockLeftShiftFine / Control::fineUnitsPerPixel;
    std::size_t n = 0;
    for (const auto &cell : forecast.cells) {
        if (cell.slot > int(lblGanttWc.size()))
            continue;
        // Blocks are made when more are needed than ever before, and reused after that.
        if (n == imgGanttBlock.size()) {
            Control *block = makeControl(pnlGantt, QStringLiteral("imgGanttBlock_%1").arg(n), QRect());
            imgGanttBlock.push_back(block);
        }
        Control *block = imgGanttBlock[n++];
        const QPixmap picture = pictures.loadBlock(cell.picture);
        block->setPicture(picture, cell.picture);
        block->setGeometry(lblGanttDate[std::size_t(cell.day)]->x() - shift,
                           lblGanttWc[std::size_t(cell.slot - 1)]->y(), picture.width(),
                           picture.height());
        block->show();
    }
}
