// Brontalo: starts up against the database named in brontalo.ini and shows the main window.
#include "dbaccess/startup.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/global.h"
#include "mainwindow/messages.h"
#include "mainwindow/startup_sequence.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);

    Global g;
    g.currentDate = dbaccess::Date::today();
    dbaccess::Database database;
    const auto outcome = dbaccess::connectAtStartup(
        QCoreApplication::applicationDirPath().toStdString(), database);
    if (outcome.status == dbaccess::StartupOutcome::Status::NoSettingsFile) {
        std::fprintf(stderr, "Brontalo: %s\n", outcome.message.c_str());
        return 1;
    }
    if (outcome.status == dbaccess::StartupOutcome::Status::ConnectionFailed) {
        QApplication::restoreOverrideCursor();
        QApplication::beep();
        QMessageBox::critical(nullptr, QStringLiteral("Brontalo"),
                              QString::fromStdString(outcome.message));
        return 2;
    }
    g.database = &database;
    g.companyId = outcome.companyId;

    FrmMain window(g);
    if (!prepareMainWindow(g, window))
        return 3; // not an Odoo database: said once, nothing created in it
    window.show();
    QApplication::restoreOverrideCursor();
    return app.exec();
}
