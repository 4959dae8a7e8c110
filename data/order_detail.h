#pragma once

#include "dbaccess/decimal.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dbaccess {
class RecordSet;
}

// What the order detail panel reads of a job-list row's sales-order line: the line's
// product, the bill it is made by and the lines of that bill. The bill is the one the
// purchases view explodes, and the line's quantity is converted into the bill's unit as
// there (data/bills.h). Unit names come in the user's language (data/translated_names.h).
namespace data::order_detail {

struct LineBill
{
    std::int64_t productId = 0;
    std::string productUnit;           // name of the product's own unit (its template's)
    std::int64_t billId = 0;           // 0: the product has no usable bill
    dbaccess::Decimal billQuantity;    // the batch one run of the bill makes (> 0)
    dbaccess::Decimal lineQuantity;    // qty_to_invoice, in the bill's unit
};

struct Component
{
    std::string referenceCode;  // default_code; empty when NULL
    dbaccess::Decimal quantity; // per batch of the bill, in the bill line's own unit
    std::string unit;           // name of that unit
};

struct Components
{
    std::vector<Component> first; // the first lines by sequence
    std::size_t count = 0;        // how many lines the bill has in all
};

std::string lineBill(long long lineId, int companyId);
// The first `limit` lines of a bill by sequence, each with the bill's number of lines.
std::string componentsOfBill(long long billId, std::size_t limit);

// Nothing when the line or its product is not there. `language` is the user's
// ("de_DE"); it reaches the query only as a bound parameter.
std::optional<LineBill> readLineBill(dbaccess::RecordSet &rs, long long lineId, int companyId,
                                     const std::string &language);
Components readComponents(dbaccess::RecordSet &rs, long long billId, std::size_t limit,
                          const std::string &language);

} // namespace data::order_detail
