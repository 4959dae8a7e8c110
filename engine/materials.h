#pragma once

#include "data/materials.h"
#include "dbaccess/date.h"
#include "dbaccess/decimal.h"
#include "engine/date_text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace dbaccess {
struct Database;
}

namespace engine {

// The total need of one component for one needed-by date, in the component's unit.
struct MaterialNeed
{
    std::int64_t componentId = 0;
    dbaccess::Date neededBy;
    dbaccess::Decimal quantity;
    std::string referenceCode;

    bool operator==(const MaterialNeed &) const = default;
};

// What stock does not cover of one need.
struct Shortfall
{
    std::int64_t componentId = 0;
    dbaccess::Date neededBy;
    dbaccess::Decimal quantity;
    std::string referenceCode;
};

// One row of the purchases view, ready for the job-list row's labels.
struct MaterialRow
{
    std::int64_t componentId = 0;
    std::string referenceCode;   // lblRowSO
    std::string quantity;        // lblRowHrs: the shortfall to 3 decimals, shortest form
    dbaccess::Date neededBy;
    std::string neededByText;    // lblRowDesc: "d-mmm-yy"
    std::string pendingPurchase; // lblRowCust: "[po pending qty: n]" or empty
};

// Quantity of a component needed for a line: the line's quantity in the bill's unit ×
// the component's quantity per batch ÷ the batch the bill makes (> 0).
dbaccess::Decimal neededQuantity(dbaccess::Decimal lineQuantity, dbaccess::Decimal perBatch,
                                 dbaccess::Decimal billQuantity);

// Explodes every planned line through its bill, at the line's planned start:
// need = line quantity × component quantity ÷ bill quantity. Needs of one component on
// one date add up; they come out in the order their component and date were first met.
std::vector<MaterialNeed> explodeBills(const std::vector<data::materials::PlannedWork> &work,
                                       const std::vector<data::materials::BillLine> &billLines);

// Nets each component's needs, rounded to 3 decimals, in date order against its stock
// on hand (stock below 0 counts as none): the earliest needs use it first, what is left
// carries to the next. Returns the first `limit` needs stock leaves short, in the
// case-insensitive order of the texts "reference code TAB yyyymmdd component-id TAB
// quantity 0.000": by code, then date, then the id's digits.
std::vector<Shortfall> netAgainstStock(const std::vector<MaterialNeed> &needs,
                                       const data::materials::QuantityByProduct &stock,
                                       std::size_t limit);

// "[po pending qty: n]" with n rounded to whole units, or empty when nothing is pending.
std::string pendingPurchaseText(dbaccess::Decimal pending);

std::vector<MaterialRow> materialRows(const std::vector<Shortfall> &shortfalls,
                                      const data::materials::QuantityByProduct &pending,
                                      const MonthNames &names = MonthNames::english());

// The purchases view of the company: at most 27 rows. Five queries through rsMain,
// however many lines, bills and components there are: planned lines, the bills of
// their products, the lines of the bills in use, stock of the needed components and
// purchases of the shown ones.
std::vector<MaterialRow> ListMaterialRequirements(dbaccess::Database &database, int companyId,
                                                  const MonthNames &names = MonthNames::english());

} // namespace engine
