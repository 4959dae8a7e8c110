#pragma once

#include "data/routes.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The steps of a route as the route path editor collects them: putting the ticked
// work centres in route order and checking the rates and minimum hours typed for them.
namespace engine {

// A ticked row of the editor: its work-centre slot and the texts of its three boxes.
struct TypedStep
{
    int slot = 0;
    std::string sequence;
    std::string runRate;
    std::string minHours;
};

// The slots in route order. A sequence box that starts with a number (leading-number
// rule, rounded to a whole number, halves to even) orders its row by that number,
// whatever its size or sign; rows whose box is empty or holds no number come after
// them; rows with the same number, and the rows without one, go by slot.
std::vector<int> SortRouteSteps(const std::vector<TypedStep> &ticked);

enum class StepField
{
    RunRate,
    MinHours
};
enum class StepFault
{
    NotANumber,
    Negative,
    TooLarge
};

// A rate or minimum by the leading-number rule ("12abc" is 12, an empty box 0), to the
// three places the route stores; a box that holds no number, a negative value or one
// beyond numeric(9,3) is a fault.
struct CheckedNumber
{
    dbaccess::Decimal value;
    std::optional<StepFault> fault;
};
CheckedNumber checkStepNumber(std::string_view text);

struct StepProblem
{
    int slot = 0;
    StepField field = StepField::RunRate;
    StepFault fault = StepFault::NotANumber;
    std::string text; // what was typed
};

// The route to store: the steps in route order with their numbers, or the first
// problem found in route order (then no steps).
struct RoutePlan
{
    std::vector<data::routes::Step> steps;
    std::optional<StepProblem> problem;
};
RoutePlan planRoute(const std::vector<TypedStep> &ticked);

} // namespace engine
