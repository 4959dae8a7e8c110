#include "tests/support/erp_fixture.h"

#include "dbaccess/error.h"

#include <cstdio>

namespace testsupport {

std::string ErpFixture::text(const std::string &value)
{
    std::string quoted = "'";
    for (char c : value) {
        quoted += c;
        if (c == '\'')
            quoted += '\'';
    }
    return quoted + "'";
}

std::string ErpFixture::translated(const std::string &value)
{
    return "jsonb_build_object('en_US'," + text(value) + ")";
}

int ErpFixture::insert(const std::string &table, const Columns &columns)
{
    std::string names;
    std::string values;
    for (const auto &[name, value] : columns) {
        names += (names.empty() ? "" : ",") + name;
        values += (values.empty() ? "" : ",") + value;
    }
    const std::string sql =
        "insert into " + table + "(" + names + ") values (" + values + ") returning id";
    try {
        return std::stoi(m_database.scalar(sql));
    } catch (const dbaccess::Error &error) {
        ADD_FAILURE() << "fixture row failed: " << sql << "\n" << error.what();
        throw;
    }
}

int ErpFixture::currency()
{
    if (!m_currency)
        m_currency = insert("res_currency", {{"name", "'EUR'"},
                                             {"symbol", "'€'"},
                                             {"rounding", "0.01"},
                                             {"decimal_places", "2"},
                                             {"active", "true"}});
    return m_currency;
}

int ErpFixture::company(int id, const std::string &name)
{
    const int partnerId = insert(
        "res_partner",
        {{"name", text(name)}, {"type", "'contact'"}, {"is_company", "true"}, {"active", "true"}});
    insert("res_company", {{"id", std::to_string(id)},
                           {"name", text(name)},
                           {"partner_id", std::to_string(partnerId)},
                           {"currency_id", std::to_string(currency())},
                           {"active", "true"}});
    // Rows with explicit ids leave the sequence behind.
    m_database.scalar("select setval('res_company_id_seq', max(id)) from res_company");
    m_database.exec("update res_partner set company_id=" + std::to_string(id) +
                    " where id=" + std::to_string(partnerId));
    return id;
}

int ErpFixture::partner(const std::string &name)
{
    return insert(
        "res_partner",
        {{"name", text(name)}, {"type", "'contact'"}, {"active", "true"}, {"customer_rank", "1"}});
}

int ErpFixture::defaultCustomer()
{
    if (!m_customer)
        m_customer = partner("Customer");
    return m_customer;
}

int ErpFixture::defaultUnit()
{
    if (!m_unit) {
        const int category = insert("uom_category", {{"name", translated("Unit")}});
        m_unit = insert("uom_uom", {{"name", translated("Units")},
                                    {"category_id", std::to_string(category)},
                                    {"factor", "1"},
                                    {"rounding", "0.01"},
                                    {"uom_type", "'reference'"},
                                    {"active", "true"}});
    }
    return m_unit;
}

int ErpFixture::defaultCategory()
{
    if (!m_category)
        m_category = insert("product_category", {{"name", "'All'"}, {"complete_name", "'All'"}});
    return m_category;
}

int ErpFixture::product(const std::string &name, const std::string &defaultCode)
{
    const std::string unit = std::to_string(defaultUnit());
    const std::string code = defaultCode.empty() ? "NULL" : text(defaultCode);
    const int templateId =
        insert("product_template", {{"name", translated(name)},
                                    {"type", "'product'"},
                                    {"detailed_type", "'product'"},
                                    {"categ_id", std::to_string(defaultCategory())},
                                    {"uom_id", unit},
                                    {"uom_po_id", unit},
                                    {"sale_ok", "true"},
                                    {"purchase_ok", "true"},
                                    {"active", "true"},
                                    {"default_code", code}});
    return insert("product_product", {{"product_tmpl_id", std::to_string(templateId)},
                                      {"default_code", code},
                                      {"active", "true"}});
}

int ErpFixture::templateOf(int productId)
{
    return std::stoi(m_database.scalar("select product_tmpl_id from product_product where id=" +
                                       std::to_string(productId)));
}

int ErpFixture::order(int companyId, const std::optional<std::string> &commitmentDate,
                      const std::string &dateOrder, int partnerId)
{
    char name[16];
    std::snprintf(name, sizeof name, "S%05d", ++m_ordersMade);
    const std::string customer = std::to_string(partnerId ? partnerId : defaultCustomer());
    return insert(
        "sale_order",
        {{"name", text(name)},
         {"state", "'sale'"},
         {"company_id", std::to_string(companyId)},
         {"partner_id", customer},
         {"partner_invoice_id", customer},
         {"partner_shipping_id", customer},
         {"currency_id", std::to_string(currency())},
         {"date_order", text(dateOrder) + "::timestamp"},
         {"commitment_date", commitmentDate ? text(*commitmentDate) + "::timestamp" : "NULL"}});
}

int ErpFixture::line(int orderId, int productId, const std::string &quantity,
                     const std::string &state, std::optional<int> companyId)
{
    const std::string order = std::to_string(orderId);
    return insert(
        "sale_order_line",
        {{"order_id", order},
         {"name", "'Line of order " + order + "'"},
         {"company_id", companyId ? std::to_string(*companyId)
                                  : "(select company_id from sale_order where id=" + order + ")"},
         {"state", text(state)},
         {"product_id", std::to_string(productId)},
         {"product_uom", std::to_string(defaultUnit())},
         {"product_uom_qty", quantity},
         {"qty_to_invoice", quantity},
         {"qty_delivered", "0"},
         {"qty_invoiced", "0"},
         {"price_unit", "0"},
         {"customer_lead", "0"}});
}

} // namespace testsupport
