#include "editor/design_drawings.h"

#include "stationery/todays_clients_writer.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <cstdint>

namespace design_drawings {

namespace {

// A small generator of its own, so the pictures come out the same on every system.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state_(seed) {}
    // 0 <= result < limit.
    int roll(int limit) {
        state_ = state_ * 1664525u + 1013904223u;
        return static_cast<int>((state_ >> 8) % static_cast<std::uint32_t>(limit));
    }

private:
    std::uint32_t state_;
};

// Speckles `count` dots of `colour` over the canvas.
void speckle(QPainter& p, QSize size, int count, QColor colour, std::uint32_t seed) {
    Dice dice(seed);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < count; ++i)
        p.drawRect(dice.roll(size.width()), dice.roll(size.height()), 1 + dice.roll(2), 1);
}

// `shape` drawn at `at` and, where it crosses an edge, again on the far side, so the
// tiles join without a seam.
template <typename Shape> void wrapped(QSize size, QPointF at, Shape&& shape) {
    for (int dx : {-1, 0, 1})
        for (int dy : {-1, 0, 1})
            shape(at + QPointF(dx * size.width(), dy * size.height()));
}

// A vertical gradient from `edge` to `middle` and back, so the tiles' top and bottom
// rows meet in the same colour.
QLinearGradient verticalBand(QSize size, QColor edge, QColor middle) {
    QLinearGradient band(0, 0, 0, size.height());
    band.setColorAt(0, edge);
    band.setColorAt(0.5, middle);
    band.setColorAt(1, edge);
    return band;
}

} // namespace

void linen(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xF3, 0xEC, 0xDC));
    p.setPen(QColor(0xE4, 0xDA, 0xC4));
    for (int x = 0; x < size.width(); x += 3)
        p.drawLine(QLineF(x + 0.5, 0, x + 0.5, size.height()));
    p.setPen(QColor(0xEA, 0xE1, 0xCD));
    for (int y = 0; y < size.height(); y += 3)
        p.drawLine(QLineF(0, y + 0.5, size.width(), y + 0.5));
    speckle(p, size, 300, QColor(0xDD, 0xD2, 0xBA), 7);
}

void blueSky(QPainter& p, QSize size) {
    const QLinearGradient sky =
        verticalBand(size, QColor(0xC9, 0xE2, 0xF8), QColor(0xE8, 0xF3, 0xFC));
    p.fillRect(QRect(QPoint(), size), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFA, 0xFC, 0xFF));
    Dice dice(11);
    for (int i = 0; i < 5; ++i) {
        const QPointF centre(dice.roll(size.width()), dice.roll(size.height()));
        wrapped(size, centre, [&](QPointF c) {
            for (int puff = 0; puff < 3; ++puff)
                p.drawEllipse(c + QPointF(puff * 18, (puff % 2) * -8), 26, 14);
        });
    }
}

void graphPaper(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xFB, 0xFD, 0xFF));
    for (int at = 0; at < std::max(size.width(), size.height()); at += 10) {
        p.setPen(at % 50 == 0 ? QColor(0xA9, 0xC8, 0xE8) : QColor(0xD4, 0xE4, 0xF4));
        // On the pixels' centres: crisp, and whole at the tile's edges.
        p.drawLine(QLineF(at + 0.5, 0, at + 0.5, size.height()));
        p.drawLine(QLineF(0, at + 0.5, size.width(), at + 0.5));
    }
}

void ruledNotebook(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xFF, 0xFD, 0xF4));
    p.setPen(QPen(QColor(0xB5, 0xCD, 0xEB), 1));
    // A rule under each line of text: the stationery's line height apart, the first at
    // the foot of the first line below the top margin.
    const int pitch = int(stationery::TodaysClientsWriter::lineHeightPixels(kRuledFontPoints));
    for (int y = (kRuledTopMargin + pitch - 1) % pitch; y < size.height(); y += pitch)
        p.drawLine(QLineF(0, y + 0.5, size.width(), y + 0.5));
    p.setPen(QPen(QColor(0xF0, 0xB0, 0xB0), 2));
    p.drawLine(48, 0, 48, size.height());
}

void starryNight(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size),
               verticalBand(size, QColor(0x0B, 0x12, 0x2B), QColor(0x16, 0x1F, 0x40)));
    Dice dice(3);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        const int glow = 90 + dice.roll(80);
        p.setBrush(QColor(glow, glow, glow + 20 > 255 ? 255 : glow + 20));
        const double radius = 0.6 + dice.roll(10) / 10.0;
        const QPointF at(dice.roll(size.width()), dice.roll(size.height()));
        wrapped(size, at, [&](QPointF c) { p.drawEllipse(c, radius, radius); });
    }
}

void autumnLeaves(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xFC, 0xEF, 0xDF));
    const QColor leaves[] = {QColor(0xF6, 0xD2, 0xAE), QColor(0xF3, 0xDA, 0xA2),
                             QColor(0xF1, 0xC9, 0xB0)};
    Dice dice(5);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        p.setBrush(leaves[i % 3]);
        const QPointF at(dice.roll(size.width()), dice.roll(size.height()));
        const double turn = dice.roll(360);
        wrapped(size, at, [&](QPointF c) {
            p.save();
            p.translate(c);
            p.rotate(turn);
            QPainterPath leaf;
            leaf.moveTo(0, -16);
            leaf.cubicTo(12, -8, 12, 8, 0, 16);
            leaf.cubicTo(-12, 8, -12, -8, 0, -16);
            p.drawPath(leaf);
            p.restore();
        });
    }
}

void winterSnow(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xE3, 0xEC, 0xF5));
    Dice dice(13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xFF, 0xFF));
    for (int i = 0; i < 60; ++i) {
        const double radius = 1 + dice.roll(30) / 10.0;
        const QPointF at(dice.roll(size.width()), dice.roll(size.height()));
        wrapped(size, at, [&](QPointF c) { p.drawEllipse(c, radius, radius); });
    }
}

void springDots(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xF2, 0xFA, 0xEC));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD8, 0xEE, 0xC8));
    for (int y = 0; y < size.height(); y += 20)
        for (int x = (y / 20) % 2 * 10; x < size.width(); x += 20)
            p.drawEllipse(QPointF(x + 5, y + 5), 4, 4);
}

void parchment(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xF5, 0xEA, 0xCF));
    speckle(p, size, 900, QColor(0xEC, 0xDD, 0xB8), 17);
    speckle(p, size, 500, QColor(0xFA, 0xF2, 0xDD), 19);
}

void oceanWaves(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xE4, 0xF4, 0xF4));
    p.setPen(QPen(QColor(0xBF, 0xE2, 0xE4), 3));
    p.setBrush(Qt::NoBrush);
    for (int y = 10; y < size.height(); y += 24) {
        QPainterPath wave;
        wave.moveTo(0, y);
        // Whole waves across the width, so the tiles join.
        for (int x = 0; x <= size.width(); x += 4)
            wave.lineTo(x, y + 5 * std::sin(x * 2 * M_PI * 2 / size.width()));
        p.drawPath(wave);
    }
}

void roseBorder(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xFF, 0xF8, 0xF8));
    // The band runs on past the right edge, so a window wider than the picture shows
    // the next tile's band whole rather than cut against white.
    p.fillRect(QRect(0, 0, 56, size.height()), QColor(0xF8, 0xDC, 0xE2));
    p.fillRect(QRect(size.width() - 4, 0, 4, size.height()), QColor(0xF8, 0xDC, 0xE2));
    p.setPen(Qt::NoPen);
    for (int y = 12; y < size.height(); y += 40) {
        p.setBrush(QColor(0xF2, 0xC4, 0xCE));
        for (int petal = 0; petal < 5; ++petal) {
            const double angle = petal * 2 * M_PI / 5;
            p.drawEllipse(QPointF(28 + 7 * std::cos(angle), y + 8 + 7 * std::sin(angle)), 6, 6);
        }
        p.setBrush(QColor(0xF7, 0xE0, 0xB8));
        p.drawEllipse(QPointF(28, y + 8), 3, 3);
    }
}

void chalkboard(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0x23, 0x3B, 0x2E));
    speckle(p, size, 700, QColor(0x2C, 0x46, 0x37), 23);
    speckle(p, size, 200, QColor(0x33, 0x4E, 0x3F), 29);
}

void candyStripes(QPainter& p, QSize size) {
    p.fillRect(QRect(QPoint(), size), QColor(0xFF, 0xFA, 0xFA));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFB, 0xE1, 0xE1));
    // Diagonal bands whose period divides the square tile, so the tiles join.
    const int period = size.width() / 8;
    for (int start = -size.height(); start < size.width(); start += period)
        p.drawPolygon(QPolygon{{start, size.height()},
                               {start + period / 2, size.height()},
                               {start + period / 2 + size.height(), 0},
                               {start + size.height(), 0}});
}

} // namespace design_drawings
