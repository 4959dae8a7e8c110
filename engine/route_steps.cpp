#include "engine/route_steps.h"

#include "dbaccess/leading_number.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace engine {

namespace {

bool blank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

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
    if (blank(text))
        return {};
    const auto typed = dbaccess::leadingNumber(text);
    if (!typed.found)
        return {{}, StepFault::NotANumber};
    // Far beyond the column either way: no need to make an exact decimal of it.
    if (std::fabs(typed.value) > 1e12)
        return {{}, typed.value < 0 ? StepFault::Negative : StepFault::TooLarge};
    const auto value = dbaccess::Decimal::fromDouble(typed.value).rounded(3);
    if (value < dbaccess::Decimal())
        return {{}, StepFault::Negative};
    if (value > data::routes::largestStepNumber())
        return {{}, StepFault::TooLarge};
    return {value, std::nullopt};
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
