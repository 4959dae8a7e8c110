#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs one event's work. A database or conversion error abandons the rest of that
// work, is shown in one message box with the database layer's own text, and the
// program goes on. Nothing is swallowed silently.
void runGuarded(QWidget *window, const std::function<void()> &work);

// Shows an error message the same way (used for problems found without an exception).
void showProblem(QWidget *window, const QString &message);

// Shows the hourglass pointer for as long as it lives.
class Hourglass final
{
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass &) = delete;
    Hourglass &operator=(const Hourglass &) = delete;
};
