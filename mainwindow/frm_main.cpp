#include "mainwindow/frm_main.h"

#include "mainwindow/floor_canvas.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "mainwindow/route_types_panel.h"
#include "mainwindow/work_centre_editor.h"
#include "mainwindow/order_detail_panel.h"
#include "mainwindow/search_list.h"
#include "pictures/picture_store.h"
#include "platform/fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QRect rowPlace(const QRect &row0, int row)
{
    return row0.translated(0, layout::rowStep * row);
}

// What a command does, for a message that says it was not done.
QString commandName(int index)
{
    switch (index) {
    case 3: return QStringLiteral("opening the work-centre editor");
    case 4: return QStringLiteral("moving or removing the ticked jobs");
    case 5: return QStringLiteral("showing the dispatch list");
    case 6: return QStringLiteral("showing the production list");
    case 7: return QStringLiteral("saving the work centre");
    case 8: return QStringLiteral("listing the materials to buy");
    case 10: return QStringLiteral("adding a work centre");
    case 12: return QStringLiteral("assigning the route type");
    case 13: return QStringLiteral("starting a new route type");
    case 14: return QStringLiteral("showing the load forecast");
    case 16: return QStringLiteral("opening the route types");
    case 17: return QStringLiteral("editing the route type");
    case 18: return QStringLiteral("saving the run hours and comment");
    default: return QString();
    }
}

} // namespace

FrmMain::FrmMain(Global &global, QWidget *parent) : QWidget(parent), g(global)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Brontalo"));
    setFixedSize(layout::window);
    setFont(uiFont(9));
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);

    createCanvas();
    createCalendarStrip();
    createJobList();
    createPanels();
    createCapacityPanel();
    createButtons();
    connectRowEvents();
    m_workCentreEditor = std::make_unique<WorkCentreEditor>(*this, pnlMenu[1], pnlMenu[4]);
    m_connectionWatch.database = g.database;
    m_connectionWatch.showAfresh = [this] { showAfterReconnect(); };
    watchConnection(&m_connectionWatch);
}

FrmMain::~FrmMain() { watchConnection(nullptr); }

Control *FrmMain::makeControl(QWidget *parent, const QString &name, const QRect &place)
{
    auto *control = new Control(parent, name);
    control->setGeometry(place);
    return control;
}

Control *FrmMain::makePicture(QWidget *parent, const QString &name, QPoint at,
                              const QPixmap &picture)
{
    auto *control = makeControl(parent, name, QRect(at, picture.size()));
    control->setPicture(picture);
    return control;
}

Control *FrmMain::makeButton(int index, QWidget *parent, QPoint at, const QString &accessibleName)
{
    const QPixmap face = PictureStore::instance().button(index);
    auto *button = makePicture(parent, indexed("btnMenu", index), at, face);
    button->setAccessibleName(accessibleName);
    button->setCursor(Qt::PointingHandCursor);
    // Buttons stand in front of what their container held before, one over the other
    // in the order they are made.
    button->raise();
    btnMenu[index] = button;
    return button;
}

void FrmMain::guarded(const std::function<void()> &work, const QString &action)
{
    runGuarded(this, work, action);
}

void FrmMain::createCanvas()
{
    picCanvas = new FloorCanvas(this);
    picCanvas->setGeometry(layout::canvas);
    picCanvas->layer() = PictureStore::instance().floorPlan();
    picCanvas->onPress = [this](Qt::MouseButton b, QPointF at) {
        guarded([&] { canvasPress(b, at); }, QStringLiteral("the press on the floor plan"));
    };
    picCanvas->onMove = [this](Qt::MouseButtons b, QPointF at) {
        guarded([&] { canvasMove(b, at); },
                QStringLiteral("showing the work centre under the pointer"));
    };
    picCanvas->onRelease = [this](Qt::MouseButton b, QPointF at) {
        guarded([&] { canvasRelease(b, at); },
                QStringLiteral("storing the work centre's place"));
    };

    lblTitle[8] = makeControl(picCanvas, indexed("lblTitle", 8), layout::viewedWorkCentre);
    lblTitle[8]->setFont(uiFont(11, Face::Semibold));
    lblTitle[8]->setForeground(QColor(64, 64, 64));
    lblTitle[8]->setCaption(QStringLiteral("d-mmm"));
    lblTitle[8]->showOnOneLine();
}

void FrmMain::createCalendarStrip()
{
    const auto &pictures = PictureStore::instance();
    for (int i = 0; i < engine::calendarSlotCount; ++i) {
        const QPoint at(layout::dayBlockLeft + layout::dayBlockStep * i, layout::dayBlockTops[i]);
        imgDayBlock[i] = makePicture(picCanvas, indexed("imgDayBlock", i), at, pictures.dayBlock(2));
        imgDayBlock[i]->setAccessibleName(QStringLiteral("calendar slot %1").arg(i));
        imgDayBlock[i]->setCursor(Qt::PointingHandCursor);
        imgDayBlock[i]->onMove = [this, i](Qt::MouseButtons, QPointF) {
            guarded([&] { chooseDaySlot(i); }, QStringLiteral("choosing the calendar day"));
        };
        imgDayBlock[i]->onPress = [this](Qt::MouseButton, QPointF) {
            guarded([&] { toggleDayLock(); });
        };

        const QPoint caption = i == 0 ? QPoint(430, 740) : at + QPoint(10, 35);
        lblCalBlock[i] = makeControl(picCanvas, indexed("lblCalBlock", i),
                                     QRect(caption, layout::slotCaptionSize));
        lblCalBlock[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        lblCalBlock[i]->onMove = [this, i](Qt::MouseButtons, QPointF) {
            guarded([&] { chooseDaySlot(i); }, QStringLiteral("choosing the calendar day"));
        };

        const QPoint capacity = i == 0 ? QPoint(428, 690) : at + QPoint(8, -15);
        const QPoint free = i == 0 ? QPoint(428, 670) : at + QPoint(8, -30);
        lblBlockCapacity[i] = makeControl(picCanvas, indexed("lblBlockCapacity", i),
                                          QRect(capacity, layout::slotNumberSize));
        lblBlockCapacity[i]->setFont(uiFont(8));
        lblBlockCapacity[i]->setForeground(QColor(96, 96, 96));
        lblBlockAvailHrs[i] = makeControl(picCanvas, indexed("lblBlockAvailHrs", i),
                                          QRect(free, layout::slotNumberSize));
        lblBlockAvailHrs[i]->setFont(uiFont(8));
        lblBlockAvailHrs[i]->setForeground(QColor(0, 192, 0));
    }
    // The last block stops at the canvas edge.
    imgDayBlock[22]->resize(22, layout::dayBlockSize.height());

    pnlMenu[0] = makeControl(picCanvas, indexed("pnlMenu", 0), layout::chooser);
    pnlMenu[0]->setPicture(pictures.panel(PictureStore::Panel::Chooser));
    pnlMenu[0]->setBackground(Qt::white);
    pnlMenu[0]->hide();
    for (int index : {6, 7}) {
        const QRect place(0, index == 6 ? 0 : 27, layout::chooser.width(), 27);
        lblTitle[index] = makeControl(pnlMenu[0], indexed("lblTitle", index), place);
        lblTitle[index]->setFont(uiFont(12));
        lblTitle[index]->setCaption(index == 6 ? QStringLiteral(" daily") : QStringLiteral(" weekly"));
        lblTitle[index]->setBackground(index == 6 ? QColor(235, 235, 235) : QColor(255, 255, 255));
        lblTitle[index]->setCursor(Qt::PointingHandCursor);
        lblTitle[index]->onPress = [this, index](Qt::MouseButton, QPointF) {
            guarded([&] { chooseCalendarMode(index); },
                    QStringLiteral("switching between days and weeks"));
        };
        lblTitle[index]->onMove = [this, index](Qt::MouseButtons, QPointF) {
            hoverCalendarMode(index);
        };
    }
}

void FrmMain::createJobList()
{
    const auto &pictures = PictureStore::instance();
    for (int r = 0; r < layout::rowCount; ++r) {
        imgRowCheck[r] = makePicture(this, indexed("imgRowCheck", r),
                                     rowPlace(layout::rowCheck, r).topLeft(), pictures.rowTick());
        imgRowCheck[r]->setAccessibleName(QStringLiteral("tick row %1").arg(r + 1));
        imgRowCheck[r]->hide();
        lblRowSO[r] = makeControl(this, indexed("lblRowSO", r), rowPlace(layout::rowOrder, r));
        lblRowDue[r] = makeControl(this, indexed("lblRowDue", r), rowPlace(layout::rowDue, r));
        lblRowQty[r] = makeControl(this, indexed("lblRowQty", r), rowPlace(layout::rowQuantity, r));
        lblRowQty[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblRowHrs[r] = makeControl(this, indexed("lblRowHrs", r), rowPlace(layout::rowHours, r));
        lblRowHrs[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblRowSeq[r] = makeControl(this, indexed("lblRowSeq", r), rowPlace(layout::rowPosition, r));
        lblRowSeq[r]->setAlignment(Qt::AlignCenter);
        lblRowSeq[r]->setBackground(Qt::white);
        lblRowDesc[r] =
            makeControl(this, indexed("lblRowDesc", r), rowPlace(layout::rowDescription, r));
        lblRowCust[r] = makeControl(this, indexed("lblRowCust", r), rowPlace(layout::rowCustomer, r));
        lblRowNote[r] = makeControl(this, indexed("lblRowNote", r), rowPlace(layout::rowNote, r));
        lblRowNote[r]->setForeground(QColor(64, 64, 64));
        imgStatus[r] = makePicture(this, indexed("imgStatus", r),
                                   rowPlace(layout::rowStatus, r).topLeft(), pictures.status(3));
        imgStatus[r]->setPicture(pictures.status(3), 3);
        imgStatus[r]->setAccessibleName(QStringLiteral("job status, row %1").arg(r + 1));
        imgStatus[r]->hide();
        for (Control *cell : {lblRowSO[r], lblRowDesc[r], lblRowNote[r], lblRowHrs[r]})
            cell->setCursor(Qt::PointingHandCursor);
        for (Control *cell : {lblRowSO[r], lblRowDesc[r], lblRowCust[r], lblRowNote[r]})
            cell->showOnOneLine();
    }
    lblRowTotal = makeControl(this, QStringLiteral("lblRowTotal"), layout::rowTotal);
    lblRowTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblRowTotal->setFont(uiFont(9, Face::Semibold));

    lblTitle[0] = makeControl(this, indexed("lblTitle", 0), layout::listTitle);
    lblTitle[0]->setFont(uiFont(11.25, Face::Semilight));
    lblTitle[0]->setCaption(QStringLiteral("sales order"));
    lblTitle[4] = makeControl(this, indexed("lblTitle", 4), layout::dayTitle);
    lblTitle[4]->setCaption(QStringLiteral("d-mmm"));
    lblTitle[4]->hide();
    lblTitle[5] = makeControl(this, indexed("lblTitle", 5), layout::listSubtitle);
    lblTitle[5]->setFont(uiFont(14, Face::Semilight));
    lblTitle[5]->setForeground(QColor(128, 128, 128));
    lblTitle[5]->setCaption(QStringLiteral("d-mmm"));
    lblTitle[16] = makeControl(this, indexed("lblTitle", 16), layout::companyTitle);
    lblTitle[16]->setFont(uiFont(11, Face::Semilight));
    lblTitle[16]->setForeground(QColor(64, 64, 64));
    lblTitle[16]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTitle[16]->setCaption(QStringLiteral("sitename"));
    for (int index : {0, 5, 16})
        lblTitle[index]->showOnOneLine();

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setGeometry(layout::searchBox);
    txtSearch->setFrame(false);
    txtSearch->setFont(uiFont(9));
    txtSearch->setText(QStringLiteral("Search.."));
    txtSearch->setStyleSheet(QStringLiteral("color: rgb(192,192,192); background: transparent;"));
    txtSearch->setFocusPolicy(Qt::ClickFocus); // the prompt stays until the box is clicked

    txtRunHrs = new QLineEdit(this);
    txtRunHrs->setObjectName(QStringLiteral("txtRunHrs"));
    txtRunHrs->setGeometry(layout::runHoursBox);
    txtRunHrs->setAlignment(Qt::AlignCenter);
    txtRunHrs->hide();
    txtComment = new QLineEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    txtComment->setGeometry(layout::commentBox);
    txtComment->setMaxLength(100);
    txtComment->hide();

    imgAlert[2] = makePicture(this, indexed("imgAlert", 2), layout::reorderArrows.topLeft(),
                              pictures.reorderArrows());
    imgAlert[2]->setAccessibleName(QStringLiteral("move job up or down"));
    imgAlert[2]->hide();
}

void FrmMain::createPanels()
{
    const auto &pictures = PictureStore::instance();
    using Panel = PictureStore::Panel;
    auto panel = [&](const QString &name, const QRect &place, Panel picture) {
        Control *p = makeControl(this, name, place);
        p->setPicture(pictures.panel(picture));
        p->hide();
        return p;
    };
    pnlMenu[1] = panel(indexed("pnlMenu", 1), layout::workCentreEditor, Panel::WorkCentreEditor);
    routeTypes = std::make_unique<RouteTypesPanel>(*this, g);
    pnlMenu[2] = routeTypes->pnlMenu;
    lblTitle[10] = routeTypes->lblTitle;
    lblRoutePath = routeTypes->lblRoutePath;
    m_searchList = new SearchList(*this, txtSearch);
    pnlMenu[3] = m_searchList->pnlMenu3;
    lblSearchList = m_searchList->lblSearchList;
    pnlMenu[5] = panel(indexed("pnlMenu", 5), layout::moveTo, Panel::MoveTo);
    pnlMenu[4] = makeControl(pnlMenu[1], indexed("pnlMenu", 4), layout::editorFields);
    pnlMenu[4]->setPicture(pictures.panel(Panel::EditorFields));
    for (int index : {1, 2, 3, 5}) {
        pnlMenu[index]->onPress = [this, index](Qt::MouseButton, QPointF fine) {
            guarded([&] { panelPress(index, fine / Control::fineUnitsPerPixel); });
        };
    }
    pnlRawmat = panel(QStringLiteral("pnlRawmat"), layout::materialsHeader, Panel::Materials);
    m_orderDetail = new OrderDetailPanel(*this);
    imgJobPanel = m_orderDetail->imgJobPanel;
    lblTitle[1] = m_orderDetail->lblTitle1;
    lblTitle[2] = m_orderDetail->lblTitle2;
    lblTitle[17] = m_orderDetail->lblTitle17;
    lblComponent = m_orderDetail->lblComponent;
    lblBomQty = m_orderDetail->lblBomQty;
    lblBomUom = m_orderDetail->lblBomUom;
    pnlDispatchCover =
        panel(QStringLiteral("pnlDispatchCover"), layout::dispatchCover, Panel::DispatchCover);

    lblTitle[15] = makeControl(pnlMenu[5], indexed("lblTitle", 15), QRect(50, 4, 150, 24));
    lblTitle[15]->setFont(uiFont(12, Face::Semilight));
    lblTitle[15]->setCaption(QStringLiteral("Move to:"));
    for (int e = 0; e < layout::moveEntryCount; ++e) {
        lblMovePath[e] = makeControl(pnlMenu[5], indexed("lblMovePath", e),
                                     layout::moveEntry.translated(0, layout::panelEntryStep * e));
        lblMovePath[e]->setFont(uiFont(11.25, Face::Semilight));
        lblMovePath[e]->setBackground(layout::panelEntryBackground);
        lblMovePath[e]->setCursor(Qt::PointingHandCursor);
        lblMovePath[e]->showOnOneLine();
    }
}

void FrmMain::createCapacityPanel()
{
    const auto &pictures = PictureStore::instance();
    pnlGantt = makeControl(this, QStringLiteral("pnlGantt"), layout::capacityPanel);
    pnlGantt->setPicture(pictures.panel(PictureStore::Panel::Capacity));
    pnlGantt->hide();
    pnlGantt->onPress = [this](Qt::MouseButton, QPointF) { pnlGantt->hide(); };

    const int f = Control::fineUnitsPerPixel;
    imgAlert[0] = makePicture(pnlGantt, indexed("imgAlert", 0),
                              QPoint(layout::weekendBandDesignLeftFine / f,
                                     layout::weekendBandTopFine / f),
                              pictures.weekendBand());
    imgAlert[0]->lower();
    imgAlert[0]->setAccessibleName(QStringLiteral("weekend bands"));
    lblTitle[3] = makeControl(pnlGantt, indexed("lblTitle", 3), QRect(1215 / f, 30 / f, 150, 20));
    lblTitle[3]->setFont(uiFont(11, Face::Semibold));
    lblTitle[3]->setCaption(QStringLiteral("February"));
    lblTitle[14] = makeControl(pnlGantt, indexed("lblTitle", 14), QRect(1215 / f, 30 / f, 150, 20));
    lblTitle[14]->setFont(uiFont(11, Face::Semibold));
    lblTitle[14]->setForeground(QColor(192, 192, 192));
    lblTitle[14]->setCaption(QStringLiteral("March"));
    for (int d = 0; d < engine::calendarSlotCount; ++d) {
        lblGanttDate[d] = makeControl(
            pnlGantt, indexed("lblGanttDate", d),
            QRect((layout::ganttDateLeftFine + layout::ganttDateStepFine * d) / f,
                  layout::ganttDateTopFine / f, 24, 14));
        lblGanttDate[d]->setFont(uiFont(8.25));
    }
}

void FrmMain::createButtons()
{
    const auto &pictures = PictureStore::instance();
    Control *logo = makeButton(0, picCanvas, QPoint(58, 2), QStringLiteral("sales order intake"));
    logo->setPicture(pictures.menuLogo(0), 0);
    logo->onMove = [this](Qt::MouseButtons, QPointF) { guarded([&] { logoHover(); },
                QStringLiteral("the planning run and the list of pending sales orders")); };
    makeButton(3, picCanvas, QPoint(9, 79), QStringLiteral("work centre editor"));
    makeButton(16, picCanvas, QPoint(9, 124), QStringLiteral("route types"));
    makeButton(8, picCanvas, QPoint(3, 774), QStringLiteral("materials purchase requirements"));
    makeButton(6, picCanvas, QPoint(7, 840), QStringLiteral("production list"));
    makeButton(5, picCanvas, QPoint(990, 890), QStringLiteral("dispatch"));
    makeButton(4, this, QPoint(1835, 70), QStringLiteral("move or remove ticked jobs"))->hide();
    makeButton(9, this, QPoint(1317, 105), QStringLiteral("column titles"))->hide();
    makeButton(14, this, QPoint(1000, 28), QStringLiteral("load forecast"))
        ->setToolTip(QStringLiteral("project gantt"));
    makeButton(18, this, layout::runHoursBox.topLeft() + QPoint(55, 0),
               QStringLiteral("save run hours and comment"))
        ->hide();
    makeButton(7, pnlMenu[1], QPoint(139, 486), QStringLiteral("apply work centre"));
    makeButton(10, pnlMenu[1], QPoint(272, 486), QStringLiteral("add work centre"));
    makeButton(11, pnlMenu[1], QPoint(346, 486), QStringLiteral("remove work centre"))->hide();
    // The route-types panel made its own buttons (12, 13, 17).
    for (auto [index, button] : btnMenu) {
        button->onPress = [this, index = index](Qt::MouseButton, QPointF at) {
            guarded([&] { pressMenu(index, at); }, commandName(index));
        };
    }
}

void FrmMain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, PictureStore::instance().windowBackground());
}

void FrmMain::mousePressEvent(QMouseEvent *event)
{
    guarded([&] { windowPress(event->position()); },
            QStringLiteral("the press beside the job list"));
}

bool FrmMain::productionListMode() const { return !imgStatus[0]->isHidden(); }

void FrmMain::hideStatusPictures()
{
    for (Control *status : imgStatus)
        status->hide();
}


void FrmMain::OpenWorkCentreEditor() { m_workCentreEditor->OpenWorkCentreEditor(); }
void FrmMain::FillWorkCentreEditor() { m_workCentreEditor->FillWorkCentreEditor(); }
