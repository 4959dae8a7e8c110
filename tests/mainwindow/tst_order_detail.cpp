// The order detail panel in the real window on an Odoo database: a press on a row's
// description shows what the line's product needs from the bill it is made by, with the
// quantities for the line, its stock on hand and unit names in the user's language.
#include "mainwindow/floor_canvas.h"
#include "mainwindow/order_detail_panel.h"
#include "tests/mainwindow/window_events.h"
#include "tests/mainwindow/window_fixture.h"
#include "tests/support/erp_stock_fixture.h"

#include <QLocale>
#include <QtTest>

using dbaccess::Date;
using testsupport::clickAtWindow;
using testsupport::ErpFixture;
using testsupport::ErpStockFixture;
using testsupport::inWindow;
using testsupport::middleOf;
using testsupport::moveInWindow;

namespace {

const Date friday = testsupport::WindowTest::workingDate();

// The program's locale for one test, put back afterwards.
class Session final
{
public:
    explicit Session(const QLocale &locale) { QLocale::setDefault(locale); }
    ~Session() { QLocale::setDefault(m_before); }

private:
    QLocale m_before;
};

} // namespace

class TestOrderDetail : public testsupport::WindowTest
{
    Q_OBJECT

private:
    ErpStockFixture stock() { return ErpStockFixture(f->fresh, f->erp); }
    int units() { return f->erp.defaultUnit(); }
    int unitCategoryOf(int unit)
    {
        return std::stoi(sql("select category_id from uom_uom where id=" + std::to_string(unit)));
    }

    // A line of `quantity` with a job in the queue of slot 1, one row per call.
    int plannedLine(int product, const std::string &quantity)
    {
        const int line =
            f->erp.line(f->erp.order(1, friday.addDays(7).isoText() + " 10:00:00"), product, quantity);
        f->ownTablesNow();
        f->addJob(line, 1, "1");
        return line;
    }
    void setLineUnit(int line, int unit)
    {
        f->fresh.exec("update sale_order_line set product_uom=" + std::to_string(unit) +
                      " where id=" + std::to_string(line));
    }
    void setUnitName(int unit, const std::string &json)
    {
        f->fresh.exec("update uom_uom set name=" + ErpFixture::text(json) +
                      "::jsonb where id=" + std::to_string(unit));
    }
    void viewSlot1()
    {
        moveInWindow(&w(), inWindow(w().picCanvas, testsupport::iconCentre(g(), 1)));
    }
    void pressDescription(int row) { clickAtWindow(&w(), middleOf(w().lblRowDesc[row])); }
    OrderDetailPanel &panel() { return *w().orderDetail(); }
    // "code qty unit" per bill line of the panel; an empty row is "  ".
    QStringList billRows()
    {
        QStringList rows;
        for (int r = 0; r < 6; ++r)
            rows << panel().lblComponent[r]->caption() + ' ' + panel().lblBomQty[r]->caption() +
                        ' ' + panel().lblBomUom[r]->caption();
        return rows;
    }
    static QStringList emptyRows(int count = 6) { return QStringList(count, QStringLiteral("  ")); }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void needsAreTheLinesShareOfTheBill_data()
    {
        QTest::addColumn<QString>("lineQuantity");
        QTest::addColumn<QString>("lineUnit"); // "" the default unit, "dozen"
        QTest::addColumn<QString>("billQuantity");
        QTest::addColumn<QString>("billUnit");
        QTest::addColumn<QString>("perBatch");
        QTest::addColumn<QString>("componentUnit"); // the bill line's unit: "" or "g"
        QTest::addColumn<QString>("shown");
        QTest::newRow("a quarter per unit for 10") << "10" << "" << "1" << "" << "0.25" << ""
                                                   << "PART 2.5 Units";
        QTest::newRow("a bill of 2 needing 3, for 10") << "10" << "" << "2" << "" << "3" << ""
                                                       << "PART 15 Units";
        QTest::newRow("a line in dozens, the bill in units")
            << "2" << "dozen" << "1" << "" << "1" << "" << "PART 24 Units";
        QTest::newRow("a bill made by the dozen, a line in units")
            << "6" << "" << "1" << "dozen" << "12" << "" << "PART 6 Units";
        QTest::newRow("the bill line's own unit") << "4" << "" << "1" << "" << "250" << "g"
                                                  << "PART 1000 g";
    }
    void needsAreTheLinesShareOfTheBill()
    {
        QFETCH(QString, lineQuantity);
        QFETCH(QString, lineUnit);
        QFETCH(QString, billQuantity);
        QFETCH(QString, billUnit);
        QFETCH(QString, perBatch);
        QFETCH(QString, componentUnit);
        QFETCH(QString, shown);
        f->erp.company(1, "Frames Ltd");
        ErpStockFixture s = stock();
        const int dozen = s.unit(unitCategoryOf(units()), "Dozens", "0.08333333333333333");
        const int weight = s.unitCategory("Weight");
        const int kg = s.unit(weight, "kg", "1");
        const int gram = s.unit(weight, "g", "1000");
        const int frame = f->erp.product("Frame", "FRAME");
        const int part = s.product("Part", "PART", componentUnit == "g" ? kg : units());
        ErpStockFixture::BillOptions made;
        made.unitId = billUnit == "dozen" ? dozen : 0;
        const int bill = s.bill(frame, billQuantity.toStdString(), made);
        s.billLine(bill, part, perBatch.toStdString(), componentUnit == "g" ? gram : 0);
        const int line = plannedLine(frame, lineQuantity.toStdString());
        if (lineUnit == "dozen")
            setLineUnit(line, dozen);
        f->start();
        viewSlot1();
        pressDescription(0);
        QVERIFY(!panel().imgJobPanel->isHidden());
        QCOMPARE(billRows(), QStringList{shown} + emptyRows(5));
        QCOMPARE(panel().lblBomCount->caption(), QString());
        QCOMPARE(panel().lblTitle1->caption(), w().lblRowDesc[0]->caption());
        QVERIFY(f->messages.problems.isEmpty());
    }

    void aLongBillShowsItsFirstSixLinesBySequenceAndTheirNumber()
    {
        f->erp.company(1, "Frames Ltd");
        ErpStockFixture s = stock();
        const int frame = f->erp.product("Frame", "FRAME");
        const int bill = s.bill(frame, "1");
        for (int sequence : {80, 10, 70, 20, 60, 30, 50, 40}) {
            const std::string code = "C" + std::to_string(sequence);
            const int line = s.billLine(bill, f->erp.product(code, code), "1");
            f->fresh.exec("update mrp_bom_line set sequence=" + std::to_string(sequence) +
                          " where id=" + std::to_string(line));
        }
        plannedLine(frame, "2");
        f->start();
        viewSlot1();
        pressDescription(0);
        QCOMPARE(billRows(), (QStringList{"C10 2 Units", "C20 2 Units", "C30 2 Units",
                                          "C40 2 Units", "C50 2 Units", "C60 2 Units"}));
        QCOMPARE(panel().lblBomCount->caption(), QStringLiteral("6 of 8 components"));
    }

    void theBillIsTheOneTheProductIsMadeBy()
    {
        f->erp.company(1, "Frames Ltd");
        f->erp.company(2, "Second Site");
        ErpStockFixture s = stock();
        const int oak = f->erp.product("Door", "DOOR-OAK");
        const int pine = s.variant(oak, "DOOR-PINE");
        const int ash = s.variant(oak, "DOOR-ASH");
        // The template's bill, one made for the oak variant, one for the ash variant, and
        // a bill of another product that the door goes into.
        s.billLine(s.bill(oak, "1"), f->erp.product("Hinge", "HINGE"), "3");
        ErpStockFixture::BillOptions forVariant;
        forVariant.forThisVariant = true;
        s.billLine(s.bill(oak, "1", forVariant), f->erp.product("Oak", "OAK-BOARD"), "2");
        s.billLine(s.bill(ash, "1", forVariant), f->erp.product("Ash", "ASH-BOARD"), "2");
        const int house = f->erp.product("House", "HOUSE");
        s.billLine(s.bill(house, "1"), oak, "4");
        // A bill of another company is not used, one shared by all companies is.
        const int shelf = f->erp.product("Shelf", "SHELF");
        ErpStockFixture::BillOptions otherSite, shared;
        otherSite.companyId = 2;
        otherSite.sequence = 1;
        shared.companyId = std::nullopt;
        shared.sequence = 5;
        s.billLine(s.bill(shelf, "1", otherSite), f->erp.product("Other", "OTHER-SITE"), "1");
        s.billLine(s.bill(shelf, "1", shared), f->erp.product("Bracket", "BRACKET"), "2");
        plannedLine(oak, "1");
        plannedLine(pine, "1");
        plannedLine(shelf, "1");
        plannedLine(s.product("Plank", "PLANK", units()), "1"); // goes into nothing, made of nothing
        f->start();
        viewSlot1();
        const QList<QStringList> expected{
            {"OAK-BOARD 2 Units"}, {"HINGE 3 Units"}, {"BRACKET 2 Units"}, {}};
        for (int row = 0; row < 4; ++row) {
            pressDescription(row);
            QCOMPARE(billRows(), expected[row] + emptyRows(6 - int(expected[row].size())));
        }
    }

    void stockIsWhatTheCompanysInternalLocationsHold()
    {
        f->erp.company(1, "Frames Ltd");
        f->erp.company(2, "Second Site");
        ErpStockFixture s = stock();
        const int weight = s.unitCategory("Weight");
        const int kg = s.unit(weight, "kg", "1");
        const int putty = s.product("Putty", "PUTTY", kg);
        const int shelf = s.location("WH/Stock", "internal", 1);
        const int rack = s.location("WH/Rack", "internal", 1);
        const int vendors = s.location("Partners/Vendors", "supplier", std::nullopt);
        const int customers = s.location("Partners/Customers", "customer", std::nullopt);
        const int secondSite = s.location("SS/Stock", "internal", 2);
        s.quant(putty, vendors, "-72.125");
        s.quant(putty, shelf, "30.125");
        s.quant(putty, secondSite, "100");
        s.quant(putty, rack, "12");
        s.quant(putty, customers, "-70"); // the newest row
        plannedLine(putty, "1");
        f->start();
        viewSlot1();
        pressDescription(0);
        QCOMPARE(panel().lblTitle2->caption(), QStringLiteral("42.12")); // 42.125 to even
        QCOMPARE(panel().lblTitle17->caption(), QStringLiteral("kg"));
    }

    void aProductWithoutABillAfterOneWithComponentsShowsNone()
    {
        f->erp.company(1, "Frames Ltd");
        ErpStockFixture s = stock();
        const int frame = f->erp.product("Frame", "FRAME");
        const int bill = s.bill(frame, "1");
        for (const char *code : {"GLASS", "SEAL", "HINGE"})
            s.billLine(bill, f->erp.product(code, code), "1");
        plannedLine(frame, "3");
        // An archived bill is no bill.
        const int hatch = f->erp.product("Hatch", "HATCH");
        ErpStockFixture::BillOptions archived;
        archived.active = false;
        s.billLine(s.bill(hatch, "1", archived), f->erp.product("Latch", "LATCH"), "1");
        plannedLine(hatch, "3");
        f->start();
        viewSlot1();
        pressDescription(0);
        QCOMPARE(billRows()[2], QStringLiteral("HINGE 3 Units"));
        pressDescription(1);
        QVERIFY(!panel().imgJobPanel->isHidden());
        QCOMPARE(billRows(), emptyRows());
        QCOMPARE(panel().lblBomCount->caption(), QString());
    }

    void unitNamesAreInTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QLocale>("session");
        QTest::addColumn<QString>("shown");
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        const QLocale german(QLocale::German, QLocale::Germany);
        QTest::newRow("one language") << "{\"en_US\": \"kg\"}" << english << "kg";
        QTest::newRow("English of two") << "{\"de_DE\": \"Stück\", \"en_US\": \"Units\"}" << english
                                        << "Units";
        QTest::newRow("German of two") << "{\"de_DE\": \"Stück\", \"en_US\": \"Units\"}" << german
                                       << "Stück";
        QTest::newRow("English when the language is missing")
            << "{\"de_DE\": \"Stück\", \"en_US\": \"Units\"}" << QLocale(QLocale::French, QLocale::France)
            << "Units";
        QTest::newRow("first entry without English") << "{\"fr_FR\": \"Pièce\", \"it_IT\": \"Pezzo\"}"
                                                     << english << "Pièce";
        QTest::newRow("a plain string") << "\"Pieces\"" << english << "Pieces";
        QTest::newRow("quotes and braces in a name") << "{\"en_US\": \"Box \\\"12}\\\"\"}" << english
                                                     << "Box \"12}\"";
    }
    void unitNamesAreInTheUsersLanguage()
    {
        QFETCH(QString, stored);
        QFETCH(QLocale, session);
        QFETCH(QString, shown);
        f->erp.company(1, "Frames Ltd");
        ErpStockFixture s = stock();
        const int unit = s.unit(unitCategoryOf(units()), "placeholder", "1");
        setUnitName(unit, stored.toStdString());
        const int frame = s.product("Frame", "FRAME", unit);
        s.billLine(s.bill(frame, "1"), f->erp.product("Glass", "GLASS"), "2", unit);
        plannedLine(frame, "1");
        f->start();
        viewSlot1();
        const Session inSession(session);
        pressDescription(0);
        QCOMPARE(panel().lblTitle17->caption(), shown); // the product's own unit
        QCOMPARE(panel().lblBomUom[0]->caption(), shown);
    }

    void thePendingViewAndEmptyRowsIgnoreThePress()
    {
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        f->addJob(lines[0], 1, "1");
        f->start();
        viewSlot1();
        pressDescription(1); // an empty row
        QVERIFY(panel().imgJobPanel->isHidden());
        moveInWindow(&w(), inWindow(w().picCanvas, {50, 30})); // the logo: pending lines
        QCOMPARE(g().selectedWc, 0);
        QVERIFY(!w().lblRowDesc[0]->caption().isEmpty());
        pressDescription(0);
        QVERIFY(panel().imgJobPanel->isHidden());
        QCOMPARE(g().selectedLineId, std::int64_t(0));
        QVERIFY(f->messages.problems.isEmpty());
    }

    void aRebuildOrAnotherRowHidesThePanel()
    {
        const auto lines = f->openLines(2);
        f->ownTablesNow();
        f->addJob(lines[0], 1, "1");
        f->addJob(lines[1], 1, "1", 1, 0, friday.addDays(2));
        f->start();
        viewSlot1();
        pressDescription(0);
        QVERIFY(!panel().imgJobPanel->isHidden());
        QCOMPARE(g().selectedLineId, std::int64_t(lines[0]));
        QVERIFY(!w().imgRowCheck[0]->isHidden());
        clickAtWindow(&w(), middleOf(w().lblRowSO[1])); // selects another row
        QVERIFY(panel().imgJobPanel->isHidden());
        QCOMPARE(panel().lblTitle1->caption(), QString());

        pressDescription(1);
        QVERIFY(!panel().imgJobPanel->isHidden());
        pressDescription(1); // the selected row itself opens it as well
        QVERIFY(!panel().imgJobPanel->isHidden());
        g().dayLocked = false;
        moveInWindow(&w(), middleOf(w().imgDayBlock[2])); // a day chosen rebuilds the list
        QCOMPARE(g().selectedDay, 2);
        QVERIFY(panel().imgJobPanel->isHidden());
    }
};

QTEST_MAIN(TestOrderDetail)
#include "tst_order_detail.moc"
