#pragma once

#include "tests/support/test_database.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// Builds rows of the ERP tables for a test, filling the NOT NULL columns the ERP
// requires with harmless defaults, so that a test names only what it is about:
//
//     ErpFixture erp(fresh);
//     erp.company(1, "Shop");
//     const int frame = erp.product("Window frame");
//     const int order = erp.order(1, "2026-03-11 14:30:00");
//     const int line = erp.line(order, frame, "50");
//
// Rows the defaults need (currency, unit, product category, a customer) are made on
// first use. Each builder is one insert through `insert`; a new kind of row (bills,
// stock locations and quants, purchase lines) is another small builder in the same
// form. Values are SQL literals: quote text with `text`.
class ErpFixture final
{
public:
    explicit ErpFixture(FreshDatabase &database) : m_database(database) {}

    // A company with a fixed id, and the partner that stands for it.
    int company(int id, const std::string &name);
    // A customer (a partner of type contact).
    int partner(const std::string &name);
    // A stockable product with a template of its own, in the default unit.
    int product(const std::string &name, const std::string &defaultCode = {});
    int templateOf(int productId);
    // The reference unit "Units", made on first use.
    int defaultUnit();

    static constexpr const char *defaultOrderDate = "2026-03-02 09:00:00";
    // A confirmed sales order (state 'sale') of `companyId`. Dates are timestamps as
    // "yyyy-mm-dd hh:mm:ss" (UTC); no commitment date leaves it NULL. Partner 0 is a
    // default customer; the order is named S00001, S00002, ….
    int order(int companyId, const std::optional<std::string> &commitmentDate,
              const std::string &dateOrder = defaultOrderDate, int partnerId = 0);
    // A product line of `orderId`; the quantity ordered is also the quantity still to
    // invoice. The company defaults to the order's.
    int line(int orderId, int productId, const std::string &quantity,
             const std::string &state = "sale", std::optional<int> companyId = {});

    using Columns = std::vector<std::pair<std::string, std::string>>;
    // Inserts one row (column name, SQL literal) and returns its id.
    int insert(const std::string &table, const Columns &columns);
    // A text as an SQL literal, quotes doubled.
    static std::string text(const std::string &value);
    // A translated name as Odoo stores it: {"en_US": value}.
    static std::string translated(const std::string &value);

private:
    int currency();
    int defaultCategory();
    int defaultCustomer();

    FreshDatabase &m_database;
    int m_currency = 0;
    int m_unit = 0;
    int m_category = 0;
    int m_customer = 0;
    int m_ordersMade = 0;
};

} // namespace testsupport
