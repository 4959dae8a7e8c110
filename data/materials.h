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

// What the materials requirements read from the ERP: the planned open lines with the
// bill their product is made by, the lines of those bills, stock on hand and what is
// still to come on purchase orders. Quantities of components are in the component's
// own unit (its template's uom_id); the bill choice and every unit conversion are those
// of data/bills.h.
namespace data::materials {

// What the company's open lines with live jobs ask of one bill for one planned start
// (a line's earliest live job): their quantities to invoice added up.
struct PlannedWork
{
    std::int64_t billId = 0;        // the bill the lines' product is made by
    dbaccess::Decimal quantity;     // the lines' qty_to_invoice, in the bill's unit
    dbaccess::Decimal billQuantity; // the batch one run of the bill makes (> 0)
    dbaccess::Date plannedStart;
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

std::string plannedWork(int companyId);
// The component lines of the given bills.
std::string billLines(const std::vector<std::int64_t> &billIds);
// Sum of the quants in the internal locations of the company, per product.
std::string stockOnHand(int companyId, const std::vector<std::int64_t> &productIds);
// What confirmed purchase lines of the company have still to deliver, per product.
std::string pendingPurchases(int companyId, const std::vector<std::int64_t> &productIds);

// Each reader opens the set on its query, reads every row and closes it again, also
// when a row fails to convert. Readers given an empty list of ids send no query.
std::vector<PlannedWork> readPlannedWork(dbaccess::RecordSet &rs, int companyId);
std::vector<BillLine> readBillLines(dbaccess::RecordSet &rs,
                                    const std::vector<std::int64_t> &billIds);
QuantityByProduct readStockOnHand(dbaccess::RecordSet &rs, int companyId,
                                  const std::vector<std::int64_t> &productIds);
QuantityByProduct readPendingPurchases(dbaccess::RecordSet &rs, int companyId,
                                       const std::vector<std::int64_t> &productIds);

} // namespace data::materials
