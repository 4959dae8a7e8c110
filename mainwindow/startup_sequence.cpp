#include "mainwindow/startup_sequence.h"

#include "data/erp_tables.h"
#include "data/own_tables.h"
#include "data/session.h"
#include "dbaccess/startup.h"
#include "engine/job_list.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/guard.h"

#include <QStringList>

namespace {

QString quoted(const std::string &text) { return QStringLiteral("\"%1\"").arg(QString::fromStdString(text)); }

// Why the connected database is no Odoo database to plan for, or nothing.
QString notAnErpDatabase(dbaccess::Database &database)
{
    const auto missing = data::erp::missingTables(database.rsMain);
    if (missing.empty())
        return {};
    QStringList names;
    for (const std::string &table : missing)
        names << QString::fromStdString(table);
    const auto &s = database.settings;
    return QStringLiteral("The database %1 on server %2, port %3, is not an Odoo database "
                          "Brontalo can plan for: it has no table %4.\n\nBrontaloSetup, in "
                          "Brontalo's program folder, sets which database Brontalo uses.")
        .arg(quoted(s.dbname), quoted(s.hostname), QString::fromStdString(s.port),
             names.join(QStringLiteral(", ")));
}

} // namespace

bool prepareMainWindow(Global &g, FrmMain &window)
{
    QString problem;
    runGuarded(&window, [&] { problem = notAnErpDatabase(*g.database); });
    if (!problem.isEmpty()) {
        showProblem(&window, problem);
        return false;
    }
    runGuarded(&window, [&] { data::EnsureOwnTables(*g.database); });
    runGuarded(&window, [&] { data::ensureScheduleIndexes(*g.database); });
    runGuarded(&window, [&] { g.companyName = data::readCompanyName(*g.database, g.companyId); });
    g.selectedWc = engine::views::pending;
    runGuarded(&window, [&] { window.Load(); });
    window.lblTitle[16]->setCaption(QString::fromStdString(g.companyName));
    runGuarded(&window, [&] { window.FillCalendarStrip(); });
    runGuarded(&window, [&] { window.LoadSearchList(); });
    g.selectedWc = engine::views::dispatch;
    return true;
}
