#pragma once

#include <QString>

#include <array>

class Control;
class FrmMain;
class QLineEdit;

// The work-centre editor, the panel pnlMenu(1): the grid of the 20 icon styles, the
// name, hours per day, Saturday and Sunday working and the standard rate of the
// selected work centre, Apply (btnMenu(7)) and Add+ (btnMenu(10)). While it is open the
// floor plan is in editing mode: a press on an icon loads that work centre and the
// selected icon can be dragged. Values are checked before anything is written, and the
// window shows them only once the database holds them.
class WorkCentreEditor final
{
public:
    // Builds the controls inside the editor panel `panel` and its number fields `fields`.
    WorkCentreEditor(FrmMain &window, Control *panel, Control *fields);

    bool isOpen() const;
    // Opens the panel for the selected work centre (a slot).
    void OpenWorkCentreEditor();
    // Loads the selected work centre into the fields.
    void FillWorkCentreEditor();
    // Marks icon style k as the chosen one.
    void ChooseIcon(int k);
    void toggleWeekend(int k); // 0 Saturday, 1 Sunday
    // btnMenu(7): stores the fields for the selected work centre.
    void Save();
    // btnMenu(10): a new work centre in the next slot, drawn at (930, 24) until dragged.
    void NewWorkCentre();

    int pickedIconStyle() const { return m_pickedIconStyle; }
    bool weekendTicked(int k) const;

    std::array<Control *, 20> imgRobot{};
    std::array<Control *, 2> chkWeekend{}, lblWeekend{};
    QLineEdit *txtWcname = nullptr;
    QLineEdit *txtWorkhours = nullptr;
    QLineEdit *txtRunspeed = nullptr;

private:
    void setWeekend(int k, bool ticked);
    void refuse(const QString &field, const QString &typed, const QString &allowed);

    FrmMain &w;
    Control *m_panel;
    int m_pickedIconStyle = 0;
};
