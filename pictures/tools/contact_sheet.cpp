// Renders every picture of the picture store onto one PNG, laid out roughly as the program shows
// them: the main window with the floor plan, icons at the demo plant's places, a route, the
// calendar strip and the capacity panel; the pop-up panels beside it; and every small picture
// enlarged below. For looking at the artwork only.
//
// Usage: contact_sheet OUTPUT.png

#include "pictures/picture_store.h"

#include <QDate>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

using Panel = PictureStore::Panel;

const PictureStore &store()
{
    return PictureStore::instance();
}

// The floor plan's transparent copy: every pixel except the key colour.
void drawKeyed(QPainter &p, QPoint at, const QPixmap &picture)
{
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] | 0xff000000u) == PictureStore::transparentColour)
                line[x] = 0;
        }
    }
    p.drawImage(at, image);
}

QFont uiFont(double points, int weight = QFont::Normal)
{
    QFont font(QStringLiteral("Open Sans"));
    font.setPointSizeF(points);
    font.setWeight(QFont::Weight(weight));
    return font;
}

void text(QPainter &p, int x, int y, const QString &s, QColor colour = QColor(0, 0, 0),
          double points = 9, int weight = QFont::Normal)
{
    p.setFont(uiFont(points, weight));
    p.setPen(colour);
    p.drawText(QRect(x, y, 600, 40), Qt::AlignLeft | Qt::AlignTop, s);
}

void textRight(QPainter &p, int right, int y, const QString &s, QColor colour = Qt::black)
{
    p.setFont(uiFont(9));
    p.setPen(colour);
    p.drawText(QRect(right - 200, y, 200, 40), Qt::AlignRight | Qt::AlignTop, s);
}

struct WorkCentre
{
    const char *name;
    int style;
    QPoint place;
};

const WorkCentre kPlant[] = {
    {"cnc", 1, {127, 140}},     {"milling", 1, {240, 78}}, {"assembly", 13, {409, 55}},
    {"welding", 5, {741, 186}}, {"QA", 6, {515, 468}},     {"packing", 19, {766, 716}},
};
const int kDayTops[23] = {705, 689, 673, 656, 640, 624, 607, 591, 575, 558, 542, 525,
                          509, 493, 477, 460, 444, 428, 411, 395, 378, 362, 345};

void drawFloorPlan(QPainter &p, QPoint origin)
{
    p.save();
    p.translate(origin);
    p.setClipRect(QRect(QPoint(0, 0), PictureStore::floorPlanSize));
    p.drawPixmap(0, 0, store().floorPlan());

    // Route of "Window Frame Manufacture": slots 1, 2, 6.
    const int route[] = {0, 1, 5};
    p.setPen(QPen(QColor(203, 222, 248), 6));
    for (int k = 0; k + 1 < 3; ++k)
        p.drawLine(kPlant[route[k]].place + QPoint(35, 35),
                   kPlant[route[k + 1]].place + QPoint(35, 35));

    const int selected = 4; // QA
    drawKeyed(p, kPlant[selected].place + QPoint(-45, -7), store().robotFocus());
    for (int i = 0; i < 6; ++i) {
        const bool onRoute = i == 0 || i == 1 || i == 5;
        const WorkCentre &wc = kPlant[i];
        drawKeyed(p, wc.place, onRoute ? store().focus(wc.style) : store().robot(wc.style));
        const bool isSelected = i == selected;
        p.setFont(uiFont(9, isSelected ? QFont::Bold : QFont::Normal));
        const int w = p.fontMetrics().horizontalAdvance(QLatin1String(wc.name));
        text(p, wc.place.x() + 37 - w / 2, wc.place.y() + (isSelected ? 82 : 65),
             QLatin1String(wc.name), isSelected ? Qt::black : QColor(128, 128, 128), 9,
             isSelected ? QFont::Bold : QFont::Normal);
        if (onRoute && !isSelected)
            text(p, wc.place.x() + 22, wc.place.y() + 77, QStringLiteral("12 Mar"),
                 QColor(36, 77, 202), 8);
    }

    // Calendar strip: a sample of every state the job list uses.
    const int states[23] = {1, 0, 5, 5, 4, 1, 2, 2, 6, 5, 5, 2, 1, 0, 2, 2, 5, 5, 2, 2, 2, 6, 5};
    QDate day(2026, 3, 6);
    for (int i = 0; i < 23; ++i, day = day.addDays(1)) {
        const int left = 420 + 27 * i;
        QPixmap block = store().dayBlock(states[i]);
        if (i == 22)
            block = block.copy(0, 0, 22, 33);
        p.drawPixmap(left, kDayTops[i], block);
        const bool weekend = day.dayOfWeek() >= 6;
        p.setFont(uiFont(9));
        text(p, left + 10 - 20, kDayTops[i] + 35,
             QLocale(QLocale::English).toString(day, QStringLiteral("MMM d")),
             weekend ? QColor(192, 192, 192) : QColor(64, 64, 64), 9,
             i == 3 ? QFont::Bold : QFont::Normal);
        if (!weekend && i < 17) {
            text(p, left + 8, kDayTops[i] - 15, QStringLiteral("8"), QColor(64, 64, 64), 8);
            if (states[i] == 1)
                text(p, left + 5, kDayTops[i] - 30, QStringLiteral("(3)"), QColor(0, 192, 0), 8);
            if (states[i] == 4)
                text(p, left + 5, kDayTops[i] - 30, QStringLiteral("(2)"), QColor(192, 0, 0), 8);
        }
    }
    text(p, 376, 768, QStringLiteral("QA"), Qt::black, 9, QFont::Bold);

    // Buttons on the canvas.
    const QPair<int, QPoint> buttons[] = {{0, {58, 2}},  {3, {9, 79}},  {16, {9, 124}},
                                          {8, {3, 774}}, {6, {7, 840}}, {5, {990, 890}}};
    for (const auto &[index, at] : buttons)
        p.drawPixmap(at, store().button(index));
    p.restore();
}

void drawJobList(QPainter &p)
{
    text(p, 1127, 69, QStringLiteral("QA"), Qt::black, 11, QFont::DemiBold);
    text(p, 1215, 69, QStringLiteral("Search.."), QColor(192, 192, 192));
    text(p, 1383, 66, QStringLiteral("Mar 9"), QColor(64, 64, 64), 11);
    p.drawPixmap(1835, 70, store().button(4));
    p.drawPixmap(1000, 28, store().button(14));
    textRight(p, 1900, 22, QStringLiteral("Brontalo Window Frames Ltd"), QColor(60, 60, 60));

    struct Row
    {
        const char *so, *due, *qty, *hrs, *desc, *cust, *note;
        int status;
    };
    const Row rows[] = {
        {"S00041", "9-Mar-26", "12", "3.5", "Casement frame 1200x900", "Hale & Sons", "rush", 2},
        {"S00044", "10-Mar-26", "4", "1", "Sash window oak 600x1200", "Ortega Build", "", 3},
        {"S00047", "12-Mar-26", "30", "6.5", "Fixed light 900x900", "Nordglas", "", 1},
        {"S00050", "13-Mar-26", "8", "2", "Tilt & turn 1000x1400", "Hale & Sons", "", 4},
        {"S00052", "16-Mar-26", "16", "4", "Casement frame 600x900", "M. Keller", "check glass", 1},
    };
    const QColor statusColours[] = {QColor(255, 255, 255), QColor(255, 255, 255),
                                    QColor(40, 167, 69), QColor(88, 172, 250),
                                    QColor(122, 100, 195)};
    for (int i = 0; i < 5; ++i) {
        const int top = 143 + 31 * i;
        const Row &r = rows[i];
        text(p, 1110, top, QLatin1String(r.so), i == 2 ? QColor(0, 128, 0) : QColor(0, 0, 0));
        text(p, 1190, top, QLatin1String(r.due));
        textRight(p, 1301, top, QLatin1String(r.qty));
        textRight(p, 1367, top, QLatin1String(r.hrs));
        p.fillRect(QRect(1390, top, 33, 17), statusColours[r.status]);
        text(p, 1402, top, QString::number(i + 1), i == 0 ? Qt::white : Qt::black);
        text(p, 1445, top - 1, QLatin1String(r.desc));
        text(p, 1644, top, QLatin1String(r.cust));
        text(p, 1771, top, QLatin1String(r.note), QColor(64, 64, 64));
    }
    p.drawPixmap(1088, 144 + 31, store().rowTick());
    p.drawPixmap(1427, 143 + 31, store().reorderArrows());
    for (int i = 5; i < 9; ++i)
        p.drawPixmap(1600, 137 + 31 * i, store().status(i - 5));
    text(p, 1110, 143 + 31 * 5, QStringLiteral("production list: status pictures ->"),
         QColor(128, 128, 128));
    text(p, 1326, 143 + 31 * 10, QStringLiteral("Total Hrs: 17"), Qt::black, 9, QFont::Bold);
}

void drawCapacityPanel(QPainter &p, QPoint at)
{
    p.save();
    p.translate(at);
    p.setClipRect(QRect(QPoint(0, 0), PictureStore::sizeOf(Panel::Capacity)));
    p.drawPixmap(0, 0, store().panel(Panel::Capacity));
    const QDate first(2026, 3, 6); // a Friday
    // The weekend band starts under the first Saturday after day 0.
    const int firstSaturday = 1;
    p.drawPixmap(87 + 33 * firstSaturday - 11, 40, store().weekendBand());
    text(p, 81, 2, QStringLiteral("March"), Qt::black, 9, QFont::DemiBold);
    for (int d = 0; d < 23; ++d) {
        const QDate date = first.addDays(d);
        p.setFont(uiFont(8.25));
        p.setPen(date.dayOfWeek() >= 6 && d > 0 ? QColor(144, 144, 144) : QColor(0, 0, 0));
        p.drawText(QRect(87 + 33 * d - 8, 22, 30, 16), Qt::AlignLeft, QString::number(date.day()));
    }
    const char *names[] = {"cnc", "milling", "assembly", "welding", "QA", "packing"};
    const int loads[6][23] = {
        {1, 0, 0, 0, 1, 1, 0, 2, 1, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 2, 1, 1, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {2, 0, 0, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 3, 3, 0, 0, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 3, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    };
    for (int s = 0; s < 6; ++s) {
        const int top = 40 + (215 * s) / 15;
        text(p, 8, top, QLatin1String(names[s]),
             s == 4 ? QColor(36, 77, 202) : QColor(128, 128, 128), 9,
             s == 4 ? QFont::Bold : QFont::Normal);
        for (int d = 0; d < 23; ++d) {
            if (loads[s][d] > 0)
                p.drawPixmap(87 + 33 * d - 10, top, store().loadBlock(loads[s][d] - 1));
        }
    }
    p.restore();
}

void drawEntries(QPainter &p, QPoint panel, int x, int y, int step, const QStringList &names,
                 int width = 241, int height = 20)
{
    for (int i = 0; i < names.size(); ++i) {
        const QRect r(panel + QPoint(x, y + step * i), QSize(width, height));
        p.fillRect(r, i == 1 ? QColor(255, 255, 255) : QColor(243, 243, 250));
        p.setFont(uiFont(11.25 * 0.8));
        p.setPen(QColor(30, 30, 30));
        p.drawText(r.adjusted(4, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, names[i]);
    }
}

void drawPanels(QPainter &p, QPoint origin)
{
    const QStringList plant = {"cnc", "milling", "assembly", "welding", "QA", "packing"};

    // Work-centre editor with its icon grid, fields and buttons.
    QPoint at = origin;
    p.drawPixmap(at, store().panel(Panel::WorkCentreEditor));
    for (int k = 0; k < PictureStore::iconStyleCount; ++k) {
        const QPoint cell = at + QPoint(8 + 85 * (k % 5), 36 + 80 * (k / 5));
        drawKeyed(p, cell, store().robot(k));
        if (k == 6) {
            p.setPen(QPen(Qt::black, 1));
            p.drawRect(QRect(cell, QSize(74, 74)));
        }
    }
    text(p, at.x() + 20, at.y() + 376, QStringLiteral("name"), QColor(64, 64, 64));
    text(p, at.x() + 20, at.y() + 394, QStringLiteral("QA"), Qt::black, 9.75);
    const QPoint fields = at + QPoint(178, 385);
    p.drawPixmap(fields, store().panel(Panel::EditorFields));
    text(p, fields.x() + 8, fields.y() + 9, QStringLiteral("hours/day:"), QColor(64, 64, 64), 8);
    text(p, fields.x() + 80, fields.y() + 9, QStringLiteral("8"), QColor(0, 128, 0), 9);
    p.drawPixmap(fields + QPoint(122, 10), store().tick(false));
    text(p, fields.x() + 140, fields.y() + 9, QStringLiteral("Sat"), QColor(64, 64, 64), 8);
    p.drawPixmap(fields + QPoint(167, 10), store().tick(true));
    text(p, fields.x() + 185, fields.y() + 9, QStringLiteral("Sun"), QColor(64, 64, 64), 8);
    text(p, fields.x() + 8, fields.y() + 34, QStringLiteral("runspeed"), QColor(64, 64, 64), 8);
    text(p, fields.x() + 85, fields.y() + 34, QStringLiteral("100"), QColor(128, 0, 128), 9);
    text(p, fields.x() + 135, fields.y() + 34, QStringLiteral("units per hour"), QColor(64, 64, 64),
         8);
    p.drawPixmap(at + QPoint(139, 486), store().button(7));
    p.drawPixmap(at + QPoint(272, 486), store().button(10));
    p.drawPixmap(at + QPoint(346, 486 - 30), store().button(11)); // never shown; here to look at

    // Route types.
    at = origin + QPoint(452, 0);
    p.drawPixmap(at, store().panel(Panel::RouteTypes));
    text(p, at.x() + 78, at.y() + 4, QStringLiteral("Route types"), Qt::black, 12 * 0.8 * 1.25);
    drawEntries(p, at, 15, 40, 25,
                {"Window Frame Manufacture", "General Welding", "Special Welding", "", ""});
    p.drawPixmap(at + QPoint(98, 422), store().button(17));
    p.drawPixmap(at + QPoint(88, 422), store().button(12));
    p.drawPixmap(at + QPoint(210, 422), store().button(13));

    // Move-to list.
    at = origin + QPoint(740, 0);
    p.drawPixmap(at, store().panel(Panel::MoveTo));
    text(p, at.x() + 50, at.y() + 4, QStringLiteral("Move to:"), Qt::black, 12);
    drawEntries(p, at, 15, 40, 25, plant);

    // Route path editor.
    at = origin + QPoint(1028, 0);
    p.drawPixmap(at, store().panel(Panel::RoutePathEditor));
    p.setFont(uiFont(12));
    p.setPen(Qt::black);
    p.drawText(QRect(at.x() + 95, at.y() + 5, 240, 24), Qt::AlignHCenter,
               QStringLiteral("Route path:"));
    const char *heads[] = {"selected", "sequence", "runspeed", "minimum hrs"};
    const int headX[] = {135, 203, 281, 342};
    for (int k = 0; k < 4; ++k)
        text(p, at.x() + headX[k], at.y() + 32, QLatin1String(heads[k]), QColor(64, 64, 64), 8);
    for (int i = 0; i < 20; ++i) {
        const QRect label(at + QPoint(9, 50 + 18 * i), QSize(144, 17));
        p.fillRect(label, QColor(243, 243, 250));
        if (i < 6) {
            text(p, label.x() + 3, label.y(), plant[i], QColor(0, 0, 128), 8.5);
            const bool ticked = i == 0 || i == 1 || i == 5;
            p.drawPixmap(at + QPoint(154, 50 + 18 * i + (i ? 1 : 0)), store().tick(ticked));
            if (ticked) {
                text(p, at.x() + 220, label.y(), QString::number(i == 5 ? 3 : i + 1),
                     QColor(64, 64, 64), 8.5);
                text(p, at.x() + 298, label.y(), QStringLiteral("1"), QColor(128, 0, 128), 8.5);
            }
        }
    }
    text(p, at.x() + 13, at.y() + 410, QStringLiteral("route path name:"), QColor(64, 64, 64), 8);
    p.fillRect(QRect(at + QPoint(11, 425), QSize(217, 21)), QColor(185, 217, 189));
    text(p, at.x() + 14, at.y() + 427, QStringLiteral("Window Frame Manufacture"), Qt::black);
    p.drawPixmap(at + QPoint(240, 425), store().button(7));
    p.drawPixmap(at + QPoint(330, 425), store().createButton());

    // Second row: search list, order detail, dispatch cover, chooser, materials header.
    at = origin + QPoint(0, 570);
    p.drawPixmap(at, store().panel(Panel::Search));
    const QStringList hits = {"S00041 Casement frame 1200x900 Hale & Sons",
                              "S00044 Sash window oak 600x1200 Ortega Build",
                              "S00047 Fixed light 900x900 Nordglas"};
    for (int i = 0; i < hits.size(); ++i) {
        const QRect r(at + QPoint(4, 3 + 21 * i), QSize(392, 20));
        p.fillRect(r, i == 1 ? QColor(235, 235, 235) : QColor(255, 255, 255));
        p.setFont(uiFont(9.75 * 0.85));
        p.setPen(QColor(64, 64, 64));
        p.drawText(r.adjusted(4, 0, 0, 0), Qt::AlignVCenter, hits[i]);
    }

    at = origin + QPoint(424, 570);
    p.drawPixmap(at, store().panel(Panel::OrderDetail));
    text(p, at.x() + 72, at.y() + 42, QStringLiteral("Casement frame 1200x900"), Qt::black,
         24 * 0.75);
    textRight(p, at.x() + 169, at.y() + 92, QStringLiteral("14"), QColor(0, 128, 0));
    text(p, at.x() + 175, at.y() + 92, QStringLiteral("Units"), QColor(128, 128, 128), 9,
         QFont::DemiBold);
    const char *parts[][3] = {{"PRF-68-OAK", "24", "m"},
                              {"GLZ-4-16-4", "12", "m²"},
                              {"HNG-TT-200", "24", "Units"},
                              {"SEAL-EPDM", "36", "m"}};
    for (int r = 0; r < 4; ++r) {
        const int y = at.y() + 227 + (r * 610) / 15;
        text(p, at.x() + 41, y, QLatin1String(parts[r][0]), Qt::black, 9, QFont::Bold);
        textRight(p, at.x() + 323, y, QLatin1String(parts[r][1]));
        text(p, at.x() + 345, y, QString::fromUtf8(parts[r][2]), QColor(64, 64, 64));
    }

    at = origin + QPoint(1038, 570);
    p.drawPixmap(at, store().panel(Panel::DispatchCover));
    at = origin + QPoint(1193, 570);
    p.drawPixmap(at, store().panel(Panel::Chooser));
    p.fillRect(QRect(at + QPoint(0, 4), QSize(80, 22)), QColor(235, 235, 235));
    text(p, at.x(), at.y() + 4, QStringLiteral(" daily"), Qt::black, 12);
    text(p, at.x(), at.y() + 28, QStringLiteral(" weekly"), Qt::black, 12);

    at = origin + QPoint(0, 1080);
    p.drawPixmap(at, store().panel(Panel::Materials));
    p.drawPixmap(at + QPoint(0, 50), store().button(9));
}

void drawEnlarged(QPainter &p, QPoint origin)
{
    // Icons on the floor colour and on the key colour (as stored), then highlighted, at twice the
    // size.
    for (int k = 0; k < PictureStore::iconStyleCount; ++k) {
        const QPoint cell = origin + QPoint(160 * k, 0);
        p.fillRect(QRect(cell, QSize(150, 150)), QColor(PictureStore::floorColour));
        QImage plain(75, 75, QImage::Format_ARGB32_Premultiplied);
        plain.fill(QColor(PictureStore::floorColour));
        {
            QPainter q(&plain);
            drawKeyed(q, {0, 0}, store().robot(k));
        }
        p.drawImage(QRect(cell, QSize(150, 150)), plain);
        QImage lit(75, 75, QImage::Format_ARGB32_Premultiplied);
        lit.fill(QColor(PictureStore::floorColour));
        {
            QPainter q(&lit);
            drawKeyed(q, {0, 0}, store().focus(k));
        }
        p.drawImage(QRect(cell + QPoint(0, 160), QSize(150, 150)), lit);
        p.drawPixmap(cell + QPoint(0, 320), store().robot(k));
        p.drawPixmap(cell + QPoint(76, 320), store().focus(k));
        text(p, cell.x(), cell.y() + 400, QStringLiteral("style %1").arg(k), Qt::black, 10);
    }

    // Small pictures at three times their size.
    QPoint at = origin + QPoint(0, 440);
    auto enlarged = [&](const QPixmap &pm) {
        const QSize big = pm.size() * 3;
        p.fillRect(QRect(at, big), QColor(PictureStore::floorColour));
        p.drawPixmap(QRect(at, big), pm);
        at.rx() += big.width() + 16;
    };
    for (int k = 0; k < 7; ++k)
        enlarged(store().dayBlock(k));
    for (int k = 0; k < 3; ++k)
        enlarged(store().loadBlock(k));
    for (int k = 0; k < 4; ++k)
        enlarged(store().status(k));
    enlarged(store().tick(false));
    enlarged(store().tick(true));
    enlarged(store().rowTick());
    enlarged(store().reorderArrows());
    enlarged(store().robotFocus());

    at = origin + QPoint(0, 760);
    for (int index : {3, 4, 5, 6, 8, 14, 16, 7, 10, 11, 13, 17, 18})
        enlarged(store().button(index));
    enlarged(store().createButton());
    at = origin + QPoint(0, 900);
    enlarged(store().menuLogo(0));
    enlarged(store().menuLogo(1));
}

// The job list's head in the three views that cover it with a picture of their own.
void drawListVariants(QPainter &p, QPoint origin)
{
    const QRect head(1040, 56, 874, 274);
    struct Variant
    {
        const char *title;
        QPixmap cover;
        QPoint place;
    };
    const Variant variants[] = {
        {"sales orders", store().button(9), {1317, 105}},
        {"purchases", store().panel(Panel::Materials), {1071, 99}},
        {"dispatch", store().panel(Panel::DispatchCover), {1308, 105}},
    };
    QPoint at = origin;
    for (const Variant &v : variants) {
        p.save();
        p.translate(at - head.topLeft());
        p.setClipRect(head);
        p.drawPixmap(head.topLeft(), store().windowBackground(), head);
        p.drawPixmap(v.place, v.cover);
        text(p, 1127, 69, QLatin1String(v.title), Qt::black, 11, QFont::DemiBold);
        p.restore();
        at.ry() += head.height() + 16;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: contact_sheet OUTPUT.png\n");
        return 2;
    }

    QImage sheet(4160, 2460, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(200, 204, 210));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.drawPixmap(0, 0, store().windowBackground());
    drawFloorPlan(p, {0, 67});
    drawJobList(p);
    drawCapacityPanel(p, {1057, 725});
    drawPanels(p, {1960, 20});
    drawEnlarged(p, {20, 1240});
    drawListVariants(p, {3260, 1240});
    p.end();

    if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
