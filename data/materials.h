#pragma once

#include "dbaccess/date.h"
#include "dbaccess/decimal.h"

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace dbaccess {
class RecordSet;
}

// What the materials requirements read from the ERP: the planned open lines, their
// bills of materials, stock on hand and what is still to come on purchase orders.
// Quantities of components are in the component's own unit (its template's uom_id);
// the database converts bill-line and purchase-line units with uom_uom.factor.
namespace data::materials {

// An open line of the company that has live jobs, with its earliest planned start.
struct PlannedLine
{
    std::int64_t lineId = 0;
    std::int64_t templateId = 0; // the ordered product's template
    dbaccess::Decimal quantity;  // qty_to_invoice
    dbaccess::Date plannedStart;
};

// An active bill of the company or a shared one (company NULL).
struct Bill
{
    std::int64_t billId = 0;
    std::int64_t templateId = 0;          // the product it makes
    dbaccess::Decimal quantity;           // the batch one run makes (> 0)
    std::optional<std::int64_t> sequence; // NULL sorts after every number
};

// A component line of such a bill.
struct BillLine
{
    std::int64_t billId = 0;
    std::int64_t componentId = 0;
    dbaccess::Decimal quantity; // per batch of the bill, in the component's unit
    std::string referenceCode;  // default_code; empty when NULL
};

using QuantityByProduct = std::unordered_map<std::int64_t, dbaccess::Decimal>;

std::string plannedLines(int companyId);
// The usable bills of the given product templates.
std::string bills(int companyId, const std::vector<std::int64_t> &templateIds);
// The component lines of the given bills.
std::string billLines(const std::vector<std::int64_t> &billIds);
// Sum of the quants in the internal locations of the company, per product.
std::string stockOnHand(int companyId, const std::vector<std::int64_t> &productIds);
// What confirmed purchase lines of the company have still to deliver, per product.
std::string pendingPurchases(int companyId, const std::vector<std::int64_t> &productIds);

// Each reader opens the set on its query, reads every row and closes it again, also
// when a row fails to convert. Readers given an empty list of ids send no query.
std::vector<PlannedLine> readPlannedLines(dbaccess::RecordSet &rs, int companyId);
std::vector<Bill> readBills(dbaccess::RecordSet &rs, int companyId,
                            const std::vector<std::int64_t> &templateIds);
std::vector<BillLine> readBillLines(dbaccess::RecordSet &rs,
                                    const std::vector<std::int64_t> &billIds);
QuantityByProduct readStockOnHand(dbaccess::RecordSet &rs, int companyId,
                                  const std::vector<std::int64_t> &productIds);
QuantityByProduct readPendingPurchases(dbaccess::RecordSet &rs, int companyId,
                                       const std::vector<std::int64_t> &productIds);

} // namespace data::materials
