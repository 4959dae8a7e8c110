#include "mainwindow/guard.h"

#include "dbaccess/error.h"
#include "dbaccess/startup.h"
#include "mainwindow/messages.h"

namespace {

ConnectionWatch *watched = nullptr;

QString whatWasNotDone(const QString &action)
{
    return action.isEmpty() ? QStringLiteral("what you just did") : action;
}

QString serverOf(const dbaccess::Database &database)
{
    return QStringLiteral("server \"%1\", port %2")
        .arg(QString::fromStdString(database.settings.hostname),
             QString::fromStdString(database.settings.port));
}

// Opens the connection again; on success the window shows itself afresh. Nothing
// when that worked, else the driver's reason.
QString connectAgain(ConnectionWatch &watch)
{
    try {
        watch.database->reconnect();
    } catch (const dbaccess::Error &error) {
        watch.lost = true;
        return QString::fromStdString(error.what());
    }
    watch.lost = false;
    if (watch.showAfresh) {
        try {
            watch.showAfresh();
        } catch (const std::exception &error) {
            return QString::fromStdString(error.what());
        }
    }
    return {};
}

bool isLoss(const dbaccess::Error &error, const ConnectionWatch &watch)
{
    return error.connectionLost() || watch.database->connection.isDead();
}

void sayLoss(QWidget *window, ConnectionWatch &watch, const QString &action,
             const dbaccess::Error &error)
{
    const QString lost = QStringLiteral("The connection to the database was lost, so %1 was not "
                                        "done.")
                             .arg(whatWasNotDone(action));
    const QString reason = connectAgain(watch);
    if (reason.isEmpty()) {
        showProblem(window, lost + QStringLiteral("\n\nBrontalo has connected again and shows "
                                                  "everything afresh: please do it again."));
        return;
    }
    showProblem(window, lost +
                            QStringLiteral("\n\nThe database at %1 does not answer now; Brontalo "
                                           "connects again at your next action.\n\n")
                                .arg(serverOf(*watch.database)) +
                            QString::fromStdString(error.what()) + QStringLiteral("\n") + reason);
}

} // namespace

void showProblem(QWidget *window, const QString &message)
{
    Messages::current().problem(window, message);
}

void watchConnection(ConnectionWatch *watch) { watched = watch; }

void runGuarded(QWidget *window, const std::function<void()> &work, const QString &action)
{
    ConnectionWatch *watch = watched && watched->database ? watched : nullptr;
    if (watch && watch->lost) {
        // What the user acted on was shown before the loss: show it afresh first.
        const QString reason = connectAgain(*watch);
        const QString notDone = whatWasNotDone(action);
        if (reason.isEmpty())
            showProblem(window, QStringLiteral("Brontalo is connected to the database again and "
                                               "shows everything afresh; %1 was not done: "
                                               "please do it again.")
                                    .arg(notDone));
        else
            showProblem(window, QStringLiteral("The database at %1 cannot be reached, so %2 was "
                                               "not done.\n\n")
                                    .arg(serverOf(*watch->database), notDone) +
                                    reason);
        return;
    }
    try {
        work();
    } catch (const dbaccess::Error &error) {
        if (watch && isLoss(error, *watch))
            sayLoss(window, *watch, action, error);
        else
            showProblem(window, QString::fromStdString(error.what()));
    } catch (const std::exception &error) {
        showProblem(window, QStringLiteral("The action could not be completed: ") +
                                QString::fromStdString(error.what()));
    }
}
