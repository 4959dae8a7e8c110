#pragma once

#include <QColor>
#include <QRect>

#include <array>

// Places, sizes and colours of the main window, in pixels of the control's container.
namespace layout {

inline constexpr QSize window{1914, 1009};

// Containers on the window.
inline constexpr QRect canvas{0, 67, 1040, 924};
inline constexpr QRect chooser{408, 756, 80, 55};            // pnlMenu(0), on the canvas
inline constexpr QRect workCentreEditor{1044, 40, 432, 520}; // pnlMenu(1)
inline constexpr QRect routeTypes{1038, 52, 268, 456};       // pnlMenu(2)
inline constexpr QRect searchList{1094, 87, 404, 425};       // pnlMenu(3)
inline constexpr QRect editorFields{178, 385, 216, 70};      // pnlMenu(4), in the editor
inline constexpr QRect moveTo{1637, 102, 268, 548};          // pnlMenu(5)
inline constexpr QRect materialsHeader{1071, 99, 846, 38};   // pnlRawmat
// imgJobPanel: against the window's lower right corner, so that it is seen whole.
inline constexpr QRect orderDetail{1320, 539, 594, 470};
inline constexpr QRect dispatchCover{1308, 105, 135, 217};   // pnlDispatchCover
inline constexpr QRect capacityPanel{1057, 725, 850, 256};   // pnlGantt

// Job list rows: row i stands 31 pixels below row i − 1.
inline constexpr int rowCount = 27;
inline constexpr int rowStep = 31;
inline constexpr int rowTop = 143;
inline constexpr int rowHeight = 18;
inline constexpr QRect rowCheck{1088, 144, 12, 12};
inline constexpr QRect rowOrder{1110, 143, 78, rowHeight};
inline constexpr QRect rowDue{1190, 143, 68, rowHeight};
inline constexpr QRect rowQuantity{1260, 143, 41, rowHeight};
inline constexpr QRect rowHours{1326, 143, 41, rowHeight};
inline constexpr QRect rowPosition{1390, 143, 33, rowHeight};
inline constexpr QRect rowDescription{1445, 142, 201, rowHeight};
inline constexpr QRect rowStatus{1600, 137, 40, 24};
inline constexpr QRect rowCustomer{1644, 143, 129, rowHeight};
inline constexpr QRect rowNote{1771, 143, 140, rowHeight};
inline constexpr QRect rowTotal{1150, 984, 217, rowHeight};

// Edit boxes and their save button, moved to the row being edited.
inline constexpr QRect runHoursBox{1339, 103, 42, 23};
inline constexpr QRect commentBox{1771, 103, 138, 23};
inline constexpr QRect reorderArrows{1425, 143, 14, 16}; // imgAlert(2)

// Titles.
inline constexpr QRect listTitle{1127, 66, 80, 26};     // lblTitle(0), left of the search box
inline constexpr QRect dayTitle{1383, 40, 120, 20};     // lblTitle(4), hidden
inline constexpr QRect listSubtitle{1383, 66, 440, 26}; // lblTitle(5)
inline constexpr QRect companyTitle{1547, 22, 350, 22}; // lblTitle(16), right-aligned
inline constexpr QRect viewedWorkCentre{376, 768, 160, 22}; // lblTitle(8), on the canvas
inline constexpr QRect searchBox{1209, 69, 137, 17};

// Window background click zones.
inline constexpr int tickColumnLeft = 1080;
inline constexpr int tickColumnRight = 1100;
inline constexpr int tickColumnTop = 140;
inline constexpr QRect searchArrow{1340, 60, 25, 26}; // open on all four sides

// Calendar strip on the canvas.
inline constexpr int dayBlockLeft = 420;
inline constexpr int dayBlockStep = 27;
inline constexpr QSize dayBlockSize{27, 33};
inline constexpr std::array<int, 23> dayBlockTops{705, 689, 673, 656, 640, 624, 607, 591,
                                                  575, 558, 542, 525, 509, 493, 477, 460,
                                                  444, 428, 411, 395, 378, 362, 345};
inline constexpr QSize slotCaptionSize{60, 17};
inline constexpr QSize slotNumberSize{30, 15};
inline constexpr QRect chooserZone{382, 742, 30, 25}; // open on all four sides

// Floor plan.
inline constexpr int iconHitSize = 75;
inline constexpr int dragOffset = 37;
inline constexpr int routeLineOffset = 35;
inline constexpr int routeLineWidth = 6;
inline constexpr QColor routeLineColour{203, 222, 248};
inline constexpr QPoint focusOffset{-45, -7};
inline constexpr QSize focusSize{178, 95};
inline constexpr QRect logoZone{0, 0, 133, 69}; // x < 133 and y < 69
inline constexpr QPoint firstIconHolder{240, 78};
inline constexpr QPoint secondIconHolder{409, 55};
inline constexpr int nameLabelBelow = 65;
inline constexpr int selectedNameLabelBelow = 82;
inline constexpr int nameLabelCentre = 37;
inline constexpr int dateLabelRight = 22;
inline constexpr int dateLabelBelowName = 12;
inline constexpr int dateLabelAboveDraggedName = 5;

// Capacity panel: places inside it are kept in fine units (1/15 pixel, the "Fine"
// names) and divided by 15 when the controls are placed.
inline constexpr int ganttNameLeft = 8;
inline constexpr int ganttNameTopFine = 600;
inline constexpr int ganttNameStepFine = 215;
inline constexpr int ganttDateLeftFine = 1305;
inline constexpr int ganttDateTopFine = 330;
inline constexpr int ganttDateStepFine = 495;
inline constexpr int ganttBlockLeftShiftFine = 150;
inline constexpr int weekendBandDesignLeftFine = 11610;
inline constexpr int weekendBandTopFine = 600;
inline constexpr int secondMonthHiddenLeftFine = 14000;
inline constexpr int maxGanttRows = 15;

// Lists inside the pop-up panels.
inline constexpr QRect searchEntry{4, 3, 392, 20};
inline constexpr int searchEntryStep = 21;
inline constexpr int searchEntryCount = 20;
inline constexpr QRect routeTypesTitle{78, 4, 150, 24}; // lblTitle(10)
inline constexpr QRect routeEntry{15, 40, 241, 20};
inline constexpr QPoint assignRouteButton{88, 422}; // btnMenu(12), in front of Edit
inline constexpr QPoint editRouteButton{98, 422};   // btnMenu(17)
inline constexpr QPoint newRouteButton{210, 422};   // btnMenu(13)
inline constexpr QRect moveEntry{15, 40, 241, 20};
inline constexpr int panelEntryStep = 25;
inline constexpr int routeEntryCount = 15;
inline constexpr int moveEntryCount = 20;
inline constexpr QColor panelEntryBackground{243, 243, 250};

inline constexpr QColor searchEntryHover{235, 235, 235};

// Order detail panel (imgJobPanel), in pixels of the panel. The quantity of a bill line
// ends where the artwork's "Qty" heading ends and has room for long decimals; the
// reference code gives up the room it takes.
inline constexpr int billLineCount = 6;
inline constexpr QRect detailTitle{72, 42, 513, 50};           // lblTitle(1)
inline constexpr QRect detailStock{116, 92, 53, 15};           // lblTitle(2)
inline constexpr QRect detailStockUnit{175, 92, 108, 15};      // lblTitle(17)
inline constexpr QRect detailComponentCount{330, 160, 240, 15}; // beside "BILL OF MATERIALS"
inline constexpr QRect billComponent{41, 227, 187, 15};        // lblComponent(0)
inline constexpr QRect billQuantity{232, 227, 91, 15};         // lblBomQty(0)
inline constexpr QRect billUnit{345, 227, 129, 15};            // lblBomUom(0)
inline constexpr int billLineStepFine = 610;                   // 40⅔ pixels

} // namespace layout
