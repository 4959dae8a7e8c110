// Putting the ticked work centres of the route path editor in route order, and checking
// the rates and minimum hours typed for them.
#include "engine/route_steps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using engine::StepFault;
using engine::StepField;
using engine::TypedStep;

namespace {

std::string caseName(const auto &info)
{
    return info.param.name;
}

// --- Route order ---------------------------------------------------------------------

struct OrderCase
{
    const char *name;
    std::vector<std::pair<int, std::string>> ticked; // slot and sequence box, in row order
    std::vector<int> route;
};

class RouteOrder : public ::testing::TestWithParam<OrderCase>
{
};

TEST_P(RouteOrder, FollowsTheSequenceNumbers)
{
    std::vector<TypedStep> ticked;
    for (const auto &[slot, sequence] : GetParam().ticked)
        ticked.push_back({slot, sequence, "", ""});
    EXPECT_EQ(engine::SortRouteSteps(ticked), GetParam().route);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RouteOrder,
    ::testing::Values(
        OrderCase{"WithoutNumbersTheRowsKeepSlotOrder", {{1, ""}, {4, ""}, {6, ""}}, {1, 4, 6}},
        OrderCase{"NumberedRowsGoByTheirNumber", {{2, "7"}, {5, "3"}}, {5, 2}},
        OrderCase{"EqualNumbersGoBySlot", {{2, "1"}, {10, "1"}}, {2, 10}},
        OrderCase{
            "NumbersOfThreeDigitsCountAsNumbers", {{3, "100"}, {4, "20"}, {5, "9"}}, {5, 4, 3}},
        OrderCase{"NegativeNumbersComeBeforePositiveOnes", {{1, "5"}, {2, "-1"}}, {2, 1}},
        OrderCase{"ZeroIsANumberLikeAnyOther", {{1, ""}, {2, "0"}, {3, "1"}}, {2, 3, 1}},
        OrderCase{"EmptyAndNonNumericBoxesComeAfterTheNumberedInSlotOrder",
                  {{1, "abc"}, {2, ""}, {3, "2"}, {4, "1"}},
                  {4, 3, 1, 2}},
        OrderCase{"ABoxIsReadByItsLeadingNumber", {{1, "3rd"}, {2, " 2 nd"}}, {2, 1}},
        OrderCase{"FractionsRoundToWholeNumbersHalfToEven",
                  {{1, "2.5"}, {2, "1.6"}, {3, "3.5"}, {4, "3"}},
                  {1, 2, 4, 3}},
        OrderCase{"NumbersBeyondSixteenBitsKeepTheirOrder", {{1, "70000"}, {2, "65536"}}, {2, 1}}),
    [](const auto &info) { return caseName(info); });

// --- Rates and minimum hours ---------------------------------------------------------

struct NumberCase
{
    const char *name;
    const char *typed;
    const char *value; // shortest form; nullptr when refused
    StepFault fault;
};

class StepNumber : public ::testing::TestWithParam<NumberCase>
{
};

TEST_P(StepNumber, FollowsTheLeadingNumberRuleWithinTheColumn)
{
    const auto checked = engine::checkStepNumber(GetParam().typed);
    if (GetParam().value) {
        EXPECT_FALSE(checked.fault);
        EXPECT_EQ(checked.value.toString(), GetParam().value);
    } else {
        ASSERT_TRUE(checked.fault);
        EXPECT_EQ(*checked.fault, GetParam().fault);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StepNumber,
    ::testing::Values(
        NumberCase{"EmptyIsZero", "", "0", {}}, NumberCase{"BlanksAreZero", "  ", "0", {}},
        NumberCase{"TrailingTextIsDropped", "12abc", "12", {}},
        NumberCase{"Fraction", "12.5", "12.5", {}},
        NumberCase{"ThreePlacesHalfToEvenDown", "0.0005", "0", {}},
        NumberCase{"ThreePlacesHalfToEvenUp", "0.0015", "0.002", {}},
        NumberCase{"Exponent", "1e3", "1000", {}}, NumberCase{"MinusZeroIsZero", "-0", "0", {}},
        NumberCase{"LargestTheColumnHolds", "999999.999", "999999.999", {}},
        NumberCase{"NoNumberAtAll", "abc", nullptr, StepFault::NotANumber},
        NumberCase{"OnlyASign", "-", nullptr, StepFault::NotANumber},
        NumberCase{"Negative", "-1", nullptr, StepFault::Negative},
        NumberCase{"NegativeFraction", "-0.5", nullptr, StepFault::Negative},
        NumberCase{"AMillion", "1000000", nullptr, StepFault::TooLarge},
        NumberCase{"RoundsUpBeyondTheColumn", "999999.9995", nullptr, StepFault::TooLarge},
        NumberCase{"FarBeyondTheColumn", "1e300", nullptr, StepFault::TooLarge}),
    [](const auto &info) { return caseName(info); });

// --- The route to store --------------------------------------------------------------

TEST(RoutePlan, StepsInRouteOrderCarryTheirOwnRowsNumbers)
{
    const auto plan = engine::planRoute({{2, "7", "12.5", "2"}, {5, "3", "40", ""}});
    ASSERT_FALSE(plan.problem);
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].slot, 5);
    EXPECT_EQ(plan.steps[0].runRate.toString(), "40");
    EXPECT_EQ(plan.steps[0].minHours.toString(), "0");
    EXPECT_EQ(plan.steps[1].slot, 2);
    EXPECT_EQ(plan.steps[1].runRate.toString(), "12.5");
    EXPECT_EQ(plan.steps[1].minHours.toString(), "2");
}

TEST(RoutePlan, TheFirstRefusedBoxInRouteOrderIsNamedAndNoStepIsKept)
{
    // Slot 5 comes first in the route, so its minimum is the first fault met.
    const auto plan = engine::planRoute({{2, "2", "abc", ""}, {5, "1", "", "-1"}});
    EXPECT_TRUE(plan.steps.empty());
    ASSERT_TRUE(plan.problem);
    EXPECT_EQ(plan.problem->slot, 5);
    EXPECT_EQ(plan.problem->field, StepField::MinHours);
    EXPECT_EQ(plan.problem->fault, StepFault::Negative);
    EXPECT_EQ(plan.problem->text, "-1");
}

} // namespace
