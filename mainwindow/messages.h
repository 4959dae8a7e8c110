#pragma once

#include <QString>

class QWidget;

// How the window speaks to the user: message boxes after a beep. Tests install a
// stand-in that records what was said and answers questions itself.
class Messages
{
public:
    enum class Icon { Exclamation, Critical };

    virtual ~Messages() = default;
    virtual void problem(QWidget *window, const QString &message);
    // A Yes/No question with an empty title; true for Yes.
    virtual bool confirm(QWidget *window, const QString &question);
    // An OK message box with the program's title and the given icon, for what the user
    // typed or chose that cannot be taken as it is.
    virtual void notify(QWidget *window, Icon icon, const QString &message);

    static Messages &current();
    // `messages` stays owned by the caller; nullptr puts the message boxes back.
    static void install(Messages *messages);
};
