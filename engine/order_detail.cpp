#include "engine/order_detail.h"

#include "data/materials.h"
#include "dbaccess/startup.h"
#include "engine/materials.h"

namespace engine {

using dbaccess::Decimal;

OrderDetailView orderDetailView(const std::optional<data::order_detail::LineBill> &line,
                                const data::order_detail::Components &components,
                                const std::optional<Decimal> &stock)
{
    OrderDetailView view;
    if (stock)
        view.stock = stock->rounded(2).toString();
    if (!line)
        return view;
    view.stockUnit = line->productUnit;
    if (line->billId <= 0)
        return view;
    for (const auto &component : components.first) {
        if (view.components.size() == detailComponentRows)
            break;
        view.components.push_back(
            {component.referenceCode,
             neededQuantity(line->lineQuantity, component.quantity, line->billQuantity).toString(),
             component.unit});
    }
    if (components.count > view.components.size())
        view.componentCount = std::to_string(view.components.size()) + " of " +
                              std::to_string(components.count) + " components";
    return view;
}

OrderDetailView ReadOrderDetail(dbaccess::Database &database, int companyId,
                                std::int64_t lineId, const std::string &language)
{
    auto &rs = database.rsMain;
    const auto line = data::order_detail::readLineBill(rs, lineId, companyId, language);
    if (!line)
        return orderDetailView(line, {}, {});
    data::order_detail::Components components;
    if (line->billId > 0)
        components =
            data::order_detail::readComponents(rs, line->billId, detailComponentRows, language);
    const auto stock = data::materials::readStockOnHand(rs, companyId, {line->productId});
    const auto onHand = stock.find(line->productId);
    return orderDetailView(line, components,
                           onHand == stock.end() ? std::nullopt : std::optional(onHand->second));
}

} // namespace engine
