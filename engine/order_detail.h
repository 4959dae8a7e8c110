#pragma once

#include "data/order_detail.h"
#include "dbaccess/decimal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
struct Database;
}

namespace engine {

// The order detail panel shows at most this many bill lines.
inline constexpr std::size_t detailComponentRows = 6;

struct ComponentRowView
{
    std::string referenceCode; // lblComponent
    std::string quantity;      // lblBomQty: needed for the line, in the bill line's unit
    std::string unit;          // lblBomUom
};

// The panel's captions for one sales-order line.
struct OrderDetailView
{
    std::string stock = "0";                 // lblTitle(2): on hand, to 2 decimals
    std::string stockUnit;                   // lblTitle(17): the product's own unit
    std::vector<ComponentRowView> components; // at most detailComponentRows
    std::string componentCount;              // "6 of 8 components" when the list is cut
};

// The captions from what was read: `line` nothing when the line is gone, `components`
// those of the line's bill, `stock` the product's stock on hand (nothing: none). Each
// component's need is the purchases view's (engine::neededQuantity), in the bill line's
// own unit, in its shortest form.
OrderDetailView orderDetailView(const std::optional<data::order_detail::LineBill> &line,
                                const data::order_detail::Components &components,
                                const std::optional<dbaccess::Decimal> &stock);

// Reads the line's product and bill, the bill's first lines and the product's stock on
// hand in the company's internal locations (three or four queries through rsMain).
OrderDetailView ReadOrderDetail(dbaccess::Database &database, int companyId,
                                std::int64_t lineId, const std::string &language);

} // namespace engine
