#include "pictures/picture_store.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

// Transparency of the keyed pictures (icons, highlighted icons, the highlight under the selected
// work centre).
//
// The floor plan copies these pictures leaving out exactly RGB(255,0,0). Rendering an SVG straight
// onto a red image would blend every anti-aliased edge with red and leave a pink fringe around
// each icon. Instead each picture is rendered onto a fully transparent image and then flattened:
//   - pixels covered less than kKeyAlphaCutoff/255 (about 16 %) become the key colour and vanish;
//   - every other pixel is composited onto the plan's open floor colour and made opaque, so the
//     soft edges and drop shadows blend into the floor as they would with real alpha.
// The artwork keeps clear of near-red colours, so no opaque pixel can be mistaken for the key.

namespace {

constexpr int kKeyAlphaCutoff = 40;
const QString kRoot = QStringLiteral(":/pictures/svg/");
const QString kFontList = QStringLiteral("Segoe UI, Open Sans, sans-serif");

QImage flattenOntoFloor(QImage image)
{
    const int floorR = qRed(PictureStore::floorColour);
    const int floorG = qGreen(PictureStore::floorColour);
    const int floorB = qBlue(PictureStore::floorColour);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x]; // premultiplied
            const int a = qAlpha(p);
            if (a < kKeyAlphaCutoff) {
                line[x] = PictureStore::transparentColour;
                continue;
            }
            const int rest = 255 - a;
            line[x] =
                qRgb(qRed(p) + (floorR * rest + 127) / 255, qGreen(p) + (floorG * rest + 127) / 255,
                     qBlue(p) + (floorB * rest + 127) / 255);
        }
    }
    return image;
}

QString iconFile(int style)
{
    return QStringLiteral("icons/robot_%1.svg").arg(style, 2, 10, QLatin1Char('0'));
}

struct ButtonFace
{
    int index;
    const char *file;
    QSize size;
};

// btnMenu faces; indexes 1, 2 and 15 have no button, 0 is the menu logo.
constexpr std::array kButtonFaces{
    ButtonFace{3, "buttons/work_centre_editor.svg", {37, 33}},
    ButtonFace{4, "buttons/move_remove.svg", {48, 20}},
    ButtonFace{5, "buttons/dispatch_door.svg", {48, 37}},
    ButtonFace{6, "buttons/production_list.svg", {41, 35}},
    ButtonFace{7, "buttons/apply_77.svg", {77, 22}},
    ButtonFace{8, "buttons/materials.svg", {48, 39}},
    ButtonFace{9, "buttons/pending_header.svg", {567, 28}},
    ButtonFace{10, "buttons/add_67.svg", {67, 22}},
    ButtonFace{11, "buttons/remove_67.svg", {67, 22}},
    ButtonFace{12, "buttons/apply_77.svg", {77, 22}},
    ButtonFace{13, "buttons/add_42.svg", {42, 22}},
    ButtonFace{14, "buttons/load_forecast.svg", {31, 25}},
    ButtonFace{16, "buttons/route_types.svg", {37, 25}},
    ButtonFace{17, "buttons/edit_67.svg", {67, 22}},
    ButtonFace{18, "buttons/apply_47.svg", {47, 22}},
};

const ButtonFace *findButton(int index)
{
    for (const ButtonFace &face : kButtonFaces) {
        if (face.index == index)
            return &face;
    }
    return nullptr;
}

struct PanelPicture
{
    PictureStore::Panel panel;
    const char *file;
    QSize size;
};

constexpr std::array kPanels{
    PanelPicture{PictureStore::Panel::Chooser, "panels/chooser.svg", {80, 55}},
    PanelPicture{
        PictureStore::Panel::WorkCentreEditor, "panels/work_centre_editor.svg", {432, 520}},
    PanelPicture{PictureStore::Panel::EditorFields, "panels/editor_fields.svg", {216, 70}},
    PanelPicture{PictureStore::Panel::RouteTypes, "panels/route_types.svg", {268, 456}},
    PanelPicture{PictureStore::Panel::Search, "panels/search_list.svg", {404, 425}},
    PanelPicture{PictureStore::Panel::MoveTo, "panels/move_to.svg", {268, 548}},
    PanelPicture{PictureStore::Panel::Capacity, "panels/capacity.svg", {850, 256}},
    PanelPicture{PictureStore::Panel::OrderDetail, "panels/order_detail.svg", {594, 470}},
    PanelPicture{PictureStore::Panel::Materials, "panels/materials_header.svg", {846, 38}},
    PanelPicture{PictureStore::Panel::DispatchCover, "panels/dispatch_cover.svg", {135, 217}},
    PanelPicture{PictureStore::Panel::RoutePathEditor, "panels/route_path_editor.svg", {433, 457}},
};

const PanelPicture &findPanel(PictureStore::Panel p)
{
    for (const PanelPicture &entry : kPanels) {
        if (entry.panel == p)
            return entry;
    }
    return kPanels.front(); // every enumerator has an entry; the tests check all of them
}

bool inRange(int k, int count)
{
    return k >= 0 && k < count;
}

} // namespace

PictureStore::PictureStore()
{
    // The resources live in a static library; naming them here keeps the linker from dropping them.
    Q_INIT_RESOURCE(pictures);
    // The SVG text asks for the list "Segoe UI, Open Sans, sans-serif". The SVG renderer passes
    // such a list on as one family name, which no font matches; a substitution spells it out so
    // that Segoe UI is used where it exists and Open Sans stands in for it elsewhere.
    QFont::insertSubstitutions(kFontList, kFontList.split(QStringLiteral(", ")));
}

const PictureStore &PictureStore::instance()
{
    static const PictureStore store;
    return store;
}

QPixmap PictureStore::picture(const QStringList &files, QSize size, Keying keying) const
{
    const QString key = files.join(QLatin1Char('+')) + QLatin1Char('@') +
                        QString::number(size.width()) + QLatin1Char('x') +
                        QString::number(size.height()) +
                        (keying == Keying::RedKey ? QStringLiteral("#key") : QString());
    if (const auto it = m_cache.constFind(key); it != m_cache.constEnd())
        return it.value();

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                               QPainter::SmoothPixmapTransform);
        for (const QString &file : files) {
            QSvgRenderer renderer(kRoot + file);
            if (!renderer.isValid()) {
                qWarning("PictureStore: cannot load picture %s", qPrintable(file));
                return {};
            }
            renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
        }
    }
    if (keying == Keying::RedKey)
        image = flattenOntoFloor(std::move(image)).convertToFormat(QImage::Format_RGB32);

    QPixmap pixmap = QPixmap::fromImage(image);
    m_cache.insert(key, pixmap);
    return pixmap;
}

QPixmap PictureStore::robot(int style) const
{
    if (!inRange(style, iconStyleCount))
        return {};
    return picture({iconFile(style)}, iconSize, Keying::RedKey);
}

QPixmap PictureStore::focus(int style) const
{
    if (!inRange(style, iconStyleCount))
        return {};
    return picture({QStringLiteral("icons/focus_under.svg"), iconFile(style)}, iconSize,
                   Keying::RedKey);
}

QPixmap PictureStore::robotFocus() const
{
    return picture({QStringLiteral("icons/robot_focus.svg")}, robotFocusSize, Keying::RedKey);
}

QPixmap PictureStore::status(int k) const
{
    static const char *const files[] = {"status/in_progress.svg", "status/paused.svg",
                                        "status/completed.svg", "status/scheduled.svg"};
    if (!inRange(k, 4))
        return {};
    return picture({QLatin1String(files[k])}, statusSize, Keying::Alpha);
}

QPixmap PictureStore::tick(bool ticked) const
{
    return picture({ticked ? QStringLiteral("ticks/box_ticked.svg")
                           : QStringLiteral("ticks/box_unticked.svg")},
                   tickSize, Keying::Alpha);
}

QPixmap PictureStore::rowTick() const
{
    return picture({QStringLiteral("ticks/row_tick.svg")}, rowTickSize, Keying::Alpha);
}

QPixmap PictureStore::reorderArrows() const
{
    return picture({QStringLiteral("ticks/reorder_arrows.svg")}, reorderArrowsSize, Keying::Alpha);
}

QPixmap PictureStore::menuLogo(int k) const
{
    if (!inRange(k, 2))
        return {};
    return picture({k == 0 ? QStringLiteral("buttons/order_intake.svg")
                           : QStringLiteral("buttons/order_intake_active.svg")},
                   menuLogoSize, Keying::Alpha);
}

QPixmap PictureStore::dayBlock(int k) const
{
    static const char *const files[] = {"strip/day_full.svg",       "strip/day_partly_booked.svg",
                                        "strip/day_free_long.svg",  "strip/day_unused.svg",
                                        "strip/day_overbooked.svg", "strip/day_non_working.svg",
                                        "strip/day_free_short.svg"};
    if (!inRange(k, 7))
        return {};
    return picture({QLatin1String(files[k])}, dayBlockSize, Keying::Alpha);
}

QPixmap PictureStore::loadBlock(int k) const
{
    static const char *const files[] = {"forecast/load_at_capacity.svg",
                                        "forecast/load_below_capacity.svg",
                                        "forecast/load_above_capacity.svg"};
    if (!inRange(k, 3))
        return {};
    return picture({QLatin1String(files[k])}, loadBlockSize, Keying::Alpha);
}

QPixmap PictureStore::button(int index) const
{
    if (index == 0)
        return menuLogo(0);
    const ButtonFace *face = findButton(index);
    if (!face)
        return {};
    return picture({QLatin1String(face->file)}, face->size, Keying::Alpha);
}

QPixmap PictureStore::createButton() const
{
    return picture({QStringLiteral("buttons/create_77.svg")}, createButtonSize, Keying::Alpha);
}

QPixmap PictureStore::floorPlan() const
{
    return picture({QStringLiteral("backgrounds/floor_plan.svg")}, floorPlanSize, Keying::Alpha);
}

QPixmap PictureStore::windowBackground() const
{
    return picture({QStringLiteral("backgrounds/main_window.svg")}, windowSize, Keying::Alpha);
}

QPixmap PictureStore::setupBackground() const
{
    return picture({QStringLiteral("backgrounds/setup_dialog.svg")}, setupDialogSize,
                   Keying::Alpha);
}

QPixmap PictureStore::weekendBand() const
{
    return picture({QStringLiteral("forecast/weekend_band.svg")}, weekendBandSize, Keying::Alpha);
}

QPixmap PictureStore::panel(Panel p) const
{
    const PanelPicture &entry = findPanel(p);
    return picture({QLatin1String(entry.file)}, entry.size, Keying::Alpha);
}

QSize PictureStore::sizeOf(Panel p)
{
    return findPanel(p).size;
}

QSize PictureStore::buttonSize(int index)
{
    if (index == 0)
        return menuLogoSize;
    const ButtonFace *face = findButton(index);
    return face ? face->size : QSize();
}
