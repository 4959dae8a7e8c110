#include "engine/route_steps.h"

#include "dbaccess/leading_number.h"
#include "engine/typed_number.h"

#include <algorithm>
#include <tuple>

namespace engine {

namespace {

// Positions in `ticked`, in route order.
std::vector<std::size_t> routeOrder(const std::vector<TypedStep> &ticked)
{
    struct Key
    {
        bool unnumbered;
        double number;
        int slot;
        std::size_t position;
    };
    std::vector<Key> keys;
    keys.reserve(ticked.size());
    for (std::size_t i = 0; i < ticked.size(); ++i) {
        const auto typed = dbaccess::leadingNumber(ticked[i].sequence);
        keys.push_back({!typed.found, typed.found ? dbaccess::roundHalfEven(typed.value) : 0.0,
                        ticked[i].slot, i});
    }
    std::sort(keys.begin(), keys.end(), [](const Key &a, const Key &b) {
        return std::tie(a.unnumbered, a.number, a.slot) < std::tie(b.unnumbered, b.number, b.slot);
    });
    std::vector<std::size_t> order;
    order.reserve(keys.size());
    for (const Key &key : keys)
        order.push_back(key.position);
    return order;
}

} // namespace

std::vector<int> SortRouteSteps(const std::vector<TypedStep> &ticked)
{
    std::vector<int> slots;
    slots.reserve(ticked.size());
    for (std::size_t i : routeOrder(ticked))
        slots.push_back(ticked[i].slot);
    return slots;
}

CheckedNumber checkStepNumber(std::string_view text)
{
    const TypedNumber typed =
        readTypedNumber(text, dbaccess::Decimal(), data::routes::largestStepNumber(), 3);
    switch (typed.problem) {
    case TypedNumber::Problem::None:
        return {typed.stored, std::nullopt};
    case TypedNumber::Problem::NotANumber:
        return {{}, StepFault::NotANumber};
    case TypedNumber::Problem::BelowRange:
        return {{}, StepFault::Negative};
    case TypedNumber::Problem::AboveRange:
        break;
    }
    return {{}, StepFault::TooLarge};
}

RoutePlan planRoute(const std::vector<TypedStep> &ticked)
{
    RoutePlan plan;
    for (std::size_t i : routeOrder(ticked)) {
        const TypedStep *typed = &ticked[i];
        data::routes::Step step{typed->slot, {}, {}};
        for (auto [field, text, target] :
             {std::tuple{StepField::RunRate, &typed->runRate, &step.runRate},
              std::tuple{StepField::MinHours, &typed->minHours, &step.minHours}}) {
            const CheckedNumber checked = checkStepNumber(*text);
            if (checked.fault) {
                plan.steps.clear();
                plan.problem = StepProblem{typed->slot, field, *checked.fault, *text};
                return plan;
            }
            *target = checked.value;
        }
        plan.steps.push_back(step);
    }
    return plan;
}

} // namespace engine
