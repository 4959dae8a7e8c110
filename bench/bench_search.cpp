// Times the order search. Filtering: 20,000 entries searched at each keystroke of a
// typed text, as the window does it (the typed text folded, the entries' keys folded
// once when they are loaded, the first 20 hits), against the form that upper-cases
// every entry at every keystroke. Loading: the entries of 10,000 planned lines with
// 100,000 live jobs, read and folded, against the distinct join over every job that
// keeps the first 1,000 rows. Both forms run in the same run; the ratio is printed.
//
// Needs the private PostgreSQL server and its test template (scripts/pg.sh start,
// scripts/prepare-test-template.sh); reads BRONTALO_TEST_PG_* like the tests. Makes
// its own database and drops it again.
#include "bench/bench_shop.h"
#include "bench/report.h"
#include "bench/best_of.h"
#include "data/each_row.h"
#include "data/search_rows.h"
#include "engine/search.h"
#include "mainwindow/search_list.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int filterEntries = 20000;
constexpr int runs = 20;

std::vector<data::SearchEntry> syntheticEntries()
{
    const char *const descriptions[] = {"Casement window, oak, triple glazed",
                                        "Fenêtre à deux vantaux en chêne",
                                        "Sash window\nwith trickle vent",
                                        "Schiebetür Lärche geölt, 2400 mm",
                                        "Roof light 780 × 980 mm"};
    const char *const customers[] = {"Müller & Søn", "Żabka Polska", "Harbour Joinery Ltd",
                                     "Ελληνικά Κουφώματα", "Nordic Frames AB"};
    std::vector<data::SearchEntry> entries;
    for (int i = 0; i < filterEntries; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "S%05d", i + 1);
        entries.push_back({std::string(name) + " " +
                               data::firstCharacters(descriptions[i % 5], 35) + " " +
                               customers[(i / 5) % 5],
                           i + 1});
    }
    return entries;
}

// The entries holding `typed`, upper-casing every entry on the way.
std::size_t naiveFilter(const std::vector<data::SearchEntry> &entries, const QString &typed)
{
    const QString wanted = typed.trimmed().toUpper();
    std::size_t shown = 0;
    for (const auto &entry : entries) {
        if (QString::fromStdString(entry.text).toUpper().contains(wanted) && ++shown == 20)
            break;
    }
    return shown;
}

struct Keystrokes
{
    double worst = 0; // the slowest keystroke's best time, ms
    double total = 0;
};

template <typename Filter> Keystrokes typeEach(const QString &text, Filter filter)
{
    Keystrokes k;
    for (int n = 1; n <= text.size(); ++n) {
        const QString typed = text.left(n);
        std::size_t shown = 0;
        const double ms = bestOf(runs, [&] { return filter(typed); }, shown);
        k.worst = std::max(k.worst, ms);
        k.total += ms;
    }
    return k;
}

// The described load: a distinct row per order, line, customer and line id over every
// live job, keeping the first 1,000.
std::size_t naiveLoad(dbaccess::RecordSet &rs)
{
    std::vector<data::SearchEntry> entries;
    data::eachRow(rs,
                  "select distinct so.name,sl.name as line_name,c.name as customerName,"
                  "j.solineid from brontalo_schedule as j JOIN sale_order_line as sl ON "
                  "j.solineid=sl.id JOIN sale_order as so ON sl.order_id=so.id JOIN res_partner "
                  "as c ON so.partner_id=c.id where sl.company_id=1 and j.status>0 order by so.name",
                  [&] {
                      if (entries.size() == 1000)
                          return;
                      data::SearchEntry entry;
                      entry.text = rs.field(0).toText() + " " +
                                   data::firstCharacters(rs.field(1).toText(), 35);
                      if (!rs.field(2).isNull())
                          entry.text += " " + rs.field(2).toText();
                      entry.lineId = rs.field(3).toInt();
                      entries.push_back(std::move(entry));
                  });
    return entries.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);

    const auto entries = syntheticEntries();
    std::vector<std::string> keys;
    for (const auto &entry : entries)
        keys.push_back(searchKey(QString::fromStdString(entry.text)));
    auto folded = [&](const QString &typed) {
        return engine::FilterSearchList(keys, searchKey(typed.trimmed())).size();
    };
    auto naive = [&](const QString &typed) { return naiveFilter(entries, typed); };
    std::printf("Filtering %d entries at each keystroke (best of %d per keystroke):\n",
                filterEntries, runs);
    std::printf("  %-22s %14s %14s %8s\n", "typed", "folded keys", "upper-cased", "ratio");
    double worstNow = 0;
    double worstBefore = 0;
    for (const QString &text : {QStringLiteral("s1999"), QStringLiteral("müller"),
                                QStringLiteral("zz no such order")}) {
        const Keystrokes now = typeEach(text, folded);
        const Keystrokes before = typeEach(text, naive);
        std::printf("  %-22s %11.3f ms %11.3f ms %7.1fx   (slowest keystroke)\n",
                    ("\"" + text.toStdString() + "\"").c_str(), now.worst, before.worst,
                    before.worst / now.worst);
        worstNow = std::max(worstNow, now.worst);
        worstBefore = std::max(worstBefore, before.worst);
    }
    bench::report({"Search filter, slowest keystroke", "20,000 entries", worstNow, worstBefore,
                   "< 5 ms", worstNow < 5});

    testsupport::FreshDatabase fresh;
    std::printf("\nFilling 10,000 lines and 100,000 live jobs ...\n");
    fillShop(fresh);
    auto &db = fresh.db();
    data::ensureScheduleIndexes(db);
    db.rsEdit.execute("analyze");
    std::size_t loaded = 0, capped = 0;
    const double load = bestOf(
        runs,
        [&] {
            const auto read = data::readSearchEntries(db.rsMain, 1);
            std::vector<std::string> readKeys;
            readKeys.reserve(read.size());
            for (const auto &entry : read)
                readKeys.push_back(searchKey(QString::fromStdString(entry.text)));
            return readKeys.size();
        },
        loaded);
    const double before = bestOf(runs, [&] { return naiveLoad(db.rsMain); }, capped);
    std::printf("Loading the entries at 100,000 live jobs (best of %d):\n", runs);
    std::printf("  every planned line, read and folded: %8.2f ms  (%zu entries)\n", load, loaded);
    std::printf("  distinct join over the jobs, 1,000 cap: %5.2f ms  (%zu entries)\n", before,
                capped);
    std::printf("  ratio (distinct join / every line):    %5.1fx\n", before / load);
    std::printf("Targets: a keystroke under 5 ms, the load under 100 ms.\n");
    bench::report({"Search entries loaded", "10,000 planned lines, 100,000 live jobs", load,
                   before, "< 100 ms", load < 100});
    return 0;
}
