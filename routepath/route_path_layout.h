#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>

// Places, sizes and colours of the route path editor, in its own pixels.
namespace routepath_layout {

inline constexpr QSize window{433, 457};
// Where it stands over the main window, from that window's corner.
inline constexpr QPoint placeOverMain{1122, 267};

inline constexpr QRect title{95, 5, 243, 24};  // lblTitle(2), centred
inline constexpr QPoint selectedHead{135, 32}; // lblTitle(0)
inline constexpr QPoint sequenceHead{203, 32}; // lblTitle(5)
inline constexpr QPoint runspeedHead{281, 32}; // lblTitle(1)
inline constexpr QPoint minimumHead{342, 32};  // lblTitle(4)
inline constexpr QSize headSize{80, 17};

inline constexpr int rowCount = 20;
inline constexpr int rowTop = 50;
inline constexpr int rowStep = 18;
inline constexpr QRect workCentre{9, 50, 144, 17}; // lblWorkcenter(0)
inline constexpr int tickLeft = 154;               // chkWcSelect, one pixel below
inline constexpr QRect sequence{207, 50, 35, 16};  // txtSequence(0)
inline constexpr QRect runspeed{281, 50, 49, 16};  // txtRunspeed(0)
inline constexpr QRect minimum{352, 50, 42, 16};   // txtMinHrs(0)

inline constexpr QRect nameCaption{13, 410, 150, 15}; // lblTitle(3)
inline constexpr QRect pathName{11, 425, 217, 21};    // txtPathName
inline constexpr QPoint storeButton{240, 425};        // btnCreate, btnApply

// A press on the background closes the window in the right part of the title bar,
// which holds the close cross: y < 30 and x > 222.
inline constexpr int closeZoneBottom = 30;
inline constexpr int closeZoneLeft = 222;

inline constexpr QColor workCentreText{0, 0, 128};
inline constexpr QColor workCentreBackground{243, 243, 250};
inline constexpr QColor sequenceText{64, 64, 64};
inline constexpr QColor runspeedText{128, 0, 128};
inline constexpr QColor minimumText{64, 64, 64};
inline constexpr QColor pathNameBackground{185, 217, 189};

} // namespace routepath_layout
