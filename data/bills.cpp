#include "data/bills.h"

namespace data::bills {

std::string chosenBills(int companyId, const std::string &variants)
{
    return "select distinct on (p.id) p.id as product_id,b.id as bom_id,b.product_qty,"
           "b.product_uom_id from mrp_bom as b JOIN product_product as p on "
           "p.product_tmpl_id=b.product_tmpl_id and (b.product_id is null or b.product_id=p.id) "
           "where b.active=true and b.product_qty>0 and (b.company_id=" +
           std::to_string(companyId) +
           " or b.company_id is null)" + (variants.empty() ? "" : " and " + variants) +
           " order by p.id,b.product_id is null,b.sequence,b.id";
}

std::string inUnit(const std::string &quantity, const std::string &fromUnit,
                   const std::string &toUnit)
{
    return "round(" + quantity + "/" + fromUnit + ".factor*" + toUnit + ".factor,9)";
}

} // namespace data::bills
