#pragma once

#include "tests/support/erp_fixture.h"

#include <optional>
#include <string>

namespace testsupport {

// Rows of the ERP's units, bills of materials, stock and purchases, on top of the
// rows ErpFixture makes. Quantities and factors are SQL literals ("2.5").
class ErpStockFixture final
{
public:
    ErpStockFixture(FreshDatabase &database, ErpFixture &erp) : m_database(database), m_erp(erp) {}

    int unitCategory(const std::string &name);
    // A unit of which `factor` make one reference unit of its category, as Odoo keeps
    // it: grams 1000 against kilograms, dozens 1/12 against units.
    int unit(int categoryId, const std::string &name, const std::string &factor);
    // A product whose own unit (its template's uom_id) is `unitId`.
    int product(const std::string &name, const std::string &defaultCode, int unitId);

    // Another variant of the product's template.
    int variant(int productId, const std::string &defaultCode);

    struct BillOptions
    {
        std::optional<int> companyId = 1; // nothing: shared by every company
        std::optional<int> sequence;
        bool active = true;
        bool forThisVariant = false; // made for the variant itself (mrp_bom.product_id)
        int unitId = 0;              // unit of the batch; 0: the default unit
    };
    // A bill that makes `quantity` of the product's template.
    int bill(int productId, const std::string &quantity, const BillOptions &options);
    int bill(int productId, const std::string &quantity) { return bill(productId, quantity, {}); }
    // A component line of a bill; unit 0 is the default unit.
    int billLine(int billId, int componentId, const std::string &quantity, int unitId = 0);

    int location(const std::string &name, const std::string &usage, std::optional<int> companyId);
    int quant(int productId, int locationId, const std::string &quantity);

    struct PurchaseOptions
    {
        int companyId = 1;
        std::string state = "purchase";
        std::string received = "0";
        int unitId = 0; // 0: the default unit
    };
    // A purchase line on an order of its own, in the order's state.
    int purchaseLine(int productId, const std::string &quantity, const PurchaseOptions &options);

private:
    int vendor();

    FreshDatabase &m_database;
    ErpFixture &m_erp;
    int m_vendor = 0;
    int m_purchaseOrders = 0;
};

} // namespace testsupport
