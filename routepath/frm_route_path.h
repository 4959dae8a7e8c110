#pragma once

#include "mainwindow/control.h"
#include "mainwindow/messages.h"
#include "routepath/route_path_host.h"

#include <QLineEdit>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

namespace dbaccess {
struct Database;
}
namespace data::routes {
struct Step;
}
namespace engine {
struct TypedStep;
}

// The route path editor frmRoutePath: a borderless window, modal over the main window,
// in which work centres are ticked, numbered, given rates and minimum hours and stored
// as a route type. It draws its own title bar with a close cross. It is made once and
// afterwards only shown and hidden.
class FrmRoutePath final : public QWidget
{
    Q_OBJECT

public:
    FrmRoutePath(RoutePathHost &host, dbaccess::Database &database, QWidget *mainWindow);

    // Prepares the window for a new route type, or for editing entry `entry` of the
    // route-types list, and shows it modally. Returns at once: the window is worked by
    // its own events until it hides itself.
    void OpenRoutePathEditor(bool newPath, int entry);

    // Ticks or unticks row `row` and shows the ticked work centres on the floor plan.
    void ToggleRow(int row);
    void create(); // btnCreate
    void apply();  // btnApply

    // A work centre saved in the main window: its row shows the name and a tick box.
    void showWorkCentreName(int row, const QString &name);

    bool isTicked(int row) const;
    // The slots of the ticked rows, in row order.
    std::vector<int> tickedSlots() const;
    // The entry being edited; 99 for a new route type.
    int editedEntry() const { return m_entry; }

    // Controls, by the names the program documents them by.
    std::array<Control *, 6> lblTitle{};
    std::array<Control *, 20> lblWorkcenter{}, chkWcSelect{};
    std::array<QLineEdit *, 20> txtSequence{}, txtRunspeed{}, txtMinHrs{};
    QLineEdit *txtPathName = nullptr;
    Control *btnCreate = nullptr;
    Control *btnApply = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void createTitles();
    void createRows();
    void createNameAndButtons();
    void setTicked(int row, bool ticked);
    void resetRows();
    void fillFromRoute(const RoutePathHost::RouteEntry &route);

    // The typed name, trimmed, when it is not empty and no other entry than `ownEntry`
    // has it; otherwise says why and gives nothing.
    std::optional<QString> checkedName(int ownEntry);
    // The ticked rows as a route, or nothing after saying which box is wrong.
    std::optional<std::vector<data::routes::Step>> checkedSteps();
    std::vector<engine::TypedStep> typedSteps() const;
    // The sequence boxes read 1 … m in the order of the stored route.
    void renumber(const std::vector<data::routes::Step> &steps);
    void say(Messages::Icon icon, const QString &message, QWidget *focus);
    void guarded(const std::function<void()> &work, const QString &action = QString());

    RoutePathHost &m_host;
    dbaccess::Database &m_database;
    int m_entry = 99;
};
