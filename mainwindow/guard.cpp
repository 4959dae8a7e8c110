#include "mainwindow/guard.h"

#include "dbaccess/error.h"
#include "mainwindow/messages.h"


void showProblem(QWidget *window, const QString &message)
{
    Messages::current().problem(window, message);
}

void runGuarded(QWidget *window, const std::function<void()> &work)
{
    try {
        work();
    } catch (const dbaccess::Error &error) {
        showProblem(window, QString::fromStdString(error.what()));
    } catch (const std::exception &error) {
        showProblem(window, QStringLiteral("The action could not be completed: ") +
                                QString::fromStdString(error.what()));
    }
}
