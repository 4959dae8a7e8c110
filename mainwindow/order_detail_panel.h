#pragma once

#include "mainwindow/control.h"
#include "mainwindow/layout.h"

#include <QObject>

#include <array>

class FrmMain;
namespace engine {
struct OrderDetailView;
}

// The order detail panel imgJobPanel: what the product of a job-list row's line needs.
// It shows the line's description, the product's stock on hand and the first six lines
// of the bill the product is made by, with the quantity each needs for the line.
// Opened by a press on a row's description; every rebuild of the job list and every
// selection of a row hide it again.
class OrderDetailPanel final : public QObject
{
    Q_OBJECT

public:
    // Makes the panel and its controls on `window`, hidden.
    explicit OrderDetailPanel(FrmMain &window);

    // MouseDown of lblRowDesc(row): selects the row and opens the panel on its line. Not
    // in the pending view, and not on an emptied row.
    void pressDescription(int row);
    // Shows `title` and the captions of `view`.
    void show(const QString &title, const engine::OrderDetailView &view);

    Control *imgJobPanel = nullptr;
    Control *lblTitle1 = nullptr;  // the line's description
    Control *lblTitle2 = nullptr;  // stock on hand
    Control *lblTitle17 = nullptr; // the product's unit
    Control *lblBomCount = nullptr; // "6 of 8 components" when the bill has more lines
    std::array<Control *, layout::billLineCount> lblComponent{}, lblBomQty{}, lblBomUom{};

private:
    FrmMain &m_window;
};
