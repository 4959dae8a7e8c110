#pragma once

#include <QString>

class QWidget;

// How the window speaks to the user: message boxes after a beep. Tests install a
// stand-in that records what was said and answers questions itself.
class Messages
{
public:
    virtual ~Messages() = default;
    virtual void problem(QWidget *window, const QString &message);
    // A Yes/No question with an empty title; true for Yes.
    virtual bool confirm(QWidget *window, const QString &question);

    static Messages &current();
    // `messages` stays owned by the caller; nullptr puts the message boxes back.
    static void install(Messages *messages);
};
