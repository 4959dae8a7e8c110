#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace dbaccess {
struct Database;
}

// Runs one event's work. A database or conversion error abandons the rest of that
// work, is shown in one message box with the database layer's own text, and the
// program goes on. Nothing is swallowed silently.
//
// A lost connection (the server restarted, or ended the session) is said once, with
// `action` — what was not done — and the connection is opened again with the same
// settings at once, or, while the server does not answer, at the start of the next
// event, which is then not done either, so that nothing runs on a list shown before the
// loss. Once connected again the watched window shows everything afresh.
void runGuarded(QWidget *window, const std::function<void()> &work,
                const QString &action = QString());

// Shows an error message the same way (used for problems found without an exception).
void showProblem(QWidget *window, const QString &message);

// The connection the guard keeps: the main window's database, and what the window does
// to show itself afresh once the connection is back.
struct ConnectionWatch
{
    dbaccess::Database *database = nullptr;
    std::function<void()> showAfresh;
    bool lost = false; // the connection is gone and could not be opened again yet
};
// Installs the watch the guard keeps (nullptr: none); it stays owned by the caller.
void watchConnection(ConnectionWatch *watch);
