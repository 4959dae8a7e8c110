// The calendar strip: filling its slots, choosing and locking a slot, and the
// daily/weekly chooser.
#include "mainwindow/frm_main.h"

#include "engine/calendar_strip.h"
#include "mainwindow/month_names.h"
#include "mainwindow/qt_colour.h"

void FrmMain::FillCalendarStrip()
{
    g.calendarDays = engine::FillCalendarStrip(g.currentDate, g.calendarMode, localMonthNames());
    for (int i = 0; i < engine::calendarSlotCount; ++i) {
        const auto &slot = g.calendarDays[std::size_t(i)];
        lblCalBlock[i]->setCaption(QString::fromStdString(slot.caption));
        lblCalBlock[i]->setForeground(toQColor(slot.captionColour));
    }
    lblCalBlock[0]->setForeground(Qt::black);
    pnlMenu[0]->hide();
}

void FrmMain::chooseDaySlot(int index)
{
    if (index < 0 || index > 22 || !pnlMenu[1]->isHidden() || g.selectedWc <= 0 ||
        index == g.selectedDay || g.dayLocked || lblTitle[0]->caption() == QLatin1String("purchases"))
        return;
    imgStatus[0]->hide();
    for (int i = 0; i < engine::calendarSlotCount; ++i) {
        lblBlockAvailHrs[i]->setForeground(toQColor(engine::colours::freeGreen));
        lblBlockAvailHrs[i]->setBold(false);
        lblCalBlock[i]->setForeground(toQColor(g.calendarDays[std::size_t(i)].captionColour));
        lblCalBlock[i]->setBold(false);
    }
    lblBlockAvailHrs[index]->setForeground(toQColor(engine::colours::chosenGreen));
    lblBlockAvailHrs[index]->setBold(true);
    lblCalBlock[index]->setBold(true);
    g.selectedDay = index;
    RefreshJobList(false);
}

void FrmMain::toggleDayLock()
{
    g.dayLocked = !g.dayLocked;
    g.hoverFrozen = true;
}

void FrmMain::chooseCalendarMode(int titleIndex)
{
    if (titleIndex != 6 && titleIndex != 7)
        return;
    hideStatusPictures();
    g.calendarMode = titleIndex == 6 ? engine::Daily : engine::Weekly;
    FillCalendarStrip();
    RefreshJobList(true);
}

void FrmMain::hoverCalendarMode(int titleIndex)
{
    if (titleIndex != 6 && titleIndex != 7)
        return;
    const QColor grey(235, 235, 235);
    const QColor white(255, 255, 255);
    lblTitle[6]->setBackground(titleIndex == 6 ? grey : white);
    lblTitle[7]->setBackground(titleIndex == 6 ? white : grey);
}
