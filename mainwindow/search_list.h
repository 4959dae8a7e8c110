#pragma once

#include "mainwindow/control.h"

#include <QObject>
#include <QString>

#include <array>
#include <string>
#include <vector>

class FrmMain;
class QLineEdit;
namespace data {
struct SearchEntry;
}

// The order search: the box txtSearch above the job list with its "Search.." prompt,
// and the drop-down list pnlMenu(3) of the first 20 entries whose text holds what is
// typed, whatever the letter case. A press on an entry jumps to its line: the view of
// the work centre of the line's job at the lowest slot, the calendar slot of that job's
// start, and the line's row selected with its route.
class SearchList final : public QObject
{
    Q_OBJECT

public:
    static constexpr int entryCount = 20;

    // Makes pnlMenu(3) and its entries on `window` and takes over `txtSearch`.
    SearchList(FrmMain &window, QLineEdit *txtSearch);

    // The entries to search in, in the order they are listed; each gets its key.
    void setEntries(std::vector<data::SearchEntry> entries);
    // The change of the box: the entries holding its text, or the list hidden when
    // the box holds only blanks.
    void FilterSearchList();
    void highlight(int entry);
    void jump(int entry);
    bool promptShown() const { return m_prompt; }

    Control *pnlMenu3 = nullptr;
    std::array<Control *, entryCount> lblSearchList{};

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void clearPrompt();
    void showHighlight();

    FrmMain &m_window;
    QLineEdit *m_box = nullptr;
    bool m_prompt = true; // the box still shows "Search.."
    int m_highlighted = -1; // the entry under the pointer; marked while it holds a line
};

// What an entry's text is matched by: on one line, composed and case-folded, so that
// "müller" finds "Müller & Søn" and "żabka" finds "Żabka".
std::string searchKey(const QString &text);
