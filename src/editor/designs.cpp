#include "editor/designs.h"

#include "editor/design_drawings.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFont>
#include <QImageWriter>
#include <QPainter>

using stationery::ScrollDirection;
namespace d = design_drawings;

// One design a line reads better than one field a line.
// clang-format off
const std::vector<Design>& designs() {
    using D = ScrollDirection;
    static const std::vector<Design> all = {
        // name, file, picture size, drawing, text, background, font, size, bold, italic,
        // left and top margin, scrolling. The fonts are those Windows and macOS both
        // install; Linux desktops stand in for Arial, Times New Roman and Courier New
        // with fonts of the same widths.
        {QT_TRANSLATE_NOOP("Designs", "Linen"), "linen", {120, 120}, d::linen,
         "4A3520", "F3ECDC", "Georgia", 11, false, false, 20, 20, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Blue Sky"), "blue-sky", {240, 200}, d::blueSky,
         "1B3556", "D8EAFA", "Verdana", 10, false, false, 20, 20, D::Left},
        {QT_TRANSLATE_NOOP("Designs", "Graph Paper"), "graph-paper", {100, 100}, d::graphPaper,
         "1F3550", "FBFDFF", "Courier New", 10, false, false, 30, 20, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Ruled Notebook"), "ruled-notebook", {1600, 12 * 22},
         d::ruledNotebook, "22304A", "FFFDF4", "Arial", d::kRuledFontPoints, false, false,
         60, d::kRuledTopMargin, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Starry Night"), "starry-night", {200, 200}, d::starryNight,
         "FFF4C8", "0F1733", "Georgia", 11, false, true, 24, 24, D::Down},
        {QT_TRANSLATE_NOOP("Designs", "Autumn Leaves"), "autumn-leaves", {160, 160},
         d::autumnLeaves, "5A2A0C", "FCEFDF", "Georgia", 11, false, false, 24, 20, D::Down},
        {QT_TRANSLATE_NOOP("Designs", "Winter Snow"), "winter-snow", {180, 180}, d::winterSnow,
         "1E3A5C", "E3ECF5", "Trebuchet MS", 10, false, false, 24, 20, D::Down},
        {QT_TRANSLATE_NOOP("Designs", "Spring Dots"), "spring-dots", {80, 80}, d::springDots,
         "24491C", "F2FAEC", "Verdana", 10, false, false, 20, 20, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Parchment"), "parchment", {160, 160}, d::parchment,
         "4B3118", "F5EACF", "Times New Roman", 12, false, true, 30, 24, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Ocean Waves"), "ocean-waves", {192, 192}, d::oceanWaves,
         "0E4447", "E4F4F4", "Tahoma", 10, false, false, 20, 20, D::Right},
        {QT_TRANSLATE_NOOP("Designs", "Rose Border"), "rose-border", {1600, 40}, d::roseBorder,
         "6B1E33", "FFF8F8", "Georgia", 11, false, false, 80, 20, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Chalkboard"), "chalkboard", {160, 160}, d::chalkboard,
         "F4F4EC", "233B2E", "Verdana", 12, true, false, 24, 24, D::NoScroll},
        {QT_TRANSLATE_NOOP("Designs", "Candy Stripes"), "candy-stripes", {128, 128},
         d::candyStripes, "7A1420", "FFFAFA", "Trebuchet MS", 11, true, false, 20, 20, D::Up},
    };
    return all;
}
// clang-format on

namespace {

QImage drawnPicture(const Design& design) {
    QImage image(design.pictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    design.draw(painter, design.pictureSize);
    return image;
}

QColor colourOf(const char* hex) {
    return QColor(QLatin1Char('#') + QLatin1String(hex));
}

} // namespace

QByteArray designPicture(const Design& design) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(88);
    writer.setOptimizedWrite(true);
    writer.write(drawnPicture(design));
    return bytes;
}

void applyDesign(const Design& design, stationery::StationerySettings& s) {
    s.textColor = stationery::parseHexColor(design.textColor);
    s.backgroundColor = stationery::parseHexColor(design.backgroundColor);
    s.fontName = design.fontName;
    s.fontSize = design.fontSize;
    s.bold = design.bold;
    s.italic = design.italic;
    s.leftMargin = design.leftMargin;
    s.topMargin = design.topMargin;
    s.direction = design.direction;
}

QImage designThumbnail(const Design& design, QSize size) {
    QImage thumbnail(size, QImage::Format_RGB32);
    thumbnail.fill(colourOf(design.backgroundColor));
    QPainter painter(&thumbnail);
    // At half size, so that a pattern shows a few repeats.
    painter.scale(0.5, 0.5);
    painter.fillRect(QRect(QPoint(), size * 2), QBrush(drawnPicture(design)));
    painter.resetTransform();
    QFont font(QLatin1String(design.fontName));
    font.setPointSizeF(design.fontSize);
    font.setBold(design.bold);
    font.setItalic(design.italic);
    painter.setFont(font);
    painter.setPen(colourOf(design.textColor));
    painter.drawText(QRect(QPoint(), size).adjusted(design.leftMargin / 3 + 4, 6, -4, -4),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QCoreApplication::translate("Designs", "Dear friend, greetings from here."));
    return thumbnail;
}
