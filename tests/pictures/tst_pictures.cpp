#include "pictures/picture_store.h"

#include <QFont>
#include <QFontInfo>
#include <QImage>
#include <QTest>

#include <functional>
#include <vector>

namespace {

using Getter = std::function<QPixmap(const PictureStore &)>;

struct NamedPicture
{
    QByteArray name;
    Getter get;
    QSize size;
};

const PictureStore &store()
{
    return PictureStore::instance();
}

std::vector<NamedPicture> allPictures()
{
    using P = PictureStore;
    std::vector<NamedPicture> list;
    for (int k = 0; k < P::iconStyleCount; ++k) {
        list.push_back(
            {"icon " + QByteArray::number(k), [k](const P &s) { return s.robot(k); }, P::iconSize});
        list.push_back({"highlighted icon " + QByteArray::number(k),
                        [k](const P &s) { return s.focus(k); }, P::iconSize});
    }
    list.push_back({"highlight under selected icon", [](const P &s) { return s.robotFocus(); },
                    P::robotFocusSize});
    for (int k = 0; k < 4; ++k)
        list.push_back({"status " + QByteArray::number(k), [k](const P &s) { return s.status(k); },
                        P::statusSize});
    list.push_back({"tick box unticked", [](const P &s) { return s.tick(false); }, P::tickSize});
    list.push_back({"tick box ticked", [](const P &s) { return s.tick(true); }, P::tickSize});
    list.push_back({"row tick", [](const P &s) { return s.rowTick(); }, P::rowTickSize});
    list.push_back(
        {"reorder arrows", [](const P &s) { return s.reorderArrows(); }, P::reorderArrowsSize});
    for (int k = 0; k < 2; ++k)
        list.push_back({"menu logo " + QByteArray::number(k),
                        [k](const P &s) { return s.menuLogo(k); }, P::menuLogoSize});
    for (int k = 0; k < 7; ++k)
        list.push_back({"day block " + QByteArray::number(k),
                        [k](const P &s) { return s.dayBlock(k); }, P::dayBlockSize});
    for (int k = 0; k < 3; ++k)
        list.push_back({"load block " + QByteArray::number(k),
                        [k](const P &s) { return s.loadBlock(k); }, P::loadBlockSize});
    const QList<QPair<int, QSize>> buttons = {
        {0, {132, 93}}, {3, {37, 33}},  {4, {48, 20}},  {5, {48, 37}},
        {6, {41, 35}},  {7, {77, 22}},  {8, {48, 39}},  {9, {567, 28}},
        {10, {67, 22}}, {11, {67, 22}}, {12, {77, 22}}, {13, {42, 22}},
        {14, {31, 25}}, {16, {37, 25}}, {17, {67, 22}}, {18, {47, 22}}};
    for (const auto &[index, size] : buttons)
        list.push_back({"button " + QByteArray::number(index),
                        [index](const P &s) { return s.button(index); }, size});
    list.push_back(
        {"create button", [](const P &s) { return s.createButton(); }, P::createButtonSize});
    list.push_back({"floor plan", [](const P &s) { return s.floorPlan(); }, {1040, 924}});
    list.push_back(
        {"window background", [](const P &s) { return s.windowBackground(); }, {1914, 1009}});
    list.push_back(
        {"setup dialog background", [](const P &s) { return s.setupBackground(); }, {430, 331}});
    list.push_back({"weekend band", [](const P &s) { return s.weekendBand(); }, {924, 216}});
    struct PanelCase
    {
        const char *name;
        P::Panel panel;
        QSize size;
    };
    const PanelCase panels[] = {
        {"daily/weekly chooser", P::Panel::Chooser, {80, 55}},
        {"work-centre editor", P::Panel::WorkCentreEditor, {432, 520}},
        {"work-centre editor fields", P::Panel::EditorFields, {216, 70}},
        {"route types", P::Panel::RouteTypes, {268, 456}},
        {"search list", P::Panel::Search, {404, 425}},
        {"move-to list", P::Panel::MoveTo, {268, 548}},
        {"capacity panel", P::Panel::Capacity, {850, 256}},
        {"order detail", P::Panel::OrderDetail, {594, 470}},
        {"materials header", P::Panel::Materials, {846, 38}},
        {"dispatch cover", P::Panel::DispatchCover, {135, 217}},
        {"route path editor", P::Panel::RoutePathEditor, {433, 457}},
    };
    for (const PanelCase &c : panels) {
        const P::Panel panel = c.panel;
        list.push_back({QByteArray("panel ") + c.name,
                        [panel](const P &s) { return s.panel(panel); }, c.size});
    }
    return list;
}

bool isNearRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasItsSize_data();
    void everyPictureHasItsSize();
    void keyedPictureIsRedOnlyWhereTransparent_data();
    void keyedPictureIsRedOnlyWhereTransparent();
    void picturesOfOneArrayAreDistinct_data();
    void picturesOfOneArrayAreDistinct();
    void highlightedIconDiffersFromIcon();
    void indexOutsideAnArrayGivesNoPicture_data();
    void indexOutsideAnArrayGivesNoPicture();
    void weekendBandAlternatesWeekendAndWeekdayColours_data();
    void weekendBandAlternatesWeekendAndWeekdayColours();
    void openFloorIsTheColourIconEdgesBlendInto_data();
    void openFloorIsTheColourIconEdgesBlendInto();
    void textOfThePicturesFindsAnInstalledFont();
};

void TestPictures::everyPictureHasItsSize_data()
{
    QTest::addColumn<int>("index");
    const auto list = allPictures();
    for (int i = 0; i < int(list.size()); ++i)
        QTest::newRow(list[i].name.constData()) << i;
}

void TestPictures::everyPictureHasItsSize()
{
    QFETCH(int, index);
    const NamedPicture entry = allPictures()[index];
    const QPixmap pixmap = entry.get(store());
    QVERIFY2(!pixmap.isNull(), "picture did not load");
    QCOMPARE(pixmap.size(), entry.size);
    // A picture that rendered nothing at all is as good as missing.
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    bool anyInk = false;
    for (int y = 0; y < image.height() && !anyInk; ++y) {
        for (int x = 0; x < image.width() && !anyInk; ++x)
            anyInk = qAlpha(image.pixel(x, y)) > 0;
    }
    QVERIFY2(anyInk, "picture is empty");
}

void TestPictures::keyedPictureIsRedOnlyWhereTransparent_data()
{
    QTest::addColumn<QPixmap>("picture");
    for (int k = 0; k < PictureStore::iconStyleCount; ++k) {
        QTest::addRow("icon %d", k) << store().robot(k);
        QTest::addRow("highlighted icon %d", k) << store().focus(k);
    }
    QTest::newRow("highlight under selected icon") << store().robotFocus();
}

void TestPictures::keyedPictureIsRedOnlyWhereTransparent()
{
    QFETCH(QPixmap, picture);
    const QImage image = picture.toImage().convertToFormat(QImage::Format_RGB32);
    const int w = image.width() - 1;
    const int h = image.height() - 1;
    for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
        QCOMPARE(image.pixel(corner), PictureStore::transparentColour);

    int keyed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) | 0xff000000u;
            if (p == PictureStore::transparentColour) {
                ++keyed;
                continue;
            }
            if (isNearRed(p)) {
                QFAIL(qPrintable(QStringLiteral("reddish fringe pixel (%1,%2,%3) at %4,%5")
                                     .arg(qRed(p))
                                     .arg(qGreen(p))
                                     .arg(qBlue(p))
                                     .arg(x)
                                     .arg(y)));
            }
        }
    }
    const int total = image.width() * image.height();
    QVERIFY2(keyed > total / 10, "too little of the picture is transparent");
    QVERIFY2(keyed < total * 9 / 10, "the picture is almost all transparent");
}

void TestPictures::picturesOfOneArrayAreDistinct_data()
{
    QTest::addColumn<QList<QPixmap>>("pictures");
    const PictureStore &s = store();
    QList<QPixmap> icons;
    for (int k = 0; k < PictureStore::iconStyleCount; ++k)
        icons << s.robot(k);
    QTest::newRow("work-centre icons") << icons;
    QTest::newRow("status pictures")
        << QList<QPixmap>{s.status(0), s.status(1), s.status(2), s.status(3)};
    QTest::newRow("tick boxes") << QList<QPixmap>{s.tick(false), s.tick(true)};
    QTest::newRow("menu logos") << QList<QPixmap>{s.menuLogo(0), s.menuLogo(1)};
    QList<QPixmap> days;
    for (int k = 0; k < 7; ++k)
        days << s.dayBlock(k);
    QTest::newRow("day blocks") << days;
    QTest::newRow("load blocks") << QList<QPixmap>{s.loadBlock(0), s.loadBlock(1), s.loadBlock(2)};
}

void TestPictures::picturesOfOneArrayAreDistinct()
{
    QFETCH(QList<QPixmap>, pictures);
    QList<QImage> images;
    for (const QPixmap &p : pictures)
        images << p.toImage();
    for (int i = 0; i < images.size(); ++i) {
        for (int j = i + 1; j < images.size(); ++j)
            QVERIFY2(images[i] != images[j],
                     qPrintable(QStringLiteral("pictures %1 and %2 are the same").arg(i).arg(j)));
    }
}

void TestPictures::highlightedIconDiffersFromIcon()
{
    for (int k = 0; k < PictureStore::iconStyleCount; ++k) {
        QVERIFY2(store().focus(k).toImage() != store().robot(k).toImage(),
                 qPrintable(QStringLiteral("style %1").arg(k)));
    }
}

void TestPictures::indexOutsideAnArrayGivesNoPicture_data()
{
    QTest::addColumn<QPixmap>("picture");
    const PictureStore &s = store();
    QTest::newRow("icon -1") << s.robot(-1);
    QTest::newRow("icon 20") << s.robot(20);
    QTest::newRow("highlighted icon 20") << s.focus(20);
    QTest::newRow("status 4") << s.status(4);
    QTest::newRow("menu logo 2") << s.menuLogo(2);
    QTest::newRow("day block 7") << s.dayBlock(7);
    QTest::newRow("load block 3") << s.loadBlock(3);
    QTest::newRow("button 1 does not exist") << s.button(1);
    QTest::newRow("button 2 does not exist") << s.button(2);
    QTest::newRow("button 15 does not exist") << s.button(15);
    QTest::newRow("button 19") << s.button(19);
}

void TestPictures::indexOutsideAnArrayGivesNoPicture()
{
    QFETCH(QPixmap, picture);
    QVERIFY(picture.isNull());
}

void TestPictures::weekendBandAlternatesWeekendAndWeekdayColours_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QColor>("colour");
    const QColor weekend(243, 242, 246);
    const QColor weekday(234, 232, 238);
    for (int week = 0; week < 4; ++week) {
        const int start = 231 * week;
        QTest::addRow("week %d Saturday", week) << start + 16 << weekend;
        QTest::addRow("week %d Sunday", week) << start + 49 << weekend;
        QTest::addRow("week %d Monday", week) << start + 81 << weekday;
        QTest::addRow("week %d Friday", week) << start + 214 << weekday;
    }
}

void TestPictures::weekendBandAlternatesWeekendAndWeekdayColours()
{
    QFETCH(int, x);
    QFETCH(QColor, colour);
    const QImage band = store().weekendBand().toImage();
    // Between the faint row lines of the panel's grid.
    QCOMPARE(band.pixelColor(x, 7), colour);
    QCOMPARE(band.pixelColor(x, 207), colour);
}

void TestPictures::openFloorIsTheColourIconEdgesBlendInto_data()
{
    QTest::addColumn<QPoint>("place");
    // Under the demo plant's icons, and open floor away from them.
    QTest::newRow("machining area") << QPoint(164, 177);
    QTest::newRow("inspection area") << QPoint(552, 505);
    QTest::newRow("packing area") << QPoint(803, 753);
    QTest::newRow("open floor by the side door") << QPoint(200, 450);
}

void TestPictures::openFloorIsTheColourIconEdgesBlendInto()
{
    QFETCH(QPoint, place);
    const QImage floor = store().floorPlan().toImage();
    QCOMPARE(floor.pixel(place) | 0xff000000u, PictureStore::floorColour);
}

void TestPictures::textOfThePicturesFindsAnInstalledFont()
{
    store();
    // The SVG renderer hands the whole family list over as one name, as done here.
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI, Open Sans, sans-serif")});
    const QString family = QFontInfo(font).family();
    QVERIFY2(family == QLatin1String("Segoe UI") || family == QLatin1String("Open Sans"),
             qPrintable(family));
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
