#pragma once

#include <string>

// How Odoo makes a product and counts its quantities, in the one place every view that
// explodes a bill reads it from (the purchases view, the order detail panel).
namespace data::bills {

// A subquery with one row per product variant that has a usable bill, in the columns
// product_id, bom_id, product_qty (the batch one run of the bill makes) and
// product_uom_id (the unit of that batch). The bill is chosen as Odoo's own bill search
// chooses it: an active bill made for that variant (mrp_bom.product_id) first, then the
// template's bills that name no variant; within each group the lowest sequence (none
// after every number), then the lowest id; of company `companyId` or shared by every
// company (company NULL). A bill made for another variant is never used.
// `variants`, when given, is an SQL condition on p.id that limits the variants looked at.
std::string chosenBills(int companyId, const std::string &variants = {});

// An SQL expression: `quantity`, counted in the uom_uom row joined as `fromUnit`, in the
// unit joined as `toUnit`, to 9 places. Within a unit category, a quantity divided by
// its unit's factor is in the category's reference unit, and multiplied by another
// unit's factor in that unit (4 Dozens of factor 1/12 are 48 Units of factor 1).
std::string inUnit(const std::string &quantity, const std::string &fromUnit,
                   const std::string &toUnit);

} // namespace data::bills
