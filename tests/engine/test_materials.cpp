// Materials purchase requirements: exploding the planned lines through their bills,
// netting against stock, and the purchases view read from an Odoo database.
#include "data/own_tables.h"
#include "engine/materials.h"
#include "tests/support/erp_stock_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

using data::materials::BillLine;
using data::materials::PlannedWork;
using data::materials::QuantityByProduct;
using dbaccess::Date;
using dbaccess::Decimal;
using engine::MaterialNeed;

namespace {

Decimal dec(const char *text) { return *Decimal::parse(text); }

const Date mar3 = Date::fromYmd(2026, 3, 3);
const Date mar5 = Date::fromYmd(2026, 3, 5);
const Date mar10 = Date::fromYmd(2026, 3, 10);

// --- Explosion --------------------------------------------------------------------------

TEST(ExplodeBills, EveryPlannedLineNeedsItsShareOfItsBillAtItsOwnStart)
{
    const std::vector<BillLine> billLines{
        {2, 101, dec("1"), "HINGE"},
        {2, 102, dec("4"), "SCREW"},
        {5, 105, dec("3"), "GLASS"},
        {5, 101, dec("0.5"), "HINGE"},
        {9, 109, dec("1"), "NOT-PLANNED"},
    };
    const std::vector<PlannedWork> lines{
        {2, dec("10"), dec("2"), mar3}, // bill 2 makes 2 frames a run
        {2, dec("4"), dec("2"), mar10}, // a second order of the frame, planned later
        {5, dec("2"), dec("1"), mar3},
        {7, dec("5"), dec("1"), mar3},  // a bill without lines
        {2, dec("6"), dec("2"), mar3},  // a third frame on the first date
        {5, dec("1"), dec("3"), mar5},  // a third of a run of bill 5
    };

    EXPECT_EQ(engine::explodeBills(lines, billLines),
              (std::vector<MaterialNeed>{
                  {101, mar3, dec("9"), "HINGE"}, // 10×1÷2 + 2×0.5 + 6×1÷2
                  {102, mar3, dec("32"), "SCREW"}, // 10×4÷2 + 6×4÷2
                  {101, mar10, dec("2"), "HINGE"},
                  {102, mar10, dec("8"), "SCREW"},
                  {105, mar3, dec("6"), "GLASS"},
                  {105, mar5, dec("1"), "GLASS"},
                  {101, mar5, dec("0.166666667"), "HINGE"}, // 1×0.5÷3 to 9 places
              }));
}

// --- Netting and order -------------------------------------------------------------------

struct NettingCase
{
    const char *name;
    std::vector<MaterialNeed> needs;
    QuantityByProduct stock;
    std::vector<std::string> shortfalls; // "code quantity yyyy-mm-dd #component"
};

void PrintTo(const NettingCase &c, std::ostream *os) { *os << c.name; }

class Netting : public testing::TestWithParam<NettingCase>
{
};

TEST_P(Netting, ShowsWhatStockLeavesShortInSortOrder)
{
    const NettingCase &c = GetParam();
    std::vector<std::string> shown;
    for (const auto &s : engine::netAgainstStock(c.needs, c.stock, 27))
        shown.push_back(s.referenceCode + " " + s.quantity.toString() + " " +
                        s.neededBy.isoText() + " #" + std::to_string(s.componentId));
    EXPECT_EQ(shown, c.shortfalls);
}

INSTANTIATE_TEST_SUITE_P(
    Materials, Netting,
    testing::Values(
        NettingCase{"StockCoversTheEarliestNeedFirst",
                    {{7, mar10, dec("25"), "A-100"}, {7, mar3, dec("20"), "A-100"}},
                    {{7, dec("30")}},
                    {"A-100 15 2026-03-10 #7"}},
        NettingCase{"StockExactlyCoveringANeedLeavesNothingForTheNext",
                    {{7, mar3, dec("30"), "A-100"}, {7, mar10, dec("25"), "A-100"}},
                    {{7, dec("30")}},
                    {"A-100 25 2026-03-10 #7"}},
        NettingCase{"NegativeStockCountsAsNone",
                    {{7, mar3, dec("20"), "A-100"}},
                    {{7, dec("-5")}},
                    {"A-100 20 2026-03-03 #7"}},
        NettingCase{"NoStockShowsTheWholeNeed", {{7, mar3, dec("20"), "A-100"}}, {},
                    {"A-100 20 2026-03-03 #7"}},
        NettingCase{"NeedsAreTakenToThreeDecimals",
                    {{1, mar3, dec("0.0004"), "DUST"},
                     {2, mar3, dec("1.2345"), "ROD"},
                     {3, mar3, dec("0.999999999"), "THIRDS"}},
                    {},
                    {"ROD 1.234 2026-03-03 #2", "THIRDS 1 2026-03-03 #3"}},
        NettingCase{"ComponentsSharingACodeEachUseTheirOwnStock",
                    {{5, mar3, dec("10"), ""}, {5, mar10, dec("10"), ""}, {6, mar5, dec("4"), ""}},
                    {{5, dec("15")}},
                    {" 4 2026-03-05 #6", " 5 2026-03-10 #5"}},
        NettingCase{"OrderedByCodeWithoutRegardToCaseThenDateThenIdText",
                    {{1, mar3, dec("1"), "b-2"},
                     {2, mar3, dec("1"), "B-1"},
                     {3, mar10, dec("1"), "a"},
                     {4, mar3, dec("1"), "A"},
                     {15, mar5, dec("1"), ""},
                     {123, mar5, dec("1"), ""}},
                    {},
                    {" 1 2026-03-05 #123", " 1 2026-03-05 #15", "A 1 2026-03-03 #4",
                     "a 1 2026-03-10 #3", "B-1 1 2026-03-03 #2", "b-2 1 2026-03-03 #1"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(NetAgainstStock, MoreShortfallsThanRowsKeepTheFirstInSortOrder)
{
    std::vector<MaterialNeed> needs;
    for (int i = 0; i < 30; ++i) {
        char code[8];
        std::snprintf(code, sizeof code, i % 2 ? "c%02d" : "C%02d", i);
        needs.push_back({i + 1, mar3, dec("1"), code});
    }
    std::shuffle(needs.begin(), needs.end(), std::mt19937(7));

    const auto first = engine::netAgainstStock(needs, {}, 27);
    ASSERT_EQ(first.size(), 27u);
    for (int i = 0; i < 27; ++i)
        EXPECT_EQ(first[i].componentId, i + 1) << "row " << i;
}

TEST(Materials, PendingPurchaseTextRoundsToWholeUnits)
{
    const std::map<std::string, std::string> cases{
        {"0", ""},
        {"-3", ""},
        {"12.4", "[po pending qty: 12]"},
        {"12.5", "[po pending qty: 12]"},
        {"13.5", "[po pending qty: 14]"},
        {"24", "[po pending qty: 24]"},
    };
    for (const auto &[pending, text] : cases)
        EXPECT_EQ(engine::pendingPurchaseText(dec(pending.c_str())), text) << pending;
}

// --- The purchases view against the ERP's tables ------------------------------------------

class PurchasesView : public testsupport::DatabaseTest
{
protected:
    testsupport::ErpFixture erp{fresh};
    testsupport::ErpStockFixture stock{fresh, erp};

    void SetUp() override
    {
        data::EnsureOwnTables(db());
        erp.company(1, "Shop");
        erp.company(2, "Sister shop");
    }

    // A job of the line starting on `date` ("yyyy-mm-dd").
    void plan(int lineId, const char *date, int status = 1)
    {
        exec("insert into brontalo_schedule(workcenterid,sequence,status,solineid,startdate,"
             "runhours) values (1,0," +
             std::to_string(status) + "," + std::to_string(lineId) + ",'" + date + "',1)");
    }

    // An order line of company 1 planned to start on `date`.
    int plannedLine(int productId, const char *quantity, const char *date)
    {
        const int line = erp.line(erp.order(1, std::nullopt), productId, quantity);
        plan(line, date);
        return line;
    }

    // Each row as "code|quantity|needed by|pending".
    std::vector<std::string> rows()
    {
        std::vector<std::string> shown;
        for (const auto &r : engine::ListMaterialRequirements(db(), 1))
            shown.push_back(r.referenceCode + "|" + r.quantity + "|" + r.neededByText + "|" +
                            r.pendingPurchase);
        EXPECT_FALSE(db().rsMain.isOpen());
        return shown;
    }
};

TEST_F(PurchasesView, NetsEveryPlannedLineAgainstTheStockOfTheCompanysInternalLocations)
{
    const int frame = erp.product("Window frame");
    const int hinge = erp.product("Hinge", "A-100");
    stock.billLine(stock.bill(frame, "1"), hinge, "1");

    // Two orders of the frame, each needed from its earliest live job: 20 on 3 March
    // and 25 on 10 March.
    const int first = erp.line(erp.order(1, std::nullopt), frame, "20");
    plan(first, "2026-03-05");
    plan(first, "2026-03-03", 4);
    const int second = erp.line(erp.order(1, std::nullopt), frame, "25");
    plan(second, "2026-03-12", 2);
    plan(second, "2026-03-10", 3);
    plan(second, "2026-03-08", 0); // removed
    // Lines that need nothing: only removed jobs, another company's line.
    plan(erp.line(erp.order(1, std::nullopt), frame, "100"), "2026-03-03", 0);
    plan(erp.line(erp.order(2, std::nullopt), frame, "100"), "2026-03-03");

    // 30 on hand in two internal locations; the quants elsewhere (the company's own
    // production location among them) add up to 0 with them, and the newest quant is a
    // vendor location's.
    const int shelf = stock.location("WH/Stock/Shelf", "internal", 1);
    const int bay = stock.location("WH/Stock/Bay", "internal", 1);
    const int production = stock.location("Virtual Locations/Production", "production", 1);
    const int customers = stock.location("Partners/Customers", "customer", std::nullopt);
    const int vendors = stock.location("Partners/Vendors", "supplier", std::nullopt);
    const int sister = stock.location("SIS/Stock", "internal", 2);
    stock.quant(hinge, shelf, "22");
    stock.quant(hinge, bay, "8");
    stock.quant(hinge, production, "12");
    stock.quant(hinge, customers, "5");
    stock.quant(hinge, sister, "50");
    stock.quant(hinge, vendors, "-97");

    EXPECT_EQ(rows(), (std::vector<std::string>{"A-100|15|10-Mar-26|"}));
}

TEST_F(PurchasesView, ComponentsComeFromTheFirstUsableBillOfTheOrderedProduct)
{
    const int frame = erp.product("Window frame", "FRAME");
    const int door = erp.product("Door");
    auto component = [&](const char *code) { return erp.product(code, code); };

    stock.billLine(stock.bill(frame, "1", {.sequence = 0, .active = false}), component("OLD"), "1");
    stock.billLine(stock.bill(frame, "1", {.companyId = 2, .sequence = 0}), component("SISTER"),
                   "1");
    stock.billLine(stock.bill(frame, "1", {.sequence = 5}), component("LATER"), "1");
    stock.billLine(stock.bill(frame, "2", {.sequence = 2}), component("USED"), "3");
    const int shared = stock.bill(door, "1", {.companyId = std::nullopt, .sequence = std::nullopt});
    stock.billLine(shared, component("SHARED"), "0.5");
    stock.billLine(shared, erp.product("Unnamed seal"), "1");
    // A bill the frame goes into: it says nothing about what the frame is made of.
    stock.billLine(stock.bill(erp.product("Window"), "1"), frame, "2");

    plannedLine(frame, "10", "2026-03-10");
    plannedLine(door, "4", "2026-03-10");

    EXPECT_EQ(rows(), (std::vector<std::string>{"|4|10-Mar-26|", "SHARED|2|10-Mar-26|",
                                                "USED|15|10-Mar-26|"}));
}

TEST_F(PurchasesView, AVariantIsMadeByItsOwnBillBeforeItsTemplatesAndNeverBySiblings)
{
    // Oak and pine tables are variants of one template. The oak one has a bill of its
    // own (its sequence later than the template's); the pine one has none and is made
    // by the template's bill, never by the oak one's.
    const int oak = erp.product("Dining table", "TABLE-OAK");
    const int pine = stock.variant(oak, "TABLE-PINE");
    auto component = [&](const char *code) { return erp.product(code, code); };
    stock.billLine(stock.bill(oak, "1", {.sequence = 1}), component("TEMPLATE-TOP"), "1");
    stock.billLine(stock.bill(oak, "1", {.sequence = 9, .forThisVariant = true}),
                   component("OAK-TOP"), "1");
    stock.billLine(stock.bill(oak, "1", {.sequence = 5, .forThisVariant = true}),
                   component("OAK-LEG"), "4");
    plannedLine(oak, "2", "2026-03-10");
    plannedLine(pine, "3", "2026-03-10");

    EXPECT_EQ(rows(), (std::vector<std::string>{"OAK-LEG|8|10-Mar-26|",
                                                "TEMPLATE-TOP|3|10-Mar-26|"}));
}

TEST_F(PurchasesView, TheLinesUnitIsConvertedIntoTheBillsUnit)
{
    // A line of 4 Dozens needs the components of 48 units; a bill that makes a dozen
    // per run needs its lines once per 12 units.
    const int units = erp.defaultUnit();
    const int dozen = stock.unit(
        std::stoi(scalar("select category_id from uom_uom where id=" + std::to_string(units))),
        "Dozens", "0.08333333333333333");
    const int frame = erp.product("Window frame");
    const int sash = erp.product("Sash");
    stock.billLine(stock.bill(frame, "1"), erp.product("Hinge", "HINGE"), "2");
    testsupport::ErpStockFixture::BillOptions byTheDozen;
    byTheDozen.unitId = dozen;
    stock.billLine(stock.bill(sash, "1", byTheDozen), erp.product("Glass", "GLASS"), "12");
    const int dozenFrames = plannedLine(frame, "4", "2026-03-10");
    const int dozenSashes = plannedLine(sash, "2", "2026-03-10"); // 2 runs of a dozen
    plannedLine(sash, "6", "2026-03-10");                          // half a run
    for (int line : {dozenFrames, dozenSashes})
        exec("update sale_order_line set product_uom=" + std::to_string(dozen) +
             " where id=" + std::to_string(line));

    EXPECT_EQ(rows(), (std::vector<std::string>{"GLASS|30|10-Mar-26|", "HINGE|96|10-Mar-26|"}));
}

TEST_F(PurchasesView, BillAndPurchaseUnitsAreConvertedToTheComponentsOwnUnit)
{
    const int mass = stock.unitCategory("Weight");
    const int kg = stock.unit(mass, "kg", "1");
    const int gram = stock.unit(mass, "g", "1000");
    const int aluminium = stock.product("Aluminium", "ALU", kg);
    const int frame = erp.product("Window frame");
    const int sash = erp.product("Sash");
    stock.billLine(stock.bill(frame, "1"), aluminium, "500", gram);
    stock.billLine(stock.bill(sash, "1"), aluminium, "0.25", kg);
    plannedLine(frame, "3", "2026-03-10"); // 1.5 kg
    plannedLine(sash, "2", "2026-03-10");  // 0.5 kg
    stock.quant(aluminium, stock.location("WH/Stock", "internal", 1), "0.5");
    stock.purchaseLine(aluminium, "1500", {.unitId = gram});

    EXPECT_EQ(rows(), (std::vector<std::string>{"ALU|1.5|10-Mar-26|[po pending qty: 2]"}));
}

TEST_F(PurchasesView, PendingPurchasesAreWhatConfirmedLinesOfTheCompanyStillHaveToDeliver)
{
    const int units = erp.defaultUnit();
    const int dozen = stock.unit(
        std::stoi(scalar("select category_id from uom_uom where id=" + std::to_string(units))),
        "Dozens", "0.08333333333333333");
    const int screw = erp.product("Screw", "SCR");
    const int plug = erp.product("Plug", "PLG");
    const int frame = erp.product("Window frame");
    const int bill = stock.bill(frame, "1");
    stock.billLine(bill, screw, "100");
    stock.billLine(bill, plug, "1");
    plannedLine(frame, "1", "2026-03-10");

    stock.purchaseLine(screw, "2", {.unitId = dozen});                     // 24
    stock.purchaseLine(screw, "10", {.state = "done", .received = "4"});   // 6
    for (const char *state : {"draft", "sent", "to approve", "cancel"})
        stock.purchaseLine(screw, "100", {.state = state});
    stock.purchaseLine(screw, "100", {.companyId = 2});
    stock.purchaseLine(screw, "5", {.received = "5"});
    stock.purchaseLine(plug, "5", {.received = "7"}); // over-delivered: nothing to come

    EXPECT_EQ(rows(), (std::vector<std::string>{"PLG|1|10-Mar-26|",
                                                "SCR|100|10-Mar-26|[po pending qty: 30]"}));
}

} // namespace
