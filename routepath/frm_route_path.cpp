#include "routepath/frm_route_path.h"

#include "data/routes.h"
#include "dbaccess/startup.h"
#include "engine/route_steps.h"
#include "platform/fonts.h"
#include "mainwindow/guard.h"
#include "pictures/picture_store.h"
#include "routepath/route_path_layout.h"
#include "platform/wait_cursor.h"

#include <QMouseEvent>
#include <QPainter>

namespace lay = routepath_layout;

namespace {

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QRect rowPlace(const QRect &row0, int row)
{
    return row0.translated(0, lay::rowStep * row);
}

QString fieldName(engine::StepField field)
{
    return field == engine::StepField::RunRate ? QStringLiteral("runspeed")
                                               : QStringLiteral("minimum hours");
}

QString faultText(engine::StepFault fault)
{
    switch (fault) {
    case engine::StepFault::NotANumber:
        return QStringLiteral("is not a number");
    case engine::StepFault::Negative:
        return QStringLiteral("is below 0");
    case engine::StepFault::TooLarge:
        return QStringLiteral("is above %1")
            .arg(QString::fromStdString(data::routes::largestStepNumber().toString()));
    }
    return {};
}

constexpr int ticked = 1;
constexpr int unticked = 0;

} // namespace

FrmRoutePath::FrmRoutePath(RoutePathHost &host, dbaccess::Database &database, QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::FramelessWindowHint), m_host(host), m_database(database)
{
    setObjectName(QStringLiteral("frmRoutePath"));
    setWindowTitle(QStringLiteral("Route path"));
    setFixedSize(lay::window);
    setWindowModality(Qt::ApplicationModal);
    setFont(uiFont(9));
    createTitles();
    createRows();
    createNameAndButtons();
}

void FrmRoutePath::guarded(const std::function<void()> &work, const QString &action)
{
    runGuarded(this, work, action);
}

void FrmRoutePath::createTitles()
{
    struct Head
    {
        int index;
        QPoint at;
        const char *caption;
        const char *toolTip;
    };
    for (const Head &head :
         {Head{0, lay::selectedHead, "selected", nullptr},
          Head{5, lay::sequenceHead, "sequence", "routing sequence"},
          Head{1, lay::runspeedHead, "runspeed", "production rate per hour"},
          Head{4, lay::minimumHead, "minimum hrs", "minimum run time (hours)"}}) {
        Control *label = new Control(this, indexed("lblTitle", head.index));
        label->setGeometry(QRect(head.at, lay::headSize));
        label->setFont(uiFont(9, Face::Semilight));
        label->setCaption(QLatin1String(head.caption));
        if (head.toolTip)
            label->setToolTip(QLatin1String(head.toolTip));
        lblTitle[std::size_t(head.index)] = label;
    }
    lblTitle[2] = new Control(this, indexed("lblTitle", 2));
    lblTitle[2]->setGeometry(lay::title);
    lblTitle[2]->setFont(uiFont(12, Face::Semilight));
    lblTitle[2]->setAlignment(Qt::AlignCenter);
    lblTitle[3] = new Control(this, indexed("lblTitle", 3));
    lblTitle[3]->setGeometry(lay::nameCaption);
    lblTitle[3]->setCaption(QStringLiteral("route path name:"));
}

void FrmRoutePath::createRows()
{
    const auto &pictures = PictureStore::instance();
    auto box = [this](const char *name, int row, const QRect &place, const QColor &colour) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(indexed(name, row));
        edit->setGeometry(rowPlace(place, row));
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        edit->setFont(uiFont(9));
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, colour);
        edit->setPalette(p);
        edit->hide();
        return edit;
    };
    for (int i = 0; i < lay::rowCount; ++i) {
        Control *name = new Control(this, indexed("lblWorkcenter", i));
        name->setGeometry(rowPlace(lay::workCentre, i));
        name->setFont(uiFont(9, Face::Semilight));
        name->setForeground(lay::workCentreText);
        name->setBackground(lay::workCentreBackground);
        name->setCursor(Qt::PointingHandCursor);
        name->showOnOneLine();
        name->onPress = [this, i](Qt::MouseButton, QPointF) { guarded([&] { ToggleRow(i); }); };
        lblWorkcenter[std::size_t(i)] = name;

        // The tick box of the first row stands at the row's top, the others one lower.
        const QPoint tickAt(lay::tickLeft, lay::rowTop + lay::rowStep * i + (i == 0 ? 0 : 1));
        Control *tick = new Control(this, indexed("chkWcSelect", i));
        tick->setGeometry(QRect(tickAt, PictureStore::tickSize));
        tick->setPicture(pictures.tick(false), unticked);
        tick->setAccessibleName(QStringLiteral("route step, row %1").arg(i + 1));
        tick->setCursor(Qt::PointingHandCursor);
        tick->onPress = [this, i](Qt::MouseButton, QPointF) { guarded([&] { ToggleRow(i); }); };
        tick->hide();
        chkWcSelect[std::size_t(i)] = tick;

        txtSequence[std::size_t(i)] = box("txtSequence", i, lay::sequence, lay::sequenceText);
        txtRunspeed[std::size_t(i)] = box("txtRunspeed", i, lay::runspeed, lay::runspeedText);
        txtMinHrs[std::size_t(i)] = box("txtMinHrs", i, lay::minimum, lay::minimumText);
    }
}

void FrmRoutePath::createNameAndButtons()
{
    const auto &pictures = PictureStore::instance();
    txtPathName = new QLineEdit(this);
    txtPathName->setObjectName(QStringLiteral("txtPathName"));
    txtPathName->setGeometry(lay::pathName);
    txtPathName->setFrame(false);
    txtPathName->setFont(uiFont(9.75));
    QPalette p = txtPathName->palette();
    p.setColor(QPalette::Base, lay::pathNameBackground);
    txtPathName->setPalette(p);

    btnApply = new Control(this, QStringLiteral("btnApply"));
    btnApply->setGeometry(QRect(lay::storeButton, PictureStore::createButtonSize));
    btnApply->setPicture(pictures.button(12));
    btnApply->setAccessibleName(QStringLiteral("apply route type"));
    btnApply->setCursor(Qt::PointingHandCursor);
    btnApply->onPress = [this](Qt::MouseButton, QPointF) { guarded([&] { apply(); }, QStringLiteral("changing the route type")); };
    // Create stands in front of Apply; Apply is reached while Create is hidden.
    btnCreate = new Control(this, QStringLiteral("btnCreate"));
    btnCreate->setGeometry(QRect(lay::storeButton, PictureStore::createButtonSize));
    btnCreate->setPicture(pictures.createButton());
    btnCreate->setAccessibleName(QStringLiteral("create route type"));
    btnCreate->setCursor(Qt::PointingHandCursor);
    btnCreate->onPress = [this](Qt::MouseButton, QPointF) { guarded([&] { create(); }, QStringLiteral("creating the route type")); };
    btnCreate->raise();
}

void FrmRoutePath::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, PictureStore::instance().panel(PictureStore::Panel::RoutePathEditor));
}

void FrmRoutePath::mousePressEvent(QMouseEvent *event)
{
    const QPointF at = event->position();
    if (at.y() < lay::closeZoneBottom && at.x() > lay::closeZoneLeft)
        hide();
}

bool FrmRoutePath::isTicked(int row) const
{
    return chkWcSelect[std::size_t(row)]->pictureId() == ticked;
}

std::vector<int> FrmRoutePath::tickedSlots() const
{
    std::vector<int> rowSlots;
    for (int r = 0; r < lay::rowCount; ++r)
        if (isTicked(r))
            rowSlots.push_back(r + 1);
    return rowSlots;
}

void FrmRoutePath::setTicked(int row, bool tick)
{
    const std::size_t r = std::size_t(row);
    chkWcSelect[r]->setPicture(PictureStore::instance().tick(tick), tick ? ticked : unticked);
    for (QLineEdit *edit : {txtSequence[r], txtRunspeed[r], txtMinHrs[r]})
        edit->setVisible(tick);
}

void FrmRoutePath::resetRows()
{
    const QStringList names = m_host.workCentreNames();
    for (int i = 0; i < lay::rowCount; ++i) {
        const std::size_t r = std::size_t(i);
        lblWorkcenter[r]->setCaption(i < names.size() ? names[i] : QString());
        chkWcSelect[r]->setVisible(i < names.size());
        setTicked(i, false);
        for (QLineEdit *edit : {txtSequence[r], txtRunspeed[r], txtMinHrs[r]})
            edit->clear();
    }
}

void FrmRoutePath::showWorkCentreName(int row, const QString &name)
{
    if (row < 0 || row >= lay::rowCount)
        return;
    lblWorkcenter[std::size_t(row)]->setCaption(name);
    chkWcSelect[std::size_t(row)]->show();
}

void FrmRoutePath::OpenRoutePathEditor(bool newPath, int entry)
{
    resetRows();
    m_entry = newPath ? 99 : entry;
    if (newPath) {
        lblTitle[2]->setCaption(QStringLiteral("New Route path:"));
        btnCreate->show();
        txtPathName->clear();
    } else {
        lblTitle[2]->setCaption(QStringLiteral("Route path:"));
        btnCreate->hide();
        const auto entries = m_host.routeEntries();
        const RoutePathHost::RouteEntry &route = entries.at(std::size_t(entry));
        txtPathName->setText(route.name);
        fillFromRoute(route);
    }
    if (QWidget *main = parentWidget())
        move(main->geometry().topLeft() + lay::placeOverMain);
    show();
    raise();
    activateWindow();
    txtPathName->setFocus();
}

void FrmRoutePath::fillFromRoute(const RoutePathHost::RouteEntry &route)
{
    const auto rates = data::routes::readStoredRates(m_database.rsMain, route.id);
    if (!rates)
        return; // the row is gone: nothing to show; Apply says so
    std::array<int, 10> shown{};
    for (std::size_t j = 0; j < route.steps.size() && j < shown.size(); ++j) {
        const int s = route.steps[j];
        if (s < 1 || s > lay::rowCount)
            break;
        const std::size_t r = std::size_t(s - 1);
        setTicked(s - 1, true);
        shown[j] = s;
        txtSequence[r]->setText(QString::number(j + 1));
        if (const auto &rate = rates->runRate[j])
            txtRunspeed[r]->setText(QString::fromStdString(rate->rounded(3).toString()));
        if (const auto &minimum = rates->minHours[j])
            txtMinHrs[r]->setText(QString::fromStdString(minimum->rounded(2).toString()));
    }
    // The plan shows the route being edited, whatever it showed before.
    m_host.showRouteOnPlan(shown);
}

void FrmRoutePath::ToggleRow(int row)
{
    if (lblWorkcenter[std::size_t(row)]->caption().isEmpty())
        return;
    if (!isTicked(row) && int(tickedSlots().size()) >= data::routes::maxSteps) {
        say(Messages::Icon::Exclamation,
            QStringLiteral("A route has at most %1 steps. Untick a work centre before ticking "
                           "another.")
                .arg(data::routes::maxSteps),
            nullptr);
        return;
    }
    setTicked(row, !isTicked(row));
    std::array<int, 10> steps{};
    const auto rowSlots = tickedSlots();
    for (std::size_t k = 0; k < rowSlots.size() && k < steps.size(); ++k)
        steps[k] = rowSlots[k];
    m_host.showRouteOnPlan(steps);
}

void FrmRoutePath::say(Messages::Icon icon, const QString &message, QWidget *focus)
{
    Messages::current().notify(this, icon, message);
    if (focus)
        focus->setFocus();
}

std::optional<QString> FrmRoutePath::checkedName(int ownEntry)
{
    const QString name = txtPathName->text().trimmed();
    if (name.isEmpty()) {
        say(Messages::Icon::Exclamation, QStringLiteral("Requires route path name"), txtPathName);
        return std::nullopt;
    }
    const auto entries = m_host.routeEntries();
    for (int i = 0; i < int(entries.size()); ++i) {
        if (i != ownEntry && entries[std::size_t(i)].name.compare(name, Qt::CaseInsensitive) == 0) {
            say(Messages::Icon::Critical, QStringLiteral("Duplicate path name"), txtPathName);
            return std::nullopt;
        }
    }
    return name;
}

std::vector<engine::TypedStep> FrmRoutePath::typedSteps() const
{
    std::vector<engine::TypedStep> steps;
    for (int slot : tickedSlots()) {
        const std::size_t r = std::size_t(slot - 1);
        steps.push_back({slot, txtSequence[r]->text().toStdString(),
                         txtRunspeed[r]->text().toStdString(), txtMinHrs[r]->text().toStdString()});
    }
    return steps;
}

std::optional<std::vector<data::routes::Step>> FrmRoutePath::checkedSteps()
{
    const engine::RoutePlan plan = engine::planRoute(typedSteps());
    if (const auto &problem = plan.problem) {
        const std::size_t r = std::size_t(problem->slot - 1);
        QLineEdit *box =
            problem->field == engine::StepField::RunRate ? txtRunspeed[r] : txtMinHrs[r];
        say(Messages::Icon::Exclamation,
            QStringLiteral("The %1 of %2, \"%3\", %4. Nothing was stored.")
                .arg(fieldName(problem->field), lblWorkcenter[r]->caption(),
                     QString::fromStdString(problem->text), faultText(problem->fault)),
            box);
        box->selectAll();
        return std::nullopt;
    }
    return plan.steps;
}

void FrmRoutePath::renumber(const std::vector<data::routes::Step> &steps)
{
    for (std::size_t k = 0; k < steps.size(); ++k)
        txtSequence[std::size_t(steps[k].slot - 1)]->setText(QString::number(k + 1));
}

namespace {

RoutePathHost::RouteEntry storedEntry(const QString &name, std::int64_t id,
                                      const std::vector<data::routes::Step> &steps)
{
    RoutePathHost::RouteEntry entry{name, id, {}};
    for (const auto &step : steps)
        entry.steps.push_back(step.slot);
    return entry;
}

} // namespace

void FrmRoutePath::create()
{
    const auto name = checkedName(-1);
    if (!name || tickedSlots().empty())
        return;
    const auto entries = m_host.routeEntries();
    int free = -1;
    for (int i = 0; i < int(entries.size()) && free < 0; ++i)
        if (entries[std::size_t(i)].name.isEmpty())
            free = i;
    if (free < 0) {
        say(Messages::Icon::Exclamation,
            QStringLiteral("The route-types list is full: it holds %1 route types. Nothing was "
                           "stored.")
                .arg(entries.size()),
            txtPathName);
        return;
    }
    const auto steps = checkedSteps();
    if (!steps)
        return;
    std::int64_t id = 0;
    {
        const WaitCursor wait;
        id = data::routes::createRoute(m_database.rsEdit, free + 1, name->toStdString(), *steps);
    }
    m_host.setRouteEntry(free, storedEntry(*name, id, *steps));
    m_host.selectRouteEntry(free);
    renumber(*steps);
    hide();
}

void FrmRoutePath::apply()
{
    const auto entries = m_host.routeEntries();
    if (m_entry < 0 || m_entry >= int(entries.size()))
        return;
    const auto name = checkedName(m_entry);
    if (!name || tickedSlots().empty())
        return;
    const auto steps = checkedSteps();
    if (!steps)
        return;
    const RoutePathHost::RouteEntry &route = entries[std::size_t(m_entry)];
    bool stored = false;
    {
        const WaitCursor wait;
        stored = data::routes::applyRoute(m_database.rsEdit, route.id, name->toStdString(), *steps);
    }
    if (!stored) {
        say(Messages::Icon::Exclamation,
            QStringLiteral("The route type \"%1\" is no longer in the database. Nothing was "
                           "stored.")
                .arg(route.name),
            txtPathName);
        return;
    }
    m_host.setRouteEntry(m_entry, storedEntry(*name, route.id, *steps));
    renumber(*steps);
    hide();
}
