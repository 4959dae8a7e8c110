// Gives the demo shop a first plan: the program's own tables, a route type for each
// finished product, the planned jobs, and some work already under way, so that the
// demo opens on a floor with queues. Run by scripts/demo-prepare.sh on a new demo
// database, with the path of the demo's brontalo.ini.
#include "data/own_tables.h"
#include "dbaccess/error.h"
#include "dbaccess/startup.h"
#include "engine/auto_schedule.h"

#include <cstdio>

namespace {

// Finished products of the demo data (product id = template id + 100) and their routes:
// 1 Window Frame Manufacture, 2 General Welding, 3 Special Welding. The louvre vents,
// garage doors and shopfront panels (templates 43 to 45) are left for the planner to
// route, so the pending list has lines in it.
const char *const productRoutes =
    "insert into brontalo_productroute(product_id,routeid) select p.id, case "
    "when p.product_tmpl_id in (38,40,42) then 3 when p.product_tmpl_id=39 then 2 else 1 end "
    "from product_product p join product_template t on t.id=p.product_tmpl_id "
    "where t.categ_id=2 and p.active and p.product_tmpl_id not in (43,44,45) "
    "and not exists (select 1 from brontalo_productroute r where r.product_id=p.id)";

// Rates of the seed route types for this shop's products, in frames per hour.
const char *const shopRates =
    "update brontalo_route set runrate1=case id when 2 then 2 else 3 end,runrate2=case id "
    "when 2 then 10 else 4 end,runrate3=case id when 2 then null else 10 end,minhours1=0.5,"
    "minhours2=0.5,minhours3=case id when 2 then null else 0.25 end where id in (1,2,3)";

// Work that started before today is done or under way.
const char *const workUnderWay[] = {
    "update brontalo_schedule set status=4 where startdate < current_date - 2",
    "update brontalo_schedule set status=2 where startdate between current_date - 2 and "
    "current_date and id % 3 <> 0",
    "update brontalo_schedule set status=3 where startdate between current_date - 2 and "
    "current_date and id % 3 = 0",
    "update brontalo_schedule set comment='glass delivery due at 10:00' where id in "
    "(select min(id) from brontalo_schedule where workcenterid=1)",
    "update brontalo_schedule set comment='customer asked for RAL 7016' where id in "
    "(select max(id) from brontalo_schedule where workcenterid=2)",
};

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s path/to/brontalo.ini\n", argv[0]);
        return 2;
    }
    const auto settings = dbaccess::readSettingsFile(argv[1]);
    if (!settings) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    try {
        dbaccess::Database db;
        db.connection.open(dbaccess::connectionString(*settings));
        data::EnsureOwnTables(db);
        db.rsEdit.execute(shopRates);
        db.rsEdit.execute(productRoutes);
        const auto planned = engine::AutoSchedule(db, dbaccess::companyIdOf(*settings),
                                                  dbaccess::Date::today());
        for (const char *sql : workUnderWay)
            db.rsEdit.execute(sql);
        std::printf("Demo plan: %d lines planned into %d jobs.\n", planned.linesPlanned,
                    planned.jobsInserted);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "demo plan failed: %s\n", error.what());
        return 1;
    }
    return 0;
}
