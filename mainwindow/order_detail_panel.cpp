#include "mainwindow/order_detail_panel.h"

#include "dbaccess/startup.h"
#include "engine/job_list.h"
#include "engine/order_detail.h"
#include "platform/fonts.h"
#include "mainwindow/frm_main.h"
#include "mainwindow/layout.h"
#include "pictures/picture_store.h"

#include <QLocale>

namespace {

QString text(const std::string &s) { return QString::fromStdString(s); }

QString indexed(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

} // namespace

OrderDetailPanel::OrderDetailPanel(FrmMain &window) : QObject(&window), m_window(window)
{
    imgJobPanel = new Control(&window, QStringLiteral("imgJobPanel"));
    imgJobPanel->setGeometry(layout::orderDetail);
    imgJobPanel->setPicture(PictureStore::instance().panel(PictureStore::Panel::OrderDetail));
    imgJobPanel->setAccessibleName(QStringLiteral("order detail"));
    imgJobPanel->hide();

    auto label = [&](const QString &name, const QRect &place) {
        auto *control = new Control(imgJobPanel, name);
        control->setGeometry(place);
        return control;
    };
    lblTitle1 = label(indexed("lblTitle", 1), layout::detailTitle);
    lblTitle1->setFont(uiFont(24, Face::Semilight));
    lblTitle1->setCaption(QStringLiteral("Acoustic"));
    lblTitle1->showOnOneLine();
    lblTitle2 = label(indexed("lblTitle", 2), layout::detailStock);
    lblTitle2->setFont(uiFont(9, Face::Semibold, true));
    lblTitle2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblTitle2->setForeground(QColor(0, 128, 0));
    lblTitle2->setCaption(QStringLiteral("0"));
    lblTitle17 = label(indexed("lblTitle", 17), layout::detailStockUnit);
    lblTitle17->setFont(uiFont(9, Face::Semibold, true));
    lblTitle17->setForeground(QColor(128, 128, 128));
    lblTitle17->setCaption(QStringLiteral("Units"));
    lblTitle17->showOnOneLine();
    lblBomCount = label(QStringLiteral("lblBomCount"), layout::detailComponentCount);
    lblBomCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblBomCount->setForeground(QColor(128, 128, 128));

    static_assert(layout::billLineCount == engine::detailComponentRows);
    for (int r = 0; r < layout::billLineCount; ++r) {
        const int down = layout::billLineStepFine * r / Control::fineUnitsPerPixel;
        lblComponent[r] = label(indexed("lblComponent", r), layout::billComponent.translated(0, down));
        lblComponent[r]->setFont(uiFont(9, Face::Regular, true));
        lblComponent[r]->showOnOneLine();
        lblBomQty[r] = label(indexed("lblBomQty", r), layout::billQuantity.translated(0, down));
        lblBomQty[r]->setFont(uiFont(9, Face::Semibold, true));
        lblBomQty[r]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lblBomUom[r] = label(indexed("lblBomUom", r), layout::billUnit.translated(0, down));
        lblBomUom[r]->setForeground(QColor(64, 64, 64));
        lblBomUom[r]->showOnOneLine();
    }
}

void OrderDetailPanel::pressDescription(int row)
{
    Global &g = m_window.global();
    const std::int64_t lineId = m_window.lblRowSO[row]->tag.toLongLong();
    if (g.selectedWc == engine::views::pending || lineId <= 0)
        return;
    m_window.SelectJobRow(row);
    const auto view = engine::ReadOrderDetail(*g.database, g.companyId, lineId,
                                              QLocale().name().toStdString());
    m_window.pnlGantt->hide();
    show(m_window.lblRowDesc[row]->caption(), view);
}

void OrderDetailPanel::show(const QString &title, const engine::OrderDetailView &view)
{
    lblTitle1->setCaption(title);
    lblTitle2->setCaption(text(view.stock));
    lblTitle17->setCaption(text(view.stockUnit));
    lblBomCount->setCaption(text(view.componentCount));
    for (std::size_t r = 0; r < engine::detailComponentRows; ++r) {
        const bool shown = r < view.components.size();
        lblComponent[r]->setCaption(shown ? text(view.components[r].referenceCode) : QString());
        lblBomQty[r]->setCaption(shown ? text(view.components[r].quantity) : QString());
        lblBomUom[r]->setCaption(shown ? text(view.components[r].unit) : QString());
    }
    imgJobPanel->show();
}
