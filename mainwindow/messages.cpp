#include "mainwindow/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace {
Messages defaultMessages;
Messages *installed = nullptr;
} // namespace

namespace {

// The normal pointer over a message box, even while the work of an event shows the
// hourglass; the hourglass comes back when the box is closed.
class ArrowWhileAsking final
{
public:
    ArrowWhileAsking() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~ArrowWhileAsking() { QApplication::restoreOverrideCursor(); }
};

} // namespace

void Messages::problem(QWidget *window, const QString &message)
{
    const ArrowWhileAsking arrow;
    QApplication::beep();
    QMessageBox::warning(window, QStringLiteral("Brontalo"), message);
}

bool Messages::confirm(QWidget *window, const QString &question)
{
    const ArrowWhileAsking arrow;
    QApplication::beep();
    return QMessageBox::question(window, QString(), question, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void Messages::notify(QWidget *window, Icon icon, const QString &message)
{
    const ArrowWhileAsking arrow;
    QApplication::beep();
    if (icon == Icon::Critical)
        QMessageBox::critical(window, QStringLiteral("Brontalo"), message);
    else
        QMessageBox::warning(window, QStringLiteral("Brontalo"), message);
}

Messages &Messages::current() { return installed ? *installed : defaultMessages; }

void Messages::install(Messages *messages) { installed = messages; }
