#include "tests/support/erp_stock_fixture.h"

#include <cstdio>

namespace testsupport {

namespace {

std::string number(int value) { return std::to_string(value); }

std::string orNull(const std::optional<int> &value)
{
    return value ? std::to_string(*value) : "NULL";
}

} // namespace

int ErpStockFixture::unitCategory(const std::string &name)
{
    return m_erp.insert("uom_category", {{"name", ErpFixture::translated(name)}});
}

int ErpStockFixture::unit(int categoryId, const std::string &name, const std::string &factor)
{
    const double size = std::stod(factor);
    const char *type = size == 1 ? "'reference'" : size > 1 ? "'smaller'" : "'bigger'";
    return m_erp.insert("uom_uom", {{"name", ErpFixture::translated(name)},
                                    {"category_id", number(categoryId)},
                                    {"factor", factor},
                                    {"rounding", "0.001"},
                                    {"uom_type", type},
                                    {"active", "true"}});
}

int ErpStockFixture::product(const std::string &name, const std::string &defaultCode, int unitId)
{
    const int productId = m_erp.product(name, defaultCode);
    m_database.exec("update product_template set uom_id=" + number(unitId) +
                    ",uom_po_id=" + number(unitId) +
                    " where id=" + number(m_erp.templateOf(productId)));
    return productId;
}

int ErpStockFixture::variant(int productId, const std::string &defaultCode)
{
    return m_erp.insert("product_product",
                        {{"product_tmpl_id", number(m_erp.templateOf(productId))},
                         {"default_code", ErpFixture::text(defaultCode)},
                         {"active", "true"}});
}

int ErpStockFixture::bill(int productId, const std::string &quantity, const BillOptions &options)
{
    const int unit = options.unitId ? options.unitId : m_erp.defaultUnit();
    return m_erp.insert("mrp_bom", {{"active", options.active ? "true" : "false"},
                                    {"type", "'normal'"},
                                    {"product_tmpl_id", number(m_erp.templateOf(productId))},
                                    {"product_id", options.forThisVariant ? number(productId) : "NULL"},
                                    {"product_qty", quantity},
                                    {"product_uom_id", number(unit)},
                                    {"sequence", orNull(options.sequence)},
                                    {"ready_to_produce", "'all_available'"},
                                    {"company_id", orNull(options.companyId)},
                                    {"consumption", "'flexible'"}});
}

int ErpStockFixture::billLine(int billId, int componentId, const std::string &quantity,
                              int unitId)
{
    // The template and company are Odoo's stored copies of the component's and the bill's.
    const std::string bill = number(billId);
    return m_erp.insert(
        "mrp_bom_line",
        {{"bom_id", bill},
         {"product_id", number(componentId)},
         {"product_tmpl_id", number(m_erp.templateOf(componentId))},
         {"company_id", "(select company_id from mrp_bom where id=" + bill + ")"},
         {"product_qty", quantity},
         {"product_uom_id", number(unitId ? unitId : m_erp.defaultUnit())},
         {"sequence", "10"}});
}

int ErpStockFixture::location(const std::string &name, const std::string &usage,
                              std::optional<int> companyId)
{
    return m_erp.insert("stock_location", {{"name", ErpFixture::text(name)},
                                           {"complete_name", ErpFixture::text(name)},
                                           {"usage", ErpFixture::text(usage)},
                                           {"company_id", orNull(companyId)},
                                           {"active", "true"}});
}

int ErpStockFixture::quant(int productId, int locationId, const std::string &quantity)
{
    const std::string location = number(locationId);
    return m_erp.insert(
        "stock_quant",
        {{"product_id", number(productId)},
         {"location_id", location},
         {"company_id", "(select company_id from stock_location where id=" + location + ")"},
         {"quantity", quantity},
         {"reserved_quantity", "0"},
         {"in_date", "'2026-03-01 08:00:00'"}});
}

int ErpStockFixture::vendor()
{
    if (!m_vendor)
        m_vendor = m_erp.partner("Vendor");
    return m_vendor;
}

int ErpStockFixture::purchaseLine(int productId, const std::string &quantity,
                                  const PurchaseOptions &options)
{
    char name[16];
    std::snprintf(name, sizeof name, "P%05d", ++m_purchaseOrders);
    const std::string company = number(options.companyId);
    const std::string state = ErpFixture::text(options.state);
    const std::string currency = "(select min(id) from res_currency)";
    const int orderId = m_erp.insert("purchase_order", {{"name", ErpFixture::text(name)},
                                                        {"partner_id", number(vendor())},
                                                        {"company_id", company},
                                                        {"currency_id", currency},
                                                        {"state", state},
                                                        {"date_order", "'2026-03-01 08:00:00'"}});
    return m_erp.insert(
        "purchase_order_line",
        {{"order_id", number(orderId)},
         {"name", ErpFixture::text(name)},
         {"product_id", number(productId)},
         {"product_uom", number(options.unitId ? options.unitId : m_erp.defaultUnit())},
         {"product_qty", quantity},
         {"qty_received", options.received},
         {"price_unit", "1"},
         {"date_planned", "'2026-03-20 08:00:00'"},
         {"company_id", company},
         {"state", state},
         {"partner_id", number(vendor())},
         {"currency_id", currency}});
}

} // namespace testsupport
