#include "mainwindow/work_centre_editor.h"

#include "data/plant.h"
#include "dbaccess/startup.h"
#include "engine/typed_number.h"
#include "mainwindow/control.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/guard.h"
#include "pictures/picture_store.h"
#include "platform/fonts.h"
#include "platform/wait_cursor.h"

#include <QBitmap>
#include <QLineEdit>

namespace {

constexpr int maxWorkCentres = 20;
const QPoint saveAtExisting(139, 486); // btnMenu(7) for a stored work centre
const QPoint saveAtNew(62, 419);       // btnMenu(7) just below the name of a new one
const QPoint newIconAt(930, 24);

const dbaccess::Decimal zero;
const dbaccess::Decimal hoursPerDayAtMost = dbaccess::Decimal::fromInt(24);
const dbaccess::Decimal rateAtMost = *dbaccess::Decimal::parse("999999.999"); // numeric(9,3)

QString shortest(const dbaccess::Decimal &value, int places)
{
    return QString::fromStdString(value.rounded(places).toString());
}

Control *label(QWidget *parent, const char *name, QRect place, const QString &caption)
{
    auto *control = new Control(parent, QLatin1String(name));
    control->setGeometry(place);
    control->setFont(uiFont(9));
    control->setCaption(caption);
    return control;
}

QLineEdit *box(QWidget *parent, const char *name, QRect place, const QColor &colour)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(place);
    edit->setFrame(false);
    edit->setFont(uiFont(9.75));
    if (colour.isValid()) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, colour);
        edit->setPalette(p);
    }
    return edit;
}

} // namespace

WorkCentreEditor::WorkCentreEditor(FrmMain &window, Control *panel, Control *fields)
    : w(window), m_panel(panel)
{
    const auto &pictures = PictureStore::instance();
    for (int k = 0; k < PictureStore::iconStyleCount; ++k) {
        auto *icon = new Control(panel, QStringLiteral("imgRobot_%1").arg(k));
        icon->setGeometry(8 + 85 * (k % 5), 36 + 80 * (k / 5), 75, 75);
        // The icons keep the plan's key colour where they are clear; the grid shows
        // them clear.
        QPixmap picture = pictures.robot(k);
        picture.setMask(picture.createMaskFromColor(QColor(PictureStore::transparentColour),
                                                    Qt::MaskInColor));
        icon->setPicture(picture, k);
        icon->setAccessibleName(QStringLiteral("icon style %1").arg(k + 1));
        icon->setCursor(Qt::PointingHandCursor);
        icon->setFrameShape(QFrame::NoFrame);
        icon->onPress = [this, k](Qt::MouseButton, QPointF) { ChooseIcon(k); };
        imgRobot[std::size_t(k)] = icon;
    }

    w.lblTitle[11] = label(panel, "lblTitle_11", QRect(20, 376, 120, 16), QStringLiteral("name"));
    txtWcname = box(panel, "txtWcname", QRect(18, 392, 127, 21), QColor());
    txtWcname->setAccessibleName(QStringLiteral("work-centre name"));

    w.lblTitle[9] =
        label(fields, "lblTitle_9", QRect(8, 9, 62, 16), QStringLiteral("hours/day:"));
    txtWorkhours = box(fields, "txtWorkhours", QRect(70, 7, 33, 21), QColor(0, 128, 0));
    txtWorkhours->setAlignment(Qt::AlignCenter);
    txtWorkhours->setText(QStringLiteral("8"));
    txtWorkhours->setAccessibleName(QStringLiteral("hours per day"));
    w.lblTitle[12] =
        label(fields, "lblTitle_12", QRect(8, 34, 62, 16), QStringLiteral("runspeed"));
    w.lblTitle[12]->setToolTip(QStringLiteral("standard production rate per hour"));
    txtRunspeed = box(fields, "txtRunspeed", QRect(70, 32, 59, 21), QColor(128, 0, 128));
    txtRunspeed->setAlignment(Qt::AlignCenter);
    txtRunspeed->setText(QStringLiteral("100000"));
    txtRunspeed->setAccessibleName(QStringLiteral("standard production rate per hour"));
    w.lblTitle[13] =
        label(fields, "lblTitle_13", QRect(135, 34, 80, 16), QStringLiteral("units per hour"));

    const char *days[2] = {"Sat", "Sun"};
    for (int k = 0; k < 2; ++k) {
        auto *tick = new Control(fields, QStringLiteral("chkWeekend_%1").arg(k));
        tick->setGeometry(122 + 45 * k, 10, 14, 14);
        tick->setAccessibleName(k == 0 ? QStringLiteral("works on Saturdays")
                                       : QStringLiteral("works on Sundays"));
        tick->setCursor(Qt::PointingHandCursor);
        tick->onPress = [this, k](Qt::MouseButton, QPointF) { toggleWeekend(k); };
        chkWeekend[std::size_t(k)] = tick;
        auto *caption = label(fields, k == 0 ? "lblWeekend_0" : "lblWeekend_1",
                              QRect(140 + 45 * k, 9, 26, 16), QLatin1String(days[k]));
        caption->setCursor(Qt::PointingHandCursor);
        caption->onPress = [this, k](Qt::MouseButton, QPointF) { toggleWeekend(k); };
        lblWeekend[std::size_t(k)] = caption;
        setWeekend(k, false);
    }
}

bool WorkCentreEditor::isOpen() const { return !m_panel->isHidden(); }

void WorkCentreEditor::OpenWorkCentreEditor()
{
    w.btnMenu[12]->hide();
    w.pnlMenu[2]->hide();
    m_panel->show();
    w.btnMenu[7]->move(saveAtExisting);
    w.btnMenu[10]->setVisible(w.iconHolderCount() < maxWorkCentres);
    FillWorkCentreEditor();
}

void WorkCentreEditor::FillWorkCentreEditor()
{
    Global &g = w.global();
    if (!g.isSlot(g.selectedWc))
        return;
    const std::size_t s = std::size_t(g.selectedWc - 1);
    const data::WorkCentre &wc = g.wcTable[s];
    txtWcname->setText(w.lblWcName[s]->caption());
    txtWorkhours->setText(shortest(wc.dailyHours, 2));
    setWeekend(0, wc.saturdayWorked != 0);
    setWeekend(1, wc.sundayWorked != 0);
    txtRunspeed->setText(shortest(wc.runRate.value_or(zero), 3));
    ChooseIcon(g.wcIconStyle[s]);
}

void WorkCentreEditor::ChooseIcon(int k)
{
    for (Control *icon : imgRobot) {
        icon->setFrameShape(QFrame::NoFrame);
        icon->setLineWidth(1);
    }
    imgRobot[std::size_t(k)]->setFrameShape(QFrame::Box);
    m_pickedIconStyle = k;
}

bool WorkCentreEditor::weekendTicked(int k) const
{
    return chkWeekend[std::size_t(k)]->pictureId() == 1;
}

void WorkCentreEditor::setWeekend(int k, bool ticked)
{
    chkWeekend[std::size_t(k)]->setPicture(PictureStore::instance().tick(ticked), ticked ? 1 : 0);
}

void WorkCentreEditor::toggleWeekend(int k) { setWeekend(k, !weekendTicked(k)); }

void WorkCentreEditor::refuse(const QString &field, const QString &typed, const QString &allowed)
{
    showProblem(&w, QStringLiteral("%1: \"%2\" is not %3. Nothing was saved.")
                        .arg(field, typed, allowed));
}

void WorkCentreEditor::Save()
{
    Global &g = w.global();
    if (!g.isSlot(g.selectedWc))
        return;
    const std::size_t s = std::size_t(g.selectedWc - 1);

    // Check first: a refused value changes nothing, in the database or on the window.
    const auto hours =
        engine::readTypedNumber(txtWorkhours->text().toStdString(), zero, hoursPerDayAtMost, 2);
    if (!hours.accepted()) {
        refuse(QStringLiteral("Hours per day"), txtWorkhours->text(),
               QStringLiteral("a number of hours from 0 to 24"));
        return;
    }
    const auto rate =
        engine::readTypedNumber(txtRunspeed->text().toStdString(), zero, rateAtMost, 3);
    if (!rate.accepted()) {
        refuse(QStringLiteral("Runspeed"), txtRunspeed->text(),
               QStringLiteral("a rate from 0 to 999999.999 units per hour"));
        return;
    }

    data::WorkCentreEdit edit;
    edit.id = g.wcTable[s].id;
    edit.iconStyle = m_pickedIconStyle;
    edit.name = txtWcname->text().toStdString();
    edit.dailyHours = hours.stored;
    edit.saturdayWorked = weekendTicked(0) ? 1 : 0;
    edit.sundayWorked = weekendTicked(1) ? 1 : 0;
    edit.runRate = rate.stored;
    edit.posX = g.wcPosX[s];
    edit.posY = g.wcPosY[s];

    // Then write; the window shows the values once the row holds them.
    const WaitCursor wait;
    const std::int64_t id = data::saveWorkCentre(*g.database, edit);

    data::WorkCentre &wc = g.wcTable[s];
    wc.id = id;
    wc.iconStyle = edit.iconStyle;
    wc.name = edit.name;
    wc.dailyHours = hours.value; // as typed: 7.123 is held as 7.123, stored as 7.12
    wc.saturdayWorked = edit.saturdayWorked;
    wc.sundayWorked = edit.sundayWorked;
    wc.runRate = rate.value;
    wc.posX = edit.posX;
    wc.posY = edit.posY;
    g.wcIconStyle[s] = edit.iconStyle;
    w.showWorkCentreName(int(s), txtWcname->text());
    w.RedrawFloorPlan();
    w.RefreshJobList(true);
    w.btnMenu[7]->move(saveAtExisting);
}

void WorkCentreEditor::NewWorkCentre()
{
    if (w.iconHolderCount() >= maxWorkCentres)
        return;
    txtWcname->clear();
    const int k = w.addWorkCentreSlot(newIconAt, m_pickedIconStyle);
    w.global().selectedWc = k + 1;
    txtWcname->setFocus();
    w.btnMenu[7]->move(saveAtNew);
    w.btnMenu[10]->setVisible(w.iconHolderCount() < maxWorkCentres);
}
