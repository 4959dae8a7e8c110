// The order detail panel's captions from what was read of a line, its bill and stock.
#include "engine/order_detail.h"

#include <gtest/gtest.h>

using data::order_detail::Component;
using data::order_detail::Components;
using data::order_detail::LineBill;
using dbaccess::Decimal;

namespace {

Decimal dec(const char *text) { return *Decimal::parse(text); }

LineBill lineOf(const char *quantity, const char *billQuantity)
{
    return {7, "Units", 3, dec(billQuantity), dec(quantity)};
}

struct NeedCase
{
    const char *name;
    const char *lineQuantity;
    const char *billQuantity;
    const char *perBatch;
    std::string shown;
};

void PrintTo(const NeedCase &c, std::ostream *os) { *os << c.name; }

class Need : public testing::TestWithParam<NeedCase>
{
};

TEST_P(Need, IsTheLinesShareOfTheBillsBatch)
{
    const NeedCase &c = GetParam();
    const auto view = engine::orderDetailView(lineOf(c.lineQuantity, c.billQuantity),
                                              {{{"PART", dec(c.perBatch), "kg"}}, 1}, {});
    ASSERT_EQ(view.components.size(), 1u);
    EXPECT_EQ(view.components[0].quantity, c.shown);
    EXPECT_EQ(view.components[0].unit, "kg");
    EXPECT_EQ(view.componentCount, "");
}

INSTANTIATE_TEST_SUITE_P(
    OrderDetail, Need,
    testing::Values(NeedCase{"QuarterPerUnit", "10", "1", "0.25", "2.5"},
                    NeedCase{"BatchOfTwoDividesTheNeed", "10", "2", "3", "15"},
                    NeedCase{"AThirdOfABatchToNinePlaces", "1", "3", "1", "0.333333333"},
                    NeedCase{"WholeNumbersWithoutPoint", "4", "1", "250", "1000"},
                    NeedCase{"NothingOrderedNeedsNothing", "0", "1", "5", "0"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(OrderDetail, ABillOfMoreThanSixLinesSaysHowManyThereAre)
{
    Components components;
    for (const char *code : {"A", "B", "C", "D", "E", "F"})
        components.first.push_back({code, dec("1"), "Units"});
    components.count = 8;
    const auto view = engine::orderDetailView(lineOf("2", "1"), components, dec("5"));
    ASSERT_EQ(view.components.size(), 6u);
    EXPECT_EQ(view.components[5].referenceCode, "F");
    EXPECT_EQ(view.componentCount, "6 of 8 components");

    components.count = 6;
    EXPECT_EQ(engine::orderDetailView(lineOf("2", "1"), components, {}).componentCount, "");
}

TEST(OrderDetail, StockIsShownToTwoPlacesInTheProductsUnit)
{
    const std::vector<std::pair<const char *, std::string>> cases{
        {"42.125", "42.12"}, {"42.135", "42.14"}, {"-3", "-3"}, {"7.50", "7.5"}};
    for (const auto &[stock, shown] : cases) {
        const auto view = engine::orderDetailView(lineOf("1", "1"), {}, dec(stock));
        EXPECT_EQ(view.stock, shown) << stock;
        EXPECT_EQ(view.stockUnit, "Units");
    }
    EXPECT_EQ(engine::orderDetailView(lineOf("1", "1"), {}, {}).stock, "0");
}

TEST(OrderDetail, NoBillOrNoLineShowsNoComponents)
{
    LineBill withoutBill = lineOf("1", "1");
    withoutBill.billId = 0;
    const Components someLines{{{"PART", dec("1"), "Units"}}, 1};
    const auto view = engine::orderDetailView(withoutBill, someLines, {});
    EXPECT_TRUE(view.components.empty());
    EXPECT_EQ(view.stockUnit, "Units");

    const auto gone = engine::orderDetailView(std::nullopt, someLines, {});
    EXPECT_TRUE(gone.components.empty());
    EXPECT_EQ(gone.stock, "0");
    EXPECT_EQ(gone.stockUnit, "");
}

} // namespace
