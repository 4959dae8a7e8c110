#include "data/erp_tables.h"

#include "data/each_row.h"
#include "dbaccess/record_set.h"

namespace data::erp {

const std::vector<std::string> &tablesRead()
{
    static const std::vector<std::string> tables{
        "sale_order_line", "sale_order",   "res_partner",  "res_company",
        "product_product", "product_template", "mrp_bom",  "mrp_bom_line",
        "uom_uom",         "stock_quant",  "stock_location", "purchase_order_line",
    };
    return tables;
}

std::vector<std::string> missingTables(dbaccess::RecordSet &rs)
{
    // The names are the program's own constants, never typed text.
    std::string names;
    for (const std::string &table : tablesRead())
        names += (names.empty() ? "'" : ",'") + table + "'";
    std::vector<std::string> missing;
    eachRow(rs,
            "select t.name from unnest(array[" + names +
                "]) with ordinality as t(name,n) where to_regclass(t.name) is null order by t.n",
            [&] { missing.push_back(rs.field(0).toText()); });
    return missing;
}

} // namespace data::erp
