#include "mainwindow/search_list.h"

#include "data/search_rows.h"
#include "dbaccess/startup.h"
#include "engine/calendar_strip.h"
#include "engine/search.h"
#include "platform/fonts.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/guard.h"
#include "mainwindow/layout.h"
#include "pictures/picture_store.h"

#include <QEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {

const QString prompt = QStringLiteral("Search..");

} // namespace

std::string searchKey(const QString &text)
{
    return onOneLine(text).normalized(QString::NormalizationForm_C).toCaseFolded().toStdString();
}

SearchList::SearchList(FrmMain &window, QLineEdit *txtSearch)
    : QObject(&window), m_window(window), m_box(txtSearch)
{
    pnlMenu3 = new Control(&window, QStringLiteral("pnlMenu_3"));
    pnlMenu3->setGeometry(layout::searchList);
    pnlMenu3->setPicture(PictureStore::instance().panel(PictureStore::Panel::Search));
    pnlMenu3->hide();
    for (int i = 0; i < entryCount; ++i) {
        Control *entry = new Control(pnlMenu3, QStringLiteral("lblSearchList_%1").arg(i));
        entry->setGeometry(layout::searchEntry.translated(0, layout::searchEntryStep * i));
        entry->setFont(uiFont(9.75, Face::Semilight));
        entry->setForeground(QColor(64, 64, 64));
        entry->setBackground(Qt::white);
        entry->showOnOneLine();
        entry->onMove = [this, i](Qt::MouseButtons, QPointF) { highlight(i); };
        entry->onPress = [this, i](Qt::MouseButton, QPointF) {
            runGuarded(&m_window, [&] { jump(i); }, QStringLiteral("going to the order"));
        };
        lblSearchList[std::size_t(i)] = entry;
    }
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textChanged, this, [this] { FilterSearchList(); });
}

void SearchList::setEntries(std::vector<data::SearchEntry> entries)
{
    Global &g = m_window.global();
    g.searchKeys.clear();
    g.searchKeys.reserve(entries.size());
    for (const auto &entry : entries)
        g.searchKeys.push_back(searchKey(QString::fromStdString(entry.text)));
    g.searchTable = std::move(entries);
    // An open list shows what the new entries hold.
    if (!pnlMenu3->isHidden())
        FilterSearchList();
}

void SearchList::FilterSearchList()
{
    const QString typed = m_box->text().trimmed();
    pnlMenu3->setVisible(!typed.isEmpty());
    if (typed.isEmpty())
        return;
    const Global &g = m_window.global();
    const auto found = engine::FilterSearchList(g.searchKeys, searchKey(typed), entryCount);
    QToolTip::hideText(); // it may still show what an entry held
    for (std::size_t n = 0; n < lblSearchList.size(); ++n) {
        Control *entry = lblSearchList[n];
        if (n < found.size()) {
            const auto &shown = g.searchTable[found[n]];
            entry->setCaption(QString::fromStdString(shown.text));
            entry->tag = QString::number(shown.lineId);
            entry->setCursor(Qt::PointingHandCursor);
        } else {
            // An emptied entry leads nowhere and does not look as if it did.
            entry->clear();
            entry->tag.clear();
            entry->unsetCursor();
        }
    }
    showHighlight();
}

void SearchList::highlight(int entry)
{
    m_highlighted = entry;
    showHighlight();
}

void SearchList::showHighlight()
{
    for (int e = 0; e < entryCount; ++e) {
        Control *entry = lblSearchList[std::size_t(e)];
        const bool marked = e == m_highlighted && !entry->tag.isEmpty();
        entry->setBackground(marked ? layout::searchEntryHover : QColor(Qt::white));
    }
}

void SearchList::jump(int entry)
{
    Control *chosen = lblSearchList[std::size_t(entry)];
    if (chosen->tag.isEmpty())
        return;
    Global &g = m_window.global();
    const std::int64_t lineId = chosen->tag.toLongLong();
    g.selectedLineId = lineId;
    if (lineId <= 0)
        return;
    m_window.hideStatusPictures();
    // A line whose jobs were all removed since the entries were read jumps to slot 0
    // of the view as it is.
    std::optional<int> slot = 0;
    if (const auto target = data::readJumpTarget(g.database->rsMain, lineId)) {
        g.selectedWc = target->slot;
        slot = engine::slotContaining(g.calendarDays, target->start);
    }
    m_window.RefreshJobList(true);
    m_window.RedrawFloorPlan();
    g.dayLocked = false;
    if (slot) {
        m_window.chooseDaySlot(*slot);
        g.dayLocked = true;
        g.hoverFrozen = true;
        for (int r = 0; r < layout::rowCount; ++r) {
            const QString &rowLine = m_window.lblRowSO[std::size_t(r)]->tag;
            if (!rowLine.isEmpty() && rowLine.toLongLong() == g.selectedLineId) {
                g.selectedLineId = 0; // selects the row afresh, with its route
                m_window.SelectJobRow(r);
                break;
            }
        }
    }
    pnlMenu3->hide();
    m_box->clear();
}

void SearchList::clearPrompt()
{
    m_prompt = false;
    if (m_box->text() != prompt)
        return;
    m_box->setStyleSheet(QStringLiteral("color: rgb(0,0,0); background: transparent;"));
    m_box->clear();
}

bool SearchList::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::MouseButtonPress && m_prompt)
        clearPrompt();
    return QObject::eventFilter(watched, event);
}
