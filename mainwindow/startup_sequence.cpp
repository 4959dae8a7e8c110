#include "mainwindow/startup_sequence.h"

#include "data/own_tables.h"
#include "data/session.h"
#include "engine/job_list.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/guard.h"

void prepareMainWindow(Global &g, FrmMain &window)
{
    runGuarded(&window, [&] { data::EnsureOwnTables(*g.database); });
    runGuarded(&window, [&] { data::ensureScheduleIndexes(*g.database); });
    runGuarded(&window, [&] { g.companyName = data::readCompanyName(*g.database, g.companyId); });
    g.selectedWc = engine::views::pending;
    runGuarded(&window, [&] { window.Load(); });
    window.lblTitle[16]->setCaption(QString::fromStdString(g.companyName));
    runGuarded(&window, [&] { window.FillCalendarStrip(); });
    runGuarded(&window, [&] { window.LoadSearchList(); });
    g.selectedWc = engine::views::dispatch;
}
