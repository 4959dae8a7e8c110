#pragma once

#include <QHash>
#include <QPixmap>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

// The hidden picture window of the program: every icon, block, button face and panel background
// the windows copy. Each picture is an SVG resource rendered once, on first use, at its exact
// pixel size and kept for the rest of the run.
//
// Icons and the work-centre highlight are copied onto the floor plan leaving out the key colour
// RGB(255,0,0), so they come back fully opaque with that red wherever they are transparent. All
// other pictures keep real alpha (rounded button corners, the space around a day block).
//
// An index outside a picture array gives a null QPixmap; callers check isNull().
// Needs a QGuiApplication; use from the user-interface thread only.
class PictureStore final
{
public:
    static constexpr int iconStyleCount = 20;
    static constexpr QRgb transparentColour = qRgb(255, 0, 0);
    // The open floor of the plan. Anti-aliased icon edges are blended onto it.
    static constexpr QRgb floorColour = qRgb(236, 239, 243);

    static constexpr QSize iconSize{75, 75};
    static constexpr QSize robotFocusSize{178, 95};
    static constexpr QSize statusSize{40, 24};
    static constexpr QSize tickSize{14, 14};
    static constexpr QSize rowTickSize{12, 12};
    static constexpr QSize reorderArrowsSize{14, 16};
    static constexpr QSize menuLogoSize{132, 93};
    static constexpr QSize dayBlockSize{27, 33};
    static constexpr QSize loadBlockSize{32, 14};
    static constexpr QSize floorPlanSize{1040, 924};
    static constexpr QSize windowSize{1914, 1009};
    static constexpr QSize setupDialogSize{430, 331};
    static constexpr QSize weekendBandSize{924, 216};
    static constexpr QSize createButtonSize{77, 22};

    enum class Panel
    {
        Chooser,          // pnlMenu(0), daily/weekly chooser
        WorkCentreEditor, // pnlMenu(1)
        EditorFields,     // pnlMenu(4), the number fields inside the editor
        RouteTypes,       // pnlMenu(2)
        Search,           // pnlMenu(3), drop-down of search hits
        MoveTo,           // pnlMenu(5)
        Capacity,         // pnlGantt
        OrderDetail,      // imgJobPanel
        Materials,        // pnlRawmat, column header of the purchases view
        DispatchCover,    // pnlDispatchCover
        RoutePathEditor,  // frmRoutePath window background
    };

    static const PictureStore &instance();

    QPixmap robot(int style) const;   // imgRobot(0..19), red where transparent
    QPixmap focus(int style) const;   // imgFocus(0..19), the same icon highlighted
    QPixmap robotFocus() const;       // picRobotFocus, drawn under the selected icon
    QPixmap status(int k) const;      // imgStatus(0..3): in progress, paused, completed, scheduled
    QPixmap tick(bool ticked) const;  // btnChk(0) / btnChk(1)
    QPixmap rowTick() const;          // imgRowCheck, tick mark of a job-list row
    QPixmap reorderArrows() const;    // imgAlert(2), up half / down half
    QPixmap menuLogo(int k) const;    // imgMenu(0..1); 1 while the pending view is shown
    QPixmap dayBlock(int k) const;    // imgDayBlock(0..6)
    QPixmap loadBlock(int k) const;   // imgGanttBlock(0..2): at, below, above capacity
    QPixmap button(int index) const;  // btnMenu face by index; 0 is menuLogo(0)
    QPixmap createButton() const;     // btnCreate of the route path editor
    QPixmap floorPlan() const;        // picCanvas background
    QPixmap windowBackground() const; // frmMain background
    QPixmap setupBackground() const;  // frmMain of BrontaloSetup: heading and field captions
    QPixmap weekendBand() const;      // imgAlert(0)
    QPixmap panel(Panel p) const;

    static QSize sizeOf(Panel p);
    // Size of the face of btnMenu(index); an invalid size for indexes without a button.
    static QSize buttonSize(int index);

    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

private:
    PictureStore();

    enum class Keying
    {
        Alpha,
        RedKey
    };
    // Renders the SVG resources in order onto one picture of the given size (later files on top).
    QPixmap picture(const QStringList &files, QSize size, Keying keying) const;

    mutable QHash<QString, QPixmap> m_cache;
};
