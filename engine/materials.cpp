#include "engine/materials.h"

#include "dbaccess/startup.h"
#include "engine/job_list.h"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_map>

namespace engine {

using dbaccess::Date;
using dbaccess::Decimal;
using data::materials::BillLine;
using data::materials::PlannedWork;
using data::materials::QuantityByProduct;

namespace {

struct NeedKey
{
    std::int64_t componentId;
    std::int32_t day;
    bool operator==(const NeedKey &) const = default;
};

struct NeedKeyHash
{
    std::size_t operator()(const NeedKey &key) const
    {
        return std::hash<std::int64_t>()(key.componentId * 1'000'003 + key.day);
    }
};

std::vector<std::int64_t> distinct(std::vector<std::int64_t> ids)
{
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}

char lowered(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// The order of the texts "code TAB yyyymmdd component-id TAB quantity" compared without
// regard to case: by code (a code comes before the longer ones it begins, as the tab
// sorts before any character of a code), then date, then the id's digits as text.
// The quantity never decides: a component has one entry per date.
bool entryBefore(const MaterialNeed &a, const MaterialNeed &b)
{
    const std::string &x = a.referenceCode;
    const std::string &y = b.referenceCode;
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i)
        if (lowered(x[i]) != lowered(y[i]))
            return (unsigned char)lowered(x[i]) < (unsigned char)lowered(y[i]);
    if (x.size() != y.size())
        return x.size() < y.size();
    if (a.neededBy != b.neededBy)
        return a.neededBy < b.neededBy;
    char idA[24], idB[24];
    const char *endA = std::to_chars(idA, idA + sizeof idA, a.componentId).ptr;
    const char *endB = std::to_chars(idB, idB + sizeof idB, b.componentId).ptr;
    return std::string_view(idA, endA - idA) < std::string_view(idB, endB - idB);
}

} // namespace

Decimal neededQuantity(Decimal lineQuantity, Decimal perBatch, Decimal billQuantity)
{
    return lineQuantity * perBatch / billQuantity;
}

std::vector<MaterialNeed> explodeBills(const std::vector<PlannedWork> &work,
                                       const std::vector<BillLine> &billLines)
{
    std::unordered_map<std::int64_t, std::vector<const BillLine *>> linesOfBill;
    for (const BillLine &line : billLines)
        linesOfBill[line.billId].push_back(&line);

    std::vector<MaterialNeed> needs;
    std::unordered_map<NeedKey, std::size_t, NeedKeyHash> needIndex;
    for (const PlannedWork &line : work) {
        const auto components = linesOfBill.find(line.billId);
        if (components == linesOfBill.end())
            continue;
        for (const BillLine *component : components->second) {
            const Decimal quantity =
                neededQuantity(line.quantity, component->quantity, line.billQuantity);
            const NeedKey key{component->componentId, line.plannedStart.dayNumber()};
            const auto [it, added] = needIndex.try_emplace(key, needs.size());
            if (added)
                needs.push_back({component->componentId, line.plannedStart, quantity,
                                 component->referenceCode});
            else
                needs[it->second].quantity += quantity;
        }
    }
    return needs;
}

std::vector<Shortfall> netAgainstStock(const std::vector<MaterialNeed> &needs,
                                       const QuantityByProduct &stock, std::size_t limit)
{
    // Each component's needs in date order.
    std::vector<const MaterialNeed *> byComponent;
    byComponent.reserve(needs.size());
    for (const MaterialNeed &need : needs)
        byComponent.push_back(&need);
    std::sort(byComponent.begin(), byComponent.end(),
              [](const MaterialNeed *a, const MaterialNeed *b) {
                  if (a->componentId != b->componentId)
                      return a->componentId < b->componentId;
                  return a->neededBy < b->neededBy;
              });

    struct Short
    {
        const MaterialNeed *need;
        Decimal quantity;
    };
    std::vector<Short> shortfalls;
    std::int64_t component = 0;
    Decimal left;
    for (std::size_t i = 0; i < byComponent.size(); ++i) {
        const MaterialNeed &need = *byComponent[i];
        if (i == 0 || need.componentId != component) {
            component = need.componentId;
            const auto onHand = stock.find(component);
            left = onHand != stock.end() && onHand->second > Decimal() ? onHand->second
                                                                        : Decimal();
        }
        // The need as its sort entry carries it, to 3 decimals.
        Decimal required = need.quantity.rounded(3);
        if (required > left) {
            required -= left;
            left = Decimal();
        } else {
            left -= required;
            required = Decimal();
        }
        if (required > Decimal())
            shortfalls.push_back({&need, required});
    }

    const std::size_t count = std::min(limit, shortfalls.size());
    std::partial_sort(shortfalls.begin(), shortfalls.begin() + std::ptrdiff_t(count),
                      shortfalls.end(),
                      [](const Short &a, const Short &b) { return entryBefore(*a.need, *b.need); });
    std::vector<Shortfall> first;
    first.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const MaterialNeed &need = *shortfalls[i].need;
        first.push_back({need.componentId, need.neededBy, shortfalls[i].quantity,
                         need.referenceCode});
    }
    return first;
}

std::string pendingPurchaseText(Decimal pending)
{
    if (!(pending > Decimal()))
        return {};
    return "[po pending qty: " + pending.rounded(0).toString() + "]";
}

std::vector<MaterialRow> materialRows(const std::vector<Shortfall> &shortfalls,
                                      const QuantityByProduct &pending, const MonthNames &names)
{
    std::vector<MaterialRow> rows;
    rows.reserve(shortfalls.size());
    for (const Shortfall &shortfall : shortfalls) {
        const auto onOrder = pending.find(shortfall.componentId);
        rows.push_back({shortfall.componentId, shortfall.referenceCode,
                        shortfall.quantity.rounded(3).toString(), shortfall.neededBy,
                        dueDateText(shortfall.neededBy, names),
                        onOrder == pending.end() ? std::string()
                                                 : pendingPurchaseText(onOrder->second)});
    }
    return rows;
}

std::vector<MaterialRow> ListMaterialRequirements(dbaccess::Database &database, int companyId,
                                                  const MonthNames &names)
{
    namespace materials = data::materials;
    auto &rs = database.rsMain;
    const auto lines = materials::readPlannedWork(rs, companyId);
    std::vector<std::int64_t> billIds;
    for (const PlannedWork &line : lines)
        billIds.push_back(line.billId);
    const auto billLines = materials::readBillLines(rs, distinct(std::move(billIds)));
    const std::vector<MaterialNeed> needs = explodeBills(lines, billLines);

    std::vector<std::int64_t> components;
    for (const MaterialNeed &need : needs)
        components.push_back(need.componentId);
    const std::vector<Shortfall> shortfalls =
        netAgainstStock(needs,
                        materials::readStockOnHand(rs, companyId, distinct(std::move(components))),
                        jobListRowCount);

    std::vector<std::int64_t> shown;
    for (const Shortfall &shortfall : shortfalls)
        shown.push_back(shortfall.componentId);
    return materialRows(shortfalls,
                        materials::readPendingPurchases(rs, companyId, distinct(std::move(shown))),
                        names);
}

} // namespace engine
