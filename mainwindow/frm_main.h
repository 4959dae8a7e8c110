#pragma once

#include "mainwindow/control.h"
#include "engine/auto_schedule.h"
#include "mainwindow/global.h"
#include "mainwindow/guard.h"

#include <QLineEdit>
#include <QWidget>

#include <array>
#include <map>
#include <memory>
#include <vector>

class FloorCanvas;
class RouteTypesPanel;
class WorkCentreEditor;
class OrderDetailPanel;
class SearchList;
struct FloorPlanScene;

// The main window: the floor plan with the calendar strip, the job list, the capacity
// panel and the pop-up panels. Its controls carry the names the program documents them
// by ("lblRowSO_3"); the handlers live in one file per area of the window.
class FrmMain final : public QWidget
{
    Q_OBJECT

public:
    explicit FrmMain(Global &global, QWidget *parent = nullptr);
    ~FrmMain() override;

    // Reads the active work centres and route types and lays out what depends on them.
    void Load();

    // Shared routines.
    void RefreshJobList(bool resetWcLabels);
    void RedrawFloorPlan();
    // Shows a route type on the plan: the icons of these slots highlighted and joined by
    // lines in this order, no date labels and no highlight under the selected work centre.
    void showRouteTypeOnPlan(const std::array<int, 10> &steps);
    void FillCalendarStrip();
    void LoadSearchList();
    FloorPlanScene floorPlanScene() const;

    // Calendar strip events.
    void chooseDaySlot(int index);
    void toggleDayLock();
    void chooseCalendarMode(int titleIndex);
    void hoverCalendarMode(int titleIndex);

    // Floor plan events, in canvas pixels.
    void canvasPress(Qt::MouseButton button, QPointF at);
    void canvasMove(Qt::MouseButtons buttons, QPointF at);
    void canvasRelease(Qt::MouseButton button, QPointF at);
    int FindIconAt(double x, double y) const;
    void panelPress(int index, QPointF at);
    // Press on the window's own background, in window pixels.
    void windowPress(QPointF at);
    // Pointer over the sales-order logo: back to the pending lines, planning them first.
    void logoHover();
    // After a planning run: the search entries follow it, and lines it could not plan
    // are named with the reason.
    void afterPlanning(const engine::AutoScheduleResult &planned);

    // Row actions.
    void SelectJobRow(int row);
    void openRunHoursBox(int row);
    void openCommentBox(int row);
    void nextStatus(int row);
    void placeReorderArrows(int row);
    void reorder(bool down);
    void highlightMoveEntry(int entry);
    void moveTickedJobs(int entry);

    // The commands of the btnMenu images, by index; `at` is the press in the
    // button's fine units.
    void pressMenu(int index, QPointF at);
    void saveRunHoursAndComment();
    void removeOrMoveTickedJobs(QPointF at);
    void showProductionList();
    void showDispatch();
    void toggleLoadForecast();
    void ForecastLoad();
    void ListMaterialRequirements();

    // The work-centre editor (pnlMenu(1)).
    void OpenWorkCentreEditor();
    void FillWorkCentreEditor();
    // A new work-centre slot with its icon at `iconAt`, not stored yet: its labels are
    // made and every per-slot table grows by one. Returns its index (slot − 1).
    int addWorkCentreSlot(QPoint iconAt, int iconStyle);
    // Shows a work centre's name wherever work-centre names are shown.
    void showWorkCentreName(int slotIndex, const QString &name);

    bool productionListMode() const;
    void hideStatusPictures();
    int iconHolderCount() const { return int(m_iconFocused.size()); }
    bool iconHighlighted(int slotIndex) const { return m_iconFocused.at(std::size_t(slotIndex)); }
    void setIconHighlighted(int slotIndex, bool highlighted);
    FloorCanvas *canvas() const { return picCanvas; }
    WorkCentreEditor &workCentreEditor() { return *m_workCentreEditor; }
    OrderDetailPanel *orderDetail() const { return m_orderDetail; }
    SearchList *searchList() const { return m_searchList; }
    Global &global() { return g; }

    // Controls, by the names the program documents them by.
    FloorCanvas *picCanvas = nullptr;
    std::array<Control *, 27> imgRowCheck{}, lblRowSO{}, lblRowDue{}, lblRowQty{}, lblRowHrs{},
        lblRowSeq{}, lblRowDesc{}, imgStatus{}, lblRowCust{}, lblRowNote{};
    Control *lblRowTotal = nullptr;
    std::array<Control *, 18> lblTitle{};
    std::map<int, Control *> btnMenu;
    std::array<Control *, 6> pnlMenu{};
    Control *pnlGantt = nullptr;
    Control *imgJobPanel = nullptr;
    Control *pnlRawmat = nullptr;
    Control *pnlDispatchCover = nullptr;
    std::array<Control *, 3> imgAlert{}; // 0 weekend band, 2 reorder arrows
    std::array<Control *, 23> imgDayBlock{}, lblCalBlock{}, lblBlockCapacity{},
        lblBlockAvailHrs{}, lblGanttDate{};
    std::vector<Control *> lblWcName, lblWcDate, lblGanttWc;
    Control *lblDispatchedToday = nullptr; // lblWcName(98), the title of view 99
    std::vector<Control *> imgGanttBlock;
    std::array<Control *, 20> lblSearchList{}, lblMovePath{};
    std::array<Control *, 15> lblRoutePath{};
    std::unique_ptr<RouteTypesPanel> routeTypes; // pnlMenu(2) and its commands
    std::array<Control *, 6> lblComponent{}, lblBomQty{}, lblBomUom{};
    QLineEdit *txtSearch = nullptr;
    QLineEdit *txtRunHrs = nullptr;
    QLineEdit *txtComment = nullptr;
    QString txtRunHrsTag, txtCommentTag;
    // The job the edit boxes were loaded for; a save writes to it even when a rebuild
    // has since put another job in that row.
    std::int64_t editedJobId = 0;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    friend class RouteTypesPanel;

    void createCanvas();
    void createCalendarStrip();
    void createJobList();
    void createPanels();
    void createCapacityPanel();
    void createButtons();
    void connectRowEvents();
    bool rowCarriesJob(int row) const;
    bool rowShowsLine(int row) const;
    Control *makeControl(QWidget *parent, const QString &name, const QRect &place);
    Control *makePicture(QWidget *parent, const QString &name, QPoint at, const QPixmap &picture);
    Control *makeButton(int index, QWidget *parent, QPoint at, const QString &accessibleName);

    int loadWorkCentres();
    int loadRouteTypes();
    void layOutCapacityHeader();
    void makeWorkCentreLabels(int slotIndex, const QString &name);
    void placeWorkCentreLabels(int slotIndex);
    void centreNameLabel(int slotIndex);
    void placeDraggedLabels(int slotIndex);
    void resetRoutePictures();

    void clearRows();
    void showJobListResult(const engine::JobListResult &result, bool resetWcLabels);
    void showStrip(const engine::JobListResult &result);
    void loadEditBoxes(int row);
    void setUpViewTitles();
    void copyIconPicture(int slotIndex);
    void guarded(const std::function<void()> &work, const QString &action = QString());
    // Shows everything afresh once the connection to the database is back; what is typed
    // in an open edit box stays there, beside its job.
    void showAfterReconnect();

    Global &g;
    int arrowRow = 0;  // row at which the reorder arrows were last placed
    int moveHover = 0; // move-to entry last highlighted; after a move the target slot
    std::vector<bool> m_iconFocused; // per slot: the icon holder shows the highlighted picture
    std::unique_ptr<WorkCentreEditor> m_workCentreEditor;
    ConnectionWatch m_connectionWatch;
    OrderDetailPanel *m_orderDetail = nullptr; // imgJobPanel; owned as a child of the window
    SearchList *m_searchList = nullptr;        // pnlMenu(3) and txtSearch's handlers
};
