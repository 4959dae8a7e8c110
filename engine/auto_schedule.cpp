#include "engine/auto_schedule.h"

#include "dbaccess/error.h"
#include "dbaccess/startup.h"
#include "engine/date_text.h"

namespace engine {

using data::planning::NewJob;
using data::planning::RouteStep;
using data::planning::RouteSteps;
using dbaccess::Decimal;

namespace {

const Decimal leastRunHours = Decimal::fromUnits(80'000'000); // 0.08

// a / b rounded once, halves to even, to the three places of the runhours column.
Decimal quotientToThreePlaces(Decimal a, Decimal b)
{
    constexpr dbaccess::Int128 thousandths = 1'000'000; // units of 0.001
    dbaccess::Int128 numerator = a.units() * 1000;
    dbaccess::Int128 denominator = b.units();
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    dbaccess::Int128 quotient = numerator / denominator;
    dbaccess::Int128 remainder = numerator % denominator;
    if (remainder < 0)
        remainder = -remainder;
    const dbaccess::Int128 twice = remainder * 2;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        quotient += numerator < 0 ? -1 : 1;
    return Decimal::fromUnits(quotient * thousandths);
}

} // namespace

dbaccess::Date dueDateOf(const dbaccess::Value &commitmentDate, const dbaccess::Value &orderDate,
                         dbaccess::Date currentDate)
{
    if (!commitmentDate.isNull())
        return commitmentDate.toDate();
    if (!orderDate.isNull())
        return orderDate.toDate();
    return currentDate;
}

int routeStepCount(const RouteSteps &route)
{
    int count = 1;
    while (count < int(route.size()) && route[count].slot > 0)
        ++count;
    return count;
}

Decimal runHoursOf(Decimal quantity, const RouteStep &step)
{
    const Decimal rate = step.runRate.value_or(Decimal());
    Decimal hours = rate > Decimal() ? quotientToThreePlaces(quantity, rate) : Decimal();
    // Minimums and the floor have at most three places, so raising the rounded
    // quotient gives the same as raising the exact one.
    if (step.minHours && hours < *step.minHours)
        hours = *step.minHours;
    if (hours < leastRunHours)
        hours = leastRunHours;
    return hours;
}

std::vector<NewJob> planLine(dbaccess::Date dueDate, Decimal quantity, const RouteSteps &route)
{
    if (route[0].slot <= 0)
        return {};
    const int steps = routeStepCount(route);
    std::vector<NewJob> jobs(steps);
    dbaccess::Date start = dueDate;
    for (int k = steps - 1; k >= 0; --k) {
        start = previousWorkingDay(start);
        jobs[k] = {route[k].slot, start, runHoursOf(quantity, route[k])};
    }
    return jobs;
}

std::optional<std::string> whyJobsCannotBeStored(const std::vector<NewJob> &jobs)
{
    static const Decimal mostRunHours = *Decimal::parse("999999.999");
    for (const NewJob &job : jobs) {
        if (job.runHours > mostRunHours)
            return "its quantity needs " + job.runHours.toString() +
                   " hours at one work centre, more than a job can hold (999999.999)";
        if (job.startDate.year() < 1)
            return "its due date leaves no working day before it to start";
    }
    return std::nullopt;
}

AutoScheduleResult AutoSchedule(dbaccess::Database &db, int companyId, dbaccess::Date currentDate)
{
    namespace planning = data::planning;
    // One run of the company at a time, across program instances: the lock is held to
    // the end of the run's transaction, and the lines without jobs are found inside it.
    dbaccess::Transaction run(db.connection);
    planning::lockPlanningRun(db, companyId);
    // The database finds the lines without jobs; with nothing new to plan, that one
    // query is the whole run.
    const auto lines = planning::readUnplannedLines(db, companyId);
    if (lines.empty()) {
        run.commit();
        return {};
    }
    const auto routeOfProduct = planning::readProductRoutes(db);
    const auto routes = planning::readRoutes(db);

    // Planned lines are written a batch at a time; a failing batch still leaves the
    // lines before the faulty one planned (see insertJobsOfLines).
    AutoScheduleResult result;
    std::vector<planning::LineJobs> batch;
    auto write = [&] {
        planning::insertJobsOfLines(db, batch);
        for (const auto &line : batch) {
            ++result.linesPlanned;
            result.jobsInserted += int(line.jobs.size());
        }
        batch.clear();
    };
    try {
        for (const planning::OpenLine &line : lines) {
            if (!line.productId)
                continue;
            const auto routeId = routeOfProduct.find(*line.productId);
            if (routeId == routeOfProduct.end() || routeId->second <= 0)
                continue;
            const auto route = routes.find(routeId->second);
            if (route == routes.end())
                continue;
            auto jobs = planLine(dueDateOf(line.commitmentDate, line.orderDate, currentDate),
                                 line.quantity, route->second);
            if (jobs.empty())
                continue;
            if (auto reason = whyJobsCannotBeStored(jobs)) {
                result.notPlanned.push_back({line.id, std::move(*reason)});
                continue;
            }
            batch.push_back({line.id, std::move(jobs)});
            if (batch.size() == planning::linesPerStatement)
                write();
        }
        write();
    } catch (const dbaccess::Error &error) {
        // The lines written before the faulty one stay planned.
        if (!error.connectionLost())
            run.commit();
        throw;
    }
    run.commit();
    return result;
}

} // namespace engine
